// What the embedded engine does with text and names no program of the suite writes: stray NUL
// characters, misspelt names, statements nested past reason, database names that are paths, text
// that reaches past the database, files that are no database.
#include "AdoFixture.h"

#include "platform/ado/sqlite/SqliteDefenses.h"
#include "platform/ado/sqlite/SqliteErrors.h"
#include "platform/ado/sqlite/SqliteTypes.h"
#include "platform/ado/sqlite/TsqlSyntax.h"
#include "platform/ado/sqlite/TsqlTranslator.h"
#include "platform/runtime/Conversions.h"

#include <QDir>
#include <QFile>
#include <sqlite3.h>

namespace {

using ado::Connection;
namespace err = rt::err;

const QString schema = QStringLiteral("CREATE TABLE CLIENTES (Codigo TEXT(10) COLLATE TSQLCI PRIMARY KEY, "
                                      "Nombre TEXT(50) COLLATE TSQLCI NOT NULL);"
                                      "INSERT INTO CLIENTES VALUES ('A1', 'Ana'), ('B2', 'Beto');"
                                      "CREATE TABLE TA_USUARIOS (ID INTEGER PRIMARY KEY, "
                                      "NOMBRE TEXT(50) COLLATE TSQLCI, "
                                      "INICIAL TEXT(1) GENERATED ALWAYS AS (substr(NOMBRE, 1, 1)) VIRTUAL, "
                                      "ALTA DATETIME, VENCE TEXT(20));"
                                      "INSERT INTO TA_USUARIOS (NOMBRE, ALTA, VENCE) VALUES "
                                      "('admin', '2024-03-01 00:00:00', '05/04/2024'), "
                                      "('demo', '2024-04-01 00:00:00', NULL);"
                                      // Left by an earlier version: a date as its number, a number
                                      // that is no date.
                                      "CREATE TABLE PLAZOS (ID INTEGER PRIMARY KEY, DESDE DATETIME, "
                                      "HASTA DATETIME, NOTA TEXT(10));"
                                      "INSERT INTO PLAZOS VALUES (1, 45365, '2024-04-01 00:00:00', 'a'), "
                                      "(2, '2024-03-01 00:00:00', 20241301, 'b');"
                                      "CREATE VIEW V_CORCHETES AS SELECT Codigo, \"NO_EXISTE\" AS x FROM CLIENTES;"
                                      "CREATE VIEW V_SUELTO AS SELECT Codigo, NO_EXISTE AS x FROM CLIENTES;"
                                      "CREATE VIEW V_ALTAS AS SELECT ID, ALTA AS DESDE, VENCE FROM TA_USUARIOS;"
                                      "CREATE TRIGGER V_ALTAS_UPDATE INSTEAD OF UPDATE ON V_ALTAS BEGIN "
                                      "UPDATE TA_USUARIOS SET ALTA = NEW.DESDE WHERE ID = OLD.ID; END;");

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

    static QString dateText(const rt::Variant &value)
    {
        return value.type() == rt::VarType::Date ? ado::sqlite::isoText(value.asDate()) : cellText(value);
    }

