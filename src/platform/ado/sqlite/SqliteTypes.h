#pragma once

#include "platform/runtime/Variant.h"

#include <QString>

struct sqlite3_stmt;

namespace ado::sqlite {

// The ADO type and defined size of a declared column type ("DATETIME", "TEXT(50)", "MONEY").
struct AdoType {
    int type = 0; // a DataType code; 0 (adEmpty) when nothing was declared
    long definedSize = 0;
};

// Maps a declared SQLite column type as SQL Server's provider types the same column:
// DATETIME/DATE/SMALLDATETIME → adDBTimeStamp, MONEY/SMALLMONEY → adCurrency, INT → adInteger,
// BIT → adBoolean, FLOAT/REAL → adDouble, DECIMAL/NUMERIC → adNumeric, TEXT(n)/NVARCHAR(n) →
// adVarWChar of size n, TEXT → adLongVarWChar, BLOB → adLongVarBinary...
AdoType adoTypeOfDeclared(const QString &declared);

// The type of an expression column, from its first value that is not Null.
AdoType adoTypeOfValue(sqlite3_stmt *statement, int column);

// One value of the current row, as a value of a column of the given ADO type: dates from their
// ISO text, currency from numbers, bits as Booleans; anything else by its stored kind.
rt::Variant readValue(sqlite3_stmt *statement, int column, int adoType);

// Binds a value as the engine stores it: dates as ISO text 'yyyy-mm-dd hh:mm:ss', Booleans as
// 0/1, currency as a number. Returns SQLite's result code.
int bindValue(sqlite3_stmt *statement, int parameter, const rt::Variant &value);

// 'yyyy-mm-dd hh:mm:ss', the form dates are stored in.
QString isoText(const rt::DateTime &value);
// Reads 'yyyy-mm-dd[ hh:mm[:ss[.fff]]]' (a 'T' may stand for the blank); false when the text is
// not such a date.
bool parseIsoDate(const char *text, int length, rt::DateTime &value);

} // namespace ado::sqlite
