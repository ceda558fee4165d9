#include "AdoFixture.h"

#include "platform/ado/AdoErrors.h"
#include "platform/ado/ConnectionString.h"

#include <QFileInfo>

using ado::Connection;
namespace err = rt::err;

namespace {

class AdoConnectionTest : public DemoDatabaseTest {
protected:
    AdoConnectionTest()
        : DemoDatabaseTest(QStringLiteral("CREATE TABLE T (N INTEGER);"))
    {
    }
};

TEST(AdoConnectionStringTest, KeysIgnoreCaseBlanksAndSynonyms)
{
    struct Case {
        const char *text;
        const char *provider, *server, *database, *user, *password;
    };
    const Case cases[] = {
        {"PROVIDER=SQLOLEDB;Server=srv\\PLEXOR;Database =DEMO;UId=DEMO;Pwd=clave;", "SQLOLEDB", "srv\\PLEXOR", "DEMO",
         "DEMO", "clave"},
        {" provider = SQLOLEDB ; data source=host,1433;Initial Catalog=Base;User ID=u;Password=p", "SQLOLEDB",
         "host,1433", "Base", "u", "p"},
        {"Provider=OraOLEDB.Oracle.1;Data Source=ORCL;User Id=scott;Password=\"ti;ger\";", "OraOLEDB.Oracle.1", "ORCL",
         "", "scott", "ti;ger"},
        {"Server=a;SERVER=b;Pwd='it''s';Extra", "", "a", "", "", "it's"},
    };
    for (const Case &c : cases) {
        const ado::ConnectionString settings{QString::fromUtf8(c.text)};
        EXPECT_EQ(settings.provider(), QString::fromUtf8(c.provider)) << c.text;
        EXPECT_EQ(settings.server(), QString::fromUtf8(c.server)) << c.text;
        EXPECT_EQ(settings.database(), QString::fromUtf8(c.database)) << c.text;
        EXPECT_EQ(settings.user(), QString::fromUtf8(c.user)) << c.text;
        EXPECT_EQ(settings.password(), QString::fromUtf8(c.password)) << c.text;
    }
}

TEST_F(AdoConnectionTest, SqliteServerInAnyCaseOpensTheDatabaseFileOfTheDataFolder)
{
    for (const char *server : {"sqlite", "SQLite", " SQLITE "}) {
        Connection connection;
        const QString text = QStringLiteral("PROVIDER=SQLOLEDB;Server=%1;Database =demo;UId=demo;Pwd=demo;")
                                 .arg(QString::fromLatin1(server));
        connection.Open(text);
        EXPECT_EQ(connection.State(), ado::adStateOpen) << server;
        EXPECT_EQ(connection.ConnectionString(), text);
        EXPECT_EQ(connection.DefaultDatabase(), QStringLiteral("demo"));
        connection.Execute(QStringLiteral("INSERT INTO T VALUES (1)"));
    }
    EXPECT_EQ(count(QStringLiteral("T")), 3);
}

TEST_F(AdoConnectionTest, MissingDatabaseFailsLikeAnUnknownDatabaseAndIsNotCreated)
{
    Connection connection;
    EXPECT_EQ(errorNumberOf([&] { connection.Open(connectionString(QStringLiteral("NOEXISTE"))); }), err::AdoEFail);
    EXPECT_EQ(connection.State(), ado::adStateClosed);
    ASSERT_EQ(connection.Errors().Count(), 1);
    const ado::Error &error = connection.Errors()(0);
    EXPECT_EQ(error.NativeError, 4060);
    EXPECT_EQ(error.SQLState, QStringLiteral("42000"));
    EXPECT_EQ(error.Description,
              QStringLiteral("Cannot open database \"NOEXISTE\" requested by the login. The login failed."));
    EXPECT_FALSE(QFileInfo::exists(databasePath(QStringLiteral("NOEXISTE"))));
}

TEST_F(AdoConnectionTest, JetProviderOpensTheFileNamedByDataSource)
{
    Connection jet;
    jet.Open(QStringLiteral("PROVIDER=Microsoft.Jet.OLEDB.4.0;Data Source =%1;User Id=admin;Password=;")
                 .arg(databasePath(QStringLiteral("DEMO"))));
    EXPECT_EQ(jet.Execute(QStringLiteral("SELECT COUNT(*) FROM T")).RecordCount(), 1);

    const QString missing = QDir(m_folder.path()).filePath(QStringLiteral("otra.mdb"));
    Connection other;
    EXPECT_EQ(
        errorNumberOf([&] { other.Open(QStringLiteral("Provider=Microsoft.Jet.OLEDB.3.51;Data Source=") + missing); }),
        err::AdoEFail);
    EXPECT_EQ(other.Errors()(0).SQLState, QStringLiteral("3024"));
    EXPECT_FALSE(QFileInfo::exists(missing));
}

TEST_F(AdoConnectionTest, UnknownProviderIsNotFound)
{
    Connection connection;
    EXPECT_EQ(errorNumberOf([&] { connection.Open(QStringLiteral("Provider=Nadie;Data Source=x")); }),
              rt::err::AdoProviderNotFound);
    EXPECT_EQ(connection.State(), ado::adStateClosed);
}

TEST_F(AdoConnectionTest, StateRulesOfOpenCloseAndExecute)
{
    Connection connection;
    EXPECT_EQ(errorNumberOf([&] { connection.Execute(QStringLiteral("SELECT 1")); }), err::AdoNoConnection);
    EXPECT_EQ(errorNumberOf([&] { connection.Close(); }), err::AdoObjectClosed);
    EXPECT_EQ(errorNumberOf([&] { connection.BeginTrans(); }), err::AdoNoConnection);
    connection.Open(connectionString());
    EXPECT_EQ(errorNumberOf([&] { connection.Open(connectionString()); }), err::AdoObjectOpen);
    connection.Close();
    EXPECT_EQ(connection.State(), ado::adStateClosed);
    EXPECT_EQ(errorNumberOf([&] { connection.OpenSchema(ado::adSchemaTables); }), err::AdoNoConnection);
    connection.Open(); // the connection string it keeps
    EXPECT_EQ(connection.State(), ado::adStateOpen);
}

TEST_F(AdoConnectionTest, FailureFillsErrorsAndTheNextStatementClearsThem)
{
    Connection &connection = m_connection;
    EXPECT_EQ(errorNumberOf([&] { connection.Execute(QStringLiteral("SELECT * FROM NOEXISTE")); }),
              err::AdoUnknownObject);
    ASSERT_EQ(connection.Errors().Count(), 1);
    EXPECT_EQ(connection.Errors()(0).NativeError, 208);
    EXPECT_EQ(errorNumberOf([&] { connection.Errors()(1); }), err::AdoItemNotFound);

    connection.Close();
    // A closed connection raises 3709 and leaves the last provider errors where they were.
    EXPECT_EQ(errorNumberOf([&] { connection.Execute(QStringLiteral("SELECT 1")); }), err::AdoNoConnection);
    EXPECT_EQ(connection.Errors().Count(), 1);

    connection.Open(connectionString());
    EXPECT_EQ(connection.Errors().Count(), 0);
    EXPECT_EQ(errorNumberOf([&] { connection.Execute(QStringLiteral("SELECT Nada FROM T")); }), err::AdoSyntaxError);
    connection.Execute(QStringLiteral("INSERT INTO T VALUES (2)"));
    EXPECT_EQ(connection.Errors().Count(), 0);
    EXPECT_EQ(errorNumberOf([&] { connection.OpenSchema(ado::adSchemaTables).RecordCount(); }), 0);
}

TEST_F(AdoConnectionTest, DefaultDatabaseCanOnlyNameTheOpenDatabase)
{
    m_connection.setDefaultDatabase(QStringLiteral("demo"));
    EXPECT_EQ(errorNumberOf([&] { m_connection.setDefaultDatabase(QStringLiteral("OTRA")); }), err::AdoEFail);
    EXPECT_EQ(m_connection.Errors()(0).NativeError, 911);
}

} // namespace
