#include "AdoFixture.h"

using ado::Recordset;
using rt::Variant;

namespace {

const QString schema = QStringLiteral(
    "CREATE TABLE TIPOS (Fecha DATETIME, Dia DATETIME, Importe MONEY, Entero MONEY, Cantidad INT, Chico SMALLINT, "
    "Activo BIT, Porcentaje REAL, Nombre TEXT(30) COLLATE TSQLCI NOT NULL DEFAULT '', Notas TEXT, Foto BLOB, "
    "Tasa NUMERIC(10,2));"
    "INSERT INTO TIPOS VALUES ('2024-03-31 10:20:30', '2024-02-29', 1234.5678, 15, 7, 3, 1, 12.5, 'Ana', 'libre', "
    "x'00FF', 2.25);"
    "INSERT INTO TIPOS (Nombre) VALUES ('nulos');"
    "CREATE VIEW V_TIPOS AS SELECT Nombre, Importe FROM TIPOS;");

class SqliteEngineTypesTest : public DemoDatabaseTest {
protected:
    SqliteEngineTypesTest()
        : DemoDatabaseTest(schema)
    {
    }
};

TEST_F(SqliteEngineTypesTest, DeclaredColumnsReadBackAsTheProviderTypesThem)
{
    struct Case {
        const char *column;
        int type;
        long size;
        Variant value;
    };
    const Case cases[] = {
        {"Fecha", ado::adDBTimeStamp, 16, Variant(rt::DateTime::fromParts(2024, 3, 31, 10, 20, 30))},
        {"Dia", ado::adDBTimeStamp, 16, Variant(rt::DateTime::fromParts(2024, 2, 29))},
        {"Importe", ado::adCurrency, 8, Variant(rt::Currency::fromRaw(12345678))},
        {"Entero", ado::adCurrency, 8, Variant(rt::Currency::fromRaw(150000))},
        {"Cantidad", ado::adInteger, 4, Variant(7)},
        {"Chico", ado::adSmallInt, 2, Variant::integer(3)},
        {"Activo", ado::adBoolean, 2, Variant(true)},
        {"Porcentaje", ado::adDouble, 8, Variant(12.5)},
        {"Nombre", ado::adVarWChar, 30, Variant("Ana")},
        {"Notas", ado::adLongVarWChar, 1073741823, Variant("libre")},
        {"Foto", ado::adLongVarBinary, 2147483647, Variant(QByteArray("\x00\xff", 2))},
        {"Tasa", ado::adNumeric, 19, Variant(2.25)},
    };
    Recordset recordset = m_connection.Execute(QStringLiteral("SELECT * FROM TIPOS ORDER BY Nombre"));
    for (const Case &c : cases) {
        const ado::Field field = recordset.Fields(QString::fromLatin1(c.column));
        EXPECT_EQ(field.Type(), c.type) << c.column;
        EXPECT_EQ(field.DefinedSize(), c.size) << c.column;
        EXPECT_EQ(field.Value(), c.value) << c.column;
    }
    recordset.MoveNext();
    for (const Case &c : cases) {
        if (QLatin1String(c.column) != QLatin1String("Nombre")) {
            EXPECT_TRUE(recordset(QString::fromLatin1(c.column)).isNull()) << c.column;
        }
    }
}

TEST_F(SqliteEngineTypesTest, ExpressionsAreTypedByTheirFirstValue)
{
    Recordset recordset = m_connection.Execute(QStringLiteral(
        "SELECT NULL AS Nada, '2024-01-05 08:00:00' AS Cuando, 5 AS N, 2.5 AS D, 'abc' AS T, MAX(Importe) AS M, "
        "getDate() AS Ahora FROM TIPOS"));
    EXPECT_EQ(recordset.Fields(QStringLiteral("Cuando")).Type(), ado::adDBTimeStamp);
    EXPECT_EQ(recordset.Fields(QStringLiteral("Ahora")).Type(), ado::adDBTimeStamp);
    EXPECT_EQ(recordset(QStringLiteral("Cuando")), Variant(rt::DateTime::fromParts(2024, 1, 5, 8)));
    EXPECT_EQ(recordset.Fields(QStringLiteral("N")).Type(), ado::adInteger);
    EXPECT_EQ(recordset.Fields(QStringLiteral("D")).Type(), ado::adDouble);
    EXPECT_EQ(recordset.Fields(QStringLiteral("T")).Type(), ado::adVarWChar);
    EXPECT_EQ(recordset.Fields(QStringLiteral("T")).DefinedSize(), 3);
    EXPECT_TRUE(recordset(QStringLiteral("Nada")).isNull());
    EXPECT_EQ(recordset(QStringLiteral("M")), Variant(1234.5678));
}

TEST_F(SqliteEngineTypesTest, RowsAddedThroughARecordsetStoreDatesAsIsoText)
{
    Recordset recordset;
    recordset.Open(QStringLiteral("SELECT * FROM TIPOS WHERE 1 = 0"), m_connection, ado::adOpenDynamic,
                   ado::adLockOptimistic);
    recordset.AddNew();
    recordset.Fields(QStringLiteral("Nombre")).setValue(Variant("nuevo"));
    recordset.Fields(QStringLiteral("Fecha")).setValue(Variant(rt::DateTime::fromParts(2024, 12, 1, 23, 59, 58)));
    recordset.Fields(QStringLiteral("Importe")).setValue(Variant(rt::Currency::fromRaw(-5)));
    recordset.Fields(QStringLiteral("Activo")).setValue(Variant(false));
    recordset.Update();
    Recordset stored = m_connection.Execute(
        QStringLiteral("SELECT Fecha, Importe, Activo FROM TIPOS WHERE Fecha = '2024-12-01 23:59:58'"));
    ASSERT_EQ(stored.RecordCount(), 1);
    EXPECT_EQ(stored(QStringLiteral("Importe")), Variant(rt::Currency::fromRaw(-5)));
    EXPECT_EQ(stored(QStringLiteral("Activo")), Variant(false));
}

// One column of every row, from the first.
QStringList column(Recordset &rowset, const char *name)
{
    QStringList values;
    if (rowset.RecordCount() > 0)
        rowset.MoveFirst();
    for (; !rowset.EOF_(); rowset.MoveNext())
        values.append(cellText(rowset(QString::fromLatin1(name))));
    return values;
}

TEST_F(SqliteEngineTypesTest, TablesRowsetListsTablesAndViewsWithRestrictions)
{
    Recordset all = m_connection.OpenSchema(ado::adSchemaTables);
    EXPECT_EQ(all(QStringLiteral("TABLE_CATALOG")), Variant("DEMO"));
    EXPECT_EQ(all(QStringLiteral("TABLE_SCHEMA")), Variant("dbo"));
    EXPECT_EQ(column(all, "TABLE_NAME"), (QStringList{"TIPOS", "V_TIPOS"}));
    EXPECT_EQ(column(all, "TABLE_TYPE"), (QStringList{"TABLE", "VIEW"}));

    Recordset byName = m_connection.OpenSchema(ado::adSchemaTables, {{}, {}, QStringLiteral("v_tipos")});
    EXPECT_EQ(column(byName, "TABLE_NAME"), QStringList{"V_TIPOS"});
    Recordset views = m_connection.OpenSchema(ado::adSchemaTables, {{}, {}, {}, QStringLiteral("VIEW")});
    EXPECT_EQ(views.RecordCount(), 1);
    Recordset otherCatalog = m_connection.OpenSchema(ado::adSchemaTables, {QStringLiteral("OTRA")});
    EXPECT_TRUE(otherCatalog.BOF() && otherCatalog.EOF_());
}

TEST_F(SqliteEngineTypesTest, ColumnsRowsetDescribesEachColumn)
{
    Recordset columns =
        m_connection.OpenSchema(ado::adSchemaColumns, {QStringLiteral("demo"), {}, QStringLiteral("TIPOS")});
    EXPECT_EQ(column(columns, "COLUMN_NAME").mid(0, 3), (QStringList{"Fecha", "Dia", "Importe"}));
    EXPECT_EQ(column(columns, "DATA_TYPE"),
              (QStringList{"135", "135", "6", "6", "3", "2", "11", "5", "202", "203", "205", "131"}));
    EXPECT_EQ(column(columns, "ORDINAL_POSITION").last(), QStringLiteral("12"));
    EXPECT_EQ(column(columns, "CHARACTER_MAXIMUM_LENGTH").mid(7, 3), (QStringList{"NULL", "30", "1073741823"}));
    EXPECT_EQ(column(columns, "IS_NULLABLE").mid(7, 2), (QStringList{"1", "0"}));

    Recordset one =
        m_connection.OpenSchema(ado::adSchemaColumns, {{}, {}, QStringLiteral("v_tipos"), QStringLiteral("IMPORTE")});
    ASSERT_EQ(one.RecordCount(), 1);
    EXPECT_EQ(one(QStringLiteral("DATA_TYPE")), Variant(static_cast<int>(ado::adCurrency)));
}

} // namespace
