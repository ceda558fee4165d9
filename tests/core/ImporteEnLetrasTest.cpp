#include "core/ImporteEnLetras.h"

#include "support/PruebaCore.h"

#include "platform/runtime/Regional.h"

#include <QLocale>
#include <clocale>
#include <gtest/gtest.h>

namespace {

class EnLetras : public PruebaCore {
protected:
    EnLetras()
    {
        std::setlocale(LC_ALL, "C");
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    ~EnLetras() override { QLocale::setDefault(anterior); }

    const QLocale anterior; // the test host's, put back after

    rt::RegionalScope region{rt::RegionalSettings::spanishArgentina()};
};

TEST_F(EnLetras, NumeroEnLetrasWritesTheWholeNumberInSpanish)
{
    // "un", never "uno", wherever the units end the number; a millions group of one says "un millón"
    // once; from 10^12 on the leading digits are not lost: they are billions.
    const std::pair<const char *, const char *> casos[] = {
        {"1", "un"},
        {"21", "veintiun"},
        {"31", "treinta y un"},
        {"1001", "un mil un"},
        {"10", "diez"},
        {"11", "once"},
        {"15", "quince"},
        {"16", "dieciseis"},
        {"20", "veinte"},
        {"22", "veintidos"},
        {"99", "noventa y nueve"},
        {"100", "cien"},
        {"101", "ciento un"},
        {"115", "ciento quince"},
        {"200", "doscientos"},
        {"555", "quinientos cincuenta y cinco"},
        {"1000", "un mil"},
        {"100000", "cien mil"},
        {"1234", "un mil doscientos treinta y cuatro"},
        {"1000000", "un millón"},
        {"1000001", "un millón un"},
        {"1500000", "un millón quinientos mil"},
        {"2000001", "dos millones un"},
        {"2500000", "dos millones quinientos mil"},
        {"21000000", "veintiun millones"},
        {"1000000000", "un mil millones"},
        {"1001000000", "un mil un millones"},
        {"999999999999", "novecientos noventa y nueve mil novecientos noventa y nueve millones "
                         "novecientos noventa y nueve mil novecientos noventa y nueve"},
        {"1000000000000", "un billón"},
        {"2000000000001", "dos billones un"},
        {"1000001000000", "un billón un millón"},
        {"922337203685477", "novecientos veintidos billones trescientos treinta y siete mil doscientos "
                            "tres millones seiscientos ochenta y cinco mil cuatrocientos setenta y siete"},
        {"-5", "menos cinco"},
        {"-1234", "menos un mil doscientos treinta y cuatro"},
        {"0", "cero"},
        {"0,99", "cero"},
        {"-0,5", "cero"},
        {"1,99", "un"},
        {"", "cero"},
        {"veinte", "cero"}};
    for (const auto &[numero, palabras] : casos)
        EXPECT_EQ(NumeroEnLetras(numero), palabras) << numero;
}

TEST_F(EnLetras, ImporteEnLetrasWritesTheAmountAsTheReceiptPrintsIt)
{
    // The amount, the currency (nullptr: none) and the text. The words say the figure a form
    // prints beside them: cents rounded halves away from zero, not cut; the sign where it shows.
    const std::tuple<const char *, const char *, const char *> casos[] = {
        {"1234,50", "Pesos", "un mil doscientos treinta y cuatro Pesos con 50/100"},
        {"1234,5", " Pesos ", "un mil doscientos treinta y cuatro Pesos con 50/100"},
        {"1234", "Pesos", "un mil doscientos treinta y cuatro Pesos con 00/100"},
        {"1234,00", "Pesos", "un mil doscientos treinta y cuatro Pesos"},
        {"1 234,50", "Pesos", "un mil doscientos treinta y cuatro Pesos con 50/100"},
        {"5,07", nullptr, "cinco con 07/100"},
        {"21,01", "Pesos", "veintiun Pesos con 01/100"},
        {"10,999", nullptr, "once"},
        {"10,994", nullptr, "diez con 99/100"},
        {"10,995", nullptr, "once"},
        {"10,985", nullptr, "diez con 99/100"},
        {"1,005", "Pesos", "un Pesos con 01/100"},
        {"1234,565", "Pesos", "un mil doscientos treinta y cuatro Pesos con 57/100"},
        {"0,025", "Pesos", "cero Pesos con 03/100"},
        {"0,015", "Pesos", "cero Pesos con 02/100"},
        {"-0,005", "Pesos", "menos cero Pesos con 01/100"},
        {"-0,004", "Pesos", "cero Pesos"},
        {"-1,005", "Pesos", "menos un Pesos con 01/100"},
        {"1999999,995", "Pesos", "dos millones Pesos"},
        {"0,50", "Pesos", "cero Pesos con 50/100"},
        {"0", "Pesos", "cero Pesos con 00/100"},
        {"-5", "Pesos", "menos cinco Pesos con 00/100"},
        {"-1234,5", "Pesos", "menos un mil doscientos treinta y cuatro Pesos con 50/100"},
        {"-0,5", "Pesos", "menos cero Pesos con 50/100"},
        {"1000000", "Pesos", "un millón Pesos con 00/100"},
        {"2500000,25", "Pesos", "dos millones quinientos mil Pesos con 25/100"},
        {"1000000000000,10", "Pesos", "un billón Pesos con 10/100"},
        {"no es un número", "Pesos", "cero Pesos con 00/100"}};
    for (const auto &[importe, moneda, texto] : casos) {
        const auto enMoneda = moneda ? std::optional<QString>(moneda) : std::nullopt;
        EXPECT_EQ(ImporteEnLetras(importe, std::nullopt, enMoneda), texto) << importe;
    }
}

TEST_F(EnLetras, FitsTheWordsIntoTheGivenWidth)
{
    EXPECT_EQ(ImporteEnLetras("5", 10, "Pesos"), "cinco Peso con 00/100");
    EXPECT_EQ(ImporteEnLetras("5,5", 30, "Pesos"),
              QStringLiteral("cinco Pesos con 50/100").leftJustified(30, QLatin1Char(' ')));
    EXPECT_EQ(ImporteEnLetras("5,5", 0, "Pesos"), "cinco Pesos con 50/100");
}

TEST_F(EnLetras, CentsWordChangesNothing)
{
    EXPECT_EQ(ImporteEnLetras("3,25", std::nullopt, "Pesos", "Centavos"), "tres Pesos con 25/100");
}

TEST_F(EnLetras, ReadsTheAmountWithTheRegionsSeparator)
{
    const rt::RegionalScope estadounidense(rt::RegionalSettings::englishUnitedStates());
    EXPECT_EQ(ImporteEnLetras("1234.50", std::nullopt, "Pesos"), "un mil doscientos treinta y cuatro Pesos con 50/100");
}

} // namespace
