#include "core/Configuracion.h"

#include "PruebaCore.h"

#include "core/Sesion.h"
#include "db/Conexiones.h"
#include "platform/ui/Dialogs.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

using support::BoxMatch;

class Configuracion : public PruebaCore {
protected:
    Configuracion()
    {
        db.execute(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR, VALORAUX) VALUES "
                                  "('NOMBRE', ' La Empresa ', 'aux'), ('CantidadDecimales', '2', NULL), "
                                  "('O''Higgins', 'con apóstrofo', 'sí'), ('THEME', '  ', NULL), "
                                  "('[FECHA DESDE]', 'desde', NULL)"));
        abrirBaseDatos();
    }
};

struct CasoClave {
    const char *clave;
    const char *valor;
    const char *auxiliar;
};

// The case as the test names show it.
void PrintTo(const CasoClave &c, std::ostream *os)
{
    *os << '"' << c.clave << '"';
}

class CfgTabla : public Configuracion, public ::testing::WithParamInterface<CasoClave> {};

TEST_P(CfgTabla, ReadsTheValueAndItsAuxiliary)
{
    QString auxiliar = QStringLiteral("previo");
    EXPECT_EQ(Cfg(QString::fromUtf8(GetParam().clave), auxiliar), QString::fromUtf8(GetParam().valor));
    EXPECT_EQ(auxiliar, QString::fromUtf8(GetParam().auxiliar));
    EXPECT_TRUE(dialogos.shown().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Claves, CfgTabla,
    ::testing::Values(CasoClave{"NOMBRE", " La Empresa ", "aux"},
                      // The key is trimmed and its letter case does not matter.
                      CasoClave{"  nombre ", " La Empresa ", "aux"}, CasoClave{"Nombre", " La Empresa ", "aux"},
                      CasoClave{"CantidadDecimales", "2", ""},
                      // A missing key reads as one blank.
                      CasoClave{"NO_EXISTE", " ", ""}, CasoClave{"", " ", ""},
                      // An apostrophe in a key is only a character of it.
                      CasoClave{"O'Higgins", "con apóstrofo", "sí"}, CasoClave{"x' OR '1'='1", " ", ""},
                      // A blank theme reads as the first one.
                      CasoClave{"theme", "1", ""}, CasoClave{" [fecha desde] ", "desde", ""}));

TEST_F(Configuracion, TakesTheStandardTableNameWhenNoneIsSet)
{
    gTablaConfiguracion = QStringLiteral("  ");
    EXPECT_EQ(Cfg(QStringLiteral("NOMBRE")), QStringLiteral(" La Empresa "));
    EXPECT_EQ(gTablaConfiguracion, QStringLiteral("TA_CONFIGURACION"));
    gTablaConfiguracion = QStringLiteral("ta_configuracion");
    EXPECT_EQ(Cfg(QStringLiteral("NOMBRE")), QStringLiteral(" La Empresa "));
}

TEST_F(Configuracion, ClosedMainConnectionReadsNothing)
{
    gBaseDatos->gOpenFlag = false;
    QString auxiliar = QStringLiteral("previo");
    EXPECT_EQ(Cfg(QStringLiteral("NOMBRE"), auxiliar), QString());
    EXPECT_EQ(auxiliar, QStringLiteral("previo"));
}

TEST_F(Configuracion, CfgAuxReadsOnlyTheAuxiliary)
{
    EXPECT_EQ(CfgAux(QStringLiteral("nombre")), QStringLiteral("aux"));
    EXPECT_EQ(CfgAux(QStringLiteral("CantidadDecimales")), QString());
    EXPECT_EQ(CfgAux(QStringLiteral("NO_EXISTE")), QStringLiteral(" "));
    EXPECT_EQ(CfgAux(QStringLiteral("THEME")), QString());
}

TEST_F(Configuracion, FailedReadIsReportedAndLeavesEmptyText)
{
    gTablaConfiguracion = QStringLiteral("NO_HAY_TABLA");
    // The database layer reports the failed open; the reader then finds no recordset.
    dialogos.expectMsgBox(BoxMatch::any(), ui::vbIgnore);
    dialogos.expectMsgBox(BoxMatch::textContaining(QStringLiteral("Ha ocurrido el Siguiente Error (3704)")), ui::vbAbort);
    QString auxiliar = QStringLiteral("previo");
    EXPECT_EQ(Cfg(QStringLiteral("NOMBRE"), auxiliar), QString());
    EXPECT_EQ(auxiliar, QStringLiteral("previo"));
    EXPECT_TRUE(dialogos.shown().back().title.endsWith(QStringLiteral(" - Cfg Aviso al operador!!! - 2 ")));
}

TEST_F(Configuracion, RetryInAReaderLeavesInsteadOfRetrying)
{
    gTablaConfiguracion = QStringLiteral("NO_HAY_TABLA");
    dialogos.expectMsgBox(BoxMatch::any(), ui::vbIgnore);
    dialogos.expectMsgBox(BoxMatch::textContaining(QStringLiteral("(3704)")), ui::vbRetry);
    EXPECT_EQ(CfgAux(QStringLiteral("NOMBRE")), QString());
    EXPECT_TRUE(dialogos.shown().back().title.endsWith(QStringLiteral(" - CfgAux Aviso al operador!!! - 2 ")));
}

class ConfiguracionEstadisticas : public Configuracion {
protected:
    ConfiguracionEstadisticas()
    {
        db.statisticsConnection().Execute(
            QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR, VALORAUX, Grupo, PoliticaNegocio) "
                           "VALUES ('TIMEOUT', '45', 'seg', 'BaseDeDatos', 0)"));
        gBaseEstadisticas->gServidor = QStringLiteral("sqlite");
        gBaseEstadisticas->gDBName = QStringLiteral("QV_ESTADISTICAS");
        gBaseEstadisticas->gUsuario = QStringLiteral("QV_ESTADISTICAS");
        gBaseEstadisticas->OpenServerADODB(false, 3, {}, false, false);
        gTablaConfiguracion = QStringLiteral("TA_CONFIGURACION");
    }

    QList<QList<rt::Variant>> filas(const QString &clave)
    {
        ado::Recordset rs = db.statisticsConnection().Execute(
            QStringLiteral("SELECT CLAVE, VALOR, VALORAUX, Grupo, PoliticaNegocio FROM TA_CONFIGURACION WHERE CLAVE = '%1'")
                .arg(clave));
        QList<QList<rt::Variant>> resultado;
        for (; !rs.EOF_(); rs.MoveNext()) {
            QList<rt::Variant> fila;
            for (long i = 0; i < rs.FieldCount(); ++i)
                fila << rs.Fields(i).Value();
            resultado << fila;
        }
        return resultado;
    }
};

