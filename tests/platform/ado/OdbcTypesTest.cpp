#include "platform/ado/odbc/OdbcTypes.h"
#include "platform/ado/Engine.h"
#include "platform/ado/odbc/OdbcValueReader.h"

#include <sqlext.h>

#include <gtest/gtest.h>

namespace {

using ado::odbc::SqlColumnType;

struct TypeCase {
    const char *name;
    SQLSMALLINT sqlType;
    SQLULEN size;
    SQLSMALLINT digits;
    const char *typeName;
    int adoType;
    long definedSize;
};

// Listed and reported by its name.
void PrintTo(const TypeCase &c, std::ostream *os)
{
    *os << c.name;
}

class OdbcTypeMapping : public ::testing::TestWithParam<TypeCase> { };

TEST_P(OdbcTypeMapping, GivesAdoTypeAndSize)
{
    const TypeCase &c = GetParam();
    const SqlColumnType column{c.sqlType, c.size, c.digits, QString::fromLatin1(c.typeName)};
    const int type = ado::odbc::adoType(column);
    EXPECT_EQ(type, c.adoType);
    EXPECT_EQ(ado::odbc::adoDefinedSize(type, c.size), c.definedSize);
}

const TypeCase typeCases[] = {
    {"Int", SQL_INTEGER, 10, 0, "int", ado::adInteger, 4},
    {"SmallInt", SQL_SMALLINT, 5, 0, "smallint", ado::adSmallInt, 2},
    {"BigInt", SQL_BIGINT, 19, 0, "bigint", ado::adBigInt, 8},
    {"Bit", SQL_BIT, 1, 0, "bit", ado::adBoolean, 2},
    {"Float", SQL_FLOAT, 53, 0, "float", ado::adDouble, 8},
    {"Double", SQL_DOUBLE, 15, 0, "", ado::adDouble, 8},
    {"VarChar", SQL_VARCHAR, 50, 0, "varchar", ado::adVarChar, 50},
    {"NVarChar", SQL_WVARCHAR, 40, 0, "nvarchar", ado::adVarWChar, 40},
    {"Char", SQL_CHAR, 3, 0, "char", ado::adChar, 3},
    {"Text", SQL_LONGVARCHAR, 2147483647, 0, "text", ado::adLongVarChar, 2147483647},
    {"VarCharMaxBeyond32Bits", SQL_WLONGVARCHAR, SQLULEN(1) << 40, 0, "", ado::adLongVarWChar, 2147483647},
    {"DateTime", SQL_TYPE_TIMESTAMP, 23, 3, "datetime", ado::adDBTimeStamp, 16},
    {"Date", SQL_TYPE_DATE, 10, 0, "date", ado::adDBDate, 6},
    {"VarBinary", SQL_VARBINARY, 16, 0, "varbinary", ado::adVarBinary, 16},
    {"Image", SQL_LONGVARBINARY, 2147483647, 0, "image", ado::adLongVarBinary, 2147483647},
    {"MoneyByName", SQL_DECIMAL, 19, 4, "money", ado::adCurrency, 8},
    {"SmallMoneyByName", SQL_DECIMAL, 10, 4, "smallmoney", ado::adCurrency, 8},
    {"DecimalNamedIsNumericEvenAt19And4", SQL_DECIMAL, 19, 4, "decimal", ado::adNumeric, 19},
    {"UnnamedDecimal19And4IsMoney", SQL_DECIMAL, 19, 4, "", ado::adCurrency, 8},
    {"UnnamedNumeric18And2", SQL_NUMERIC, 18, 2, "", ado::adNumeric, 19},
    {"TextColumnDeclaredMoney", SQL_VARCHAR, 255, 0, "MONEY", ado::adCurrency, 8},
    {"TextColumnDeclaredDecimal", SQL_VARCHAR, 19, 0, "decimal(19,4)", ado::adNumeric, 19},
    {"TextColumnNamedMoneyBag", SQL_VARCHAR, 10, 0, "moneybag", ado::adVarChar, 10},
    {"UnknownTypeReadsAsText", SQL_GUID, 36, 0, "uniqueidentifier", ado::adVarWChar, 36},
};

INSTANTIATE_TEST_SUITE_P(Cases, OdbcTypeMapping, ::testing::ValuesIn(typeCases),
                         [](const auto &testCase) { return std::string(testCase.param.name); });

TEST(OdbcCurrencyText, ReadsDecimalTextExactly)
{
    const std::pair<const char *, qint64> cases[] = {
        {"12.3456", 123456},
        {"-0.5", -5000},
        {"7", 70000},
        {" 1234.50 ", 12345000},
        {".25", 2500},
        {"+3.1", 31000},
        {"922337203685477.5807", 9223372036854775807LL},
        {"1.5E2", 1500000},
        {"0.00016", 2},
    };
    for (const auto &[text, raw] : cases)
        EXPECT_EQ(ado::odbc::currencyFromText(QString::fromLatin1(text)).raw(), raw) << text;
}

} // namespace
