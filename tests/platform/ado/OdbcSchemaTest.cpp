#include "AdoFixture.h"

#include "platform/ado/odbc/OdbcEngine.h"
#include "platform/ado/sqlite/SqliteEngine.h"
#include "support/OdbcSqliteDriver.h"

namespace {

using ado::ResultSet;
using rt::Variant;

// Schema rowsets of the engine over the SQLite ODBC driver, on a fresh database file.
class OdbcSchemaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        m_engine.open({support::sqliteOdbcConnectionString(path()), {}, {}});
        m_engine.setDefaultDatabase(QStringLiteral("COMISIONES"));
        for (const char *sql :
             {"CREATE TABLE TA_USUARIOS (Id INTEGER PRIMARY KEY AUTOINCREMENT, "
              "Nombre VARCHAR(30) NOT NULL, Administrador BIT DEFAULT 0, Alta DATETIME, "
              "Tope MONEY, Factor FLOAT)",
              "CREATE TABLE TAXUSUARIOS (Id INTEGER)", "CREATE VIEW V_USUARIOS AS SELECT Nombre FROM TA_USUARIOS"})
            m_engine.execute(QString::fromUtf8(sql));
    }

    QString path() const { return QDir(m_folder.path()).filePath(QStringLiteral("COMISIONES.db")); }

    static QStringList column(const ResultSet &rowset, const char *name)
    {
        qsizetype index = -1;
        for (qsizetype i = 0; i < rowset.columns.size(); ++i)
            if (rowset.columns[i].name == QLatin1String(name))
                index = i;
        if (index < 0)
            ADD_FAILURE() << "no column " << name;
        QStringList values;
        for (const QList<Variant> &row : rowset.rows)
            values.append(cellText(row.value(index)));
        return values;
    }

    QTemporaryDir m_folder;
    ado::odbc::OdbcEngine m_engine;
};

TEST_F(OdbcSchemaTest, TablesRowsetListsTablesAndViewsButNotSqlitesOwn)
{
    const ResultSet tables = m_engine.openSchema(ado::adSchemaTables, {});
    EXPECT_EQ(column(tables, "TABLE_NAME"), QStringList({"TA_USUARIOS", "TAXUSUARIOS", "V_USUARIOS"}));
    EXPECT_EQ(column(tables, "TABLE_TYPE"), QStringList({"TABLE", "TABLE", "VIEW"}));
    EXPECT_EQ(column(tables, "TABLE_CATALOG"), QStringList({"COMISIONES", "COMISIONES", "COMISIONES"}));
}

TEST_F(OdbcSchemaTest, RestrictionsMatchWholeNamesIgnoringCase)
{
    struct Case {
        QStringList restrictions;
        QStringList names;
    };
    const Case cases[] = {
        {{QString(), QString(), QStringLiteral("ta_usuarios")}, {"TA_USUARIOS"}},
        {{QString(), QString(), QStringLiteral(" TA_USUARIOS ")}, {"TA_USUARIOS"}},
        {{QString(), QString(), QStringLiteral("TA%")}, {}},
        {{QString(), QString(), QString(), QStringLiteral("VIEW")}, {"V_USUARIOS"}},
        {{QStringLiteral("COMISIONES"), QString(), QStringLiteral("TAXUSUARIOS")}, {"TAXUSUARIOS"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(column(m_engine.openSchema(ado::adSchemaTables, c.restrictions), "TABLE_NAME"), c.names)
            << c.restrictions.join(u'|').toStdString();
}

TEST_F(OdbcSchemaTest, ColumnsRowsetDescribesEachColumnWithAdoCodes)
{
    const ResultSet columns = m_engine.openSchema(
        ado::adSchemaColumns, {QStringLiteral("COMISIONES"), QString(), QStringLiteral("ta_usuarios")});
    EXPECT_EQ(column(columns, "COLUMN_NAME"), QStringList({"Id", "Nombre", "Administrador", "Alta", "Tope", "Factor"}));
    EXPECT_EQ(column(columns, "ORDINAL_POSITION"), QStringList({"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(column(columns, "DATA_TYPE"), QStringList({"3", "200", "11", "135", "6", "5"}));
    EXPECT_EQ(column(columns, "IS_NULLABLE"), QStringList({"1", "0", "1", "1", "1", "1"}));
    EXPECT_EQ(column(columns, "CHARACTER_MAXIMUM_LENGTH"), QStringList({"NULL", "30", "NULL", "NULL", "NULL", "NULL"}));
    EXPECT_EQ(column(columns, "COLUMN_HASDEFAULT"), QStringList({"0", "0", "1", "0", "0", "0"}));

    const ResultSet one = m_engine.openSchema(
        ado::adSchemaColumns, {QString(), QString(), QStringLiteral("TA_USUARIOS"), QStringLiteral("NOMBRE")});
    EXPECT_EQ(column(one, "COLUMN_NAME"), QStringList({"Nombre"}));
}

TEST_F(OdbcSchemaTest, RowsetsHaveTheEmbeddedEnginesShape)
{
    ado::sqlite::EmbeddedTarget target;
    target.path = path();
    target.catalog = QStringLiteral("COMISIONES");
    ado::sqlite::SqliteEngine embedded(target);
    embedded.open({});
    for (const int schema : {int(ado::adSchemaTables), int(ado::adSchemaColumns)}) {
        const QStringList restrictions = {QString(), QString(), QStringLiteral("TA_USUARIOS")};
        const ResultSet fromOdbc = m_engine.openSchema(schema, restrictions);
        const ResultSet fromEmbedded = embedded.openSchema(schema, restrictions);
        ASSERT_EQ(fromOdbc.columns.size(), fromEmbedded.columns.size()) << schema;
        for (qsizetype i = 0; i < fromOdbc.columns.size(); ++i) {
            EXPECT_EQ(fromOdbc.columns[i].name, fromEmbedded.columns[i].name);
            EXPECT_EQ(fromOdbc.columns[i].type, fromEmbedded.columns[i].type) << fromOdbc.columns[i].name.toStdString();
        }
        for (const char *name : {"TABLE_CATALOG", "TABLE_NAME", "COLUMN_NAME", "ORDINAL_POSITION", "IS_NULLABLE"}) {
            if (schema == ado::adSchemaColumns || QByteArray(name).startsWith("TABLE_")) {
                EXPECT_EQ(column(fromOdbc, name), column(fromEmbedded, name)) << name;
            }
        }
    }
}

TEST_F(OdbcSchemaTest, OtherSchemasAreNotSupported)
{
    EXPECT_EQ(errorNumberOf([&] { m_engine.openSchema(27, {}); }), 3251);
}

} // namespace
