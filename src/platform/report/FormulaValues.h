#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace report {

// One formula as callers write it: "Name = 'value'".
struct FormulaAssignment {
    QString name;
    QString value;
};

// Reads one "Name = 'value'" element: the name is the text before the first "=", trimmed; the
// value is the rest, trimmed, without its surrounding quotes (' or "); inside them a doubled
// quote stands for one, and a lone apostrophe (a company name such as O'Brien) is kept as it is.
// A value without quotes is taken as written. A blank element gives nullopt.
// Throws rt::RuntimeError err::Formula for an element without "=" or without a name.
std::optional<FormulaAssignment> parseFormulaAssignment(const QString &element);

// The values of a report's named formulas; names ignore letter case.
class FormulaValues {
public:
    void set(const QString &name, const QString &value);
    bool contains(const QString &name) const;
    // The value, or an empty text for a name never set.
    QString value(const QString &name) const;

    // Sets every element of the list in order (later elements win); blank elements are skipped.
    // Throws as parseFormulaAssignment.
    void apply(const QStringList &elements);

private:
    QHash<QString, QString> m_values; // keys in lower case
};

} // namespace report
