#pragma once

#include "platform/runtime/FunctionRef.h"

struct sqlite3;
struct sqlite3_stmt;

namespace ado::sqlite {

// SELECT ... INTO t reaches SQLite as CREATE [TEMP] TABLE t AS SELECT ..., and SQLite declares
// the new columns by their affinity alone: a DATETIME or MONEY column becomes NUM, and its
// values read back as texts and numbers. SQL Server gives them the types of the columns
// selected. When `statement` is such a CREATE, runs it so: the table made with the declared
// types of the query's columns (none for an expression), then filled from the query, whose
// parameters `bind` binds; both or neither. Returns false, running nothing, for any other
// statement. Throws EngineError.
bool createTableAsSelected(sqlite3 *db, sqlite3_stmt *statement, rt::FunctionRef<void(sqlite3_stmt *)> bind);

} // namespace ado::sqlite
