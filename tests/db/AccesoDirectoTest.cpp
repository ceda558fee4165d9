#include "DbFixtures.h"

#include "db/AccesoDirecto.h"
#include "db/frmAcceso.h"
#include "platform/runtime/RuntimeError.h"
#include "support/WidgetTest.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class Entorno {
public:
    Entorno(const char *nombre, const QString &valor)
        : m_nombre(nombre)
        , m_habia(qEnvironmentVariableIsSet(nombre))
        , m_antes(qgetenv(nombre))
    {
        qputenv(nombre, QFile::encodeName(valor));
    }
    ~Entorno()
    {
        if (m_habia)
            qputenv(m_nombre, m_antes);
        else
            qunsetenv(m_nombre);
    }
    Entorno(const Entorno &) = delete;
    Entorno &operator=(const Entorno &) = delete;

private:
    const char *m_nombre;
    bool m_habia;
    QByteArray m_antes;
};

QString leer(const QString &ruta)
{
    QFile archivo(ruta);
    return archivo.open(QIODevice::ReadOnly) ? QString::fromUtf8(archivo.readAll()) : QString();
}

TEST(AccesoDirecto, WritesAnExecutableLauncherNamedAfterTheProgram)
{
    QTemporaryDir escritorio;
    const QString ruta = AccesoDirecto::crear(escritorio.path(), QStringLiteral("/opt/mis programas/comisiones"));
    EXPECT_EQ(ruta, QDir(escritorio.path()).filePath(QStringLiteral("comisiones.desktop")));
    EXPECT_EQ(leer(ruta), QStringLiteral("[Desktop Entry]\nType=Application\nName=comisiones\n"
                                         "Exec=\"/opt/mis programas/comisiones\"\nTerminal=false\n"));
    EXPECT_TRUE(QFileInfo(ruta).isExecutable());
}

TEST(AccesoDirecto, EscapesWhatTheExecKeyWouldReadOtherwise)
{
    EXPECT_TRUE(AccesoDirecto::contenido(QStringLiteral("/opt/a$b/100%/c\"d"))
                    .contains(QStringLiteral("Exec=\"/opt/a\\\\$b/100%%/c\\\\\"d\"\n")));
}

TEST(AccesoDirecto, AMissingDesktopFolderRaisesAFileAccessError)
{
    QTemporaryDir carpeta;
    try {
        AccesoDirecto::crear(QDir(carpeta.path()).filePath(QStringLiteral("Escritorio")),
                             QStringLiteral("/opt/comisiones"));
        FAIL() << "no error raised";
    } catch (const rt::RuntimeError &error) {
        EXPECT_EQ(error.Number, 75);
    }
}

class AccesoDirectoBoton : public support::WidgetTest {
protected:
    QTemporaryDir inicio;
    Entorno home{"HOME", inicio.path()};
    Entorno configuracion{"XDG_CONFIG_HOME", QDir(inicio.path()).filePath(QStringLiteral("config"))};
    support::ScriptedDialogs dialogos;
};

TEST_F(AccesoDirectoBoton, PutsTheProgramOnTheDesktopOrSaysItCouldNot)
{
    const QString escritorio = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    ASSERT_TRUE(escritorio.startsWith(inicio.path()));
    frmAcceso &dialogo = FormularioAcceso();

    dialogos.expectMsgBox(
        support::BoxMatch::text(QStringLiteral("No se pudo crear el acceso directo en ") + escritorio));
    dialogo.CmdLineaComando->click();
    dialogos.verify();

    ASSERT_TRUE(QDir().mkpath(escritorio));
    dialogo.CmdLineaComando->click();
    const QString lanzador = QDir(escritorio)
                                 .filePath(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName()
                                           + QStringLiteral(".desktop"));
    EXPECT_TRUE(leer(lanzador).contains(QStringLiteral("Exec=\"") + QCoreApplication::applicationFilePath()
                                        + QStringLiteral("\"")));
}

} // namespace
