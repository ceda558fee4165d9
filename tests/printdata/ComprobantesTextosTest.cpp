// The text helpers of the voucher print rows, case by case.
#include "PruebaComprobantes.h"

#include "printdata/vouchers/AuxiliarComprobantes.h"
#include "printdata/vouchers/LotesSeries.h"
#include "printdata/vouchers/SentenciasComprobantes.h"
#include "printdata/vouchers/TextosComprobante.h"

#include <gtest/gtest.h>

namespace {

namespace SC = SentenciasComprobantes;

TEST(FormatoNroAS400, WritesFixedWidthDigitsWithTheRegionsSeparator)
{
    struct Caso {
        const char *texto;
        int enteros;
        int decimales;
        const char *esperado;
    };
    const Caso casos[] = {
        {"1234,5", 13, 2, "000000000123450"},
        {"1234", 13, 2, "000000000123400"},
        {"1050,25", 13, 6, "0000000001050250000"},
        {"1234,5678", 13, 2, "000000000123456"},
        {"12345", 3, 0, "12345"},
        {"0", 0, 0, "0"},
        {"-1234,5", 13, 2, "-000000000123450"},
        {"-0,5", 5, 2, "-0000050"},
        // A point is not the separator of the region: the number ends there.
        {"1234.5", 6, 2, "00123400"},
    };
    for (const Caso &c : casos)
        EXPECT_EQ(FormatoNroAS400(QString::fromUtf8(c.texto), c.enteros, c.decimales), c.esperado) << c.texto;
}

TEST(ConvierteAcentosRTF, TurnsEveryAccentedEscapeIntoItsLetter)
{
    const std::pair<const char *, const char *> casos[] = {
        {"acci\\f3n r\\e1pida", "acción rápida"},
        {"caf\\E9 y ma\\EDz", "café y maíz"},
        {"men\\fa", "menú"},
        {"Men\\'fa \\'c1rbol \\'f1and\\'fa", "Menú Árbol ñandú"},
        {"Menú", "Menú"},
        {"1\\'d72", "1\\'d72"},
    };
    for (const auto &[texto, esperado] : casos) {
        QString variable = QString::fromUtf8(texto);
        EXPECT_EQ(ConvierteAcentosRTF(variable), QString::fromUtf8(esperado)) << texto;
        EXPECT_EQ(variable, QString::fromUtf8(esperado)) << texto;
    }
}

class CuentaSeriesLotes : public support::ProgramTest { };

TEST_F(CuentaSeriesLotes, KeepsTheLotsWhoseNumberIsAboveZero)
{
    struct Caso {
        QString lote;
        const char *serie;
        const char *esperado;
    };
    const Caso casos[] = {
        {"L1|L2|L3", "2|0|1", "L1 L3 "},
        {"L1|L2", "5", "L1 "},
        {"L1", "", ""},
        {" |L1", "3", "L1 "},
        {QStringLiteral("L1") + CaracterLote() + QStringLiteral("|L2"), "1|1", "L1 L2 "},
    };
    for (const Caso &c : casos) {
        QString lote = c.lote;
        EXPECT_EQ(Cuenta_Series_Lotes(lote, c.serie), c.esperado) << c.lote.toStdString();
        EXPECT_FALSE(lote.contains(CaracterLote()));
    }
}

TEST(CuentaSeriesYLotes, SplitsAtBarsWithATrailingEmptySlot)
{
    const std::pair<const char *, QStringList> casos[] = {
        {"A|B|C", {"A", "B", "C", ""}}, {"|A", {"A", ""}}, {"A|", {"A", ""}},
        {" A | B ", {"A", "B", ""}},    {"", {""}},        {"A||B", {"A", "", "B", ""}},
    };
    for (const auto &[texto, esperado] : casos) {
        QStringList items;
        Cuenta_Series_Y_Lotes(texto, items);
        EXPECT_EQ(items, esperado) << texto;
    }
}

TEST(TipoDocumentoQR, GivesTheAgencysCodeOfTheBuyersDocument)
{
    const std::pair<int, int> casos[] = {{80, 80}, {86, 86}, {96, 96}, {0, 99}, {87, 99}, {99, 99}};
    for (const auto &[tipo, codigo] : casos)
        EXPECT_EQ(AuxiliarComprobantes::TipoDocumentoQR(tipo), codigo) << tipo;
}

TEST(SentenciasComprobantes, SelectionFiltersFollowTheRequest)
{
    EXPECT_EQ(SC::filtroLista("FC", "'000100000001A','000100000002A'"),
              " WHERE TC = 'FC' AND IdComprobante IN ( '000100000001A','000100000002A')");
    EXPECT_EQ(SC::filtroIds("3,4"), " WHERE ID IN(3,4)");
    EXPECT_EQ(SC::filtroIdsDelTipo("NC", "7"), " WHERE TC = 'NC' AND ID IN(7)");
    EXPECT_EQ(SC::filtroRango("FC", "", 0, "", 0),
              " WHERE TC = 'FC' AND (IDCOMPROBANTE >= '' AND IDCOMPLEMENTO >= 0) ");
    EXPECT_EQ(SC::filtroRango("FC", "000100000001A", 0, "", 0),
              " WHERE TC = 'FC' AND (IDCOMPROBANTE >= '000100000001A' AND IDCOMPLEMENTO >= 0)  AND (IDCOMPROBANTE <= "
              "'000100000001A' AND IDCOMPLEMENTO <= 0) ");
    EXPECT_EQ(SC::filtroRango("FC", "000100000001A", 1, "000100000009A", 2),
              " WHERE TC = 'FC' AND (IDCOMPROBANTE >= '000100000001A' AND IDCOMPLEMENTO >= 1)  AND IDCOMPROBANTE <= "
              "'000100000009A' AND IDCOMPLEMENTO <= 2");
    // A value with an apostrophe stays one literal.
    EXPECT_EQ(SC::despachoLote("L'1"), " select * from stk_despachos where ltrim(rtrim(NroLote)) = 'L''1 '");
}

} // namespace
