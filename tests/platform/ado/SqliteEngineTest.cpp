#include "AdoFixture.h"

#include "platform/runtime/Conversions.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <array>
#include <chrono>
#include <sqlite3.h>
#include <thread>
#include <vector>

using ado::Connection;
using ado::Recordset;
namespace err = rt::err;

namespace {

const QString schema = QStringLiteral(
    "CREATE TABLE CLIENTES (Codigo TEXT(10) COLLATE TSQLCI PRIMARY KEY, Nombre TEXT(50) COLLATE TSQLCI NOT NULL);"
    "INSERT INTO CLIENTES VALUES ('A1', 'Ana'), ('B2', 'Beto');"
    "CREATE TABLE PEDIDOS (Id INTEGER PRIMARY KEY AUTOINCREMENT, "
    "Cliente TEXT(10) COLLATE TSQLCI REFERENCES CLIENTES (Codigo), Cantidad INTEGER);");

class SqliteEngineTest : public DemoDatabaseTest {
protected:
    SqliteEngineTest()
        : DemoDatabaseTest(schema)
    {
    }
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
    EXPECT_EQ(committedCount(QStringLiteral("PEDIDOS")), 1);

    EXPECT_EQ(errorNumberOf([&] { m_connection.CommitTrans(); }), err::AdoEFail);
    EXPECT_EQ(m_connection.Errors()(0).NativeError, 3902);
    EXPECT_EQ(errorNumberOf([&] { m_connection.RollbackTrans(); }), err::AdoEFail);
    EXPECT_EQ(m_connection.Errors()(0).NativeError, 3903);
}

// A transaction takes the write lock when it begins: another connection still reads what was
// committed, but waits to write (told to its lock-wait handler) and fails at its command timeout.
TEST_F(SqliteEngineTest, ATransactionHoldsOtherWritersFromItsStart)
{
    Connection other;
    other.setCommandTimeout(1);
    other.Open(connectionString());
    int waits = 0;
    other.setLockWaitHandler([&] { ++waits; });
    m_connection.BeginTrans();
    EXPECT_EQ(other.Execute(QStringLiteral("SELECT * FROM PEDIDOS")).RecordCount(), 0);
    QElapsedTimer waited;
    waited.start();
    EXPECT_EQ(errorNumberOf([&] { other.BeginTrans(); }), err::AdoEFail);
    EXPECT_GE(waited.elapsed(), 900);
    EXPECT_EQ(other.Errors()(0).NativeError, 1222);
    EXPECT_GT(waits, 0);
    EXPECT_EQ(other.transactionDepth(), 0);

    m_connection.Execute(QStringLiteral("INSERT INTO PEDIDOS (Cliente, Cantidad) VALUES ('A1', 1)"));
    m_connection.CommitTrans();
    other.BeginTrans();
    other.Execute(QStringLiteral("INSERT INTO PEDIDOS (Cliente, Cantidad) VALUES ('B2', 2)"));
    other.CommitTrans();
    EXPECT_EQ(committedCount(QStringLiteral("PEDIDOS")), 2);
}

// While another program holds the whole file for a moment (the last one to close it copies its
// log back), connections opening at once wait for it from their very first statement, each as
// long as its command time-out and no longer.
TEST_F(SqliteEngineTest, ConnectionsOpeningWhileTheFileIsHeldWaitTheirCommandTimeout)
{
    m_connection.Close();
    const struct {
        long timeout;
        long native; // of the failure to open; 0 when it opens
    } cases[] = {{30, 0}, {1, 1222}};
    for (const auto &[timeout, native] : cases) {
        SCOPED_TRACE(timeout);
        sqlite3 *holder = nullptr;
        ASSERT_EQ(sqlite3_open(databasePath(QStringLiteral("DEMO")).toUtf8().constData(), &holder), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(holder, "PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE;", nullptr, nullptr, nullptr),
                  SQLITE_OK);
        std::array<long, 5> failures{};
        std::vector<std::thread> openers;
        for (long &failure : failures) {
            openers.emplace_back([&failure, timeout] {
                Connection connection;
                connection.setCommandTimeout(timeout);
                try {
                    connection.Open(connectionString());
                } catch (const rt::RuntimeError &) {
                    failure = connection.Errors()(0).NativeError;
                }
            });
        }
        std::this_thread::sleep_for(std::chrono::seconds(2));
        sqlite3_close(holder);
        for (std::thread &opener : openers)
            opener.join();
        for (const long failure : failures)
            EXPECT_EQ(failure, native);
    }
}

// A full disk makes SQLite undo the whole transaction: what comes next must not be stored by
// itself, as if the transaction were still there.
TEST_F(SqliteEngineTest, AfterSQLiteUndidTheTransactionNothingRunsUntilRolledBack)
{
    const long pages = rt::CLng(m_connection.Execute(QStringLiteral("PRAGMA page_count")).Fields(0L).Value());
    m_connection.Execute(QStringLiteral("PRAGMA max_page_count = %1").arg(pages + 2));
    m_connection.BeginTrans();
    m_connection.Execute(QStringLiteral("INSERT INTO PEDIDOS (Cliente, Cantidad) VALUES ('A1', 1)"));
    const QString largo = QStringLiteral("INSERT INTO CLIENTES (Codigo, Nombre) VALUES ('%1', '") + QString(3000, u'x')
                          + QStringLiteral("')");
    long failure = 0;
    for (int i = 0; i < 20 && failure == 0; ++i)
        failure = errorNumberOf([&] { m_connection.Execute(largo.arg(i)); });
    ASSERT_EQ(failure, err::AdoEFail) << "the database never filled up";

    EXPECT_EQ(errorNumberOf([&] {
                  m_connection.Execute(QStringLiteral("INSERT INTO PEDIDOS (Cliente, Cantidad) VALUES ('B2', 2)"));
              }),
              err::AdoEFail);
    EXPECT_EQ(m_connection.Errors()(0).NativeError, 3930);
    EXPECT_EQ(committedCount(QStringLiteral("PEDIDOS")), 0);
    errorNumberOf([&] { m_connection.RollbackTrans(); });
    EXPECT_EQ(m_connection.transactionDepth(), 0);
    m_connection.Execute(QStringLiteral("INSERT INTO PEDIDOS (Cliente, Cantidad) VALUES ('B2', 3)"));
    EXPECT_EQ(committedCount(QStringLiteral("PEDIDOS")), 1);
    EXPECT_EQ(committedCount(QStringLiteral("CLIENTES")), 2);
}

TEST_F(SqliteEngineTest, RecordsAffectedCountsTheRowsTouched)
{
    const std::pair<const char *, long> cases[] = {
        {"INSERT INTO PEDIDOS (Cliente, Cantidad) SELECT Codigo, 1 FROM CLIENTES", 2},
        {"UPDATE PEDIDOS SET Cantidad = 5 WHERE Cliente = 'B2'", 1},
        {"DELETE FROM PEDIDOS", 2},
        {"DELETE FROM PEDIDOS", 0},
        // a batch adds up the rows of its action statements
        {"INSERT INTO CLIENTES (Codigo, Nombre) VALUES ('C3', 'Carla')\n"
         "INSERT INTO CLIENTES (Codigo, Nombre) VALUES ('D4', 'Dora')\nSELECT COUNT(*) AS N FROM CLIENTES",
         2},
    };
    for (const auto &[sql, expected] : cases) {
        long affected = -99;
        m_connection.Execute(QString::fromUtf8(sql), &affected);
        EXPECT_EQ(affected, expected) << sql;
    }
}

TEST_F(SqliteEngineTest, BatchKeepsTheLastResult)
{
    Recordset last =
        m_connection.Execute(QStringLiteral("SELECT * FROM CLIENTES WHERE Codigo = 'A1'\n"
                                            "INSERT INTO CLIENTES (Codigo, Nombre) VALUES ('C3', 'Carla')\n"
                                            "SELECT COUNT(*) AS N FROM CLIENTES"));
    ASSERT_EQ(last.State(), ado::adStateOpen);
    EXPECT_EQ(last(QStringLiteral("N")), rt::Variant(3));
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

TEST_F(SqliteEngineTest, CreatingADatabaseNeverOverwritesAndLeavesNothingHalfMade)
{
    const auto errors =
        engineErrorsOf([&] { createDatabase(QStringLiteral("DEMO"), QStringLiteral("CREATE TABLE X (A);")); });
    ASSERT_FALSE(errors.isEmpty());
    EXPECT_EQ(errors.first().NativeError, 1801);
    EXPECT_EQ(count(QStringLiteral("CLIENTES")), 2);

    EXPECT_THROW(
        createDatabase(QStringLiteral("MALA"), QStringLiteral("CREATE TABLE A (X INTEGER); CREATE TABLE A (Y);")),
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

// Which guarded statements run is pinned among the T-SQL executions; here, what they count.
TEST_F(SqliteEngineTest, GuardedStatementCountsOnlyWhenItRuns)
{
    const QString insertOnce =
        QStringLiteral("if not exists(SELECT * FROM CLIENTES WHERE Codigo = 'C3') INSERT INTO CLIENTES "
                       "(Codigo, Nombre) VALUES ('C3', 'Carla')");
    long affected = -1;
    m_connection.Execute(insertOnce, &affected);
    EXPECT_EQ(affected, 1);
    m_connection.Execute(insertOnce, &affected);
    EXPECT_NE(affected, 1);
    EXPECT_EQ(count(QStringLiteral("CLIENTES")), 3);
}

TEST_F(SqliteEngineTest, TransactionStatementsInTheTextAreHonoured)
{
    const QString insert = QStringLiteral("INSERT INTO CLIENTES (Codigo, Nombre) VALUES ('C3', 'Carla')\n");
    m_connection.Execute(QStringLiteral("BEGIN TRANSACTION\n") + insert + QStringLiteral("ROLLBACK TRANSACTION"));
    EXPECT_EQ(count(QStringLiteral("CLIENTES")), 2);
    m_connection.Execute(QStringLiteral("BEGIN TRAN"));
    m_connection.Execute(insert);
    m_connection.CommitTrans(); // the program's commit closes the transaction its text opened
    EXPECT_EQ(committedCount(QStringLiteral("CLIENTES")), 3);
}

TEST_F(SqliteEngineTest, TemporaryTablesLiveForTheConnection)
{
    m_connection.Execute(QStringLiteral("SELECT Codigo, Nombre INTO #copia FROM CLIENTES"));
    EXPECT_EQ(count(QStringLiteral("#copia")), 2);
    Connection other;
    other.Open(connectionString());
    EXPECT_EQ(errorNumberOf([&] { other.Execute(QStringLiteral("SELECT * FROM #copia")); }), err::AdoUnknownObject);
}

// Asked before a read is run: one statement that only reads, or not; a text SQLite cannot prepare
// fails the same way when run. Nothing of any of them runs.
TEST_F(SqliteEngineTest, TellsWithoutRunningItWhetherATextIsOneStatementThatOnlyReads)
{
    using Check = ado::ReadOnlyCheck;
    struct Case {
        const char *sql;
        Check answer;
    };
    const Case cases[] = {
        {"SELECT * FROM CLIENTES WHERE Codigo = 'A1' UNION ALL SELECT * FROM CLIENTES -- ; DELETE",
         Check::OneReadOnlyStatement},
        {"SELECT * FROM CLIENTES; SELECT * FROM PEDIDOS", Check::NotOneReadOnlyStatement},
        {"SELECT * FROM CLIENTES DELETE FROM CLIENTES", Check::NotOneReadOnlyStatement},
        {"UPDATE CLIENTES SET Nombre = 'X'", Check::NotOneReadOnlyStatement},
        {"SELECT Codigo INTO COPIA FROM CLIENTES", Check::NotOneReadOnlyStatement},
        {"SELECT Codigo INTO #copia FROM CLIENTES", Check::NotOneReadOnlyStatement},
        {"BEGIN TRAN", Check::NotOneReadOnlyStatement},
        {"EXEC sp_Clientes 1", Check::CannotTell},
        {"SELECT * FROM NOEXISTE", Check::CannotTell},
        {"SELECT * FROM CLIENTES WHERE Nombre = 'A", Check::CannotTell},
    };
    for (const Case &c : cases)
        EXPECT_EQ(m_connection.checkReadOnly(QString::fromUtf8(c.sql)), c.answer) << c.sql;
    EXPECT_EQ(m_connection.transactionDepth(), 0);
    EXPECT_EQ(count(QStringLiteral("CLIENTES")), 2);
    for (const char *table : {"COPIA", "#copia"})
        EXPECT_EQ(errorNumberOf([&] { count(QString::fromUtf8(table)); }), err::AdoUnknownObject) << table;
}

} // namespace
