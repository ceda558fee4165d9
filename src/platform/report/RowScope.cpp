#include "platform/report/RowScope.h"

#include "platform/report/ReportError.h"

namespace report {

rt::Variant RowScope::field(const FieldName &field) const
{
    const QString key = m_data.tables.columnKey(field, QStringLiteral("{%1.%2}").arg(field.table, field.field));
    return m_data.rows.value(m_row, key);
}

rt::Variant RowScope::formula(const QString &name) const
{
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
