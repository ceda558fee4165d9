#include "platform/report/ValueFormatter.h"

#include <gtest/gtest.h>

namespace {

TEST(ValueFormatterTest, CharacterMasksPlaceTheTextsCharactersInTurn)
{
    const struct {
        const char *valor;
        const char *mascara;
        const char *esperado;
    } casos[] = {
        {"000100000123A", "@@@@-@@@@@@@@", "0001-00000123"},
        {"000100000123A", "@@@@-@@@@@@@@ @", "0001-00000123 A"},
        {"0001", "@@@@-@@@@@@@@", "0001-"},
        {"", "@@@@", ""},
    };
    for (const auto &caso : casos) {
        EXPECT_EQ(
            report::formatReportValue(rt::Variant(QString::fromLatin1(caso.valor)), QString::fromLatin1(caso.mascara)),
            QString::fromLatin1(caso.esperado))
            << caso.valor << " " << caso.mascara;
    }
}

} // namespace