    // The rows of the users and of the terms, and the names of the tables and views: what a
    // refused statement must leave.
    QStringList contents()
    {
        QStringList rows;
        for (const char *query : {"SELECT ID, NOMBRE, ALTA FROM TA_USUARIOS ORDER BY ID",
                                  "SELECT ID, NOTA, DESDE, HASTA FROM PLAZOS ORDER BY ID"}) {
            for (ado::Recordset rs = m_connection.Execute(QString::fromLatin1(query)); !rs.EOF_(); rs.MoveNext()) {
                QStringList row;
                for (long i = 0; i < rs.FieldCount(); ++i)
                    row.append(dateText(rs.Fields(i).Value()));
                rows.append(row.join(u'|'));
            }
        }
        for (ado::Recordset rs = m_connection.OpenSchema(ado::adSchemaTables); !rs.EOF_(); rs.MoveNext())
            rows.append(rs.Fields(QStringLiteral("TABLE_NAME")).Value().asString());
        return rows;
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

// A name that no table holds is refused wherever it stands, bracketed or bare, and nothing runs
// or is created: the engine beneath would read a "quoted" unknown name as a text, so that a
// misspelt column in a condition compares that text with itself and takes every row.
TEST_F(SqliteHostileInput, AnUnknownNameIsAnInvalidColumnAndChangesNothing)
{
    struct Case {
        const char *tsql;
        const char *name;
        long native = 207; // 208: an unknown table or view
    };
    const Case cases[] = {
        {"SELECT [NO_EXISTE] FROM TA_USUARIOS", "NO_EXISTE"},
        {"SELECT ID, NO_EXISTE FROM TA_USUARIOS", "NO_EXISTE"},
        {"DELETE FROM TA_USUARIOS WHERE [NOMBRE_MAL] = 'NOMBRE_MAL'", "NOMBRE_MAL"},
        {"UPDATE TA_USUARIOS SET NOMBRE = 'x' WHERE NOMBRE_MAL = 'NOMBRE_MAL'", "NOMBRE_MAL"},
        {"UPDATE TA_USUARIOS SET NOMBRE = [NOMBRE_MAL]", "NOMBRE_MAL"},
        {"UPDATE TA_USUARIOS SET NOMBRE_MAL = 'x'", "NOMBRE_MAL"},
        {"SELECT NOMBRE FROM TA_USUARIOS ORDER BY [NO_EXISTE]", "NO_EXISTE"},
        {"SELECT NOMBRE FROM TA_USUARIOS ORDER BY NO_EXISTE DESC", "NO_EXISTE"},
        {"DELETE FROM TA_USUARIOS WHERE ID IN (SELECT u.ID FROM TA_USUARIOS u INNER JOIN CLIENTES c "
         "ON [NO_EXISTE] = 'NO_EXISTE')",
         "NO_EXISTE"},
        {"DELETE FROM TA_USUARIOS WHERE ID IN (SELECT u.ID FROM TA_USUARIOS u INNER JOIN CLIENTES c "
         "ON c.Codigo = u.NO_EXISTE)",
         "NO_EXISTE"},
        {"DELETE FROM TA_USUARIOS WHERE EXISTS (SELECT * FROM V_CORCHETES WHERE x = 'NO_EXISTE')", "NO_EXISTE"},
        {"DELETE FROM TA_USUARIOS WHERE EXISTS (SELECT * FROM V_SUELTO)", "NO_EXISTE"},
        {"INSERT INTO TA_USUARIOS (NOMBRE, [NO_EXISTE]) VALUES ('x', 1)", "NO_EXISTE"},
        {"SELECT NOMBRE FROM TA_USUARIOS UNION SELECT Nombre FROM CLIENTES ORDER BY NOMBRE, NO_EXISTE DESC",
         "NO_EXISTE"},
        {"CREATE INDEX IX_MAL ON TA_USUARIOS ([NO_EXISTE])", "NO_EXISTE"},
        {"CREATE INDEX IX_MAL ON TA_USUARIOS (NOMBRE) WHERE [NO_EXISTE] = 1", "NO_EXISTE"},
        {"CREATE TABLE T_MAL (A INT CHECK ([NO_EXISTE] > 0))", "NO_EXISTE"},
        {"CREATE VIEW V_MAL AS SELECT Codigo, [NO_EXISTE] FROM CLIENTES", "NO_EXISTE"},
        {"CREATE VIEW V_MAL (a) AS SELECT Codigo FROM dbo.NO_EXISTE", "NO_EXISTE", 208},
    };
    const QStringList before = contents();
    ASSERT_EQ(before.size(), 10);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.tsql);
        EXPECT_EQ(errorNumberOf([&] { m_connection.Execute(QString::fromUtf8(c.tsql)); }),
                  c.native == 207 ? err::AdoSyntaxError : err::AdoUnknownObject);
        ASSERT_EQ(m_connection.Errors().Count(), 1);
        EXPECT_EQ(m_connection.Errors()(0).NativeError, c.native);
        EXPECT_EQ(m_connection.Errors()(0).Description,
                  QString::fromLatin1(c.native == 207 ? "Invalid column name '%1'." : "Invalid object name '%1'.")
                      .arg(QString::fromUtf8(c.name)));
        EXPECT_EQ(contents(), before);
    }
}

