#include "AdoFixture.h"

#include "support/ScriptedEngine.h"

using ado::Connection;
using ado::Recordset;
using Kind = ScriptedCall::Kind;
using rt::Variant;
namespace err = rt::err;

namespace {

const QString sqlServer = QStringLiteral("PROVIDER=SQLOLEDB;Server=srv;Database =DEMO;UId=DEMO;Pwd=DEMO;");

class AdoScriptedEngineTest : public ::testing::Test {
protected:
    ScriptedServer server;
    Connection connection;
};

TEST_F(AdoScriptedEngineTest, RecordsStatementsAndTransactionsInOrder)
{
    connection.Open(sqlServer);
    connection.BeginTrans();
    connection.Execute(QStringLiteral("DELETE FROM AUX_MV_CPTE"));
    connection.CommitTrans();
    connection.BeginTrans();
    connection.RollbackTrans();
    connection.Close();
    QList<Kind> kinds;
    for (const ScriptedCall &call : server.calls())
        kinds.append(call.kind);
    EXPECT_EQ(kinds, (QList<Kind>{Kind::Open, Kind::BeginTrans, Kind::Execute, Kind::CommitTrans, Kind::BeginTrans,
                                  Kind::RollbackTrans, Kind::Close}));
    EXPECT_EQ(server.calls().first().text, sqlServer);
    EXPECT_EQ(server.statements(), QStringList{QStringLiteral("DELETE FROM AUX_MV_CPTE")});
}

TEST_F(AdoScriptedEngineTest, AnswersScriptedRowsAndEmptyResultsOtherwise)
{
    server.answerRows(QStringLiteral("from ta_usuarios"),
                      ScriptedServer::rows({QStringLiteral("Nombre"), QStringLiteral("Administrador")},
                                           {{Variant("ADMIN"), Variant(1)}, {Variant("juan"), Variant(0)}}));
    server.answerAffected(QStringLiteral("UPDATE"), 7);
    connection.Open(sqlServer);
    Recordset users = connection.Execute(QStringLiteral("SELECT * FROM TA_USUARIOS with(nolock)"));
    EXPECT_EQ(users.RecordCount(), 2);
    EXPECT_EQ(users(QStringLiteral("administrador")).asLong(), 1);
    EXPECT_EQ(users.Fields(QStringLiteral("Nombre")).Type(), ado::adVarWChar);
    Recordset nothing = connection.Execute(QStringLiteral("select * from TA_CONFIGURACION"));
    EXPECT_TRUE(nothing.BOF() && nothing.EOF_());
    long affected = 0;
    EXPECT_EQ(connection.Execute(QStringLiteral("UPDATE T SET A = 1"), &affected).State(), ado::adStateClosed);
    EXPECT_EQ(affected, 7);
}

TEST_F(AdoScriptedEngineTest, LostConnectionFailsTheNextCallsThenRecovers)
{
    connection.Open(sqlServer);
    server.failNext(2);
    for (int attempt = 0; attempt < 2; ++attempt) {
        EXPECT_EQ(errorNumberOf([&] { connection.Execute(QStringLiteral("SELECT 1")); }), err::AdoEFail);
        ASSERT_EQ(connection.Errors().Count(), 1);
        EXPECT_EQ(connection.Errors()(0).NativeError, 11);
        EXPECT_EQ(connection.Errors()(0).SQLState, QStringLiteral("08S01"));
    }
    connection.Execute(QStringLiteral("SELECT 1"));
    EXPECT_EQ(connection.Errors().Count(), 0);
    EXPECT_EQ(server.statements().size(), 3);
}

TEST_F(AdoScriptedEngineTest, FailingOpensAreCounted)
{
    server.failOpens(2);
    int failures = 0;
    while (errorNumberOf([&] { connection.Open(sqlServer); }) == err::AdoEFail) {
        EXPECT_EQ(connection.Errors()(0).NativeError, 17);
        ++failures;
    }
    EXPECT_EQ(failures, 2);
    EXPECT_EQ(server.count(Kind::Open), 3);
    EXPECT_EQ(connection.State(), ado::adStateOpen);
}

TEST_F(AdoScriptedEngineTest, ScriptedErrorsAndWarningsReachErrors)
{
    const ado::Error truncated = ScriptedServer::providerError(
        8152, QStringLiteral("22001"), QStringLiteral("String or binary data would be truncated."));
    const ado::Error terminated = ScriptedServer::providerError(3621, QStringLiteral("01000"),
                                                                QStringLiteral("The statement has been terminated."));
    server.answerError(QStringLiteral("INSERT INTO AUX_ERR"), {truncated, terminated}, 1);
    server.answerWarning(QStringLiteral("UPDATE"), {truncated});
    connection.Open(sqlServer);

    EXPECT_EQ(errorNumberOf([&] { connection.Execute(QStringLiteral("INSERT INTO AUX_ERR VALUES ('x')")); }),
              err::AdoEFail);
    ASSERT_EQ(connection.Errors().Count(), 2);
    EXPECT_EQ(connection.Errors()(0).NativeError, 8152);
    EXPECT_EQ(connection.Errors()(1).NativeError, 3621);
    connection.Execute(QStringLiteral("INSERT INTO AUX_ERR VALUES ('x')")); // failed once only
    EXPECT_EQ(connection.Errors().Count(), 0);

    EXPECT_EQ(errorNumberOf([&] { connection.Execute(QStringLiteral("UPDATE T SET A = 'xxxxx'")); }), 0);
    ASSERT_EQ(connection.Errors().Count(), 1);
    EXPECT_EQ(connection.Errors()(0).NativeError, 8152);
}

TEST_F(AdoScriptedEngineTest, RowsAddedThroughARecordsetAreRecorded)
{
    server.answerRows(QStringLiteral("AUX_MV_CPTE"),
                      ScriptedServer::rows({QStringLiteral("Equipo"), QStringLiteral("Importe")}, {}));
    connection.Open(sqlServer);
    Recordset recordset;
    recordset.Open(QStringLiteral("SELECT * FROM AUX_MV_CPTE WHERE 1 = 0"), connection, ado::adOpenDynamic,
                   ado::adLockOptimistic);
    recordset.AddNew();
    recordset.Fields(QStringLiteral("Equipo")).setValue(Variant("PC1"));
    recordset.Update();
    EXPECT_EQ(server.count(Kind::Insert), 1);
    EXPECT_EQ(server.calls().last().text, QStringLiteral("AUX_MV_CPTE(Equipo)"));
    EXPECT_EQ(server.insertedValues(), (QList<QList<Variant>>{{Variant("PC1")}}));
}

} // namespace
