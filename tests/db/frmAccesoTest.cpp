#include "PruebaDb.h"

#include "db/frmAcceso.h"
#include "platform/outside/ClaveGuardada.h"
#include "session/CarpetasPrograma.h"
#include "session/Sesion.h"
#include "support/PruebaCore.h"
#include "support/TestDatabase.h"
#include "support/WidgetTest.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

class FrmAccesoTest : public support::WidgetTest {
protected:
    FrmAccesoTest() { setCarpetaEscritura(carpeta.path()); }

    // The dialog loaded and shown modeless, as the tests drive it without its own event loop.
    frmAcceso &abrir()
    {
        frmAcceso &dialogo = FormularioAcceso();
        dialogo.Cargar();
        dialogo.show();
        QApplication::setActiveWindow(&dialogo);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialogo));
        return dialogo;
    }

    QString rutaBases() const { return QDir(carpeta.path()).filePath("BASES.TXT"); }

    void escribirBases(const QString &texto) const
    {
        QFile archivo(rutaBases());
        ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
        archivo.write(texto.toUtf8());
    }

    QString bases() const { return fileText(rutaBases()); }

    static QStringList entradas(const frmAcceso &dialogo)
    {
        QStringList claves;
        for (int i = 0; i < dialogo.lstBases->count(); ++i)
            claves << dialogo.lstBases->item(i)->text();
        return claves;
    }

    support::ScriptedDialogs dialogos;
    TestDatabase db;
    QTemporaryDir carpeta;
};

TEST_F(FrmAccesoTest, EnterMovesFromTheUserBoxToConectarAndAFifthEnterConnects)
{
    frmAcceso &dialogo = abrir();
    dialogo.TxtUserId->setText("ADMIN");
    dialogo.TxtUserPassword->setText(" clave ");
    dialogo.TxtUserId->setFocus();
    const char *recorrido[] = {"TxtUserPassword", "TxtDbName", "TxtServidor", "bcAceptar"};
    for (const char *siguiente : recorrido) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QLatin1String(siguiente));
    }
    EXPECT_FALSE(dialogo.Aceptar);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    EXPECT_TRUE(dialogo.Aceptar);
    EXPECT_FALSE(dialogo.isVisible());
    EXPECT_EQ(gUsuarioLogeado, "ADMIN");
    EXPECT_EQ(gClaveUsuario, " clave ");
}

TEST_F(FrmAccesoTest, HintsArePlaceholdersAndNeverData)
{
    frmAcceso &dialogo = abrir();
    const std::pair<QLineEdit *, QString> sugerencias[] = {
        {dialogo.TxtUserId, "Ingrese el usuario"},
        {dialogo.TxtUserPassword, QString()},
        {dialogo.TxtDbName, "ingrese el nombre de la base de datos"},
        {dialogo.TxtServidor, "ingrese el nombre del servidor e instancia"},
    };
    for (const auto &[caja, sugerencia] : sugerencias) {
        SCOPED_TRACE(caja->objectName().toStdString());
        EXPECT_EQ(caja->placeholderText(), sugerencia);
        caja->setText("   ");
        dialogo.MensajeInicial(caja);
        EXPECT_EQ(caja->text(), QString());
        if (!sugerencia.isEmpty()) {
            caja->setText(sugerencia);
            dialogo.MensajeInicial(caja);
            EXPECT_EQ(caja->text(), QString());
        }
        caja->setText("valor");
        dialogo.MensajeInicial(caja);
        EXPECT_EQ(caja->text(), "valor");
    }

    dialogo.TxtDbName->setFocus();
    dialogo.TxtDbName->selectAll();
    QTest::keyClick(dialogo.TxtDbName, Qt::Key_Backspace);
    QTest::keyClicks(dialogo.TxtDbName, "VENTAS");
    EXPECT_EQ(dialogo.TxtDbName->text(), "VENTAS");

    dialogo.TxtUserId->setText("Ingrese el usuario");
    dialogo.TxtUserId->setFocus();
    EXPECT_EQ(dialogo.TxtUserId->text(), QString());
    dialogo.bcAceptar->click();
    EXPECT_EQ(gUsuarioLogeado, QString());
}

