#include "db/PruebaDb.h"

#include <gtest/gtest.h>

namespace {

using support::BoxMatch;

BoxMatch promptBox()
{
    return BoxMatch::text("\r\n\r\n\r\nSe perdio la conexion con la base de datos DEMO\r\n Servidor srv\r\n\r\n"
                          "Elija SI para reintentar conectarse\r\nElija NO para cerrar la aplicacion\r\n\r\n\r\n")
        .withTitle("AVISO AL OPERADOR");
}

class LostConnection : public PruebaDb {
protected:
    void SetUp() override
    {
        PruebaDb::SetUp();
        server.answerRows("FROM T", ScriptedServer::rows({"C"}, {{"1"}}));
    }

    static bool lookUp() { return gBaseDatos->ExisteEnTabla("T", "1", "C"); }
};

TEST_F(LostConnection, ALookUpReconnectsOnceAndRunsAgainWhenTheServerIsBack)
{
    server.failNext(1);
    EXPECT_TRUE(lookUp());
    EXPECT_EQ(opens(), 1);
    EXPECT_EQ(executes(), 2);
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(gBaseDatos->gCnn.CommandTimeout(), 90);
    EXPECT_TRUE(gBaseDatos->gOpenFlag);
}

TEST_F(LostConnection, ALookUpFailingThreeTimesAsksTheOperator)
{
    struct Case {
        int answer;
        bool found;
        int executes;
    };
    for (const Case c : {Case{ui::vbAbort, false, 3}, Case{ui::vbRetry, true, 4}}) {
        server.clearCalls();
        server.failNext(3);
        dialogs.expectMsgBox(
            BoxMatch::text(ScriptedServer::lostConnection().Description).withTitle("Aviso al Operador"), c.answer);
        EXPECT_EQ(lookUp(), c.found);
        EXPECT_EQ(opens(), 3) << c.answer;
        EXPECT_EQ(executes(), c.executes) << c.answer;
        dialogs.verify();
    }
    EXPECT_EQ(dialogs.shown().front().style, ui::vbCritical + ui::vbAbortRetryIgnore);
}

TEST_F(LostConnection, ALookUpAsksAfterEachFailedReconnectionOnceTheFirstHasFailed)
{
    server.failNext(1);
    server.failOpens(100);
    dialogs.expectMsgBox(promptBox(), ui::vbYes);
    dialogs.expectMsgBox(promptBox(), ui::vbNo);
    EXPECT_THROW(lookUp(), ui::ProgramEnded);
    EXPECT_EQ(opens(), 3);
    EXPECT_EQ(dialogs.shown().front().style, ui::vbCritical + ui::vbYesNo);
}

TEST_F(LostConnection, AStatementRetriesFourTimesBeforeAskingAndOnceForEachYes)
{
    server.failNext(1);
    server.failOpens(5);
    dialogs.expectMsgBox(promptBox(), ui::vbYes);
    dialogs.expectMsgBox(promptBox(), ui::vbYes);
    gBaseDatos->EjecutaConsultaSQL("UPDATE T SET C = 1");
    EXPECT_EQ(opens(), 6);
    EXPECT_EQ(executes(), 2);
    EXPECT_EQ(gBaseDatos->gCnn.Errors().Count(), 0);
    EXPECT_TRUE(gBaseDatos->gOpenFlag);
}

TEST_F(LostConnection, NoToThePromptEndsTheProgram)
{
    server.failNext(1);
    server.failOpens(100);
    dialogs.expectMsgBox(promptBox(), ui::vbNo);
    EXPECT_THROW(gBaseDatos->EjecutaConsultaSQL("UPDATE T SET C = 1"), ui::ProgramEnded);
    EXPECT_EQ(opens(), 4);
    EXPECT_EQ(executes(), 1);
}

TEST_F(LostConnection, AStatementIsRunAtMostThreeTimesAndItsFailureStaysVisible)
{
    server.failNext(3);
    gBaseDatos->EjecutaConsultaSQL("UPDATE T SET C = 1");
    EXPECT_EQ(opens(), 3);
    EXPECT_EQ(executes(), 3);
    ASSERT_EQ(gBaseDatos->gCnn.Errors().Count(), 1);
    EXPECT_EQ(gBaseDatos->gCnn.Errors()(0).NativeError, 11);
}

TEST_F(LostConnection, StatementsNamingTransactionsAreNeverRepeated)
{
    for (const char *text : {"BEGIN TRANS", "INSERT INTO TRANSFERENCIAS (A) VALUES (1)"}) {
        server.clearCalls();
        server.failNext(1);
        gBaseDatos->EjecutaConsultaSQL(QString::fromUtf8(text));
        EXPECT_EQ(opens(), 0) << text;
        EXPECT_EQ(executes(), 1) << text;
        EXPECT_EQ(gBaseDatos->gCnn.Errors().Count(), 1) << text;
    }
}

TEST_F(LostConnection, ARecordsetReconnectsButReportsTheFailureInsteadOfRunningAgain)
{
    server.failNext(1);
    dialogs.expectMsgBox(BoxMatch::title("Microsoft OLE DB Provider for SQL Server - AbrirRecordset Aviso al "
                                         "operador!!! - 5 "),
                         ui::vbAbort);
    ado::Recordset rs;
    gBaseDatos->AbrirRecordset("SELECT * FROM T", rs);
    EXPECT_EQ(opens(), 1);
    EXPECT_EQ(executes(), 1);
    EXPECT_EQ(rs.State(), ado::adStateClosed);
}

TEST_F(LostConnection, ARecordsetAsksAfterTwoFailedReconnections)
{
    server.failNext(1);
    server.failOpens(100);
    dialogs.expectMsgBox(promptBox(), ui::vbNo);
    ado::Recordset rs;
    EXPECT_THROW(gBaseDatos->AbrirRecordset("SELECT * FROM T", rs), ui::ProgramEnded);
    EXPECT_EQ(opens(), 2);
}

TEST_F(LostConnection, ARecordsetOnAClosedConnectionGoesStraightToTheErrorDialog)
{
    gBaseDatos->gCnn.Close();
    dialogs.expectMsgBox(BoxMatch::textContaining("Ha ocurrido el Siguiente Error (3709) "), ui::vbIgnore);
    ado::Recordset rs;
    gBaseDatos->AbrirRecordset("SELECT * FROM T", rs);
    EXPECT_EQ(opens(), 0);
}

TEST_F(LostConnection, ReconnectingAClosedConnectionPassesOverTheClose)
{
    gBaseDatos->gCnn.Close();
    server.clearCalls();
    gBaseDatos->ReintentaConectar();
    EXPECT_TRUE(gBaseDatos->gOpenFlag);
    EXPECT_EQ(opens(), 1);
    EXPECT_EQ(gBaseDatos->gCnn.State(), ado::adStateOpen);
}

TEST_F(LostConnection, AnUnreachableServerFailsTheReconnectionSilently)
{
    server.failOpens(1);
    gBaseDatos->ReintentaConectar();
    EXPECT_FALSE(gBaseDatos->gOpenFlag);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(LostConnection, OtherReconnectionFailuresGoToTheErrorDialog)
{
    struct Case {
        int answer;
        bool openFlag;
        int opens;
    };
    const ado::Error refused = ScriptedServer::providerError(18456, "28000", "Login failed", -2147217843);
    for (const Case c : {Case{ui::vbIgnore, true, 1}, Case{ui::vbAbort, false, 1}, Case{ui::vbRetry, true, 2}}) {
        gBaseDatos->ReintentaConectar();
        server.clearCalls();
        server.failOpens(1, refused);
        dialogs.expectMsgBox(BoxMatch::textContaining("Login failed"), c.answer);
        gBaseDatos->ReintentaConectar();
        EXPECT_EQ(gBaseDatos->gOpenFlag, c.openFlag) << c.answer;
        EXPECT_EQ(opens(), c.opens) << c.answer;
        dialogs.verify();
    }
}

} // namespace
