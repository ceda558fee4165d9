// Settlement builds in processes of their own on one database file: a build killed half way
// leaves nothing, and two builds at once give what the same two give one after the other.
// The other process is this test program run again on its disabled test below; it reports on
// its standard output and, when told to, stops inside its build until its input is closed.

#include "PruebaGenerador.h"

#include "db/Conexiones.h"
#include "demo/DemoDatabase.h"
#include "session/Sesion.h"
#include "support/PruebaCore.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

using support::BoxMatch;

const char *const VarDesde = "COMISIONES_HIJO_DESDE";
const char *const VarHasta = "COMISIONES_HIJO_HASTA";
// The start of the progress text at which the build stops, announcing "DENTRO".
const char *const VarParada = "COMISIONES_HIJO_PARADA";
// Announces "ESPERA" when the build first waits for a lock another connection holds.
const char *const VarAvisarEspera = "COMISIONES_HIJO_AVISAR_ESPERA";

void anunciar(const char *marca)
{
    std::printf("\n%s\n", marca);
    std::fflush(stdout);
}

// The build of the other process as its window: stops where it was told to.
class VentanaHija : public VentanaRegistrada {
public:
    void mostrarEstado(const QString &texto) override
    {
        VentanaRegistrada::mostrarEstado(texto);
        const QString parada = qEnvironmentVariable(VarParada);
        if (parada.isEmpty() || !texto.startsWith(parada) || m_detenida)
            return;
        m_detenida = true;
        anunciar("DENTRO");
        // Until the test closes this process's input, or kills it.
        while (std::fgetc(stdin) != EOF) { }
    }

private:
    bool m_detenida = false;
};

// Run only by the tests below, in a process of their own (see ProcesoGenerador).
TEST(ProcesoGenerador, DISABLED_GeneraElRangoDelEntorno)
{
    support::ScriptedDialogs dialogos;
    dialogos.expectMsgBox(BoxMatch::text(QStringLiteral("PROCESO FINALIZADO")));
    gUsuarioLogeado = QStringLiteral("ADMIN");
    ASSERT_NO_FATAL_FAILURE(abrirBaseDemo());
    gBaseDatos->gEsAdmin = true;
    if (qEnvironmentVariableIsSet(VarAvisarEspera)) {
        gBaseDatos->gCnn.setLockWaitHandler([avisado = false]() mutable {
            if (!avisado)
                anunciar("ESPERA");
            avisado = true;
        });
    }
    VentanaHija ventana;
    QString desde = qEnvironmentVariable(VarDesde);
    QString hasta = qEnvironmentVariable(VarHasta);
    QString vendedor;
    QString borrar;
    EXPECT_EQ(GeneradorComisiones(*gBaseDatos, ventana).GeneraComisionesNew(desde, hasta, vendedor, borrar),
              GeneradorComisiones::Fin::Cerrada);
    dialogos.verify();
    gBaseDatos.reset();
}

// A build of a range in another process, on the database of `carpeta`.
class ProcesoGenerador {
public:
    ProcesoGenerador(const QString &carpeta, const QString &desde, const QString &hasta, const QString &parada = {},
                     bool avisarEspera = false)
    {
        QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
        entorno.insert(QStringLiteral("COMISIONES_DATOS"), carpeta);
        entorno.insert(QLatin1String(VarDesde), desde);
        entorno.insert(QLatin1String(VarHasta), hasta);
        if (!parada.isEmpty())
            entorno.insert(QLatin1String(VarParada), parada);
        if (avisarEspera)
            entorno.insert(QLatin1String(VarAvisarEspera), QStringLiteral("1"));
        m_proceso.setProcessEnvironment(entorno);
        m_proceso.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_proceso.start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("--gtest_also_run_disabled_tests"),
                         QStringLiteral("--gtest_filter=ProcesoGenerador.DISABLED_GeneraElRangoDelEntorno")});
    }
    ~ProcesoGenerador()
    {
        if (m_proceso.state() != QProcess::NotRunning) {
            m_proceso.kill();
            m_proceso.waitForFinished();
        }
    }
    ProcesoGenerador(const ProcesoGenerador &) = delete;
    ProcesoGenerador &operator=(const ProcesoGenerador &) = delete;

    // Whether the process announced `marca` (a line of its own) within a minute.
    bool anuncia(const char *marca)
    {
        const QDeadlineTimer plazo(60000);
        while (!plazo.hasExpired()) {
            while (m_proceso.canReadLine()) {
                if (m_proceso.readLine().trimmed() == marca)
                    return true;
            }
            if (m_proceso.state() == QProcess::NotRunning)
                return false;
            m_proceso.waitForReadyRead(1000);
        }
        return false;
    }
    // Lets a build stopped inside go on.
    void seguir() { m_proceso.closeWriteChannel(); }
    void matar()
    {
        m_proceso.kill(); // SIGKILL: nothing of the process runs any more
        m_proceso.waitForFinished();
    }
    // Whether the process ended well within a minute.
    bool terminaBien()
    {
        return m_proceso.waitForFinished(60000) && m_proceso.exitStatus() == QProcess::NormalExit
               && m_proceso.exitCode() == 0;
    }

private:
    QProcess m_proceso;
};