// A value that meets a date column, written or compared, by whatever road, is read as SQL Server
// reads a date; a text that is no date fails as on SQL Server, before any row is read, written or
// changed: SQLite would take '20240230' for a number, less than every date. A blank text stays.
TEST_F(SqliteHostileInput, AValueMeetingADateColumnIsReadAsADateOrFailsTheConversionAndChangesNothing)
{
    struct Case {
        const char *tsql;
        const char *answer = nullptr; // the first value of its last result; none: it fails (241)
    };
    const Case cases[] = {
        {"SELECT ID FROM TA_USUARIOS WHERE ALTA >= '20240230'"},
        {"SELECT ID FROM TA_USUARIOS WHERE ALTA = '2024013'"},
        {"SELECT ID FROM TA_USUARIOS WHERE '99999999' > ALTA"},
        {"UPDATE TA_USUARIOS SET ALTA = '00000000' WHERE ID = 1"},
        {"INSERT INTO TA_USUARIOS (NOMBRE, ALTA) VALUES ('x', '20240301'), ('y', '20241301')"},
        {"DELETE FROM TA_USUARIOS WHERE ALTA BETWEEN '20240101' AND '31/02/2024'"},
        // Written out, not passed as a parameter.
        {"IF EXISTS (SELECT 1 FROM TA_USUARIOS WHERE ALTA >= '20240230') DELETE FROM TA_USUARIOS"},
        {"UPDATE TA_USUARIOS SET ALTA = '2024' + '0230' WHERE ID = 1"},
        // The first row would take its date before the second fails.
        {"UPDATE TA_USUARIOS SET ALTA = CASE WHEN ID = 1 THEN '20240402' ELSE '20240230' END"},
        {"UPDATE TA_USUARIOS SET ALTA = LTRIM('31/02/2024')"},
        {"UPDATE TA_USUARIOS SET ALTA = (SELECT MAX(Nombre) FROM CLIENTES)"},
        {"UPDATE TA_USUARIOS SET ALTA = NOMBRE"},
        {"UPDATE V_ALTAS SET DESDE = '2024' + '0230' WHERE ID = 1"},
        {"INSERT INTO TA_USUARIOS (NOMBRE, ALTA) SELECT Codigo, Nombre AS Alta FROM CLIENTES"},
        {"INSERT INTO TA_USUARIOS (NOMBRE, ALTA) SELECT Codigo, Nombre Alta FROM CLIENTES"},
        {"SELECT ID FROM TA_USUARIOS WHERE ALTA IN ('abc', '20240301')"},
        {"SELECT ID FROM TA_USUARIOS WHERE ALTA = CASE WHEN ID = 1 THEN ALTA ELSE 'abc' END"},
        // Stored whatever the road: a number is a date's serial, past datetime's range it fails.
        {"UPDATE TA_USUARIOS SET ALTA = 20240230 WHERE ID = 1"},
        {"INSERT INTO TA_USUARIOS SELECT * FROM (SELECT 3, 'x', '20240230', NULL) t"},
        {"INSERT INTO TA_USUARIOS SELECT * FROM (SELECT 3, 'x', Nombre, NULL FROM CLIENTES) t"},
        {"INSERT INTO TA_USUARIOS (NOMBRE, ALTA) VALUES ('x', '2024' + '0230')"},
        {"INSERT INTO TA_USUARIOS VALUES (3, 'x', '2024' + '0230', NULL)"},
        {"SELECT ID FROM TA_USUARIOS WHERE ALTA >= '2024' + '0230'"},
        {"SELECT ID FROM TA_USUARIOS WHERE ALTA IN ('20240301', '2024' + '0230')"},
        {"DELETE FROM TA_USUARIOS WHERE ALTA IN (SELECT Nombre FROM CLIENTES)"},
        {"SELECT u.ID FROM TA_USUARIOS u INNER JOIN CLIENTES c ON u.ALTA = c.Nombre"},
        {"SELECT NOMBRE FROM TA_USUARIOS GROUP BY NOMBRE HAVING MAX(ALTA) >= '2024' + '0230'"},
        {"DELETE FROM TA_USUARIOS WHERE ALTA BETWEEN '2024' + '0101' AND '2024' + '0230'"},
        {"SELECT COUNT(*) FROM TA_USUARIOS WHERE ALTA >= '2024' + '0401'", "1"},
        {"SELECT COUNT(*) FROM TA_USUARIOS WHERE ALTA < VENCE", "1"},
        // A value whose type is a date, compared with a text, reads the text as a date.
        {"SELECT COUNT(*) FROM TA_USUARIOS WHERE CAST('20240302' AS datetime) > '20240301'", "2"},
        {"SELECT COUNT(*) FROM TA_USUARIOS WHERE DATEADD(day, 1, ALTA) >= '20240401'", "1"},
        {"SELECT COUNT(*) FROM TA_USUARIOS WHERE '20240401' <= ALTA + 1", "1"},
        {"SELECT COUNT(*) FROM TA_USUARIOS WHERE ISNULL(ALTA, GETDATE()) >= '20240401'", "1"},
        {"SELECT COUNT(*) FROM TA_USUARIOS WHERE COALESCE(NULL, ALTA) >= '20240401'", "1"},
        {"SELECT COUNT(*) FROM TA_USUARIOS WHERE CASE WHEN ID = 2 THEN ALTA END >= '20240301'", "1"},
        {"SELECT COUNT(*) FROM TA_USUARIOS WHERE CASE WHEN ID = 1 THEN NULL ELSE ALTA END >= '20240401'", "1"},
        {"SELECT COUNT(*) FROM TA_USUARIOS WHERE ALTA - 1 >= '20240331'", "1"},
        {"SELECT COUNT(*) FROM TA_USUARIOS WHERE CAST(ALTA AS date) >= '20240401'", "1"},
        {"SELECT COUNT(*) FROM TA_USUARIOS WHERE (SELECT MAX(ALTA) FROM TA_USUARIOS) >= '02/04/2024'", "0"},
        // Their texts read as dates too.
        {"SELECT COUNT(*) FROM TA_USUARIOS WHERE COALESCE(VENCE, ALTA) >= '02/04/2024'", "1"},
        {"SELECT COUNT(*) FROM TA_USUARIOS WHERE CASE WHEN ID = 1 THEN VENCE ELSE ALTA END BETWEEN '20240401' AND "
         "'20240405'",
         "2"},
        {"SELECT COUNT(*) FROM TA_USUARIOS WHERE ALTA = ''", "0"},
        {"IF EXISTS (SELECT 1 FROM TA_USUARIOS WHERE ALTA = '') DELETE FROM TA_USUARIOS "
         "SELECT COUNT(*) FROM TA_USUARIOS",
         "2"},
        {"UPDATE TA_USUARIOS SET ALTA = '2024' + '0402' WHERE ID = 1 SELECT ALTA FROM TA_USUARIOS WHERE ID = 1",
         "2024-04-02 00:00:00"},
        {"UPDATE TA_USUARIOS SET ALTA = LTRIM(' 01/04/2024') SELECT ALTA FROM TA_USUARIOS", "2024-04-01 00:00:00"},
        {"UPDATE V_ALTAS SET DESDE = VENCE WHERE ID = 1 SELECT ALTA FROM TA_USUARIOS", "2024-04-05 00:00:00"},
        {"INSERT INTO TA_USUARIOS VALUES (3, 'x', '01/04/2024 10:30 PM', NULL) SELECT ALTA FROM TA_USUARIOS "
         "WHERE ID = 3",
         "2024-04-01 22:30:00"},
        {"INSERT INTO TA_USUARIOS (NOMBRE, ALTA) SELECT 'y', '2024' + '0403' SELECT ALTA FROM TA_USUARIOS "
         "WHERE NOMBRE = 'y'",
         "2024-04-03 00:00:00"},
        {"UPDATE TA_USUARIOS SET ALTA = 45365.5 WHERE ID = 1 SELECT ALTA FROM TA_USUARIOS WHERE ID = 1",
         "2024-03-16 12:00:00"},
        {"INSERT INTO TA_USUARIOS SELECT * FROM (SELECT 9, 'x', '20240331', NULL) t SELECT ALTA FROM TA_USUARIOS "
         "WHERE ID = 9",
         "2024-03-31 00:00:00"},
        // SQLite makes numbers of these texts before they reach the column: yymmdd and yyyy
        // still read as SQL Server reads them, two-digit years up to 49 in the 2000s.
        {"INSERT INTO TA_USUARIOS SELECT * FROM (SELECT 10, 'x', '240331', NULL) t SELECT ALTA FROM TA_USUARIOS "
         "WHERE ID = 10",
         "2024-03-31 00:00:00"},
        {"INSERT INTO TA_USUARIOS SELECT * FROM (SELECT 11, 'x', '2024', NULL) t SELECT ALTA FROM TA_USUARIOS "
         "WHERE ID = 11",
         "2024-01-01 00:00:00"},
        {"INSERT INTO TA_USUARIOS SELECT * FROM (SELECT 12, 'x', '45365', NULL) t SELECT ALTA FROM TA_USUARIOS "
         "WHERE ID = 12",
         "2024-03-16 00:00:00"},
        {"INSERT INTO PLAZOS SELECT * FROM (SELECT 5, '490101', '500101', 'c') t SELECT DESDE FROM PLAZOS "
         "WHERE ID = 5",
         "2049-01-01 00:00:00"},
        {"SELECT HASTA FROM PLAZOS WHERE ID = 5", "1950-01-01 00:00:00"},
        {"INSERT INTO TA_USUARIOS SELECT * FROM (SELECT 20, 'x', '241301', NULL) t"},
        {"INSERT INTO TA_USUARIOS SELECT * FROM (SELECT 20, 'x', '1752', NULL) t"},
        // Out of datetime's range, in the stored form or as a number.
        {"INSERT INTO TA_USUARIOS SELECT * FROM (SELECT 20, 'x', '1500-01-01 00:00:00', NULL) t"},
        {"UPDATE TA_USUARIOS SET ALTA = '1500-01-01 00:00:00' WHERE ID = 1"},
        {"UPDATE TA_USUARIOS SET ALTA = 2958464 WHERE ID = 1"},
        {"INSERT INTO TA_USUARIOS SELECT * FROM (SELECT 20, 'x', '2024-02-30 00:00:00', NULL) t"},
        // A stored time keeps whole seconds.
        {"INSERT INTO TA_USUARIOS SELECT * FROM (SELECT 13, 'x', '2024-03-16 10:30:45.999', NULL) t "
         "SELECT CONVERT(varchar(30), ALTA) FROM TA_USUARIOS WHERE ID = 13",
         "2024-03-16 10:30:45"},
        // Two date columns: each is read.
        {"INSERT INTO PLAZOS SELECT * FROM (SELECT 3, '20240301', '20240230', 'c') t"},
        {"UPDATE PLAZOS SET DESDE = '20240302', HASTA = 20240230 WHERE ID = 1"},
        // A number found in a date column is the date it stands for, whatever reads it.
        {"SELECT CONVERT(varchar(10), DESDE, 103) FROM PLAZOS WHERE ID = 1", "16/03/2024"},
        {"SELECT COUNT(*) FROM PLAZOS WHERE DESDE = '20240316'", "1"},
        {"SELECT ID FROM PLAZOS ORDER BY DESDE", "2"},
        {"SELECT DESDE FROM PLAZOS WHERE ID = 1", "2024-03-16 00:00:00"},
        // A number that is no date stays, and writing another column, or the dates of another
        // row, leaves it.
        {"UPDATE PLAZOS SET NOTA = 'y' WHERE ID = 2 SELECT HASTA FROM PLAZOS WHERE ID = 2", "20241301"},
        {"UPDATE PLAZOS SET DESDE = 45366 WHERE ID = 1 SELECT HASTA FROM PLAZOS WHERE ID = 2", "20241301"},
        // Tables and columns made on the connection: their dates are read and checked alike.
        {"CREATE TABLE #f (ID INT, F DATETIME) INSERT INTO #f VALUES (1, 45365) "
         "SELECT COUNT(*) FROM #f WHERE F = '20240316'",
         "1"},
        {"INSERT INTO #f SELECT * FROM (SELECT 2, '20240230') t"},
        {"SELECT ID, ALTA INTO #g FROM TA_USUARIOS SELECT COUNT(*) FROM #g WHERE ALTA = '20240101'", "1"},
        {"UPDATE #g SET ALTA = 2958464"},
        {"ALTER TABLE PLAZOS ADD FECHA_X DATETIME NULL UPDATE PLAZOS SET FECHA_X = 45365 WHERE ID = 1 "
         "SELECT CONVERT(varchar(10), FECHA_X, 103) FROM PLAZOS WHERE ID = 1",
         "16/03/2024"},
        {"UPDATE PLAZOS SET FECHA_X = 2958464 WHERE ID = 1"},
        {"CREATE TABLE T_NUEVA (F DATETIME) INSERT INTO T_NUEVA SELECT * FROM (SELECT '2024') t SELECT F FROM T_NUEVA",
         "2024-01-01 00:00:00"},
        {"INSERT INTO T_NUEVA SELECT * FROM (SELECT '20240230') t"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.tsql);
        const QStringList before = contents();
        const QString tsql = QString::fromUtf8(c.tsql);
        if (c.answer) {
            QString answer;
            EXPECT_EQ(errorNumberOf([&] { answer = dateText(m_connection.Execute(tsql).Fields(0L).Value()); }), 0);
            EXPECT_EQ(answer, QString::fromUtf8(c.answer));
            continue;
        }
        EXPECT_EQ(errorNumberOf([&] { m_connection.Execute(tsql); }), ado::sqlite::AdoCannotConvert);
        EXPECT_EQ(m_connection.Errors().Count(), 1);
        if (m_connection.Errors().Count() > 0) {
            EXPECT_EQ(m_connection.Errors()(0).NativeError, 241);
            EXPECT_EQ(m_connection.Errors()(0).Description,
                      QStringLiteral("Conversion failed when converting date and/or time from character string."));
        }
        EXPECT_EQ(contents(), before);
    }
}

