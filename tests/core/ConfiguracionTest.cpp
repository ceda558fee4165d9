#include "core/Configuracion.h"

#include "support/PruebaCore.h"

#include "db/Conexiones.h"
#include "platform/ui/Dialogs.h"
#include "session/Sesion.h"

#include <gtest/gtest.h>

namespace {

using support::BoxMatch;

class Configuracion : public PruebaCore {
protected:
    Configuracion()
    {
        db.execute("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR, VALORAUX) VALUES "
                   "('NOMBRE', ' La Empresa ', 'aux'), ('CantidadDecimales', '2', NULL), "
                   "('O''Higgins', 'con apóstrofo', 'sí'), ('THEME', '  ', NULL), "
                   "('[FECHA DESDE]', 'desde', NULL)");
        abrirBaseDemo();
    }
};

TEST_F(Configuracion, CfgReadsTheValueAndItsAuxiliary)
{
    // Key, value and auxiliary.
    const std::tuple<const char *, const char *, const char *> casos[] = {
        {"NOMBRE", " La Empresa ", "aux"},
        // The key is trimmed and its letter case does not matter.
        {"  nombre ", " La Empresa ", "aux"},
        {"CantidadDecimales", "2", ""},
        // A missing key reads as one blank.
        {"NO_EXISTE", " ", ""},
        {"", " ", ""},
        // An apostrophe in a key is only a character of it.
        {"O'Higgins", "con apóstrofo", "sí"},
        {"x' OR '1'='1", " ", ""},
        // A blank theme reads as the first one.
        {"theme", "1", ""},
        {" [fecha desde] ", "desde", ""},
    };
    for (const auto &[clave, valor, esperado] : casos) {
        QString auxiliar = "previo";
        EXPECT_EQ(Cfg(clave, auxiliar), valor) << clave;
        EXPECT_EQ(auxiliar, esperado) << clave;
    }
    EXPECT_TRUE(dialogos.shown().empty());
}

TEST_F(Configuracion, TakesTheStandardTableNameWhenNoneIsSet)
{
    gTablaConfiguracion = "  ";
    EXPECT_EQ(Cfg("NOMBRE"), " La Empresa ");
    EXPECT_EQ(gTablaConfiguracion, "TA_CONFIGURACION");
    gTablaConfiguracion = "ta_configuracion";
    EXPECT_EQ(Cfg("NOMBRE"), " La Empresa ");
}

TEST_F(Configuracion, ClosedMainConnectionReadsNothing)
{
    gBaseDatos->gOpenFlag = false;
    QString auxiliar = "previo";
    EXPECT_EQ(Cfg("NOMBRE", auxiliar), QString());
    EXPECT_EQ(auxiliar, "previo");
}

TEST_F(Configuracion, CfgAuxReadsOnlyTheAuxiliary)
{
    EXPECT_EQ(CfgAux("nombre"), "aux");
    EXPECT_EQ(CfgAux("CantidadDecimales"), QString());
    EXPECT_EQ(CfgAux("NO_EXISTE"), " ");
    EXPECT_EQ(CfgAux("THEME"), QString());
}

TEST_F(Configuracion, FailedReadIsReportedAndLeavesEmptyText)
{
    gTablaConfiguracion = "NO_HAY_TABLA";
    // The database layer reports the failed open; the reader then finds no recordset.
    dialogos.expectMsgBox(BoxMatch::any(), ui::vbIgnore);
    dialogos.expectMsgBox(BoxMatch::textContaining("Ha ocurrido el Siguiente Error (3704)"), ui::vbAbort);
    QString auxiliar = "previo";
    EXPECT_EQ(Cfg("NOMBRE", auxiliar), QString());
    EXPECT_EQ(auxiliar, "previo");
    EXPECT_TRUE(dialogos.shown().back().title.endsWith(" - Cfg Aviso al operador!!! - 2 "));
}

TEST_F(Configuracion, RetryInAReaderLeavesInsteadOfRetrying)
{
    gTablaConfiguracion = "NO_HAY_TABLA";
    dialogos.expectMsgBox(BoxMatch::any(), ui::vbIgnore);
    dialogos.expectMsgBox(BoxMatch::textContaining("(3704)"), ui::vbRetry);
    EXPECT_EQ(CfgAux("NOMBRE"), QString());
    EXPECT_TRUE(dialogos.shown().back().title.endsWith(" - CfgAux Aviso al operador!!! - 2 "));
}

class ConfiguracionEstadisticas : public Configuracion {
protected:
    ConfiguracionEstadisticas()
    {
        db.statisticsConnection().Execute(
            "INSERT INTO TA_CONFIGURACION (CLAVE, VALOR, VALORAUX, Grupo, PoliticaNegocio) "
            "VALUES ('TIMEOUT', '45', 'seg', 'BaseDeDatos', 0)");
        gBaseEstadisticas->gServidor = "sqlite";
        gBaseEstadisticas->gDBName = "QV_ESTADISTICAS";
        gBaseEstadisticas->gUsuario = "QV_ESTADISTICAS";
        gBaseEstadisticas->OpenServerADODB(false, 3, {}, false, false);
        gTablaConfiguracion = "TA_CONFIGURACION";
    }

