#pragma once

#include "platform/ado/sqlite/TsqlSyntax.h"

namespace ado::sqlite {

// Rewrites the expressions of a statement, groups included:
// - every additive chain becomes one flat call evaluated left to right, tsql_add(a, b, c) when
//   every operator is a +, else tsql_sum(a, b, c, '-+'), so that + joins texts and a date plus
//   or minus a number moves by days as in SQL Server; *, / and % bind tighter, as in T-SQL, and
//   a term of factors joined by * alone becomes tsql_mul(a, b, c). A chain longer than one call
//   takes goes on in a call whose first operand is the one before;
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
