#include "platform/report/ReportQuery.h"

#include "platform/ado/Connection.h"

namespace report {

rt::Variant ReportRows::value(int row, const QString &columnKey) const
{
    const auto it = m_columns.constFind(columnKey);
    if (it == m_columns.cend() || row < 0 || row >= m_rows.size())
        return rt::Variant::null();
    return m_rows[row][*it];
}

ReportQuery::ReportQuery(const TableResolver &tables, const QList<FieldName> &fields)
    : m_tables(tables)
{
    for (const FieldName &field : fields) {
        const QString formula = QStringLiteral("{%1.%2}").arg(field.table, field.field);
        const QString key = tables.columnKey(field, formula);
        if (m_positions.contains(key))
            continue;
        m_positions.insert(key, int(m_columns.size()));
        m_columns << tables.sqlColumn(field, formula);
    }
}

QString ReportQuery::text(const SqlCondition &where, const QList<SortField> &order) const
{
    QStringList select;
    for (int i = 0; i < m_columns.size(); ++i)
        select << QStringLiteral("%1 AS c%2").arg(m_columns[i]).arg(i);
    if (select.isEmpty())
        select << QStringLiteral("1 AS c0");
    QString text = QStringLiteral("SELECT ") + select.join(QStringLiteral(", ")) + QStringLiteral(" FROM ")
                   + m_tables.fromClause();
    if (!where.isEmpty())
        text += QStringLiteral(" WHERE ") + where.bound();
    QStringList orderBy;
    for (const SortField &sort : order) {
        orderBy << m_tables.sqlColumn(parseFieldReference(sort.field), sort.field)
                       + (sort.descending ? QStringLiteral(" DESC") : QString());
    }
    if (!orderBy.isEmpty())
        text += QStringLiteral(" ORDER BY ") + orderBy.join(QStringLiteral(", "));
    return text;
}

ReportRows ReportQuery::run(ado::Connection &connection, const SqlCondition &where, const QList<SortField> &order) const
{
    ado::Recordset records = connection.Execute(text(where, order));
    ReportRows rows;
    rows.m_columns = m_positions;
    if (records.State() != ado::adStateOpen)
        return rows;
    const long columns = records.FieldCount();
    for (; !records.EOF_(); records.MoveNext()) {
        QList<rt::Variant> row;
        row.reserve(columns);
        for (long i = 0; i < columns; ++i)
            row << records.Fields(i).Value();
        rows.m_rows << row;
    }
    return rows;
}

} // namespace report
