#include "AdoFixture.h"

#include <QDateTime>

using ado::Connection;
using ado::Recordset;
using rt::Variant;

namespace {

const QString schema = QStringLiteral(
    "CREATE TABLE CLIENTES (Codigo TEXT(10) COLLATE TSQLCI PRIMARY KEY, Nombre TEXT(50) COLLATE TSQLCI NOT NULL, "
    "Alta DATETIME);"
    "INSERT INTO CLIENTES VALUES ('A1', 'Ana', '2024-03-01 00:00:00');");

class SqliteEngineBatchTest : public EmbeddedFolderTest {
protected:
    void SetUp() override
    {
        EmbeddedFolderTest::SetUp();
        createDatabase(QStringLiteral("DEMO"), schema);
        m_connection.Open(connectionString(QStringLiteral("DEMO")));
    }

    long clients()
    {
        return m_connection.Execute(QStringLiteral("SELECT * FROM CLIENTES")).RecordCount();
    }

    Connection m_connection;
};

TEST_F(SqliteEngineBatchTest, BatchRunsEveryStatementAndKeepsTheLastResult)
{
    long affected = 0;
    Recordset last = m_connection.Execute(QStringLiteral("INSERT INTO CLIENTES (Codigo, Nombre) VALUES ('B2', 'Beto')\n"
                                                         "INSERT INTO CLIENTES (Codigo, Nombre) VALUES ('C3', 'Carla')\n"
                                                         "SELECT COUNT(*) AS N FROM CLIENTES"),
                                          &affected);
    ASSERT_EQ(last.State(), ado::adStateOpen);
    EXPECT_EQ(last(QStringLiteral("N")), Variant(3));
    EXPECT_EQ(affected, 2);
}

TEST_F(SqliteEngineBatchTest, IfExistsIsDecidedByRunningTheCondition)
{
    const QString insertOnce = QStringLiteral(
        "if not exists(SELECT * FROM CLIENTES WHERE Codigo = 'B2') INSERT INTO CLIENTES (Codigo, Nombre) VALUES ('B2', 'Beto')");
    long affected = -1;
    m_connection.Execute(insertOnce, &affected);
    EXPECT_EQ(affected, 1);
    m_connection.Execute(insertOnce, &affected);
    EXPECT_NE(affected, 1);
    EXPECT_EQ(clients(), 2);
    m_connection.Execute(QStringLiteral("IF EXISTS (SELECT * FROM CLIENTES WHERE Codigo = 'b2 ') DELETE FROM CLIENTES "
                                        "WHERE Codigo = 'B2'"));
    EXPECT_EQ(clients(), 1);
}

TEST_F(SqliteEngineBatchTest, TransactionStatementsInTheTextAreHonoured)
{
    m_connection.Execute(QStringLiteral("BEGIN TRANSACTION\n"
                                        "INSERT INTO CLIENTES (Codigo, Nombre) VALUES ('B2', 'Beto')\n"
                                        "ROLLBACK TRANSACTION"));
    EXPECT_EQ(clients(), 1);
    m_connection.Execute(QStringLiteral("BEGIN TRAN"));
    m_connection.Execute(QStringLiteral("INSERT INTO CLIENTES (Codigo, Nombre) VALUES ('B2', 'Beto')"));
    m_connection.CommitTrans(); // the program's commit closes the transaction its text opened
    Connection other;
    other.Open(connectionString(QStringLiteral("DEMO")));
    EXPECT_EQ(other.Execute(QStringLiteral("SELECT * FROM CLIENTES")).RecordCount(), 2);
}

TEST_F(SqliteEngineBatchTest, DatesWrittenDayFirstReadBackAsDates)
{
    m_connection.Execute(QStringLiteral("UPDATE CLIENTES SET Alta = '31/03/2024' WHERE Codigo = 'A1'"));
    Recordset client = m_connection.Execute(QStringLiteral("SELECT Alta FROM CLIENTES WHERE Alta <= '31/03/2024'"));
    ASSERT_EQ(client.RecordCount(), 1);
    EXPECT_EQ(client(QStringLiteral("Alta")), Variant(rt::DateTime::fromParts(2024, 3, 31)));

    Recordset now = m_connection.Execute(QStringLiteral("select  getDate() as fecha"));
    EXPECT_EQ(now.Fields(QStringLiteral("fecha")).Type(), ado::adDBTimeStamp);
    const QDateTime read = now(QStringLiteral("fecha")).asDate().toQDateTime();
    EXPECT_LE(std::abs(read.secsTo(QDateTime::currentDateTime())), 5);
}

TEST_F(SqliteEngineBatchTest, TemporaryTablesLiveForTheConnection)
{
    m_connection.Execute(QStringLiteral("SELECT Codigo, Nombre INTO #copia FROM CLIENTES"));
    EXPECT_EQ(m_connection.Execute(QStringLiteral("SELECT * FROM #copia")).RecordCount(), 1);
    Connection other;
    other.Open(connectionString(QStringLiteral("DEMO")));
    EXPECT_EQ(errorNumberOf([&] { other.Execute(QStringLiteral("SELECT * FROM #copia")); }), rt::err::AdoUnknownObject);
}

} // namespace
