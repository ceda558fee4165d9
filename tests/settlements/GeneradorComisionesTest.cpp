// A settlement of the fixture month, built by the generator on the embedded database, checked
// against the figures worked out by hand from the fixture (see GeneradorPrueba.h).

#include "GeneradorPrueba.h"

#include "platform/runtime/Conversions.h"

#include <gtest/gtest.h>

namespace {

class GeneradorMes : public PruebaGenerador {
protected:
    void SetUp() override
    {
        cargarMarzo();
        ASSERT_EQ(generar(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024")), GeneradorComisiones::Fin::Cerrada);
    }

    // One column of the settlement's collection row of a fixture voucher.
    double deCobranza(const QString &columna, const QString &tipo, int numeroComprobante)
    {
        return numero(QStringLiteral("SELECT %1 FROM V_COMISIONES_VENDEDOR_COB WHERE IdLiquidacion = 1 AND CbTc = '%2' AND "
                                     "IdCobranza = '%3'")
                          .arg(columna, tipo, clave(numeroComprobante)));
    }
};

struct Imputacion {
    const char *tc;
    int numero;
    double descuentos, efectivo, cheque, tarjeta, banco, retenciones, otros;
};

TEST_F(GeneradorMes, SplitsEachCollectionByTheMeansOfPaymentOfItsDebitLines)
{
    const Imputacion esperadas[] = {
        // Cash, a cheque account coded in lower case and an income-tax retention.
        {"CB", 1, 0, 600, 400, 0, 0, 210, 0},
        // Card, bank, the discount account and a code outside the list.
        {"CBCT", 2, 100, 0, 0, 650, 200, 0, 50},
        {"CB", 3, 0, 100, 0, 0, 0, 0, 0},
        {"CB", 4, 0, 200, 0, 0, 0, 0, 0},
        {"CB", 5, 0, 0, 200, 0, 0, 0, 0},
        {"CB", 6, 0, 50, 0, 0, 0, 0, 0},
        // Credit notes enter after the split and keep the table's defaults.
        {"NC", 201, 0, 0, 0, 0, 0, 0, 0},
        {"NC", 202, 0, 0, 0, 0, 0, 0, 0},
    };
    for (const Imputacion &e : esperadas) {
        SCOPED_TRACE(std::string(e.tc) + " " + std::to_string(e.numero));
        const auto fila = db.rows(QStringLiteral("SELECT Descuentos, Efectivo, Cheque, Tarjeta, Banco, Retenciones, Otros FROM "
                                                 "V_COMISIONES_VENDEDOR_COB WHERE CbTc = '%1' AND IdCobranza = '%2'")
                                      .arg(QLatin1String(e.tc), clave(e.numero)));
        ASSERT_EQ(fila.size(), 1);
        const double esperado[] = {e.descuentos, e.efectivo, e.cheque, e.tarjeta, e.banco, e.retenciones, e.otros};
        for (int i = 0; i < 7; ++i)
            EXPECT_DOUBLE_EQ(rt::CDbl(fila[0][i]), esperado[i]) << "column " << i;
    }
}

TEST_F(GeneradorMes, TakesTheMonthsCollectionsAndCreditNotesWithTheirSalesperson)
{
    const auto filas = db.rows(QStringLiteral("SELECT CbTc, IdCobranza, idVendedor, TotalCobrado FROM V_COMISIONES_VENDEDOR_COB "
                                              "WHERE IdLiquidacion = 1 ORDER BY IdCobranza"));
    const QList<QStringList> esperadas = {
        {"CB", clave(1), "0001", "1210"},    {"CBCT", clave(2), "0002", "1000"}, {"CB", clave(3), "0001", "100"},
        {"CB", clave(4), "0001", "200"},     {"CB", clave(5), "0002", "200"},    {"CB", clave(6), "", "50"},
        {"NC", clave(201), "0001", "0"},     {"NC", clave(202), "0002", "-60.5"},
    };
    ASSERT_EQ(filas.size(), esperadas.size());
    for (qsizetype i = 0; i < filas.size(); ++i) {
        EXPECT_EQ(rt::CStr(filas[i][0]), esperadas[i][0]);
        EXPECT_EQ(rt::CStr(filas[i][1]), esperadas[i][1]);
        EXPECT_EQ(rt::CStr(filas[i][2]), esperadas[i][2]);
        EXPECT_DOUBLE_EQ(rt::CDbl(filas[i][3]), esperadas[i][3].toDouble()) << esperadas[i][1].toStdString();
    }
    const auto cabecera = db.rows(QStringLiteral("SELECT FECHA_DESDE, FECHA_HASTA, USUARIO FROM V_COMISIONES_VENDEDOR_CAB"));
    ASSERT_EQ(cabecera.size(), 1);
    EXPECT_EQ(rt::CDate(cabecera[0][0]), rt::DateTime::fromParts(2024, 3, 1));
    EXPECT_EQ(rt::CDate(cabecera[0][1]), rt::DateTime::fromParts(2024, 3, 31));
    EXPECT_EQ(rt::CStr(cabecera[0][2]), QStringLiteral("ADMIN"));
}

TEST_F(GeneradorMes, RecordsEachVoucherPaidInFullOnceWithItsFirstCollection)
{
    const auto filas = db.rows(QStringLiteral("SELECT CbTc, IdCobranza, Tc, idComprobante FROM V_COMISIONES_VENDEDOR_APL WHERE "
                                              "IdLiquidacion = 1 ORDER BY idComprobante"));
    // FC 104 keeps a balance and FC 105 was paid by a credit note only; FC 103, paid by CB 3
    // and CB 4, comes once with the earlier collection.
    const QList<QStringList> esperadas = {
        {"CB", clave(1), "FC", clave(101)}, {"CBCT", clave(2), "FC", clave(102)}, {"CB", clave(3), "FC", clave(103)},
        {"NC", clave(201), "NC", clave(201)}, {"NC", clave(202), "NC", clave(202)},
    };
    ASSERT_EQ(filas.size(), esperadas.size());
    for (qsizetype i = 0; i < filas.size(); ++i) {
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(rt::CStr(filas[i][c]), esperadas[i][c]) << "row " << i;
    }
    EXPECT_EQ(cuenta(QStringLiteral("SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_DET WHERE IdComprobante IN ('%1', '%2')")
                         .arg(clave(104), clave(105))),
              0);
}

TEST_F(GeneradorMes, ACreditNoteThatCancelsInFullEarnsAndCollectsNothing)
{
    EXPECT_DOUBLE_EQ(deCobranza(QStringLiteral("TotalCobrado"), QStringLiteral("NC"), 201), 0);
    EXPECT_DOUBLE_EQ(deCobranza(QStringLiteral("Comision"), QStringLiteral("NC"), 201), 0);
    EXPECT_EQ(rt::CStr(valor(QStringLiteral("SELECT Observaciones FROM V_COMISIONES_VENDEDOR_COB WHERE IdCobranza = '%1'")
                                 .arg(clave(201)))),
              QStringLiteral("Cancelacion total comprobante"));
    const auto lineas = db.rows(QStringLiteral("SELECT Comision, ImporteComision FROM V_COMISIONES_VENDEDOR_DET WHERE Tc = 'NC' "
                                               "AND IdComprobante = '%1'")
                                    .arg(clave(201)));
    ASSERT_EQ(lineas.size(), 1);
    EXPECT_DOUBLE_EQ(rt::CDbl(lineas[0][0]), 0);
    EXPECT_DOUBLE_EQ(rt::CDbl(lineas[0][1]), 0);
    // A credit note applied for less than its total keeps its negated total and commission.
    EXPECT_DOUBLE_EQ(deCobranza(QStringLiteral("TotalCobrado"), QStringLiteral("NC"), 202), -60.5);
    EXPECT_DOUBLE_EQ(deCobranza(QStringLiteral("Comision"), QStringLiteral("NC"), 202), -2.5);
    EXPECT_EQ(rt::CStr(valor(QStringLiteral("SELECT Observaciones FROM V_COMISIONES_VENDEDOR_COB WHERE IdCobranza = '%1'")
                                 .arg(clave(202)))),
              QString());
}

TEST_F(GeneradorMes, OfRepeatedLinesOfOneQuantityOnlyTheLastKeepsItsCommission)
{
    struct Linea {
        int comprobante;
        double cantidad;
        double comision;
        double importe;
    };
    // By Id: FC 102's two lines of 4 (10 % of 720 each), its line of 1 (10 % of 180); FC 103's
    // line as the view gives it for CB 3 and for CB 4.
    const auto filas = db.rows(QStringLiteral("SELECT IdComprobante, Cantidad, Comision, ImporteComision FROM "
                                              "V_COMISIONES_VENDEDOR_DET WHERE IdComprobante IN ('%1', '%2') ORDER BY "
                                              "IdComprobante, Cantidad DESC, Id")
                                   .arg(clave(102), clave(103)));
    const Linea esperadas[] = {{102, 4, 0, 0}, {102, 4, 10, 72}, {102, 1, 10, 18}, {103, 3, 0, 0}, {103, 3, 5, 15}};
    ASSERT_EQ(filas.size(), static_cast<qsizetype>(std::size(esperadas)));
    for (qsizetype i = 0; i < filas.size(); ++i) {
        const Linea &e = esperadas[i];
        EXPECT_EQ(rt::CStr(filas[i][0]), clave(e.comprobante)) << "row " << i;
        EXPECT_DOUBLE_EQ(rt::CDbl(filas[i][1]), e.cantidad) << "row " << i;
        EXPECT_DOUBLE_EQ(rt::CDbl(filas[i][2]), e.comision) << "row " << i;
        EXPECT_DOUBLE_EQ(rt::CDbl(filas[i][3]), e.importe) << "row " << i;
    }
}

TEST_F(GeneradorMes, AddsTheCommissionUpPerVoucherCollectionAndSalesperson)
{
    // FC 101: 10 % of 500 + 5 % of 500 + an article without rate, stored with rate 0.
    EXPECT_DOUBLE_EQ(numero(QStringLiteral("SELECT Comision FROM V_COMISIONES_VENDEDOR_DET WHERE IdArticulo = 'A003'")), 0);
    const std::pair<int, double> comprobantes[] = {{101, 75}, {102, 90}, {103, 15}, {201, 0}, {202, -2.5}};
    for (const auto &[comprobante, comision] : comprobantes) {
        EXPECT_DOUBLE_EQ(numero(QStringLiteral("SELECT Comision FROM V_COMISIONES_VENDEDOR_APL WHERE idComprobante = '%1'")
                                    .arg(clave(comprobante))),
                         comision)
            << comprobante;
    }
    EXPECT_DOUBLE_EQ(deCobranza(QStringLiteral("Comision"), QStringLiteral("CB"), 1), 75);
    EXPECT_DOUBLE_EQ(deCobranza(QStringLiteral("Comision"), QStringLiteral("CBCT"), 2), 90);
    // FC 103's line counts once, for CB 3, the collection recorded with the voucher.
    EXPECT_DOUBLE_EQ(deCobranza(QStringLiteral("Comision"), QStringLiteral("CB"), 3), 15);
    EXPECT_DOUBLE_EQ(deCobranza(QStringLiteral("Comision"), QStringLiteral("CB"), 4), 0);
    EXPECT_DOUBLE_EQ(deCobranza(QStringLiteral("Comision"), QStringLiteral("CB"), 5), 0);

    const auto vendedores = db.rows(QStringLiteral("SELECT idVendedor, SUM(TotalCobrado), SUM(Comision) FROM "
                                                   "V_COMISIONES_VENDEDOR_COB WHERE IdLiquidacion = 1 GROUP BY idVendedor ORDER "
                                                   "BY idVendedor"));
    ASSERT_EQ(vendedores.size(), 3);
    const std::tuple<QString, double, double> esperados[] = {{QString(), 50, 0}, {"0001", 1510, 90}, {"0002", 1139.5, 87.5}};
    for (qsizetype i = 0; i < vendedores.size(); ++i) {
        EXPECT_EQ(rt::CStr(vendedores[i][0]), std::get<0>(esperados[i]));
        EXPECT_DOUBLE_EQ(rt::CDbl(vendedores[i][1]), std::get<1>(esperados[i]));
        EXPECT_DOUBLE_EQ(rt::CDbl(vendedores[i][2]), std::get<2>(esperados[i]));
    }
    EXPECT_DOUBLE_EQ(numero(QStringLiteral("SELECT SUM(ImporteComision) FROM V_COMISIONES_VENDEDOR_DET WHERE IdLiquidacion = 1")),
                     177.5);
}

TEST_F(GeneradorMes, ShowsEachStagesProgressAndLocksTheCommandsUntilTheEnd)
{
    QStringList esperados = {QStringLiteral("Cargando..."), QStringLiteral("Discriminando las cobranzas 0")};
    const auto contar = [&](const QString &prefijo, int filas) {
        for (int i = 1; i <= filas; ++i)
            esperados.append(prefijo + QStringLiteral("%1 de %2").arg(i).arg(filas));
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
    EXPECT_EQ(ventana.estados(), esperados);

    const qsizetype bloqueo = ventana.llamadas.indexOf(QStringLiteral("Detalleon(0)"));
    ASSERT_GE(bloqueo, 0);
    EXPECT_LT(bloqueo, ventana.llamadas.indexOf(QStringLiteral("Cargando...")));
    EXPECT_EQ(ventana.llamadas.mid(ventana.llamadas.size() - 2),
              (QStringList{QStringLiteral("Detalleon(1)"), QStringLiteral("Inicializa")}));
    EXPECT_GE(ventana.veces(QStringLiteral("eventos")), 6 + 4 + 10 + 1 + 2 + 5 + 6);
}

} // namespace
