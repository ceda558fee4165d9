// A settlement of the fixture month, built by the generator on the embedded database, checked
// against the figures worked out by hand from the fixture (see PruebaGenerador.h).

#include "PruebaGenerador.h"

#include <gtest/gtest.h>

namespace {

class GeneradorMes : public PruebaGenerador {
protected:
    void SetUp() override
    {
        cargarMarzo();
        ASSERT_EQ(generar(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024")),
                  GeneradorComisiones::Fin::Cerrada);
    }
};

TEST_F(GeneradorMes, TakesTheMonthsCollectionsSplitByMeansOfPaymentAndItsCreditNotesNegated)
{
    // Type, number, salesperson, collected, discounts, cash, cheque, card, bank, retentions,
    // others, remarks. CB 1 has a cheque account coded "ch" and an income-tax retention; CBCT 2
    // the discount account and a code outside the list; credit notes enter unsplit.
    EXPECT_EQ(
        filas(
            QStringLiteral("SELECT CbTc, IdCobranza, idVendedor, TotalCobrado, Descuentos, Efectivo, Cheque, Tarjeta, "
                           "Banco, Retenciones, Otros, Observaciones FROM V_COMISIONES_VENDEDOR_COB WHERE "
                           "IdLiquidacion = 1 ORDER BY IdCobranza")),
        (QStringList{"CB|1|0001|1210|0|600|400|0|0|210|0|", "CBCT|2|0002|1000|100|0|0|650|200|0|50|",
                     "CB|3|0001|100|0|100|0|0|0|0|0|", "CB|4|0001|200|0|200|0|0|0|0|0|",
                     "CB|5|0002|200|0|0|200|0|0|0|0|", "CB|6||50|0|50|0|0|0|0|0|",
                     "NC|201|0001|0|0|0|0|0|0|0|0|Cancelacion total comprobante", "NC|202|0002|-60.5|0|0|0|0|0|0|0|"}));
    EXPECT_EQ(
        filas(QStringLiteral("SELECT IdLiquidacion, FECHA_DESDE, FECHA_HASTA, USUARIO FROM V_COMISIONES_VENDEDOR_CAB")),
        QStringList{"1|01/03/2024|31/03/2024|ADMIN"});
}

TEST_F(GeneradorMes, RecordsEachVoucherPaidInFullOnceWithItsFirstCollection)
{
    // FC 104 keeps a balance and FC 105 was paid by a credit note only; FC 103, paid by CB 3
    // and CB 4, comes once with the earlier collection. Credit notes apply to themselves.
    EXPECT_EQ(
        filas(QStringLiteral("SELECT CbTc, IdCobranza, Tc, idComprobante, Comision FROM V_COMISIONES_VENDEDOR_APL "
                             "ORDER BY idComprobante")),
        (QStringList{"CB|1|FC|101|75", "CBCT|2|FC|102|90", "CB|3|FC|103|15", "NC|201|NC|201|0", "NC|202|NC|202|-2.5"}));
}

TEST_F(GeneradorMes, CopiesTheArticleLinesAndKeepsOnlyTheLastOfRepeatedOnesOfOneQuantity)
{
    // Voucher, article, quantity, rate, commission and collection, by Id. FC 101: 10 % of 500,
    // 5 % of 500, an article without rate. FC 102 (10 % discount): two lines of 4 (10 % of 720)
    // and one of 1. FC 103's line once for each of its collections. The credit note that
    // cancels in full keeps no commission; the other keeps its negated one.
    EXPECT_EQ(
        filas(QStringLiteral("SELECT IdComprobante, IdArticulo, Cantidad, Comision, ImporteComision, idcobranza FROM "
                             "V_COMISIONES_VENDEDOR_DET ORDER BY IdComprobante, Cantidad DESC, Id")),
        (QStringList{"101|A001|2|10|50|1", "101|A002|1|5|25|1", "101|A003|1|0|0|1", "102|A001|4|0|0|2",
                     "102|A001|4|10|72|2", "102|A001|1|10|18|2", "103|A002|3|0|0|4", "103|A002|3|5|15|3",
                     "201|A001|1|0|0|201", "202|A002|1|5|-2.5|202"}));
}

TEST_F(GeneradorMes, AddsTheCommissionUpPerCollectionAndSalesperson)
{
    EXPECT_EQ(filas(QStringLiteral("SELECT IdCobranza, Comision FROM V_COMISIONES_VENDEDOR_COB ORDER BY IdCobranza")),
              (QStringList{"1|75", "2|90", "3|15", "4|0", "5|0", "6|0", "201|0", "202|-2.5"}));
    EXPECT_EQ(
        filas(QStringLiteral("SELECT idVendedor, SUM(TotalCobrado), SUM(Comision) FROM V_COMISIONES_VENDEDOR_COB GROUP "
                             "BY idVendedor ORDER BY idVendedor")),
        (QStringList{"|50|0", "0001|1510|90", "0002|1139.5|87.5"}));
    EXPECT_EQ(filas(QStringLiteral("SELECT SUM(ImporteComision) FROM V_COMISIONES_VENDEDOR_DET")),
              QStringList{"177.5"});
}

TEST_F(GeneradorMes, ShowsEachStagesProgressAndLocksTheCommandsUntilTheEnd)
{
    QStringList esperados = {QStringLiteral("Cargando..."), QStringLiteral("Discriminando las cobranzas 0")};
    const auto contar = [&](const QString &prefijo, int filasEtapa) {
        for (int i = 1; i <= filasEtapa; ++i)
            esperados.append(prefijo + QStringLiteral("%1 de %2").arg(i).arg(filasEtapa));
    };
    contar(QStringLiteral("Cargando cobranzas "), 6);
    esperados << QStringLiteral("Cargando...") << QStringLiteral("Cargando cobranzas 0");
    // Applications: CB 1, CBCT 2, CB 3 and CB 4 paid vouchers now without balance.
    contar(QStringLiteral("Cargando cobranzas "), 4);
    esperados << QStringLiteral("Cargando detalle 0");
    contar(QStringLiteral("Cargando detalle "), 10);
    contar(QStringLiteral("Actualizando Comisiones nc "), 1);
    contar(QStringLiteral("Actualizando Comisiones det 2 "), 2);
    contar(QStringLiteral("Actualizando Comisiones "), 5);
    contar(QStringLiteral("Actualizando Comisiones "), 6);
    EXPECT_EQ(ventana.estados, esperados);

    const qsizetype bloqueo = ventana.llamadas.indexOf(QStringLiteral("Detalleon(0)"));
    ASSERT_GE(bloqueo, 0);
    EXPECT_LT(bloqueo, ventana.llamadas.indexOf(QStringLiteral("Cargando...")));
    EXPECT_EQ(ventana.llamadas.mid(ventana.llamadas.size() - 2),
              (QStringList{QStringLiteral("Detalleon(1)"), QStringLiteral("Inicializa")}));
    EXPECT_GE(ventana.veces(QStringLiteral("eventos")), 6 + 4 + 10 + 1 + 2 + 5 + 6);
}

} // namespace
