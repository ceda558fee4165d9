// Settlement numbers, the refusal of a range already settled, rebuilds, partial overlaps, the
// salesperson filter and the date defaults, on the fixture month.

#include "PruebaGenerador.h"

#include "core/ServiciosVarios.h"
#include "platform/runtime/DateFunctions.h"
#include "platform/runtime/Format.h"
#include "session/Sesion.h"

#include <gtest/gtest.h>

namespace {

class GeneradorNumeracion : public PruebaGenerador {
protected:
    void SetUp() override { cargarMarzo(); }

    QStringList numeros()
    {
        return filas(QStringLiteral("SELECT IdLiquidacion FROM V_COMISIONES_VENDEDOR_CAB ORDER BY 1"));
    }

    // The collections of a settlement as "type|number", in key order.
    QStringList cobranzasDe(int liquidacion)
    {
        return filas(
            QStringLiteral("SELECT CbTc, IdCobranza FROM V_COMISIONES_VENDEDOR_COB WHERE IdLiquidacion = %1 ORDER BY "
                           "IdCobranza")
                .arg(liquidacion));
    }

    // Rows of each settlement table under a number.
    QStringList filasDe(int liquidacion)
    {
        return filas(
            QStringLiteral("SELECT (SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_CAB WHERE IdLiquidacion = %1), (SELECT "
                           "COUNT(*) FROM V_COMISIONES_VENDEDOR_COB WHERE IdLiquidacion = %1), (SELECT COUNT(*) FROM "
                           "V_COMISIONES_VENDEDOR_APL WHERE IdLiquidacion = %1), (SELECT COUNT(*) FROM "
                           "V_COMISIONES_VENDEDOR_DET WHERE IdLiquidacion = %1)")
                .arg(liquidacion));
    }

