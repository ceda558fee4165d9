#pragma once

#include "platform/ado/Error.h"

#include <QList>
#include <QString>

struct sqlite3;

namespace ado::sqlite {

// The ADO number of a value the provider cannot convert (DB_E_CANTCONVERTVALUE), with which SQL
// Server's provider reports a text that is no date (native 241).
inline constexpr long AdoCannotConvert = -2147217913;

// The errors SQL Server's provider gives for the fault that SQLite reports with `message`
// (result code `code`) while running `sql`: native number, SQL state, text and ADO number.
// Integrity violations carry the second error "The statement has been terminated." as SQL
// Server sends it.
QList<Error> sqlServerErrors(int code, const QString &message, const QString &sql);

// Throws EngineError with the errors of SQLite's last failure on `db`.
[[noreturn]] void throwSqliteError(sqlite3 *db, const QString &sql);

} // namespace ado::sqlite
