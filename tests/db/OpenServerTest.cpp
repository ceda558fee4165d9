#include "db/PruebaDb.h"
#include "session/Sesion.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

namespace {

using support::BoxMatch;

QString failureText(const ado::Error &error)
{
    return QStringLiteral(" Estado de Sql: %1\rNumero de Error: %2\rDescripcion: %3\rCodigo Nativo: %4\r\r\n"
                          "Nombre de Proceso: comisiones\r\r\n\r\n"
                          "1. Verifique el Usuario, contraseña y base de datos\r\n"
                          "2. Verifique el nombre del servidor, quizas necesite agregarle el nombre de la instancia, "
                          "por ejemplo : SRV\\SQL2019\\PLEXOR\r\n"
                          "3. Verifique si el inicio de sesion para el usuario DEMO existe\r\n\r\n\r\n"
                          " - Desea Intentarlo Nuevamente??? ")
        .arg(error.SQLState)
        .arg(error.Number)
        .arg(error.Description)
        .arg(error.NativeError);
}

class OpenServer : public support::ProgramTest {
protected:
    ~OpenServer() override { gBaseDatos.reset(); }

    void SetUp() override
    {
        gBaseDatos->gLogErr = logDir.filePath("QVERR.LOG");
        gBaseDatos->gServidor = "SRV\\SQL2019";
        gBaseDatos->gDBName = "DEMO";
        gBaseDatos->gUsuario = "DEMO";
        gBaseDatos->gUserPassWord = "clave";
    }

    // OpenServerADODB without the dialog, administrator check or silence, showing failures.
    void open(const QString &connection = {}) { gBaseDatos->OpenServerADODB(false, 3, connection, false, true); }
    QStringList opened() const { return openedWith(server); }

