#include "platform/ado/sqlite/SqliteResult.h"

#include "platform/ado/sqlite/SqliteErrors.h"
#include "platform/ado/sqlite/SqliteTypes.h"

#include <sqlite3.h>

namespace ado::sqlite {

namespace {

QString utf8(const char *text)
{
    return text ? QString::fromUtf8(text) : QString();
}

// Every result brings the same few declared types again: each is worked out once.
AdoType declaredType(const char *declared)
{
    thread_local QHash<QByteArray, AdoType> known;
    const QByteArray key(declared ? declared : "");
    const auto found = known.constFind(key);
    if (found != known.constEnd())
        return *found;
    return *known.insert(key, adoTypeOfDeclared(QString::fromUtf8(key)));
}

QList<ColumnInfo> declaredColumns(sqlite3_stmt *statement)
{
    const int count = sqlite3_column_count(statement);
    QList<ColumnInfo> columns;
    columns.reserve(count);
    for (int i = 0; i < count; ++i) {
        const AdoType type = declaredType(sqlite3_column_decltype(statement, i));
        columns.append(ColumnInfo{utf8(sqlite3_column_name(statement, i)), type.type, type.definedSize,
                                  utf8(sqlite3_column_table_name(statement, i))});
    }
    return columns;
}

// The length in characters (UTF-16 units) of a text the engine gives in UTF-8.
long textLength(sqlite3_stmt *statement, int column)
{
    const auto *text = sqlite3_column_text(statement, column);
    const int bytes = sqlite3_column_bytes(statement, column);
    long length = 0;
    for (int i = 0; i < bytes; ++i) {
        if ((text[i] & 0xC0) != 0x80)
            ++length;
        if (text[i] >= 0xF0)
            ++length; // beyond the basic plane: two units
    }
    return length;
}

// A text of a column read as text is kept as the engine gives it, and decoded only when read; a
// Null is a Null in a column of any type.
void storeValue(RowStore &rows, sqlite3_stmt *statement, int column, int adoType)
{
    const int storage = sqlite3_column_type(statement, column);
    if (storage == SQLITE_NULL) {
        rows.appendNull();
        return;
    }
    if (storage == SQLITE_TEXT && adoType != adDBTimeStamp && adoType != adCurrency) {
        rows.appendUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, column)),
                        sqlite3_column_bytes(statement, column));
        return;
    }
    rows.appendValue(readValue(statement, column, adoType));
}

} // namespace

const QList<ColumnInfo> &DeclaredColumns::of(sqlite3_stmt *statement)
{
    const int compilations = sqlite3_stmt_status(statement, SQLITE_STMTSTATUS_REPREPARE, 0);
    const auto found = m_known.constFind(statement);
    if (found != m_known.constEnd() && found->compilations == compilations)
        return found->columns;
    return m_known.insert(statement, Known{compilations, declaredColumns(statement)})->columns;
}

ResultSet readResult(sqlite3 *db, sqlite3_stmt *statement, const QString &sql, DeclaredColumns &declared)
{
    // Columns are read after the first step: a cached statement that SQLite compiled again
    // after a schema change only tells its new columns then.
    int rc = sqlite3_step(statement);
    ResultSet result;
    result.columns = declared.of(statement);
    const int count = static_cast<int>(result.columns.size());
    QList<int> untyped;
    for (int i = 0; i < count; ++i) {
        if (result.columns.at(i).type == adEmpty)
            untyped.append(i);
    }
    // The size of an expression's text column is the longest text it gave.
    QList<int> measured;
    for (; rc == SQLITE_ROW; rc = sqlite3_step(statement)) {
        for (qsizetype i = 0; i < untyped.size();) {
            const int column = untyped.at(i);
            const AdoType type = adoTypeOfValue(statement, column);
            if (type.type == adEmpty) {
                ++i;
                continue;
            }
            result.columns[column].type = type.type;
            result.columns[column].definedSize = type.definedSize;
            if (type.definedSize == 0) {
                measured.append(column);
                result.columns[column].definedSize = 1;
            }
            untyped.removeAt(i);
        }
        for (const int column : std::as_const(measured)) {
            if (sqlite3_column_type(statement, column) == SQLITE_TEXT) {
                long &longest = result.columns[column].definedSize;
                longest = std::max(longest, textLength(statement, column));
            }
        }
        result.rows.beginRow();
        for (int i = 0; i < count; ++i)
            storeValue(result.rows, statement, i, result.columns.at(i).type);
        result.rows.endRow();
    }
    if (rc != SQLITE_DONE)
        throwSqliteError(db, sql);
    // A column that only held Nulls has no type to learn; text is the provider's choice too.
    for (const int column : std::as_const(untyped))
        result.columns[column].type = adVarWChar;
    return result;
}

} // namespace ado::sqlite
