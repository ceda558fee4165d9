#include "support/TestHelpers.h"

#include "platform/runtime/Conversions.h"
#include "platform/runtime/Regional.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace rt;

namespace {

TEST(Conversions, CStrWritesWithTheRegionalSeparators)
{
    struct Case {
        Variant value;
        const char *text;
    };
    const Case cases[] = {
        {Variant(1234.5), "1234,5"},
        {Variant(-0.5), "-0,5"},
        {Variant(10.0 / 3.0), "3,33333333333333"},
        {Variant(0.1 + 0.2), "0,3"},
        {Variant(1e15), "1E+15"},
        {Variant(123456789012345.0), "123456789012345"},
        {Variant(0.0001), "0,0001"},
        {Variant(0.000015), "1,5E-05"},
        {Variant(0.0), "0"},
        {Variant(42), "42"},
        {Variant::integer(-7), "-7"},
        {Variant(Currency::fromDouble(1234.5)), "1234,5"},
        {Variant(Currency::fromRaw(-1)), "-0,0001"},
        {Variant(Currency::fromDouble(20)), "20"},
        {Variant(true), "Verdadero"},
        {Variant(false), "Falso"},
        {Variant(at(2024, 3, 5)), "05/03/2024"},
        {Variant(at(2024, 3, 5, 14, 7, 9)), "05/03/2024 14:07:09"},
        {Variant(DateTime(0.75)), "18:00:00"},
        {Variant(), ""},
        {Variant("tal cual "), "tal cual "},
    };
    for (const Case &c : cases)
        EXPECT_EQ(CStr(c.value), QString::fromUtf8(c.text)) << c.text;
}

TEST(Conversions, CStrFollowsAPinnedRegionWhileItsScopeLives)
{
    {
        RegionalScope pinned(RegionalSettings::englishUnitedStates());
        EXPECT_EQ(CStr(Variant(1234.5)), QStringLiteral("1234.5"));
        EXPECT_EQ(CStr(Variant(at(2024, 3, 5))), QStringLiteral("3/5/2024"));
        EXPECT_EQ(CStr(Variant(true)), QStringLiteral("True"));
    }
    EXPECT_EQ(regional().decimalSeparator, QLatin1Char(','));
    EXPECT_EQ(regional().thousandsSeparator, QLatin1Char('.'));
    EXPECT_EQ(regional().currencyDigits, 2);
}

TEST(Conversions, CDblReadsRegionalText)
{
    struct Case {
        const char *text;
        double value;
    };
    const Case cases[] = {
        {"1234,5", 1234.5}, {" -12,25 ", -12.25}, {"1.234,5", 1234.5}, {"+3", 3.0},
        {",5", 0.5},        {"1,5E3", 1500.0},    {"2e-2", 0.02},      {"1.5", 15.0}, // "." groups thousands here
    };
    for (const Case &c : cases)
        EXPECT_DOUBLE_EQ(CDbl(Variant(c.text)), c.value) << c.text;
    EXPECT_EQ(CDbl(Variant()), 0.0);
    EXPECT_EQ(CDbl(Variant(true)), -1.0);
    EXPECT_EQ(CDbl(Variant(Currency::fromDouble(2.5))), 2.5);
    EXPECT_EQ(CDbl(Variant(at(2000, 1, 1, 12))), 36526.5);
}

TEST(Conversions, FailuresCarryVbNumbers)
{
    EXPECT_EQ(errorNumber([] { CDbl(Variant("12abc")); }), err::TypeMismatch);
    EXPECT_EQ(errorNumber([] { CDbl(Variant("")); }), err::TypeMismatch);
    EXPECT_EQ(errorNumber([] { CDbl(Variant("1,2,3")); }), err::TypeMismatch);
    EXPECT_EQ(errorNumber([] { CDbl(Variant::null()); }), err::InvalidUseOfNull);
    EXPECT_EQ(errorNumber([] { CStr(Variant::null()); }), err::InvalidUseOfNull);
    EXPECT_EQ(errorNumber([] { CLng(Variant(2147483648.0)); }), err::Overflow);
    EXPECT_EQ(errorNumber([] { CInt(Variant(32767.5)); }), err::Overflow);
    EXPECT_EQ(errorNumber([] { CCur(Variant(1e16)); }), err::Overflow);
    EXPECT_EQ(errorNumber([] { CDate(Variant("31/02/2024")); }), err::TypeMismatch);
    EXPECT_EQ(errorNumber([] { CDate(Variant(1e10)); }), err::Overflow);
    EXPECT_EQ(errorNumber([] { CBool(Variant("quizás")); }), err::TypeMismatch);
    EXPECT_EQ(errorNumber([] { CStr(Variant(QByteArray("x"))); }), err::TypeMismatch);
}

TEST(Conversions, WholeNumbersRoundHalfToEven)
{
    struct Case {
        double value;
        qint32 rounded;
    };
    const Case cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {0.5, 0}, {1.5, 2}, {2.4999, 2}, {2.5001, 3}};
    for (const Case &c : cases) {
        EXPECT_EQ(CLng(Variant(c.value)), c.rounded) << c.value;
        EXPECT_EQ(CInt(Variant(c.value)), c.rounded) << c.value;
    }
    EXPECT_EQ(CLng(Variant(Currency::fromDouble(2.5))), 2);
    EXPECT_EQ(CLng(Variant("3,5")), 4);
    EXPECT_EQ(CLng(Variant(true)), -1);
    EXPECT_EQ(CInt(Variant(-32768.0)), -32768);
}

