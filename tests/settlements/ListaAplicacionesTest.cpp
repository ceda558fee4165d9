// The applied vouchers list of a stored settlement, filled by its loader on the fixture
// settlement, without the window.

#include "PruebaComandos.h"

#include "db/Conexiones.h"
#include "platform/runtime/RuntimeError.h"
#include "settlements/ListaAplicaciones.h"
#include "settlements/ListaVendedores.h"
#include "support/ColumnasLista.h"

#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

class ListaAplicacionesPrueba : public PruebaComandos {
protected:
    // Selects salesperson `codigo` of settlement `numero` and loads its vouchers, of every
    // collection or of the one given.
    void cargar(const QString &numero, const QString &codigo, const QString &cbtc = {}, const QString &idCobranza = {})
    {
        ListaVendedores(vendedores, fuente, *gBaseDatos).cargar(numero);
        const auto encontrados = vendedores.findItems(codigo, Qt::MatchExactly, 0);
        ASSERT_EQ(encontrados.size(), 1) << codigo.toStdString();
        vendedores.setCurrentItem(encontrados.first());
        ListaAplicaciones(comprobantes, fuente, *gBaseDatos).cargar(numero, vendedores, cbtc, idCobranza);
    }

    QFont fuente{QStringLiteral("Sans"), 9};
    QTreeWidget vendedores;
    QTreeWidget comprobantes;
};

TEST_F(ListaAplicacionesPrueba, EveryVoucherOfTheSalespersonComesByCollectionWithCreditNotesNegative)
{
    cargar(QStringLiteral("12"), QStringLiteral("0001"));
    const QList<QStringList> esperadas = {
        {"FC", "000100000103A", "CLIENTE UNO SA", "28/02/2024", "75,25", "1.240,08", "1.500,50", "CB", "000100000010X",
         "1"},
        {"FC", "000100000101A", "CLIENTE DOS SRL", "01/03/2024", "85,00", "1.200,00", "1.410,00", "CB", "000100000011X",
         "2"},
        {"FC", "000100000102A", "CLIENTE DOS SRL", "15/02/2024", "15,00", "500,00", "605,00", "CB", "000100000011X",
         "3"},
        {"NC", "000200000003A", "CLIENTE UNO SA", "20/03/2024", "0,00", "-247,93", "-300,00", "NC", "000200000003A",
         "4"},
        {"Tot", "", "", "TOTALES", "175,25", "2.692,15", "3.215,50", "", "", "5"},
    };
    EXPECT_EQ(filasDe(comprobantes), esperadas);
    comprobarColumnas(comprobantes, fuente,
                      {{"TC", 6, false},
                       {"Comprobante", 13, false},
                       {"Razon Social", 16, false},
                       {"Fecha", 10, false},
                       {"Comision", 12, true},
                       {"Neto ", 12, true},
                       {"Total", 12, true},
                       {"CbTc", 6, false},
                       {"Cobranza", 13, false},
                       {"Id", 5, false}});
}

TEST_F(ListaAplicacionesPrueba, OnlyTheChosenSettlementAndSalespersonCount)
{
    cargar(QStringLiteral("7"), QStringLiteral("0001"));
    EXPECT_EQ(filasDe(comprobantes),
              (QList<QStringList>{{"FC", "000100000090A", "CLIENTE UNO SA", "10/01/2024", "9,00", "900,00", "999,00",
                                   "CB", "000100000001X", "1"},
                                  {"Tot", "", "", "TOTALES", "9,00", "900,00", "999,00", "", "", "2"}}));
    cargar(QStringLiteral("12"), QStringLiteral("0002"));
    EXPECT_EQ(filasDe(comprobantes).first().mid(1, 6),
              (QStringList{"000100000104A", "O'HARA SA", "09/03/2024", "61.728,39", "1.020.304,04", "1.234.567,89"}));
}

TEST_F(ListaAplicacionesPrueba, ASalespersonWhoseCollectionsPaidNothingLeavesTheHeadersOnly)
{
    cargar(QStringLiteral("12"), QStringLiteral("0001"));
    cargar(QStringLiteral("12"), QStringLiteral("0003"));
    EXPECT_EQ(comprobantes.topLevelItemCount(), 0);
    EXPECT_EQ(encabezadosDe(comprobantes).size(), 10);
}

TEST_F(ListaAplicacionesPrueba, AVoucherMissingFromTheVouchersTableStillGivesItsRow)
{
    db.execute(QStringLiteral("DELETE FROM V_MV_CPTE WHERE IdComprobante = '000100000103A'"));
    cargar(QStringLiteral("12"), QStringLiteral("0001"), QStringLiteral("CB"), QStringLiteral("000100000010X"));
    EXPECT_EQ(filasDe(comprobantes),
              (QList<QStringList>{{"FC", "000100000103A", "", "", "75,25", "0,00", "0,00", "CB", "000100000010X", "1"},
                                  {"Tot", "", "", "TOTALES", "75,25", "0,00", "0,00", "", "", "2"}}));
}

TEST_F(ListaAplicacionesPrueba, WithoutASelectedSalespersonTheListStaysAsItWas)
{
    cargar(QStringLiteral("12"), QStringLiteral("0001"));
    const QList<QStringList> antes = filasDe(comprobantes);
    vendedores.setCurrentItem(nullptr);
    try {
        ListaAplicaciones(comprobantes, fuente, *gBaseDatos).cargar(QStringLiteral("12"), vendedores, {}, {});
        ADD_FAILURE() << "the loader did not fail";
    } catch (const rt::RuntimeError &error) {
        EXPECT_EQ(error.Number, 91);
    }
    EXPECT_EQ(filasDe(comprobantes), antes);
}

} // namespace
