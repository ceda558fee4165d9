#pragma once

#include "platform/ado/Engine.h"
#include "platform/ado/Error.h"
#include "platform/ado/odbc/OdbcHandle.h"

#include <QList>
#include <QString>

namespace ado::odbc {

// One diagnostic record as the program's Errors collection shows it: the ADO run-time number for
// its SQLSTATE, the component prefixes ("[unixODBC][FreeTDS]...") moved from the message to
// Source, a lost connection (08S01, 08003, 08007) with native error 11 and the driver's own
// native error kept in the description, a truncation (22001) with native error 8152.
Error adoError(const QString &sqlState, long nativeError, const QString &message);

// The diagnostic records of a handle, first one first.
QList<Error> diagnostics(const OdbcHandle &handle);

// Throws EngineError with the handle's diagnostics (a generic failure when there are none).
[[noreturn]] void throwDiagnostics(const OdbcHandle &handle);

// A failure of this engine itself (no driver involved), as ADO's E_FAIL.
EngineError engineFailure(const QString &description);

// Passes SQL_SUCCESS, SQL_SUCCESS_WITH_INFO and SQL_NO_DATA back; on SQL_SUCCESS_WITH_INFO
// appends the handle's diagnostics to *warnings when given. Throws EngineError otherwise.
SQLRETURN check(SQLRETURN rc, const OdbcHandle &handle, QList<Error> *warnings = nullptr);

} // namespace ado::odbc
