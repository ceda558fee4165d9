#include "PruebaImpresion.h"

#include "db/Conexiones.h"
#include "printing/ImprimirComprobante.h"
#include "printing/TurnoImpresion.h"
#include "session/Sesion.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <csignal>
#include <ctime>
#include <functional>
#include <future>
#include <gtest/gtest.h>
#include <optional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

class ImprimirComprobanteTest : public PruebaImpresion {
protected:
    ImprimirComprobanteTest()
    {
        configurar({{"CobranzasItems", "12"}, {"CONDIVAEMPRESA", "1"}});
        db.execute("INSERT INTO TA_CONFIG_IMP_CPTE (TC, LETRA, Impresora, CantCopias, DestinoDefault) VALUES "
                   "('CB', 'X', 'HP|USB', 2, 'Impresora'), ('FC', 'A', 'HP|USB', 1, 'Impresora')");
        db.execute("INSERT INTO V_TA_CPTE (Codigo, Descripcion, SISTEMA) VALUES ('AS', 'Asiento', 'CONTABLE')");
        db.execute("INSERT INTO MV_ASIENTOS (TC, SUCURSAL, NUMERO, LETRA, Fecha, Importe, PERIODO, MES_OPERATIVO, "
                   "\"NUMERO ASIENTO\") VALUES ('AS', '0001', '00000009', 'X', '2024-03-01', 1, 2024, 3, 40)");
        for (const char *nombre : {"CB.rpt", "LiqOPG.rpt", "OPG-X.rpt", "FC-A.rpt"})
            archivo(QString::fromLatin1(nombre));
        datos.formulasRecibo = {QStringLiteral("Prm_ImporteMP = '150,00'")};
    }

    void ver(const char *tc, const char *numero)
    {
        QString tipo = QString::fromLatin1(tc);
        QString id = QString::fromLatin1(numero);
        QString cuenta;
        const ServiciosImpresion servicios{*gBaseDatos, datos, objeto, nullptr, carpeta(), QStringLiteral("DSN=DEMO")};
        ImprimirComprobanteGenerico(servicios, tipo, id, cuenta);
        tipos << tipo;
    }

    QStringList impresos() const
    {
        QStringList archivos;
        for (const LlamadaReporte &l : objeto.llamadas)
            archivos << QString(l.reporte).remove(carpeta());
        return archivos;
    }

    DatosRegistrados datos;
    ObjetoRegistrado objeto;
    QStringList tipos;
    // The turns of this test's prints in a folder of their own.
    QTemporaryDir usuario;
    VariableEntorno ejecucion{"XDG_RUNTIME_DIR", usuario.path()};
    VariableEntorno cache{"XDG_CACHE_HOME", usuario.filePath(QStringLiteral("cache"))};
};

// Whether `carpeta` is a folder of this user alone: a real folder, closed to others.
bool esPropia(const QString &carpeta)
{
    struct stat datos { };
    return ::lstat(QFile::encodeName(carpeta).constData(), &datos) == 0 && S_ISDIR(datos.st_mode)
           && datos.st_uid == ::geteuid() && (datos.st_mode & 077) == 0;
}

// A turn's file as a live print of this program on this machine writes it.
QByteArray turnoVivo(const QString &maquina)
{
    return QByteArray::number(QCoreApplication::applicationPid()) + '\n' + QCoreApplication::applicationName().toUtf8()
           + '\n' + maquina.toUtf8() + '\n';
}

void escribir(const QString &archivo, const QByteArray &texto)
{
    QFile salida(archivo);
    ASSERT_TRUE(salida.open(QIODevice::WriteOnly));
    salida.write(texto);
}

TEST_F(ImprimirComprobanteTest, ReceiptsAreBuiltWithOneCopyAndShownWithTheirFormulasOnTheScreen)
{
    ver(" cb ", "000100000010X");
    EXPECT_EQ(tipos, QStringList{"cb"}) << "the caller's type comes back trimmed";
    EXPECT_EQ(datos.llamadas, QStringList{"Recibo|cb|0001|00000010|X||1|1|12"});
    EXPECT_EQ(impresos(), (QStringList{"CB.rpt"})) << "the second copy repeats the form on the screen";
    EXPECT_EQ(objeto.destino, 0);
    EXPECT_TRUE(objeto.formulas.contains(QStringLiteral("Prm_ImporteMP = '150,00'")));
}