TEST_F(FrmAccesoTest, ChoosingARegisteredConnectionFillsTheBoxesButNeverTheLogin)
{
    escribirBases("VENTAS / SRV01,ventas,ventas," + outside::codificarClave("ventas") + ",srv01:1500\r\n"
                  + "DEMO / SQLITE,DEMO,DEMO," + outside::codificarClave("DEMO") + ",sqlite\r\n");
    frmAcceso &dialogo = abrir();
    EXPECT_EQ(entradas(dialogo), (QStringList{"VENTAS / SRV01", "DEMO / SQLITE"}));
    EXPECT_EQ(dialogo.lstBases->currentRow(), 0);
    EXPECT_EQ(dialogo.TxtServidor->text(), "SRV01");
    EXPECT_EQ(dialogo.TxtPuerto->text(), "1500");
    EXPECT_EQ(dialogo.TxtDbName->text(), "ventas");
    EXPECT_EQ(dialogo.EntradaEncontrada().clave, "ventas");

    dialogo.TxtUserId->setText("ADMIN");
    dialogo.TxtUserPassword->setText("admin");
    QListWidgetItem *demo = dialogo.lstBases->item(1);
    const QPoint centro = dialogo.lstBases->visualItemRect(demo).center();
    QTest::mouseClick(dialogo.lstBases->viewport(), Qt::LeftButton, {}, centro);
    EXPECT_EQ(dialogo.TxtServidor->text(), "sqlite");
    EXPECT_EQ(dialogo.TxtDbName->text(), "DEMO");
    EXPECT_EQ(dialogo.TxtPuerto->text(), "1500") << "a server without port keeps the port shown";
    EXPECT_EQ(dialogo.TxtUserId->text(), QString());
    EXPECT_EQ(dialogo.TxtUserPassword->text(), QString());

    const QPoint primera = dialogo.lstBases->visualItemRect(dialogo.lstBases->item(0)).center();
    QTest::mouseClick(dialogo.lstBases->viewport(), Qt::LeftButton, {}, primera);
    QTest::mouseDClick(dialogo.lstBases->viewport(), Qt::LeftButton, {}, primera);
    EXPECT_TRUE(dialogo.Aceptar);
    EXPECT_FALSE(dialogo.isVisible());
    EXPECT_EQ(dialogo.TxtServidor->text(), "SRV01");
}

TEST_F(FrmAccesoTest, RegistrarStoresATestedConnectionAndRefusesItTwice)
{
    frmAcceso &dialogo = abrir();
    dialogo.TxtDbName->setText(" demo ");
    dialogo.TxtServidor->setText("sqlite");
    dialogo.TxtPuerto->setText(QString());
    dialogo.CmdRegistrar->click();
    EXPECT_EQ(bases(), "DEMO / SQLITE,demo,demo," + outside::codificarClave("demo") + ",sqlite\r\n");
    EXPECT_EQ(entradas(dialogo), QStringList{"DEMO / SQLITE"});
    EXPECT_EQ(dialogo.TxtPuerto->text(), "1433");

    dialogo.TxtDbName->setText("Demo");
    dialogo.TxtServidor->setText("SQLite:1500");
    dialogos.expectMsgBox(
        support::BoxMatch::text("La conexion que intenta registrar ya existe ").withTitle("Atencion"));
    dialogo.CmdRegistrar->click();
    dialogos.verify();
    EXPECT_EQ(bases().count("\r\n"), 1);
}

TEST_F(FrmAccesoTest, RegistrarNeverTouchesTheProgramsConnection)
{
    ASSERT_NO_FATAL_FAILURE(abrirBaseDemo());

    frmAcceso &dialogo = abrir();
    struct Caso {
        const char *base;
        bool registrada;
    };
    for (const Caso &caso : {Caso{"demo", true}, Caso{"NOEXISTE", false}}) {
        SCOPED_TRACE(caso.base);
        dialogo.TxtDbName->setText(QLatin1String(caso.base));
        dialogo.TxtServidor->setText("sqlite");
        dialogo.TxtUserId->setText("ADMIN");
        if (!caso.registrada)
            dialogos.expectMsgBox(support::BoxMatch::text("NO SE PUDO CONECTAR AL SERVIDOR sqlite VERIFIQUE "
                                                          "EL NOMBRE DE USUARIO Y PASSWORD INGRESADO")
                                      .withTitle("AVISO AL OPERADOR"));
        dialogo.CmdRegistrar->click();
        dialogos.verify();
        EXPECT_EQ(bases().contains(QLatin1String(caso.base)), caso.registrada);
        EXPECT_TRUE(gBaseDatos->gOpenFlag);
        EXPECT_EQ(gBaseDatos->gCnn.State(), ado::adStateOpen);
        EXPECT_EQ(gBaseDatos->gDBName, "DEMO");
        EXPECT_EQ(gBaseDatos->gUsuario, "DEMO");
        ado::Recordset filas;
        EXPECT_NO_THROW(filas = gBaseDatos->gCnn.Execute("SELECT COUNT(*) FROM TA_USUARIOS"));
    }
}

