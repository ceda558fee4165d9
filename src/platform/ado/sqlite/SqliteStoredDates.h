#pragma once

namespace ado::sqlite {

class SqliteHandle;

// SQLite stores in a date column whatever it is given, and a text of digits as a number
// ('20240331' becomes 20240331); SQL Server converts every value that a datetime column
// receives and refuses one that is no date. Here each table's date columns are watched on the
// connection, its temporary tables' among them: a row inserted, or updated in one of them, with a
// value that is not already Null, a blank text or a date of datetime's range in the stored form
// has that value rewritten by tsql_storeddate, which reads it as a date or fails the statement
// (241), leaving nothing of it changed. Called again after the schema changed, it watches the
// tables as they are then. Throws EngineError.
void watchStoredDates(SqliteHandle &handle);

// Numbers that an earlier version of the program left in date columns, rewritten in the stored
// form as tsql_storeddate reads them (45365 is 2024-03-16), so that every reading of the column
// (comparisons, order, conversions, the rows read back) takes them as the dates they are; a
// number that is no date stays. Each table is read for them (a whole scan where no index leads
// with a date column); only a table that holds any is written. A file opened read-only, or that
// another program holds for writing at the moment (the caller decides how long to wait for it),
// keeps them until a later connection. Throws EngineError only when an undone rewrite cannot be
// rolled back.
void storeFoundNumbersAsDates(SqliteHandle &handle);

} // namespace ado::sqlite
