#include "AdoFixture.h"

#include "platform/ado/odbc/OdbcEngine.h"
#include "support/OdbcSqliteDriver.h"

namespace {

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

    QTemporaryDir m_folder;
    ado::odbc::OdbcEngine m_engine;
};

TEST_F(OdbcEngineTest, FetchesEachColumnWithItsAdoTypeAndValue)
{
    run("INSERT INTO VALORES (Nombre, Importe, Tasa, Activo, Fecha, Cantidad, Grande, Datos, Precio) VALUES "
        "('Liquidación Ñandú', 12.3456, 0.125, 1, '2024-01-02 03:04:05', 3, 5000000000, X'0001FF', 19.99)");
    run("INSERT INTO VALORES (Nombre) VALUES ('vacío')");
    const ResultSet result = rows("SELECT * FROM VALORES ORDER BY Id");

    QList<int> types;
    for (const ado::ColumnInfo &column : result.columns)
        types.append(column.type);
    EXPECT_EQ(types, (QList<int>{ado::adInteger, ado::adVarChar, ado::adCurrency, ado::adDouble, ado::adBoolean,
                                 ado::adDBTimeStamp, ado::adSmallInt, ado::adBigInt, ado::adBinary, ado::adNumeric}));
    EXPECT_EQ(result.columns[1].name, u"Nombre");
    EXPECT_EQ(result.columns[1].definedSize, 20);
    EXPECT_EQ(result.columns[1].baseTable, u"VALORES");

    const Variant null = Variant::null();
    const QList<QList<Variant>> expected = {
        {Variant(1), Variant(QStringLiteral("Liquidación Ñandú")), Variant(rt::Currency::fromRaw(123456)),
         Variant(0.125), Variant(true), Variant(rt::DateTime::fromParts(2024, 1, 2, 3, 4, 5)), Variant::integer(3),
         Variant(5000000000.0), Variant(QByteArray("\x00\x01\xff", 3)), Variant(19.99)},
        {Variant(2), Variant(QStringLiteral("vacío")), null, null, null, null, null, null, null, null}};
    EXPECT_EQ(result.rows, expected);
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

    EXPECT_FALSE(run("UPDATE VALORES SET Cantidad = 3").hasResultSet);
    // an empty result still has its columns
    const ExecResult select = run("SELECT Id, Nombre FROM VALORES WHERE 1 = 0");
    EXPECT_TRUE(select.hasResultSet);
    EXPECT_EQ(select.recordsAffected, -1);
    EXPECT_EQ(select.resultSet.columns.size(), 2);
    EXPECT_TRUE(select.resultSet.rows.isEmpty());
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
        const QList<ado::Error> errors = engineErrorsOf([&] { run(c.sql); });
        ASSERT_FALSE(errors.isEmpty()) << c.sql;
        const ado::Error &error = errors.first();
        EXPECT_EQ(error.Number, rt::err::AdoEFail) << c.sql;
        EXPECT_EQ(error.SQLState, u"HY000") << c.sql;
        EXPECT_EQ(error.NativeError, c.native) << c.sql;
        EXPECT_EQ(error.Source, u"SQLite") << c.sql;
        EXPECT_TRUE(error.Description.contains(QString::fromUtf8(c.description))) << error.Description.toStdString();
    }
}

TEST_F(OdbcEngineTest, TransactionsNestAndOnlyTheOutermostCommitWrites)
{
    m_engine.beginTransaction();
    run("INSERT INTO VALORES (Nombre) VALUES ('deshecho')");
    m_engine.rollbackTransaction();
    m_engine.beginTransaction();
    m_engine.beginTransaction();
    run("INSERT INTO VALORES (Nombre) VALUES ('interno')");
    m_engine.commitTransaction();
    m_engine.rollbackTransaction();
    EXPECT_TRUE(rows("SELECT * FROM VALORES").rows.isEmpty());

    m_engine.beginTransaction();
    m_engine.beginTransaction();
    run("INSERT INTO VALORES (Nombre) VALUES ('guardado')");
    m_engine.commitTransaction();
    m_engine.commitTransaction();
    ado::odbc::OdbcEngine other;
    other.open({connectionString(), {}, {}});
    EXPECT_EQ(other.execute(QStringLiteral("SELECT Nombre FROM VALORES")).resultSet.rows,
              QList<QList<Variant>>{{Variant(QStringLiteral("guardado"))}});
}

TEST_F(OdbcEngineTest, CommitOrRollbackWithoutTransactionFailsAsSqlServer)
{
    const std::pair<void (ado::odbc::OdbcEngine::*)(), long> cases[] = {
        {&ado::odbc::OdbcEngine::commitTransaction, 3902},
        {&ado::odbc::OdbcEngine::rollbackTransaction, 3903},
    };
    for (const auto &[action, native] : cases) {
        const QList<ado::Error> errors = engineErrorsOf([&] { (m_engine.*action)(); });
        ASSERT_EQ(errors.size(), 1) << native;
        EXPECT_EQ(errors[0].NativeError, native);
        EXPECT_EQ(errors[0].SQLState, u"25000");
        EXPECT_EQ(errors[0].Number, rt::err::AdoEFail);
    }
}

TEST_F(OdbcEngineTest, InsertRowBindsEachKindOfValueAndAnswersTheIdentity)
{
    run("INSERT INTO VALORES (Nombre) VALUES ('primero')");
    const QList<Variant> values = {Variant(QStringLiteral("O'Higgins")),
                                   Variant(rt::Currency::fromRaw(-15000)),
                                   Variant(2.5),
                                   Variant(true),
                                   Variant(rt::DateTime::fromParts(2023, 12, 31, 23, 59, 58)),
                                   Variant::integer(-7),
                                   Variant::null()};
    EXPECT_EQ(m_engine.insertRow(QStringLiteral("VALORES"),
                                 QStringLiteral("Nombre Importe Tasa Activo Fecha Cantidad Precio").split(u' '),
                                 values),
              2);
    EXPECT_EQ(rows("SELECT Nombre, Importe, Tasa, Activo, Fecha, Cantidad, Precio FROM VALORES WHERE Id = 2").rows,
              QList<QList<Variant>>{values});
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
    EXPECT_EQ(errorNumberOf([&] { run("SELECT 1"); }), rt::err::AdoNoConnection);
    m_engine.open({connectionString(), {}, {}});
    EXPECT_EQ(rows("SELECT COUNT(*) FROM VALORES").rows.value(0).value(0), Variant(0));
}

TEST_F(OdbcEngineTest, UnregisteredDriverFailsToOpenWithTheDriverManagersError)
{
    ado::odbc::OdbcEngine engine;
    const QList<ado::Error> errors = engineErrorsOf([&] {
        engine.open({QStringLiteral("DRIVER=NoSuchDriverHere;Database=x.db;"), {}, {}});
    });
    ASSERT_FALSE(errors.isEmpty());
    EXPECT_EQ(errors[0].SQLState, u"01000") << errors[0].Description.toStdString();
    EXPECT_EQ(errors[0].Number, rt::err::AdoEFail);
    EXPECT_EQ(errors[0].Source, u"Driver Manager");
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