TEST_F(ImprimirComprobanteTest, PaymentOrdersPrintTheSettlementFormAndOrdersTheirOwn)
{
    ver("PG", "000100000011X");
    ver("pgfp", "000100000012X");
    ver("OPG", "000100000013X");
    EXPECT_EQ(impresos(), (QStringList{"LiqOPG.rpt", "LiqOPG.rpt", "OPG-X.rpt"}));
    EXPECT_EQ(datos.llamadas.size(), 3);
}

TEST_F(ImprimirComprobanteTest, OtherVouchersAreBuiltByTheVoucherBuilderReplacingTheRows)
{
    datos.tipoNormalizado = QStringLiteral("FC");
    ver("fc", "000100000123A");
    EXPECT_EQ(datos.llamadas, QStringList{"Comprobantes|fc|0001|00000123|A|0|3||reemplaza"});
    EXPECT_EQ(tipos, QStringList{"FC"});
    EXPECT_EQ(impresos(), QStringList{"FC-A.rpt"});
    EXPECT_EQ(objeto.destino, 0);
}

TEST_F(ImprimirComprobanteTest, APrintWaitsWhileAnotherOfThisWorkstationHoldsItsRows)
{
    // Another window of this workstation has built its rows and its report is reading them.
    std::promise<void> tomado;
    int reconstruidas = -1;
    std::thread otra([&] {
        const TurnoImpresion turno(gEquipoUsuario);
        tomado.set_value();
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        reconstruidas = datos.construcciones;
    });
    tomado.get_future().wait();
    ver("FC", "000100000123A");
    otra.join();
    EXPECT_EQ(reconstruidas, 0) << "the rows were rebuilt while the other print was reading them";
    EXPECT_EQ(datos.construcciones, 1);
    EXPECT_EQ(impresos(), QStringList{"FC-A.rpt"});
}

TEST_F(ImprimirComprobanteTest, PrintsOfOneWorkstationTakeTurnsWhateverTheLetterCaseOfItsKey)
{
    struct Caso {
        const char *tomado;
        const char *pedido;
        bool espera;
    };
    for (const Caso &caso :
         {Caso{"PC|JUAN", "pc|juan", true}, Caso{"PC|JUAN", " Pc|Juan ", true}, Caso{"PC|JUAN", "PC|ANA", false}}) {
        SCOPED_TRACE(caso.pedido);
        std::promise<void> tomado;
        std::atomic<bool> devuelto = false;
        std::thread otra([&] {
            const TurnoImpresion turno(QString::fromLatin1(caso.tomado));
            tomado.set_value();
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            devuelto = true;
        });
        tomado.get_future().wait();
        bool espero = false;
        {
            const TurnoImpresion turno(QString::fromLatin1(caso.pedido));
            espero = devuelto;
        }
        otra.join();
        EXPECT_EQ(espero, caso.espera);
    }
}

TEST_F(ImprimirComprobanteTest, TheTurnsLieInAFolderOfTheUsersOwn)
{
    QTemporaryDir abierta;
    QFile::setPermissions(abierta.path(), QFileDevice::Permissions(0x7777));
    const QString enCache = usuario.filePath(QStringLiteral("cache"));
    struct Caso {
        std::optional<QString> ejecucion;
        QString dentroDe;
    };
    for (const Caso &caso :
         {Caso{usuario.path(), usuario.path()}, Caso{abierta.path(), enCache}, Caso{std::nullopt, enCache}}) {
        SCOPED_TRACE(caso.ejecucion.value_or(QStringLiteral("(unset)")).toStdString());
        const VariableEntorno variable("XDG_RUNTIME_DIR", caso.ejecucion);
        const QString carpeta = QFileInfo(TurnoImpresion::archivo(QStringLiteral("PC|JUAN"))).path();
        EXPECT_TRUE(carpeta.startsWith(caso.dentroDe + QLatin1Char('/'))) << carpeta.toStdString();
        EXPECT_TRUE(esPropia(carpeta)) << carpeta.toStdString();
    }
}

