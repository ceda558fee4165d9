// How the translator cuts a batch into statements and what each statement asks of the engine.
#include "AdoFixture.h"

#include "platform/ado/sqlite/TsqlSyntax.h"
#include "platform/ado/sqlite/TsqlTranslator.h"

#include <functional>
#include <vector>

namespace {

using ado::sqlite::TranslatedStatement;
using Kind = TranslatedStatement::Kind;

struct BatchCase {
    const char *name;
    const char *tsql;
    std::vector<Kind> kinds;
};

// Listed and reported by its name.
void PrintTo(const BatchCase &c, std::ostream *os)
{
    *os << c.name;
}

class TsqlBatch : public ::testing::TestWithParam<BatchCase> { };

TEST_P(TsqlBatch, SplitsIntoStatements)
{
    std::vector<Kind> kinds;
    for (const TranslatedStatement &statement :
         ado::sqlite::TsqlTranslator().translate(QString::fromUtf8(GetParam().tsql)))
        kinds.push_back(statement.kind);
    EXPECT_EQ(kinds, GetParam().kinds);
}

const BatchCase batchCases[] = {
    {"Empty", "  -- nothing\n", {}},
    {"SemicolonsOnly", "; ;", {}},
    {"OneStatement", "SELECT * FROM TA_USUARIOS", {Kind::Sql}},
    {"StatementsWithoutSeparators",
     "SET NOCOUNT ON INSERT INTO t VALUES (1) SELECT 1 UPDATE t SET a = 2 DELETE t",
     {Kind::Nothing, Kind::Sql, Kind::Sql, Kind::Sql, Kind::Sql}},
    {"InsertSelectStaysOne", "INSERT INTO a (x) SELECT x FROM b UNION ALL SELECT x FROM c", {Kind::Sql}},
    {"InsertValuesThenSelect", "INSERT INTO a VALUES (1) SELECT 2", {Kind::Sql, Kind::Sql}},
    {"SemicolonInsideLiteralDoesNotSplit", "INSERT INTO a VALUES ('x; SELECT 1')", {Kind::Sql}},
    {"SubqueriesDoNotSplit", "UPDATE a SET x = (SELECT MAX(y) FROM b) WHERE z IN (SELECT z FROM c)", {Kind::Sql}},
    {"CreateViewAsSelect", "CREATE VIEW v AS SELECT 1 AS x", {Kind::Sql}},
    {"CommonTableExpression",
     "WITH x AS (SELECT 1 AS a), y AS (SELECT 2 AS a) SELECT * FROM x UNION SELECT * FROM y SELECT 3",
     {Kind::Sql, Kind::Sql}},
    {"AlterTableDropColumn", "ALTER TABLE t DROP COLUMN c", {Kind::Sql}},
    {"CreateThenDrop",
     "CREATE TABLE #t (a int) INSERT INTO #t VALUES (1) DROP TABLE #t",
     {Kind::Sql, Kind::Sql, Kind::Sql}},
    {"Transactions",
     "BEGIN TRANSACTION\nINSERT INTO a VALUES (1)\nCOMMIT TRANSACTION\nBEGIN TRAN; ROLLBACK TRAN; BEGIN TRAN t1 COMMIT",
     {Kind::Begin, Kind::Sql, Kind::Commit, Kind::Begin, Kind::Rollback, Kind::Begin, Kind::Commit}},
    {"SessionOptions",
     "SET NOCOUNT OFF; SET DATEFORMAT dmy SET TRANSACTION ISOLATION LEVEL READ UNCOMMITTED",
     {Kind::Nothing, Kind::Nothing, Kind::Nothing}},
    {"GuardedStatements",
     "IF NOT EXISTS(SELECT 1 FROM t) INSERT INTO t VALUES (1) IF EXISTS (SELECT 1) DELETE t SELECT 2",
     {Kind::IfExists, Kind::IfExists, Kind::Sql}},
};

INSTANTIATE_TEST_SUITE_P(Batches, TsqlBatch, ::testing::ValuesIn(batchCases),
                         [](const auto &testInfo) { return std::string(testInfo.param.name); });

TEST(TsqlGuard, KeepsConditionAndNegation)
{
    const auto statements = ado::sqlite::TsqlTranslator().translate(
        QStringLiteral("IF NOT EXISTS (SELECT TOP 1 * FROM t with(nolock)) INSERT INTO t VALUES ('a')"));
    ASSERT_EQ(statements.size(), 1);
    EXPECT_TRUE(statements.first().negated);
    EXPECT_EQ(statements.first().condition, QStringLiteral("SELECT * FROM t LIMIT 1"));
    EXPECT_EQ(statements.first().sql, QStringLiteral("INSERT INTO t VALUES ('a')"));
}

// Texts SQL Server rejects, or control flow the embedded engine cannot run, fail before any
// statement of the batch runs.
TEST(TsqlTranslatorErrors, RefusesWhatItCannotTranslate)
{
    const char *cases[] = {
        "SELECT (1",
        "SELECT 1)",
        "SELECT CASE WHEN a = 1 THEN 2",
        "IF 1 = 1 SELECT 1",
        "IF EXISTS (SELECT 1)",
        "IF NOT EXISTS (SELECT 1) BEGIN TRAN",
        "BEGIN INSERT INTO t VALUES (1) END",
        "IF EXISTS (SELECT 1) SELECT 1 ELSE SELECT 2",
        "SELECT TOP 10 PERCENT * FROM t",
        "SELECT TOP * FROM t",
        "SELECT CONVERT(INT) FROM t",
        "SELECT CAST(1) FROM t",
        "INSERT INTO t VALUES (1) SELECT 'unterminated",
    };
    for (const char *tsql : cases) {
        const auto errors = engineErrorsOf([&] { ado::sqlite::TsqlTranslator().translate(QString::fromUtf8(tsql)); });
        ASSERT_FALSE(errors.isEmpty()) << tsql;
        EXPECT_EQ(errors.first().NativeError, 102) << tsql;
        EXPECT_TRUE(errors.first().Description.startsWith(QStringLiteral("Incorrect syntax near '"))) << tsql;
    }
}

// The translator's own limits, which SQLite's parser, giving up sooner, hides from the engine:
// a statement nested exactly to the limit translates, one level more is refused. A sum is one
// call, one level, however long.
TEST(TsqlTranslatorErrors, NestingUpToTheLimitTranslatesAndOneLevelMoreIsRefused)
{
    const auto times = [](const char *text, int count) { return QString::fromLatin1(text).repeated(count); };
    const std::pair<const char *, std::function<QString(int)>> cases[] = {
        {"Groups", [&](int depth) { return QStringLiteral("SELECT ") + times("(", depth) + u'1' + times(")", depth); }},
        {"SumInsideGroups",
         [&](int depth) {
             return QStringLiteral("SELECT ") + times("(", depth - 1) + u'1' + times(" + 1", 126)
                    + times(")", depth - 1);
         }},
        {"ProductInsideGroups",
         [&](int depth) {
             return QStringLiteral("SELECT ") + times("(", depth - 1) + u'1' + times(" * 1", 126)
                    + times(")", depth - 1);
         }},
    };
    for (const auto &[name, statement] : cases) {
        SCOPED_TRACE(name);
        EXPECT_NO_THROW(ado::sqlite::TsqlTranslator().translate(statement(ado::sqlite::MaxTsqlNesting)));
        const auto errors = engineErrorsOf(
            [&] { ado::sqlite::TsqlTranslator().translate(statement(ado::sqlite::MaxTsqlNesting + 1)); });
        ASSERT_FALSE(errors.isEmpty());
        EXPECT_EQ(errors.first().NativeError, 102);
        EXPECT_TRUE(errors.first().Description.contains(QStringLiteral("nested too deeply")));
    }
}

} // namespace
