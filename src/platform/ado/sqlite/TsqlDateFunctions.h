#pragma once

struct sqlite3;

namespace ado::sqlite {

// Registers SQL Server's date functions over the stored date text: getdate, year, month, day,
// datepart, datediff (boundaries crossed, as SQL Server counts) and dateadd (the part as a
// string: 'day', 'dd', 'month', ...), tsql_datetext (a text read as a date where it meets a
// date column), tsql_storeddate (a value written into a date column, number or text, read as a
// date), tsql_storeddates (whether values are what a date column holds) and tsql_founddate (a
// number found in a date column read as a date). Throws EngineError when SQLite refuses one.
void registerTsqlDateFunctions(sqlite3 *db);

} // namespace ado::sqlite