TEST_F(ImprimirComprobanteTest, OnlyALivePrintsTurnHoldsAPrintLongerThanSeconds)
{
    const QString ruta = TurnoImpresion::archivo(gEquipoUsuario);
    const QString vivo = usuario.filePath(QStringLiteral("vivo.lock"));
    escribir(vivo, turnoVivo(QSysInfo::machineHostName()));
    // Each file is taken away after `quitado` ms; every file but a live print's turn ends the
    // wait well before that.
    struct Caso {
        const char *nombre;
        std::function<void()> plantar;
        int quitado;
        bool espera;
    };
    const Caso casos[] = {
        {"empty", [&] { escribir(ruta, {}); }, 8000, false},
        {"garbage", [&] { escribir(ruta, QByteArray("no es un turno\n\0\1\2", 18)); }, 8000, false},
        {"another machine", [&] { escribir(ruta, turnoVivo(QStringLiteral("otra-maquina"))); }, 8000, false},
        {"link to a live turn", [&] { QFile::link(vivo, ruta); }, 8000, false},
        {"folder", [&] { QDir().mkpath(ruta + QStringLiteral("/dentro")); }, 8000, false},
        {"a live print's turn", [&] { escribir(ruta, turnoVivo(QSysInfo::machineHostName())); }, 3000, true},
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.nombre);
        caso.plantar();
        ASSERT_TRUE(QFileInfo(ruta).exists() || QFileInfo(ruta).isSymLink());
        datos.construcciones = 0;
        objeto.llamadas.clear();
        // The window's events go on while the print waits, a second click among them starting
        // nothing.
        int filasAlVerEventos = -1;
        QObject contexto;
        QMetaObject::invokeMethod(
            &contexto,
            [&] {
                filasAlVerEventos = datos.construcciones;
                ver("FC", "000100000123A");
            },
            Qt::QueuedConnection);
        QElapsedTimer reloj;
        reloj.start();
        QTimer::singleShot(caso.quitado, Qt::PreciseTimer, &contexto, [&] {
            QFile::remove(ruta);
            QDir(ruta).removeRecursively();
        });
        ver("FC", "000100000123A");
        if (caso.espera)
            EXPECT_GE(reloj.elapsed(), caso.quitado);
        else
            EXPECT_LT(reloj.elapsed(), 6000);
        EXPECT_EQ(filasAlVerEventos, 0) << "no window events while the print waited";
        EXPECT_EQ(datos.construcciones, 1);
        EXPECT_EQ(impresos(), QStringList{"FC-A.rpt"});
        QFile::remove(ruta);
        QDir(ruta).removeRecursively();
    }
}

// Runs `accion` in a child process, another program of this machine, which the alarm ends after
// `segundos` if it has not ended by then. The test runs in one thread, so the child may go on
// with Qt; it leaves by _exit, running none of the test's destructors.
pid_t enOtroPrograma(unsigned segundos, const std::function<void()> &accion)
{
    const pid_t hijo = ::fork();
    if (hijo == 0) {
        ::alarm(segundos);
        accion();
        ::_exit(0);
    }
    return hijo;
}

