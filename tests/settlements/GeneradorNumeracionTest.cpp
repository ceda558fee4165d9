// Settlement numbers, the refusal of a range already settled, rebuilds, partial overlaps and the
// salesperson filter, on the fixture month.

#include "GeneradorPrueba.h"

#include "core/ServiciosVarios.h"
#include "core/Sesion.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/DateFunctions.h"
#include "platform/runtime/Format.h"

#include <gtest/gtest.h>

namespace {

class GeneradorNumeracion : public PruebaGenerador {
protected:
    void SetUp() override { cargarMarzo(); }

    QList<qint32> numeros()
    {
        QList<qint32> encontrados;
        for (const auto &fila : db.rows(QStringLiteral("SELECT IdLiquidacion FROM V_COMISIONES_VENDEDOR_CAB ORDER BY 1")))
            encontrados.append(rt::CLng(fila[0]));
        return encontrados;
    }

    // The collections of a settlement as "type number" texts, in key order.
    QStringList cobranzasDe(int liquidacion)
    {
        QStringList claves;
        for (const auto &fila : db.rows(QStringLiteral("SELECT CbTc, IdCobranza FROM V_COMISIONES_VENDEDOR_COB WHERE "
                                                       "IdLiquidacion = %1 ORDER BY IdCobranza")
                                            .arg(liquidacion)))
            claves.append(rt::CStr(fila[0]) + QLatin1Char(' ') + QString::number(rt::CLng(rt::CStr(fila[1]).mid(4, 8))));
        return claves;
    }

    // Rows of each settlement table under a number.
    QList<qint32> filasDe(int liquidacion)
    {
        QList<qint32> filas;
        for (const char *tabla : {"CAB", "COB", "APL", "DET"})
            filas.append(cuenta(QStringLiteral("SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_%1 WHERE IdLiquidacion = %2")
                                    .arg(QLatin1String(tabla))
                                    .arg(liquidacion)));
        return filas;
    }

