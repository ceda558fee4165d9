#include "platform/runtime/Currency.h"
#include "platform/runtime/RuntimeError.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

using rt::Currency;

namespace {

TEST(Currency, FromDoubleRoundsToFourDecimalsHalfToEven)
{
    struct Case {
        double value;
        std::int64_t raw;
    };
    const Case cases[] = {
        {1.5, 15000},       {0.00005, 0},       {0.00015, 2},      {0.00025, 2},
        {-0.00015, -2},     {-0.00025, -2},     {1.23456, 12346},  {1.23454, 12345},
        {-1.23456, -12346}, {1234.5, 12345000}, {0.1 + 0.2, 3000}, {922337203685477.0, 9223372036854770000},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Currency::fromDouble(c.value).raw(), c.raw) << c.value;
}

// Amounts read back from the database are whole ten-thousandths give or take their binary error:
// they and their nearest neighbours are that count, as their shown digits say.
TEST(Currency, FromDoubleKeepsWholeTenThousandthsAndTheirNeighbours)
{
    for (const std::int64_t raw :
         {std::int64_t{0}, std::int64_t{1}, std::int64_t{-1}, std::int64_t{5}, std::int64_t{1234500},
          std::int64_t{-987654321}, std::int64_t{3000}, std::int64_t{99999999999999}, std::int64_t{-12345678901234}}) {
        const double value = static_cast<double>(raw) / 10000.0;
        EXPECT_EQ(Currency::fromDouble(value).raw(), raw) << value;
        EXPECT_EQ(Currency::fromDouble(std::nextafter(value, 1e300)).raw(), raw) << value;
        EXPECT_EQ(Currency::fromDouble(std::nextafter(value, -1e300)).raw(), raw) << value;
    }
}

TEST(Currency, FromDoubleOutOfRangeOverflows)
{
    for (const double outside : {1e15, -1e15, 0.0 / 0.0})
        EXPECT_EQ(errorNumber([&] { (void)Currency::fromDouble(outside); }), rt::err::Overflow) << outside;
}

TEST(Currency, ArithmeticIsExactAndRoundsProductsHalfToEven)
{
    EXPECT_EQ((Currency::fromRaw(1) + Currency::fromRaw(2)).raw(), 3);
    EXPECT_EQ((Currency::fromRaw(1) - Currency::fromRaw(2)).raw(), -1);
    EXPECT_EQ((-Currency::fromRaw(5)).raw(), -5);
    // 0.0001 * 0.5 = 0.00005, a tie: goes to the even 0
    EXPECT_EQ((Currency::fromRaw(1) * Currency::fromRaw(5000)).raw(), 0);
    // 0.0003 * 0.5 = 0.00015 goes to 0.0002
    EXPECT_EQ((Currency::fromRaw(3) * Currency::fromRaw(5000)).raw(), 2);
    EXPECT_EQ((Currency::fromRaw(-3) * Currency::fromRaw(5000)).raw(), -2);
    EXPECT_EQ((Currency::fromDouble(12.5) * Currency::fromDouble(4)).raw(), 500000);
    // 1 / 3 = 0.33333...
    EXPECT_EQ((Currency::fromDouble(1) / Currency::fromDouble(3)).raw(), 3333);
    EXPECT_EQ((Currency::fromDouble(-2) / Currency::fromDouble(3)).raw(), -6667);
    Currency total;
    total += Currency::fromDouble(10.25);
    total -= Currency::fromDouble(0.25);
    EXPECT_EQ(total, Currency::fromDouble(10));
    EXPECT_LT(Currency::fromRaw(-1), Currency::fromRaw(0));
}

TEST(Currency, ArithmeticFailuresRaiseTheirNumbers)
{
    const Currency max = Currency::fromRaw(INT64_MAX);
    const Currency min = Currency::fromRaw(INT64_MIN);
    EXPECT_EQ(errorNumber([&] { (void)(max + Currency::fromRaw(1)); }), rt::err::Overflow);
    EXPECT_EQ(errorNumber([&] { (void)(min - Currency::fromRaw(1)); }), rt::err::Overflow);
    EXPECT_EQ(errorNumber([&] { (void)(max * Currency::fromDouble(2)); }), rt::err::Overflow);
    EXPECT_EQ(errorNumber([&] { (void)(max / Currency::fromDouble(0.5)); }), rt::err::Overflow);
    EXPECT_EQ(errorNumber([] { (void)(Currency::fromDouble(1) / Currency()); }), rt::err::DivisionByZero);
}

} // namespace
