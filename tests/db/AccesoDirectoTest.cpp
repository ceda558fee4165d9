#include "PruebaDb.h"

#include "db/AccesoDirecto.h"
#include "db/frmAcceso.h"
#include "support/WidgetTest.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <optional>

namespace {

// Sets an environment variable for its lifetime and puts back what was there.
class Entorno {
public:
    Entorno(const char *nombre, const QString &valor)
        : m_nombre(nombre)
    {
        if (qEnvironmentVariableIsSet(nombre))
            m_antes = qgetenv(nombre);
        qputenv(nombre, QFile::encodeName(valor));
    }
    ~Entorno() { m_antes ? qputenv(m_nombre, *m_antes) : qunsetenv(m_nombre); }

private:
    const char *m_nombre;
    std::optional<QByteArray> m_antes;
};

TEST(AccesoDirecto, WritesAnExecutableLauncherNamedAfterTheProgram)
{
    QTemporaryDir escritorio;
    const QString ruta = AccesoDirecto::crear(escritorio.path(), "/opt/mis programas/comisiones");
    EXPECT_EQ(ruta, QDir(escritorio.path()).filePath("comisiones.desktop"));
    EXPECT_EQ(fileText(ruta), "[Desktop Entry]\nType=Application\nName=comisiones\n"
                              "Exec=\"/opt/mis programas/comisiones\"\nTerminal=false\n");
    EXPECT_TRUE(QFileInfo(ruta).isExecutable());
    EXPECT_TRUE(AccesoDirecto::contenido("/opt/a$b/100%/c\"d").contains("Exec=\"/opt/a\\\\$b/100%%/c\\\\\"d\"\n"))
        << "what the Exec key would read otherwise is escaped";
    EXPECT_EQ(errorNumber([&] { AccesoDirecto::crear(escritorio.filePath("Escritorio"), "/opt/comisiones"); }), 75)
        << "a missing desktop folder";
}

class AccesoDirectoBoton : public support::WidgetTest {
protected:
    QTemporaryDir inicio;
    Entorno home{"HOME", inicio.path()};
    Entorno configuracion{"XDG_CONFIG_HOME", QDir(inicio.path()).filePath("config")};
    support::ScriptedDialogs dialogos;
};

TEST_F(AccesoDirectoBoton, PutsTheProgramOnTheDesktopOrSaysItCouldNot)
{
    const QString escritorio = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    ASSERT_TRUE(escritorio.startsWith(inicio.path()));
    frmAcceso &dialogo = FormularioAcceso();

    dialogos.expectMsgBox(support::BoxMatch::text("No se pudo crear el acceso directo en " + escritorio));
    dialogo.CmdLineaComando->click();
    dialogos.verify();

    ASSERT_TRUE(QDir().mkpath(escritorio));
    dialogo.CmdLineaComando->click();
    const QString programa = QCoreApplication::applicationFilePath();
    const QString lanzador = QDir(escritorio).filePath(QFileInfo(programa).completeBaseName() + ".desktop");
    EXPECT_TRUE(fileText(lanzador).contains("Exec=\"" + programa + "\""));
}

} // namespace
