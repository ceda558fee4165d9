// SQL Server's functions as the embedded engine answers them, each called through the translator.
#include "AdoFixture.h"
#include "TsqlFixture.h"

#include "platform/ado/sqlite/SqliteHandle.h"
#include "platform/ado/sqlite/TsqlCollation.h"
#include "platform/ado/sqlite/TsqlFunctionSupport.h"

#include <QRegularExpression>
#include <bit>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <iomanip>
#include <limits>
#include <random>
#include <sqlite3.h>

namespace {

struct FunctionCase {
    const char *expression;
    const char *expected;
};

void PrintTo(const FunctionCase &c, std::ostream *out)
{
    *out << c.expression;
}

class TsqlFunction : public ::testing::TestWithParam<FunctionCase> { };

TEST_P(TsqlFunction, AnswersAsSqlServer)
{
    static TsqlTestDatabase db; // the expressions change nothing
    EXPECT_EQ(db.value(QStringLiteral("SELECT ") + QString::fromUtf8(GetParam().expression)), GetParam().expected);
}

const FunctionCase conversions[] = {
    {"CONVERT(NVARCHAR, '2024-03-05 07:08:09', 103)", "05/03/2024"},
    {"CONVERT(VARCHAR(8), '2024-03-05 07:08:09', 3)", "05/03/24"},
    {"CONVERT(NVARCHAR(8), '2024-03-05 07:08:09', 112)", "20240305"},
    {"CONVERT(NVARCHAR, '2024-03-05 07:08:09', 108)", "07:08:09"},
    {"CONVERT(NVARCHAR, '2024-03-05 07:08:09', 120)", "2024-03-05 07:08:09"},
    {"CONVERT(NVARCHAR, '2024-03-05 17:08:09', 100)", "Mar  5 2024  5:08PM"},
    {"CONVERT(NVARCHAR, 'texto', 103)", "texto"},
    {"CONVERT(VARCHAR(3), 'abcdef')", "abc"},
    {"CONVERT(NVARCHAR, 12) + '|' + CONVERT(NVARCHAR, 12.5)", "12|12.5"},
    {"CAST(5 AS CHAR(3)) + '|'", "5  |"},
    {"CONVERT(DATETIME, '05/03/2024')", "2024-03-05 00:00:00"},
    {"CONVERT(DATETIME, '05/03/2024 14:30', 103)", "2024-03-05 14:30:00"},
    {"CONVERT(DATETIME, '03/05/2024', 101)", "2024-03-05 00:00:00"},
    {"CONVERT(DATETIME, '20240305')", "2024-03-05 00:00:00"},
    {"CAST('2024-03-05 14:30:00' AS DATE)", "2024-03-05 00:00:00"},
    {"CONVERT(DATETIME, '')", "1900-01-01 00:00:00"},
    {"CONVERT(INT, ' 42 ') + 1", "43"},
    {"CONVERT(INT, 4.9)", "4"},
    {"CONVERT(INT, '')", "0"},
    {"CAST('12.5' AS FLOAT)", "12.5"},
    {"CONVERT(NUMERIC(10,2), 2.675)", "2.68"},
    {"CONVERT(decimal(10,2), '-1.005')", "-1.01"},
    {"CONVERT(MONEY, '1,234.5')", "1234.5"},
    {"CONVERT(BIT, 'true') + CONVERT(BIT, 7)", "2"},
    {"CONVERT(NVARCHAR, NULL)", "NULL"},
};
INSTANTIATE_TEST_SUITE_P(Conversions, TsqlFunction, ::testing::ValuesIn(conversions));

const FunctionCase dates[] = {
    {"DATEDIFF(day, '2024-03-31 23:00:00', '2024-04-01 01:00:00')", "1"},
    {"DATEDIFF(dd, '01/04/2024', '31/03/2024')", "-1"},
    {"DATEDIFF(month, '31/01/2024', '01/02/2024')", "1"},
    {"DATEDIFF(yy, '31/12/2023', '01/01/2024')", "1"},
    {"DATEDIFF(hour, '2024-03-31 23:59:00', '2024-04-01 00:01:00')", "1"},
    {"DATEDIFF(minute, '2024-03-31 10:00:59', '2024-03-31 10:01:00')", "1"},
    {"DATEDIFF(week, '2024-03-30', '2024-03-31')", "1"},
    {"DATEDIFF(week, '2024-03-31', '2024-04-06')", "0"},
    {"DATEADD(month, 1, '31/01/2024')", "2024-02-29 00:00:00"},
    {"DATEADD(dd, -1, '01/03/2024')", "2024-02-29 00:00:00"},
    {"DATEADD(yy, 1, '29/02/2024')", "2025-02-28 00:00:00"},
    {"DATEADD(hour, 25, '2024-03-31 00:00:00')", "2024-04-01 01:00:00"},
    {"DATEADD(minute, -1, '2024-01-01 00:00:00')", "2023-12-31 23:59:00"},
    {"DATEADD(day, 30, NULL)", "NULL"},
    {"YEAR('31/03/2024') * 10000 + MONTH('31/03/2024') * 100 + DAY('31/03/2024')", "20240331"},
    {"DATEPART(weekday, '2024-03-31')", "7"},
    {"DATEPART(dw, '2024-04-01')", "1"},
    {"DATEPART(quarter, '2024-08-01')", "3"},
    {"DATEPART(week, '2024-01-08')", "2"},
    {"DATEPART(hh, '2024-01-08 13:45:00')", "13"},
    {"CONVERT(DATETIME, '01/03/2024') - 1", "2024-02-29 00:00:00"},
    {"DBO.FN_SOLO_FECHA('2024-03-05 17:08:09')", "2024-03-05 00:00:00"},
    {"CASE WHEN DBO.FN_SOLO_FECHA('2024-03-05 17:08:09') = '05/03/2024' THEN 1 ELSE 0 END", "1"},
    {"DBO.FN_SOLO_FECHA(NULL)", "NULL"},
};
INSTANTIATE_TEST_SUITE_P(Dates, TsqlFunction, ::testing::ValuesIn(dates));

const FunctionCase texts[] = {
    {"LEFT('abcdef', 3) + RIGHT('abcdef', 2)", "abcef"},
    {"LEFT('ab', 5) + '|' + RIGHT(NULL, 1)", "NULL"},
    {"SUBSTRING('abcdef', 2, 3)", "bcd"},
    {"SUBSTRING('abcdef', 0, 3)", "ab"},
    {"SUBSTRING('abcdef', -1, 2)", ""},
    {"SUBSTRING('abcdef', 5, 10)", "ef"},
    {"SPACE(3) + '|'", "   |"},
    {"REPLICATE('ab', 3)", "ababab"},
    {"REPLICATE('x', -1)", "NULL"},
    {"STR(123.456, 10, 2)", "    123.46"},
    {"STR(3.7)", "         4"},
    {"STR(12345678901)", "**********"},
    {"STR(123.456, 5, 2)", "123.5"},
    {"UPPER('ñandú') + LOWER('ÁRBOL')", "ÑANDÚárbol"},
    {"REPLACE('Abcabc', 'B', 'x')", "Axcaxc"},
    {"LTRIM('  a ') + '|' + RTRIM(' a  ') + '|'", "a | a|"},
    {"ISNUMERIC('12.5') + ISNUMERIC('1,000') + ISNUMERIC(' -3 ') + ISNUMERIC(7)", "4"},
    {"ISNUMERIC('abc') + ISNUMERIC('') + ISNUMERIC(NULL) + ISNUMERIC('1.2.3')", "0"},
    {"CHARINDEX('ñ', 'PIÑA')", "3"},
    {"CHARINDEX('', 'abc') + CHARINDEX('c', 'abc', 0)", "3"},
    {"CHARINDEX('bC', 'ABCabc', 3)", "5"},
    {"CHARINDEX('a', 'ñandú')", "2"},
    {"CHARINDEX('ú', 'ñandú', 5)", "5"},
    {"CHARINDEX('42', 14242) + CHARINDEX('-4', -42)", "3"},
    {"CHARINDEX('abc', 'ab')", "0"},
};
INSTANTIATE_TEST_SUITE_P(Texts, TsqlFunction, ::testing::ValuesIn(texts));

const FunctionCase numbers[] = {
    {"ROUND(2.675, 2)", "2.68"},
    {"ROUND(-2.5, 0)", "-3"},
    {"ROUND(1234, -2)", "1200"},
    {"ROUND(1234, 2)", "1234"},
    {"ROUND(2.679, 2, 1)", "2.67"},
    {"CEILING(1.2) + FLOOR(-1.2)", "0"},
    {"CEILING(5)", "5"},
    {"ABS(-3)", "3"},
};
INSTANTIATE_TEST_SUITE_P(Numbers, TsqlFunction, ::testing::ValuesIn(numbers));

const FunctionCase patterns[] = {
    {"CASE WHEN 'ÁRBOL' LIKE 'árbol' THEN 1 ELSE 0 END", "1"},
    {"CASE WHEN 'abc' LIKE 'a[a-c]c' THEN 1 ELSE 0 END", "1"},
    {"CASE WHEN 'abc' LIKE 'a[^b]c' THEN 1 ELSE 0 END", "0"},
    {"CASE WHEN 'abcd' LIKE '%c_' THEN 1 ELSE 0 END", "1"},
    {"CASE WHEN 'abcd' LIKE '%c' THEN 1 ELSE 0 END", "0"},
    {"CASE WHEN '10%' LIKE '10!%' ESCAPE '!' THEN 1 ELSE 0 END", "1"},
    {"CASE WHEN '105' LIKE '10!%' ESCAPE '!' THEN 1 ELSE 0 END", "0"},
    {"CASE WHEN 'a' LIKE 'á' THEN 1 ELSE 0 END", "0"},
};
INSTANTIATE_TEST_SUITE_P(Like, TsqlFunction, ::testing::ValuesIn(patterns));

// Values SQL Server refuses make the statement fail, with SQL Server's message.
TEST(TsqlFunctionErrors, RefusedValuesFailTheStatement)
{
    const std::pair<const char *, const char *> cases[] = {
        {"SELECT 'abc' + 1", "Conversion failed when converting the nvarchar value 'abc' to data type int."},
        {"SELECT '31/03/2024' + 0",
         "Conversion failed when converting the nvarchar value '31/03/2024' to data type int."},
        {"SELECT CONVERT(INT, '12.5')",
         "Conversion failed when converting the nvarchar value '12.5' to data type int."},
        {"SELECT CONVERT(DATETIME, '31/02/2024')",
         "Conversion failed when converting date and/or time from character string."},
        {"SELECT LEFT('abc', -1)", "Invalid length parameter passed to the left function."},
        {"SELECT DATEADD(fortnight, 1, '01/01/2024')", "'fortnight' is not a recognized dateadd option."},
        {"SELECT CONVERT(NVARCHAR, '2024-01-01 00:00:00', 999)",
         "999 is not a valid style number when converting from datetime to a character string."},
    };
    TsqlTestDatabase db;
    for (const auto &[tsql, message] : cases) {
        const auto errors = engineErrorsOf([&] { db.run(QString::fromUtf8(tsql)); });
        ASSERT_FALSE(errors.isEmpty()) << tsql;
        EXPECT_TRUE(errors.first().Description.contains(QString::fromUtf8(message)))
            << tsql << ": " << errors.first().Description.toStdString();
    }
}

TEST(TsqlFunctionDates, GetDateGivesTheStoredForm)
{
    TsqlTestDatabase db;
    const QString now = QString::fromStdString(db.value(QStringLiteral("SELECT getDate()")));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}$")).match(now).hasMatch())
        << now.toStdString();
    EXPECT_EQ(db.value(QStringLiteral("SELECT ABS(DATEDIFF(second, GETDATE(), '") + now + QStringLiteral("')) <= 2")),
              "1");
}

