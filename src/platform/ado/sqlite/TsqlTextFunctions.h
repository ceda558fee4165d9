#pragma once

struct sqlite3;

namespace ado::sqlite {

// Registers SQL Server's text functions: len (trailing blanks not counted), charindex,
// tsql_left and tsql_right (LEFT and RIGHT, renamed by the translator), space, replicate,
// substring, upper, lower, replace (letter case ignored), str and isnumeric. Throws EngineError
// when SQLite refuses one.
void registerTsqlTextFunctions(sqlite3 *db);

} // namespace ado::sqlite