    // Runs a build that the range check refuses, naming settlement `ocupada`.
    void generarRechazado(const QString &desde, const QString &hasta, const QString &ocupada, const QString &borrar = {})
    {
        dialogos.expectMsgBox(support::BoxMatch::text(QStringLiteral("El rango de fechas ya fue cargado en la liquidación ")
                                                      + ocupada)
                                  .withTitle(QStringLiteral("Aviso")));
        EXPECT_EQ(generar(desde, hasta, {}, borrar), GeneradorComisiones::Fin::Cerrada);
        ASSERT_GE(dialogos.shown().size(), 2u);
        EXPECT_EQ(dialogos.shown().at(dialogos.shown().size() - 2).style, 64);
    }
};

TEST_F(GeneradorNumeracion, TheFirstNumberIsOneAndEachNewOneTheHighestPlusOne)
{
    EXPECT_EQ(generador().obtenerNroLiquidacion(), QStringLiteral("1"));
    db.execute(QStringLiteral("INSERT INTO V_COMISIONES_VENDEDOR_CAB (IdLiquidacion) VALUES (9)"));
    db.execute(QStringLiteral("INSERT INTO V_COMISIONES_VENDEDOR_CAB (IdLiquidacion) VALUES (12)"));
    EXPECT_EQ(generador().obtenerNroLiquidacion(), QStringLiteral("13"));
    generar(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"));
    EXPECT_EQ(numeros(), (QList<qint32>{9, 12, 13}));
}

TEST_F(GeneradorNumeracion, RebuildingTheHighestKeepsItsNumberAndAnOlderOneTakesTheNextFree)
{
    generar(QStringLiteral("01/03/2024"), QStringLiteral("15/03/2024"));
    generar(QStringLiteral("16/03/2024"), QStringLiteral("31/03/2024"));
    const QStringList primera = cobranzasDe(1);
    const QStringList segunda = cobranzasDe(2);
    EXPECT_EQ(segunda, (QStringList{"CB 6", "NC 201", "NC 202"}));

    // Its own range does not refuse a rebuild.
    generar(QStringLiteral("16/03/2024"), QStringLiteral("31/03/2024"), {}, QStringLiteral("2"));
    EXPECT_EQ(numeros(), (QList<qint32>{1, 2}));
    EXPECT_EQ(cobranzasDe(2), segunda);

    generar(QStringLiteral("01/03/2024"), QStringLiteral("15/03/2024"), {}, QStringLiteral("1"));
    EXPECT_EQ(numeros(), (QList<qint32>{2, 3}));
    EXPECT_EQ(cobranzasDe(3), primera);
    EXPECT_EQ(filasDe(1), (QList<qint32>{0, 0, 0, 0}));
    EXPECT_DOUBLE_EQ(numero(QStringLiteral("SELECT SUM(Comision) FROM V_COMISIONES_VENDEDOR_COB WHERE IdLiquidacion = 3")),
                     75 + 90 + 15);
}

TEST_F(GeneradorNumeracion, ARangeHoldingAStoredSettlementIsRefusedWithItsNumberAndNothingWritten)
{
    generar(QStringLiteral("05/03/2024"), QStringLiteral("10/03/2024"));
    const QList<qint32> antes = filasDe(1);
    ventana.llamadas.clear();

    generarRechazado(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"), QStringLiteral("1"));
    EXPECT_EQ(numeros(), QList<qint32>{1});
    EXPECT_EQ(filasDe(1), antes);
    EXPECT_EQ(cuenta(QStringLiteral("SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_COB")), antes[1]);
    EXPECT_EQ(ventana.llamadas, (QStringList{QStringLiteral("Detalleon(1)"), QStringLiteral("Inicializa")}));
}

TEST_F(GeneradorNumeracion, ARefusedRebuildKeepsTheSettlementItWouldHaveReplaced)
{
    generar(QStringLiteral("01/03/2024"), QStringLiteral("10/03/2024"));
    generar(QStringLiteral("11/03/2024"), QStringLiteral("20/03/2024"));
    const QList<qint32> antes = filasDe(2);
    ASSERT_GT(antes[1], 0);

    generarRechazado(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"), QStringLiteral("1"), QStringLiteral("2"));
    EXPECT_EQ(numeros(), (QList<qint32>{1, 2}));
    EXPECT_EQ(filasDe(2), antes);
}

TEST_F(GeneradorNumeracion, AnOverlappingRangeLeavesOutWhatAStoredSettlementHolds)
{
    generar(QStringLiteral("01/03/2024"), QStringLiteral("10/03/2024"));
    EXPECT_EQ(cobranzasDe(1), (QStringList{"CB 1", "CBCT 2", "CB 3"}));
    generar(QStringLiteral("05/03/2024"), QStringLiteral("31/03/2024"));
    EXPECT_EQ(cobranzasDe(2), (QStringList{"CB 4", "CB 5", "CB 6", "NC 201", "NC 202"}));
    // FC 103 was recorded with CB 3 by the first settlement; CB 4 earns nothing for it again.
    EXPECT_EQ(cuenta(QStringLiteral("SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_APL WHERE idComprobante = '%1'").arg(clave(103))),
              1);
    EXPECT_EQ(cuenta(QStringLiteral("SELECT IdLiquidacion FROM V_COMISIONES_VENDEDOR_APL WHERE idComprobante = '%1'")
                         .arg(clave(103))),
              1);
    EXPECT_DOUBLE_EQ(numero(QStringLiteral("SELECT Comision FROM V_COMISIONES_VENDEDOR_COB WHERE IdLiquidacion = 2 AND "
                                           "IdCobranza = '%1'")
                                .arg(clave(4))),
                     0);
}

TEST_F(GeneradorNumeracion, ALaterSettlementLeavesTheCommissionOfAnOlderOnesCollectionAlone)
{
    generar(QStringLiteral("01/03/2024"), QStringLiteral("15/03/2024"));
    // CB 5 paid part of FC 104 and stays in settlement 1 with the commission stored for it.
    db.execute(QStringLiteral("UPDATE V_COMISIONES_VENDEDOR_COB SET Comision = 7 WHERE IdCobranza = '%1'").arg(clave(5)));
    // CB 8 pays the rest later: FC 104 enters settlement 2, and the view lists its line for
    // both collections.
    db.execute(QStringLiteral("INSERT INTO MV_ASIENTOS (TC, SUCURSAL, NUMERO, LETRA, SECUENCIA, [DEBE-HABER], Fecha, Importe, "
                              "idVendedor, Cuenta) VALUES ('CB', '0001', '00000008', 'A', 1, 'H', '25/03/2024', 300, '0002', "
                              "'1.3.1')"));
    db.execute(QStringLiteral("INSERT INTO MV_APLICACION (TC, Sucursal, Numero, letra, IdComprobante, TCO_ORIGEN, "
                              "SUCURSAL_ORIGEN, NUMERO_ORIGEN, LETRA_ORIGEN, IDCOMPROBANTE_ORIGEN, IMPORTE) VALUES ('CB', "
                              "'0001', '00000008', 'A', '%1', 'FC', '0001', '00000104', 'A', '%2', 300)")
                   .arg(clave(8), clave(104)));

    generar(QStringLiteral("16/03/2024"), QStringLiteral("31/03/2024"));
    EXPECT_EQ(cuenta(QStringLiteral("SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_DET WHERE IdLiquidacion = 2 AND cbtc = 'CB' "
                                    "AND idcobranza = '%1'")
                         .arg(clave(5))),
              1);
    EXPECT_DOUBLE_EQ(numero(QStringLiteral("SELECT Comision FROM V_COMISIONES_VENDEDOR_COB WHERE IdCobranza = '%1'").arg(clave(5))),
                     7);
    EXPECT_DOUBLE_EQ(numero(QStringLiteral("SELECT Comision FROM V_COMISIONES_VENDEDOR_APL WHERE idComprobante = '%1'")
                                .arg(clave(104))),
                     41.32);
    // The voucher's commission goes to the collection that settled it in this settlement.
    EXPECT_DOUBLE_EQ(numero(QStringLiteral("SELECT Comision FROM V_COMISIONES_VENDEDOR_COB WHERE IdCobranza = '%1'").arg(clave(8))),
                     41.32);
}

TEST_F(GeneradorNumeracion, ASalespersonCodeTakesOnlyThatSalespersonsVouchers)
{
    generar(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"), QStringLiteral("0002"));
    EXPECT_EQ(cobranzasDe(1), (QStringList{"CBCT 2", "CB 5", "NC 202"}));
    // A code holding a quote finds nothing and breaks no statement (April holds CB 7).
    generar(QStringLiteral("01/04/2024"), QStringLiteral("30/04/2024"), QStringLiteral("0'1"));
    EXPECT_EQ(cobranzasDe(2), QStringList());
    EXPECT_EQ(numeros(), (QList<qint32>{1, 2}));
}

TEST_F(GeneradorNumeracion, AMissingDateTakesTheOtherAndNoDatesTheThirtyDaysUpToTheServerDate)
{
    const rt::DateTime servidor = FechaServidor();
    const QString hoy = rt::formatDate(servidor, QStringLiteral("dd/mm/yyyy"));
    const QString haceTreinta = rt::formatDate(rt::DateAdd(QStringLiteral("d"), -30, servidor), QStringLiteral("dd/mm/yyyy"));
    struct Caso {
        QString desde, hasta, desdeFinal, hastaFinal;
    };
    const Caso casos[] = {{QString(), QStringLiteral("12/03/2024"), QStringLiteral("12/03/2024"), QStringLiteral("12/03/2024")},
                          {QStringLiteral("14/03/2024"), QString(), QStringLiteral("14/03/2024"), QStringLiteral("14/03/2024")},
                          {QString(), QString(), haceTreinta, hoy}};
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.desdeFinal.toStdString());
        QString desde = caso.desde;
        QString hasta = caso.hasta;
        QString vendedor;
        QString borrar;
        esperarFinal();
        generador().GeneraComisionesNew(desde, hasta, vendedor, borrar);
        dialogos.verify();
        EXPECT_EQ(desde, caso.desdeFinal);
        EXPECT_EQ(hasta, caso.hastaFinal);
    }
    EXPECT_EQ(cobranzasDe(1), QStringList{"CB 4"});
    EXPECT_EQ(cobranzasDe(2), QStringList{"CB 5"});
}

TEST_F(GeneradorNumeracion, AUserNameWithAnApostropheIsStoredAsTyped)
{
    gUsuarioLogeado = QStringLiteral("O'BRIEN");
    generar(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"));
    EXPECT_EQ(rt::CStr(valor(QStringLiteral("SELECT USUARIO FROM V_COMISIONES_VENDEDOR_CAB"))), QStringLiteral("O'BRIEN"));
    EXPECT_EQ(cobranzasDe(1).size(), 8);
}

} // namespace