    QTemporaryDir logDir;
    ScriptedServer server;
    support::ScriptedDialogs dialogs;
    ScriptedAcceso acceso;
};

TEST_F(OpenServer, BuildsTheConnectionStringForThePlatform)
{
    struct Case {
        const char *server;
        const char *provider;
        const char *given;
        const char *opened;
        const char *providerAfter;
    };
    const Case cases[] = {
        // Whatever provider was set, the extra text goes at the end.
        {"SRV\\SQL2019", "OraOLEDB.Oracle.1", "",
         "PROVIDER=SQLOLEDB;Server=SRV\\SQL2019;Database =DEMO;UId=DEMO;Pwd=clave;X=1;", "OraOLEDB.Oracle.1"},
        // A server holding a hash opens the Oracle string, without the extra text.
        {"ora#1", "", "", "Provider=OraOLEDB.Oracle.1;Data Source=DEMO;User Id=DEMO;Password=clave;", "SQLOLEDB"},
        {"SRV", "", " Provider=X;Server=a; ", " Provider=X;Server=a; ", "SQLOLEDB"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.server);
        server.clearCalls();
        gBaseDatos->gServidor = c.server;
        gBaseDatos->gProveedor = c.provider;
        gBaseDatos->gExtended = "X=1;";
        open(c.given);
        EXPECT_TRUE(gBaseDatos->gOpenFlag);
        EXPECT_EQ(opened(), QStringList{c.opened});
        EXPECT_EQ(gBaseDatos->gConnString, c.opened);
        EXPECT_EQ(gBaseDatos->gProveedor, c.providerAfter);
        EXPECT_EQ(gBaseDatos->gCnn.CursorLocation(), 3);
    }
}

TEST_F(OpenServer, AnOpenConnectionIsClosedAndOpenedAgainOncePerCall)
{
    open();
    server.clearCalls();
    open();
    EXPECT_TRUE(gBaseDatos->gOpenFlag);
    EXPECT_EQ(server.count(ScriptedCall::Kind::Close), 1);
    EXPECT_EQ(server.count(ScriptedCall::Kind::Open), 1);
}

TEST_F(OpenServer, AnAlreadyOpenFailureIsRetriedOnlyOnce)
{
    server.failOpens(2, ScriptedServer::providerError(0, QString(), "already open", 3705));
    gBaseDatos->OpenServerADODB(false, 3, QString(), false, false);
    EXPECT_FALSE(gBaseDatos->gOpenFlag);
    EXPECT_EQ(opened().size(), 2);
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
    dialogs.expectMsgBox(BoxMatch::text(failureText(ScriptedServer::serverUnreachable()))
                             .withTitle(" Error de Conexion a Base de Datos"),
                         ui::vbNo);
    open();
    EXPECT_FALSE(gBaseDatos->gOpenFlag);
    EXPECT_EQ(opened().size(), 1);
    EXPECT_EQ(dialogs.shown().front().style, ui::vbCritical + ui::vbYesNo);
}

TEST_F(OpenServer, YesShowsTheDialogAndOpensWhatWasTyped)
{
    gUsuarioLogeado = "ADMIN";
    gClaveUsuario = "admin";
    server.failOpens(1);
    dialogs.expectMsgBox(BoxMatch::title(" Error de Conexion a Base de Datos"), ui::vbYes);
    acceso.responder(true, DatosAcceso{"EMPRESA", "srv2", "ADMIN", "admin", 0});
    open();

    EXPECT_TRUE(gBaseDatos->gOpenFlag);
    EXPECT_EQ(acceso.ocultado(), 1);
    ASSERT_EQ(acceso.mostrados().size(), 1U);
    const DatosAcceso &mostrado = acceso.mostrados()[0];
    EXPECT_EQ(QStringList({mostrado.TxtDbName, mostrado.TxtServidor, mostrado.TxtUserId, mostrado.TxtUserPassword}),
              QStringList({"DEMO", "SRV\\SQL2019", "ADMIN", "admin"}));
    EXPECT_EQ(opened().value(1), "PROVIDER=SQLOLEDB;Server=srv2;Database =EMPRESA;UId=EMPRESA;Pwd=EMPRESA;");
    EXPECT_EQ(gBaseDatos->gUsuario, "EMPRESA");
    EXPECT_EQ(gBaseDatos->gUserPassWord, "EMPRESA");
}

TEST_F(OpenServer, YesThenClosingTheDialogGivesUp)
{
    server.failOpens(1);
    dialogs.expectMsgBox(BoxMatch::title(" Error de Conexion a Base de Datos"), ui::vbYes);
    acceso.responder(false);
    open();
    EXPECT_FALSE(gBaseDatos->gOpenFlag);
    EXPECT_EQ(opened().size(), 1);
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
    const char *oracle = "Provider=OraOLEDB.Oracle.1;Data Source=VENTAS;User Id=VENTAS;Password=VENTAS;";
    const Case cases[] = {
        {"orasrv", 1, "#orasrv", "OraOLEDB.Oracle.1", oracle},
        {"ora#srv", 1, "ora#srv", "OraOLEDB.Oracle.1", oracle},
        {"sqlsrv", 0, "sqlsrv", "SQLOLEDB", "PROVIDER=SQLOLEDB;Server=sqlsrv;Database =VENTAS;UId=VENTAS;Pwd=VENTAS;"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typedServer);
        gBaseDatos.reset();
        server.clearCalls();
        acceso.responder(true, DatosAcceso{"VENTAS", c.typedServer, {}, {}, c.platform});
        gBaseDatos->OpenServerADODB(true, 3, "Provider=ignored;", false, true);
        EXPECT_TRUE(gBaseDatos->gOpenFlag);
        EXPECT_EQ(gBaseDatos->gServidor, c.server);
        EXPECT_EQ(gBaseDatos->gProveedor, c.provider);
        EXPECT_EQ(opened(), QStringList{c.opened});
    }
    gBaseDatos.reset();
    server.clearCalls();
    acceso.responder(false);
    gBaseDatos->OpenServerADODB(true, 3, QString(), false, true);
    EXPECT_FALSE(gBaseDatos->gOpenFlag) << "a dialog closed without connecting";
    EXPECT_TRUE(opened().isEmpty());
}

TEST_F(OpenServer, AFailureWithoutProviderErrorsNeverLeavesTheFlagSet)
{
    setDialogoAcceso(nullptr);
    dialogs.expectMsgBox(BoxMatch::textContaining("not set").withTitle("comisiones"));
    gBaseDatos->OpenServerADODB(true, 3, QString(), false, true);
    EXPECT_FALSE(gBaseDatos->gOpenFlag);
    EXPECT_EQ(dialogs.shown().front().style, ui::vbOKOnly);
}

TEST(AdministratorCheck, ReadsTheFlagOfTheLoggedInUserWhenAsked)
{
    struct Case {
        const char *user;
        bool validaAdmin;
        bool muestraError;
        bool userTable;
        bool esAdmin;
    };
    const Case cases[] = {
        {"ADMIN", true, true, true, true},
        {" OPERADOR ", true, true, true, false},
        {"O'NEIL", true, true, true, false},
        // Without messages the user table makes an administrator; without the check everyone is one.
        {"OPERADOR", true, false, true, true},
        {"OPERADOR", false, true, true, true},
        // Without the user table the flag keeps the value it had.
        {"OPERADOR", true, true, false, true},
        {"ADMIN", true, true, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.user << c.validaAdmin << c.muestraError << c.userTable);
        support::resetProgramGlobals();
        support::ScriptedDialogs dialogs;
        TestDatabase database;
        database.execute("INSERT INTO TA_USUARIOS (NOMBRE, SISTEMA, Password, Administrador) VALUES "
                         "('ADMIN', 'cn000pr', '', 1), ('OPERADOR', 'cn000pr', '', 0)");
        if (!c.userTable)
            database.execute("DROP TABLE TA_USUARIOS");
        gBaseDatos->gDBName = "DEMO";
        gBaseDatos->gEsAdmin = !c.userTable && c.esAdmin;
        gUsuarioLogeado = c.user;
        gBaseDatos->OpenServerADODB(false, 3, TestDatabase::connectionString(), c.validaAdmin, c.muestraError);
        EXPECT_TRUE(gBaseDatos->gOpenFlag);
        EXPECT_EQ(gBaseDatos->gEsAdmin, c.esAdmin);
        gBaseDatos.reset();
    }
    support::resetProgramGlobals();
}

} // namespace