TEST(Conversions, CCurRoundsHalfToEvenAtTheFourthDecimal)
{
    struct Case {
        Variant value;
        qint64 raw;
    };
    // The rounding of doubles itself is Currency's; these are the kinds CCur reads first.
    const Case cases[] = {{Variant(1.00015), 10002}, {Variant("0,00025"), 2}, {Variant(7), 70000}, {Variant(), 0}};
    for (const Case &c : cases)
        EXPECT_EQ(CCur(c.value).raw(), c.raw) << qPrintable(CStr(c.value));
}

TEST(Conversions, CBoolReadsNumbersAndWords)
{
    const std::pair<Variant, bool> cases[] = {
        {Variant(-1), true},       {Variant(0.1), true},    {Variant(0), false},
        {Variant(), false},        {Variant("true"), true}, {Variant("Verdadero"), true},
        {Variant("FALSO"), false}, {Variant("2"), true},    {Variant("0"), false},
    };
    for (const auto &[value, truth] : cases)
        EXPECT_EQ(CBool(value), truth) << qPrintable(CStr(value));
}

TEST(Conversions, CDateReadsDayFirstTextAndSerials)
{
    EXPECT_EQ(CDate(Variant("05/03/2024")), at(2024, 3, 5));
    EXPECT_EQ(CDate(Variant("5/3/24 10:30")), at(2024, 3, 5, 10, 30));
    EXPECT_EQ(CDate(Variant(36526.5)), at(2000, 1, 1, 12));
    EXPECT_EQ(CDate(Variant(at(2020, 2, 29))), at(2020, 2, 29));
}

TEST(Conversions, ValReadsTheLeadingNumberWithAPoint)
{
    struct Case {
        const char *text;
        double value;
    };
    const Case cases[] = {
        {"  12abc", 12.0}, {"1 2 3", 123.0},  {"1234.5", 1234.5}, {"1,5", 1.0}, {"", 0.0},
        {"abc", 0.0},      {"-3.25x", -3.25}, {" - 4", -4.0},     {"+7", 7.0},  {"1.2.3", 1.2},
        {"1e3", 1000.0},   {"2D2", 200.0},    {"1e", 1.0},        {".5", 0.5},  {"\t8\n9", 89.0},
        {"-", 0.0},        {"12-3", 12.0},    {"7ť5", 7.0}, // a letter whose low byte is "e"
    };
    for (const Case &c : cases)
        EXPECT_DOUBLE_EQ(Val(QString::fromUtf8(c.text)), c.value) << c.text;
    EXPECT_FALSE(std::signbit(Val(QStringLiteral("-0"))));
    EXPECT_EQ(errorNumber([] { Val(QStringLiteral("1e999")); }), err::Overflow);
}

TEST(Conversions, IsNumericAndIsDateTellWhatConverts)
{
    struct Case {
        Variant value;
        bool numeric;
        bool date;
    };
    const Case cases[] = {
        {Variant("1.234,50"), true, false},   {Variant(" 12 "), true, false},  {Variant("12abc"), false, false},
        {Variant(""), false, false},          {Variant(), true, false},        {Variant::null(), false, false},
        {Variant(3.5), true, false},          {Variant(true), true, false},    {Variant(at(2024, 1, 1)), false, true},
        {Variant("31/12/2024"), false, true}, {Variant("12:30"), false, true}, {Variant("30/02/2024"), false, false},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(IsNumeric(c.value), c.numeric) << qPrintable(Concat({c.value}));
        EXPECT_EQ(IsDate(c.value), c.date) << qPrintable(Concat({c.value}));
    }
    EXPECT_TRUE(IsNull(Variant::null()));
    EXPECT_FALSE(IsNull(Variant()));
    EXPECT_TRUE(IsEmpty(Variant()));
    EXPECT_FALSE(IsEmpty(Variant("")));
}

TEST(Conversions, StrWritesAPointAndASignPlace)
{
    struct Case {
        Variant value;
        const char *text;
    };
    const Case cases[] = {
        {Variant(5), " 5"},
        {Variant(-5), "-5"},
        {Variant(1234.5), " 1234.5"},
        {Variant(0.5), " .5"},
        {Variant(-0.25), "-.25"},
        {Variant(0), " 0"},
        {Variant(Currency::fromDouble(12.5)), " 12.5"},
        {Variant(Currency::fromDouble(-0.5)), "-.5"},
        {Variant("1,5"), " 1.5"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Str(c.value), QString::fromUtf8(c.text)) << c.text;
    EXPECT_EQ(errorNumber([] { Str(Variant::null()); }), err::InvalidUseOfNull);
}

TEST(Conversions, ConcatTurnsNullIntoNothing)
{
    EXPECT_EQ(Concat({Variant("Total: "), Variant::null(), Variant(12.5), Variant(), Variant(" $")}),
              QStringLiteral("Total: 12,5 $"));
    EXPECT_EQ(Concat({Variant::null()}), QString());
}

} // namespace
