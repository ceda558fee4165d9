#include "AdoFixture.h"

#include <stdexcept>

namespace {

// Counting to a million takes SQLite some tenths of a second: several progress intervals.
const QString longStatement = QStringLiteral("WITH n (i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000000) "
                                             "SELECT COUNT(*) AS Total FROM n");

class SqliteProgressTest : public DemoDatabaseTest {
protected:
    SqliteProgressTest()
        : DemoDatabaseTest(QStringLiteral("CREATE TABLE T (Id INTEGER);"))
    {
    }

    // Runs the long statement and checks it gave its whole result.
    void runLongStatement()
    {
        ado::Recordset rs = m_connection.Execute(longStatement);
        EXPECT_EQ(rs(QStringLiteral("Total")).asLong(), 1000000);
    }
};

TEST_F(SqliteProgressTest, LongStatementCallsTheHandlerSeveralTimesAndNoneOnceRemoved)
{
    int calls = 0;
    m_connection.setProgressHandler([&calls] { ++calls; });
    runLongStatement();
    EXPECT_GE(calls, 3);

    calls = 0;
    m_connection.setProgressHandler({});
    runLongStatement();
    EXPECT_EQ(calls, 0);
}

TEST_F(SqliteProgressTest, HandlerIsKeptWhenTheConnectionOpensAgain)
{
    int calls = 0;
    m_connection.setProgressHandler([&calls] { ++calls; });
    m_connection.Close();
    m_connection.Open(connectionString());
    runLongStatement();
    EXPECT_GE(calls, 3);
}

TEST_F(SqliteProgressTest, HandlerCannotUseTheBusyConnectionNorBreakTheStatement)
{
    int refused = 0;
    m_connection.setProgressHandler([this, &refused] {
        try {
            m_connection.Execute(QStringLiteral("INSERT INTO T VALUES (1)"));
        } catch (const rt::RuntimeError &) {
            ++refused;
        }
        throw std::runtime_error("a failing repaint");
    });
    runLongStatement();
    EXPECT_GE(refused, 1);
    m_connection.setProgressHandler({});
    EXPECT_EQ(count(QStringLiteral("T")), 0);
}

} // namespace
