#include "core/ConfiguracionSesion.h"

#include "support/PruebaCore.h"

#include "session/Sesion.h"

#include <gtest/gtest.h>

namespace {

class ConfiguracionSesion : public PruebaCore {
protected:
    ConfiguracionSesion() { abrirBaseDemo(); }

    void configurar(const QString &clave, const QString &valor)
    {
        db.execute(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('%1', '%2')").arg(clave, valor));
    }
};

TEST_F(ConfiguracionSesion, EmptyTableGivesTheDefaults)
{
    gUsuarioLogeado = "ANA";
    gColorFondo = 0xFFFFFF;
    CargarConfiguracion("/opt/comisiones/");
    EXPECT_EQ(gTablaConfiguracion, "ta_configuracion");
    EXPECT_EQ(gArchivoTareas, "/opt/comisiones/QVDOCTareas.ntw");
    EXPECT_EQ(gCantidadDecimales, " ");
    for (bool flag : {gConfidencialidad, gUtilizarFechaDia, gMaderera, MostrarStockenConsultas, UsaFacturaProforma,
                      RazonSocialPorUneg, V_ModificaCPrecio, PideClave_LimiteCredito, AsignacionAutomaticaDeLoteINGOP})
        EXPECT_FALSE(flag);
    EXPECT_TRUE(ModuloOrdenDeTrabajo);
    EXPECT_EQ(TituloClientes, QString());
    EXPECT_EQ(gColorFondo, 16776960u);
    EXPECT_EQ(gColorLetra, 0u);
    EXPECT_EQ(PERIODO, 0);
    EXPECT_EQ(MaxDto, rt::Currency());
    EXPECT_EQ(Top_Default, "1000");
    EXPECT_EQ(gUnidadNegocio, "   1");
    EXPECT_EQ(gCondicionIva, 1);
    EXPECT_TRUE(dialogos.shown().empty());
}

TEST_F(ConfiguracionSesion, ReadsEachFlagByItsRule)
{
    const std::tuple<const char *, const char *, bool *, bool> casos[] = {
        {"SS_CONFIDENCIALIDAD", "si", &gConfidencialidad, true},
        {"SS_CONFIDENCIALIDAD", "SI ", &gConfidencialidad, false},
        {"UTILIZARFECHADIA", "SI", &gUtilizarFechaDia, true},
        {"RazonSocialPorUneg", "SI ", &RazonSocialPorUneg, true},
        {"MADERERA", "x", &gMaderera, true},
        {"MADERERA", "no", &gMaderera, false},
        {"MADERERA", " NO", &gMaderera, true},
        {"MADERERA", "  ", &gMaderera, false},
        {"ModuloOrdenDeTrabajo", " no ", &ModuloOrdenDeTrabajo, false},
        {"ModuloOrdenDeTrabajo", "SI", &ModuloOrdenDeTrabajo, true},
        {"PideClave_StockNeg", "SI", &PideClave_StockNeg, true},
        {"USACCOSTO", "Si", &USACCOSTO, true},
    };
    for (const auto &[clave, valor, opcion, esperado] : casos) {
        db.execute("DELETE FROM TA_CONFIGURACION");
        configurar(clave, valor);
        *opcion = !esperado;
        CargarConfiguracion("/");
        EXPECT_EQ(*opcion, esperado) << clave << " = \"" << valor << '"';
    }
}

TEST_F(ConfiguracionSesion, ReadsTextsNumbersAndColours)
{
    configurar("CantidadDecimales", " 3");
    configurar("TituloClientes", "  Socios ");
    configurar("PERIODO", "202.5abc");
    configurar("MaxDto", " 12,5 ");
    configurar("CFondo", "255");
    configurar("CLetra", "65280");
    configurar("Top_Default", "50");
    CargarConfiguracion("/");
    EXPECT_EQ(gCantidadDecimales, " 3");
    EXPECT_EQ(TituloClientes, "Socios");
    EXPECT_EQ(PERIODO, 202);
    EXPECT_EQ(MaxDto, rt::Currency::fromRaw(125000));
    EXPECT_EQ(gColorFondo, 255u);
    EXPECT_EQ(gColorLetra, 65280u);
    EXPECT_EQ(Top_Default, "50");
}

TEST_F(ConfiguracionSesion, TheUsersRowGivesTheUnitAndCanOnlyTurnTheProformaOff)
{
    db.execute("INSERT INTO TA_USUARIOS (NOMBRE, SISTEMA, UNegocio, verproforma) VALUES "
               "('ANA', 'cn000pr', '   2', 0), ('O''NEILL', 'cn000pr', '', 1), ('NULO', 'cn000pr', '', NULL)");
    configurar("UsaFacturaProforma", "SI");

    gUsuarioLogeado = "ANA";
    CargarConfiguracion("/");
    EXPECT_EQ(gUnidadNegocio, "   2");
    EXPECT_FALSE(UsaFacturaProforma);

    gUsuarioLogeado = "O'NEILL";
    gUnidadNegocio.clear();
    CargarConfiguracion("/");
    EXPECT_EQ(gUnidadNegocio, "   1");
    EXPECT_TRUE(UsaFacturaProforma);

    gUsuarioLogeado = "NULO";
    CargarConfiguracion("/");
    EXPECT_TRUE(UsaFacturaProforma) << "a Null right keeps the key's value";
    EXPECT_TRUE(dialogos.shown().empty());
}

TEST_F(ConfiguracionSesion, TaxConditionComesFromTheCompanyDataOrElseCondiva)
{
    configurar("CONDIVA", "5");
    CargarConfiguracion("/");
    EXPECT_EQ(gCondicionIvaTexto, " ");
    EXPECT_EQ(gCondicionIva, 5);
    // The company data reads CONDIVAEMPRESA, "0", which becomes 1.
    configurar("CONDIVAEMPRESA", "0");
    CargarConfiguracion("/");
    EXPECT_EQ(gCondicionIvaTexto, "0");
    EXPECT_EQ(gCondicionIva, 1);
}

} // namespace
