#include "DbFixtures.h"

#include "core/CarpetasPrograma.h"
#include "core/Sesion.h"
#include "db/frmAcceso.h"
#include "platform/outside/ClaveGuardada.h"
#include "support/TestDatabase.h"
#include "support/WidgetTest.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
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

    QString rutaBases() const { return QDir(carpeta.path()).filePath(QStringLiteral("BASES.TXT")); }

    void escribirBases(const QString &texto) const
    {
        QFile archivo(rutaBases());
        ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
        archivo.write(texto.toUtf8());
    }

    QString bases() const
    {
        QFile archivo(rutaBases());
        return archivo.open(QIODevice::ReadOnly) ? QString::fromUtf8(archivo.readAll()) : QString();
    }

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
    dialogo.TxtUserId->setText(QStringLiteral("ADMIN"));
    dialogo.TxtUserPassword->setText(QStringLiteral(" clave "));
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
    EXPECT_EQ(gUsuarioLogeado, QStringLiteral("ADMIN"));
    EXPECT_EQ(gClaveUsuario, QStringLiteral(" clave "));
}

TEST_F(FrmAccesoTest, HintsArePlaceholdersAndNeverData)
{
    frmAcceso &dialogo = abrir();
    const std::pair<QLineEdit *, QString> sugerencias[] = {
        {dialogo.TxtUserId, QStringLiteral("Ingrese el usuario")},
        {dialogo.TxtUserPassword, QString()},
        {dialogo.TxtDbName, QStringLiteral("ingrese el nombre de la base de datos")},
        {dialogo.TxtServidor, QStringLiteral("ingrese el nombre del servidor e instancia")},
    };
    for (const auto &[caja, sugerencia] : sugerencias) {
        SCOPED_TRACE(caja->objectName().toStdString());
        EXPECT_EQ(caja->placeholderText(), sugerencia);
        caja->setText(QStringLiteral("   "));
        dialogo.MensajeInicial(caja);
        EXPECT_EQ(caja->text(), QString());
        if (!sugerencia.isEmpty()) {
            caja->setText(sugerencia);
            dialogo.MensajeInicial(caja);
            EXPECT_EQ(caja->text(), QString());
        }
        caja->setText(QStringLiteral("valor"));
        dialogo.MensajeInicial(caja);
        EXPECT_EQ(caja->text(), QStringLiteral("valor"));
    }

    dialogo.TxtDbName->setFocus();
    dialogo.TxtDbName->selectAll();
    QTest::keyClick(dialogo.TxtDbName, Qt::Key_Backspace);
    QTest::keyClicks(dialogo.TxtDbName, QStringLiteral("VENTAS"));
    EXPECT_EQ(dialogo.TxtDbName->text(), QStringLiteral("VENTAS"));

    dialogo.TxtUserId->setText(QStringLiteral("Ingrese el usuario"));
    dialogo.TxtUserId->setFocus();
    EXPECT_EQ(dialogo.TxtUserId->text(), QString());
    dialogo.bcAceptar->click();
    EXPECT_EQ(gUsuarioLogeado, QString());
}

