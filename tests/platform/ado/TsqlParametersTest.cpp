// Which literals of a text travel as parameters, so that texts differing only in them share one
// translation and one compiled statement, and that they run as the literals would.
#include "AdoFixture.h"

#include "platform/ado/sqlite/SqliteHandle.h"
#include "platform/ado/sqlite/SqliteSchema.h"
#include "platform/ado/sqlite/TsqlParameters.h"
#include "platform/ado/sqlite/TsqlPieceCache.h"
#include "platform/ado/sqlite/TsqlShapeCache.h"
#include "platform/ado/sqlite/TsqlTranslator.h"
#include "platform/runtime/Conversions.h"

namespace {

using namespace ado::sqlite;

struct ParameterCase {
    const char *name;
    const char *tsql;
    const char *values; // the parameters' values joined by "|"
    const char *sqlite; // the translation with its ?N placeholders
};

void PrintTo(const ParameterCase &c, std::ostream *os)
{
    *os << c.name;
}

class TsqlParameters : public ::testing::TestWithParam<ParameterCase> { };

// Named in the condition of a partial index of the database.
const QSet<QString> partialIndexColumns{QStringLiteral("SECUENCIA")};

TEST_P(TsqlParameters, MarksTheLiteralsThatMayChange)
{
    QList<TsqlToken> tokens = tokenizeTsql(QString::fromUtf8(GetParam().tsql));
    QStringList values;
    for (const rt::Variant &value : markParameters(tokens, partialIndexColumns))
        values.append(value.type() == rt::VarType::Double ? QString::number(value.asDouble()) : rt::CStr(value));
    EXPECT_EQ(values.join(u'|').toStdString(), GetParam().values);
    TsqlTranslator translator;
    translator.setDateColumns(DateColumns{{QStringLiteral("D"), QStringLiteral("FECHA")}, {}});
    QStringList sql;
    for (const TranslatedStatement &statement : translator.translate(QString::fromUtf8(GetParam().tsql), tokens))
        sql.append(statement.sql);
    EXPECT_EQ(sql.join(QStringLiteral("; ")).toStdString(), GetParam().sqlite);
}

const ParameterCase parameterCases[] = {
    {"AssignedValuesAndComparedTexts", "UPDATE t SET a = 1, b = 'x' WHERE c = 'y' AND d = 2", "1|x|y|2",
     "UPDATE t SET a = ?1, b = ?2 WHERE c = ?3 AND d = ?4"},
    {"NegativeAssignment", "update t SET a = -172.5 WHERE b = 'O''Brien'", "172.5|O'Brien",
     "update t SET a = -?1 WHERE b = ?2"},
    {"ValuesItemsStandingAlone", "INSERT INTO t (a, b, c, d, e) VALUES (1, -2.5, 'a', '01/03/2024', 'x' + 'y')",
     "1|2.5|a", "INSERT INTO t (a, b, c, d, e) VALUES (?1, -?2, ?3, '2024-03-01 00:00:00', tsql_add('x', 'y'))"},
    {"SeveralRows", "INSERT INTO t VALUES (1, 'a'), (2, ISNULL(b, 'c'))", "1|a|2",
     "INSERT INTO t VALUES (?1, ?2), (?3, ifnull(b, 'c'))"},
    {"DatesAndNumbersOfPartialIndexesStay",
     "SELECT * FROM t WHERE Fecha >= '01/03/2024' AND TC = 'CB' AND secuencia = 1", "CB",
     "SELECT * FROM t WHERE Fecha >= '2024-03-01 00:00:00' AND TC = ?1 AND secuencia = 1"},
    {"NumbersComparedWithAColumn",
     "UPDATE t SET c = 0 WHERE id <> 17 and x.cantidad = -2.5 AND [q] >= 3 AND 4 < n AND idliquidacion = 9 + 1",
     "0|17|2.5|3|9",
     "UPDATE t SET c = ?1 WHERE id <> ?2 and x.cantidad = -?3 AND \"q\" >= ?4 AND 4 < n AND idliquidacion = tsql_add(?5, 1)"},
    {"ComparedExpressionKeepsItsCollation", "SELECT a FROM t WHERE LTRIM(b) = 'x'", "x",
     "SELECT a FROM t WHERE LTRIM(b) = ?1 COLLATE TSQLCI"},
    {"InsertSelect", "INSERT INTO t (a) SELECT a FROM u WHERE b = 'x' ORDER BY 1", "x",
     "INSERT INTO t (a) SELECT a FROM u WHERE b = ?1 ORDER BY 1"},
    {"TopAndOrdinalsStay", "SELECT TOP 1 a, 'k' FROM t ORDER BY 1", "", "SELECT a, 'k' FROM t ORDER BY 1 LIMIT 1"},
    {"WideAndHexNumbersStay", "INSERT INTO t VALUES (3000000000, 0x1F)", "", "INSERT INTO t VALUES (3000000000, 0x1F)"},
    {"Definitions", "CREATE TABLE t (a TEXT DEFAULT 'x' CHECK (a = 'y'))", "",
     "CREATE TABLE t (a TEXT COLLATE TSQLCI DEFAULT 'x' CHECK (a = 'y'))"},
    {"SelectInto", "SELECT a INTO #t FROM u WHERE b = 'x'", "",
     "CREATE TEMP TABLE \"#t\" AS SELECT a FROM u WHERE b = 'x'"},
    {"GuardedStatement", "IF EXISTS (SELECT 1 FROM t WHERE a = 'x') DELETE FROM t WHERE a = 'x'", "",
     "DELETE FROM t WHERE a = 'x'"},
    {"NumberingRunsAcrossABatch", "UPDATE t SET a = 1; UPDATE u SET b = 2", "1|2",
     "UPDATE t SET a = ?1; UPDATE u SET b = ?2"},
};

INSTANTIATE_TEST_SUITE_P(Texts, TsqlParameters, ::testing::ValuesIn(parameterCases),
                         [](const auto &testInfo) { return std::string(testInfo.param.name); });

QString keyOf(const char *tsql)
{
    const QString text = QString::fromUtf8(tsql);
    QList<TsqlToken> tokens = tokenizeTsql(text);
    markParameters(tokens, partialIndexColumns);
    return shapeKey(text, tokens);
}

TEST(TsqlShape, TextsDifferingOnlyInParametersShareTheirKey)
{
    EXPECT_EQ(keyOf("UPDATE t SET a = 1 WHERE b = 'x'"), keyOf("UPDATE t SET a = 22.5 WHERE b = 'yy'"));
    EXPECT_NE(keyOf("UPDATE t SET a = 1 WHERE b = 'x'"), keyOf("UPDATE t SET a = 1 WHERE b = [x]"));
    EXPECT_NE(keyOf("UPDATE t SET a = 1 WHERE SECUENCIA = 1"), keyOf("UPDATE t SET a = 1 WHERE SECUENCIA = 2"));
    EXPECT_EQ(keyOf("SELECT a FROM t WHERE b = 'x'"), keyOf("SELECT a FROM t WHERE b = 'yz'  "))
        << "a trailing blank is no token";
    EXPECT_NE(keyOf("SELECT a FROM t WHERE b = 'x'"), keyOf("SELECT a FROM t WHERE b ='x'"))
        << "blanks between tokens are kept in the translation";
    EXPECT_NE(keyOf("SELECT 'ab' FROM t"), keyOf("SELECT 'a' FROM t"));
}

// A text's translation and parameter values as one text: "sql [v1|v2]".
QString readingOf(const QList<TranslatedStatement> &translation, const QList<rt::Variant> &values)
{
    QStringList sql;
    for (const TranslatedStatement &statement : translation)
        sql.append(statement.sql);
    QStringList texts;
    for (const rt::Variant &value : values)
        texts.append(QString::number(static_cast<int>(value.type())) + u':' + rt::CStr(value));
    return sql.join(QStringLiteral("; ")) + QStringLiteral(" [") + texts.join(u'|') + u']';
}

// A text of a shape seen before is recognised by its pieces, and what it gives is exactly what
// reading it token by token gives; a text the full reading would translate otherwise is not.
TEST(TsqlShapeCache, RecognisesATextOnlyAsReadingItWould)
{
    struct Case {
        const char *seen;
        const char *next;
        bool recognised;
    };
    const Case cases[] = {
        {"UPDATE t SET a = -1.5 WHERE b = 'x' AND c = 2", "UPDATE t SET a = -22 WHERE b = 'O''Neil' AND c = 2", true},
        {"UPDATE t SET a = 1.5 WHERE b = 'x'", "UPDATE t SET a = -1.5 WHERE b = 'x'", false},
        {"INSERT INTO t (a, b) VALUES ('x', 1)", "INSERT INTO t (a, b) VALUES (N'y', 1.25e3)", true},
        {"SELECT * FROM t WHERE SECUENCIA = 5", "SELECT * FROM t WHERE SECUENCIA = 5", true},
        {"SELECT * FROM t WHERE SECUENCIA = 5", "SELECT * FROM t WHERE SECUENCIA = 6", false},
        {"UPDATE t SET a = 0 WHERE id <> 5 AND q = 1", "UPDATE t SET a = 0 WHERE id <> 61 AND q = 2.5", true},
        {"INSERT INTO t (a) VALUES ('x')", "INSERT INTO t (a) VALUES ('01/03/2024')", false},
        {"INSERT INTO t (a) VALUES (1)", "INSERT INTO t (a) VALUES (3000000000)", false},
        {"INSERT INTO t (a) VALUES (1)", "INSERT INTO t (a) VALUES (0x1F)", false},
        {"INSERT INTO t (a) VALUES (1)", "INSERT INTO t (a) VALUES ('1')", false},
        {"INSERT INTO t (a) VALUES (1)", "INSERT INTO t (a) VALUES (1 + 2)", false},
        {"UPDATE t SET a = 'x' WHERE b = 'y'", "UPDATE t SET a = 'x' WHERE b = 'y", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.next);
        TsqlShapeCache shapes;
        QList<TsqlToken> seen = tokenizeTsql(QString::fromUtf8(c.seen));
        markParameters(seen, partialIndexColumns);
        shapes.remember(QString::fromUtf8(c.seen), seen, TsqlTranslator().translate(QString::fromUtf8(c.seen), seen));
        QList<rt::Variant> values;
        const QList<TranslatedStatement> *known = shapes.find(QString::fromUtf8(c.next), values);
        ASSERT_EQ(known != nullptr, c.recognised);
        if (!known)
            continue;
        QList<TsqlToken> next = tokenizeTsql(QString::fromUtf8(c.next));
        const QList<rt::Variant> read = markParameters(next, partialIndexColumns);
        EXPECT_EQ(readingOf(*known, values),
                  readingOf(TsqlTranslator().translate(QString::fromUtf8(c.next), next), read));
    }
}

// A statement written "piece |literal| piece ...": the pieces and the literals apart.
ado::LiteralText inPieces(const char *written)
{
    const QStringList parts = QString::fromUtf8(written).split(u'|');
    ado::LiteralText statement;
    for (qsizetype i = 0; i < parts.size(); ++i)
        (i % 2 == 0 ? statement.pieces : statement.literals).append(parts.at(i));
    return statement;
}

// A statement given in pieces whose pieces were seen is recognised by them, and what it gives is
// exactly what reading its whole text gives; one the full reading would translate otherwise, or
// whose literals are not each one token, is not.
TEST(TsqlPieceCache, RecognisesAStatementOnlyAsReadingItsTextWould)
{
    struct Case {
        const char *seen;
        const char *next;
        bool recognised;
    };
    const Case cases[] = {
        {"UPDATE t SET a = |1.5| WHERE b = |'x'| AND c = 2", "UPDATE t SET a = |22| WHERE b = |'yy'| AND c = 2", true},
        {"UPDATE t SET a = |1.5| WHERE b = |'x'|", "UPDATE t SET a = |7.| WHERE b = |'O''Neil'|", true},
        {"UPDATE t SET a = |1.5| WHERE b = |'x'|", "UPDATE t SET a = |-1.5| WHERE b = |'x'|", false},
        {"UPDATE t SET a = |1.5| WHERE b = |'x'|", "UPDATE t SET a = |1.5| WHERE b =| 'x'|", false},
        {"INSERT INTO t (a, b, c) VALUES (|'x'|, |1|, 4)", "INSERT INTO t (a, b, c) VALUES (|N'y'|, |1.25e3|, 4)",
         true},
        {"INSERT INTO t (a, b) VALUES (|'x'|, |1|)", "INSERT INTO t (a, b) VALUES (|'01/03/2024'|, |1|)", false},
        {"INSERT INTO t (a, b) VALUES (|'x'|, |1|)", "INSERT INTO t (a, b) VALUES (|'x'|, |3000000000|)", false},
        {"INSERT INTO t (a, b) VALUES (|'x'|, |1|)", "INSERT INTO t (a, b) VALUES (|'x'|, |'1'|)", false},
        {"INSERT INTO t (a, b) VALUES (|'x'|, |1|)", "INSERT INTO t (a, b) VALUES (|'x'|, |.|)", false},
        {"INSERT INTO t (a, b) VALUES (|'x'|, |1|)", "INSERT INTO t (a, b) VALUES (|'x'|, |'y|)", false},
        {"SELECT * FROM t WHERE a = |'x'| AND SECUENCIA = |5|", "SELECT * FROM t WHERE a = |'y'| AND SECUENCIA = |5|",
         true},
        {"SELECT * FROM t WHERE a = |'x'| AND SECUENCIA = |5|", "SELECT * FROM t WHERE a = |'x'| AND SECUENCIA = |6|",
         false},
        {"INSERT INTO t (a) VALUES (|1 + 2|)", "INSERT INTO t (a) VALUES (|1 + 2|)", false},
        {"INSERT INTO t (a) VALUES (N|'x'|)", "INSERT INTO t (a) VALUES (N|'x'|)", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.next);
        TsqlPieceCache pieces;
        const ado::LiteralText seen = inPieces(c.seen);
        QList<TsqlToken> seenTokens = tokenizeTsql(seen.text());
        markParameters(seenTokens, partialIndexColumns);
        pieces.remember(seen, seenTokens, TsqlTranslator().translate(seen.text(), seenTokens));
        const ado::LiteralText next = inPieces(c.next);
        QList<rt::Variant> values;
        const QList<TranslatedStatement> *known = pieces.find(next, values);
        ASSERT_EQ(known != nullptr, c.recognised);
        if (!known)
            continue;
        QList<TsqlToken> tokens = tokenizeTsql(next.text());
        const QList<rt::Variant> read = markParameters(tokens, partialIndexColumns);
        EXPECT_EQ(readingOf(*known, values), readingOf(TsqlTranslator().translate(next.text(), tokens), read));
    }
}

class TsqlParametersRun : public EmbeddedFolderTest { };

// Values passed as parameters are stored and compared as their literals would be: whole
// numbers as integers, decimals as reals, texts under the column's collation.
TEST_F(TsqlParametersRun, RunAsTheirLiterals)
{
    createDatabase(QStringLiteral("DEMO"),
                   QStringLiteral("CREATE TABLE t (a INTEGER, b MONEY, c TEXT COLLATE TSQLCI);"));
    ado::Connection connection;
    connection.Open(connectionString());
    connection.Execute(QStringLiteral("INSERT INTO t (a, b, c) VALUES (7, 2.5, 'Uno ')"));
    connection.Execute(QStringLiteral("INSERT INTO t (a, b, c) VALUES (8, -3, 'dos')"));
    connection.Execute(QStringLiteral("UPDATE t SET b = 4.25 WHERE c = 'UNO'"));
    ado::Recordset rs = connection.Execute(
        QStringLiteral("SELECT typeof(a) AS ta, typeof(b) AS tb, a, b FROM t WHERE c = 'uno' OR c = 'DOS' ORDER BY a"));
    QStringList rows;
    for (; !rs.EOF_(); rs.MoveNext())
        rows.append(rt::CStr(rs(QStringLiteral("ta"))) + u' ' + rt::CStr(rs(QStringLiteral("tb"))) + u' '
                    + rt::CStr(rs(QStringLiteral("a"))) + u' ' + QString::number(rt::CDbl(rs(QStringLiteral("b")))));
    EXPECT_EQ(rows, (QStringList{QStringLiteral("integer real 7 4.25"), QStringLiteral("integer integer 8 -3")}));
}

// The names a partial index's condition holds, quoted or not, are those whose numbers stay
// written out; the indexed columns and those of a plain index are not.
TEST_F(TsqlParametersRun, PartialIndexConditionsAreRead)
{
    createDatabase(QStringLiteral("DEMO"),
                   QStringLiteral("CREATE TABLE t (a INTEGER, Secuencia INTEGER, \"Tipo Doc\" TEXT, w INTEGER);"
                                  "CREATE INDEX plain ON t (w);"
                                  "CREATE INDEX primera ON t (a) WHERE Secuencia = 1 AND \"Tipo Doc\" <> 'X';"));
    const SqliteHandle handle(databasePath(QStringLiteral("DEMO")), SqliteHandle::Mode::OpenExisting);
    const QSet<QString> names = partialIndexColumnsOf(handle.get());
    for (const auto &[name, held] : {std::pair{"SECUENCIA", true}, {"TIPO DOC", true}, {"A", false}, {"W", false}})
        EXPECT_EQ(names.contains(QString::fromLatin1(name)), held) << name;
}

} // namespace
