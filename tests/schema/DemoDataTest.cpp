// The demo generator's rows honour the rules the program's SQL relies on, and the program's
// settlement generator, run on them, gives sound settlements: the schema's defaults, indexes
// and computed views serve what it reads.

#include "DemoSettlement.h"

#include "demo/DemoDatabase.h"
#include "platform/outside/ClaveGuardada.h"
#include "platform/runtime/Conversions.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

namespace {

struct Rule {
    const char *name;
    const char *countQuery;
    bool mustBeZero; // the query counts breaches (must be 0) or instances of a case (must be some)
};

// Listed and reported by its name.
void PrintTo(const Rule &c, std::ostream *os)
{
    *os << c.name;
}

void expectHolds(TestDatabase &db, const Rule &rule)
{
    const qint32 count = rt::CLng(db.value(QString::fromUtf8(rule.countQuery)));
    if (rule.mustBeZero)
        EXPECT_EQ(count, 0) << rule.name;
    else
        EXPECT_GT(count, 0) << rule.name;
}

class DemoDataRules : public ::testing::TestWithParam<Rule> {
protected:
    static void SetUpTestSuite()
    {
        s_db = std::make_unique<TestDatabase>();
        s_db->fillDemo(300, 1);
    }
    static void TearDownTestSuite() { s_db.reset(); }
    static inline std::unique_ptr<TestDatabase> s_db;
};

TEST_P(DemoDataRules, Hold)
{
    expectHolds(*s_db, GetParam());
}

const Rule Rules[] = {
    // Keys and codes
    {"KeysAre4Plus8Plus1",
     "SELECT COUNT(*) FROM MV_ASIENTOS WHERE LENGTH(SUCURSAL) <> 4 OR LENGTH(NUMERO) <> 8 OR "
     "LENGTH(LETRA) <> 1",
     true},
    {"ApplicationKeysJoinTheirPieces",
     "SELECT COUNT(*) FROM MV_APLICACION WHERE IdComprobante <> Sucursal || Numero || letra OR IDCOMPROBANTE_ORIGEN <> "
     "SUCURSAL_ORIGEN || NUMERO_ORIGEN || LETRA_ORIGEN OR IDCOMPROBANTE_PRINT <> IdComprobante",
     true},
    {"TypesKnownWhateverTheirCaseAndTrailingBlanks",
     "SELECT COUNT(*) FROM MV_ASIENTOS m WHERE NOT EXISTS (SELECT 1 FROM V_TA_CPTE t WHERE t.Codigo = m.TC)", true},
    {"SalespersonCodesKnown",
     "SELECT COUNT(*) FROM MV_ASIENTOS WHERE idVendedor IS NOT NULL AND idVendedor NOT IN (SELECT IdVendedor FROM "
     "V_TA_VENDEDORES)",
     true},
    // Accounting entries
    {"EveryEntryBalances",
     "SELECT COUNT(*) FROM (SELECT 1 FROM MV_ASIENTOS GROUP BY TC, SUCURSAL, NUMERO, LETRA HAVING ABS(SUM(CASE WHEN "
     "[DEBE-HABER] = 'D' THEN Importe ELSE -Importe END)) > 0.001)",
     true},
    {"OnlyCollectionDebitLinesMissTheChart",
     "SELECT COUNT(*) FROM MV_ASIENTOS WHERE Cuenta NOT IN (SELECT Codigo FROM MA_CUENTAS) AND NOT (TC IN "
     "('CB','CBCT','CBFP') AND SECUENCIA > 1)",
     true},
    {"CollectionsCreditTheirFirstLine",
     "SELECT COUNT(*) FROM MV_ASIENTOS WHERE TC IN ('CB','CBCT','CBFP','NC','NCFP') AND SECUENCIA = 1 AND "
     "[DEBE-HABER] <> 'H'",
     true},
    {"CollectionsApplyTheirWholeTotal",
     "SELECT COUNT(*) FROM MV_ASIENTOS m WHERE m.TC IN ('CB','CBCT','CBFP') AND m.SECUENCIA = 1 AND ABS(m.Importe - "
     "(SELECT SUM(a.IMPORTE) FROM MV_APLICACION a WHERE a.TC = m.TC AND a.IdComprobante = m.SUCURSAL || m.NUMERO || "
     "m.LETRA)) > 0.001",
     true},
    {"DatesWithinTheDemoRange",
     "SELECT COUNT(*) FROM MV_ASIENTOS WHERE LENGTH(Fecha) <> 19 OR Fecha < '2024-03-01 00:00:00' OR Fecha > "
     "'2024-04-30 00:00:00'",
     true},
    {"AmountsHaveTwoDecimals",
     "SELECT COUNT(*) FROM MV_ASIENTOS WHERE ABS(Importe * 100 - ROUND(Importe * 100)) > 0.0001", true},
    // Vouchers
    // Sales vouchers and payment orders have their header in V_MV_CPTE, purchases in C_MV_CPTE.
    {"EveryAppliedVoucherHasAHeader",
     "SELECT COUNT(*) FROM MV_APLICACION a WHERE NOT EXISTS (SELECT 1 FROM V_MV_CPTE h WHERE h.TC = a.TCO_ORIGEN AND "
     "h.IdComprobante = a.IDCOMPROBANTE_ORIGEN) AND NOT EXISTS (SELECT 1 FROM C_MV_CPTE h JOIN V_TA_CPTE t ON t.Codigo "
     "= h.TC AND t.SISTEMA <> 'VENTAS' WHERE h.TC = a.TCO_ORIGEN AND h.IdComprobante = a.IDCOMPROBANTE_ORIGEN)",
     true},
    {"EveryCollectionHasAHeader",
     "SELECT COUNT(*) FROM MV_ASIENTOS m WHERE m.SECUENCIA = 1 AND NOT EXISTS (SELECT 1 FROM V_MV_CPTE h WHERE h.TC = "
     "m.TC AND h.IdComprobante = m.SUCURSAL || m.NUMERO || m.LETRA) AND NOT EXISTS (SELECT 1 FROM C_MV_CPTE h JOIN "
     "V_TA_CPTE t ON t.Codigo = h.TC AND t.SISTEMA <> 'VENTAS' WHERE h.TC = m.TC AND h.IdComprobante = m.SUCURSAL || "
     "m.NUMERO || m.LETRA)",
     true},
    {"LinesAddUpToTheHeader",
     "SELECT COUNT(*) FROM V_MV_CPTE h WHERE h.TC IN ('FC','FP','NC','NCFP') AND ABS(h.Importe - (SELECT SUM(l.Total) "
     "FROM V_MV_CPTEINSUMOS l WHERE l.TC = h.TC AND l.IdComprobante = h.IdComprobante)) > 0.001",
     true},
    {"LinesCarryAPriceList", "SELECT COUNT(*) FROM V_MV_CPTEINSUMOS WHERE IdLista IS NULL", true},
    {"NoVoucherOverpaid", "SELECT COUNT(*) FROM VE_CPTES_SALDOS WHERE Saldo < 0", true},
    {"SalesTypesAreNotAccountingTypes",
     "SELECT COUNT(*) FROM V_MV_CPTE h WHERE h.TC NOT IN ('PG', 'PGFP', 'OPG') AND NOT EXISTS (SELECT 1 FROM V_TA_CPTE t "
     "WHERE t.Codigo = h.TC AND t.SISTEMA = 'VENTAS')",
     true},
    // The cases every settlement test needs
    {"AnInvoicePaidInPart",
     "SELECT COUNT(*) FROM VE_CPTES_SALDOS s WHERE s.TC = 'FC' AND s.Saldo > 0 AND EXISTS (SELECT 1 FROM MV_APLICACION a "
     "WHERE a.TCO_ORIGEN = s.TC AND a.IDCOMPROBANTE_ORIGEN = s.Sucursal || s.Numero || s.letra AND a.TC LIKE 'CB%')",
     false},
    {"AnInvoicePaidByTwoCollections",
     "SELECT COUNT(*) FROM (SELECT 1 FROM MV_APLICACION WHERE TC IN ('CB','CBCT','CBFP') GROUP BY TCO_ORIGEN, "
     "IDCOMPROBANTE_ORIGEN HAVING COUNT(*) > 1)",
     false},
    {"ACollectionPayingTwoInvoices",
     "SELECT COUNT(*) FROM (SELECT 1 FROM MV_APLICACION WHERE TC IN ('CB','CBCT','CBFP') GROUP BY TC, IdComprobante "
     "HAVING COUNT(*) > 1)",
     false},
    {"ACreditNoteCancellingAnInvoice",
     "SELECT COUNT(*) FROM MV_APLICACION a JOIN V_MV_CPTE n ON n.TC = a.TC AND n.IdComprobante = a.IdComprobante WHERE "
     "a.TC = 'NC' AND a.TCO_ORIGEN = 'FC' AND a.TC_PRINT IS NOT NULL AND a.IMPORTE = n.Importe",
     false},
    {"ACreditNoteAppliedInPart",
     "SELECT COUNT(*) FROM MV_APLICACION a JOIN V_MV_CPTE n ON n.TC = a.TC AND n.IdComprobante = a.IdComprobante WHERE "
     "a.TC IN ('NC','NCFP') AND a.IMPORTE <> n.Importe",
     false},
    {"EveryMeansOfPaymentAndTheDiscountAppear",
     "SELECT 9 - COUNT(DISTINCT UPPER(IFNULL(c.MedioDePago, 'DESCUENTO'))) FROM MV_ASIENTOS m JOIN MA_CUENTAS c ON "
     "c.Codigo = m.Cuenta WHERE m.TC IN ('CB','CBCT','CBFP') AND m.SECUENCIA > 1 AND UPPER(IFNULL(c.MedioDePago, "
     "'DESCUENTO')) IN ('EF','CH','TJ','DB','RI','RG','RB','RO','DESCUENTO')",
     true},
    {"ACollectionWithoutSalesperson",
     "SELECT COUNT(*) FROM MV_ASIENTOS WHERE TC IN ('CB','CBCT','CBFP') AND SECUENCIA = 1 AND idVendedor IS NULL",
     false},
    // The edge cases, each in both months (counted as the months that lack it)
    {"ACollectionLineOfAClassTheSplitDoesNotName",
     "SELECT 2 - COUNT(DISTINCT SUBSTR(m.Fecha, 1, 7)) FROM MV_ASIENTOS m JOIN MA_CUENTAS c ON c.Codigo = m.Cuenta "
     "WHERE m.TC IN ('CB','CBCT','CBFP') AND m.SECUENCIA > 1 AND UPPER(c.MedioDePago) NOT IN "
     "('EF','CH','TJ','DB','RI','RG','RB','RO')",
     true},
    {"ACollectionLineOnAnAccountMissingFromTheChart",
     "SELECT 2 - COUNT(DISTINCT SUBSTR(Fecha, 1, 7)) FROM MV_ASIENTOS WHERE TC IN ('CB','CBCT','CBFP') AND SECUENCIA > "
     "1 AND Cuenta NOT IN (SELECT Codigo FROM MA_CUENTAS)",
     true},
    {"ACollectionLineOfAClassStoredInLowerCase",
     "SELECT 2 - COUNT(DISTINCT SUBSTR(m.Fecha, 1, 7)) FROM MV_ASIENTOS m JOIN MA_CUENTAS c ON c.Codigo = m.Cuenta "
     "WHERE m.TC IN ('CB','CBCT','CBFP') AND m.SECUENCIA > 1 AND CAST(c.MedioDePago AS BLOB) <> "
     "CAST(UPPER(c.MedioDePago) AS BLOB)",
     true},
    {"CollectionAndInvoiceTypesStoredInLowerCaseAndWithTrailingBlanks",
     "SELECT 4 - COUNT(DISTINCT SUBSTR(m.Fecha, 1, 7) || CAST(m.TC AS BLOB)) FROM MV_APLICACION a JOIN MV_ASIENTOS m "
     "ON m.TC = a.TC AND m.SUCURSAL || m.NUMERO || m.LETRA = a.IdComprobante AND m.SECUENCIA = 1 JOIN V_MV_CPTE h ON "
     "h.TC = a.TCO_ORIGEN AND h.IdComprobante = a.IDCOMPROBANTE_ORIGEN WHERE CAST(m.TC AS BLOB) IN (CAST('cb' AS BLOB), "
     "CAST('CB  ' AS BLOB)) AND CAST(h.TC AS BLOB) IN (CAST('fc' AS BLOB), CAST('FC  ' AS BLOB))",
     true},
    {"AVoucherWithTwoIdenticalLinesAndTwoEqualButForTheQuantity",
     "SELECT 2 - COUNT(DISTINCT SUBSTR(h.Fecha, 1, 7)) FROM V_MV_CPTE h WHERE EXISTS (SELECT 1 FROM V_MV_CPTEINSUMOS l "
     "WHERE l.TC = h.TC AND l.IdComprobante = h.IdComprobante GROUP BY l.IdArticulo, l.Cantidad, l.Total HAVING "
     "COUNT(*) > 1) AND EXISTS (SELECT 1 FROM V_MV_CPTEINSUMOS a JOIN V_MV_CPTEINSUMOS b ON b.TC = a.TC AND "
     "b.IdComprobante = a.IdComprobante AND b.IdArticulo = a.IdArticulo AND b.Cantidad > a.Cantidad WHERE a.TC = "
     "h.TC AND a.IdComprobante = h.IdComprobante)",
     true},
    {"AVoucherPaidByACBAndACBCTOfTheSameDay",
     "SELECT 2 - COUNT(DISTINCT SUBSTR(m.Fecha, 1, 7)) FROM MV_APLICACION a JOIN MV_APLICACION b ON b.TCO_ORIGEN = "
     "a.TCO_ORIGEN AND b.IDCOMPROBANTE_ORIGEN = a.IDCOMPROBANTE_ORIGEN AND b.TC IN ('CBCT','CBFP') JOIN MV_ASIENTOS m "
     "ON m.TC = a.TC AND m.SUCURSAL || m.NUMERO || m.LETRA = a.IdComprobante AND m.SECUENCIA = 1 JOIN MV_ASIENTOS n ON "
     "n.TC = b.TC AND n.SUCURSAL || n.NUMERO || n.LETRA = b.IdComprobante AND n.SECUENCIA = 1 AND n.Fecha = m.Fecha "
     "WHERE a.TC = 'CB'",
     true},
    {"ACollectionOfASalespersonAndACustomerWithApostrophes",
     "SELECT 2 - COUNT(DISTINCT SUBSTR(m.Fecha, 1, 7)) FROM MV_ASIENTOS m JOIN V_TA_VENDEDORES v ON v.IdVendedor = "
     "m.idVendedor WHERE m.TC IN ('CB','CBCT','CBFP') AND m.SECUENCIA = 1 AND v.Nombre LIKE '%''%' AND m.Detalle "
     "LIKE '%''%'",
     true},
    {"ACollectionWithoutSalespersonInEachMonth",
     "SELECT 2 - COUNT(DISTINCT SUBSTR(Fecha, 1, 7)) FROM MV_ASIENTOS WHERE TC IN ('CB','CBCT','CBFP') AND SECUENCIA = "
     "1 AND idVendedor IS NULL",
     true},
    {"ACreditNoteAppliedInPartInEachMonth",
     "SELECT 2 - COUNT(DISTINCT SUBSTR(n.Fecha, 1, 7)) FROM MV_APLICACION a JOIN V_MV_CPTE n ON n.TC = a.TC AND "
     "n.IdComprobante = a.IdComprobante WHERE a.TC IN ('NC','NCFP') AND a.IMPORTE < n.Importe",
     true},
    {"ACurrentAccountCollectionOfAnInvoice",
     "SELECT COUNT(*) FROM MV_APLICACION WHERE TC = 'CBCT' AND TCO_ORIGEN = 'FC'", false},
    {"AProformaCollection", "SELECT COUNT(*) FROM MV_APLICACION WHERE TC = 'CBFP' AND TCO_ORIGEN = 'FP'", false},
    {"AnArticleListWithoutRate",
     "SELECT COUNT(*) FROM V_MA_ARTICULOS a CROSS JOIN (SELECT '0001' AS l UNION ALL SELECT '0002') p WHERE NOT EXISTS "
     "(SELECT 1 FROM DEMO_COMISION_ARTICULO r WHERE r.IdArticulo = a.IdArticulo AND r.IdLista = p.l)",
     false},
    // Settings
    {"OneTaxAccountsRow", "SELECT COUNT(*) - 1 FROM TA_CUENTASIVA", true},
    {"DiscountAccountAgrees",
     "SELECT COUNT(*) FROM TA_CUENTASIVA c JOIN TA_CONFIGURACION k ON k.CLAVE = 'CuentaDesCuentosOtorgados' AND k.VALOR = "
     "c.CB_DESCUENTO JOIN MA_CUENTAS m ON m.Codigo = c.CB_DESCUENTO AND m.MedioDePago IS NULL",
     false},
    {"OtherRetentionIsSocialSecurity",
     "SELECT COUNT(*) FROM MA_CUENTAS m JOIN TA_CONFIGURACION k ON k.CLAVE = 'CTA_RET_OTRA_' || m.Codigo WHERE "
     "m.MedioDePago = 'RO' AND k.VALOR = 'SU'",
     false},
    {"BothUsersMayRunTheProgram",
     "SELECT COUNT(*) - 2 FROM TA_TAREAS t JOIN TA_MENU m ON t.TAREA = m.Clave WHERE m.Proceso LIKE '%comisiones%' AND "
     "t.USUARIO IN ('ADMIN', 'OPERADOR')",
     true},
    {"SettlementTablesStartEmpty",
     "SELECT (SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_CAB) + (SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_COB) + (SELECT "
     "COUNT(*) FROM AUX_MV_CPTE) + (SELECT COUNT(*) FROM Control_Acceso) + (SELECT COUNT(*) FROM AUX_ERR)",
     true},
};

INSTANTIATE_TEST_SUITE_P(Demo, DemoDataRules, ::testing::ValuesIn(Rules),
                         [](const ::testing::TestParamInfo<Rule> &rule) { return std::string(rule.param.name); });

// Other demo rows, March and April settled one after the other.
class SettlementRules : public ::testing::TestWithParam<Rule> {
protected:
    static void SetUpTestSuite()
    {
        s_db = std::make_unique<TestDatabase>();
        s_db->fillDemo(300, 3);
        buildSettlement(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"));
        buildSettlement(QStringLiteral("01/04/2024"), QStringLiteral("30/04/2024"));
    }
    static void TearDownTestSuite() { s_db.reset(); }
    static inline std::unique_ptr<TestDatabase> s_db;
};

TEST_P(SettlementRules, Hold)
{
    expectHolds(*s_db, GetParam());
}

const Rule Settled[] = {
    // Collections and credit notes
    {"EveryCollectionAndCreditNoteTakenOnce",
     "SELECT (SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_COB) - (SELECT COUNT(*) FROM MV_ASIENTOS WHERE SECUENCIA = 1 AND "
     "TC IN ('CB','CBCT','CBFP','NC','NCFP'))",
     true},
    {"CollectionsWithinTheirSettlementsRange",
     "SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_COB c JOIN V_COMISIONES_VENDEDOR_CAB h ON h.IdLiquidacion = "
     "c.IdLiquidacion WHERE c.FechaCob < h.FECHA_DESDE OR c.FechaCob > h.FECHA_HASTA",
     true},
    // Lines on accounts missing from the chart are not read.
    {"SplitAndUnreadLinesAddUpToTheCollection",
     "SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_COB c WHERE c.CbTc LIKE 'CB%' AND ABS(c.Descuentos + c.Efectivo + "
     "c.Cheque + c.Tarjeta + c.Banco + c.Retenciones + c.Otros + IFNULL((SELECT SUM(m.Importe) FROM MV_ASIENTOS m "
     "WHERE m.TC = c.CbTc AND m.SUCURSAL || m.NUMERO || m.LETRA = c.IdCobranza AND m.SECUENCIA > 1 AND m.Cuenta NOT "
     "IN (SELECT Codigo FROM MA_CUENTAS)), 0) - c.TotalCobrado) > 0.005",
     true},
    {"ADiscountInTheSplit", "SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_COB WHERE Descuentos > 0", false},
    {"OtherHoldsTheLinesOfClassesTheSplitDoesNotName",
     "SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_COB c WHERE c.CbTc LIKE 'CB%' AND ABS(c.Otros - IFNULL((SELECT "
     "SUM(m.Importe) FROM MV_ASIENTOS m JOIN MA_CUENTAS a ON a.Codigo = m.Cuenta WHERE m.TC = c.CbTc AND m.SUCURSAL || "
     "m.NUMERO || m.LETRA = c.IdCobranza AND m.SECUENCIA > 1 AND m.Cuenta <> '4.1.05.01' AND "
     "UPPER(IFNULL(a.MedioDePago, '')) NOT IN ('EF','CH','TJ','DB','RI','RB','RG','RO')), 0)) > 0.005",
     true},
    {"ACollectionSplitAsOther", "SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_COB WHERE Otros > 0", false},
    {"CreditNotesKeepTheDefaultSplit",
     "SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_COB WHERE CbTc IN ('NC','NCFP') AND (Descuentos <> 0 OR Efectivo <> 0 OR "
     "Cheque <> 0 OR Tarjeta <> 0 OR Banco <> 0 OR Retenciones <> 0 OR Otros <> 0 OR Observaciones IS NULL)",
     true},
    {"ACreditNoteWithNegativeTotalAndCommission",
     "SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_COB WHERE CbTc = 'NC' AND TotalCobrado < 0 AND Comision < 0", false},
    {"NoCollectionWithANullSalesperson", "SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_COB WHERE idVendedor IS NULL",
     true},
    {"ACollectionWithAnEmptySalesperson", "SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_COB WHERE idVendedor = ''",
     false},
    // Vouchers paid in full
    {"AnInvoiceEarns", "SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_APL WHERE Tc = 'FC'", false},
    {"OnlyVouchersPaidInFull",
     "SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_APL a JOIN VE_CPTES_SALDOS s ON s.TC = a.Tc AND s.Sucursal || s.Numero "
     "|| s.letra = a.idComprobante WHERE a.Tc IN ('FC','FP') AND s.Saldo <> 0",
     true},
    {"EachVoucherOnce",
     "SELECT COUNT(*) FROM (SELECT 1 FROM V_COMISIONES_VENDEDOR_APL GROUP BY Tc, idComprobante HAVING COUNT(*) > 1)",
     true},
    // Credit notes cancelling an invoice in full
    {"ACreditNoteCancellingInFull",
     "SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_COB c JOIN MV_APLICACION a ON a.TC = c.CbTc AND a.IdComprobante = "
     "c.IdCobranza JOIN V_MV_CPTE n ON n.TC = a.TC AND n.IdComprobante = a.IdComprobante WHERE c.CbTc = 'NC' AND "
     "a.IMPORTE = n.Importe",
     false},
    {"CancellingInFullClearsTheCommission",
     "SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_COB c JOIN MV_APLICACION a ON a.TC = c.CbTc AND a.IdComprobante = "
     "c.IdCobranza JOIN V_MV_CPTE n ON n.TC = a.TC AND n.IdComprobante = a.IdComprobante WHERE c.CbTc = 'NC' AND "
     "a.IMPORTE = n.Importe AND (c.TotalCobrado <> 0 OR c.Comision <> 0 OR c.Observaciones <> 'Cancelacion total "
     "comprobante' OR EXISTS (SELECT 1 FROM V_COMISIONES_VENDEDOR_DET d WHERE d.Tc = c.CbTc AND d.IdComprobante = "
     "c.IdCobranza AND (d.Comision <> 0 OR d.ImporteComision <> 0)))",
     true},
    // Article lines: a voucher paid by two collections of one settlement yields its lines once
    // per collection; the figures stay on the copy inserted last only.
    {"RepeatedLines",
     "SELECT COUNT(*) FROM (SELECT 1 FROM V_COMISIONES_VENDEDOR_DET GROUP BY Tc, IdComprobante, IdArticulo, Cantidad "
     "HAVING COUNT(*) > 1)",
     false},
    {"RepeatedLinesKeepTheirFiguresOnceOnly",
     "SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_DET d WHERE d.ImporteComision <> 0 AND EXISTS (SELECT 1 FROM "
     "V_COMISIONES_VENDEDOR_DET e WHERE e.Tc = d.Tc AND e.IdComprobante = d.IdComprobante AND e.IdArticulo = "
     "d.IdArticulo AND e.Cantidad = d.Cantidad AND e.Id > d.Id)",
     true},
    {"AnArticleWithoutRateEarnsNothing",
     "SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_DET WHERE Comision = 0 AND ImporteComision = 0 AND IdArticulo = 'A020' "
     "AND IdLista = '0002'",
     false},
    // Commissions
    {"VoucherCommissionIsTheSumOfItsLines",
     "SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_APL a WHERE EXISTS (SELECT 1 FROM V_COMISIONES_VENDEDOR_DET d WHERE "
     "d.Tc = a.Tc AND d.IdComprobante = a.idComprobante) AND ABS(a.Comision - (SELECT SUM(d.ImporteComision) FROM "
     "V_COMISIONES_VENDEDOR_DET d WHERE d.Tc = a.Tc AND d.IdComprobante = a.idComprobante)) > 0.005",
     true},
    // A later settlement may hold lines of an earlier settlement's collection (a voucher that
    // collection paid in part); only collections whose lines all stand in their own settlement
    // are compared.
    {"CollectionCommissionIsTheSumOfItsLines",
     "SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_COB c WHERE c.Observaciones = '' AND EXISTS (SELECT 1 FROM "
     "V_COMISIONES_VENDEDOR_DET d WHERE d.cbtc = c.CbTc AND d.idcobranza = c.IdCobranza) AND NOT EXISTS (SELECT 1 FROM "
     "V_COMISIONES_VENDEDOR_DET d WHERE d.cbtc = c.CbTc AND d.idcobranza = c.IdCobranza AND d.IdLiquidacion <> "
     "c.IdLiquidacion) AND ABS(c.Comision - (SELECT SUM(d.ImporteComision) FROM V_COMISIONES_VENDEDOR_DET d WHERE "
     "d.cbtc = c.CbTc AND d.idcobranza = c.IdCobranza)) > 0.005",
     true},
    {"ACollectionEarns", "SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_COB WHERE Comision > 0", false},
};

INSTANTIATE_TEST_SUITE_P(Demo, SettlementRules, ::testing::ValuesIn(Settled),
                         [](const ::testing::TestParamInfo<Rule> &rule) { return std::string(rule.param.name); });

TEST(DemoDatabase, WritesTheRequestedNumberOfCollectionsOverBothMonthsAndAllTypes)
{
    for (const int collections : {demo::MinimumCollections, 37}) {
        TestDatabase db;
        db.fillDemo(collections, 5);
        EXPECT_EQ(
            rt::CLng(db.value(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE TC IN ('CB','CBCT','CBFP') AND "
                                             "SECUENCIA = 1"))),
            collections);
        EXPECT_EQ(rt::CLng(db.value(QStringLiteral("SELECT COUNT(DISTINCT TC) FROM MV_ASIENTOS WHERE TC LIKE 'CB%'"))),
                  3);
        EXPECT_EQ(rt::CLng(db.value(QStringLiteral("SELECT COUNT(DISTINCT SUBSTR(Fecha, 1, 7)) FROM MV_ASIENTOS WHERE "
                                                   "TC LIKE 'CB%'"))),
                  2);
        EXPECT_GE(rt::CLng(db.value(
                      QStringLiteral("SELECT COUNT(DISTINCT idVendedor) FROM MV_ASIENTOS WHERE TC LIKE 'CB%'"))),
                  2);
        EXPECT_EQ(rt::CLng(db.value(QStringLiteral("SELECT COUNT(*) FROM V_TA_VENDEDORES"))), 8);
    }
}

TEST(DemoDatabase, RefusesTooFewCollections)
{
    TestDatabase db;
    EXPECT_THROW(db.fillDemo(demo::MinimumCollections - 1, 1), std::invalid_argument);
}

TEST(DemoDatabase, StoresTheDocumentedPasswordsAndRoles)
{
    TestDatabase db;
    db.fillDemo(demo::MinimumCollections, 1);
    const auto users = db.rows(QStringLiteral("SELECT NOMBRE, SISTEMA, Password, Administrador, UNegocio, verproforma "
                                              "FROM TA_USUARIOS ORDER BY NOMBRE"));
    ASSERT_EQ(users.size(), 2);
    EXPECT_EQ(rt::CStr(users[0][0]), "ADMIN");
    EXPECT_NE(rt::CStr(users[0][2]), "admin");
    EXPECT_EQ(outside::decodificarClave(rt::CStr(users[0][2])), "admin");
    EXPECT_EQ(rt::CLng(users[0][3]), 1);
    EXPECT_EQ(rt::CStr(users[1][0]), "OPERADOR");
    EXPECT_EQ(outside::decodificarClave(rt::CStr(users[1][2])), "operador");
    EXPECT_EQ(rt::CLng(users[1][3]), 0);
    for (const auto &user : users) {
        EXPECT_EQ(rt::CStr(user[1]), "cn000pr");
        EXPECT_EQ(rt::CStr(user[4]), "0001");
        EXPECT_EQ(rt::CLng(user[5]), 0);
    }
}

// Settings whose values look like dates keep the text the readers parse themselves.
TEST(DemoDatabase, KeepsDateLikeSettingsAsTyped)
{
    TestDatabase db;
    db.fillDemo(demo::MinimumCollections, 1);
    EXPECT_EQ(
        rt::CStr(db.value(QStringLiteral("SELECT VALOR FROM TA_CONFIGURACION WHERE CLAVE = 'FechaInicioeFacQR'"))),
        "01/03/2021");
    EXPECT_EQ(rt::CStr(db.value(QStringLiteral("SELECT VALORAUX FROM TA_CONFIGURACION WHERE CLAVE = "
                                               "'FormaDePago_UN_0001'"))),
              "Contado");
}

QStringList dumpOf(TestDatabase &db)
{
    QStringList dump;
    const auto tables = db.rows(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE "
                                               "'sqlite%' ORDER BY name"));
    for (const auto &table : tables) {
        const QString name = rt::CStr(table.first());
        dump.append(name);
        for (const auto &row : db.rows(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(name))) {
            QStringList values;
            for (const auto &value : row)
                values.append(value.isNull() ? QStringLiteral("<null>") : rt::CStr(value));
            dump.append(values.join(QLatin1Char('|')));
        }
    }
    return dump;
}

TEST(DemoDatabase, SameSeedGivesTheSameRowsAndAnotherSeedOthers)
{
    TestDatabase first;
    first.fillDemo(60, 42);
    TestDatabase second;
    second.fillDemo(60, 42);
    TestDatabase third;
    third.fillDemo(60, 43);
    const QStringList dump = dumpOf(first);
    EXPECT_GT(dump.size(), 1000);
    EXPECT_EQ(dump, dumpOf(second));
    EXPECT_NE(dump, dumpOf(third));
}

} // namespace
