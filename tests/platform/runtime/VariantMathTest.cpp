#include "support/TestHelpers.h"

#include "platform/runtime/VariantMath.h"

#include <gtest/gtest.h>

using namespace rt;

namespace {

TEST(VariantMath, NullPropagates)
{
    const Variant n = Variant::null();
    for (const Variant &other : {Variant(1), Variant("x"), Variant(), Variant::null()}) {
        EXPECT_TRUE(Add(n, other).isNull());
        EXPECT_TRUE(Add(other, n).isNull());
        EXPECT_TRUE(Subtract(other, n).isNull());
        EXPECT_TRUE(Multiply(n, other).isNull());
        EXPECT_TRUE(Divide(other, n).isNull());
    }
    EXPECT_TRUE(Negate(n).isNull());
}

TEST(VariantMath, ResultTakesTheWidestKind)
{
    struct Case {
        Variant result;
        Variant expected;
    };
    const Case cases[] = {
        {Add(Variant::integer(2), Variant::integer(3)), Variant::integer(5)},
        {Add(Variant::integer(32767), Variant::integer(1)), Variant(32768)}, // grows to Long
        {Multiply(Variant(65536), Variant(65536)), Variant(4294967296.0)}, // grows to Double
        {Add(Variant(2), Variant(0.5)), Variant(2.5)},
        {Add(Variant(), Variant()), Variant::integer(0)},
        {Add(Variant(true), Variant::integer(1)), Variant::integer(0)},
        {Add(Variant(Currency::fromDouble(1.25)), Variant(2)), Variant(Currency::fromDouble(3.25))},
        {Multiply(Variant(Currency::fromDouble(1000)), Variant(0.00015)), Variant(Currency::fromDouble(0.15))},
        {Multiply(Variant(Currency::fromDouble(2.5)), Variant(Currency::fromDouble(2.5))),
         Variant(Currency::fromDouble(6.25))},
        {Subtract(Variant("10,5"), Variant(1)), Variant(9.5)},
        {Add(Variant("ab"), Variant("cd")), Variant("abcd")},
        {Add(Variant("ab"), Variant()), Variant("ab")},
        {Divide(Variant(1), Variant(4)), Variant(0.25)},
        {Divide(Variant(Currency::fromDouble(10)), Variant(4)), Variant(2.5)},
        {Negate(Variant::integer(-32768)), Variant(32768)},
        {Negate(Variant(true)), Variant::integer(1)},
        {Negate(Variant(Currency::fromDouble(1.5))), Variant(Currency::fromDouble(-1.5))},
    };
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(cases[i].result, cases[i].expected) << "case " << i;
}

TEST(VariantMath, DatesMoveByDays)
{
    const DateTime first = DateTime::fromParts(2024, 2, 28, 12);
    EXPECT_EQ(Add(Variant(first), Variant(2)), Variant(DateTime::fromParts(2024, 3, 1, 12)));
    EXPECT_EQ(Subtract(Variant(first), Variant(0.5)), Variant(DateTime::fromParts(2024, 2, 28)));
    const Variant march(DateTime::fromParts(2024, 3, 1));
    EXPECT_EQ(Subtract(march, Variant(DateTime::fromParts(2024, 2, 1))), Variant(29.0));
}

TEST(VariantMath, FailuresCarryVbNumbers)
{
    EXPECT_EQ(errorNumber([] { Divide(Variant(1), Variant(0)); }), err::DivisionByZero);
    EXPECT_EQ(errorNumber([] { Divide(Variant(0), Variant()); }), err::Overflow);
    EXPECT_EQ(errorNumber([] { Multiply(Variant(1e300), Variant(1e300)); }), err::Overflow);
    EXPECT_EQ(errorNumber([] { Add(Variant("abc"), Variant(1)); }), err::TypeMismatch);
    EXPECT_EQ(errorNumber([] { Add(Variant(Currency::fromRaw(INT64_MAX)), Variant(Currency::fromRaw(1))); }),
              err::Overflow);
}

} // namespace
