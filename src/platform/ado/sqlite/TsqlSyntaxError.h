#pragma once

#include "platform/ado/Error.h"

#include <QString>

namespace ado::sqlite {

// Throws EngineError as SQL Server reports a statement it cannot parse: ADO number
// -2147217900, native error 102, SQL state 42000, "Incorrect syntax near '<near>'.".
[[noreturn]] void throwTsqlSyntaxError(const QString &near);

// A syntax error (native 102) with SQL Server's words for a statement nested too deeply.
Error tsqlNestingError();
// Throws EngineError with tsqlNestingError().
[[noreturn]] void throwTsqlNestingError();

} // namespace ado::sqlite
