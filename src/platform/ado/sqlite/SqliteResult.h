#pragma once

#include "platform/ado/Engine.h"

#include <QHash>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;

namespace ado::sqlite {

// The declared columns (names, types, tables) of prepared statements, worked out once for each
// compiled form of each statement: a statement run again for every row of a long run brings the
// same columns, unless SQLite compiled it again after a change of the schema. The statements'
// owner clears it before it finalises them.
class DeclaredColumns {
public:
    // The columns of a statement that has been stepped once (SQLite tells a statement compiled
    // again its new columns only then).
    const QList<ColumnInfo> &of(sqlite3_stmt *statement);
    void clear() { m_known.clear(); }

private:
    struct Known {
        int compilations = 0; // SQLite's count of the statement's compilations after the first
        QList<ColumnInfo> columns;
    };
    QHash<sqlite3_stmt *, Known> m_known;
};

// Steps a statement that returns rows to its end and keeps every row, each column typed as
// SQL Server's provider types it: by its declared type, else by its first value that is not
// Null. Throws EngineError when a step fails.
ResultSet readResult(sqlite3 *db, sqlite3_stmt *statement, const QString &sql, DeclaredColumns &declared);

} // namespace ado::sqlite