    QList<QList<rt::Variant>> filas(const QString &clave)
    {
        return filasEstadisticas(
            "SELECT CLAVE, VALOR, VALORAUX, Grupo, PoliticaNegocio FROM TA_CONFIGURACION WHERE CLAVE = '" + clave
            + "'");
    }
};

TEST_F(ConfiguracionEstadisticas, CfgQVReadsTheStatisticsDatabase)
{
    ASSERT_TRUE(gBaseEstadisticas->gOpenFlag);
    QString auxiliar;
    EXPECT_EQ(CfgQV("TimeOut", auxiliar), "45");
    EXPECT_EQ(auxiliar, "seg");
    EXPECT_EQ(CfgQV("NOMBRE"), " ");
    EXPECT_EQ(Cfg("TimeOut"), " ");
}

TEST_F(ConfiguracionEstadisticas, GrabaCfgQVAddsARowWithTheKeyInCapitals)
{
    GrabaCfgQV(" Nueva ", rt::Variant::integer(0), {}, true, "Grupo1", true);
    const auto fila = filas("NUEVA");
    ASSERT_EQ(fila.size(), 1);
    EXPECT_EQ(fila[0][0].asString(), "NUEVA");
    EXPECT_EQ(fila[0][1].asString(), "0");
    EXPECT_TRUE(fila[0][2].isNull());
    EXPECT_EQ(fila[0][3].asString(), "Grupo1");
    EXPECT_NE(fila[0][4].asLong(), 0);
}

TEST_F(ConfiguracionEstadisticas, GrabaCfgQVRewritesAnExistingKeyAndKeepsItsAuxiliary)
{
    GrabaCfgQV("TimeOut", "  60 ", {}, false, "Otro", false);
    auto fila = filas("TIMEOUT");
    ASSERT_EQ(fila.size(), 1);
    EXPECT_EQ(fila[0][1].asString(), "  60 ");
    EXPECT_EQ(fila[0][2].asString(), "seg");
    EXPECT_EQ(fila[0][3].asString(), "Otro");

    GrabaCfgQV("TimeOut", "  70 ", " min ", false, "Otro", true);
    fila = filas("TIMEOUT");
    EXPECT_EQ(fila[0][1].asString(), "70");
    EXPECT_EQ(fila[0][2].asString(), "min");
}

TEST_F(ConfiguracionEstadisticas, GrabaCfgQVOnAClosedConnectionChangesNothing)
{
    gBaseEstadisticas.reset();
    // Only the database layer speaks; the writer itself stays silent.
    dialogos.expectMsgBox(BoxMatch::textContaining("(3709)"), ui::vbAbort);
    GrabaCfgQV("TimeOut", 99, {}, false, "BaseDeDatos", true);
    EXPECT_EQ(filas("TIMEOUT")[0][1].asString(), "45");
}

} // namespace
