#pragma once

#include "platform/report/Expression.h"
#include "platform/report/ReportDefinition.h"

#include <QList>
#include <QString>

namespace report {

// Reads "{TABLE.FIELD}" as a report definition writes a field.
// Throws rt::RuntimeError err::Formula when the text is not one field in braces.
FieldName parseFieldReference(const QString &text);

// Finds the tables of a report that formulas name, by alias or by table name, in any letter case,
// and writes their columns as SQL.
class TableResolver {
public:
    explicit TableResolver(const QList<TableRef> &tables);

    // The position of the table in the report's list, -1 when the report has no such table.
    int indexOf(const QString &table) const;

    // The same column always gives the same key, however the formula wrote it.
    // Throws rt::RuntimeError err::Formula for a table the report does not have.
    QString columnKey(const FieldName &name, const QString &formula) const;

    // The column as SQL: alias, a point and the field ("COB.TotalCobrado", "MV.[NUMERO ASIENTO]").
    // Throws rt::RuntimeError err::Formula for a table the report does not have.
    QString sqlColumn(const FieldName &name, const QString &formula) const;

    // The FROM clause with its joins. Throws rt::RuntimeError err::Formula for a join that names
    // a table the report does not have.
    QString fromClause() const;

    // A name as SQL: as it is when it is a plain identifier, otherwise between brackets.
    static QString sqlName(const QString &name);

private:
    int require(const FieldName &name, const QString &formula) const;

    QList<TableRef> m_tables;
};

} // namespace report