    // Runs a build that the range check refuses, naming settlement `ocupada`.
    void generarRechazado(const QString &desde, const QString &hasta, const QString &ocupada,
                          const QString &borrar = {})
    {
        dialogos.expectMsgBox(
            support::BoxMatch::text(QStringLiteral("El rango de fechas ya fue cargado en la liquidación ") + ocupada)
                .withTitle(QStringLiteral("Aviso")));
        generar(desde, hasta, {}, borrar);
        EXPECT_EQ(dialogos.shown().at(dialogos.shown().size() - 2).style, 64);
    }
};

TEST_F(GeneradorNumeracion, RebuildingTheHighestKeepsItsNumberAndAnOlderOneTakesTheNextFree)
{
    EXPECT_EQ(generador().obtenerNroLiquidacion(), QStringLiteral("1"));
    generar(QStringLiteral("01/03/2024"), QStringLiteral("15/03/2024"));
    generar(QStringLiteral("16/03/2024"), QStringLiteral("31/03/2024"));
    const QStringList primera = cobranzasDe(1);
    EXPECT_EQ(cobranzasDe(2), (QStringList{"CB|6", "NC|201", "NC|202"}));

    // Its own range does not refuse a rebuild.
    generar(QStringLiteral("16/03/2024"), QStringLiteral("31/03/2024"), {}, QStringLiteral("2"));
    EXPECT_EQ(numeros(), (QStringList{"1", "2"}));
    EXPECT_EQ(cobranzasDe(2), (QStringList{"CB|6", "NC|201", "NC|202"}));

    generar(QStringLiteral("01/03/2024"), QStringLiteral("15/03/2024"), {}, QStringLiteral("1"));
    EXPECT_EQ(numeros(), (QStringList{"2", "3"}));
    EXPECT_EQ(cobranzasDe(3), primera);
    EXPECT_EQ(filasDe(1), QStringList{"0|0|0|0"});
    EXPECT_EQ(filas(QStringLiteral("SELECT SUM(Comision) FROM V_COMISIONES_VENDEDOR_COB WHERE IdLiquidacion = 3")),
              QStringList{"180"});
}

TEST_F(GeneradorNumeracion, ARangeHoldingAnotherStoredSettlementIsRefusedWithItsNumberAndNothingChanged)
{
    generar(QStringLiteral("05/03/2024"), QStringLiteral("10/03/2024"));
    generar(QStringLiteral("11/03/2024"), QStringLiteral("20/03/2024"));
    const QStringList antes = filasDe(2);
    ventana.llamadas.clear();

    generarRechazado(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"), QStringLiteral("1"));
    EXPECT_EQ(ventana.llamadas, (QStringList{QStringLiteral("Detalleon(1)"), QStringLiteral("Inicializa")}));
    // Nor is a rebuild of settlement 2 over it, which keeps settlement 2 as it was.
    generarRechazado(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"), QStringLiteral("1"),
                     QStringLiteral("2"));
    EXPECT_EQ(numeros(), (QStringList{"1", "2"}));
    EXPECT_EQ(filasDe(2), antes);
    EXPECT_EQ(filas(QStringLiteral("SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_COB")), QStringList{"6"});
}

TEST_F(GeneradorNumeracion, ARangeIsRefusedExactlyWhenAStoredSettlementLiesWhollyInsideIt)
{
    struct Caso {
        const char *guardadaDesde, *guardadaHasta, *desde, *hasta;
        bool rechazado;
    };
    const Caso casos[] = {
        {"01/03/2024", "31/03/2024", "01/03/2024", "31/03/2024", true}, // the same range
        {"01/03/2024", "15/03/2024", "01/03/2024", "31/03/2024", true}, // sharing only the start
        {"16/03/2024", "31/03/2024", "01/03/2024", "31/03/2024", true}, // sharing only the end
        {"01/03/2024", "31/03/2024", "01/03/2024", "15/03/2024", false}, // the stored one is longer
        {"01/03/2024", "31/03/2024", "16/03/2024", "31/03/2024", false},
        {"02/03/2024", "31/03/2024", "01/03/2024", "30/03/2024", false}, // overlapping in part
    };
    for (const Caso &caso : casos) {
        db.execute(QStringLiteral("DELETE FROM V_COMISIONES_VENDEDOR_CAB"));
        db.execute(QStringLiteral("INSERT INTO V_COMISIONES_VENDEDOR_CAB (IdLiquidacion, FECHA_DESDE, FECHA_HASTA, "
                                  "USUARIO) VALUES (4, '%1', '%2', 'ADMIN')")
                       .arg(QLatin1String(caso.guardadaDesde), QLatin1String(caso.guardadaHasta)));
        QString ocupada;
        const bool valido =
            generador().RangoDeFechasValidoLiquidacion(QLatin1String(caso.desde), QLatin1String(caso.hasta), ocupada);
        EXPECT_EQ(valido, !caso.rechazado)
            << caso.guardadaDesde << "-" << caso.guardadaHasta << " in " << caso.desde << "-" << caso.hasta;
        EXPECT_EQ(ocupada, caso.rechazado ? QStringLiteral("4") : QString()) << caso.desde << "-" << caso.hasta;
    }
}

TEST_F(GeneradorNumeracion, BuildingTheRangeOfAStoredSettlementAgainIsRefused)
{
    generar(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"));
    generarRechazado(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"), QStringLiteral("1"));
    EXPECT_EQ(numeros(), QStringList{"1"});
}

TEST_F(GeneradorNumeracion, AnOverlappingRangeLeavesOutWhatAStoredSettlementHolds)
{
    generar(QStringLiteral("01/03/2024"), QStringLiteral("10/03/2024"));
    EXPECT_EQ(cobranzasDe(1), (QStringList{"CB|1", "CBCT|2", "CB|3"}));
    generar(QStringLiteral("05/03/2024"), QStringLiteral("31/03/2024"));
    EXPECT_EQ(cobranzasDe(2), (QStringList{"CB|4", "CB|5", "CB|6", "NC|201", "NC|202"}));
    // FC 103 was recorded with CB 3 by the first settlement; CB 4 earns nothing for it again.
    EXPECT_EQ(
        filas(QStringLiteral("SELECT IdLiquidacion, IdCobranza FROM V_COMISIONES_VENDEDOR_APL WHERE idComprobante = "
                             "'%1'")
                  .arg(clave(103))),
        QStringList{"1|3"});
    EXPECT_EQ(
        filas(QStringLiteral("SELECT Comision FROM V_COMISIONES_VENDEDOR_COB WHERE IdCobranza = '%1'").arg(clave(4))),
        QStringList{"0"});
}

TEST_F(GeneradorNumeracion, ALaterSettlementLeavesTheCommissionOfAnOlderOnesCollectionAlone)
{
    generar(QStringLiteral("01/03/2024"), QStringLiteral("15/03/2024"));
    // CB 5 paid part of FC 104 and stays in settlement 1 with the commission stored for it.
    db.execute(
        QStringLiteral("UPDATE V_COMISIONES_VENDEDOR_COB SET Comision = 7 WHERE IdCobranza = '%1'").arg(clave(5)));
    // CB 8 pays the rest later: FC 104 enters settlement 2, and the view lists its line for
    // both collections.
    db.execute(
        QStringLiteral("INSERT INTO MV_ASIENTOS (TC, SUCURSAL, NUMERO, LETRA, SECUENCIA, [DEBE-HABER], Fecha, Importe, "
                       "idVendedor, Cuenta) VALUES ('CB', '0001', '00000008', 'A', 1, 'H', '25/03/2024', 300, '0002', "
                       "'1.3.1')"));
    aplicar(QStringLiteral("CB"), 8, 104, QStringLiteral("300"));

    generar(QStringLiteral("16/03/2024"), QStringLiteral("31/03/2024"));
    EXPECT_EQ(filas(QStringLiteral(
                        "SELECT idcobranza, ImporteComision FROM V_COMISIONES_VENDEDOR_DET WHERE IdLiquidacion = 2 "
                        "AND IdComprobante = '%1' ORDER BY Id")
                        .arg(clave(104))),
              (QStringList{"5|0", "8|41.32"}));
    // The voucher's commission goes to the collection that settled it in this settlement.
    EXPECT_EQ(filas(QStringLiteral("SELECT IdLiquidacion, IdCobranza, Comision FROM V_COMISIONES_VENDEDOR_COB WHERE "
                                   "IdCobranza IN ('%1', '%2') ORDER BY IdCobranza")
                        .arg(clave(5), clave(8))),
              (QStringList{"1|5|7", "2|8|41.32"}));
}

TEST_F(GeneradorNumeracion, ASalespersonCodeTakesOnlyThatSalespersonsVouchers)
{
    generar(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"), QStringLiteral("0002"));
    EXPECT_EQ(cobranzasDe(1), (QStringList{"CBCT|2", "CB|5", "NC|202"}));
    // A code holding a quote finds nothing and breaks no statement (April holds CB 7); nor does
    // a user name holding one.
    gUsuarioLogeado = QStringLiteral("O'BRIEN");
    generar(QStringLiteral("01/04/2024"), QStringLiteral("30/04/2024"), QStringLiteral("0'1"));
    EXPECT_EQ(cobranzasDe(2), QStringList());
    EXPECT_EQ(filas(QStringLiteral("SELECT IdLiquidacion, USUARIO FROM V_COMISIONES_VENDEDOR_CAB")),
              (QStringList{"1|ADMIN", "2|O'BRIEN"}));
}

TEST_F(GeneradorNumeracion, ASalespersonTypedWithoutItsLeadingZerosTakesThatSalespersonsVouchers)
{
    for (const char *vendedor : {"2", " 2 "}) {
        for (const char *tabla : {"CAB", "COB", "APL", "DET"})
            db.execute(QStringLiteral("DELETE FROM V_COMISIONES_VENDEDOR_%1").arg(QLatin1String(tabla)));
        generar(QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024"), QLatin1String(vendedor));
        EXPECT_EQ(cobranzasDe(1), (QStringList{"CBCT|2", "CB|5", "NC|202"})) << '"' << vendedor << '"';
    }
}

TEST_F(GeneradorNumeracion, AMissingDateTakesTheOtherAndNoDatesTheThirtyDaysUpToTheServerDate)
{
    const rt::DateTime servidor = FechaServidor();
    const QString hoy = rt::formatDate(servidor, QStringLiteral("dd/mm/yyyy"));
    const QString haceTreinta =
        rt::formatDate(rt::DateAdd(QStringLiteral("d"), -30, servidor), QStringLiteral("dd/mm/yyyy"));
    const QString casos[][4] = {
        {QString(), QStringLiteral("12/03/2024"), QStringLiteral("12/03/2024"), QStringLiteral("12/03/2024")},
        {QStringLiteral("14/03/2024"), QString(), QStringLiteral("14/03/2024"), QStringLiteral("14/03/2024")},
        {QString(), QString(), haceTreinta, hoy}};
    for (const auto &caso : casos) {
        QString desde = caso[0];
        QString hasta = caso[1];
        QString vendedor;
        QString borrar;
        esperarFinal();
        generador().GeneraComisionesNew(desde, hasta, vendedor, borrar);
        dialogos.verify();
        EXPECT_EQ(QStringList({desde, hasta}), QStringList({caso[2], caso[3]}));
    }
    EXPECT_EQ(cobranzasDe(1), QStringList{"CB|4"});
    EXPECT_EQ(cobranzasDe(2), QStringList{"CB|5"});
}

} // namespace
