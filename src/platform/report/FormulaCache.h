#pragma once

#include "platform/report/Expression.h"
#include "platform/report/ReportDefinition.h"
#include "platform/report/TextTemplate.h"

#include <QHash>
#include <QList>
#include <QString>

namespace report {

// Parses each formula and text of a report once, however many rows use it.
class FormulaCache {
public:
    // nullptr for a blank formula. Throws as parseFormula.
    ExpressionPtr expression(const QString &formula);
    // Throws as parseTemplate.
    const QList<TemplatePart> &textTemplate(const QString &text);

    // Every {TABLE.FIELD} that the body's texts, images, suppress formulas, groups, sort, sums and
    // computed formulas name (not those of its sub-reports), in the order met. Throws as the parsers.
    QList<FieldName> fieldsNamedBy(const ReportBody &body);

private:
    void addBands(const QList<Band> &bands, QList<FieldName> &fields);
    void addExpression(const QString &formula, QList<FieldName> &fields);

    QHash<QString, ExpressionPtr> m_expressions;
    QHash<QString, QList<TemplatePart>> m_templates;
};

} // namespace report