// The numbers CONVERT writes as text: amounts of up to four places in their range and beyond,
// around the limits of plain notation, and doubles of every kind.
std::vector<double> numbersToWrite()
{
    const double max = std::numeric_limits<double>::max();
    const double infinity = std::numeric_limits<double>::infinity();
    std::vector<double> written{0.0, -0.0, 0.0001, -0.0001, 0.00005, 1e-5, 2.675, 0.1 + 0.2, 1.0 / 3};
    written.insert(written.end(), {99999999999.9999, -99999999999.9999, 99999999999.99995, 100000000000.0001});
    written.insert(written.end(), {1e11, 1e11 - 0.0001, 123456789012.5, 1e14, 1e15, 1e16, 9007199254740993.0});
    written.insert(written.end(), {1e21, 1e300, -1.5e-300, 5e-324, max, infinity, -infinity});
    for (int cents = -20000; cents <= 20000; ++cents)
        written.push_back(cents / 100.0);
    for (int units = -20000; units <= 20000; units += 7)
        written.push_back(units / 10000.0);
    for (const double mantissa : {1.0, 5.0, 9.9999, 1.00005, 0.99995, 12345.6789, 123456789012345.0, 999999999999999.0})
        for (int exponent = -12; exponent <= 12; ++exponent)
            written.push_back(mantissa * std::pow(10.0, exponent));
    std::mt19937_64 random(4242);
    for (int i = 0; i < 20000; ++i) {
        const auto digits = static_cast<long long>(random() % 2000000000000000) - 1000000000000000;
        written.push_back(static_cast<double>(digits) / std::pow(10.0, static_cast<double>(random() % 8)));
        const auto bits = std::bit_cast<double>(random());
        if (!std::isnan(bits))
            written.push_back(bits);
    }
    return written;
}