TEST_F(ImprimirComprobanteTest, WhatLiesInTheTurnsPlaceIsTakenOverWithoutHangingUnlessALiveProgramHoldsIt)
{
    std::vector<pid_t> duenos;
    // Another program takes the turn, and ends holding it or holds it while the test lasts.
    const auto tomadoPor = [&](const QString &ruta, bool vive) {
        int tubo[2];
        ASSERT_EQ(::pipe(tubo), 0);
        const pid_t dueno = enOtroPrograma(10, [&] {
            QLockFile turno(ruta);
            if (turno.lock() && vive && ::write(tubo[1], "", 1) == 1)
                ::pause();
            ::_exit(0);
        });
        ::close(tubo[1]);
        char tomado = 0;
        EXPECT_EQ(::read(tubo[0], &tomado, 1), vive ? 1 : 0);
        ::close(tubo[0]);
        // An ended program's process is gone, not left a zombie of the test's.
        if (vive)
            duenos.push_back(dueno);
        else
            ::waitpid(dueno, nullptr, 0);
    };
    const auto tuberia = [](const QString &ruta) { ::mkfifo(QFile::encodeName(ruta).constData(), 0600); };
    struct Caso {
        const char *equipo;
        std::function<void(const QString &)> plantar;
        bool espera;
    };
    const Caso casos[] = {
        {"ended program", [&](const QString &ruta) { tomadoPor(ruta, false); }, false},
        {"ended program, a named pipe as its guard",
         [&](const QString &ruta) {
             tomadoPor(ruta, false);
             tuberia(ruta + QStringLiteral(".rmlock"));
         },
         false},
        {"folder", [](const QString &ruta) { QDir().mkpath(ruta + QStringLiteral("/dentro")); }, false},
        {"named pipe", tuberia, false},
        {"socket",
         [](const QString &ruta) {
             sockaddr_un direccion{AF_UNIX, {}};
             qstrncpy(direccion.sun_path, QFile::encodeName(ruta).constData(), sizeof direccion.sun_path);
             const int enchufe = ::socket(AF_UNIX, SOCK_STREAM, 0);
             ::bind(enchufe, reinterpret_cast<const sockaddr *>(&direccion), sizeof direccion);
             ::close(enchufe);
         },
         false},
        {"link to a named pipe",
         [&](const QString &ruta) {
             tuberia(ruta + QStringLiteral("-tuberia"));
             QFile::link(ruta + QStringLiteral("-tuberia"), ruta);
         },
         false},
        {"live program", [&](const QString &ruta) { tomadoPor(ruta, true); }, true},
        // The test's own program, alive, named by a turn it does not lock.
        {"live program's turn of a minute ago",
         [](const QString &ruta) {
             escribir(ruta, turnoVivo(QSysInfo::machineHostName()));
             const timeval antes{::time(nullptr) - 60, 0};
             const timeval tiempos[] = {antes, antes};
             ::utimes(QFile::encodeName(ruta).constData(), tiempos);
         },
         true},
    };
    for (const Caso &caso : casos)
        caso.plantar(TurnoImpresion::archivo(QString::fromLatin1(caso.equipo)));
    // Each workstation's turn is taken by a program of its own, all at once: each ends holding
    // the turn (0 if within 4 s) or is ended still waiting.
    std::vector<pid_t> tomas;
    for (const Caso &caso : casos)
        tomas.push_back(enOtroPrograma(7, [&] {
            QElapsedTimer reloj;
            reloj.start();
            const TurnoImpresion turno(QString::fromLatin1(caso.equipo));
            qint64 pid = 0;
            QString maquina;
            QString programa;
            QLockFile(TurnoImpresion::archivo(QString::fromLatin1(caso.equipo))).getLockInfo(&pid, &maquina, &programa);
            ::_exit(pid == ::getpid() && reloj.elapsed() < 4000 ? 0 : 1);
        }));
    for (std::size_t n = 0; n < tomas.size(); ++n) {
        SCOPED_TRACE(casos[n].equipo);
        int estado = 0;
        ::waitpid(tomas[n], &estado, 0);
        if (casos[n].espera)
            EXPECT_TRUE(WIFSIGNALED(estado) && WTERMSIG(estado) == SIGALRM)
                << "a live program's turn was taken or passed by within 7 s";
        else
            EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0) << "not taken within 4 s";
    }
    for (const pid_t dueno : duenos) {
        ::kill(dueno, SIGKILL);
        ::waitpid(dueno, nullptr, 0);
    }
}

TEST_F(ImprimirComprobanteTest, ASecondClickDuringAPrintOfThisWindowStartsNothing)
{
    // The event pump of the first print let a second "Ver  Comprobante" in: it must neither wait
    // for the print under it (that one cannot end first) nor rebuild its rows.
    const TurnoImpresion primera(gEquipoUsuario);
    ver("FC", "000100000123A");
    EXPECT_EQ(datos.construcciones, 0);
    EXPECT_TRUE(impresos().isEmpty());
}

TEST_F(ImprimirComprobanteTest, AccountingVouchersShowTheirEntries)
{
    ver("AS", "000100000009X");
    EXPECT_EQ(datos.llamadas.last(), QStringLiteral("Asiento|AS|0001|00000009|X|3|40|2024||pantalla|"));
    EXPECT_TRUE(objeto.llamadas.empty());
}

} // namespace
