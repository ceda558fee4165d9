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

TEST(ValueFormatterTest, RichTextsShowTheirPlainText)
{
    const struct {
        const char *rtf;
        const char *esperado;
    } casos[] = {
        {R"({\rtf1\ansi Se revis\'f3 el tablero})", "Se revisó el tablero"},
        {R"({\rtf1\ansi{\fonttbl{\f0 Arial;}}\f0\fs20 Primera\par Segunda \{llaves\}})", "Primera Segunda {llaves}"},
        {R"({\rtf1{\*\generator Riched20;}\pard Hola\line mundo\par})", "Hola mundo"},
    };
    for (const auto &caso : casos) {
        EXPECT_EQ(report::formatReportValue(rt::Variant(QString::fromUtf8(caso.rtf)), QString()),
                  QString::fromUtf8(caso.esperado))
            << caso.rtf;
    }
}

} // namespace
