// Which texts the embedded engine takes for dates, and the stored form it gives them.
#include "platform/ado/sqlite/TsqlDates.h"

#include <gtest/gtest.h>

namespace {

using ado::sqlite::DayOrder;
using ado::sqlite::TsqlDateTime;

struct LiteralCase {
    const char *literal;
    const char *stored; // nullptr: the literal is left as written
};

void PrintTo(const LiteralCase &c, std::ostream *out)
{
    *out << "'" << c.literal << "'";
}

class TsqlDateLiteral : public ::testing::TestWithParam<LiteralCase> { };

TEST_P(TsqlDateLiteral, IsStoredInFullIsoFormOrLeftAlone)
{
    const auto iso = ado::sqlite::isoFromDateLiteral(QString::fromUtf8(GetParam().literal));
    if (GetParam().stored)
        EXPECT_EQ(iso.value_or(QStringLiteral("<left alone>")).toStdString(), GetParam().stored);
    else
        EXPECT_FALSE(iso.has_value()) << iso->toStdString();
}

const LiteralCase literalCases[] = {
    {"31/03/2024", "2024-03-31 00:00:00"},
    {"1/3/2024", "2024-03-01 00:00:00"},
    {"29/02/2024 15:30", "2024-02-29 15:30:00"},
    {"31/03/2024 23:59:59", "2024-03-31 23:59:59"},
    {"2024-03-31", "2024-03-31 00:00:00"},
    {"2024-03-31 07:05", "2024-03-31 07:05:00"},
    {"2024-03-31 15:30:45.123", "2024-03-31 15:30:45"},
    // texts that are not the program's dates, or not dates at all
    {"31/02/2024", nullptr},
    {"29/02/2023", nullptr},
    {"31/03/2024 24:00", nullptr},
    {"20240331", nullptr},
    {"31/03/24", nullptr},
    {"31-03-2024", nullptr},
    {"2024/03/31", nullptr},
    {" 31/03/2024", nullptr},
    {"31/03/2024x", nullptr},
    {"1/2/3/2024", nullptr},
    {"12/2024", nullptr},
    {"0001", nullptr},
    {"", nullptr},
};

INSTANTIATE_TEST_SUITE_P(Literals, TsqlDateLiteral, ::testing::ValuesIn(literalCases));

struct ParseCase {
    const char *text;
    DayOrder order;
    const char *stored;
};

// What CONVERT and the date functions read from a text.
TEST(TsqlDateText, ReadsTheFormsSqlServerReads)
{
    const ParseCase cases[] = {
        {"31-03-2024", DayOrder::DayFirst, "2024-03-31 00:00:00"},
        {"31.03.2024 8:05:09", DayOrder::DayFirst, "2024-03-31 08:05:09"},
        {"03/31/2024", DayOrder::MonthFirst, "2024-03-31 00:00:00"},
        {"20240331", DayOrder::DayFirst, "2024-03-31 00:00:00"},
        {"2024-03-31T10:00:00", DayOrder::DayFirst, "2024-03-31 10:00:00"},
        {"31/03/49", DayOrder::DayFirst, "2049-03-31 00:00:00"},
        {"31/03/50", DayOrder::DayFirst, "1950-03-31 00:00:00"},
        {"  2024-03-31  ", DayOrder::DayFirst, "2024-03-31 00:00:00"},
        {"2024-03-31 10:00 PM", DayOrder::DayFirst, "2024-03-31 22:00:00"},
        {"01/04/2024 10:30:15pm", DayOrder::DayFirst, "2024-04-01 22:30:15"},
        {"20240401 12:05 AM", DayOrder::DayFirst, "2024-04-01 00:05:00"},
        {"2024-04-01 12:05 PM", DayOrder::DayFirst, "2024-04-01 12:05:00"},
        {"1/4/2024 4am", DayOrder::DayFirst, "2024-04-01 04:00:00"},
    };
    for (const ParseCase &c : cases) {
        const auto value = ado::sqlite::parseTsqlDate(QString::fromUtf8(c.text), c.order);
        ASSERT_TRUE(value.has_value()) << c.text;
        EXPECT_EQ(ado::sqlite::isoDateTime(*value).toStdString(), c.stored) << c.text;
    }
    for (const char *text :
         {"03/31/2024", "31/03/2024 10", "2024-3", "abc", "2024-03-31 13:00 PM", "2024-03-31 0 PM", "2024-03-31 10 P"})
        EXPECT_FALSE(ado::sqlite::parseTsqlDate(QString::fromUtf8(text)).has_value()) << text;
}

// SQL Server's number of a datetime: days since 1900-01-01, the time as a fraction.
TEST(TsqlDateSerial, CountsDaysFrom1900)
{
    EXPECT_EQ(ado::sqlite::isoDateTime(TsqlDateTime::fromSerial(0)), QStringLiteral("1900-01-01 00:00:00"));
    EXPECT_EQ(ado::sqlite::isoDateTime(TsqlDateTime::fromSerial(-1.25)), QStringLiteral("1899-12-30 18:00:00"));
    const auto noon = ado::sqlite::parseTsqlDate(QStringLiteral("2024-03-31 12:00:00"));
    ASSERT_TRUE(noon.has_value());
    EXPECT_DOUBLE_EQ(noon->serial(), 45380.5);
    EXPECT_EQ(ado::sqlite::isoDateTime(TsqlDateTime::fromSerial(noon->serial() + 0.5)),
              QStringLiteral("2024-04-01 00:00:00"));
    EXPECT_EQ(ado::sqlite::isoDateTime(noon->plusMsecs(-13 * 3600000LL)), QStringLiteral("2024-03-30 23:00:00"));
}

} // namespace
