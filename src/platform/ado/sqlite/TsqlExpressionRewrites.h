#pragma once

#include "platform/ado/sqlite/TsqlSyntax.h"

namespace ado::sqlite {

// Rewrites the expressions of a statement, groups included:
// - every additive chain becomes nested tsql_add(a, b) and tsql_sub(a, b) calls, left to right
//   ("a - b + c" -> tsql_add(tsql_sub(a, b), c)), so that + joins texts and a date plus or
//   minus a number moves by days as in SQL Server; *, / and % bind tighter, as in T-SQL;
// - a string literal compared (=, <>, <, >, ...) with an expression that is not a plain column
//   gets COLLATE TSQLCI, and so does an expression tested with IN against string literals:
//   SQLite compares expressions byte by byte, SQL Server by the database's collation. A plain
//   column brings its declared collation itself;
// - every divisor of / and % but NULL or a number written out that is not zero becomes
//   tsql_divisor(divisor, dividend), which refuses a zero (native 8134) where SQLite would give
//   Null, unless the dividend is Null, as SQL Server does.
// Throws EngineError (syntax, native 102) when the calls would nest the statement deeper than
// MaxTsqlNesting.
void rewriteExpressions(TsqlNodes &nodes);

} // namespace ado::sqlite
