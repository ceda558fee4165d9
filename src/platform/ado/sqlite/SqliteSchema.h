#pragma once

#include "platform/ado/Engine.h"
#include "platform/ado/sqlite/TsqlDateTexts.h"
#include "platform/ado/sqlite/TsqlKeyColumns.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

struct sqlite3;
struct sqlite3_stmt;

namespace ado::sqlite {

// Schema rowset 20: one row per table and view (TABLE_CATALOG, TABLE_SCHEMA "dbo", TABLE_NAME,
// TABLE_TYPE "TABLE" or "VIEW", ...), restricted by catalog, schema, name and type (empty: any;
// compared without regard to case). Throws EngineError.
ResultSet tablesRowset(sqlite3 *db, const QString &catalog, const QStringList &restrictions);

// Schema rowset 4: one row per column of those tables and views (TABLE_NAME, COLUMN_NAME,
// ORDINAL_POSITION, IS_NULLABLE, DATA_TYPE as an ADO code, CHARACTER_MAXIMUM_LENGTH, ...),
// restricted by catalog, schema, table and column. Throws EngineError.
ResultSet columnsRowset(sqlite3 *db, const QString &catalog, const QStringList &restrictions);

// The key columns of the database's tables and views: each column named after a concatenation
// of other columns of its own table or view ("A+B+C"). Throws EngineError.
KeyColumns keyColumnsOf(sqlite3 *db);

// The columns that hold dates (declared DATETIME, DATE...): their names, wherever a table or
// view of the database or of the connection's temporary ones declares them and no other
// declares them otherwise, and which of the columns of each table or view an INSERT without a
// column list fills are such. Throws EngineError.
DateColumns dateColumnsOf(sqlite3 *db);

// A table of the database or of the connection's temporary ones, with its date columns.
struct DateTable {
    QString schema; // "main" or "temp"
    QString name; // as written
    QStringList columns; // as written
};

// The tables (those with row ids), the connection's temporary ones among them, that hold date
// columns; columns computed by the table are left out. Throws EngineError.
QList<DateTable> storedDateColumnsOf(sqlite3 *db);

// The names, upper-cased, that the conditions of the database's partial indexes hold
// (CREATE INDEX ... WHERE SECUENCIA = 1), their keywords among them. Throws EngineError.
QSet<QString> partialIndexColumnsOf(sqlite3 *db);

// SQLite stores a view as written and resolves its names only when the view is used; SQL Server
// refuses at once a view that names a column or table that does not exist. When `statement` is
// a CREATE VIEW, compiles its query alone and throws EngineError (207, 208...) as that fails;
// does nothing for any other statement.
void refuseViewOfUnknownNames(sqlite3 *db, sqlite3_stmt *statement);

} // namespace ado::sqlite
