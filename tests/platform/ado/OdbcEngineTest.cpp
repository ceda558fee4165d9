#include "platform/ado/odbc/OdbcEngine.h"
#include "platform/runtime/RuntimeError.h"
#include "support/OdbcSqliteDriver.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using ado::EngineError;
using ado::ExecResult;
using ado::ResultSet;
using rt::Variant;

const char *const valuesTable =
    "CREATE TABLE VALORES (Id INTEGER PRIMARY KEY AUTOINCREMENT, Nombre VARCHAR(20) NOT NULL, Importe MONEY, "
    "Tasa FLOAT, Activo BIT, Fecha DATETIME, Cantidad SMALLINT, Grande BIGINT, Datos BLOB, Precio DECIMAL(10,2))";

// The engine over the SQLite ODBC driver, on a fresh database file.
class OdbcEngineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        ASSERT_FALSE(support::registerSqliteOdbcDriver().isEmpty());
        m_engine.open({connectionString(), {}, {}});
        run(valuesTable);
    }

    QString connectionString() const
    {
        return support::sqliteOdbcConnectionString(QDir(m_folder.path()).filePath(QStringLiteral("odbc.db")));
    }
    ExecResult run(const char *sql) { return m_engine.execute(QString::fromUtf8(sql)); }
    ResultSet rows(const char *sql) { return run(sql).resultSet; }

    // The first error of the failure that `sql` raises.
    ado::Error failureOf(const char *sql)
    {
        try {
            run(sql);
        } catch (const EngineError &error) {
            if (!error.errors().isEmpty())
                return error.errors().first();
        }
        ADD_FAILURE() << "no failure for " << sql;
        return {};
    }

    QTemporaryDir m_folder;
    ado::odbc::OdbcEngine m_engine;
};

TEST_F(OdbcEngineTest, FetchesEachColumnWithItsAdoTypeAndValue)
{
    run("INSERT INTO VALORES (Nombre, Importe, Tasa, Activo, Fecha, Cantidad, Grande, Datos, Precio) VALUES "
        "('Liquidación Ñandú', 12.3456, 0.125, 1, '2024-01-02 03:04:05', 3, 5000000000, X'0001FF', 19.99)");
    run("INSERT INTO VALORES (Nombre) VALUES ('vacío')");
    const ResultSet result = rows("SELECT * FROM VALORES ORDER BY Id");

    const QList<int> types = {ado::adInteger, ado::adVarChar,  ado::adCurrency, ado::adDouble,  ado::adBoolean,
                              ado::adDBTimeStamp, ado::adSmallInt, ado::adBigInt, ado::adBinary, ado::adNumeric};
    ASSERT_EQ(result.columns.size(), types.size());
    for (qsizetype i = 0; i < types.size(); ++i)
        EXPECT_EQ(result.columns[i].type, types[i]) << result.columns[i].name.toStdString();
    EXPECT_EQ(result.columns[1].name, u"Nombre");
    EXPECT_EQ(result.columns[1].definedSize, 20);
    EXPECT_EQ(result.columns[1].baseTable, u"VALORES");

    ASSERT_EQ(result.rows.size(), 2);
    const QList<Variant> &full = result.rows[0];
    EXPECT_EQ(full[0], Variant(1));
    EXPECT_EQ(full[1], Variant(QStringLiteral("Liquidación Ñandú")));
    EXPECT_EQ(full[2], Variant(rt::Currency::fromRaw(123456)));
    EXPECT_EQ(full[3], Variant(0.125));
    EXPECT_EQ(full[4], Variant(true));
    EXPECT_EQ(full[5], Variant(rt::DateTime::fromParts(2024, 1, 2, 3, 4, 5)));
    EXPECT_EQ(full[6], Variant::integer(3));
    EXPECT_EQ(full[7], Variant(5000000000.0));
    EXPECT_EQ(full[8], Variant(QByteArray("\x00\x01\xff", 3)));
    EXPECT_EQ(full[9], Variant(19.99));

    const QList<Variant> &sparse = result.rows[1];
    EXPECT_EQ(sparse[1], Variant(QStringLiteral("vacío")));
    for (qsizetype i = 2; i < sparse.size(); ++i)
        EXPECT_TRUE(sparse[i].isNull()) << result.columns[i].name.toStdString();
}