// A text compared with a value whose type is no date compares as a text, as on SQL Server, though
// it reads as a date: a conversion to a text, a text column, ISNULL of a text, a CASE of texts.
// Stored or shown, it stays as written.
TEST_F(SqliteHostileInput, ATextComparedWithATextComparesAsATextAndStaysAsWritten)
{
    const std::pair<const char *, const char *> cases[] = {
        {"SELECT COUNT(*) FROM TA_USUARIOS WHERE CONVERT(varchar(10), ALTA, 103) < '01/04/2024'", "1"},
        {"SELECT COUNT(*) FROM TA_USUARIOS WHERE CONVERT(varchar(10), ALTA, 103) > '31/12/2023'", "0"},
        {"SELECT COUNT(*) FROM TA_USUARIOS WHERE CAST(ALTA AS char(10)) < '20240301'", "2"},
        {"SELECT COUNT(*) FROM TA_USUARIOS WHERE VENCE >= '01/04/2024'", "1"},
        {"SELECT COUNT(*) FROM TA_USUARIOS WHERE VENCE BETWEEN '01/04/2024' AND '10/04/2024'", "1"},
        {"SELECT COUNT(*) FROM TA_USUARIOS WHERE VENCE IN ('05/04/2024')", "1"},
        {"SELECT COUNT(*) FROM TA_USUARIOS WHERE ISNULL(VENCE, '') >= '01/04/2024'", "1"},
        // ISNULL takes the type of its first value, a text: ALTA is read as a text.
        {"SELECT COUNT(*) FROM TA_USUARIOS WHERE ISNULL(VENCE, ALTA) >= '01/04/2024'", "2"},
        {"SELECT COUNT(*) FROM TA_USUARIOS WHERE CASE WHEN ID = 1 THEN VENCE ELSE 'x' END >= '01/04/2024'", "2"},
        {"SELECT '01/04/2024'", "01/04/2024"},
        {"UPDATE TA_USUARIOS SET VENCE = '01/04/2024' WHERE ID = 2 SELECT VENCE FROM TA_USUARIOS WHERE ID = 2",
         "01/04/2024"},
    };
    for (const auto &[tsql, answer] : cases) {
        SCOPED_TRACE(tsql);
        EXPECT_EQ(dateText(m_connection.Execute(QString::fromUtf8(tsql)).Fields(0L).Value()),
                  QString::fromUtf8(answer));
    }
}

