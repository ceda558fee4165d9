// The salespersons and collections lists of a stored settlement, filled by their loaders on
// the fixture settlement, without the window.

#include "PruebaLiquidacion.h"

#include "db/Conexiones.h"
#include "platform/runtime/RuntimeError.h"
#include "session/Sesion.h"
#include "settlements/ListaCobranzas.h"
#include "settlements/ListaVendedores.h"
#include "support/ColumnasLista.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

class ListasLiquidacion : public PruebaLiquidacion {
protected:
    void cargarVendedores(const QString &numero) { ListaVendedores(vendedores, fuente, *gBaseDatos).cargar(numero); }

    // Loads the salespersons of `numero`, selects the row of `codigo` and loads its collections.
    void cargarCobranzas(const QString &numero, const QString &codigo)
    {
        cargarVendedores(numero);
        const auto encontrados = vendedores.findItems(codigo, Qt::MatchExactly, 0);
        ASSERT_EQ(encontrados.size(), 1) << codigo.toStdString();
        vendedores.setCurrentItem(encontrados.first());
        ListaCobranzas(cobranzas, fuente, *gBaseDatos).cargar(numero, vendedores);
    }

    QFont fuente{QStringLiteral("Sans"), 9};
    QTreeWidget vendedores;
    QTreeWidget cobranzas;
};

TEST_F(ListasLiquidacion, SalespersonsComeInCodeOrderWithTheirSumsAndATotalRow)
{
    cargarVendedores(QStringLiteral("12"));
    const QList<QStringList> esperadas = {
        {QStringLiteral("0001"), QStringLiteral("ALVAREZ ANA"), QStringLiteral("175,25"), QStringLiteral("3.200,50")},
        {QStringLiteral("0002"), QStringLiteral("BENITEZ BRUNO"), QStringLiteral("61.728,39"),
         QStringLiteral("1.234.567,89")},
        {QStringLiteral("0003"), QStringLiteral("CASTRO CARLA"), QStringLiteral("2,50"), QStringLiteral("50,00")},
        {QStringLiteral("0099"), QString(), QStringLiteral("4,00"), QStringLiteral("80,00")},
        {QStringLiteral("Tot"), QString(), QStringLiteral("61.910,14"), QStringLiteral("1.237.898,39")},
    };
    EXPECT_EQ(filasDe(vendedores), esperadas);
    comprobarColumnas(vendedores, fuente,
                      {{QStringLiteral("Vendedor"), 4, false},
                       {QStringLiteral("Nombre"), 16, false},
                       {QStringLiteral("Comision"), 12, true},
                       {QStringLiteral("Cobranzas"), 12, true}});
}

TEST_F(ListasLiquidacion, ASettlementWithoutCollectionsShowsItsHeadersAndNoTotal)
{
    cargarVendedores(QStringLiteral("12"));
    cargarVendedores(QStringLiteral("13"));
    EXPECT_EQ(vendedores.topLevelItemCount(), 0);
    EXPECT_EQ(encabezadosDe(vendedores), (QStringList{QStringLiteral("Vendedor"), QStringLiteral("Nombre"),
                                                      QStringLiteral("Comision"), QStringLiteral("Cobranzas")}));
}

TEST_F(ListasLiquidacion, AmountsKeepTwoDecimalsWhateverTheConfiguredDecimals)
{
    gCantidadDecimales = QStringLiteral("0");
    cargarVendedores(QStringLiteral("7"));
    EXPECT_EQ(filasDe(vendedores), (QList<QStringList>{{QStringLiteral("0001"), QStringLiteral("ALVAREZ ANA"),
                                                        QStringLiteral("9,00"), QStringLiteral("999,00")},
                                                       {QStringLiteral("Tot"), QString(), QStringLiteral("9,00"),
                                                        QStringLiteral("999,00")}}));
}

TEST_F(ListasLiquidacion, SalespersonsKeepTheSortTheUserChose)
{
    cargarVendedores(QStringLiteral("12"));
    vendedores.setSortingEnabled(true);
    vendedores.sortByColumn(1, Qt::DescendingOrder);
    cargarVendedores(QStringLiteral("12"));
    EXPECT_TRUE(vendedores.isSortingEnabled());
    EXPECT_EQ(vendedores.header()->sortIndicatorSection(), 1);
    EXPECT_EQ(vendedores.topLevelItem(0)->text(1), QStringLiteral("CASTRO CARLA"));
}

TEST_F(ListasLiquidacion, ANumberTheDatabaseRefusesIsReportedAndLeavesTheHeadersOnly)
{
    cargarVendedores(QStringLiteral("12"));
    dialogos.expectMsgBox(support::BoxMatch::textContaining(QStringLiteral("Ha ocurrido el Siguiente Error")),
                          ui::vbAbort);
    try {
        cargarVendedores(QString());
        ADD_FAILURE() << "the loader did not pass the error on";
    } catch (const rt::RuntimeError &error) {
        EXPECT_EQ(error.Number, rt::err::AdoObjectClosed);
    }
    EXPECT_EQ(vendedores.topLevelItemCount(), 0);
    EXPECT_EQ(vendedores.columnCount(), 4);
}

