#include "platform/report/FormulaValues.h"

#include "platform/report/ReportError.h"

namespace report {

namespace {

QString unquoted(const QString &text)
{
    if (text.isEmpty())
        return text;
    const QChar quote = text.front();
    if (quote != QLatin1Char('\'') && quote != QLatin1Char('"'))
        return text;
    const bool closed = text.size() > 1 && text.back() == quote;
    QString inside = text.mid(1, closed ? text.size() - 2 : -1);
    return inside.replace(QString(2, quote), QString(quote));
}

} // namespace

std::optional<FormulaAssignment> parseFormulaAssignment(const QString &element)
{
    if (element.trimmed().isEmpty())
        return std::nullopt;
    const qsizetype equals = element.indexOf(QLatin1Char('='));
    if (equals < 0)
        raiseFormulaError(QStringLiteral("se esperaba Nombre = 'valor'"), element);
    FormulaAssignment assignment{element.left(equals).trimmed(), unquoted(element.mid(equals + 1).trimmed())};
    if (assignment.name.isEmpty())
        raiseFormulaError(QStringLiteral("falta el nombre de la fórmula"), element);
    return assignment;
}

void FormulaValues::set(const QString &name, const QString &value)
{
    m_values.insert(name.trimmed().toLower(), value);
}

bool FormulaValues::contains(const QString &name) const
{
    return m_values.contains(name.trimmed().toLower());
}

QString FormulaValues::value(const QString &name) const
{
    return m_values.value(name.trimmed().toLower());
}

void FormulaValues::apply(const QStringList &elements)
{
    for (const QString &element : elements) {
        if (const auto assignment = parseFormulaAssignment(element))
            set(assignment->name, assignment->value);
    }
}

} // namespace report