TEST_F(FrmAccesoTest, RegistrarReportsAFileItCannotWrite)
{
    frmAcceso &dialogo = abrir();
    setCarpetaEscritura(QDir(carpeta.path()).filePath("no-existe"));
    dialogo.TxtDbName->setText("DEMO");
    dialogo.TxtServidor->setText("sqlite");
    dialogos.expectMsgBox(support::BoxMatch::textContaining("SQL Server start failed.  \rSQL-DMO error:   75 "));
    dialogo.CmdRegistrar->click();
    dialogos.verify();
}

TEST_F(FrmAccesoTest, CancelarEndsTheProgramAndClosingTheWindowIsNoAcceptance)
{
    frmAcceso &dialogo = FormularioAcceso();
    dialogo.Aceptar = true;
    onNextModal([](QWidget *ventana) { ventana->close(); });
    dialogo.MostrarModal();
    EXPECT_FALSE(dialogo.Aceptar);
    // The first watch sees its window gone before the same dialog shows again.
    QTest::qWait(50);

    onNextModal([](QWidget *ventana) { ventana->findChild<QPushButton *>("bcCancelar")->click(); });
    EXPECT_THROW(dialogo.MostrarModal(), ui::ProgramEnded);
    EXPECT_FALSE(dialogo.Aceptar);
    EXPECT_FALSE(dialogo.isVisible());
}

TEST_F(FrmAccesoTest, TheConnectionClassAsksThroughTheDialog)
{
    instalarFrmAcceso();
    gBaseDatos->gDBName = "VENTAS";
    gBaseDatos->gServidor = QString();
    gUsuarioLogeado = "ana";
    onNextModal([](QWidget *ventana) {
        auto *dialogo = qobject_cast<frmAcceso *>(ventana);
        ASSERT_NE(dialogo, nullptr);
        EXPECT_EQ(dialogo->TxtDbName->text(), "VENTAS");
        EXPECT_EQ(dialogo->TxtServidor->text(), QString());
        EXPECT_EQ(dialogo->TxtUserId->text(), "ana");
        dialogo->TxtDbName->setText("DEMO");
        dialogo->TxtServidor->setText("sqlite");
        dialogo->TxtUserPassword->setText("clave");
        dialogo->bcAceptar->click();
    });
    gBaseDatos->OpenServerADODB(true, 3, {}, false, true);
    EXPECT_TRUE(gBaseDatos->gOpenFlag);
    EXPECT_EQ(gBaseDatos->gDBName, "DEMO");
    EXPECT_EQ(gBaseDatos->gUsuario, "DEMO");
    EXPECT_EQ(gBaseDatos->gServidor, "sqlite");
    EXPECT_EQ(gClaveUsuario, "clave");
    EXPECT_FALSE(FormularioAcceso().Cargado());
    EXPECT_EQ(FormularioAcceso().TxtDbName->text(), QString());
}

// Catches the addresses the desktop is asked to open.
class AbridorDeDirecciones : public QObject {
    Q_OBJECT
public:
    AbridorDeDirecciones()
    {
        for (const char *esquema : {"http", "https"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(esquema), this, "abrir");
    }
    ~AbridorDeDirecciones() override
    {
        for (const char *esquema : {"http", "https"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(esquema));
    }
    QList<QUrl> abiertas;

public slots:
    void abrir(const QUrl &direccion) { abiertas << direccion; }
};

TEST_F(FrmAccesoTest, Label8OpensTheMakersPageWhenClicked)
{
    AbridorDeDirecciones escritorio;
    frmAcceso &dialogo = abrir();
    auto *label8 = dialogo.findChild<QLabel *>(QStringLiteral("Label8"));
    ASSERT_NE(label8, nullptr);
    EXPECT_FALSE(label8->text().isEmpty());
    QTest::mouseClick(label8, Qt::LeftButton, {}, label8->rect().center());
    ASSERT_EQ(escritorio.abiertas.size(), 1);
    EXPECT_EQ(escritorio.abiertas.first().host(), label8->text());
    EXPECT_TRUE(dialogo.isVisible()) << "the dialog stays";
}

TEST_F(FrmAccesoTest, EjecutarCmdRegDBWaitsForTheProgram)
{
    frmAcceso &dialogo = FormularioAcceso();
    QString error;
    EXPECT_TRUE(dialogo.EjecutarCmdRegDB("sh -c \"sleep 0.2\"", error));
    EXPECT_EQ(error, QString());
    EXPECT_FALSE(dialogo.EjecutarCmdRegDB(QDir(carpeta.path()).filePath("no-existe"), error));
    EXPECT_EQ(error, "Error al ejecutar el comando");
}

} // namespace

#include "frmAccesoTest.moc"