// The numbers as rows of NUMEROS (N, V), N their place in the list.
void storeNumbers(ado::sqlite::SqliteHandle &handle, const std::vector<double> &written)
{
    handle.exec(QStringLiteral("CREATE TABLE NUMEROS (N INTEGER PRIMARY KEY, V FLOAT); BEGIN"));
    sqlite3_stmt *insert = nullptr;
    sqlite3_prepare_v2(handle.get(), "INSERT INTO NUMEROS VALUES (?, ?)", -1, &insert, nullptr);
    for (std::size_t i = 0; i < written.size(); ++i) {
        sqlite3_bind_int64(insert, 1, static_cast<sqlite3_int64>(i));
        sqlite3_bind_double(insert, 2, written.at(i));
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    handle.exec(QStringLiteral("COMMIT"));
}

// A search converts the number of every row it reads with the quick writing of a number's text;
// the text must be the one the general conversion writes, cut or filled to the type's length.
TEST(TsqlNumberTexts, ConvertWritesEveryNumberAsTheGeneralConversion)
{
    TsqlTestDatabase db;
    ado::sqlite::SqliteHandle handle(db.path(), ado::sqlite::SqliteHandle::Mode::OpenExisting);
    const std::vector<double> written = numbersToWrite();
    storeNumbers(handle, written);
    const char *select = "SELECT tsql_convert('NVARCHAR', V), tsql_convert('VARCHAR(6)', V), tsql_convert('CHAR(24)', "
                         "V), tsql_convert('NVARCHAR', N - 5000) FROM NUMEROS ORDER BY N";
    sqlite3_stmt *rowTexts = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(handle.get(), select, -1, &rowTexts, nullptr), SQLITE_OK);
    const auto column = [&](int i) {
        return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(rowTexts, i)));
    };
    std::size_t rows = 0;
    int mismatches = 0;
    for (; rows < written.size() && sqlite3_step(rowTexts) == SQLITE_ROW; ++rows) {
        const QString general = ado::sqlite::numberText(written.at(rows));
        const QStringList expected{general, general.left(6), general.leftJustified(24, u' ', true),
                                   QString::number(static_cast<long long>(rows) - 5000)};
        for (int c = 0; c < expected.size(); ++c) {
            if (column(c) != expected.at(c) && ++mismatches <= 10)
                ADD_FAILURE() << std::setprecision(17) << written.at(rows) << " column " << c << ": "
                              << column(c).toStdString() << " instead of " << expected.at(c).toStdString();
        }
    }
    sqlite3_finalize(rowTexts);
    EXPECT_EQ(rows, written.size());
    EXPECT_EQ(mismatches, 0);
}

