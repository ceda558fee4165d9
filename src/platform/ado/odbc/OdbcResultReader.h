#pragma once

#include "platform/ado/Engine.h"
#include "platform/ado/odbc/OdbcHandle.h"

namespace ado::odbc {

// Describes the columns of the statement's current result (names, ADO types, sizes, base
// table) and fetches every row of it. Throws EngineError.
ResultSet fetchResultSet(const OdbcHandle &statement, SQLSMALLINT columnCount);

} // namespace ado::odbc
