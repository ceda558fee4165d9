// The settlement generation's own statements, run on the demo rows, give sensible settlements:
// the schema's defaults, indexes and computed views serve what the program reads.

#include "SettlementRun.h"

#include "demo/DemoDatabase.h"
#include "platform/runtime/Conversions.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

namespace {

class SettlementOnDemo : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_db = new TestDatabase;
        s_db->fillDemo(300, 3);
        SettlementRun run(s_db->connection());
        s_march = run.generate(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"));
        s_april = run.generate(QStringLiteral("01/04/2024"), QStringLiteral("30/04/2024"));
    }
    static void TearDownTestSuite()
    {
        delete s_db;
        s_db = nullptr;
    }

    static qint32 count(const QString &query) { return rt::CLng(s_db->value(query)); }

    static TestDatabase *s_db;
    static long s_march;
    static long s_april;
};

TestDatabase *SettlementOnDemo::s_db = nullptr;
long SettlementOnDemo::s_march = 0;
long SettlementOnDemo::s_april = 0;

TEST_F(SettlementOnDemo, NumbersFollowOneAnotherAndKeepTheirRange)
{
    EXPECT_EQ(s_march, 1);
    EXPECT_EQ(s_april, 2);
    const auto header = s_db->rows(QStringLiteral("SELECT FECHA_DESDE, FECHA_HASTA FROM V_COMISIONES_VENDEDOR_CAB WHERE "
                                                  "IdLiquidacion = 1"));
    ASSERT_EQ(header.size(), 1);
    EXPECT_EQ(rt::CDate(header[0][0]), rt::DateTime::fromParts(2024, 3, 1));
    EXPECT_EQ(rt::CDate(header[0][1]), rt::DateTime::fromParts(2024, 3, 31));
}

TEST_F(SettlementOnDemo, TakesEveryCollectionAndCreditNoteOfItsRangeOnce)
{
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_COB")),
              count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE SECUENCIA = 1 AND TC IN ('CB','CBCT','CBFP','NC',"
                                   "'NCFP')")));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_COB c JOIN V_COMISIONES_VENDEDOR_CAB h ON "
                                   "h.IdLiquidacion = c.IdLiquidacion WHERE c.FechaCob < h.FECHA_DESDE OR c.FechaCob > "
                                   "h.FECHA_HASTA")),
              0);
}

TEST_F(SettlementOnDemo, SplitAddsUpToWhatEachCollectionSettled)
{
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_COB WHERE CbTc LIKE 'CB%' AND "
                                   "ABS(Descuentos + Efectivo + Cheque + Tarjeta + Banco + Retenciones + Otros - TotalCobrado) "
                                   "> 0.005")),
              0);
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_COB WHERE Descuentos > 0")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_COB WHERE Otros <> 0")), 0);
}

TEST_F(SettlementOnDemo, CreditNotesKeepTheDefaultSplitAndANegativeTotal)
{
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_COB WHERE CbTc IN ('NC','NCFP') AND "
                                   "(Descuentos <> 0 OR Efectivo <> 0 OR Cheque <> 0 OR Tarjeta <> 0 OR Banco <> 0 OR "
                                   "Retenciones <> 0 OR Otros <> 0 OR Observaciones IS NULL)")),
              0);
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_COB WHERE CbTc = 'NC' AND TotalCobrado < 0 AND "
                                   "Comision < 0")),
              0);
}

TEST_F(SettlementOnDemo, OnlyVouchersPaidInFullEarnCommission)
{
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_APL WHERE Tc = 'FC'")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_APL a JOIN VE_CPTES_SALDOS s ON s.TC = a.Tc AND "
                                   "s.Sucursal || s.Numero || s.letra = a.idComprobante WHERE a.Tc IN ('FC','FP') AND "
                                   "s.Saldo <> 0")),
              0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM (SELECT 1 FROM V_COMISIONES_VENDEDOR_APL GROUP BY Tc, idComprobante "
                                   "HAVING COUNT(*) > 1)")),
              0);
}

TEST_F(SettlementOnDemo, CreditNoteCancellingInFullClearsItsCommission)
{
    const auto rows = s_db->rows(QStringLiteral(
        "SELECT c.TotalCobrado, c.Comision, c.Observaciones, (SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_DET d WHERE d.Tc = "
        "c.CbTc AND d.IdComprobante = c.IdCobranza AND (d.Comision <> 0 OR d.ImporteComision <> 0)) FROM "
        "V_COMISIONES_VENDEDOR_COB c JOIN MV_APLICACION a ON a.TC = c.CbTc AND a.IdComprobante = c.IdCobranza JOIN "
        "V_MV_CPTE n ON n.TC = a.TC AND n.IdComprobante = a.IdComprobante WHERE c.CbTc = 'NC' AND a.IMPORTE = n.Importe"));
    ASSERT_FALSE(rows.isEmpty());
    for (const auto &row : rows) {
        EXPECT_EQ(rt::CDbl(row[0]), 0.0);
        EXPECT_EQ(rt::CDbl(row[1]), 0.0);
        EXPECT_EQ(rt::CStr(row[2]), "Cancelacion total comprobante");
        EXPECT_EQ(rt::CLng(row[3]), 0);
    }
}