// A number left in a date column stays while another program holds the file for writing: the
// connection opens at once, without waiting for it, and reads the number back as its date; a
// later connection stores it as that date.
TEST_F(SqliteHostileInput, ANumberLeftInADateColumnOfAFileHeldElsewhereReadsBackAsItsDate)
{
    sqlite3 *holder = nullptr;
    ASSERT_EQ(sqlite3_open(databasePath(QStringLiteral("DEMO")).toUtf8().constData(), &holder), SQLITE_OK);
    const auto stored = [holder] {
        sqlite3_stmt *query = nullptr;
        sqlite3_prepare_v2(holder, "SELECT typeof(DESDE) || ' ' || DESDE FROM PLAZOS WHERE ID = 1", -1, &query,
                           nullptr);
        QString text;
        if (sqlite3_step(query) == SQLITE_ROW)
            text = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(query, 0)));
        sqlite3_finalize(query);
        return text;
    };
    // Written as an earlier version wrote it.
    ASSERT_EQ(sqlite3_exec(holder, "UPDATE PLAZOS SET DESDE = 45365.5 WHERE ID = 1; BEGIN IMMEDIATE;", nullptr, nullptr,
                           nullptr),
              SQLITE_OK);
    int waits = 0;
    {
        Connection held;
        held.setCommandTimeout(1);
        held.setLockWaitHandler([&waits] { ++waits; });
        ASSERT_EQ(errorNumberOf([&] { held.Open(connectionString()); }), 0);
        EXPECT_EQ(held.Execute(QStringLiteral("SELECT DESDE FROM PLAZOS WHERE ID = 1")).Fields(0L).Value(),
                  rt::Variant(rt::DateTime::fromParts(2024, 3, 16, 12)));
    }
    EXPECT_EQ(waits, 0);
    EXPECT_EQ(stored(), QStringLiteral("real 45365.5"));
    sqlite3_exec(holder, "ROLLBACK", nullptr, nullptr, nullptr);
    Connection later;
    later.Open(connectionString());
    EXPECT_EQ(stored(), QStringLiteral("text 2024-03-16 12:00:00"));
    sqlite3_close(holder);
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
        // A call takes at most 127 terms: the calls of a longer sum nest.
        {"Additions", QStringLiteral("SELECT 1") + repeated(" + 1", 100000)},
        {"Products", QStringLiteral("SELECT 1") + repeated(" * 1", 100000)},
        {"AdditionsInsideGroups",
         QStringLiteral("SELECT ") + repeated("(1 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + ", 60) + u'1' + repeated(")", 60)},
        {"Guard", QStringLiteral("IF EXISTS (SELECT ") + repeated("(", 9000) + u'1' + repeated(")", 9000)
                      + QStringLiteral(") DELETE FROM CLIENTES")},
        // Flat for the translator; too deep a tree for SQLite.
        {"AndChain",
         QStringLiteral("DELETE FROM CLIENTES WHERE ") + repeated("1 = 1 AND ", 1199) + QStringLiteral("1 = 1")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(syntaxError(c.tsql).Description, NestedTooDeeply);
    }
    EXPECT_EQ(count(QStringLiteral("CLIENTES")), 2);
}

