#include "core/ServiciosVarios.h"

#include "support/LimiteDeArchivo.h"
#include "support/PruebaCore.h"

#include "platform/outside/CatalogoConsultas.h"
#include "platform/outside/WritableFolder.h"
#include "platform/runtime/DateFunctions.h"
#include "platform/runtime/Regional.h"
#include "platform/ui/Dialogs.h"
#include "session/EjecutarPrograma.h"
#include "session/ObjetosExternos.h"
#include "session/Sesion.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QThread>
#include <cmath>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using support::BoxMatch;

class ServiciosVarios : public PruebaCore { };

class FechaDelServidor : public ServiciosVarios, public ::testing::WithParamInterface<bool> { };

TEST_P(FechaDelServidor, IsTheServersToTheSecondInAnyRegion)
{
    const rt::RegionalScope region(GetParam() ? rt::RegionalSettings::englishUnitedStates()
                                              : rt::RegionalSettings::spanishArgentina());
    abrirBaseDemo();
    const rt::DateTime antes = rt::DateTime::fromQDateTime(QDateTime::currentDateTime().addSecs(-2));
    const rt::DateTime fecha = FechaServidor();
    const rt::DateTime despues = rt::DateTime::fromQDateTime(QDateTime::currentDateTime().addSecs(2));
    EXPECT_GE(fecha, antes);
    EXPECT_LE(fecha, despues);
    EXPECT_EQ(fecha.toQDateTime().time().msec(), 0);
}

INSTANTIATE_TEST_SUITE_P(Regiones, FechaDelServidor, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool> &caso) {
                             return caso.param ? "MesPrimero" : "DiaPrimero";
                         });

TEST_F(ServiciosVarios, WithoutServerTheWorkstationClockIsUsed)
{
    rt::setClockForTests(rt::DateTime::fromParts(2024, 3, 15, 14, 5, 9));
    gUtilizarFechaDia = true;
    dialogos.expectMsgBox(BoxMatch::textContaining("(3709)"), ui::vbAbort);
    EXPECT_EQ(FechaServidor(), rt::DateTime::fromParts(2024, 3, 15, 14, 5, 9));
}

