#include "AdoFixture.h"

#include "platform/ado/Engine.h"

#include <QFileInfo>

using ado::Connection;
using ado::Recordset;
namespace err = rt::err;

namespace {

const QString schema = QStringLiteral(
    "CREATE TABLE CLIENTES (Codigo TEXT(10) COLLATE TSQLCI PRIMARY KEY, Nombre TEXT(50) COLLATE TSQLCI NOT NULL);"
    "INSERT INTO CLIENTES VALUES ('A1', 'Ana'), ('B2', 'Beto');"
    "CREATE TABLE PEDIDOS (Id INTEGER PRIMARY KEY AUTOINCREMENT, "
    "Cliente TEXT(10) COLLATE TSQLCI REFERENCES CLIENTES (Codigo), Cantidad INTEGER);");

class SqliteEngineTest : public EmbeddedFolderTest {
protected:
    void SetUp() override
    {
        EmbeddedFolderTest::SetUp();
        createDatabase(QStringLiteral("DEMO"), schema);
        m_connection.Open(connectionString(QStringLiteral("DEMO")));
    }

    long count(const QString &table)
    {
        return m_connection.Execute(QStringLiteral("SELECT * FROM ") + table).RecordCount();
    }

    Connection m_connection;
};

TEST_F(SqliteEngineTest, FailuresCarrySqlServerNumbersStatesAndTexts)
{
    struct Case {
        const char *sql;
        long number, native;
        const char *sqlState, *description;
        long errorCount;
    };
    const Case cases[] = {
        {"SELECT * FROM NOEXISTE", err::AdoUnknownObject, 208, "42S02", "Invalid object name 'NOEXISTE'.", 1},
        {"SELECT Apellido FROM CLIENTES", err::AdoSyntaxError, 207, "42S22", "Invalid column name 'Apellido'.", 1},
        {"INSERT INTO CLIENTES (Codigo, Nombre) VALUES ('A1', 'Otra')", err::AdoIntegrityViolation, 2627, "23000",
         "Violation of PRIMARY KEY constraint 'PK_CLIENTES'. Cannot insert duplicate key in object 'dbo.CLIENTES'.", 2},
        {"INSERT INTO PEDIDOS (Cliente, Cantidad) VALUES ('ZZ', 1)", err::AdoIntegrityViolation, 547, "23000",
         "The INSERT statement conflicted with the FOREIGN KEY constraint.", 2},
        {"UPDATE CLIENTES SET Nombre = NULL WHERE Codigo = 'A1'", err::AdoIntegrityViolation, 515, "23000",
         "Cannot insert the value NULL into column 'Nombre', table 'CLIENTES'; column does not allow nulls. UPDATE "
         "fails.",
         2},
        {"SELECT * FROM CLIENTES WHERE", err::AdoSyntaxError, 102, "42000", nullptr, 1},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(errorNumberOf([&] { m_connection.Execute(QString::fromUtf8(c.sql)); }), c.number) << c.sql;
        ASSERT_EQ(m_connection.Errors().Count(), c.errorCount) << c.sql;
        const ado::Error &error = m_connection.Errors()(0);
        EXPECT_EQ(error.Number, c.number) << c.sql;
        EXPECT_EQ(error.NativeError, c.native) << c.sql;
        EXPECT_EQ(error.SQLState, QString::fromLatin1(c.sqlState)) << c.sql;
        if (c.description) {
            EXPECT_EQ(error.Description, QString::fromUtf8(c.description)) << c.sql;
        }
        if (c.errorCount == 2) {
            EXPECT_EQ(m_connection.Errors()(1).Description, QStringLiteral("The statement has been terminated."));
        }
    }
    EXPECT_EQ(count(QStringLiteral("CLIENTES")), 2);
}

TEST_F(SqliteEngineTest, TransactionsNestAndRollBackEverything)
{
    m_connection.BeginTrans();
    m_connection.Execute(QStringLiteral("INSERT INTO PEDIDOS (Cliente, Cantidad) VALUES ('A1', 1)"));
    m_connection.RollbackTrans();
    EXPECT_EQ(count(QStringLiteral("PEDIDOS")), 0);

    m_connection.BeginTrans();
    m_connection.BeginTrans();
    m_connection.Execute(QStringLiteral("INSERT INTO PEDIDOS (Cliente, Cantidad) VALUES ('A1', 2)"));
    m_connection.CommitTrans(); // the inner commit writes nothing yet
    m_connection.RollbackTrans();
    EXPECT_EQ(count(QStringLiteral("PEDIDOS")), 0);

    m_connection.BeginTrans();
    m_connection.Execute(QStringLiteral("INSERT INTO PEDIDOS (Cliente, Cantidad) VALUES ('A1', 3)"));
    m_connection.CommitTrans();
    Connection other;
    other.Open(connectionString(QStringLiteral("DEMO")));
    EXPECT_EQ(other.Execute(QStringLiteral("SELECT * FROM PEDIDOS")).RecordCount(), 1);

    EXPECT_EQ(errorNumberOf([&] { m_connection.CommitTrans(); }), err::AdoEFail);
    EXPECT_EQ(m_connection.Errors()(0).NativeError, 3902);
    EXPECT_EQ(errorNumberOf([&] { m_connection.RollbackTrans(); }), err::AdoEFail);
    EXPECT_EQ(m_connection.Errors()(0).NativeError, 3903);
}

TEST_F(SqliteEngineTest, RecordsAffectedCountsTheRowsTouched)
{
    long affected = 0;
    m_connection.Execute(QStringLiteral("INSERT INTO PEDIDOS (Cliente, Cantidad) SELECT Codigo, 1 FROM CLIENTES"),
                         &affected);
    EXPECT_EQ(affected, 2);
    m_connection.Execute(QStringLiteral("UPDATE PEDIDOS SET Cantidad = 5 WHERE Cliente = 'B2'"), &affected);
    EXPECT_EQ(affected, 1);
    m_connection.Execute(QStringLiteral("DELETE FROM PEDIDOS"), &affected);
    EXPECT_EQ(affected, 2);
    m_connection.Execute(QStringLiteral("DELETE FROM PEDIDOS"), &affected);
    EXPECT_EQ(affected, 0);
}

TEST_F(SqliteEngineTest, IdentityIsTheLastInsertedRowId)
{
    m_connection.Execute(QStringLiteral("INSERT INTO PEDIDOS (Cliente, Cantidad) VALUES ('A1', 1)"));
    m_connection.Execute(QStringLiteral("INSERT INTO PEDIDOS (Cliente, Cantidad) VALUES ('B2', 1)"));
    Recordset identity = m_connection.Execute(QStringLiteral("SELECT @@IDENTITY AS Id"));
    EXPECT_EQ(rt::Variant(identity(QStringLiteral("Id"))), rt::Variant(2));
}

TEST_F(SqliteEngineTest, RepeatedTextSeesTheTableAsItIsNow)
{
    const QString select = QStringLiteral("SELECT * FROM CLIENTES WHERE Codigo = 'A1'");
    EXPECT_EQ(m_connection.Execute(select).FieldCount(), 2);
    m_connection.Execute(QStringLiteral("ALTER TABLE CLIENTES ADD Zona TEXT(5)"));
    m_connection.Execute(QStringLiteral("UPDATE CLIENTES SET Zona = 'Norte'"));
    Recordset again = m_connection.Execute(select);
    EXPECT_EQ(again.FieldCount(), 3);
    EXPECT_EQ(again(QStringLiteral("Zona")).asString(), QStringLiteral("Norte"));
}

TEST_F(SqliteEngineTest, SecondConnectionSeesCommittedRows)
{
    Connection other;
    other.Open(connectionString(QStringLiteral("DEMO")));
    m_connection.Execute(QStringLiteral("INSERT INTO CLIENTES (Codigo, Nombre) VALUES ('C3', 'Carla')"));
    EXPECT_EQ(other.Execute(QStringLiteral("SELECT * FROM CLIENTES")).RecordCount(), 3);
}

TEST_F(SqliteEngineTest, CreatingADatabaseNeverOverwritesAndLeavesNothingHalfMade)
{
    try {
        createDatabase(QStringLiteral("DEMO"), QStringLiteral("CREATE TABLE X (A INTEGER);"));
        ADD_FAILURE() << "an existing database was created again";
    } catch (const ado::EngineError &error) {
        EXPECT_EQ(error.errors().first().NativeError, 1801);
    }
    EXPECT_EQ(count(QStringLiteral("CLIENTES")), 2);

    EXPECT_THROW(createDatabase(QStringLiteral("MALA"), QStringLiteral("CREATE TABLE A (X INTEGER); CREATE TABLE A (Y);")),
                 ado::EngineError);
    EXPECT_FALSE(QFileInfo::exists(databasePath(QStringLiteral("MALA"))));
}

TEST_F(SqliteEngineTest, DataFolderComesFromTheEnvironmentElseBesideTheProgram)
{
    EXPECT_EQ(ado::sqlite::dataFolder(), m_folder.path());
    qunsetenv("COMISIONES_DATOS");
    EXPECT_TRUE(ado::sqlite::dataFolder().endsWith(QStringLiteral("/datos")));
    EXPECT_NE(ado::sqlite::dataFolder(), QStringLiteral("/datos"));
}

} // namespace