struct Ordering {
    const char *left;
    const char *right;
    int sign;
};

// TSQLCI orders as a case-insensitive, accent-sensitive Spanish collation.
TEST(TsqlCollation, OrdersAsSqlServer)
{
    const Ordering cases[] = {
        {"abc", "ABC", 0},
        {"abc", "abc   ", 0},
        {"", "   ", 0},
        {"abc", "abd", -1},
        {"ab", "abc", -1},
        {"ñu", "nz", 1},
        {"ña", "o", -1},
        {"Ñandú", "ñANDÚ", 0},
        {"camión", "CAMION", 1},
        {"camión", "camiona", -1},
        {"ábaco", "b", -1},
        {"Zeta", "ábaco", 1},
        {" a", "a", -1},
        // Letters whose bytes differ only after the first, after an equal prefix: compared whole.
        {"0001é", "0001è", 1},
        {"0001éa", "0001èb", -1},
        {"ÁRBOL", "árbol", 0},
    };
    for (const Ordering &c : cases) {
        const int result = ado::sqlite::compareTsqlText(static_cast<int>(std::strlen(c.left)), c.left,
                                                        static_cast<int>(std::strlen(c.right)), c.right);
        const int reverse = ado::sqlite::compareTsqlText(static_cast<int>(std::strlen(c.right)), c.right,
                                                         static_cast<int>(std::strlen(c.left)), c.left);
        EXPECT_EQ((result > 0) - (result < 0), c.sign) << c.left << " vs " << c.right;
        EXPECT_EQ((reverse > 0) - (reverse < 0), -c.sign) << c.right << " vs " << c.left;
    }
}

} // namespace
