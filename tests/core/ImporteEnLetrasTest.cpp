#include "core/ImporteEnLetras.h"

#include "PruebaCore.h"

#include "platform/runtime/Regional.h"

#include <QLocale>
#include <clocale>
#include <gtest/gtest.h>
#include <ostream>

namespace {

class EnLetras : public PruebaCore {
protected:
    EnLetras()
    {
        std::setlocale(LC_ALL, "C");
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    ~EnLetras() override { QLocale::setDefault(QLocale::system()); }

    rt::RegionalScope region{rt::RegionalSettings::spanishArgentina()};
};

struct CasoNumero {
    const char *numero;
    const char *palabras;
};

// The case as the test names show it.
void PrintTo(const CasoNumero &c, std::ostream *os)
{
    *os << c.numero;
}

class NumeroEnLetrasTabla : public EnLetras, public ::testing::WithParamInterface<CasoNumero> {};

TEST_P(NumeroEnLetrasTabla, WritesTheWholeNumberInSpanish)
{
    EXPECT_EQ(NumeroEnLetras(QString::fromUtf8(GetParam().numero)), QString::fromUtf8(GetParam().palabras))
        << GetParam().numero;
}

INSTANTIATE_TEST_SUITE_P(
    Numeros, NumeroEnLetrasTabla,
    ::testing::Values(
        // "un", never "uno", wherever the units end the number.
        CasoNumero{"1", "un"}, CasoNumero{"21", "veintiun"}, CasoNumero{"31", "treinta y un"},
        CasoNumero{"1001", "un mil un"}, CasoNumero{"10", "diez"}, CasoNumero{"11", "once"},
        CasoNumero{"15", "quince"}, CasoNumero{"16", "dieciseis"}, CasoNumero{"20", "veinte"},
        CasoNumero{"22", "veintidos"}, CasoNumero{"99", "noventa y nueve"}, CasoNumero{"100", "cien"},
        CasoNumero{"101", "ciento un"}, CasoNumero{"115", "ciento quince"}, CasoNumero{"200", "doscientos"},
        CasoNumero{"555", "quinientos cincuenta y cinco"}, CasoNumero{"1000", "un mil"},
        CasoNumero{"100000", "cien mil"}, CasoNumero{"1234", "un mil doscientos treinta y cuatro"},
        // A millions group of one says "un millón" once.
        CasoNumero{"1000000", "un millón"}, CasoNumero{"1000001", "un millón un"},
        CasoNumero{"1500000", "un millón quinientos mil"}, CasoNumero{"2000001", "dos millones un"},
        CasoNumero{"2500000", "dos millones quinientos mil"}, CasoNumero{"21000000", "veintiun millones"},
        CasoNumero{"1000000000", "un mil millones"}, CasoNumero{"1001000000", "un mil un millones"},
        CasoNumero{"999999999999", "novecientos noventa y nueve mil novecientos noventa y nueve millones "
                                   "novecientos noventa y nueve mil novecientos noventa y nueve"},
        // From 10^12 on the leading digits are not lost: they are billions.
        CasoNumero{"1000000000000", "un billón"}, CasoNumero{"2000000000001", "dos billones un"},
        CasoNumero{"1000001000000", "un billón un millón"},
        CasoNumero{"922337203685477", "novecientos veintidos billones trescientos treinta y siete mil doscientos "
                                      "tres millones seiscientos ochenta y cinco mil cuatrocientos setenta y siete"},
        CasoNumero{"-5", "menos cinco"}, CasoNumero{"-1234", "menos un mil doscientos treinta y cuatro"},
        CasoNumero{"0", "cero"}, CasoNumero{"0,99", "cero"}, CasoNumero{"-0,5", "cero"},
        CasoNumero{"1,99", "un"}, CasoNumero{"", "cero"}, CasoNumero{"veinte", "cero"}));

struct CasoImporte {
    const char *importe;
    const char *moneda; // nullptr: no currency
    const char *texto;
};

// The case as the test names show it.
void PrintTo(const CasoImporte &c, std::ostream *os)
{
    *os << c.importe;
}

class ImporteEnLetrasTabla : public EnLetras, public ::testing::WithParamInterface<CasoImporte> {};

TEST_P(ImporteEnLetrasTabla, WritesTheAmountAsTheReceiptPrintsIt)
{
    const CasoImporte caso = GetParam();
    const std::optional<QString> moneda =
        caso.moneda ? std::optional<QString>(QString::fromUtf8(caso.moneda)) : std::nullopt;
    EXPECT_EQ(ImporteEnLetras(QString::fromUtf8(caso.importe), std::nullopt, moneda), QString::fromUtf8(caso.texto))
        << caso.importe;
}

INSTANTIATE_TEST_SUITE_P(
    Importes, ImporteEnLetrasTabla,
    ::testing::Values(
        CasoImporte{"1234,50", "Pesos", "un mil doscientos treinta y cuatro Pesos con 50/100"},
        CasoImporte{"1234,5", " Pesos ", "un mil doscientos treinta y cuatro Pesos con 50/100"},
        CasoImporte{"1234", "Pesos", "un mil doscientos treinta y cuatro Pesos con 00/100"},
        CasoImporte{"1234,00", "Pesos", "un mil doscientos treinta y cuatro Pesos"},
        CasoImporte{"1 234,50", "Pesos", "un mil doscientos treinta y cuatro Pesos con 50/100"},
        CasoImporte{"5,07", nullptr, "cinco con 07/100"}, CasoImporte{"21,01", "Pesos", "veintiun Pesos con 01/100"},
        // The cents agree with the printed total: rounded half to even, not cut.
        CasoImporte{"10,999", nullptr, "once"}, CasoImporte{"10,994", nullptr, "diez con 99/100"},
        CasoImporte{"10,995", nullptr, "once"}, CasoImporte{"10,985", nullptr, "diez con 98/100"},
        CasoImporte{"0,005", "Pesos", "cero Pesos"}, CasoImporte{"0,015", "Pesos", "cero Pesos con 02/100"},
        CasoImporte{"1999999,995", "Pesos", "dos millones Pesos"},
        CasoImporte{"0,50", "Pesos", "cero Pesos con 50/100"}, CasoImporte{"0", "Pesos", "cero Pesos con 00/100"},
        CasoImporte{"-5", "Pesos", "menos cinco Pesos con 00/100"},
        CasoImporte{"-1234,5", "Pesos", "menos un mil doscientos treinta y cuatro Pesos con 50/100"},
        CasoImporte{"-0,5", "Pesos", "cero Pesos con 50/100"},
        CasoImporte{"1000000", "Pesos", "un millón Pesos con 00/100"},
        CasoImporte{"2500000,25", "Pesos", "dos millones quinientos mil Pesos con 25/100"},
        CasoImporte{"1000000000000,10", "Pesos", "un billón Pesos con 10/100"},
        CasoImporte{"no es un número", "Pesos", "cero Pesos con 00/100"}));

TEST_F(EnLetras, FitsTheWordsIntoTheGivenWidth)
{
    EXPECT_EQ(ImporteEnLetras(QStringLiteral("5"), 10, QStringLiteral("Pesos")), QStringLiteral("cinco Peso con 00/100"));
    EXPECT_EQ(ImporteEnLetras(QStringLiteral("5,5"), 30, QStringLiteral("Pesos")),
              QStringLiteral("cinco Pesos con 50/100").leftJustified(30, QLatin1Char(' ')));
    EXPECT_EQ(ImporteEnLetras(QStringLiteral("5,5"), 0, QStringLiteral("Pesos")), QStringLiteral("cinco Pesos con 50/100"));
}

TEST_F(EnLetras, CentsWordChangesNothing)
{
    EXPECT_EQ(ImporteEnLetras(QStringLiteral("3,25"), std::nullopt, QStringLiteral("Pesos"), QStringLiteral("Centavos")),
              QStringLiteral("tres Pesos con 25/100"));
}

TEST_F(EnLetras, ReadsTheAmountWithTheRegionsSeparator)
{
    const rt::RegionalScope estadounidense(rt::RegionalSettings::englishUnitedStates());
    EXPECT_EQ(ImporteEnLetras(QStringLiteral("1234.50"), std::nullopt, QStringLiteral("Pesos")),
              QStringLiteral("un mil doscientos treinta y cuatro Pesos con 50/100"));
}

} // namespace
