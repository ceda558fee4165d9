#include "platform/ado/odbc/OdbcTypes.h"

#include "platform/ado/Engine.h"

#include <sqlext.h>

#include <QRegularExpression>

#include <climits>

namespace ado::odbc {

namespace {

enum class DecimalName { None, Money, Decimal };

DecimalName decimalName(const QString &typeName)
{
    static const QRegularExpression named(QStringLiteral("^\\s*(small)?(money)\\b|^\\s*(decimal|numeric)\\b"),
                                          QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = named.match(typeName);
    if (!match.hasMatch())
        return DecimalName::None;
    return match.captured(2).isEmpty() ? DecimalName::Decimal : DecimalName::Money;
}

bool looksLikeMoney(const SqlColumnType &column)
{
    return column.decimalDigits == 4 && (column.size == 19 || column.size == 10);
}

// Types that do not depend on size or scale.
int simpleAdoType(SQLSMALLINT sqlType)
{
    switch (sqlType) {
    case SQL_INTEGER:
        return adInteger;
    case SQL_SMALLINT:
        return adSmallInt;
    case SQL_TINYINT:
        return adTinyInt;
    case SQL_BIGINT:
        return adBigInt;
    case SQL_BIT:
        return adBoolean;
    case SQL_REAL:
        return adSingle;
    case SQL_FLOAT:
    case SQL_DOUBLE:
        return adDouble;
    case SQL_TYPE_DATE:
    case SQL_DATE:
        return adDBDate;
    case SQL_TYPE_TIMESTAMP:
    case SQL_TIMESTAMP:
    case SQL_TYPE_TIME:
    case SQL_TIME:
        return adDBTimeStamp;
    case SQL_CHAR:
        return adChar;
    case SQL_VARCHAR:
        return adVarChar;
    case SQL_LONGVARCHAR:
        return adLongVarChar;
    case SQL_WCHAR:
        return adWChar;
    case SQL_WVARCHAR:
        return adVarWChar;
    case SQL_WLONGVARCHAR:
        return adLongVarWChar;
    case SQL_BINARY:
        return adBinary;
    case SQL_VARBINARY:
        return adVarBinary;
    case SQL_LONGVARBINARY:
        return adLongVarBinary;
    default:
        return adVarWChar;
    }
}

bool isCharacterType(SQLSMALLINT sqlType)
{
    switch (sqlType) {
    case SQL_CHAR:
    case SQL_VARCHAR:
    case SQL_LONGVARCHAR:
    case SQL_WCHAR:
    case SQL_WVARCHAR:
    case SQL_WLONGVARCHAR:
        return true;
    default:
        return false;
    }
}

} // namespace

int adoType(const SqlColumnType &column)
{
    const DecimalName name = decimalName(column.typeName);
    const bool decimal = column.sqlType == SQL_DECIMAL || column.sqlType == SQL_NUMERIC;
    if (decimal && name == DecimalName::None)
        return looksLikeMoney(column) ? adCurrency : adNumeric;
    if (decimal || (isCharacterType(column.sqlType) && name != DecimalName::None))
        return name == DecimalName::Money ? adCurrency : adNumeric;
    return simpleAdoType(column.sqlType);
}

ValueKind valueKind(int type)
{
    switch (type) {
    case adInteger:
    case adSmallInt:
    case adTinyInt:
    case adBigInt:
        return ValueKind::Integer;
    case adBoolean:
        return ValueKind::Boolean;
    case adSingle:
    case adDouble:
        return ValueKind::Double;
    case adCurrency:
        return ValueKind::Currency;
    case adNumeric:
        return ValueKind::Decimal;
    case adDBDate:
    case adDBTimeStamp:
        return ValueKind::DateTime;
    case adBinary:
    case adVarBinary:
    case adLongVarBinary:
        return ValueKind::Binary;
    default:
        return ValueKind::Text;
    }
}

long adoDefinedSize(int type, SQLULEN size)
{
    switch (type) {
    case adTinyInt:
        return 1;
    case adSmallInt:
    case adBoolean:
        return 2;
    case adInteger:
    case adSingle:
        return 4;
    case adBigInt:
    case adDouble:
    case adCurrency:
        return 8;
    case adDBDate:
        return 6;
    case adDBTimeStamp:
        return 16;
    case adNumeric:
        return 19;
    // Texts and binaries without a limit report a size past what ADO's 32-bit size holds.
    default:
        return size > static_cast<SQLULEN>(INT_MAX) ? INT_MAX : static_cast<long>(size);
    }
}

} // namespace ado::odbc
