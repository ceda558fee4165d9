#include "support/TestHelpers.h"

#include "platform/runtime/DateFunctions.h"
#include "platform/runtime/Regional.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace rt;

namespace {

TEST(Dates, WeekdayCountsFromSunday)
{
    struct Case {
        DateTime date;
        int weekday;
    };
    const Case cases[] = {
        {at(2024, 3, 3), 1}, {at(2024, 3, 4), 2}, {at(2024, 3, 9), 7}, {at(1899, 12, 30), 7}, {at(1899, 12, 24, 18), 1},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Weekday(c.date), c.weekday) << c.date.serial();
}

TEST(Dates, DateAddMovesByEachInterval)
{
    const DateTime base = at(2024, 1, 31, 10, 30);
    struct Case {
        const char *interval;
        double number;
        DateTime expected;
    };
    const Case cases[] = {
        {"d", 1, at(2024, 2, 1, 10, 30)},    {"d", -31, at(2023, 12, 31, 10, 30)},
        {"m", 1, at(2024, 2, 29, 10, 30)},   {"m", 13, at(2025, 2, 28, 10, 30)},
        {"m", -2, at(2023, 11, 30, 10, 30)}, {"yyyy", 1, at(2025, 1, 31, 10, 30)},
        {"ww", 2, at(2024, 2, 14, 10, 30)},  {"h", 14, at(2024, 2, 1, 0, 30)},
        {"n", -31, at(2024, 1, 31, 9, 59)},  {"s", 86400, at(2024, 2, 1, 10, 30)},
        {"D", 2.5, at(2024, 2, 2, 10, 30)},  {"d", 3.5, at(2024, 2, 4, 10, 30)},
    };
    for (const Case &c : cases)
        EXPECT_EQ(DateAdd(QString::fromUtf8(c.interval), c.number, base), c.expected) << c.interval << c.number;
    EXPECT_EQ(DateAdd(QStringLiteral("yyyy"), 1, at(2024, 2, 29)), at(2025, 2, 28));
    EXPECT_EQ(DateAdd(QStringLiteral("h"), 1, DateTime(-1.25)), DateTime(-1.0 - 7.0 / 24.0));
}

TEST(Dates, DateDiffCountsBoundaries)
{
    struct Case {
        const char *interval;
        DateTime first, second;
        qint64 count;
    };
    const Case cases[] = {
        {"d", at(2024, 1, 1, 23, 59), at(2024, 1, 2, 0, 1), 1},
        {"d", at(2024, 3, 1), at(2024, 2, 1), -29},
        {"m", at(2024, 1, 31), at(2024, 2, 1), 1},
        {"m", at(2023, 11, 15), at(2025, 2, 1), 15},
        {"yyyy", at(2024, 12, 31), at(2025, 1, 1), 1},
        {"ww", at(2024, 3, 2), at(2024, 3, 3), 1}, // Saturday to Sunday
        {"ww", at(2024, 3, 3), at(2024, 3, 9), 0}, // within one week
        {"ww", at(2024, 3, 9), at(2024, 2, 24), -2}, // Saturdays: weeks of 3/3 and 18/2
        {"h", at(2024, 1, 1, 10, 59), at(2024, 1, 1, 11, 0), 1},
        {"n", at(2024, 1, 1, 10, 0, 59), at(2024, 1, 1, 10, 1, 0), 1},
        {"s", at(2024, 1, 1), at(2024, 1, 2), 86400},
        {"h", DateTime(-1.25), at(1899, 12, 30, 1), 19},
    };
    for (const Case &c : cases)
        EXPECT_EQ(DateDiff(QString::fromUtf8(c.interval), c.first, c.second), c.count) << c.interval;
}

TEST(Dates, DateSerialNormalisesLikeVb)
{
    struct Case {
        int year, month, day;
        DateTime expected;
    };
    const Case cases[] = {
        {2024, 13, 1, at(2025, 1, 1)},   {2024, 3, 0, at(2024, 2, 29)},    {2024, 0, 1, at(2023, 12, 1)},
        {2024, 1, 32, at(2024, 2, 1)},   {2024, -1, 15, at(2023, 11, 15)}, {2023, 2, 29, at(2023, 3, 1)},
        {24, 5, 1, at(2024, 5, 1)},      {29, 1, 1, at(2029, 1, 1)},       {30, 1, 1, at(1930, 1, 1)},
        {2024, 1, -30, at(2023, 12, 1)},
    };
    for (const Case &c : cases)
        EXPECT_EQ(DateSerial(c.year, c.month, c.day), c.expected) << c.year << "-" << c.month << "-" << c.day;
}

TEST(Dates, OutOfRangeAndUnknownIntervalsAreInvalidCalls)
{
    EXPECT_EQ(errorNumber([] { DateSerial(10000, 1, 1); }), err::InvalidProcedureCall);
    EXPECT_EQ(errorNumber([] { DateAdd(QStringLiteral("yyyy"), 8000, at(2024, 1, 1)); }), err::InvalidProcedureCall);
    EXPECT_EQ(errorNumber([] { DateAdd(QStringLiteral("x"), 1, at(2024, 1, 1)); }), err::InvalidProcedureCall);
    EXPECT_EQ(errorNumber([] { DateDiff(QStringLiteral("q"), at(2024, 1, 1), at(2024, 1, 1)); }),
              err::InvalidProcedureCall);
}

TEST(Dates, PartsOfADate)
{
    const DateTime t = at(2024, 7, 9, 21, 45, 30);
    EXPECT_EQ(std::tuple(Day(t), Month(t), Year(t), Hour(t), Minute(t), Second(t)), std::tuple(9, 7, 2024, 21, 45, 30));
}

TEST(Dates, PinnedClock)
{
    setClockForTests(at(2024, 6, 15, 13, 20, 5));
    EXPECT_EQ(Now(), at(2024, 6, 15, 13, 20, 5));
    EXPECT_EQ(Date(), at(2024, 6, 15));
    setClockForTests(std::nullopt);
    const QDate today = QDate::currentDate();
    EXPECT_LE(qAbs(Date().date().daysTo(today)), 1);
}

TEST(Dates, ParsesDayFirstText)
{
    struct Case {
        const char *text;
        std::optional<DateTime> date;
    };
    const Case cases[] = {
        {"05/03/2024", at(2024, 3, 5)},
        {"5/3/24", at(2024, 3, 5)},
        {"5/3/99", at(1999, 3, 5)},
        {"  31/12/2024  ", at(2024, 12, 31)},
        {"31-12-2024", at(2024, 12, 31)},
        {"31.12.2024", at(2024, 12, 31)},
        {"2024-03-05", at(2024, 3, 5)},
        {"05/03/2024 14:30", at(2024, 3, 5, 14, 30)},
        {"05/03/2024 14:30:15", at(2024, 3, 5, 14, 30, 15)},
        {"14:30", DateTime(14.5 / 24.0)},
        {"12/05/202", at(202, 5, 12)},
        {"13/25/2024", std::nullopt}, // no swapping of day and month
        {"29/02/2023", std::nullopt},
        {"05/03/2024 24:00", std::nullopt},
        {"  /  /    ", std::nullopt},
        {"", std::nullopt},
        {"05/03", std::nullopt},
        {"hoy", std::nullopt},
        {"05/03/2024x", std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(parseDateText(QString::fromUtf8(c.text)), c.date) << c.text;
}

TEST(Dates, ParsesInThePinnedDayOrder)
{
    RegionalScope pinned(RegionalSettings::englishUnitedStates());
    EXPECT_EQ(parseDateText(QStringLiteral("3/5/2024")), at(2024, 3, 5));
    EXPECT_EQ(parseDateText(QStringLiteral("31/12/2024")), std::nullopt);
}

} // namespace