TEST_F(FrmAccesoTest, ChoosingARegisteredConnectionFillsTheBoxesButNeverTheLogin)
{
    escribirBases(
        QStringLiteral("VENTAS / SRV01,ventas,ventas,%1,srv01:1500\r\nDEMO / SQLITE,DEMO,DEMO,%2,sqlite\r\n")
            .arg(outside::codificarClave(QStringLiteral("ventas")), outside::codificarClave(QStringLiteral("DEMO"))));
    frmAcceso &dialogo = abrir();
    EXPECT_EQ(entradas(dialogo), (QStringList{QStringLiteral("VENTAS / SRV01"), QStringLiteral("DEMO / SQLITE")}));
    EXPECT_EQ(dialogo.lstBases->currentRow(), 0);
    EXPECT_EQ(dialogo.TxtServidor->text(), QStringLiteral("SRV01"));
    EXPECT_EQ(dialogo.TxtPuerto->text(), QStringLiteral("1500"));
    EXPECT_EQ(dialogo.TxtDbName->text(), QStringLiteral("ventas"));
    EXPECT_EQ(dialogo.EntradaEncontrada().clave, QStringLiteral("ventas"));

    dialogo.TxtUserId->setText(QStringLiteral("ADMIN"));
    dialogo.TxtUserPassword->setText(QStringLiteral("admin"));
    QListWidgetItem *demo = dialogo.lstBases->item(1);
    const QPoint centro = dialogo.lstBases->visualItemRect(demo).center();
    QTest::mouseClick(dialogo.lstBases->viewport(), Qt::LeftButton, {}, centro);
    EXPECT_EQ(dialogo.TxtServidor->text(), QStringLiteral("sqlite"));
    EXPECT_EQ(dialogo.TxtDbName->text(), QStringLiteral("DEMO"));
    EXPECT_EQ(dialogo.TxtPuerto->text(), QStringLiteral("1500")) << "a server without port keeps the port shown";
    EXPECT_EQ(dialogo.TxtUserId->text(), QString());
    EXPECT_EQ(dialogo.TxtUserPassword->text(), QString());

    const QPoint primera = dialogo.lstBases->visualItemRect(dialogo.lstBases->item(0)).center();
    QTest::mouseClick(dialogo.lstBases->viewport(), Qt::LeftButton, {}, primera);
    QTest::mouseDClick(dialogo.lstBases->viewport(), Qt::LeftButton, {}, primera);
    EXPECT_TRUE(dialogo.Aceptar);
    EXPECT_FALSE(dialogo.isVisible());
    EXPECT_EQ(dialogo.TxtServidor->text(), QStringLiteral("SRV01"));
}

TEST_F(FrmAccesoTest, RegistrarStoresATestedConnectionAndRefusesItTwice)
{
    frmAcceso &dialogo = abrir();
    dialogo.TxtDbName->setText(QStringLiteral(" demo "));
    dialogo.TxtServidor->setText(QStringLiteral("sqlite"));
    dialogo.TxtPuerto->setText(QString());
    dialogo.CmdRegistrar->click();
    EXPECT_EQ(bases(), QStringLiteral("DEMO / SQLITE,demo,demo,") + outside::codificarClave(QStringLiteral("demo"))
                           + QStringLiteral(",sqlite\r\n"));
    EXPECT_EQ(entradas(dialogo), QStringList{QStringLiteral("DEMO / SQLITE")});
    EXPECT_EQ(dialogo.TxtPuerto->text(), QStringLiteral("1433"));

    dialogo.TxtDbName->setText(QStringLiteral("Demo"));
    dialogo.TxtServidor->setText(QStringLiteral("SQLite:1500"));
    dialogos.expectMsgBox(support::BoxMatch::text(QStringLiteral("La conexion que intenta registrar ya existe "))
                              .withTitle(QStringLiteral("Atencion")));
    dialogo.CmdRegistrar->click();
    dialogos.verify();
    EXPECT_EQ(bases().count(QStringLiteral("\r\n")), 1);
}

TEST_F(FrmAccesoTest, RegistrarNeverTouchesTheProgramsConnection)
{
    gBaseDatos->gServidor = QStringLiteral("sqlite");
    gBaseDatos->gDBName = QStringLiteral("DEMO");
    gBaseDatos->gUsuario = QStringLiteral("DEMO");
    gBaseDatos->gUserPassWord = QStringLiteral("DEMO");
    gBaseDatos->OpenServerADODB(false, 3, {}, false, false);
    ASSERT_TRUE(gBaseDatos->gOpenFlag);

    frmAcceso &dialogo = abrir();
    struct Caso {
        const char *base;
        bool registrada;
    };
    for (const Caso &caso : {Caso{"demo", true}, Caso{"NOEXISTE", false}}) {
        SCOPED_TRACE(caso.base);
        dialogo.TxtDbName->setText(QLatin1String(caso.base));
        dialogo.TxtServidor->setText(QStringLiteral("sqlite"));
        dialogo.TxtUserId->setText(QStringLiteral("ADMIN"));
        if (!caso.registrada)
            dialogos.expectMsgBox(
                support::BoxMatch::text(QStringLiteral("NO SE PUDO CONECTAR AL SERVIDOR sqlite VERIFIQUE "
                                                       "EL NOMBRE DE USUARIO Y PASSWORD INGRESADO"))
                    .withTitle(QStringLiteral("AVISO AL OPERADOR")));
        dialogo.CmdRegistrar->click();
        dialogos.verify();
        EXPECT_EQ(bases().contains(QLatin1String(caso.base)), caso.registrada);
        EXPECT_TRUE(gBaseDatos->gOpenFlag);
        EXPECT_EQ(gBaseDatos->gCnn.State(), ado::adStateOpen);
        EXPECT_EQ(gBaseDatos->gDBName, QStringLiteral("DEMO"));
        EXPECT_EQ(gBaseDatos->gUsuario, QStringLiteral("DEMO"));
        ado::Recordset filas;
        EXPECT_NO_THROW(filas = gBaseDatos->gCnn.Execute(QStringLiteral("SELECT COUNT(*) FROM TA_USUARIOS")));
    }
}

