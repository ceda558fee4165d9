// The settlement window's lists offscreen on the fixture settlements: the drill-down from
// salesperson to collection to voucher, the export caption following the focus, the key left
// for "Ver  Comprobante", the total rows, the loaded settlement kept apart from the number
// field and forgotten by "Cancelar", and the column sort.

#include "PruebaVentanaComandos.h"

#include "settlements/FrmComisionesVendedor.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

class ListasVentana : public PruebaVentanaComandos {
protected:
    QString caption() const { return textoDe(QStringLiteral("CmdExportaExcelLV")); }
    QString estado() const { return textoDe(QStringLiteral("lblEstado")); }
    QStringList total(int n) const { return filasDe(*lista(n)).last(); }
};

TEST_F(ListasVentana, ASalespersonFillsTheLowerListsAndEachLevelNarrowsTheNext)
{
    confirmarNumero("12");
    EXPECT_EQ(primeraColumna(*lista(1)), (QStringList{"0001", "0002", "0003", "0099", "Tot"}));

    clicFila(lista(1), "0001");
    EXPECT_EQ(caption(), "Exp Excel Vendedor");
    EXPECT_EQ(primeraColumna(*lista(2)), (QStringList{"CB", "CB", "NC", "Tot"}));
    EXPECT_EQ(total(2).mid(4, 2), (QStringList{"175,25", "3.200,50"}));
    EXPECT_EQ(primeraColumna(*lista(3)), (QStringList{"FC", "FC", "FC", "NC", "Tot"}));
    EXPECT_EQ(total(3), (QStringList{"Tot", "", "", "TOTALES", "175,25", "2.692,15", "3.215,50", "", "", "5"}));
    EXPECT_EQ(lista(5)->topLevelItemCount(), 7);
    EXPECT_EQ(total(5).mid(4, 8),
              (QStringList{"TOTALES", "9,00", "3.257,50", "", "2.692,15", "", "2.661,15", "175,25"}));

    clicFila(lista(2), "CB", "000100000011X");
    EXPECT_EQ(caption(), "Exp Excel Cobranza");
    EXPECT_EQ(estado(), "CB  000100000011X  ");
    EXPECT_EQ(filasDe(*lista(3)).size(), 3);
    EXPECT_EQ(total(3).mid(4, 3), (QStringList{"100,00", "1.700,00", "2.015,00"}));
    EXPECT_EQ(lista(5)->topLevelItemCount(), 5);
    EXPECT_EQ(total(5).at(11), "100,00");

    const QList<QStringList> comprobantes = filasDe(*lista(3));
    clicFila(lista(3), "FC", "000100000102A");
    EXPECT_EQ(caption(), "Exp Excel Comprobantes");
    EXPECT_EQ(estado(), "FC  000100000102A  ");
    EXPECT_EQ(filasDe(*lista(3)), comprobantes) << "the vouchers list is not reloaded";
    EXPECT_EQ(primeraColumna(*lista(5)), (QStringList{"FC", "FC", "Tot"}));
    EXPECT_EQ(total(5).at(11), "15,00");

    lista(5)->setFocus();
    EXPECT_EQ(caption(), "Exp Excel Detalle");
}

TEST_F(ListasVentana, TotalRowsNeitherDrillDownNorBecomeTheVoucherKey)
{
    confirmarNumero("12");
    clicFila(lista(1), "Tot");
    EXPECT_EQ(lista(2)->topLevelItemCount(), 0);

    clicFila(lista(1), "0001");
    clicFila(lista(2), "CB", "000100000010X");
    const QList<QStringList> comprobantes = filasDe(*lista(3));
    const QList<QStringList> lineas = filasDe(*lista(5));
    clicFila(lista(2), "Tot");
    clicFila(lista(3), "Tot");
    EXPECT_EQ(estado(), "CB  000100000010X  ");
    EXPECT_EQ(filasDe(*lista(3)), comprobantes);
    EXPECT_EQ(filasDe(*lista(5)), lineas);
}

TEST_F(ListasVentana, AfterCancelarTheRowsLeftShownDrillIntoNoSettlement)
{
    confirmarNumero("12");
    boton("cmdCancelar")->click();
    ASSERT_TRUE(numero()->text().isEmpty());
    EXPECT_EQ(lista(1)->topLevelItemCount(), 5);
    clicFila(lista(1), "0001");
    EXPECT_EQ(lista(2)->topLevelItemCount(), 0) << "after Cancelar";

    QTest::keyClicks(numero(), "7");
    clicFila(lista(1), "0002");
    EXPECT_EQ(lista(2)->topLevelItemCount(), 0) << "with a half-typed number";
    EXPECT_EQ(lista(3)->topLevelItemCount(), 0);
}

TEST_F(ListasVentana, HeaderClicksSortByAmountAndDateAndTheSalespersonsKeepTheirOrderOnReload)
{
    confirmarNumero("12");
    clicEncabezado(lista(1), 2);
    EXPECT_EQ(primeraColumna(*lista(1)), (QStringList{"0002", "0001", "0099", "0003", "Tot"}))
        << "commission descending";
    clicEncabezado(lista(1), 1);
    EXPECT_EQ(primeraColumna(*lista(1)), (QStringList{"0099", "0001", "0002", "0003", "Tot"})) << "name ascending";
    clicEncabezado(lista(1), 3);
    EXPECT_EQ(primeraColumna(*lista(1)), (QStringList{"0002", "0001", "0099", "0003", "Tot"}))
        << "collected descending";

    boton("CmdGenerar")->click();
    EXPECT_EQ(primeraColumna(*lista(1)), (QStringList{"0002", "0001", "0099", "0003", "Tot"}))
        << "loading the settlement again keeps the salespersons' order";

    clicFila(lista(1), "0001");
    clicEncabezado(lista(3), 3);
    QStringList fechas;
    for (const QStringList &fila : filasDe(*lista(3)))
        fechas << fila.at(3);
    EXPECT_EQ(fechas, (QStringList{"20/03/2024", "01/03/2024", "28/02/2024", "15/02/2024", "TOTALES"}));
    clicEncabezado(lista(2), 5);
    EXPECT_EQ(primeraColumna(*lista(2)).last(), "Tot");
    EXPECT_EQ(lista(2)->topLevelItem(0)->text(5), "2.000,00");
}

} // namespace
