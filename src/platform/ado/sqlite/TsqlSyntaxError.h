#pragma once

#include <QString>

namespace ado::sqlite {

// Throws EngineError as SQL Server reports a statement it cannot parse: ADO number
// -2147217900, native error 102, SQL state 42000, "Incorrect syntax near '<near>'.".
[[noreturn]] void throwTsqlSyntaxError(const QString &near);

// Throws EngineError as a syntax error (native 102) with SQL Server's words for a statement
// nested too deeply.
[[noreturn]] void throwTsqlNestingError();

} // namespace ado::sqlite
