#include "platform/ado/Connection.h"
#include "platform/runtime/RuntimeError.h"
#include "support/OdbcSqliteDriver.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using ado::Connection;
using ado::Recordset;
namespace err = rt::err;

template <typename Action>
long errorNumberOf(Action &&action)
{
    try {
        action();
    } catch (const rt::RuntimeError &error) {
        return error.Number;
    }
    return 0;
}

// The program's SQL Server connection string, with the SQL Server driver setting pointing at
// the SQLite ODBC driver: the whole path from ado::Connection to a real ODBC driver.
class OdbcConnectionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        const QString driver = support::registerSqliteOdbcDriver();
        ASSERT_FALSE(driver.isEmpty());
        m_hadDriver = qEnvironmentVariableIsSet("COMISIONES_ODBC_SQLSERVER");
        m_previousDriver = qgetenv("COMISIONES_ODBC_SQLSERVER");
        qputenv("COMISIONES_ODBC_SQLSERVER", driver.toUtf8());
        m_connection.Open(connectionString());
        m_connection.Execute(QStringLiteral("CREATE TABLE TA_USUARIOS (Nombre VARCHAR(30) PRIMARY KEY, "
                                            "Administrador BIT, Tope MONEY)"));
        m_connection.Execute(QStringLiteral("INSERT INTO TA_USUARIOS VALUES ('ana', 1, 1500.25)"));
    }
    void TearDown() override
    {
        if (m_hadDriver)
            qputenv("COMISIONES_ODBC_SQLSERVER", m_previousDriver);
        else
            qunsetenv("COMISIONES_ODBC_SQLSERVER");
    }

    QString connectionString() const
    {
        const QString path = QDir(m_folder.path()).filePath(QStringLiteral("EMPRESA.db"));
        return QStringLiteral("PROVIDER=SQLOLEDB;Server=servidor01;Database =%1;UId=EMPRESA;Pwd=EMPRESA;").arg(path);
    }

    QTemporaryDir m_folder;
    Connection m_connection;

private:
    QByteArray m_previousDriver;
    bool m_hadDriver = false;
};

TEST_F(OdbcConnectionTest, ProgramConnectionStringReachesTheOdbcDriver)
{
    EXPECT_EQ(m_connection.State(), ado::adStateOpen);
    Recordset users = m_connection.Execute(QStringLiteral("SELECT * FROM TA_USUARIOS WHERE Nombre = 'ana'"));
    ASSERT_EQ(users.RecordCount(), 1);
    EXPECT_EQ(users(QStringLiteral("ADMINISTRADOR")), rt::Variant(true));
    EXPECT_EQ(users.Fields(QStringLiteral("tope")).Type(), ado::adCurrency);
    EXPECT_EQ(users(QStringLiteral("Tope")), rt::Variant(rt::Currency::fromRaw(15002500)));
}

TEST_F(OdbcConnectionTest, FailureFillsErrorsWithTheDriversDiagnostics)
{
    EXPECT_EQ(errorNumberOf([&] { m_connection.Execute(QStringLiteral("INSERT INTO TA_USUARIOS VALUES ('ana', 0, 0)")); }),
              err::AdoEFail);
    ASSERT_EQ(m_connection.Errors().Count(), 1);
    EXPECT_EQ(m_connection.Errors()(0).SQLState, u"HY000");
    EXPECT_EQ(m_connection.Errors()(0).NativeError, 19);
    EXPECT_TRUE(m_connection.Errors()(0).Description.contains(u"UNIQUE constraint failed"));

    m_connection.Execute(QStringLiteral("SELECT * FROM TA_USUARIOS"));
    EXPECT_EQ(m_connection.Errors().Count(), 0);
}

TEST_F(OdbcConnectionTest, ClosedConnectionGives3709AndReopens)
{
    m_connection.Close();
    EXPECT_EQ(m_connection.State(), ado::adStateClosed);
    EXPECT_EQ(errorNumberOf([&] { m_connection.Execute(QStringLiteral("SELECT * FROM TA_USUARIOS")); }),
              err::AdoNoConnection);
    EXPECT_EQ(errorNumberOf([&] { m_connection.BeginTrans(); }), err::AdoNoConnection);
    EXPECT_EQ(errorNumberOf([&] { m_connection.OpenSchema(ado::adSchemaTables); }), err::AdoNoConnection);

    m_connection.Open(m_connection.ConnectionString());
    EXPECT_EQ(m_connection.Execute(QStringLiteral("SELECT * FROM TA_USUARIOS")).RecordCount(), 1);
}

TEST_F(OdbcConnectionTest, TransactionsThroughTheConnection)
{
    m_connection.BeginTrans();
    m_connection.Execute(QStringLiteral("DELETE FROM TA_USUARIOS"));
    m_connection.RollbackTrans();
    EXPECT_EQ(m_connection.Execute(QStringLiteral("SELECT * FROM TA_USUARIOS")).RecordCount(), 1);
    EXPECT_EQ(errorNumberOf([&] { m_connection.CommitTrans(); }), err::AdoEFail);
    EXPECT_EQ(m_connection.Errors()(0).NativeError, 3902);
}

TEST_F(OdbcConnectionTest, SchemaRowsetFindsTheUserTableAsTheProgramLooksForIt)
{
    m_connection.setDefaultDatabase(QStringLiteral("EMPRESA"));
    m_connection.setIsolationLevel(ado::adXactReadUncommitted);
    Recordset tables = m_connection.OpenSchema(ado::adSchemaTables);
    bool found = false;
    for (; !tables.EOF_(); tables.MoveNext())
        found = found || tables(QStringLiteral("TABLE_NAME")).asString().trimmed().compare(u"ta_usuarios", Qt::CaseInsensitive) == 0;
    EXPECT_TRUE(found);

    Recordset columns = m_connection.OpenSchema(ado::adSchemaColumns,
                                                {QStringLiteral("EMPRESA"), QString(), QStringLiteral("TA_USUARIOS")});
    EXPECT_EQ(columns.RecordCount(), 3);
    EXPECT_EQ(columns(QStringLiteral("COLUMN_NAME")), rt::Variant(QStringLiteral("Nombre")));
}

TEST_F(OdbcConnectionTest, AddedRowGoesThroughTheParameterisedInsert)
{
    Recordset users;
    users.Open(QStringLiteral("SELECT * FROM TA_USUARIOS"), m_connection, ado::adOpenDynamic, ado::adLockOptimistic);
    users.AddNew();
    users.Fields(QStringLiteral("Nombre")).setValue(rt::Variant(QStringLiteral("beto")));
    users.Fields(QStringLiteral("Tope")).setValue(rt::Variant(rt::Currency::fromRaw(990000)));
    users.Update();
    Recordset added = m_connection.Execute(QStringLiteral("SELECT Tope, Administrador FROM TA_USUARIOS WHERE Nombre = 'beto'"));
    ASSERT_EQ(added.RecordCount(), 1);
    EXPECT_EQ(added(QStringLiteral("Tope")), rt::Variant(rt::Currency::fromRaw(990000)));
    EXPECT_TRUE(added(QStringLiteral("Administrador")).isNull());
}

} // namespace
