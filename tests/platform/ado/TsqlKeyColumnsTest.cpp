// Comparisons on a concatenated key written as the column that holds it, so an index serves them.
#include "AdoFixture.h"

#include "platform/ado/sqlite/SqliteHandle.h"
#include "platform/ado/sqlite/SqliteSchema.h"
#include "platform/ado/sqlite/TsqlTranslator.h"

namespace {

using namespace ado::sqlite;

struct KeyCase {
    const char *name;
    const char *tsql;
    const char *sqlite;
};

void PrintTo(const KeyCase &c, std::ostream *os)
{
    *os << c.name;
}

class TsqlKeyColumns : public ::testing::TestWithParam<KeyCase> { };

TEST_P(TsqlKeyColumns, WritesTheKeyColumnWhereItsTableHasOne)
{
    TsqlTranslator translator;
    translator.setKeyColumns({{QStringLiteral("MV_ASIENTOS"),
                               {{QStringLiteral("SUCURSAL+NUMERO+LETRA"), QStringLiteral("SUCURSAL+NUMERO+LETRA")}}}});
    const auto statements = translator.translate(QString::fromUtf8(GetParam().tsql));
    ASSERT_EQ(statements.size(), 1);
    EXPECT_EQ(statements.first().sql.toStdString(), GetParam().sqlite);
}

const KeyCase keyCases[] = {
    {"JoinedByAlias",
     "SELECT a.x FROM [COB] a left outer join mv_asientos b on a.cbtc = b.tc and a.idcobranza = "
     "b.sucursal+b.numero+b.letra and b.secuencia = 1",
     "SELECT a.x FROM \"COB\" a left outer join mv_asientos b on a.cbtc = b.tc and a.idcobranza = "
     "b.\"SUCURSAL+NUMERO+LETRA\" and b.secuencia = 1"},
    {"OuterTableInsideASubquery",
     "INSERT INTO COB (k) SELECT TC FROM mv_asientos WHERE s = 1 AND NOT EXISTS( SELECT * FROM COB A WHERE "
     "MV_ASIENTOS.TC = A.CBTC AND MV_ASIENTOS.SUCURSAL  + MV_ASIENTOS.NUMERO + MV_ASIENTOS.LETRA = A.IDCOBRANZA)",
     "INSERT INTO COB (k) SELECT TC FROM mv_asientos WHERE s = 1 AND NOT EXISTS( SELECT * FROM COB A WHERE "
     "MV_ASIENTOS.TC = A.CBTC AND MV_ASIENTOS.\"SUCURSAL+NUMERO+LETRA\" = A.IDCOBRANZA)"},
    {"QuotedPiecesAndAsAlias", "SELECT 1 FROM MV_ASIENTOS AS m WHERE m.[Sucursal] + m.Numero + m.[LETRA] <> 'x'",
     "SELECT 1 FROM MV_ASIENTOS AS m WHERE m.\"SUCURSAL+NUMERO+LETRA\" <> 'x'"},
    {"PiecesInAnotherOrder", "SELECT 1 FROM mv_asientos b WHERE b.numero + b.sucursal + b.letra = 'x'",
     "SELECT 1 FROM mv_asientos b WHERE tsql_add(b.numero, b.sucursal, b.letra) = 'x' COLLATE TSQLCI"},
    {"TableWithoutTheColumn",
     "SELECT 1 FROM MV_APLICACION a JOIN COB b ON a.Sucursal + a.Numero + a.letra = b.IdCobranza",
     "SELECT 1 FROM MV_APLICACION a JOIN COB b ON tsql_add(a.Sucursal, a.Numero, a.letra) = b.IdCobranza"},
    {"NotAComparison", "SELECT b.sucursal + b.numero + b.letra AS k FROM mv_asientos b",
     "SELECT tsql_add(b.sucursal, b.numero, b.letra) AS k FROM mv_asientos b"},
    {"LongerSum", "SELECT 1 FROM mv_asientos b WHERE b.sucursal + b.numero + b.letra + 'x' = c",
     "SELECT 1 FROM mv_asientos b WHERE tsql_add(b.sucursal, b.numero, b.letra, 'x') = c"},
    {"TwoTables", "SELECT 1 FROM mv_asientos b, mv_asientos c WHERE b.sucursal + c.numero + b.letra = 'x'",
     "SELECT 1 FROM mv_asientos b, mv_asientos c WHERE tsql_add(b.sucursal, c.numero, b.letra) = 'x' "
     "COLLATE TSQLCI"},
    {"AliasOfTwoTables",
     "SELECT 1 FROM mv_asientos b WHERE b.sucursal + b.numero + b.letra = 'x' UNION SELECT 1 FROM COB b",
     "SELECT 1 FROM mv_asientos b WHERE tsql_add(b.sucursal, b.numero, b.letra) = 'x' COLLATE TSQLCI "
     "UNION SELECT 1 FROM COB b"},
};

INSTANTIATE_TEST_SUITE_P(Texts, TsqlKeyColumns, ::testing::ValuesIn(keyCases),
                         [](const auto &testInfo) { return std::string(testInfo.param.name); });

class KeyColumnsRun : public EmbeddedFolderTest {
protected:
    void SetUp() override
    {
        EmbeddedFolderTest::SetUp();
        createDatabase(
            QStringLiteral("DEMO"),
            QStringLiteral("CREATE TABLE m (S TEXT COLLATE TSQLCI, N TEXT COLLATE TSQLCI, \"S+N\" TEXT COLLATE TSQLCI "
                           "GENERATED ALWAYS AS (tsql_add(S, N)) VIRTUAL, D TEXT, \"S+Z\" TEXT);"
                           "CREATE INDEX ix ON m (\"S+N\");"
                           "CREATE VIEW v AS SELECT * FROM m;"
                           "CREATE TABLE gone (a TEXT); CREATE VIEW broken AS SELECT a FROM gone; DROP TABLE gone;"
                           "CREATE TABLE k (K TEXT COLLATE TSQLCI);"
                           "INSERT INTO m (S, N, D) VALUES ('ab', 'c', 'uno'), ('a', 'bc', 'dos'), (NULL, 'x', 'tres');"
                           "INSERT INTO k VALUES ('ABC  '), ('x'), ('zz');"));
    }
};

// Only columns whose pieces are columns of the same table or view count; a view that no longer
// compiles is passed over.
TEST_F(KeyColumnsRun, FoundInTablesAndViews)
{
    const SqliteHandle handle(databasePath(QStringLiteral("DEMO")), SqliteHandle::Mode::OpenExisting);
    const KeyColumns expected{{QStringLiteral("M"), {{QStringLiteral("S+N"), QStringLiteral("S+N")}}},
                              {QStringLiteral("V"), {{QStringLiteral("S+N"), QStringLiteral("S+N")}}}};
    EXPECT_EQ(keyColumnsOf(handle.get()), expected);
}

// The engine finds the key columns of its database (of a view too) and the join on one gives
// the rows the concatenation gives: letter case and trailing blanks ignored, a Null piece
// matching nothing.
TEST_F(KeyColumnsRun, JoinOnTheKeyMatchesAsTheConcatenation)
{
    ado::Connection connection;
    connection.Open(connectionString());
    for (const char *table : {"m", "v"}) {
        ado::Recordset rs =
            connection.Execute(QStringLiteral("SELECT k.K, b.D FROM k LEFT JOIN %1 b ON k.K = b.S + b.N "
                                              "ORDER BY k.K, b.D")
                                   .arg(QLatin1String(table)));
        QStringList rows;
        for (; !rs.EOF_(); rs.MoveNext()) {
            const rt::Variant d = rs(QStringLiteral("D"));
            rows.append(rs(QStringLiteral("K")).asString() + u'|' + (d.isNull() ? QString() : d.asString()));
        }
        EXPECT_EQ(rows, (QStringList{QStringLiteral("ABC  |dos"), QStringLiteral("ABC  |uno"), QStringLiteral("x|"),
                                     QStringLiteral("zz|")}))
            << table;
    }
}

} // namespace
