#include "core/Sesion.h"
#include "db/DbFixtures.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

namespace {

using support::BoxMatch;

const QString Cr = QStringLiteral("\r");
const QString Crlf = QStringLiteral("\r\n");

QString failureText(const ado::Error &error, const QString &server, const QString &user)
{
    return QStringLiteral(" Estado de Sql: ") + error.SQLState + Cr + QStringLiteral("Numero de Error: ")
           + QString::number(error.Number) + Cr + QStringLiteral("Descripcion: ") + error.Description + Cr
           + QStringLiteral("Codigo Nativo: ") + QString::number(error.NativeError) + Cr + Crlf
           + QStringLiteral("Nombre de Proceso: comisiones") + Cr + Crlf + Crlf
           + QStringLiteral("1. Verifique el Usuario, contraseña y base de datos") + Crlf
           + QStringLiteral("2. Verifique el nombre del servidor, quizas necesite agregarle el nombre de la instancia, por "
                            "ejemplo : ")
           + server + QStringLiteral("\\PLEXOR") + Crlf + QStringLiteral("3. Verifique si el inicio de sesion para el usuario ")
           + user + QStringLiteral(" existe") + Crlf + Crlf + Crlf + QStringLiteral(" - Desea Intentarlo Nuevamente??? ");
}

class OpenServer : public support::ProgramTest {
protected:
    ~OpenServer() override { gBaseDatos.reset(); }

    void SetUp() override
    {
        gBaseDatos->gLogErr = logDir.filePath(QStringLiteral("QVERR.LOG"));
        gBaseDatos->gServidor = QStringLiteral("SRV\\SQL2019");
        gBaseDatos->gDBName = QStringLiteral("DEMO");
        gBaseDatos->gUsuario = QStringLiteral("DEMO");
        gBaseDatos->gUserPassWord = QStringLiteral("clave");
    }

    QStringList openedWith() const
    {
        QStringList texts;
        for (const ScriptedCall &call : server.calls()) {
            if (call.kind == ScriptedCall::Kind::Open)
                texts << call.text;
        }
        return texts;
    }

