#pragma once

#include "platform/ado/Engine.h"
#include "platform/ado/odbc/OdbcDriverInfo.h"
#include "platform/ado/odbc/OdbcHandle.h"

#include <QStringList>

namespace ado::odbc {

// Where a schema rowset is read.
struct SchemaSource {
    const OdbcHandle &connection;
    const OdbcDriverInfo &driver;
    QString catalog; // named in the rows of a driver without catalogues (the default database)
};

// ADO's TABLES rowset (schema 20) from SQLTables: TABLE_CATALOG, TABLE_SCHEMA, TABLE_NAME,
// TABLE_TYPE, TABLE_GUID, DESCRIPTION. Restrictions: catalog, schema, table, table type; an
// empty or missing one matches anything, names are compared whole, ignoring case. SQLite's own
// tables are left out. Throws EngineError.
ResultSet tablesRowset(const SchemaSource &source, const QStringList &restrictions);

// ADO's COLUMNS rowset (schema 4) from SQLColumns: TABLE_CATALOG, TABLE_SCHEMA, TABLE_NAME,
// COLUMN_NAME, ORDINAL_POSITION, COLUMN_HASDEFAULT, COLUMN_DEFAULT, IS_NULLABLE, DATA_TYPE (an
// ADO type code), CHARACTER_MAXIMUM_LENGTH (texts and binaries only). Restrictions: catalog,
// schema, table, column. Throws EngineError.
ResultSet columnsRowset(const SchemaSource &source, const QStringList &restrictions);

} // namespace ado::odbc
