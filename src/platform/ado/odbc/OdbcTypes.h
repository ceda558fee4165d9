#pragma once

#include <QString>
#include <sql.h>

namespace ado::odbc {

// How a column's values are read from the driver.
enum class ValueKind { Integer, Boolean, Double, Currency, Decimal, DateTime, Text, Binary };

// An ODBC column description (SQLDescribeCol, or a row of SQLColumns).
struct SqlColumnType {
    SQLSMALLINT sqlType = SQL_UNKNOWN_TYPE;
    SQLULEN size = 0; // characters, bytes or precision
    SQLSMALLINT decimalDigits = 0;
    QString typeName; // the database's own name of the type, when the driver gives it
};

// The ADO type code for the column: integers, bit, floats, dates and times, narrow and wide
// texts, binaries; anything else is read as wide text. Decimals are adCurrency when the type is
// named MONEY or SMALLMONEY (without a name: scale 4 and precision 19 or 10), else adNumeric.
// A text column whose type is named MONEY, SMALLMONEY, DECIMAL or NUMERIC is taken as that
// type: the SQLite driver describes such columns as text.
int adoType(const SqlColumnType &column);

// How values of a column with that ADO type are read.
ValueKind valueKind(int adoType);

// ADO's DefinedSize: the declared length of texts and binaries, the storage size of the rest.
long adoDefinedSize(int adoType, SQLULEN size);

} // namespace ado::odbc
