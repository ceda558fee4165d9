// What the embedded engine does with text and names no program of the suite writes: stray NUL
// characters, statements nested past reason, database names that are paths.
#include "AdoFixture.h"

#include "platform/ado/sqlite/TsqlSyntax.h"
#include "platform/ado/sqlite/TsqlTranslator.h"

#include <QDir>
#include <QFile>

namespace {

using ado::Connection;
namespace err = rt::err;

const QString schema = QStringLiteral("CREATE TABLE CLIENTES (Codigo TEXT(10) COLLATE TSQLCI PRIMARY KEY, "
                                      "Nombre TEXT(50) COLLATE TSQLCI NOT NULL);"
                                      "INSERT INTO CLIENTES VALUES ('A1', 'Ana'), ('B2', 'Beto');");

const QString NestedTooDeeply = QStringLiteral(
    "Some part of your SQL statement is nested too deeply. Rewrite the query or break it up into smaller queries.");

class SqliteHostileInput : public DemoDatabaseTest {
protected:
    SqliteHostileInput()
        : DemoDatabaseTest(schema)
    {
    }

    // The first error of running `tsql`, which must fail as a syntax error (native 102).
    ado::Error syntaxError(const QString &tsql)
    {
        EXPECT_EQ(errorNumberOf([&] { m_connection.Execute(tsql); }), err::AdoSyntaxError);
        if (m_connection.Errors().Count() == 0)
            return {};
        const ado::Error error = m_connection.Errors()(0);
        EXPECT_EQ(error.NativeError, 102);
        EXPECT_EQ(error.SQLState, QStringLiteral("42000"));
        return error;
    }
};

// "~" stands for the NUL character.
QString withNul(const char *text)
{
    return QString::fromUtf8(text).replace(u'~', QChar(u'\0'));
}

TEST_F(SqliteHostileInput, ANulCharacterEndsTheStatementAsASyntaxError)
{
    const char *cases[] = {
        "SELECT 1~",
        "~SELECT 1",
        "SELECT~1",
        "DELETE FROM CLIENTES WHERE Codigo = 'A1'~ OR 1 = 1",
        "UPDATE CLIENTES SET Nombre = 'x' ~WHERE Codigo = 'A1'",
        "SELECT 'a~b'",
        "SELECT [Nom~bre] FROM CLIENTES",
    };
    for (const char *tsql : cases) {
        SCOPED_TRACE(tsql);
        syntaxError(withNul(tsql));
    }
    EXPECT_EQ(m_connection.Execute(QStringLiteral("SELECT * FROM CLIENTES WHERE Nombre = 'Ana'")).RecordCount(), 1);
    // Inside a comment it is no part of the statement.
    EXPECT_EQ(m_connection.Execute(withNul("SELECT 1 AS x -- ~\n")).Fields(QStringLiteral("x")).Value().asLong(), 1);
}

TEST_F(SqliteHostileInput, NestingPastTheLimitIsRefusedBeforeTheStackRunsOut)
{
    struct Case {
        const char *name;
        QString tsql;
    };
    const auto repeated = [](const char *text, int times) { return QString::fromLatin1(text).repeated(times); };
    const Case cases[] = {
        {"Parentheses", QStringLiteral("SELECT ") + repeated("(", 9000) + u'1' + repeated(")", 9000)},
        {"Case", QStringLiteral("SELECT ") + repeated("CASE WHEN 1 = 1 THEN ", 8500) + u'1' + repeated(" END", 8500)},
        {"IsNull", QStringLiteral("SELECT ") + repeated("ISNULL(", 50000) + u'1' + repeated(", 2)", 50000)},
        // Each + becomes one more call around the sum.
        {"Additions", QStringLiteral("SELECT 1") + repeated(" + 1", 100000)},
        {"AdditionsInsideGroups",
         QStringLiteral("SELECT ") + repeated("(1 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + ", 60) + u'1' + repeated(")", 60)},
        {"Guard", QStringLiteral("IF EXISTS (SELECT ") + repeated("(", 9000) + u'1' + repeated(")", 9000)
                      + QStringLiteral(") DELETE FROM CLIENTES")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(syntaxError(c.tsql).Description, NestedTooDeeply);
    }
    EXPECT_EQ(count(QStringLiteral("CLIENTES")), 2);
}

// A database name on the embedded server names a file of the data folder and nothing else.
class EmbeddedDatabaseName : public EmbeddedFolderTest {
protected:
    void SetUp() override
    {
        EmbeddedFolderTest::SetUp();
        ASSERT_TRUE(m_elsewhere.isValid());
        for (const char *name : {"DEMO", "Mi Empresa-2024_v.1", "Compañía"})
            createDatabase(QString::fromUtf8(name), schema);
        ado::sqlite::createEmbeddedDatabase(elsewhere(), schema);
    }

    QString elsewhere() const { return QDir(m_elsewhere.path()).filePath(QStringLiteral("DEMO.db")); }

    QTemporaryDir m_elsewhere;
};

TEST_F(EmbeddedDatabaseName, ANameOpensItsFileAndAPathIsAnUnknownDatabase)
{
    for (const char *name : {"DEMO", "demo", "Mi Empresa-2024_v.1", "Compañía"}) {
        Connection connection;
        EXPECT_EQ(errorNumberOf([&] { connection.Open(connectionString(QString::fromUtf8(name))); }), 0) << name;
    }
    const QString folder = QFileInfo(m_elsewhere.path()).fileName();
    const QString paths[] = {
        QStringLiteral("../") + folder + QStringLiteral("/DEMO"),
        QStringLiteral("..\\") + folder + QStringLiteral("\\DEMO"),
        m_elsewhere.path() + QStringLiteral("/DEMO"),
        QStringLiteral("./DEMO"),
        QStringLiteral("DE*MO"),
        QStringLiteral("DEMO?"),
        withNul("DEMO~"),
    };
    for (const QString &name : paths) {
        SCOPED_TRACE(name.toStdString());
        Connection connection;
        EXPECT_EQ(errorNumberOf([&] { connection.Open(connectionString(name)); }), err::AdoEFail);
        ASSERT_EQ(connection.Errors().Count(), 1);
        EXPECT_EQ(connection.Errors()(0).NativeError, 4060);
    }
    // Nothing was opened outside the data folder.
    EXPECT_FALSE(QFile::exists(elsewhere() + QStringLiteral("-wal")));
}

} // namespace