TEST_F(OdbcEngineTest, LongTextAndBinaryValuesArriveWhole)
{
    QString text;
    for (int i = 0; i < 4000; ++i)
        text += QStringLiteral("ñ%1;").arg(i % 10);
    QByteArray bytes;
    for (int i = 0; i < 30000; ++i)
        bytes.append(static_cast<char>(i % 251));
    m_engine.insertRow(QStringLiteral("VALORES"), {QStringLiteral("Nombre"), QStringLiteral("Datos")},
                       {Variant(text), Variant(bytes)});

    const ResultSet result = rows("SELECT Nombre, Datos FROM VALORES");
    ASSERT_EQ(result.rows.size(), 1);
    EXPECT_EQ(result.rows[0][0], Variant(text));
    EXPECT_EQ(result.rows[0][1], Variant(bytes));
}

TEST_F(OdbcEngineTest, CountsTheRowsEachStatementTouches)
{
    EXPECT_EQ(run("INSERT INTO VALORES (Nombre) VALUES ('a')").recordsAffected, 1);
    run("INSERT INTO VALORES (Nombre) VALUES ('b')");
    run("INSERT INTO VALORES (Nombre) VALUES ('c')");
    EXPECT_EQ(run("UPDATE VALORES SET Cantidad = 1").recordsAffected, 3);
    EXPECT_EQ(run("UPDATE VALORES SET Cantidad = 2 WHERE Nombre = 'z'").recordsAffected, 0);
    EXPECT_EQ(run("DELETE FROM VALORES WHERE Nombre <> 'a'").recordsAffected, 2);

    const ExecResult select = run("SELECT Nombre FROM VALORES");
    EXPECT_TRUE(select.hasResultSet);
    EXPECT_EQ(select.recordsAffected, -1);
    EXPECT_FALSE(run("UPDATE VALORES SET Cantidad = 3").hasResultSet);
}

TEST_F(OdbcEngineTest, EmptyResultKeepsItsColumns)
{
    const ExecResult result = run("SELECT Id, Nombre FROM VALORES WHERE 1 = 0");
    EXPECT_TRUE(result.hasResultSet);
    EXPECT_EQ(result.resultSet.columns.size(), 2);
    EXPECT_TRUE(result.resultSet.rows.isEmpty());
}

TEST_F(OdbcEngineTest, FailuresCarryTheDriversStateNativeCodeAndText)
{
    struct Case {
        const char *sql;
        long native;
        const char *description;
    };
    // The SQLite driver reports every failure as HY000 with SQLite's own result code.
    const Case cases[] = {
        {"SELECT * FROM NOEXISTE", 1, "no such table: NOEXISTE"},
        {"SELEC 1", 1, "syntax error"},
        {"INSERT INTO VALORES (Nombre) VALUES (NULL)", 19, "NOT NULL constraint failed: VALORES.Nombre"},
    };
    for (const Case &c : cases) {
        const ado::Error error = failureOf(c.sql);
        EXPECT_EQ(error.Number, rt::err::AdoEFail) << c.sql;
        EXPECT_EQ(error.SQLState, u"HY000") << c.sql;
        EXPECT_EQ(error.NativeError, c.native) << c.sql;
        EXPECT_EQ(error.Source, u"SQLite") << c.sql;
        EXPECT_TRUE(error.Description.contains(QString::fromUtf8(c.description))) << error.Description.toStdString();
    }
}

TEST_F(OdbcEngineTest, RollbackUndoesAndCommitKeeps)
{
    m_engine.beginTransaction();
    run("INSERT INTO VALORES (Nombre) VALUES ('deshecho')");
    m_engine.rollbackTransaction();
    m_engine.beginTransaction();
    run("INSERT INTO VALORES (Nombre) VALUES ('guardado')");
    m_engine.commitTransaction();

    ado::odbc::OdbcEngine other;
    other.open({connectionString(), {}, {}});
    const ResultSet seen = other.execute(QStringLiteral("SELECT Nombre FROM VALORES")).resultSet;
    ASSERT_EQ(seen.rows.size(), 1);
    EXPECT_EQ(seen.rows[0][0], Variant(QStringLiteral("guardado")));
}

TEST_F(OdbcEngineTest, NestedTransactionsWriteOnlyAtTheOutermostCommit)
{
    m_engine.beginTransaction();
    m_engine.beginTransaction();
    run("INSERT INTO VALORES (Nombre) VALUES ('interno')");
    m_engine.commitTransaction();
    m_engine.rollbackTransaction();
    EXPECT_TRUE(rows("SELECT * FROM VALORES").rows.isEmpty());

    m_engine.beginTransaction();
    m_engine.beginTransaction();
    run("INSERT INTO VALORES (Nombre) VALUES ('externo')");
    m_engine.commitTransaction();
    m_engine.commitTransaction();
    EXPECT_EQ(rows("SELECT * FROM VALORES").rows.size(), 1);
}

