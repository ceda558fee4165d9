// Rules of the embedded schema that the program's SQL relies on without saying so.

#include "demo/DemoDatabase.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Conversions.h"
#include "schema/SchemaFiles.h"
#include "support/TestDatabase.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

QStringList columnsOf(TestDatabase &db, const QString &table)
{
    ado::Recordset rs = db.connection().OpenSchema(ado::adSchemaColumns, {QString(), QString(), table});
    QList<std::pair<int, QString>> ordered;
    for (; !rs.EOF_(); rs.MoveNext())
        ordered.append({rt::CLng(rs(QStringLiteral("ORDINAL_POSITION"))), rt::CStr(rs(QStringLiteral("COLUMN_NAME")))});
    std::sort(ordered.begin(), ordered.end());
    QStringList names;
    for (const auto &column : ordered)
        names.append(column.second.toUpper());
    return names;
}

// Text compares ignoring case and trailing blanks only where the column says so.
TEST(SchemaText, EveryTextColumnIsDeclaredWithTheServersCollation)
{
    const QRegularExpression textColumn(QStringLiteral(R"(^\s+("[^"]+"|\w+)\s+TEXT\b)"),
                                        QRegularExpression::CaseInsensitiveOption);
    int checked = 0;
    for (const QString &ddl : {schema::companyDdl(), schema::statisticsDdl()}) {
        for (const QString &line : ddl.split(QLatin1Char('\n'))) {
            if (!textColumn.match(line).hasMatch())
                continue;
            ++checked;
            EXPECT_TRUE(line.contains(QLatin1String("COLLATE TSQLCI"))) << line.toStdString();
        }
    }
    EXPECT_GT(checked, 200);
}

TEST(SchemaText, ComparesLikeTheServer)
{
    TestDatabase db;
    db.execute(
        QStringLiteral("INSERT INTO MA_CUENTAS (Codigo, Descripcion, MedioDePago) VALUES ('1.1.01.01', 'Caja', 'EF')"));
    EXPECT_EQ(rt::CLng(db.value(QStringLiteral("SELECT COUNT(*) FROM MA_CUENTAS WHERE MedioDePago = 'ef  ' AND "
                                               "Descripcion = 'CAJA'"))),
              1);
    EXPECT_EQ(rt::CLng(db.value(QStringLiteral("SELECT COUNT(*) FROM MA_CUENTAS WHERE Descripcion = 'Cajá'"))), 0);
}

struct ForbiddenColumns {
    const char *table;
    QStringList columns;
};

// Queries name these columns unqualified over joins with the table; were the table to have
// them, the name would be ambiguous or mean the wrong column.
TEST(SchemaColumns, TablesLackTheColumnsQueriesNameUnqualified)
{
    const ForbiddenColumns cases[] = {
        {"MA_CUENTAS", {"TC", "SUCURSAL", "NUMERO", "LETRA", "SECUENCIA", "DEBE-HABER", "IMPORTE", "CUENTA"}},
        {"MV_ASIENTOS",
         {"CODIGO", "CODIGOOPCIONAL", "MEDIODEPAGO", "DESCRIPCION", "TIPOVISTA", "FECHACOB", "CBTC", "IDCOBRANZA"}},
        {"MV_APLICACION", {"CBTC"}},
        {"V_COMISIONES_VENDEDOR_COB", {"TC_PRINT", "IMPORTE", "TCO_ORIGEN", "NOMBRE"}},
        {"V_TA_VENDEDORES", {"COMISION", "TOTALCOBRADO", "IDLIQUIDACION"}},
        {"V_COMISIONES_VENDEDOR_APL",
         {"VALORVTACONIVA", "ALICUOTAIVA", "VALORVENTA", "PORCDESCUENTOCOBRANZA", "IMPORTENETO", "IMPORTECOMISION",
          "IDLISTA"}},
        {"VT_COMISIONES_LISTA_CB_DESCUENTO", {"IDLIQUIDACION"}},
        {"V_MV_CPTE", {"IDRUBRO"}},
        {"V_MV_CPTEINSUMOS", {"IDRUBRO", "UNEGOCIO"}},
        {"V_MA_ARTICULOS", {"UNEGOCIO", "TC", "IDCOMPROBANTE"}},
    };
    TestDatabase db;
    for (const auto &forbidden : cases) {
        const QStringList columns = columnsOf(db, QString::fromLatin1(forbidden.table));
        ASSERT_FALSE(columns.isEmpty()) << forbidden.table;
        for (const QString &column : forbidden.columns)
            EXPECT_FALSE(columns.contains(column)) << forbidden.table << " has " << column.toStdString();
    }
}

// The receipt copy statement lists these columns in this order after the identity.
TEST(SchemaColumns, PrintWorkRowsKeepTheirColumnOrder)
{
    TestDatabase db;
    const QStringList expected = {
        "ID",       "TC",         "USUARIO",     "TIPO",     "SECCION",   "IDCOMPROBANTE", "IDCOMPLEMENTO",
        "COLUMNA1", "COLUMNA2",   "COLUMNA3",    "COLUMNA4", "COLUMNA5",  "COLUMNA6",      "COLUMNA7",
        "COLUMNA8", "ENCABEZADO", "PIEDEPAGINA", "COLUMNA9", "COLUMNA10", "COLUMNA11"};
    EXPECT_EQ(columnsOf(db, QStringLiteral("AUX_MV_CPTE")).mid(0, expected.size()), expected);
}

