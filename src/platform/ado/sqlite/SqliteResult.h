#pragma once

#include "platform/ado/Engine.h"

#include <QString>

struct sqlite3;
struct sqlite3_stmt;

namespace ado::sqlite {

// Steps a statement that returns rows to its end and keeps every row, each column typed as
// SQL Server's provider types it: by its declared type, else by its first value that is not
// Null. Throws EngineError when a step fails.
ResultSet readResult(sqlite3 *db, sqlite3_stmt *statement, const QString &sql);

} // namespace ado::sqlite
