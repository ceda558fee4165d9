#include "core/Formatos.h"
#include "session/Sesion.h"

#include "support/PruebaCore.h"

#include "platform/runtime/Regional.h"

#include <QLocale>
#include <clocale>
#include <gtest/gtest.h>

namespace {

// The machine in the C locale and Qt's default locale set to another country: the texts must
// still come out as a Spanish (Argentina) workstation writes them.
class FormatosEnC : public PruebaCore {
protected:
    FormatosEnC()
    {
        std::setlocale(LC_ALL, "C");
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    ~FormatosEnC() override { QLocale::setDefault(anterior); }

    const QLocale anterior; // the test host's, put back after

    rt::RegionalScope region{rt::RegionalSettings::spanishArgentina()};
};

TEST_F(FormatosEnC, FmtMonedaWritesTheAmountAsTheSpanishWorkstationDoes)
{
    // The amount, the decimals, whether thousands are separated, and the text.
    const std::tuple<const char *, int, bool, const char *> casos[] = {
        {"1234,5", 2, true, "1.234,50"},
        {"1234,5", 2, false, "1234,50"},
        {"999999999999,99", 2, true, "999.999.999.999,99"},
        // Ties go to the even cent, as the printed totals always did.
        {"0,125", 2, true, "0,12"},
        {"0,375", 2, true, "0,38"},
        {"0,005", 2, true, "0,00"},
        {"0,015", 2, true, "0,02"},
        {"0,0051", 2, true, "0,01"},
        {"-0,005", 2, true, "0,00"},
        {"-1234,565", 2, true, "-1.234,56"},
        {"-1234,575", 2, true, "-1.234,58"},
        {"0", 2, true, "0,00"},
        {"", 2, true, "0,00"},
        {"no es un número", 2, true, "0,00"},
        {"2,5", DecimalesNinguno, true, "2"},
        {"3,5", DecimalesNinguno, true, "4"},
        {"1000000", DecimalesNinguno, true, "1.000.000"},
        {"1234,5", DecimalesDeLaRegion, true, "1.234,50"},
        {"1234,56789", 4, false, "1234,5679"},
        {"1,5", 6, false, "1,500000"},
        {"1234,5", DecimalesSinFormato, true, "1234,5"},
        {"no es un número", DecimalesSinFormato, true, "no es un número"},
    };
    for (const auto &[importe, decimales, miles, esperado] : casos)
        EXPECT_EQ(FmtMoneda(importe, decimales, miles), esperado) << importe << " with " << decimales;
    EXPECT_EQ(errorNumber([] { FmtMoneda("99999999999999999999", 2, true); }), rt::err::Overflow)
        << "amounts beyond the money range";
}

TEST_F(FormatosEnC, FmtMonedaTakesTheConfiguredDecimals)
{
    const std::pair<const char *, const char *> casos[] = {
        {"3", "1.234,500"},
        {"1", "1.234,5"},
        // 0, blank or not a number: the region's currency digits.
        {"0", "1.234,50"},
        {" ", "1.234,50"},
        {"dos", "1.234,50"},
        {"-2", "1.234"},
        // Any other negative count would make an invalid mask: two decimals.
        {"-1", "1.234,50"},
        {"-5", "1.234,50"},
    };
    for (const auto &[configurado, esperado] : casos) {
        gCantidadDecimales = configurado;
        EXPECT_EQ(FmtMoneda("1234,5", DecimalesConfigurados, true), esperado) << "configured \"" << configurado << '"';
    }
}

TEST_F(FormatosEnC, MoneyAndTheDecimalSeparatorFollowTheRegionalSettingsInUse)
{
    EXPECT_EQ(SeparadorDecimal(), ",");
    const rt::RegionalScope estadounidense(rt::RegionalSettings::englishUnitedStates());
    EXPECT_EQ(FmtMoneda("1234.5", 2, true), "1,234.50");
    EXPECT_EQ(FmtMoneda("7", DecimalesNinguno, true), "7");
    EXPECT_EQ(SeparadorDecimal(), ".");
}

TEST_F(FormatosEnC, MinutosAHorasWritesHoursWithTheConfiguredSeparator)
{
    struct Caso {
        double minutos;
        bool fijo;
        const char *separador; // nullptr: no key
        const char *esperado;
        qint32 horas;
        qint32 resto;
    };
    const Caso casos[] = {
        {135, false, nullptr, "02:15", 2, 15},
        {6000, false, nullptr, "100:00", 100, 0},
        {135, false, "h", "02h15", 2, 15},
        {135, false, " ", "02:15", 2, 15},
        {134.5, false, nullptr, "02:14", 2, 14},
        {135.5, false, nullptr, "02:16", 2, 16},
        // With "." the hours are decimal, written with a point whatever the region, and the two
        // numbers are not given back.
        {90, false, ".", "1.50", -1, -1},
        {30, false, ".", ".50", -1, -1},
        {90, true, ".", "01:30", 1, 30},
    };
    abrirBaseDemo();
    for (const Caso &caso : casos) {
        SCOPED_TRACE(testing::Message() << caso.minutos << " minutos, separador "
                                        << (caso.separador ? caso.separador : "-"));
        db.execute("DELETE FROM TA_CONFIGURACION");
        if (caso.separador)
            db.execute(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('SeparadorHora', '%1')")
                           .arg(caso.separador));
        qint32 horas = -1;
        qint32 resto = -1;
        EXPECT_EQ(MinutosAHoras(caso.minutos, horas, resto, caso.fijo), caso.esperado);
        EXPECT_EQ(horas, caso.horas);
        EXPECT_EQ(resto, caso.resto);
    }
}

} // namespace
