#include "platform/runtime/Format.h"
#include "platform/runtime/Regional.h"

#include <gtest/gtest.h>

using namespace rt;

namespace {

struct MaskCase {
    Variant value;
    const char *mask;
    const char *text;
};

void expectAll(std::initializer_list<MaskCase> cases)
{
    for (const MaskCase &c : cases)
        EXPECT_EQ(Format(c.value, QString::fromUtf8(c.mask)), QString::fromUtf8(c.text)) << c.mask;
}

TEST(FormatNumbers, MoneyMasksInSpanishArgentina)
{
    expectAll({
        {Variant(1234.5), "###,###,###,###0.00", "1.234,50"},
        {Variant(1234.5), "############0.00", "1234,50"},
        {Variant(1234567.891), "###,###,###,###0.00", "1.234.567,89"},
        {Variant(-1234567.5), "#,##0.00", "-1.234.567,50"},
        {Variant(0.0), "###,###,###,###0.00", "0,00"},
        {Variant(999.999), "#,##0.00", "1.000,00"},
        {Variant(123456789012.34), "###,###,###,###0.00", "123.456.789.012,34"},
        {Variant(5.0), "########0.00", "5,00"},
        {Variant(-0.5), "0.00", "-0,50"},
        {Variant(0.125), "0.00", "0,13"}, // halves go away from zero
        {Variant(-0.125), "0.00", "-0,13"},
        {Variant(1.005), "0.00", "1,01"}, // as written, not as stored in binary
        {Variant(-0.001), "0.00", "0,00"},
        {Variant(2.5), "0", "3"},
        {Variant(1234.0), "00000000", "00001234"},
        {Variant(1234.5), "###,###,###,###0.", "1.235,"},
    });
}

TEST(FormatNumbers, OptionalDigitsAndThePoint)
{
    expectAll({
        {Variant(1.5), "#####.00", "1,50"},
        {Variant(0.5), "#####.00", ",50"},
        {Variant(25.5), "#.#", "25,5"},
        {Variant(25.0), "#.##", "25,"},
        {Variant(7), "#####00", "07"},
        {Variant(135), "#####00", "135"},
        {Variant(0), "#", ""},
        {Variant(3.14159), "0.0###", "3,1416"},
        {Variant(3.1), "0.0###", "3,1"},
    });
}

TEST(FormatNumbers, OtherValueKinds)
{
    expectAll({
        {Variant(Currency::fromRaw(12345678901234567)), "#,##0.0000", "1.234.567.890.123,4567"},
        {Variant(Currency::fromDouble(0.005)), "0.00", "0,01"},
        {Variant("1234,5"), "#,##0.00", "1.234,50"},
        {Variant("no es número"), "#,##0.00", "no es número"},
        {Variant(true), "0", "-1"},
        {Variant::integer(12), "$ 0.00 c/u", "$ 12,00 c/u"},
        {Variant::null(), "0.00", ""},
        {Variant(), "0.00", ""},
    });
}

// Currency amounts go the integer way: the same texts as the numbers they hold.
TEST(FormatNumbers, CurrencyAmounts)
{
    const auto money = [](qint64 tenThousandths) { return Variant(Currency::fromRaw(tenThousandths)); };
    expectAll({
        {money(12345000), "###,###,###,###0.00", "1.234,50"},
        {money(12345678910), "###,###,###,###0.00", "1.234.567,89"},
        {money(-12345675000), "#,##0.00", "-1.234.567,50"},
        {money(0), "###,###,###,###0.00", "0,00"},
        {money(9999990), "#,##0.00", "1.000,00"},
        {money(1250), "0.00", "0,13"},
        {money(-1250), "0.00", "-0,13"},
        {money(-49), "0.00", "0,00"},
        {money(-50), "0.00", "-0,01"},
        {money(25000), "0", "3"},
        {money(12345000), "###,###,###,###0.", "1.235,"},
        {money(12345000), "############0.", "1235,"},
        {money(5000), "#####.00", ",50"},
        {money(250000), "#.##", "25,"},
        {money(70000), "#####00", "07"},
        {money(0), "#", ""},
        {money(31416), "0.0###", "3,1416"},
        {money(31000), "0.0###", "3,1"},
        {money(31416), "0.000000", "3,141600"},
        {money(INT64_MAX), "#,##0.00", "922.337.203.685.477,58"},
        {money(INT64_MIN), "0.0000", "-922337203685477,5808"},
        {money(120000), "$ 0.00 c/u", "$ 12,00 c/u"},
    });
}

TEST(FormatNumbers, FollowAPinnedRegion)
{
    RegionalScope pinned(RegionalSettings::englishUnitedStates());
    expectAll({
        {Variant(1234.5), "###,###,###,###0.00", "1,234.50"},
        {Variant(-0.5), "0.00", "-0.50"},
    });
}

TEST(FormatDates, DayFirstMasks)
{
    const Variant moment(DateTime::fromParts(2024, 3, 5, 9, 7, 3));
    expectAll({
        {moment, "dd/mm/yyyy", "05/03/2024"},
        {moment, "dd/mm/yy", "05/03/24"},
        {moment, "dd/mm/yy hh:mm", "05/03/24 09:07"},
        {moment, "hh:mm", "09:07"},
        {moment, "hh:mm:ss", "09:07:03"},
        {moment, "yyyymmdd", "20240305"},
        {moment, "yyyy-mm-dd", "2024-03-05"},
        {moment, "d/m/yyyy", "5/3/2024"},
        {moment, "DD/MM/YYYY", "05/03/2024"},
        {moment, "hh:nn", "09:07"},
        {Variant(DateTime::fromParts(2024, 12, 31, 23, 59, 59)), "dd/mm/yy hh:mm", "31/12/24 23:59"},
    });
}

TEST(FormatDates, TextsAndNumbersAreReadAsDates)
{
    expectAll({
        {Variant("15/03/2024"), "yyyymmdd", "20240315"},
        {Variant("sin fecha"), "dd/mm/yyyy", "sin fecha"},
        {Variant(36526.25), "dd/mm/yyyy hh:mm", "01/01/2000 06:00"},
    });
}

TEST(FormatDates, SeparatorsComeFromTheRegion)
{
    RegionalSettings dashed = RegionalSettings::spanishArgentina();
    dashed.dateSeparator = QLatin1Char('-');
    dashed.timeSeparator = QLatin1Char('.');
    RegionalScope pinned(dashed);
    expectAll({{Variant(DateTime::fromParts(2024, 3, 5, 9, 7)), "dd/mm/yy hh:mm", "05-03-24 09.07"}});
}

TEST(Format, EmptyMaskGivesTheText)
{
    expectAll({
        {Variant("  tal cual  "), "", "  tal cual  "},
        {Variant(1234.5), "", "1234,5"},
        {Variant(DateTime::fromParts(2024, 3, 5)), "", "05/03/2024"},
        {Variant::null(), "", ""},
    });
}

} // namespace
