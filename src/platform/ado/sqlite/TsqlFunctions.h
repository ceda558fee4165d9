#pragma once

struct sqlite3;

namespace ado::sqlite {

// Registers on a SQLite handle the collation TSQLCI (letter case and trailing blanks ignored,
// as SQL Server compares text) and the SQL Server functions the translated text calls
// (tsql_add, getdate, isnull, len, charindex, convert, left, right, space, str, year, month,
// day, datediff, dateadd, ...). Throws EngineError when SQLite refuses one.
void registerTsqlFunctions(sqlite3 *db);

} // namespace ado::sqlite