struct DefaultCase {
    const char *name;
    const char *insert;
    const char *check; // counts the inserted rows whose columns hold the defaults
};

// Rows inserted without these columns are read by lists that add them up.
TEST(SchemaDefaults, OmittedColumnsTakeTheValuesTheListsAddUp)
{
    const DefaultCase cases[] = {
        {"collection split",
         "INSERT INTO V_COMISIONES_VENDEDOR_COB (IdLiquidacion, CbTc, IdCobranza) VALUES (1, 'NC', "
         "'000100000001A')",
         "SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_COB WHERE TotalCobrado = 0 AND Comision = 0 AND idVendedor = '' AND "
         "Descuentos = 0 AND Efectivo = 0 AND Cheque = 0 AND Tarjeta = 0 AND Banco = 0 AND Retenciones = 0 AND Otros = 0 "
         "AND Observaciones = ''"},
        {"credit-note self row",
         "INSERT INTO V_COMISIONES_VENDEDOR_APL (IDLIQUIDACION,CBTC,IDCOBRANZA, TC, IDCOMPROBANTE) "
         "SELECT IDLIQUIDACION,CBTC, IDCOBRANZA,  CBTC, IDCOBRANZA FROM V_COMISIONES_VENDEDOR_COB",
         "SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_APL WHERE Comision = 0 AND Observaciones = ''"},
        {"print row", "INSERT INTO AUX_MV_CPTE (TC, USUARIO) VALUES ('CB', 'PC01|ANA')",
         "SELECT COUNT(*) FROM AUX_MV_CPTE WHERE IDCOMPLEMENTO = 0"},
        {"voucher header", "INSERT INTO V_MV_CPTE (TC, IdComprobante) VALUES ('CB', '000100000001X')",
         "SELECT COUNT(*) FROM V_MV_CPTE WHERE IdComplemento = 0 AND RetGan_Importe = 0 AND RetIVA_importe = 0 AND "
         "RETIBR_Importe = 0 AND ImpDescuento1 = 0 AND retsuss_importe = 0"},
    };
    TestDatabase db;
    for (const DefaultCase &c : cases) {
        db.execute(QString::fromLatin1(c.insert));
        EXPECT_EQ(rt::CLng(db.value(QString::fromLatin1(c.check))), 1) << c.name;
    }
}

// The duplicate clean-up keeps the line with the highest Id: ids never go back.
TEST(SchemaIdentity, DetailIdsNeverComeBackAfterADelete)
{
    TestDatabase db;
    const QString insert = QStringLiteral("INSERT INTO V_COMISIONES_VENDEDOR_DET (IdLiquidacion, Tc) VALUES (1, 'FC')");
    db.execute(insert);
    db.execute(insert);
    db.execute(QStringLiteral("DELETE V_COMISIONES_VENDEDOR_DET WHERE Id = 2"));
    db.execute(insert);
    EXPECT_EQ(rt::CLng(db.value(QStringLiteral("SELECT MAX(Id) FROM V_COMISIONES_VENDEDOR_DET"))), 3);
}

// The readers take the first row of a key; a second row under the same key in any case is refused.
TEST(SchemaKeys, ASettingKeyStandsOnce)
{
    TestDatabase db;
    db.execute(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('TimeOut', '90')"));
    EXPECT_ANY_THROW(
        db.execute(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('TIMEOUT ', '0')")));
}

// Declared types decide the values read: dates as Date, amounts as Currency, also through views.
TEST(SchemaTypes, DatesAndAmountsReadBackAsDatesAndCurrency)
{
    TestDatabase db;
    db.fillDemo(demo::MinimumCollections, 1);
    ado::Recordset rs;
    rs.Open(QStringLiteral("SELECT Fecha, Importe FROM MV_ASIENTOS"), db.connection());
    EXPECT_EQ(rs(QStringLiteral("Fecha")).type(), rt::VarType::Date);
    EXPECT_EQ(rs(QStringLiteral("Importe")).type(), rt::VarType::Currency);
    ado::Recordset view;
    view.Open(QStringLiteral("SELECT FechaCobranza, ValorVtaConIVA, TotalCobradoIncluyeDto FROM "
                             "VT_COMISIONES_LISTA_CB_DESCUENTO"),
              db.connection());
    ASSERT_FALSE(view.BOF());
    EXPECT_EQ(view(QStringLiteral("FechaCobranza")).type(), rt::VarType::Date);
    EXPECT_EQ(view(QStringLiteral("ValorVtaConIVA")).type(), rt::VarType::Currency);
}

TEST(SchemaViews, EveryViewOpens)
{
    TestDatabase db;
    ado::Recordset views =
        db.connection().OpenSchema(ado::adSchemaTables, {QString(), QString(), QString(), QStringLiteral("VIEW")});
    int count = 0;
    for (; !views.EOF_(); views.MoveNext(), ++count) {
        const QString name = rt::CStr(views(QStringLiteral("TABLE_NAME")));
        ado::Recordset rs;
        EXPECT_NO_THROW(rs.Open(QStringLiteral("SELECT * FROM ") + name, db.connection())) << name.toStdString();
    }
    EXPECT_EQ(count, 12);
}

} // namespace