TEST_F(OdbcEngineTest, CommitOrRollbackWithoutTransactionFailsAsSqlServer)
{
    const std::pair<void (ado::odbc::OdbcEngine::*)(), long> cases[] = {
        {&ado::odbc::OdbcEngine::commitTransaction, 3902},
        {&ado::odbc::OdbcEngine::rollbackTransaction, 3903},
    };
    for (const auto &[action, native] : cases) {
        try {
            (m_engine.*action)();
            ADD_FAILURE() << "no failure for native " << native;
        } catch (const EngineError &error) {
            ASSERT_EQ(error.errors().size(), 1);
            EXPECT_EQ(error.errors()[0].NativeError, native);
            EXPECT_EQ(error.errors()[0].SQLState, u"25000");
            EXPECT_EQ(error.errors()[0].Number, rt::err::AdoEFail);
        }
    }
}

TEST_F(OdbcEngineTest, InsertRowBindsEachKindOfValueAndAnswersTheIdentity)
{
    run("INSERT INTO VALORES (Nombre) VALUES ('primero')");
    const long long id = m_engine.insertRow(
        QStringLiteral("VALORES"),
        {QStringLiteral("Nombre"), QStringLiteral("Importe"), QStringLiteral("Tasa"), QStringLiteral("Activo"),
         QStringLiteral("Fecha"), QStringLiteral("Cantidad"), QStringLiteral("Precio")},
        {Variant(QStringLiteral("O'Higgins")), Variant(rt::Currency::fromRaw(-15000)), Variant(2.5), Variant(true),
         Variant(rt::DateTime::fromParts(2023, 12, 31, 23, 59, 58)), Variant::integer(-7), Variant::null()});
    EXPECT_EQ(id, 2);

    const ResultSet result = rows("SELECT Nombre, Importe, Tasa, Activo, Fecha, Cantidad, Precio FROM VALORES "
                                  "WHERE Id = 2");
    ASSERT_EQ(result.rows.size(), 1);
    const QList<Variant> expected = {Variant(QStringLiteral("O'Higgins")),
                                     Variant(rt::Currency::fromRaw(-15000)),
                                     Variant(2.5),
                                     Variant(true),
                                     Variant(rt::DateTime::fromParts(2023, 12, 31, 23, 59, 58)),
                                     Variant::integer(-7),
                                     Variant::null()};
    EXPECT_EQ(result.rows[0], expected);
}

TEST_F(OdbcEngineTest, InsertRowQuotesColumnNamesThatNeedIt)
{
    run("CREATE TABLE RARO (\"Nro Cuenta\" VARCHAR(10), Importe MONEY)");
    m_engine.insertRow(QStringLiteral("RARO"), {QStringLiteral("Nro Cuenta"), QStringLiteral("Importe")},
                       {Variant(QStringLiteral("1.1.01")), Variant(rt::Currency::fromRaw(10000))});
    EXPECT_EQ(rows("SELECT \"Nro Cuenta\" FROM RARO").rows.value(0).value(0), Variant(QStringLiteral("1.1.01")));
}

TEST_F(OdbcEngineTest, ClosedEngineRefusesWorkAndOpensAgain)
{
    m_engine.close();
    m_engine.close();
    try {
        run("SELECT 1");
        FAIL() << "no failure";
    } catch (const rt::RuntimeError &error) {
        EXPECT_EQ(error.Number, rt::err::AdoNoConnection);
    }
    m_engine.open({connectionString(), {}, {}});
    EXPECT_EQ(rows("SELECT COUNT(*) FROM VALORES").rows.value(0).value(0), Variant(0));
}

TEST_F(OdbcEngineTest, UnregisteredDriverFailsToOpenWithTheDriverManagersError)
{
    ado::odbc::OdbcEngine engine;
    try {
        engine.open({QStringLiteral("DRIVER=NoSuchDriverHere;Database=x.db;"), {}, {}});
        FAIL() << "no failure";
    } catch (const EngineError &error) {
        ASSERT_FALSE(error.errors().isEmpty());
        EXPECT_EQ(error.errors()[0].SQLState, u"01000") << error.errors()[0].Description.toStdString();
        EXPECT_EQ(error.errors()[0].Number, rt::err::AdoEFail);
        EXPECT_EQ(error.errors()[0].Source, u"Driver Manager");
    }
}

TEST_F(OdbcEngineTest, ConnectionSettingsADriverCannotHonourAreKept)
{
    m_engine.setIsolationLevel(256);
    m_engine.setDefaultDatabase(QStringLiteral("COMISIONES"));
    m_engine.setCommandTimeout(90);
    EXPECT_EQ(m_engine.defaultDatabase(), u"COMISIONES");
    EXPECT_EQ(rows("SELECT COUNT(*) FROM VALORES").rows.size(), 1);
}

} // namespace