// A voucher paid by two collections of one settlement yields its lines once per collection;
// the clean-up leaves the figures on the copy inserted last only.
TEST_F(SettlementOnDemo, DuplicatedLinesKeepTheirFiguresOnceOnly)
{
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM (SELECT 1 FROM V_COMISIONES_VENDEDOR_DET GROUP BY Tc, IdComprobante, "
                                   "IdArticulo, Cantidad HAVING COUNT(*) > 1)")),
              0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_DET d WHERE d.ImporteComision <> 0 AND "
                                   "EXISTS (SELECT 1 FROM V_COMISIONES_VENDEDOR_DET e WHERE e.Tc = d.Tc AND e.IdComprobante = "
                                   "d.IdComprobante AND e.IdArticulo = d.IdArticulo AND e.Cantidad = d.Cantidad AND e.Id > "
                                   "d.Id)")),
              0);
}

TEST_F(SettlementOnDemo, ArticleWithoutRateEarnsNothing)
{
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_DET WHERE Comision = 0 AND ImporteComision = 0 "
                                   "AND IdArticulo = 'A020' AND IdLista = '0002'")),
              0);
}

TEST_F(SettlementOnDemo, CommissionsAddUpPerVoucherAndCollection)
{
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_APL a WHERE EXISTS (SELECT 1 FROM "
                                   "V_COMISIONES_VENDEDOR_DET d WHERE d.Tc = a.Tc AND d.IdComprobante = a.idComprobante) AND "
                                   "ABS(a.Comision - (SELECT SUM(d.ImporteComision) FROM V_COMISIONES_VENDEDOR_DET d WHERE "
                                   "d.Tc = a.Tc AND d.IdComprobante = a.idComprobante)) > 0.005")),
              0);
    // A later settlement may hold lines of an earlier settlement's collection (a voucher that
    // collection paid in part) and rewrite its commission; only collections whose lines all stand
    // in their own settlement are compared.
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_COB c WHERE c.Observaciones = '' AND EXISTS "
                                   "(SELECT 1 FROM V_COMISIONES_VENDEDOR_DET d WHERE d.cbtc = c.CbTc AND d.idcobranza = "
                                   "c.IdCobranza) AND NOT EXISTS (SELECT 1 FROM V_COMISIONES_VENDEDOR_DET d WHERE d.cbtc = "
                                   "c.CbTc AND d.idcobranza = c.IdCobranza AND d.IdLiquidacion <> c.IdLiquidacion) AND "
                                   "ABS(c.Comision - (SELECT SUM(d.ImporteComision) FROM V_COMISIONES_VENDEDOR_DET d WHERE "
                                   "d.cbtc = c.CbTc AND d.idcobranza = c.IdCobranza)) > 0.005")),
              0);
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_COB WHERE Comision > 0")), 0);
}

TEST_F(SettlementOnDemo, CollectionWithoutSalespersonIsStoredWithAnEmptyCode)
{
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_COB WHERE idVendedor IS NULL")), 0);
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_COB WHERE idVendedor = ''")), 0);
}

TEST_F(SettlementOnDemo, ARangeAlreadySettledIsRefused)
{
    TestDatabase db;
    db.fillDemo(demo::MinimumCollections, 1);
    SettlementRun run(db.connection());
    EXPECT_EQ(run.generate(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024")), 1);
    EXPECT_EQ(run.generate(QStringLiteral("01/03/2024"), QStringLiteral("30/04/2024")), 0);
}

TEST(SettlementOfOneSalesperson, TakesOnlyThatSalespersonsCollections)
{
    TestDatabase db;
    db.fillDemo(60, 2);
    SettlementRun run(db.connection());
    run.generate(QStringLiteral("01/03/2024"), QStringLiteral("30/04/2024"), QStringLiteral("0002"));
    EXPECT_GT(rt::CLng(db.value(QStringLiteral("SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_COB"))), 0);
    EXPECT_EQ(rt::CLng(db.value(QStringLiteral("SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_COB WHERE idVendedor <> "
                                               "'0002'"))),
              0);
}

} // namespace
