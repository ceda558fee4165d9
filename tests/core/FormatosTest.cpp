#include "core/Formatos.h"
#include "core/Sesion.h"

#include "PruebaCore.h"

#include "platform/runtime/Regional.h"
#include "platform/runtime/RuntimeError.h"

#include <QLocale>
#include <clocale>
#include <gtest/gtest.h>
#include <ostream>

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
    ~FormatosEnC() override { QLocale::setDefault(QLocale::system()); }

    rt::RegionalScope region{rt::RegionalSettings::spanishArgentina()};
};

struct CasoMoneda {
    const char *importe;
    int decimales;
    bool miles;
    const char *esperado;
};

// The case as the test names show it.
void PrintTo(const CasoMoneda &c, std::ostream *os)
{
    *os << c.importe << " con " << c.decimales;
}

class FmtMonedaTabla : public FormatosEnC, public ::testing::WithParamInterface<CasoMoneda> {};

TEST_P(FmtMonedaTabla, WritesTheAmountAsTheSpanishWorkstationDoes)
{
    const CasoMoneda caso = GetParam();
    EXPECT_EQ(FmtMoneda(QString::fromUtf8(caso.importe), caso.decimales, caso.miles), QString::fromUtf8(caso.esperado))
        << caso.importe << " with " << caso.decimales;
}

INSTANTIATE_TEST_SUITE_P(
    Importes, FmtMonedaTabla,
    ::testing::Values(CasoMoneda{"1234,5", 2, true, "1.234,50"}, CasoMoneda{"1234,5", 2, false, "1234,50"},
                      CasoMoneda{"1234567,891", 2, true, "1.234.567,89"},
                      CasoMoneda{"999999999999,99", 2, true, "999.999.999.999,99"},
                      // Ties go to the even cent, as the printed totals always did.
                      CasoMoneda{"0,125", 2, true, "0,12"}, CasoMoneda{"0,375", 2, true, "0,38"},
                      CasoMoneda{"0,005", 2, true, "0,00"}, CasoMoneda{"0,015", 2, true, "0,02"},
                      CasoMoneda{"0,0051", 2, true, "0,01"}, CasoMoneda{"-0,005", 2, true, "0,00"},
                      CasoMoneda{"-1234,565", 2, true, "-1.234,56"}, CasoMoneda{"-1234,575", 2, true, "-1.234,58"},
                      CasoMoneda{"0", 2, true, "0,00"}, CasoMoneda{"", 2, true, "0,00"},
                      CasoMoneda{"no es un número", 2, true, "0,00"},
                      CasoMoneda{"2,5", DecimalesNinguno, true, "2"}, CasoMoneda{"3,5", DecimalesNinguno, true, "4"},
                      CasoMoneda{"1000000", DecimalesNinguno, true, "1.000.000"},
                      CasoMoneda{"1234,5", DecimalesDeLaRegion, true, "1.234,50"},
                      CasoMoneda{"1234,56789", 4, false, "1234,5679"}, CasoMoneda{"1,5", 6, false, "1,500000"},
                      CasoMoneda{"1234,5", DecimalesSinFormato, true, "1234,5"},
                      CasoMoneda{"no es un número", DecimalesSinFormato, true, "no es un número"}));

struct CasoConfigurado {
    const char *configurado;
    const char *esperado;
};

// The case as the test names show it.
void PrintTo(const CasoConfigurado &c, std::ostream *os)
{
    *os << '"' << c.configurado << '"';
}

class FmtMonedaConfigurada : public FormatosEnC, public ::testing::WithParamInterface<CasoConfigurado> {};

TEST_P(FmtMonedaConfigurada, TakesTheConfiguredDecimals)
{
    gCantidadDecimales = QString::fromUtf8(GetParam().configurado);
    EXPECT_EQ(FmtMoneda(QStringLiteral("1234,5"), DecimalesConfigurados, true), QString::fromUtf8(GetParam().esperado))
        << "configured \"" << GetParam().configurado << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Decimales, FmtMonedaConfigurada,
    ::testing::Values(CasoConfigurado{"3", "1.234,500"}, CasoConfigurado{"1", "1.234,5"},
                      // 0, blank or not a number: the region's currency digits.
                      CasoConfigurado{"0", "1.234,50"}, CasoConfigurado{" ", "1.234,50"},
                      CasoConfigurado{"dos", "1.234,50"}, CasoConfigurado{"-2", "1.234"},
                      // Any other negative count would make an invalid mask: two decimals.
                      CasoConfigurado{"-1", "1.234,50"}, CasoConfigurado{"-5", "1.234,50"}));

TEST_F(FormatosEnC, MoneyFollowsTheRegionalSettingsInUse)
{
    const rt::RegionalScope estadounidense(rt::RegionalSettings::englishUnitedStates());
    EXPECT_EQ(FmtMoneda(QStringLiteral("1234.5"), 2, true), QStringLiteral("1,234.50"));
    EXPECT_EQ(FmtMoneda(QStringLiteral("7"), DecimalesNinguno, true), QStringLiteral("7"));
    EXPECT_EQ(SeparadorDecimal(), QStringLiteral("."));
}

TEST_F(FormatosEnC, AmountsBeyondTheMoneyRangeRaiseOverflow)
{
    try {
        FmtMoneda(QStringLiteral("99999999999999999999"), 2, true);
        FAIL() << "no error raised";
    } catch (const rt::RuntimeError &error) {
        EXPECT_EQ(error.Number, rt::err::Overflow);
    }
}

TEST_F(FormatosEnC, DecimalSeparatorOfTheRegion)
{
    EXPECT_EQ(SeparadorDecimal(), QStringLiteral(","));
}

struct CasoHoras {
    double minutos;
    bool fijo;
    const char *separadorConfigurado; // nullptr: no key
    const char *esperado;
    qint32 horas;
    qint32 resto;
};

// The case as the test names show it.
void PrintTo(const CasoHoras &c, std::ostream *os)
{
    *os << c.minutos << " minutos";
}

class MinutosAHorasTabla : public FormatosEnC, public ::testing::WithParamInterface<CasoHoras> {};

TEST_P(MinutosAHorasTabla, WritesHoursWithTheConfiguredSeparator)
{
    const CasoHoras caso = GetParam();
    abrirBaseDatos();
    if (caso.separadorConfigurado)
        db.execute(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('SeparadorHora', '%1')")
                       .arg(QString::fromUtf8(caso.separadorConfigurado)));
    qint32 horas = -1;
    qint32 resto = -1;
    EXPECT_EQ(MinutosAHoras(caso.minutos, horas, resto, caso.fijo), QString::fromUtf8(caso.esperado));
    EXPECT_EQ(horas, caso.horas);
    EXPECT_EQ(resto, caso.resto);
}

INSTANTIATE_TEST_SUITE_P(
    Horas, MinutosAHorasTabla,
    ::testing::Values(CasoHoras{135, false, nullptr, "02:15", 2, 15}, CasoHoras{6000, false, nullptr, "100:00", 100, 0},
                      CasoHoras{135, false, "h", "02h15", 2, 15}, CasoHoras{135, false, " ", "02:15", 2, 15},
                      CasoHoras{134.5, false, nullptr, "02:14", 2, 14}, CasoHoras{135.5, false, nullptr, "02:16", 2, 16},
                      // With "." the hours are decimal, written with a point whatever the region,
                      // and the two numbers are not given back.
                      CasoHoras{90, false, ".", "1.50", -1, -1}, CasoHoras{30, false, ".", ".50", -1, -1},
                      CasoHoras{90, true, ".", "01:30", 1, 30}));

} // namespace