const QString Desde = demo::firstDay().toString(QStringLiteral("dd/MM/yyyy"));
const QString Hasta = demo::lastDay().toString(QStringLiteral("dd/MM/yyyy"));

class GeneradorProcesos : public PruebaGeneradorBase {
protected:
    GeneradorProcesos() { modelo.fillDemo(300); }

    // Builds the range in this process on the database COMISIONES_DATOS names now.
    void generarAqui(const QString &desde, const QString &hasta)
    {
        abrirConexion(QStringLiteral("sqlite"));
        generar(desde, hasta);
        gBaseDatos.reset();
    }

    // Each stored settlement's range and figures, one text per settlement.
    static QStringList cifras(TestDatabase &db)
    {
        QStringList textos;
        for (const auto &fila : db.rows(QStringLiteral(
                 "SELECT c.IdLiquidacion, c.FECHA_DESDE, c.FECHA_HASTA,"
                 " (SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_COB x WHERE x.IdLiquidacion = c.IdLiquidacion),"
                 " (SELECT SUM(TotalCobrado) FROM V_COMISIONES_VENDEDOR_COB x WHERE x.IdLiquidacion = c.IdLiquidacion),"
                 " (SELECT SUM(Comision) FROM V_COMISIONES_VENDEDOR_COB x WHERE x.IdLiquidacion = c.IdLiquidacion),"
                 " (SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_APL x WHERE x.IdLiquidacion = c.IdLiquidacion),"
                 " (SELECT SUM(Comision) FROM V_COMISIONES_VENDEDOR_APL x WHERE x.IdLiquidacion = c.IdLiquidacion),"
                 " (SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_DET x WHERE x.IdLiquidacion = c.IdLiquidacion),"
                 " (SELECT SUM(ImporteComision) FROM V_COMISIONES_VENDEDOR_DET x WHERE x.IdLiquidacion = "
                 "c.IdLiquidacion)"
                 " FROM V_COMISIONES_VENDEDOR_CAB c ORDER BY c.IdLiquidacion"))) {
            QStringList valores;
            for (const rt::Variant &valor : fila)
                valores.append(valor.isNull() ? QStringLiteral("NULL") : rt::CStr(valor));
            textos.append(valores.join(u'|'));
        }
        return textos;
    }

    static int filasDeLiquidacion(TestDatabase &db)
    {
        int filas = 0;
        for (const char *tabla : {"V_COMISIONES_VENDEDOR_CAB", "V_COMISIONES_VENDEDOR_COB", "V_COMISIONES_VENDEDOR_APL",
                                  "V_COMISIONES_VENDEDOR_DET"})
            filas += rt::CLng(db.value(QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(tabla)));
        return filas;
    }

    TestDatabase modelo;
};

TEST_F(GeneradorProcesos, AKilledBuildLeavesNothingAndTheSameBuildThenGivesTheUninterruptedFigures)
{
    const auto entera = TestDatabase::copyOf(modelo);
    generarAqui(Desde, Hasta);
    const QStringList esperadas = cifras(*entera);
    ASSERT_EQ(esperadas.size(), 1);

    const auto matada = TestDatabase::copyOf(modelo);
    {
        // Stopped at the fifth article line: the header, the collections and their split, the
        // applied vouchers and four lines are written by then.
        ProcesoGenerador hijo(matada->folder(), Desde, Hasta, QStringLiteral("Cargando detalle 5 de"));
        ASSERT_TRUE(hijo.anuncia("DENTRO"));
        hijo.matar();
    }
    EXPECT_EQ(matada->value(QStringLiteral("PRAGMA integrity_check")).asString(), QStringLiteral("ok"));
    EXPECT_EQ(filasDeLiquidacion(*matada), 0);

    generarAqui(Desde, Hasta);
    EXPECT_EQ(cifras(*matada), esperadas);
}

TEST_F(GeneradorProcesos, TwoBuildsOfTheHalvesOfAMonthAtOnceGiveWhatTheyGiveOneAfterTheOther)
{
    const QString mitad = demo::firstDay().addDays(14).toString(QStringLiteral("dd/MM/yyyy"));
    const QString despues = demo::firstDay().addDays(15).toString(QStringLiteral("dd/MM/yyyy"));
    const QString finDeMes = demo::firstDay().addMonths(1).addDays(-1).toString(QStringLiteral("dd/MM/yyyy"));
    const auto sucesivas = TestDatabase::copyOf(modelo);
    generarAqui(Desde, mitad);
    generarAqui(despues, finDeMes);
    const QStringList esperadas = cifras(*sucesivas);
    ASSERT_EQ(esperadas.size(), 2);

    const auto simultaneas = TestDatabase::copyOf(modelo);
    // The first build stops after its collections; the second starts and has to wait for it.
    ProcesoGenerador primera(simultaneas->folder(), Desde, mitad, QStringLiteral("Cargando cobranzas 1 de"));
    ASSERT_TRUE(primera.anuncia("DENTRO"));
    ProcesoGenerador segunda(simultaneas->folder(), despues, finDeMes, {}, true);
    ASSERT_TRUE(segunda.anuncia("ESPERA")) << "the second build did not wait for the first";
    primera.seguir();
    EXPECT_TRUE(primera.terminaBien());
    EXPECT_TRUE(segunda.terminaBien());
    EXPECT_EQ(cifras(*simultaneas), esperadas);
}

} // namespace
