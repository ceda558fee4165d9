#include "platform/report/RowScope.h"

#include "platform/report/ReportError.h"

#include <QScopeGuard>

namespace report {

BodyData::BodyData(const ReportBody &reportBody, ReportRows reportRows, FormulaValues values)
    : body(reportBody)
    , tables(reportBody.tables)
    , rows(std::move(reportRows))
    , formulas(std::move(values))
{
    for (const FormulaSlot &slot : reportBody.computed)
        computed.insert(slot.name.trimmed().toLower(), parseFormula(slot.value));
    for (const RunningSum &sum : reportBody.sums)
        sumFields << (sum.kind == RunningSum::Kind::Sum ? parseFormula(sum.field) : nullptr);
}

rt::Variant RowScope::field(const FieldName &field) const
{
    const QString key = m_data.tables.columnKey(field, QStringLiteral("{%1.%2}").arg(field.table, field.field));
    return m_data.rows.value(m_row, key);
}

rt::Variant RowScope::formula(const QString &name) const
{
    const auto it = m_data.computed.constFind(name.trimmed().toLower());
    if (it == m_data.computed.cend())
        return rt::Variant(m_data.formulas.value(name));
    // More formulas inside one another than the body has can only be one naming itself again.
    if (++m_reading > m_data.computed.size())
        raiseFormulaError(QStringLiteral("la fórmula se nombra a sí misma"), QStringLiteral("{@%1}").arg(name));
    const auto done = qScopeGuard([this] { --m_reading; });
    return *it ? evaluate(**it, *this) : rt::Variant::null();
}

rt::Variant RowScope::sum(const QString &name) const
{
    const auto it = m_sums.constFind(name.toLower());
    if (it == m_sums.cend())
        raiseFormulaError(QStringLiteral("el reporte no define el total"), QStringLiteral("{#%1}").arg(name));
    return *it;
}

} // namespace report