TEST_F(ConfiguracionEstadisticas, CfgQVReadsTheStatisticsDatabase)
{
    ASSERT_TRUE(gBaseEstadisticas->gOpenFlag);
    QString auxiliar;
    EXPECT_EQ(CfgQV(QStringLiteral("TimeOut"), auxiliar), QStringLiteral("45"));
    EXPECT_EQ(auxiliar, QStringLiteral("seg"));
    EXPECT_EQ(CfgQV(QStringLiteral("NOMBRE")), QStringLiteral(" "));
    EXPECT_EQ(Cfg(QStringLiteral("TimeOut")), QStringLiteral(" "));
}

TEST_F(ConfiguracionEstadisticas, GrabaCfgQVAddsARowWithTheKeyInCapitals)
{
    GrabaCfgQV(QStringLiteral(" Nueva "), rt::Variant::integer(0), {}, true, QStringLiteral("Grupo1"), true);
    const auto fila = filas(QStringLiteral("NUEVA"));
    ASSERT_EQ(fila.size(), 1);
    EXPECT_EQ(fila[0][0].asString(), QStringLiteral("NUEVA"));
    EXPECT_EQ(fila[0][1].asString(), QStringLiteral("0"));
    EXPECT_TRUE(fila[0][2].isNull());
    EXPECT_EQ(fila[0][3].asString(), QStringLiteral("Grupo1"));
    EXPECT_NE(fila[0][4].asLong(), 0);
}

TEST_F(ConfiguracionEstadisticas, GrabaCfgQVRewritesAnExistingKeyAndKeepsItsAuxiliary)
{
    GrabaCfgQV(QStringLiteral("TimeOut"), QStringLiteral("  60 "), {}, false, QStringLiteral("Otro"), false);
    auto fila = filas(QStringLiteral("TIMEOUT"));
    ASSERT_EQ(fila.size(), 1);
    EXPECT_EQ(fila[0][1].asString(), QStringLiteral("  60 "));
    EXPECT_EQ(fila[0][2].asString(), QStringLiteral("seg"));
    EXPECT_EQ(fila[0][3].asString(), QStringLiteral("Otro"));

    GrabaCfgQV(QStringLiteral("TimeOut"), QStringLiteral("  70 "), QStringLiteral(" min "), false, QStringLiteral("Otro"), true);
    fila = filas(QStringLiteral("TIMEOUT"));
    EXPECT_EQ(fila[0][1].asString(), QStringLiteral("70"));
    EXPECT_EQ(fila[0][2].asString(), QStringLiteral("min"));
}

TEST_F(ConfiguracionEstadisticas, GrabaCfgQVOnAClosedConnectionChangesNothing)
{
    gBaseEstadisticas.reset();
    // Only the database layer speaks; the writer itself stays silent.
    dialogos.expectMsgBox(BoxMatch::textContaining(QStringLiteral("(3709)")), ui::vbAbort);
    GrabaCfgQV(QStringLiteral("TimeOut"), 99, {}, false, QStringLiteral("BaseDeDatos"), true);
    EXPECT_EQ(filas(QStringLiteral("TIMEOUT"))[0][1].asString(), QStringLiteral("45"));
}

} // namespace
