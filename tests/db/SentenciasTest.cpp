#include "db/PruebaDb.h"

#include <gtest/gtest.h>

namespace {

using support::BoxMatch;

ado::Error truncation()
{
    return ScriptedServer::providerError(8152, "22001", "String or binary data would be truncated.");
}

class Statements : public PruebaDb {
protected:
    void SetUp() override
    {
        PruebaDb::SetUp();
        gBaseDatos->gEsAdmin = false;
    }

    QString log() const { return fileText(logFile()); }
};

TEST_F(Statements, OnlyBatchesThatCreateAndDropPassTheConfidentialityRewrite)
{
    struct Case {
        const char *sent;
        const char *executed;
    };
    const Case cases[] = {
        {"CREATE TABLE #X (A INT) DROP TABLE #Y SELECT * FROM MA_CUENTAS WHERE 1=1",
         "CREATE TABLE #X (A INT) DROP TABLE #Y SELECT * FROM SS_MA_CUENTAS WHERE 1=1"},
        {"CREATE TABLE #X (A INT) DELETE FROM #X DROP TABLE #Y SELECT * FROM MA_CUENTAS WHERE 1=1",
         "CREATE TABLE #X (A INT) DELETE FROM #X DROP TABLE #Y SELECT * FROM MA_CUENTAS WHERE 1=1"},
        {"CREATE TABLE #X (A INT) DROP TABLE #Y SELECT * FROM @ADMIN_MA_CUENTAS , MA_CUENTAS WHERE 1=1",
         "CREATE TABLE #X (A INT) DROP TABLE #Y SELECT * FROM MA_CUENTAS , MA_CUENTAS WHERE 1=1"},
        {"UPDATE MA_CUENTAS SET Descripcion = 'x' WHERE 1=1", "UPDATE MA_CUENTAS SET Descripcion = 'x' WHERE 1=1"},
        {"SELECT * FROM @admin_MA_CUENTAS WHERE 1=1", "SELECT * FROM MA_CUENTAS WHERE 1=1"},
    };
    for (const Case &c : cases) {
        server.clearCalls();
        QString text = c.sent;
        long affected = 0;
        gBaseDatos->EjecutaConsultaSQL(text, affected);
        EXPECT_EQ(server.statements(), QStringList{c.executed}) << c.sent;
        EXPECT_EQ(text, c.executed) << c.sent;
    }
}

TEST_F(Statements, HandsBackTheRowsAndTheResultOfAStatement)
{
    server.answerAffected("UPDATE T", 4);
    server.answerRows("SELECT", ScriptedServer::rows({"N"}, {{7}}));
    long affected = 0;
    QString update = "UPDATE T SET A = 1";
    gBaseDatos->EjecutaConsultaSQL(update, affected);
    EXPECT_EQ(affected, 4);
    ado::Recordset rs;
    QString query = "SELECT 7 AS N";
    gBaseDatos->EjecutaConsultaSQL(query, affected, &rs);
    ASSERT_EQ(rs.State(), ado::adStateOpen);
    EXPECT_EQ(rs("N"), rt::Variant(7));
}

TEST_F(Statements, ATruncatedRowIsExcusedButLogged)
{
    const PinnedClock clock(rt::DateTime::fromParts(2024, 6, 1, 10, 0, 0));
    server.answerError("INSERT INTO AUX", {truncation()});
    server.answerWarning("UPDATE AUX", {truncation()});
    gBaseDatos->EjecutaConsultaSQL("INSERT INTO AUX (A)\r\nVALUES ('demasiado largo')");
    EXPECT_EQ(gBaseDatos->gCnn.Errors().Count(), 0);
    gBaseDatos->EjecutaConsultaSQL("UPDATE AUX SET A = 'x'");
    EXPECT_EQ(gBaseDatos->gCnn.Errors().Count(), 0);
    EXPECT_EQ(log(), "06-01-2024 10:00:00 Rutina: - EjecutaConsultaSQL Mensaje Ha ocurrido el Siguiente Error "
                     "(-2147467259) String or binary data would be truncated. Sentencia: INSERT INTO AUX (A) "
                     "VALUES ('demasiado largo') Respondió : \r\n"
                     "06-01-2024 10:00:00 Rutina: - EjecutaConsultaSQL Mensaje Ha ocurrido el Siguiente Error "
                     "(-2147467259) String or binary data would be truncated. Sentencia: UPDATE AUX SET A = "
                     "'x' Respondió : \r\n");
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(Statements, ATruncationInsideATransactionStaysAnError)
{
    server.answerError("TRANS", {truncation()});
    gBaseDatos->EjecutaConsultaSQL("BEGIN TRANSACTION INSERT INTO AUX (A) VALUES ('x') COMMIT TRANSACTION");
    EXPECT_EQ(gBaseDatos->gCnn.Errors().Count(), 1);
    EXPECT_TRUE(log().isEmpty());
}

TEST_F(Statements, TheUnusedTwinShowsUnexpectedFailures)
{
    server.answerError("SINTAXIS", {ScriptedServer::providerError(102, "42000", "Incorrect syntax", -2147217900)});
    server.answerError("PERMISO", {ScriptedServer::providerError(229, "42000", "permission denied", -2147217911)});
    gBaseDatos->EjecutaConsultaRSQL("UPDATE SINTAXIS SET");
    EXPECT_TRUE(dialogs.shown().empty());
    dialogs.expectMsgBox(BoxMatch::text("permission denied").withTitle("Aviso al operador!!!"));
    gBaseDatos->EjecutaConsultaRSQL("UPDATE PERMISO SET A = 1");
    EXPECT_EQ(dialogs.shown().back().style, ui::vbCritical);
}

TEST_F(Statements, AddFieldBuildsTheAlterStatement)
{
    gBaseDatos->AddField("TA_X ", "Nuevo", "varchar(10)", false, rt::Variant("''"));
    gBaseDatos->AddField("TA_X", "Otro", "int", true);
    EXPECT_EQ(server.statements(),
              (QStringList{"ALTER TABLE dbo.TA_X  ADD Nuevo varchar(10) Not Null  CONSTRAINT DF_TA_X_Nuevo "
                           "DEFAULT ('')",
                           "ALTER TABLE dbo.TA_X ADD Otro int Null "}));
}

TEST_F(Statements, SchemaFailuresGoToTheMainConnectionsErrorDialog)
{
    server.failNext(1, ScriptedServer::providerError(0, QString(), "schema failed"));
    dialogs.expectMsgBox(BoxMatch::textContaining("schema failed")
                             .withTitle("Microsoft OLE DB Provider for SQL Server - VerificaCampos Aviso al "
                                        "operador!!! - 5 "),
                         ui::vbAbort);
    EXPECT_FALSE(gBaseDatos->ExisteTablaDB("T"));
}

// An engine that only records the login it is opened with.
class LoginRecorder : public ado::Engine {
public:
    static inline QStringList logins;
    void open(const ado::ConnectionTarget &target) override
    {
        logins << target.user + QLatin1Char('/') + target.password;
    }
    void close() override { }
    ado::ExecResult execute(const QString &) override { return {}; }
    void beginTransaction() override { }
    void commitTransaction() override { }
    void rollbackTransaction() override { }
    ado::ResultSet openSchema(int, const QStringList &) override { return {}; }
    long long insertRow(const QString &, const QStringList &, const QList<rt::Variant> &) override { return -1; }
    void setCommandTimeout(int) override { }
    void setDefaultDatabase(const QString &) override { }
    QString defaultDatabase() const override { return {}; }
    void setIsolationLevel(long) override { }
};

TEST(Reconnection, EachConnectionReopensWithItsOwnLogin)
{
    support::resetProgramGlobals();
    ado::Connection::setEngineFactory(
        [](const QString &) -> std::unique_ptr<ado::Engine> { return std::make_unique<LoginRecorder>(); });
    LoginRecorder::logins.clear();
    gBaseDatos->gUsuario = "DEMO";
    gBaseDatos->gUserPassWord = "DEMO";
    gBaseEstadisticas->gUsuario = "QV_ESTADISTICAS";
    gBaseEstadisticas->gUserPassWord = "clave";
    gBaseEstadisticas->OpenServerADODB(false, 3, "PROVIDER=SQLOLEDB;Server=srv;", false, false);
    gBaseEstadisticas->ReintentaConectar();
    EXPECT_TRUE(gBaseEstadisticas->gOpenFlag);
    EXPECT_EQ(LoginRecorder::logins, (QStringList{"/", "QV_ESTADISTICAS/clave"}));
    support::resetProgramGlobals();
    ado::Connection::setEngineFactory(nullptr);
}

} // namespace
