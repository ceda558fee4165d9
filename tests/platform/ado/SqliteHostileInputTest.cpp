// What the embedded engine does with text and names no program of the suite writes.
#include "AdoFixture.h"

namespace {

using ado::Connection;
namespace err = rt::err;

const QString schema = QStringLiteral("CREATE TABLE CLIENTES (Codigo TEXT(10) COLLATE TSQLCI PRIMARY KEY, "
                                      "Nombre TEXT(50) COLLATE TSQLCI NOT NULL);"
                                      "INSERT INTO CLIENTES VALUES ('A1', 'Ana'), ('B2', 'Beto');");

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

} // namespace
