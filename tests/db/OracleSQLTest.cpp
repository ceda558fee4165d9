#include "db/OracleSQL.h"
#include "db/PruebaDb.h"

#include <gtest/gtest.h>

namespace {

const QString OracleConnection = "Provider=OraOLEDB.Oracle.1;Data Source=DEMO;User Id=DEMO;Password=DEMO;";

struct DialectCase {
    const char *name;
    const char *tsql;
    const char *oracle;
};

const DialectCase dialectCases[] = {
    {"a single word other than LEN", "Codigo", "Codigo"},
    {"LEN alone", "LEN", "LENGTH"},
    {"len alone in lower case", "len", "LENGTH"},
    {"TOP with WHERE and ORDER BY", "SELECT TOP 10 Codigo FROM MA_CUENTAS WHERE Codigo > 'A' ORDER BY Codigo",
     "SELECT  Codigo FROM MA_CUENTAS WHERE Codigo > 'A'    AND ROWNUM <= 10  ORDER BY Codigo"},
    {"TOP without WHERE", "SELECT TOP 5 * FROM T", "SELECT  * FROM T  WHERE ROWNUM <= 5  "},
    {"TOP with GROUP BY keeps ORDER BY inside the group part",
     "SELECT TOP 3 A, COUNT(*) FROM T WHERE B = 1 GROUP BY A ORDER BY A",
     "SELECT  A, COUNT(*) FROM T WHERE B = 1    AND ROWNUM <= 3  GROUP BY A ORDER BY A "},
    {"LEN calls with and without blanks", "SELECT LEN(A), LEN  (B) FROM T", "SELECT LENGTH(A), LENGTH(B) FROM T"},
    {"bracketed names become quoted", "SELECT [Nombre y Apellido] FROM T", "SELECT \"Nombre y Apellido\" FROM T"},
    {"day-first date literals", "SELECT * FROM T WHERE F >= '31/12/2023' AND G < '1/2/2024' AND C = 'ABC'",
     "SELECT * FROM T WHERE F >= TO_DATE('31/12/2023','DD/MM/YYYY') AND G < TO_DATE('01/02/2024','DD/MM/YYYY') AND C = "
     "'ABC'"},
    {"a literal already wrapped is not wrapped twice", "SELECT * FROM T WHERE F = TO_DATE('31/12/2023','DD/MM/YYYY')",
     "SELECT * FROM T WHERE F = TO_DATE('31/12/2023','DD/MM/YYYY')"},
    {"CHARINDEX takes the searched text first in Oracle", "SELECT CHARINDEX('-', Codigo) FROM T",
     "SELECT InStr(Codigo, '-') FROM T"},
    {"CHARINDEX with a start and nested calls", "SELECT charindex (',', SUBSTRING(A, 2, 5), 3) FROM T",
     "SELECT InStr(SUBSTR(A, 2, 5), ',', 3) FROM T"},
    {"CONVERT with style 103 becomes TO_CHAR with a format",
     "SELECT CONVERT(NVARCHAR, Fecha, 103), CONVERT(INT, Codigo) FROM T",
     "SELECT TO_CHAR( Fecha, 'DD/MM/YYYY'), TO_NUMBER( Codigo) FROM T"},
    {"a 103 outside TO_CHAR stays", "SELECT * FROM T WHERE N = 103", "SELECT * FROM T WHERE N = 103"},
    {"comparisons with an empty text after WHERE", "SELECT A = '' FROM T WHERE B = '' AND C=''",
     "SELECT A = '' FROM T WHERE B  IS NULL  AND C IS NULL "},
    {"SUBSTRING and ISNULL", "SELECT SUBSTRING(A,1,2), ISNULL(B,0) FROM T", "SELECT SUBSTR(A,1,2), NVL(B,0) FROM T"},
};

class OracleDialect : public support::ProgramTest {
protected:
    DB_Dll db;
};

TEST_F(OracleDialect, LeavesTextAloneOnSqlServer)
{
    db.gConnString = "PROVIDER=SQLOLEDB;Server=srv;";
    EXPECT_EQ(db.ORACLE_Dicc("SELECT TOP 1 LEN([A]) FROM T"), "SELECT TOP 1 LEN([A]) FROM T");
}

TEST_F(OracleDialect, AppliesTheTenRulesInOrder)
{
    db.gConnString = OracleConnection;
    for (const DialectCase &c : dialectCases)
        EXPECT_EQ(db.ORACLE_Dicc(QString::fromUtf8(c.tsql)), QString::fromUtf8(c.oracle)) << c.name;
}

TEST_F(OracleDialect, RefusesMalformedText)
{
    db.gConnString = OracleConnection;
    for (const char *text : {"SELECT TOP 10", "SELECT * FROM T WHERE A = 'x"})
        EXPECT_EQ(errorNumber([&] { db.ORACLE_Dicc(text); }), rt::err::InvalidProcedureCall) << text;
}

class OracleBatch : public PruebaDb {
protected:
    void SetUp() override
    {
        PruebaDb::SetUp();
        gBaseDatos->gCnn.Close();
        gBaseDatos->OpenServerADODB(false, 3, OracleConnection, false, false);
        server.clearCalls();
    }
};

TEST_F(OracleBatch, RunsTransactionCommandsAndStatementsOneByOne)
{
    server.answerAffected("INSERT INTO T", 1);
    QString batch = "SET NOCOUNT ON\r\nBEGIN TRANSACTION\r\nINSERT INTO T (A) VALUES (1)\r\n"
                    "INSERT INTO T (A) VALUES (2)\r\nCOMMIT TRANSACTION";
    long affected = 5;
    gBaseDatos->EjecutaConsultaSQL(batch, affected);

    const QList<ScriptedCall> &calls = server.calls();
    ASSERT_EQ(calls.size(), 4);
    EXPECT_EQ(calls[0].kind, ScriptedCall::Kind::BeginTrans);
    EXPECT_EQ(calls[1].text, "INSERT INTO T (A) VALUES (1)");
    EXPECT_EQ(calls[2].text, "INSERT INTO T (A) VALUES (2)");
    EXPECT_EQ(calls[3].kind, ScriptedCall::Kind::CommitTrans);
    EXPECT_EQ(affected, 7);
    EXPECT_TRUE(batch.isEmpty());
}

TEST_F(OracleBatch, SkipsGuardsThatOracleCannotRun)
{
    QString batch = "IF NOT EXISTS (SELECT * FROM T WHERE A = 1) INSERT INTO T (A) VALUES (1)";
    long affected = 0;
    gBaseDatos->EjecutaConsultaSQL(batch, affected);
    EXPECT_EQ(server.statements(), QStringList{"INSERT INTO T (A) VALUES (1)"});
}

TEST_F(OracleBatch, LeavesTheFailingStatementOnInTheCallersText)
{
    server.answerError("VALUES (2)", {ScriptedServer::providerError(942, "42S02", "table does not exist")});
    QString batch = "INSERT INTO T (A) VALUES (1) INSERT INTO T (A) VALUES (2) INSERT INTO T (A) VALUES (3)";
    long affected = 0;
    gBaseDatos->EjecutaConsultaSQL(batch, affected);
    EXPECT_EQ(server.statements().size(), 2);
    EXPECT_EQ(batch, "INSERT INTO T (A) VALUES (2) INSERT INTO T (A) VALUES (3)");
    ASSERT_EQ(gBaseDatos->gCnn.Errors().Count(), 1);
    EXPECT_EQ(gBaseDatos->gCnn.Errors()(0).NativeError, 942);
}

TEST_F(OracleBatch, QueriesAreRewrittenOnlyWhenAsked)
{
    server.answerRows("FROM T", ScriptedServer::rows({"A"}, {{1}}));
    ado::Recordset rs;
    gBaseDatos->AbrirRecordset("SELECT ISNULL(A,0) AS A FROM T", rs);
    gBaseDatos->AbrirRecordset("SELECT ISNULL(A,0) AS A FROM T", rs, nullptr, 0, 1, -1, false);
    EXPECT_EQ(server.statements(), (QStringList{"SELECT NVL(A,0) AS A FROM T", "SELECT ISNULL(A,0) AS A FROM T"}));
}

} // namespace
