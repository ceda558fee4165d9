#include "platform/report/RowScope.h"

#include "platform/report/ReportError.h"

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
    if (it != m_data.computed.cend())
        return *it ? evaluate(**it, *this) : rt::Variant::null();
    return rt::Variant(m_data.formulas.value(name));
}

rt::Variant RowScope::sum(const QString &name) const
{
    const auto it = m_sums.constFind(name.toLower());
    if (it == m_sums.cend())
        raiseFormulaError(QStringLiteral("el reporte no define el total"), QStringLiteral("{#%1}").arg(name));
    return *it;
}

} // namespace report
