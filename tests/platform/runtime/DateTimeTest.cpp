#include "support/TestHelpers.h"

#include <gtest/gtest.h>
#include <tuple>

using rt::DateTime;

namespace {

TEST(DateTime, SerialCountsDaysFromTheLastDaysOf1899)
{
    struct Case {
        int year, month, day, hour, minute, second;
        double serial;
    };
    const Case cases[] = {
        {1899, 12, 30, 0, 0, 0, 0.0},   {1899, 12, 31, 0, 0, 0, 1.0},    {1900, 1, 1, 0, 0, 0, 2.0},
        {2000, 1, 1, 0, 0, 0, 36526.0}, {2000, 1, 1, 12, 0, 0, 36526.5}, {2024, 2, 29, 18, 0, 0, 45351.75},
        {1899, 12, 29, 6, 0, 0, -1.25}, {1899, 12, 29, 0, 0, 0, -1.0},
    };
    for (const Case &c : cases) {
        const DateTime fromParts = DateTime::fromParts(c.year, c.month, c.day, c.hour, c.minute, c.second);
        EXPECT_DOUBLE_EQ(fromParts.serial(), c.serial) << c.year << "-" << c.month << "-" << c.day;
        const DateTime back(c.serial);
        EXPECT_EQ(std::tuple(back.year(), back.month(), back.day(), back.hour(), back.minute(), back.second()),
                  std::tuple(c.year, c.month, c.day, c.hour, c.minute, c.second))
            << c.serial;
    }
}

TEST(DateTime, TimeOfDayRoundsToTheSecond)
{
    const DateTime t = DateTime::fromParts(2023, 5, 17, 23, 59, 59);
    EXPECT_EQ(t.toQDateTime(), QDateTime(QDate(2023, 5, 17), QTime(23, 59, 59)));
    // a hair short of midnight is midnight of the next day
    const DateTime almost(DateTime::fromParts(2023, 5, 18).serial() - 1e-9);
    EXPECT_EQ(almost.date(), QDate(2023, 5, 18));
    EXPECT_EQ(almost.time(), QTime(0, 0));
    EXPECT_LT(DateTime::fromParts(2023, 1, 1), DateTime::fromParts(2023, 1, 1, 0, 0, 1));
}

TEST(DateTime, ConvertsFromQtValues)
{
    EXPECT_EQ(DateTime::fromQDate(QDate(2000, 1, 1)).serial(), 36526.0);
    EXPECT_EQ(DateTime::fromQDateTime(QDateTime(QDate(2000, 1, 1), QTime(6, 0))).serial(), 36526.25);
    EXPECT_THROW(DateTime::fromQDate(QDate()), rt::RuntimeError);
    EXPECT_THROW(DateTime::fromQDateTime(QDateTime()), rt::RuntimeError);
}

TEST(DateTime, FromPartsRejectsPartsThatFormNoDate)
{
    const int bad[][6] = {
        {2023, 2, 29, 0, 0, 0}, {2023, 13, 1, 0, 0, 0}, {2023, 0, 1, 0, 0, 0},  {2023, 1, 32, 0, 0, 0},
        {2023, 1, 1, 24, 0, 0}, {2023, 1, 1, 0, 60, 0}, {2023, 1, 1, 0, 0, 60}, {10000, 1, 1, 0, 0, 0},
    };
    for (const auto &p : bad)
        EXPECT_EQ(errorNumber([&] { (void)DateTime::fromParts(p[0], p[1], p[2], p[3], p[4], p[5]); }),
                  rt::err::InvalidProcedureCall)
            << p[0] << "-" << p[1] << "-" << p[2] << " " << p[3] << ":" << p[4] << ":" << p[5];
}

} // namespace
