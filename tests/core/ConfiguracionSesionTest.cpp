#include "core/ConfiguracionSesion.h"

#include "PruebaCore.h"

#include "core/Sesion.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

class ConfiguracionSesion : public PruebaCore {
protected:
    ConfiguracionSesion() { abrirBaseDatos(); }

    void configurar(const QString &clave, const QString &valor)
    {
        db.execute(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('%1', '%2')").arg(clave, valor));
    }
};

TEST_F(ConfiguracionSesion, EmptyTableGivesTheDefaults)
{
    gUsuarioLogeado = QStringLiteral("ANA");
    gColorFondo = 0xFFFFFF;
    CargarConfiguracion(QStringLiteral("/opt/comisiones/"));
    EXPECT_EQ(gTablaConfiguracion, QStringLiteral("ta_configuracion"));
    EXPECT_EQ(gArchivoTareas, QStringLiteral("/opt/comisiones/QVDOCTareas.ntw"));
    EXPECT_EQ(gCantidadDecimales, QStringLiteral(" "));
    for (bool flag : {gConfidencialidad, gUtilizarFechaDia, gMaderera, MostrarStockenConsultas, UsaFacturaProforma,
                      RazonSocialPorUneg, V_ModificaCPrecio, PideClave_LimiteCredito, AsignacionAutomaticaDeLoteINGOP})
        EXPECT_FALSE(flag);
    EXPECT_TRUE(ModuloOrdenDeTrabajo);
    EXPECT_EQ(TituloClientes, QString());
    EXPECT_EQ(gColorFondo, 16776960u);
    EXPECT_EQ(gColorLetra, 0u);
    EXPECT_EQ(PERIODO, 0);
    EXPECT_EQ(MaxDto, rt::Currency());
    EXPECT_EQ(Top_Default, QStringLiteral("1000"));
    EXPECT_EQ(gUnidadNegocio, QStringLiteral("   1"));
    EXPECT_EQ(gCondicionIva, 1);
    EXPECT_TRUE(dialogos.shown().empty());
}

struct CasoFlag {
    const char *clave;
    const char *valor;
    bool *setting;
    bool esperado;
};

// The case as the test names show it.
void PrintTo(const CasoFlag &c, std::ostream *os)
{
    *os << c.clave << "=\"" << c.valor << '"';
}

class FlagsTabla : public ConfiguracionSesion, public ::testing::WithParamInterface<CasoFlag> {};

TEST_P(FlagsTabla, ReadsEachFlagByItsRule)
{
    configurar(QString::fromUtf8(GetParam().clave), QString::fromUtf8(GetParam().valor));
    *GetParam().setting = !GetParam().esperado;
    CargarConfiguracion(QStringLiteral("/"));
    EXPECT_EQ(*GetParam().setting, GetParam().esperado) << GetParam().clave << " = \"" << GetParam().valor << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Reglas, FlagsTabla,
    ::testing::Values(CasoFlag{"SS_CONFIDENCIALIDAD", "si", &gConfidencialidad, true},
                      CasoFlag{"SS_CONFIDENCIALIDAD", "SI ", &gConfidencialidad, false},
                      CasoFlag{"UTILIZARFECHADIA", "SI", &gUtilizarFechaDia, true},
                      CasoFlag{"RazonSocialPorUneg", "SI ", &RazonSocialPorUneg, true},
                      CasoFlag{"MADERERA", "x", &gMaderera, true}, CasoFlag{"MADERERA", "no", &gMaderera, false},
                      CasoFlag{"MADERERA", " NO", &gMaderera, true}, CasoFlag{"MADERERA", "  ", &gMaderera, false},
                      CasoFlag{"ModuloOrdenDeTrabajo", " no ", &ModuloOrdenDeTrabajo, false},
                      CasoFlag{"ModuloOrdenDeTrabajo", "SI", &ModuloOrdenDeTrabajo, true},
                      CasoFlag{"PideClave_StockNeg", "SI", &PideClave_StockNeg, true},
                      CasoFlag{"USACCOSTO", "Si", &USACCOSTO, true}));

TEST_F(ConfiguracionSesion, ReadsTextsNumbersAndColours)
{
    configurar(QStringLiteral("CantidadDecimales"), QStringLiteral(" 3"));
    configurar(QStringLiteral("TituloClientes"), QStringLiteral("  Socios "));
    configurar(QStringLiteral("PERIODO"), QStringLiteral("202.5abc"));
    configurar(QStringLiteral("MaxDto"), QStringLiteral(" 12,5 "));
    configurar(QStringLiteral("CFondo"), QStringLiteral("255"));
    configurar(QStringLiteral("CLetra"), QStringLiteral("65280"));
    configurar(QStringLiteral("Top_Default"), QStringLiteral("50"));
    CargarConfiguracion(QStringLiteral("/"));
    EXPECT_EQ(gCantidadDecimales, QStringLiteral(" 3"));
    EXPECT_EQ(TituloClientes, QStringLiteral("Socios"));
    EXPECT_EQ(PERIODO, 202);
    EXPECT_EQ(MaxDto, rt::Currency::fromRaw(125000));
    EXPECT_EQ(gColorFondo, 255u);
    EXPECT_EQ(gColorLetra, 65280u);
    EXPECT_EQ(Top_Default, QStringLiteral("50"));
}

TEST_F(ConfiguracionSesion, TheUsersRowGivesTheUnitAndCanOnlyTurnTheProformaOff)
{
    db.execute(QStringLiteral("INSERT INTO TA_USUARIOS (NOMBRE, SISTEMA, UNegocio, verproforma) VALUES "
                              "('ANA', 'cn000pr', '   2', 0), ('O''NEILL', 'cn000pr', '', 1), ('NULO', 'cn000pr', '', NULL)"));
    configurar(QStringLiteral("UsaFacturaProforma"), QStringLiteral("SI"));

    gUsuarioLogeado = QStringLiteral("ANA");
    CargarConfiguracion(QStringLiteral("/"));
    EXPECT_EQ(gUnidadNegocio, QStringLiteral("   2"));
    EXPECT_FALSE(UsaFacturaProforma);

    gUsuarioLogeado = QStringLiteral("O'NEILL");
    gUnidadNegocio.clear();
    CargarConfiguracion(QStringLiteral("/"));
    EXPECT_EQ(gUnidadNegocio, QStringLiteral("   1"));
    EXPECT_TRUE(UsaFacturaProforma);

    gUsuarioLogeado = QStringLiteral("NULO");
    CargarConfiguracion(QStringLiteral("/"));
    EXPECT_TRUE(UsaFacturaProforma) << "a Null right keeps the key's value";
    EXPECT_TRUE(dialogos.shown().empty());
}

TEST_F(ConfiguracionSesion, TaxConditionComesFromTheCompanyData)
{
    configurar(QStringLiteral("CONDIVAEMPRESA"), QStringLiteral("0"));
    configurar(QStringLiteral("CONDIVA"), QStringLiteral("5"));
    CargarConfiguracion(QStringLiteral("/"));
    // The company data reads CONDIVAEMPRESA, "0", which becomes 1.
    EXPECT_EQ(gCondicionIvaTexto, QStringLiteral("0"));
    EXPECT_EQ(gCondicionIva, 1);
}

TEST_F(ConfiguracionSesion, CondivaIsTakenWhenTheCompanyDataGivesNoNumber)
{
    configurar(QStringLiteral("CONDIVA"), QStringLiteral("5"));
    CargarConfiguracion(QStringLiteral("/"));
    EXPECT_EQ(gCondicionIvaTexto, QStringLiteral(" "));
    EXPECT_EQ(gCondicionIva, 5);
}

} // namespace