TEST_F(ServiciosVarios, FileTestsAcceptOnlyAPlainFileTheyCanOpen)
{
    const QString ruta = temporal.filePath("con blanco.txt");
    QFile archivo(ruta);
    ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
    archivo.close();
    const QString tubo = temporal.filePath("tubo");
    ASSERT_EQ(mkfifo(QFile::encodeName(tubo).constData(), 0600), 0);
    // A writer holds the pipe open, so a test that opened it would answer instead of waiting.
    const int escritor = ::open(QFile::encodeName(tubo).constData(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(escritor, 0);
    const QString entreComillas = QLatin1Char('"') + ruta + QLatin1Char('"');
    const struct {
        QString ruta;
        bool existe;
        bool sinComillas;
    } casos[] = {
        {ruta, true, true},
        {entreComillas, false, true},
        {tubo, false, false},
        {temporal.filePath("no.txt"), false, false},
        {temporal.path(), false, false},
        {QString(), false, false},
    };
    for (const auto &caso : casos) {
        EXPECT_EQ(ExisteArchivo(caso.ruta), caso.existe) << caso.ruta.toStdString();
        EXPECT_EQ(ExisteArchivoSinComillas(caso.ruta), caso.sinComillas) << caso.ruta.toStdString();
    }
    ::close(escritor);
}

TEST_F(ServiciosVarios, RutaCompletaCompletesRelativePathsUnderTheApplicationFolder)
{
    // "@" stands for the application folder with its separator.
    const std::pair<const char *, const char *> casos[] = {
        {"Reportes", "@Reportes/"},
        {"logo.bmp", "@logo.bmp"},
        {"C:\\Temp", "C:\\Temp/"},
        {"C:\\Temp\\", "C:\\Temp\\"},
        {"\\\\srv\\logo.bmp", "\\\\srv\\logo.bmp"},
        {"/srv/logo.bmp", "/srv/logo.bmp"},
        {"/srv/img", "/srv/img/"},
        {".\\a", "@.\\a/"},
        {"ab", ""},
        {"", ""},
    };
    const QString carpeta = outside::applicationFolder() + '/';
    for (const auto &[ruta, esperado] : casos)
        EXPECT_EQ(RutaCompleta(ruta), QString(esperado).replace('@', carpeta)) << ruta;
}

TEST_F(ServiciosVarios, LookUpCatalogueHoldsTheElevenLookUps)
{
    const QString archivo = temporal.filePath("consultas.ntw");
    gBuscador->setArchivoConsultas(archivo);
    CargarTablasBusqueda();
    EXPECT_EQ(QFileInfo(archivo).size(), 11 * outside::CatalogoConsultas::RecordSize);

    const auto tareas = outside::CatalogoConsultas::buscar(archivo, "v_ta_tareas");
    ASSERT_TRUE(tareas.has_value());
    EXPECT_EQ(tareas->titulo, "TAREAS");
    EXPECT_EQ(tareas->campos, (QStringList{"Descripcion", "IdTarea"}));
    const auto clientes = outside::CatalogoConsultas::buscar(archivo, "VT_CLIENTES");
    ASSERT_TRUE(clientes.has_value());
    EXPECT_EQ(clientes->campos.size(), 3);

    QFile leido(archivo);
    ASSERT_TRUE(leido.open(QIODevice::ReadOnly));
    const QByteArray primero = leido.read(outside::CatalogoConsultas::RecordSize);
    EXPECT_EQ(primero.left(9), QByteArray("ARTICULOS"));
    EXPECT_EQ(primero.mid(100, 15), QByteArray("V_MA_ARTICULOS "));
    EXPECT_TRUE(primero.endsWith("\r\n"));

    CargarTablasBusqueda();
    EXPECT_EQ(QFileInfo(archivo).size(), 22 * outside::CatalogoConsultas::RecordSize);
}

QByteArray bytesDe(const QString &ruta)
{
    QFile archivo(ruta);
    return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
}

TEST_F(ServiciosVarios, ACatalogueNotWrittenWholeIsAnErrorNamingItAndLeavesItAsItWas)
{
    constexpr qint64 Registro = outside::CatalogoConsultas::RecordSize;
    // Where the file lies, the catalogues it already holds, and the bytes the disk takes beyond them.
    const std::tuple<const char *, int, rlim_t> casos[] = {
        {"no/existe/consultas.ntw", 0, RLIM_INFINITY},
        {"consultas.ntw", 0, 0},
        {"consultas.ntw", 0, 2 * Registro + 100},
        {"consultas.ntw", 1, 3 * Registro},
    };
    for (const auto &[nombre, previos, disco] : casos) {
        SCOPED_TRACE(QStringLiteral("%1 after %2, %3 bytes free").arg(nombre).arg(previos).arg(disco).toStdString());
        QTemporaryDir dir;
        const QString archivo = dir.filePath(nombre);
        gBuscador->setArchivoConsultas(archivo);
        for (int i = 0; i < previos; ++i)
            CargarTablasBusqueda();
        const QByteArray antes = bytesDe(archivo);
        const rt::RuntimeError error = [&] {
            const LimiteDeArchivo limite(disco == RLIM_INFINITY ? disco : antes.size() + disco);
            return errorOf([] { CargarTablasBusqueda(); });
        }();
        EXPECT_EQ(error.Number, 75);
        EXPECT_EQ(error.Description, "Error de acceso a la ruta o el archivo: " + archivo);
        EXPECT_EQ(QFileInfo::exists(archivo), previos > 0);
        EXPECT_EQ(bytesDe(archivo), antes);
    }
}

TEST_F(ServiciosVarios, ProgressBarCoversItsShareInTheGivenColour)
{
    QLabel picture;
    picture.resize(200, 20);
    DibujarProgreso(&picture, 50, 0x0000FF, QString());
    const QImage imagen = picture.pixmap().toImage();
    ASSERT_EQ(imagen.size(), QSize(200, 20));
    const QColor fondo = picture.palette().color(QPalette::Window);
    // A red bar (blue-green-red order) inverting the background over the first half only.
    EXPECT_EQ(imagen.pixelColor(10, 2).rgb(), (fondo.rgb() ^ QColor(255, 0, 0).rgb()) | 0xFF000000);
    EXPECT_EQ(imagen.pixelColor(190, 2).rgb(), fondo.rgb());
}

TEST_F(ServiciosVarios, ProgramsWithBlanksInTheirPathAreStarted)
{
    const QString marca = temporal.filePath("arrancado");
    const QString programa = temporal.filePath("mi programa.sh");
    QFile guion(programa);
    ASSERT_TRUE(guion.open(QIODevice::WriteOnly));
    guion.write(QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(marca).toUtf8());
    guion.close();
    guion.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    EjecutarPrograma(programa, true);
    const QDeadlineTimer limite(5000);
    while (!QFile::exists(marca) && !limite.hasExpired())
        QThread::msleep(20);
    EXPECT_TRUE(QFile::exists(marca));
}

} // namespace