TEST_F(FrmAccesoTest, RegistrarReportsAFileItCannotWrite)
{
    frmAcceso &dialogo = abrir();
    setCarpetaEscritura(QDir(carpeta.path()).filePath(QStringLiteral("no-existe")));
    dialogo.TxtDbName->setText(QStringLiteral("DEMO"));
    dialogo.TxtServidor->setText(QStringLiteral("sqlite"));
    dialogos.expectMsgBox(
        support::BoxMatch::textContaining(QStringLiteral("SQL Server start failed.  \rSQL-DMO error:   75 ")));
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

    onNextModal([](QWidget *ventana) { ventana->findChild<QPushButton *>(QStringLiteral("bcCancelar"))->click(); });
    EXPECT_THROW(dialogo.MostrarModal(), ui::ProgramEnded);
    EXPECT_FALSE(dialogo.Aceptar);
    EXPECT_FALSE(dialogo.isVisible());
}

TEST_F(FrmAccesoTest, TheConnectionClassAsksThroughTheDialog)
{
    instalarFrmAcceso();
    gBaseDatos->gDBName = QStringLiteral("VENTAS");
    gBaseDatos->gServidor = QString();
    gUsuarioLogeado = QStringLiteral("ana");
    onNextModal([](QWidget *ventana) {
        auto *dialogo = qobject_cast<frmAcceso *>(ventana);
        ASSERT_NE(dialogo, nullptr);
        EXPECT_EQ(dialogo->TxtDbName->text(), QStringLiteral("VENTAS"));
        EXPECT_EQ(dialogo->TxtServidor->text(), QString());
        EXPECT_EQ(dialogo->TxtUserId->text(), QStringLiteral("ana"));
        dialogo->TxtDbName->setText(QStringLiteral("DEMO"));
        dialogo->TxtServidor->setText(QStringLiteral("sqlite"));
        dialogo->TxtUserPassword->setText(QStringLiteral("clave"));
        dialogo->bcAceptar->click();
    });
    gBaseDatos->OpenServerADODB(true, 3, {}, false, true);
    EXPECT_TRUE(gBaseDatos->gOpenFlag);
    EXPECT_EQ(gBaseDatos->gDBName, QStringLiteral("DEMO"));
    EXPECT_EQ(gBaseDatos->gUsuario, QStringLiteral("DEMO"));
    EXPECT_EQ(gBaseDatos->gServidor, QStringLiteral("sqlite"));
    EXPECT_EQ(gClaveUsuario, QStringLiteral("clave"));
    EXPECT_FALSE(FormularioAcceso().Cargado());
    EXPECT_EQ(FormularioAcceso().TxtDbName->text(), QString());
}

TEST_F(FrmAccesoTest, EjecutarCmdRegDBWaitsForTheProgram)
{
    frmAcceso &dialogo = FormularioAcceso();
    QString error;
    EXPECT_TRUE(dialogo.EjecutarCmdRegDB(QStringLiteral("sh -c \"sleep 0.2\""), error));
    EXPECT_EQ(error, QString());
    EXPECT_FALSE(dialogo.EjecutarCmdRegDB(QDir(carpeta.path()).filePath(QStringLiteral("no-existe")), error));
    EXPECT_EQ(error, QStringLiteral("Error al ejecutar el comando"));
}

} // namespace
