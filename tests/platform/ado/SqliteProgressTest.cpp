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

// Another connection holds the database for writing: the statement waits up to the command
// time-out, calling the lock-wait handler meanwhile, then fails as a lock time-out.
TEST_F(SqliteProgressTest, WaitingForAnotherConnectionsLockCallsTheLockWaitHandler)
{
    ado::Connection other;
    other.Open(connectionString());
    other.BeginTrans();
    other.Execute(QStringLiteral("INSERT INTO T VALUES (2)"));
    int calls = 0;
    m_connection.setLockWaitHandler([&calls] { ++calls; });
    m_connection.setCommandTimeout(1);
    EXPECT_EQ(errorNumberOf([this] { m_connection.Execute(QStringLiteral("INSERT INTO T VALUES (1)")); }),
              rt::err::AdoEFail);
    EXPECT_EQ(m_connection.Errors()(0).NativeError, 1222);
    EXPECT_GE(calls, 3);

    other.CommitTrans();
    calls = 0;
    m_connection.Execute(QStringLiteral("INSERT INTO T VALUES (1)"));
    EXPECT_EQ(calls, 0) << "no lock, no wait";
    EXPECT_EQ(count(QStringLiteral("T")), 2);
}

} // namespace