    QTemporaryDir logDir;
    ScriptedServer server;
    support::ScriptedDialogs dialogs;
    ScriptedAcceso acceso;
};

TEST_F(OpenServer, BuildsTheSqlServerStringWithTheExtraTextAtTheEnd)
{
    gBaseDatos->gExtended = QStringLiteral("Application Name=comisiones;");
    gBaseDatos->gProveedor = QStringLiteral("OraOLEDB.Oracle.1");
    gBaseDatos->OpenServerADODB(false, 3, QString(), false, false);
    EXPECT_TRUE(gBaseDatos->gOpenFlag);
    EXPECT_EQ(openedWith(), QStringList{QStringLiteral("PROVIDER=SQLOLEDB;Server=SRV\\SQL2019;Database =DEMO;UId=DEMO;"
                                                       "Pwd=clave;Application Name=comisiones;")});
    EXPECT_EQ(gBaseDatos->gConnString, openedWith().constFirst());
    EXPECT_EQ(gBaseDatos->gCnn.CursorLocation(), 3);
}

TEST_F(OpenServer, AServerHoldingAHashOpensTheOracleString)
{
    gBaseDatos->gServidor = QStringLiteral("ora#1");
    gBaseDatos->gExtended = QStringLiteral("X=1;");
    gBaseDatos->OpenServerADODB(false, 2, QString(), false, false);
    EXPECT_EQ(openedWith(),
              QStringList{QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=DEMO;User Id=DEMO;Password=clave;")});
    EXPECT_EQ(gBaseDatos->gProveedor, QStringLiteral("SQLOLEDB"));
}

TEST_F(OpenServer, AGivenStringIsOpenedUnchanged)
{
    gBaseDatos->OpenServerADODB(false, 3, QStringLiteral(" Provider=X;Server=a; "), false, false);
    EXPECT_EQ(openedWith(), QStringList{QStringLiteral(" Provider=X;Server=a; ")});
}

TEST_F(OpenServer, AnOpenConnectionIsClosedAndOpenedAgainOncePerCall)
{
    gBaseDatos->OpenServerADODB(false, 3, QString(), false, false);
    server.clearCalls();
    gBaseDatos->OpenServerADODB(false, 3, QString(), false, true);
    EXPECT_TRUE(gBaseDatos->gOpenFlag);
    EXPECT_EQ(server.count(ScriptedCall::Kind::Close), 1);
    EXPECT_EQ(server.count(ScriptedCall::Kind::Open), 1);
}

TEST_F(OpenServer, AnAlreadyOpenFailureIsRetriedOnlyOnce)
{
    server.failOpens(2, ScriptedServer::providerError(0, QString(), QStringLiteral("already open"), 3705));
    gBaseDatos->OpenServerADODB(false, 3, QString(), false, false);
    EXPECT_FALSE(gBaseDatos->gOpenFlag);
    EXPECT_EQ(openedWith().size(), 2);
}

TEST_F(OpenServer, ASilentFailureOnlyClearsTheFlag)
{
    server.failOpens(1);
    gBaseDatos->OpenServerADODB(false, 3, QString(), true, false);
    EXPECT_FALSE(gBaseDatos->gOpenFlag);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(OpenServer, NoToTheFailureTextGivesUp)
{
    server.failOpens(1);
    dialogs.expectMsgBox(BoxMatch::text(failureText(ScriptedServer::serverUnreachable(), QStringLiteral("SRV\\SQL2019"),
                                                    QStringLiteral("DEMO")))
                             .withTitle(QStringLiteral(" Error de Conexion a Base de Datos")),
                         ui::vbNo);
    gBaseDatos->OpenServerADODB(false, 3, QString(), false, true);
    EXPECT_FALSE(gBaseDatos->gOpenFlag);
    EXPECT_EQ(openedWith().size(), 1);
    EXPECT_EQ(dialogs.shown().front().style, ui::vbCritical + ui::vbYesNo);
}

TEST_F(OpenServer, YesShowsTheDialogAndOpensWhatWasTyped)
{
    gUsuarioLogeado = QStringLiteral("ADMIN");
    gClaveUsuario = QStringLiteral("admin");
    server.failOpens(1);
    dialogs.expectMsgBox(BoxMatch::title(QStringLiteral(" Error de Conexion a Base de Datos")), ui::vbYes);
    acceso.responder(true, DatosAcceso{QStringLiteral("EMPRESA"), QStringLiteral("srv2"), QStringLiteral("ADMIN"),
                                       QStringLiteral("admin"), 0});
    gBaseDatos->OpenServerADODB(false, 3, QString(), false, true);

    EXPECT_TRUE(gBaseDatos->gOpenFlag);
    EXPECT_EQ(acceso.ocultado(), 1);
    ASSERT_EQ(acceso.mostrados().size(), 1U);
    EXPECT_EQ(acceso.mostrados()[0].TxtDbName, QStringLiteral("DEMO"));
    EXPECT_EQ(acceso.mostrados()[0].TxtServidor, QStringLiteral("SRV\\SQL2019"));
    EXPECT_EQ(acceso.mostrados()[0].TxtUserId, QStringLiteral("ADMIN"));
    EXPECT_EQ(acceso.mostrados()[0].TxtUserPassword, QStringLiteral("admin"));
    EXPECT_EQ(openedWith().value(1),
              QStringLiteral("PROVIDER=SQLOLEDB;Server=srv2;Database =EMPRESA;UId=EMPRESA;Pwd=EMPRESA;"));
    EXPECT_EQ(gBaseDatos->gUsuario, QStringLiteral("EMPRESA"));
    EXPECT_EQ(gBaseDatos->gUserPassWord, QStringLiteral("EMPRESA"));
}

TEST_F(OpenServer, YesThenClosingTheDialogGivesUp)
{
    server.failOpens(1);
    dialogs.expectMsgBox(BoxMatch::title(QStringLiteral(" Error de Conexion a Base de Datos")), ui::vbYes);
    acceso.responder(false);
    gBaseDatos->OpenServerADODB(false, 3, QString(), false, true);
    EXPECT_FALSE(gBaseDatos->gOpenFlag);
    EXPECT_EQ(openedWith().size(), 1);
}

TEST_F(OpenServer, TheDialogStepChoosesThePlatform)
{
    struct Case {
        const char *typedServer;
        int platform;
        const char *server;
        const char *provider;
        const char *opened;
    };
    const Case cases[] = {
        {"orasrv", 1, "#orasrv", "OraOLEDB.Oracle.1", "Provider=OraOLEDB.Oracle.1;Data Source=VENTAS;User Id=VENTAS;Password=VENTAS;"},
        {"ora#srv", 1, "ora#srv", "OraOLEDB.Oracle.1", "Provider=OraOLEDB.Oracle.1;Data Source=VENTAS;User Id=VENTAS;Password=VENTAS;"},
        {"sqlsrv", 0, "sqlsrv", "SQLOLEDB", "PROVIDER=SQLOLEDB;Server=sqlsrv;Database =VENTAS;UId=VENTAS;Pwd=VENTAS;"},
    };
    for (const Case &c : cases) {
        gBaseDatos.reset();
        server.clearCalls();
        acceso.responder(true, DatosAcceso{QStringLiteral("VENTAS"), QString::fromUtf8(c.typedServer), {}, {}, c.platform});
        gBaseDatos->OpenServerADODB(true, 3, QStringLiteral("Provider=ignored;"), false, true);
        EXPECT_TRUE(gBaseDatos->gOpenFlag) << c.typedServer;
        EXPECT_EQ(gBaseDatos->gServidor, QString::fromUtf8(c.server));
        EXPECT_EQ(gBaseDatos->gProveedor, QString::fromUtf8(c.provider));
        EXPECT_EQ(openedWith(), QStringList{QString::fromUtf8(c.opened)});
    }
}

TEST_F(OpenServer, ADialogClosedWithoutConnectingOpensNothing)
{
    acceso.responder(false);
    gBaseDatos->OpenServerADODB(true, 3, QString(), false, true);
    EXPECT_FALSE(gBaseDatos->gOpenFlag);
    EXPECT_TRUE(openedWith().isEmpty());
}

TEST_F(OpenServer, AFailureWithoutProviderErrorsNeverLeavesTheFlagSet)
{
    setDialogoAcceso(nullptr);
    dialogs.expectMsgBox(BoxMatch::textContaining(QStringLiteral("not set")).withTitle(QStringLiteral("comisiones")));
    gBaseDatos->OpenServerADODB(true, 3, QString(), false, true);
    EXPECT_FALSE(gBaseDatos->gOpenFlag);
    EXPECT_EQ(dialogs.shown().front().style, ui::vbOKOnly);
}

class AdministratorCheck : public support::ProgramTest {
protected:
    ~AdministratorCheck() override { gBaseDatos.reset(); }

    void SetUp() override
    {
        database.execute(QStringLiteral("INSERT INTO TA_USUARIOS (NOMBRE, SISTEMA, Password, Administrador) VALUES "
                                        "('ADMIN', 'cn000pr', '', 1)"));
        database.execute(QStringLiteral("INSERT INTO TA_USUARIOS (NOMBRE, SISTEMA, Password, Administrador) VALUES "
                                        "('OPERADOR', 'cn000pr', '', 0)"));
        gBaseDatos->gDBName = QStringLiteral("DEMO");
    }

    bool openAs(const QString &user, bool validaAdmin = true, bool muestraError = true)
    {
        gUsuarioLogeado = user;
        gBaseDatos->OpenServerADODB(false, 3, TestDatabase::connectionString(), validaAdmin, muestraError);
        EXPECT_TRUE(gBaseDatos->gOpenFlag);
        return gBaseDatos->gEsAdmin;
    }

    TestDatabase database;
    support::ScriptedDialogs dialogs;
};

TEST_F(AdministratorCheck, ReadsTheFlagOfTheLoggedInUser)
{
    EXPECT_TRUE(openAs(QStringLiteral("ADMIN")));
    gBaseDatos.reset();
    gBaseDatos->gDBName = QStringLiteral("DEMO");
    EXPECT_FALSE(openAs(QStringLiteral(" OPERADOR ")));
    gBaseDatos.reset();
    gBaseDatos->gDBName = QStringLiteral("DEMO");
    EXPECT_FALSE(openAs(QStringLiteral("O'NEIL")));
}

TEST_F(AdministratorCheck, WithoutMessagesTheUserTableMakesAnAdministrator)
{
    EXPECT_TRUE(openAs(QStringLiteral("OPERADOR"), true, false));
}

TEST_F(AdministratorCheck, WithoutTheCheckEveryoneIsAnAdministrator)
{
    EXPECT_TRUE(openAs(QStringLiteral("OPERADOR"), false, true));
}

TEST_F(AdministratorCheck, WithoutTheUserTableTheFlagKeepsItsValue)
{
    database.execute(QStringLiteral("DROP TABLE TA_USUARIOS"));
    gBaseDatos->gEsAdmin = true;
    EXPECT_TRUE(openAs(QStringLiteral("OPERADOR")));
    gBaseDatos.reset();
    gBaseDatos->gDBName = QStringLiteral("DEMO");
    EXPECT_FALSE(openAs(QStringLiteral("ADMIN")));
}

} // namespace
