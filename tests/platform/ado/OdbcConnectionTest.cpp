// The whole path from ado::Connection to a real ODBC driver: the program's SQL Server connection
// string, with the SQL Server driver setting pointing at the SQLite ODBC driver. Errors,
// transactions, closing and schema rowsets are the engine's and the connection's own, tested
// apart; here the pieces are seen to fit.
#include "AdoFixture.h"

#include "platform/ado/Recordset.h"
#include "support/OdbcSqliteDriver.h"

namespace {

using ado::Recordset;
using rt::Variant;

class OdbcConnectionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        ASSERT_FALSE(m_driver.isEmpty());
        m_connection.Open(QStringLiteral("PROVIDER=SQLOLEDB;Server=servidor01;Database =%1;UId=EMPRESA;Pwd=EMPRESA;")
                              .arg(QDir(m_folder.path()).filePath(QStringLiteral("EMPRESA.db"))));
        m_connection.Execute(QStringLiteral("CREATE TABLE TA_USUARIOS (Nombre VARCHAR(30) PRIMARY KEY, "
                                            "Administrador BIT, Tope MONEY)"));
        m_connection.Execute(QStringLiteral("INSERT INTO TA_USUARIOS VALUES ('ana', 1, 1500.25)"));
    }

    QTemporaryDir m_folder;
    const QString m_driver = support::registerSqliteOdbcDriver();
    VariableEntorno m_sqlServerDriver{"COMISIONES_ODBC_SQLSERVER", m_driver};
    ado::Connection m_connection;
};

TEST_F(OdbcConnectionTest, ProgramConnectionStringReachesTheOdbcDriver)
{
    Recordset users = m_connection.Execute(QStringLiteral("SELECT * FROM TA_USUARIOS WHERE Nombre = 'ana'"));
    ASSERT_EQ(users.RecordCount(), 1);
    EXPECT_EQ(users(QStringLiteral("ADMINISTRADOR")), Variant(true));
    EXPECT_EQ(users.Fields(QStringLiteral("tope")).Type(), ado::adCurrency);
    EXPECT_EQ(users(QStringLiteral("Tope")), Variant(rt::Currency::fromRaw(15002500)));
}

TEST_F(OdbcConnectionTest, AddedRowGoesThroughTheParameterisedInsert)
{
    Recordset users;
    users.Open(QStringLiteral("SELECT * FROM TA_USUARIOS"), m_connection, ado::adOpenDynamic, ado::adLockOptimistic);
    users.AddNew();
    users.Fields(QStringLiteral("Nombre")).setValue(Variant(QStringLiteral("beto")));
    users.Fields(QStringLiteral("Tope")).setValue(Variant(rt::Currency::fromRaw(990000)));
    users.Update();
    Recordset added =
        m_connection.Execute(QStringLiteral("SELECT Tope, Administrador FROM TA_USUARIOS WHERE Nombre = 'beto'"));
    ASSERT_EQ(added.RecordCount(), 1);
    EXPECT_EQ(added(QStringLiteral("Tope")), Variant(rt::Currency::fromRaw(990000)));
    EXPECT_TRUE(added(QStringLiteral("Administrador")).isNull());
}

} // namespace
