// The program's T-SQL, translated and run on SQLite: the rows must be those SQL Server gives.
#include "AdoFixture.h"
#include "TsqlFixture.h"

#include "platform/ado/sqlite/SqliteHandle.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <vector>

namespace {

struct ExecutionCase {
    const char *name;
    const char *tsql;
    std::vector<std::vector<const char *>> rows;
};

// Listed and reported by its name.
void PrintTo(const ExecutionCase &c, std::ostream *os)
{
    *os << c.name;
}

TsqlTestDatabase::Rows expectedRows(const ExecutionCase &c)
{
    TsqlTestDatabase::Rows rows;
    for (const auto &row : c.rows)
        rows.emplace_back(row.begin(), row.end());
    return rows;
}

class TsqlExecution : public ::testing::TestWithParam<ExecutionCase> { };

TEST_P(TsqlExecution, GivesSqlServerRows)
{
    TsqlTestDatabase db;
    EXPECT_EQ(db.run(QString::fromUtf8(GetParam().tsql)), expectedRows(GetParam()));
}

const ExecutionCase executionCases[] = {
    // + decides by the values
    {"PlusJoinsTexts",
     "SELECT 'ab' + 'cd', SUCURSAL + NUMERO + LETRA FROM MV_ASIENTOS WHERE NUMERO = '00000004'",
     {{"abcd", "000200000004A"}}},
    {"NotLessAndNotGreater", "SELECT COUNT(*) FROM MV_ASIENTOS WHERE SECUENCIA !< 2 OR IMPORTE !> 50", {{"2"}}},
    {"PlusAddsNumbersAfterProducts",
     "SELECT 1 + 2 * 3, (1 + 2) * -3 + 10, 10 - 2 + 3, 7 / 2 + 1",
     {{"7", "1", "11", "4"}}},
    {"DivisionKeepsItsResultAndNullOverZeroIsNull",
     "SELECT 7 / 2, 7.0 / 2, 7 % -3, IMPORTE / (SECUENCIA + 1), IMPORTE / '2', IMPORTE / '0.5', 1 / NULL, "
     "IDVENDEDOR * IMPORTE % (SECUENCIA - 1) FROM MV_ASIENTOS WHERE NUMERO = '00000002'",
     {{"3", "3.5", "1", "100", "100", "400", "NULL", "NULL"}}},
    {"PlusWithNullGivesNull",
     "SELECT 'a' + NULL, NULL + 1, IMPORTE + 1 FROM MV_ASIENTOS WHERE IDVENDEDOR IS NULL",
     {{"NULL", "NULL", "201"}}},
    {"PlusOfNumericTextAndNumberAdds", "SELECT '12' + 3, 3 + '1.5'", {{"15", "4.5"}}},
    {"PlusOfDateAndNumberAddsDays",
     "SELECT FECHA + 1, FECHA - 0 + 0.5 FROM MV_ASIENTOS WHERE NUMERO = '00000002'",
     {{"2024-04-01 00:00:00", "2024-03-31 12:00:00"}}},
    {"PlusInsideLiteralsIsText", "SELECT 'a+b' + '+', 'x' + CONVERT(NVARCHAR, 5) + 'y'", {{"a+b+", "x5y"}}},
    {"PlusInsideCaseAndCalls",
     "SELECT CASE WHEN TC = 'NC' THEN (IMPORTE + 1) * -1 ELSE IMPORTE + 1 END, LEN(TC + LETRA) FROM MV_ASIENTOS "
     "WHERE SECUENCIA = 1 AND (TC = 'nc' OR NUMERO = '00000002') ORDER BY NUMERO",
     {{"201", "3"}, {"-51", "3"}}},
    // TOP
    {"TopBecomesLimitAfterOrderBy",
     "SELECT TOP 2 NUMERO FROM MV_ASIENTOS WHERE SECUENCIA = 1 ORDER BY NUMERO DESC",
     {{"00000004"}, {"00000003"}}},
    {"TopInSubqueries",
     "SELECT NOMBRE FROM TA_USUARIOS WHERE ID IN (SELECT TOP (1) ID FROM TA_USUARIOS ORDER BY ID DESC) "
     "OR ID = (SELECT TOP 1 ID FROM TA_USUARIOS ORDER BY ID) ORDER BY ID",
     {{"admin"}, {"Nuñez"}}},
    {"TopBeforeUnion",
     "SELECT TOP 1 NOMBRE FROM TA_USUARIOS UNION ALL SELECT TOP 1 CODIGO FROM MA_CUENTAS ORDER BY 1 DESC",
     {{"admin"}, {"1.1.01"}}},
    {"TopWithDistinct", "SELECT DISTINCT TOP 1 TC FROM MV_ASIENTOS ORDER BY TC", {{"cb"}}},
    // table hints, owner, brackets
    {"NolockInJoins",
     "SELECT A.NUMERO, M.MEDIODEPAGO FROM dbo.MV_ASIENTOS A with(nolock) INNER JOIN MA_CUENTAS M WITH (NOLOCK) "
     "ON A.CUENTA = M.CODIGO WHERE A.NUMERO = '00000001' ORDER BY A.SECUENCIA",
     {{"00000001", "EF"}, {"00000001", "ch"}}},
    {"OldStyleHintAndOwner", "SELECT COUNT(*) FROM [dbo].[MA_CUENTAS] (NOLOCK)", {{"3"}}},
    {"BracketedNames",
     "SELECT [DEBE-HABER], [Tc] FROM [MV_ASIENTOS] WHERE [NUMERO] = '00000001' AND [SECUENCIA] = 2",
     {{"D", "cb"}}},
    // DELETE forms
    {"DeleteWithoutFrom", "DELETE MV_ASIENTOS WHERE TC = 'nc' SELECT COUNT(*) FROM MV_ASIENTOS", {{"4"}}},
    {"DeleteThroughJoinAlias",
     "DELETE a FROM MV_ASIENTOS a INNER JOIN MA_CUENTAS m ON a.CUENTA = m.CODIGO WHERE m.MEDIODEPAGO = 'CH'; "
     "SELECT COUNT(*) FROM MV_ASIENTOS",
     {{"4"}}},
    {"TruncateTable", "TRUNCATE TABLE MA_CUENTAS SELECT COUNT(*) FROM MA_CUENTAS", {{"0"}}},
    // functions the program calls
    {"IsNull",
     "SELECT ISNULL(IDVENDEDOR, ''), isnull(IDVENDEDOR,'x') + '|' FROM MV_ASIENTOS WHERE NUMERO = '00000002'",
     {{"", "x|"}}},
    {"LenIgnoresTrailingBlanks", "SELECT LEN('ab  '), LEN('  ab'), LEN(''), LEN(NULL)", {{"2", "4", "0", "NULL"}}},
    {"CharIndexIgnoresCase",
     "SELECT CHARINDEX('b', 'abcB'), CHARINDEX('B', 'abcb', 3), CHARINDEX('x', 'abc')",
     {{"2", "4", "0"}}},
    {"IdentityOfLastInsert",
     "INSERT INTO TA_USUARIOS (NOMBRE) VALUES ('nuevo') SELECT @@IDENTITY, SCOPE_IDENTITY()",
     {{"5", "5"}}},
    // date literals keep SQL Server's midnight at the ends of a range
    {"DayFirstLiteralsAtRangeEnds",
     "SELECT NUMERO FROM MV_ASIENTOS WHERE Fecha>='01/03/2024' And Fecha<='31/03/2024' AND SECUENCIA = 1 ORDER BY NUMERO",
     {{"00000001"}, {"00000002"}}},
    {"DayFirstLiteralWithTime",
     "SELECT COUNT(*) FROM MV_ASIENTOS WHERE FECHA BETWEEN '1/3/2024' AND '31/03/2024 23:59:59' AND SECUENCIA = 1",
     {{"3"}}},
    {"IsoDateLiteralWithoutTime", "SELECT COUNT(*) FROM MV_ASIENTOS WHERE FECHA = '2024-03-31'", {{"1"}}},
    {"DateLiteralStoredInIsoForm",
     "INSERT INTO V_COMISIONES_VENDEDOR_COB (IDLIQUIDACION, FECHACOB) VALUES (1, '05/03/2024') "
     "SELECT FECHACOB FROM V_COMISIONES_VENDEDOR_COB",
     {{"2024-03-05 00:00:00"}}},
    // 'yyyymmdd', the date text every language setting reads alike, is a date where it meets a date column
    {"UnseparatedDateComparedWithDateColumn",
     "SELECT COUNT(*) FROM MV_ASIENTOS A WHERE A.FECHA >= '20240301' AND '20240401' > [FECHA] AND SECUENCIA = 1",
     {{"3"}}},
    {"UnseparatedDateWithTimeBetween",
     "SELECT COUNT(*) FROM MV_ASIENTOS WHERE FECHA BETWEEN N'20240331' AND '20240331 15:30'",
     {{"2"}}},
    {"UnseparatedDateStoredByInsertAndUpdate",
     "INSERT INTO V_COMISIONES_VENDEDOR_COB (IDLIQUIDACION, FECHACOB, CBTC) VALUES (1, '20240305', 'CB'), "
     "(2, '20240306', '20240306') UPDATE V_COMISIONES_VENDEDOR_COB SET FECHACOB = '20240307' WHERE IDLIQUIDACION = 2 "
     "SELECT FECHACOB, CBTC FROM V_COMISIONES_VENDEDOR_COB ORDER BY IDLIQUIDACION",
     {{"2024-03-05 00:00:00", "CB"}, {"2024-03-07 00:00:00", "20240306"}}},
    {"UnseparatedDateBeforeQualifiedColumn",
     "SELECT COUNT(*) FROM MV_ASIENTOS A WHERE '20240331' <= A.FECHA AND SECUENCIA = 1",
     {{"3"}}},
    {"UnseparatedDateInEveryInsertedRow",
     "INSERT INTO V_COMISIONES_VENDEDOR_COB (IDLIQUIDACION, FECHACOB) VALUES (1, '20240305'), (2, '20240306'), "
     "(3, '20240307') SELECT FECHACOB FROM V_COMISIONES_VENDEDOR_COB ORDER BY IDLIQUIDACION",
     {{"2024-03-05 00:00:00"}, {"2024-03-06 00:00:00"}, {"2024-03-07 00:00:00"}}},
    {"UnseparatedDateWrittenOutInAGuardedBatch",
     "IF EXISTS (SELECT 1 FROM MV_ASIENTOS WHERE FECHA = '20240401') DELETE MV_ASIENTOS WHERE FECHA < '20240331' "
     "SELECT COUNT(*) FROM MV_ASIENTOS",
     {{"3"}}},
    {"UnseparatedDateConverted",
     "SELECT CONVERT(datetime, '20240401'), DATEADD(day, 1, '20240331'), DATEDIFF(day, '20240301', FECHA) "
     "FROM MV_ASIENTOS WHERE NUMERO = '00000004'",
     {{"2024-04-01 00:00:00", "2024-04-01 00:00:00", "31"}}},
    {"EightDigitTextInTextColumnStaysText",
     "INSERT INTO TA_USUARIOS (NOMBRE, CLAVE) VALUES ('nuevo', '20240301') "
     "SELECT CLAVE FROM TA_USUARIOS WHERE CLAVE = '20240301'",
     {{"20240301"}}},
    // text comparisons as SQL Server makes them
    {"ColumnEqualsIgnoresCaseAndTrailingBlanks", "SELECT CLAVE FROM TA_USUARIOS WHERE NOMBRE = 'ADMIN  '", {{"x1"}}},
    {"ColumnEqualsKeepsAccents", "SELECT CLAVE FROM TA_USUARIOS WHERE NOMBRE = 'NUÑEZ'", {{"x4"}}},
    {"TrimmedExpressionEqualsIgnoresCase",
     "SELECT CLAVE FROM TA_USUARIOS WHERE LTRIM(RTRIM(OBSERV)) = 'JEFE'",
     {{"x1"}}},
    {"ExpressionNotEqualIgnoresCase",
     "SELECT CLAVE FROM TA_USUARIOS WHERE LTRIM(OBSERV) <> 'CAJERO' AND UPPER(OBSERV) <> 'x' ORDER BY CLAVE",
     {{"x1"}}},
    {"ExpressionInListIgnoresCase",
     "SELECT COUNT(*) FROM TA_USUARIOS WHERE RTRIM(OBSERV) NOT IN ('CAJERO', 'nadie')",
     {{"1"}}},
    {"ConcatenationEqualsColumnAndLiteral",
     "SELECT COUNT(*) FROM MV_ASIENTOS WHERE SUCURSAL + NUMERO + LETRA = '000100000001a' AND TC + '' = 'CB'",
     {{"2"}}},
    {"LikeIgnoresCaseBeyondAscii",
     "SELECT NOMBRE FROM TA_USUARIOS WHERE NOMBRE LIKE 'NÚ%' OR CONVERT(NVARCHAR, [OBSERV]) LIKE '%JEF%' ORDER BY ID",
     {{"admin"}, {"Núñez"}}},
    {"OrderByPutsAccentsAfterPlainLetters",
     "SELECT NOMBRE FROM TA_USUARIOS WHERE NOMBRE LIKE 'n%' ORDER BY NOMBRE",
     {{"nuno"}, {"Nuñez"}, {"Núñez"}}},
    {"DoubledApostrophes",
     "INSERT INTO TA_USUARIOS (NOMBRE) VALUES ('O''Brien') SELECT NOMBRE, 'it''s' FROM TA_USUARIOS WHERE NOMBRE = N'o''brien'",
     {{"O'Brien", "it's"}}},
    // batches, guards, temporary tables
    {"IfNotExistsInsertsOnce",
     "IF NOT EXISTS (SELECT * FROM TA_USUARIOS WHERE NOMBRE = 'otro') INSERT INTO TA_USUARIOS (NOMBRE) VALUES ('otro')\n"
     "IF NOT EXISTS(SELECT * FROM TA_USUARIOS WHERE NOMBRE = 'OTRO') INSERT INTO TA_USUARIOS (NOMBRE) VALUES ('otro')\n"
     "SELECT COUNT(*) FROM TA_USUARIOS WHERE NOMBRE = 'otro'",
     {{"1"}}},
    {"IfExistsUpdatesWhenFound",
     "IF EXISTS (SELECT TOP 1 * FROM TA_USUARIOS WHERE NOMBRE = 'admin') UPDATE TA_USUARIOS SET CLAVE = 'y' WHERE NOMBRE = 'admin' "
     "IF EXISTS (SELECT 1 FROM TA_USUARIOS WHERE NOMBRE = 'nadie') DELETE TA_USUARIOS "
     "SELECT CLAVE FROM TA_USUARIOS WHERE ID = 1",
     {{"y"}}},
    {"SelectIntoTemporaryTable",
     "SELECT NUMERO, IMPORTE INTO #cob FROM MV_ASIENTOS WHERE TC = 'CB' AND SECUENCIA = 1\n"
     "SELECT COUNT(*), SUM(#cob.IMPORTE) FROM #cob\nDROP TABLE #cob",
     {{"2", "300.5"}}},
    {"CreatedTemporaryTableComparesLikeSqlServer",
     "CREATE TABLE #w (CODIGO VARCHAR(10), N INT) INSERT INTO #w VALUES ('abc  ', 1) "
     "SELECT N FROM #w WHERE CODIGO = 'ABC'",
     {{"1"}}},
    {"AddedTextColumnComparesLikeSqlServer",
     "ALTER TABLE dbo.TA_USUARIOS ADD ZONA varchar(10) Null ; UPDATE TA_USUARIOS SET ZONA = 'norte' WHERE ID = 2 "
     "SELECT ID FROM TA_USUARIOS WHERE ZONA = 'NORTE'",
     {{"2"}}},
};

INSTANTIATE_TEST_SUITE_P(Statements, TsqlExecution, ::testing::ValuesIn(executionCases),
                         [](const auto &testInfo) { return std::string(testInfo.param.name); });

// SQL Server refuses a division or remainder by zero, where SQLite gives Null: the statement
// fails and changes nothing, though rows before the one that divides by zero had their result.
TEST(TsqlExecutionErrors, DivisionByZeroFailsAndChangesNothing)
{
    TsqlTestDatabase db;
    const QString amounts = QStringLiteral("SELECT SUM(IMPORTE), COUNT(IMPORTE) FROM MV_ASIENTOS");
    const auto before = db.run(amounts);
    for (const char *tsql : {"SELECT 1 / 0", "SELECT 1.5 % 0.0", "SELECT IMPORTE / (SECUENCIA - 2) FROM MV_ASIENTOS",
                             "SELECT IMPORTE / 0 + 1 FROM MV_ASIENTOS", "UPDATE MV_ASIENTOS SET IMPORTE = IMPORTE / 0",
                             "UPDATE MV_ASIENTOS SET IMPORTE = IMPORTE / -(2 - SECUENCIA)",
                             "DELETE FROM MV_ASIENTOS WHERE 10 % (IMPORTE - '50') > 0"}) {
        SCOPED_TRACE(tsql);
        const auto errors = engineErrorsOf([&] { db.run(QString::fromUtf8(tsql)); });
        ASSERT_EQ(errors.size(), 1);
        EXPECT_EQ(errors.first().NativeError, 8134);
        EXPECT_EQ(errors.first().SQLState, QStringLiteral("22012"));
        EXPECT_EQ(errors.first().Description, QStringLiteral("Divide by zero error encountered."));
        EXPECT_EQ(db.run(amounts), before);
    }
}

// A column without alias is named by the text written for it, as SQLite names it (up to the
// next token, blanks trimmed), whatever the engine rewrote it into; texts that differ only in
// their blanks, comments or a literal are named apart though one translation could serve both.
TEST(TsqlColumnNames, AnExpressionWithoutAliasIsNamedAsWritten)
{
    TsqlTestDatabase db;
    struct Case {
        const char *tsql;
        const char *names;
    };
    for (const Case &c : {
             Case{"SELECT IMPORTE / SECUENCIA, IMPORTE + 1, CONVERT(varchar(10), FECHA, 103) FROM MV_ASIENTOS",
                  "IMPORTE / SECUENCIA|IMPORTE + 1|CONVERT(varchar(10), FECHA, 103)"},
             Case{"SELECT IMPORTE  +  1 FROM MV_ASIENTOS", "IMPORTE  +  1"},
             Case{"SELECT IMPORTE + 1 FROM MV_ASIENTOS", "IMPORTE + 1"},
             Case{"SELECT IMPORTE /* uno */ + 1 -- suma\nFROM MV_ASIENTOS", "IMPORTE /* uno */ + 1 -- suma"},
             Case{"SELECT isnull(IDVENDEDOR, 'x'), LEN(TC), LEFT(TC, 1), CAST(SECUENCIA AS varchar), IMPORTE % 2, "
                  "DATEADD(day, 1, '01/03/2024'), N'ab' + 'c' FROM MV_ASIENTOS",
                  "isnull(IDVENDEDOR, 'x')|LEN(TC)|LEFT(TC, 1)|CAST(SECUENCIA AS varchar)|IMPORTE % 2|"
                  "DATEADD(day, 1, '01/03/2024')|N'ab' + 'c'"},
             Case{"SELECT CASE WHEN LTRIM(TC) = 'cb' THEN 1 END FROM MV_ASIENTOS",
                  "CASE WHEN LTRIM(TC) = 'cb' THEN 1 END"},
             Case{"SELECT CASE WHEN LTRIM(TC) = 'NC' THEN 1 END FROM MV_ASIENTOS",
                  "CASE WHEN LTRIM(TC) = 'NC' THEN 1 END"},
             Case{"SELECT TOP 1 IMPORTE * 2, [IMPORTE] - 1 FROM MV_ASIENTOS", "IMPORTE * 2|[IMPORTE] - 1"},
             Case{"SELECT m.*, [CODIGO], (m.MEDIODEPAGO), 1 + 1 AS Total, 2 + 2 Resto, 3 + 3 'Otro' FROM MA_CUENTAS m",
                  "CODIGO|MEDIODEPAGO|CODIGO|MEDIODEPAGO|Total|Resto|Otro"},
             Case{"SELECT * FROM (SELECT IMPORTE + 1, TC + 'x' FROM MV_ASIENTOS UNION ALL "
                  "SELECT IMPORTE + 2, TC FROM MV_ASIENTOS) u",
                  "IMPORTE + 1|TC + 'x'"},
             Case{"SELECT IMPORTE + 1 INTO #t FROM MV_ASIENTOS SELECT * FROM #t", "IMPORTE + 1"},
             Case{"CREATE VIEW v AS SELECT ISNULL(TC, '') FROM MV_ASIENTOS; SELECT * FROM v", "ISNULL(TC, '')"},
         }) {
        SCOPED_TRACE(c.tsql);
        EXPECT_EQ(db.columns(QString::fromUtf8(c.tsql)), c.names);
    }
}

// A plain column compared with a literal keeps its declared collation, so its index still
// serves the look-up the program makes on every key.
TEST(TsqlExecutionPlan, PlainColumnComparisonUsesTheColumnsIndex)
{
    TsqlTestDatabase db;
    const auto statements = ado::sqlite::TsqlTranslator().translate(
        QStringLiteral("SELECT TOP 1 * FROM MA_CUENTAS with(nolock)  WHERE Codigo ='1.1.01'"));
    ASSERT_EQ(statements.size(), 1);
    const ado::sqlite::SqliteHandle handle(db.path(), ado::sqlite::SqliteHandle::Mode::OpenExisting);
    sqlite3_stmt *plan = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(handle.get(), ("EXPLAIN QUERY PLAN " + statements.first().sql).toUtf8().constData(),
                                 -1, &plan, nullptr),
              SQLITE_OK);
    const std::string detail =
        sqlite3_step(plan) == SQLITE_ROW ? reinterpret_cast<const char *>(sqlite3_column_text(plan, 3)) : "";
    sqlite3_finalize(plan);
    EXPECT_NE(detail.find("USING INDEX"), std::string::npos) << detail;
}

} // namespace