// Nesting runs as deep as the engine can take it, and one level more ends in the nesting error,
// whether the translator or SQLite's parser beneath it gives up first.
TEST_F(SqliteHostileInput, TheDeepestNestingRunsAndOneLevelMoreIsRefused)
{
    struct Case {
        const char *name;
        const char *opening;
        const char *closing;
    };
    const Case cases[] = {
        {"Parentheses", "(", ")"},
        {"Subqueries", "(SELECT ", ")"},
        {"Calls", "ISNULL(", ", 2)"},
        {"Case", "CASE WHEN 1 = 1 THEN ", " END"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const auto statement = [&](int depth) {
            return QStringLiteral("SELECT ") + QString::fromLatin1(c.opening).repeated(depth) + u'1'
                   + QString::fromLatin1(c.closing).repeated(depth) + QStringLiteral(" AS x");
        };
        const auto runs = [&](int depth) {
            try {
                return m_connection.Execute(statement(depth)).Fields(QStringLiteral("x")).Value().asLong() == 1;
            } catch (const rt::RuntimeError &) {
                return false;
            }
        };
        int depth = 1;
        while (depth <= ado::sqlite::MaxTsqlNesting && runs(depth))
            ++depth;
        EXPECT_GT(depth, 1);
        EXPECT_EQ(syntaxError(statement(depth)).Description, NestedTooDeeply) << "first depth refused: " << depth;
    }
}

// A sum or product of a thousand terms runs, as on SQL Server, evaluated left to right by SQL
// Server's rules: texts join, numbers add, a date plus a number moves by days, Null gives Null.
TEST_F(SqliteHostileInput, ASumOrProductOfAThousandTermsRunsLeftToRight)
{
    struct Case {
        const char *tsql; // %1: the piece, repeated
        const char *piece;
        int times;
        QString answer;
    };
    const Case cases[] = {
        {"SELECT ID%1 FROM TA_USUARIOS WHERE ID = 2", " + 1", 999, QStringLiteral("1001")},
        {"SELECT COUNT(*) FROM TA_USUARIOS WHERE ID%1 = 1001", " + 1", 999, QStringLiteral("1")},
        {"SELECT ID%1 FROM TA_USUARIOS WHERE ID = 2", " + 2 - 1", 500, QStringLiteral("502")},
        {"SELECT COUNT(*) FROM TA_USUARIOS WHERE ID%1 = 2", " * 1", 999, QStringLiteral("1")},
        {"SELECT 1 + ID%1 FROM TA_USUARIOS WHERE ID = 2", " * 1", 999, QStringLiteral("3")},
        {"SELECT 2 - ID%1 FROM TA_USUARIOS WHERE ID = 2", " * 1", 999, QStringLiteral("0")},
        {"SELECT NOMBRE%1 FROM TA_USUARIOS WHERE ID = 2", " + 'x'", 999,
         QStringLiteral("demo") + QStringLiteral("x").repeated(999)},
        {"SELECT NOMBRE + ID%1 FROM TA_USUARIOS WHERE ID = 2", " + 'x'", 999, {}},
        {"SELECT '1' + '2'%1", " + 1", 998, QStringLiteral("1010")},
        {"SELECT ALTA%1 FROM TA_USUARIOS WHERE ID = 1", " + 1", 999, QStringLiteral("2026-11-25 00:00:00")},
        {"SELECT ALTA%1 FROM TA_USUARIOS WHERE ID = 1", " + 2 - 1", 500, QStringLiteral("2025-07-14 00:00:00")},
        {"SELECT ID%1 FROM TA_USUARIOS WHERE ID = 2", " + VENCE", 999, QStringLiteral("NULL")},
        {"SELECT ID%1 FROM TA_USUARIOS WHERE ID = 2", " * VENCE", 999, QStringLiteral("NULL")},
        // A view stored by an earlier version, which wrote a - b as tsql_sub(a, b).
        {"SELECT X FROM VIEJA WHERE ID = 2%1", "", 0, QStringLiteral("-1")},
    };
    m_connection.Execute(QStringLiteral("CREATE VIEW VIEJA AS SELECT ID, tsql_sub(1, ID) AS X FROM TA_USUARIOS"));
    for (const Case &c : cases) {
        const QString tsql = QString::fromUtf8(c.tsql).arg(QString::fromUtf8(c.piece).repeated(c.times));
        SCOPED_TRACE(tsql.left(80).toStdString());
        if (c.answer.isNull()) {
            EXPECT_EQ(errorNumberOf([&] { m_connection.Execute(tsql); }), err::AdoEFail);
            ASSERT_EQ(m_connection.Errors().Count(), 1);
            EXPECT_EQ(m_connection.Errors()(0).Description,
                      QStringLiteral("Conversion failed when converting the nvarchar value 'demo' to data type int."));
            continue;
        }
        EXPECT_EQ(dateText(m_connection.Execute(tsql).Fields(0L).Value()), c.answer);
    }
}

// Nothing typed reaches past the database file: no function that hands out or takes a native
// pointer or loads a library, no file attached or written, no schema written by hand. The
// program's own statements still run.
TEST_F(SqliteHostileInput, TextThatReachesPastTheDatabaseIsRefusedBeforeItRuns)
{
    const char *cases[][2] = {
        {"SELECT hex(fts3_tokenizer('simple'))", "The function 'fts3_tokenizer' is not allowed"},
        {"SELECT fts3_tokenizer('mio', x'0100000000000000')", "The function 'fts3_tokenizer' is not allowed"},
        {"SELECT Nombre FROM CLIENTES WHERE Codigo = LOAD_EXTENSION('%1/x.so')",
         "The function 'LOAD_EXTENSION' is not allowed"},
        {"SELECT fts5(NULL)", "The function 'fts5' is not allowed"},
        {"ATTACH '%1/OTRA.db' AS otra", "The statement is not allowed"},
        {"VACUUM INTO '%1/COPIA.db'", "The statement is not allowed"},
        {"PRAGMA temp_store_directory = '%1'", "The statement is not allowed"},
        {"PRAGMA TEMP_STORE_DIRECTORY = '%1'", "The statement is not allowed"},
    };
    const QStringList files = QDir(m_folder.path()).entryList(QDir::Files);
    for (const auto &[tsql, refusal] : cases) {
        SCOPED_TRACE(tsql);
        const QString text = QString::fromUtf8(tsql).replace(QStringLiteral("%1"), m_folder.path());
        EXPECT_EQ(errorNumberOf([&] { m_connection.Execute(text); }), ado::sqlite::AdoPermissionDenied);
        ASSERT_EQ(m_connection.Errors().Count(), 1);
        EXPECT_EQ(m_connection.Errors()(0).NativeError, 229);
        EXPECT_TRUE(m_connection.Errors()(0).Description.startsWith(QString::fromUtf8(refusal)));
    }
    EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::Files), files);
    m_connection.Execute(QStringLiteral("PRAGMA writable_schema = 1"));
    EXPECT_EQ(errorNumberOf([&] { m_connection.Execute(QStringLiteral("UPDATE sqlite_master SET sql = sql")); }),
              err::AdoEFail);
    m_connection.Execute(QStringLiteral("SELECT Codigo INTO #t FROM CLIENTES"));
    m_connection.Execute(QStringLiteral("VACUUM"));
    EXPECT_EQ(count(QStringLiteral("#t")), 2);
}

