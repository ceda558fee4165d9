#pragma once

struct sqlite3;

namespace ado::sqlite {

// Registers the functions that decide by the values' types as SQL Server does, each over any
// number of operands left to right: tsql_add (text joins text, numbers add, a date plus a number
// adds days, Null gives Null), tsql_sum (the same, its last argument the text of the + and -
// between the operands: a date minus a number goes back days), tsql_mul (numbers multiply);
// tsql_convert (CONVERT and CAST with the date styles the program uses), round, ceiling and
// floor. Throws EngineError when SQLite refuses one.
void registerTsqlConvertFunctions(sqlite3 *db);

} // namespace ado::sqlite
