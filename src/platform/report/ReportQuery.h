#pragma once

#include "platform/report/ReportDefinition.h"
#include "platform/report/SqlCondition.h"
#include "platform/report/TableResolver.h"
#include "platform/runtime/Variant.h"

#include <QHash>
#include <QList>
#include <QString>

namespace ado {
class Connection;
}

namespace report {

// The rows a report prints, holding the columns its formulas name.
class ReportRows {
public:
    int count() const { return int(m_rows.size()); }
    // The value of a column (a TableResolver key) in a row; Null for a column not read.
    rt::Variant value(int row, const QString &columnKey) const;

private:
    friend class ReportQuery;
    QHash<QString, int> m_columns;
    QList<QList<rt::Variant>> m_rows;
};

// One SELECT over a report's tables and joins that reads the fields its formulas name.
class ReportQuery {
public:
    // Throws rt::RuntimeError err::Formula for a field of a table the report does not have.
    ReportQuery(const TableResolver &tables, const QList<FieldName> &fields);

    // The statement, restricted by `where` and ordered by `order`.
    // Throws rt::RuntimeError err::Formula for an order field of an unknown table.
    QString text(const SqlCondition &where, const QList<SortField> &order) const;

    // Runs the statement on the connection and keeps every row. Throws the connection's
    // rt::RuntimeError when the database refuses it.
    ReportRows run(ado::Connection &connection, const SqlCondition &where, const QList<SortField> &order) const;

private:
    const TableResolver &m_tables;
    QStringList m_columns; // as SQL
    QHash<QString, int> m_positions; // column key -> position
};

} // namespace report
