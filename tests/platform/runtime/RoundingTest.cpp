#include "support/TestHelpers.h"

#include "platform/runtime/Rounding.h"

#include <gtest/gtest.h>

using namespace rt;

namespace {

TEST(Rounding, RoundGoesToTheEvenDigitOnTies)
{
    struct Case {
        double value;
        int decimals;
        double rounded;
    };
    const Case cases[] = {
        {2.5, 0, 2.0},      {3.5, 0, 4.0},       {-2.5, 0, -2.0},    {0.5, 0, 0.0},
        {1.5, 0, 2.0},      {0.125, 2, 0.12},    {0.375, 2, 0.38},   {0.135, 2, 0.14},
        {0.1251, 2, 0.13},  {1234.5, 0, 1234.0}, {-0.125, 2, -0.12}, {2.4999, 0, 2.0},
        {99.995, 2, 100.0}, {0.6, 0, 1.0},       {0.0049, 2, 0.0},   {1.23456, 10, 1.23456},
    };
    for (const Case &c : cases)
        EXPECT_DOUBLE_EQ(Round(c.value, c.decimals), c.rounded) << c.value << " to " << c.decimals;
}

TEST(Rounding, CurrencyRoundsExactly)
{
    struct Case {
        double value;
        int decimals;
        double rounded;
    };
    const Case cases[] = {
        {0.125, 2, 0.12}, {0.375, 2, 0.38},    {-0.125, 2, -0.12}, {-0.135, 2, -0.14},
        {2.5, 0, 2.0},    {1.2345, 4, 1.2345}, {1.2345, 3, 1.234}, {1.2355, 3, 1.236},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Round(Currency::fromDouble(c.value), c.decimals), Currency::fromDouble(c.rounded)) << c.value;
}

TEST(Rounding, NegativeDecimalsAreInvalid)
{
    EXPECT_EQ(errorNumber([] { Round(1.5, -1); }), err::InvalidProcedureCall);
    EXPECT_EQ(errorNumber([] { Round(Currency::fromRaw(1), -1); }), err::InvalidProcedureCall);
    EXPECT_EQ(errorNumber([] { Round(Currency::fromRaw(INT64_MAX), 0); }), err::Overflow);
}

} // namespace
