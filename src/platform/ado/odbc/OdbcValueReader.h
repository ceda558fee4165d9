#pragma once

#include "platform/ado/odbc/OdbcHandle.h"
#include "platform/ado/odbc/OdbcTypes.h"
#include "platform/runtime/Variant.h"

namespace ado::odbc {

// Reads the value of one column of the current row with SQLGetData, as the program's Variant:
// Null for SQL_NULL_DATA; integers as Integer or Long (Double past 32 bits); money as an exact
// Currency; dates as Date; texts and binaries piece by piece, whatever their length.
// Throws EngineError when the driver cannot convert the value.
rt::Variant readValue(const OdbcHandle &statement, SQLUSMALLINT column, int adoType, SQLSMALLINT sqlType);

// A decimal text as money ("-12.3456", "7", "0.5"); text that is not a plain decimal goes
// through Double, as CCur would take it.
rt::Currency currencyFromText(const QString &text);

} // namespace ado::odbc