// A file that is no database is refused as it stands: SQLite would write a database into an
// empty one.
using NoDatabaseFile = EmbeddedFolderTest;

TEST_F(NoDatabaseFile, IsRefusedAndLeftByteForByteWithNothingBesideIt)
{
    const QByteArray header = QByteArray("SQLite format 3\0\x10\0", 18) + QByteArray(82, '\1');
    const QString path = databasePath(QStringLiteral("DEMO"));
    for (const QByteArray &bytes : {QByteArray(), QByteArray(5000, 'Z'), header.left(50), header}) {
        SCOPED_TRACE(bytes.size());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        Connection connection;
        EXPECT_EQ(errorNumberOf([&] { connection.Open(connectionString()); }), err::AdoEFail);
        ASSERT_EQ(connection.Errors().Count(), 1);
        EXPECT_EQ(connection.Errors()(0).Description, QStringLiteral("file is not a database: ") + path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), bytes);
        EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("DEMO.db")});
    }
}

// A database of any page size SQLite makes opens, the largest one too (its header field holds 1).
using DatabaseFile = EmbeddedFolderTest;

TEST_F(DatabaseFile, OfAnyPageSizeOpens)
{
    const QString path = databasePath(QStringLiteral("DEMO"));
    for (const long page : {512L, 65536L}) {
        SCOPED_TRACE(page);
        QFile::remove(path);
        sqlite3 *db = nullptr;
        ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
        const QByteArray ddl = QStringLiteral("PRAGMA page_size = %1; CREATE TABLE CLIENTES (Codigo TEXT); "
                                              "INSERT INTO CLIENTES VALUES ('A1'), ('B2');")
                                   .arg(page)
                                   .toUtf8();
        EXPECT_EQ(sqlite3_exec(db, ddl.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
        Connection connection;
        ASSERT_EQ(errorNumberOf([&] { connection.Open(connectionString()); }), 0);
        EXPECT_EQ(rt::CLng(connection.Execute(QStringLiteral("PRAGMA page_size")).Fields(0L).Value()), page);
        EXPECT_EQ(connection.Execute(QStringLiteral("SELECT * FROM CLIENTES")).RecordCount(), 2);
    }
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
