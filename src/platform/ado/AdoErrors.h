#pragma once

#include "platform/ado/Error.h"

#include <QString>

namespace ado {

// What the SQL Server provider writes in Error::Source.
inline const QString SqlServerSource = QStringLiteral("Microsoft OLE DB Provider for SQL Server");

// Throws rt::RuntimeError with one of ADO's own numbers (3021, 3219, 3251, 3265, 3704, 3705,
// 3706, 3709) and the text ADO gives it; `source` is the object that raised it.
[[noreturn]] void raiseAdoError(long number, const QString &source);

// A provider error as a provider reports it.
Error providerError(long number, long nativeError, const QString &sqlState, const QString &description,
                    const QString &source = SqlServerSource);

} // namespace ado
