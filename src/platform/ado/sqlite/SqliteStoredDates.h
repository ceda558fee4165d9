#pragma once

namespace ado::sqlite {

class SqliteHandle;

// SQLite stores in a date column whatever it is given, and a text of digits as a number
// ('20240331' becomes 20240331); SQL Server converts every value that a datetime column
// receives and refuses one that is no date. Here each table's date columns are watched on the
// connection: a row inserted, or updated in one of them, with a value that is not already Null,
// a blank text or a date in the stored form has that value rewritten by tsql_storeddate, which
// reads it as a date or fails the statement (241), leaving nothing of it changed. Tables made
// after the call are not watched. Throws EngineError.
void watchStoredDates(SqliteHandle &handle);

} // namespace ado::sqlite
