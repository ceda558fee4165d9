#pragma once

#include "platform/ado/sqlite/TsqlSyntax.h"

namespace ado::sqlite {

// Rewrites the clauses of one statement that SQLite writes otherwise:
// - SELECT [DISTINCT] TOP n ... -> SELECT ... LIMIT n at the end of the same SELECT, in
//   subqueries too; a limited member of a UNION becomes a subquery of its own;
// - SELECT ... INTO t FROM ... -> CREATE [TEMP] TABLE t AS SELECT ... FROM ...;
// - DELETE t WHERE ... gets its FROM; DELETE a FROM t a JOIN ... WHERE ... deletes the rows
//   of t that the join selects; TRUNCATE TABLE t -> DELETE FROM t;
// - CREATE TABLE #t -> a temporary table; text columns of CREATE TABLE and ALTER TABLE ADD
//   without a collation get COLLATE TSQLCI, as SQL Server gives them the database's.
// Throws EngineError (syntax) on TOP without a row count, TOP ... PERCENT or WITH TIES.
void rewriteClauses(TsqlNodes &statement);

} // namespace ado::sqlite