TEST_F(ListasLiquidacion, CollectionsComeByDateWithOrdinalsRemarksAndNetTotals)
{
    cargarCobranzas(QStringLiteral("12"), QStringLiteral("0001"));
    const QString cero = QStringLiteral("0,00");
    const QList<QStringList> esperadas = {
        {QStringLiteral("CB"), QStringLiteral("000100000011X"), QStringLiteral("CLIENTE DOS SRL"),
         QStringLiteral("02/03/2024"), QStringLiteral("100,00"), QStringLiteral("2.000,00"), QStringLiteral("10,00"),
         cero, cero, QStringLiteral("1.990,00"), cero, cero, cero, QString(), QStringLiteral("1")},
        {QStringLiteral("CB"), QStringLiteral("000100000010X"), QStringLiteral("CLIENTE UNO SA"),
         QStringLiteral("05/03/2024"), QStringLiteral("75,25"), QStringLiteral("1.500,50"), cero,
         QStringLiteral("1.000,50"), QStringLiteral("500,00"), cero, cero, cero, cero, QString(), QStringLiteral("2")},
        {QStringLiteral("NC"), QStringLiteral("000200000003A"), QString(), QStringLiteral("20/03/2024"), cero,
         QStringLiteral("-300,00"), cero, cero, cero, cero, cero, cero, cero,
         QStringLiteral("Cancelacion total comprobante"), QStringLiteral("3")},
        {QStringLiteral("Tot"), QString(), QStringLiteral("TOTALES"), QString(), QStringLiteral("175,25"),
         QStringLiteral("3.200,50"), QStringLiteral("10,00"), QStringLiteral("1.000,50"), QStringLiteral("500,00"),
         QStringLiteral("1.990,00"), cero, cero, cero, QString(), QStringLiteral("4")},
    };
    EXPECT_EQ(filasDe(cobranzas), esperadas);
    comprobarColumnas(cobranzas, fuente,
                      {{QStringLiteral("CbTc"), 6, false},
                       {QStringLiteral("IdCobranza"), 13, false},
                       {QStringLiteral("Razon Social"), 15, false},
                       {QStringLiteral("Fecha Cob"), 10, false},
                       {QStringLiteral("Comision"), 10, true},
                       {QStringLiteral("Total Cobrado"), 12, true},
                       {QStringLiteral("Descuento"), 12, true},
                       {QStringLiteral("Efectivo"), 12, true},
                       {QStringLiteral("Cheque"), 12, true},
                       {QStringLiteral("Tarjeta"), 12, true},
                       {QStringLiteral("Banco"), 12, true},
                       {QStringLiteral("Retenciones"), 12, true},
                       {QStringLiteral("Otros"), 12, true},
                       {QStringLiteral("observaciones"), 20, false},
                       {QStringLiteral("Id"), 5, false}});
}

TEST_F(ListasLiquidacion, CollectionsOfEachSplitColumnAddUpInTheirOwnColumn)
{
    cargarCobranzas(QStringLiteral("12"), QStringLiteral("0003"));
    ASSERT_EQ(cobranzas.topLevelItemCount(), 2);
    const QStringList total = filasDe(cobranzas).last();
    EXPECT_EQ(total.mid(4, 9), (QStringList{QStringLiteral("2,50"), QStringLiteral("50,00"), QStringLiteral("0,00"),
                                            QStringLiteral("40,00"), QStringLiteral("0,00"), QStringLiteral("0,00"),
                                            QStringLiteral("0,00"), QStringLiteral("7,50"), QStringLiteral("2,50")}));
    EXPECT_EQ(total.last(), QStringLiteral("2"));
}

TEST_F(ListasLiquidacion, ReloadingASalespersonStartsTheOrdinalsAgainAndIgnoresTheListSort)
{
    cargarCobranzas(QStringLiteral("12"), QStringLiteral("0001"));
    cobranzas.setSortingEnabled(true);
    cobranzas.sortByColumn(14, Qt::DescendingOrder);
    cargarCobranzas(QStringLiteral("12"), QStringLiteral("0001"));
    EXPECT_FALSE(cobranzas.isSortingEnabled());
    QStringList ordinales;
    for (const QStringList &fila : filasDe(cobranzas))
        ordinales << fila.last();
    EXPECT_EQ(ordinales,
              (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")}));
}

TEST_F(ListasLiquidacion, TheTotalRowUsedAsASalespersonSelectsNothing)
{
    cargarCobranzas(QStringLiteral("12"), QStringLiteral("Tot"));
    EXPECT_EQ(cobranzas.topLevelItemCount(), 0);
    EXPECT_EQ(cobranzas.columnCount(), 15);
}

TEST_F(ListasLiquidacion, CollectionsWithoutASelectedSalespersonFailAfterTheColumns)
{
    cobranzas.setColumnCount(2);
    cobranzas.addTopLevelItem(new QTreeWidgetItem(QStringList{QStringLiteral("viejo")}));
    try {
        ListaCobranzas(cobranzas, fuente, *gBaseDatos).cargar(QStringLiteral("12"), vendedores);
        ADD_FAILURE() << "the loader did not fail";
    } catch (const rt::RuntimeError &error) {
        EXPECT_EQ(error.Number, 91);
    }
    EXPECT_EQ(cobranzas.topLevelItemCount(), 0);
    EXPECT_EQ(cobranzas.columnCount(), 15);
}

} // namespace
