// The article detail list of a stored settlement, filled by its loader on the fixture
// settlement, without the window; its error handler is the program's error dialog, answered by
// the scripted dialogs.

#include "PruebaComandos.h"

#include "db/Conexiones.h"
#include "session/ObjetosExternos.h"
#include "settlements/ListaDetalle.h"
#include "settlements/ListaVendedores.h"
#include "support/ColumnasLista.h"

#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

const QStringList LineaA005 = {"FC",       "000100000103A", "28/02/2024", "A005",         "ARTICULO CINCO", "1,00",
                               "1.500,50", "21,00",         "1.240,08",   "2,50",         "1.209,08",       "75,25",
                               "6,22",     "0001",          "CB",         "000100000010X"};
const QStringList LineaA001 = {"FC",     "000100000101A", "01/03/2024", "A001",         "ARTICULO UNO", "2,00",
                               "605,00", "21,00",         "500,00",     "0,00",         "500,00",       "50,00",
                               "10,00",  "0001",          "CB",         "000100000011X"};
const QStringList LineaA002 = {"FC",     "000100000101A", "01/03/2024", "A002",         "ARTICULO DOS", "1,00",
                               "847,00", "21,00",         "700,00",     "0,00",         "700,00",       "35,00",
                               "5,00",   "0001",          "CB",         "000100000011X"};
const QStringList LineaA003 = {"FC",     "000100000102A", "15/02/2024", "A003",         "ARTICULO TRES", "3,00",
                               "363,00", "21,00",         "300,00",     "0,00",         "300,00",        "15,00",
                               "5,00",   "0001",          "CB",         "000100000011X"};
const QStringList LineaA004 = {"FC",     "000100000102A", "15/02/2024", "A004",         "",       "1,00",
                               "242,00", "21,00",         "200,00",     "0,00",         "200,00", "0,00",
                               "0,00",   "0001",          "CB",         "000100000011X"};
const QStringList LineaNota = {"NC",      "000200000003A", "20/03/2024", "A001",         "ARTICULO UNO", "1,00",
                               "-300,00", "21,00",         "-247,93",    "0,00",         "-247,93",      "0,00",
                               "0,00",    "0001",          "NC",         "000200000003A"};

QStringList conId(QStringList linea, int id)
{
    return linea << QString::number(id);
}

// A total row: its five sums and its ordinal.
QStringList total(const QStringList &sumas, int id)
{
    return {"Tot",       "",          "", "", "TOTALES", sumas.at(0), sumas.at(1),        "", sumas.at(2), "",
            sumas.at(3), sumas.at(4), "", "", "",        "",          QString::number(id)};
}

class ListaDetallePrueba : public PruebaComandos {
protected:
    void elegirVendedor(const QString &numero, const QString &codigo)
    {
        ListaVendedores(vendedores, fuente, *gBaseDatos).cargar(numero);
        const auto encontrados = vendedores.findItems(codigo, Qt::MatchExactly, 0);
        ASSERT_EQ(encontrados.size(), 1) << codigo.toStdString();
        vendedores.setCurrentItem(encontrados.first());
    }

    void cargar(const QString &numero, const QString &cbtc = {}, const QString &idCobranza = {}, const QString &tc = {},
                const QString &idComprobante = {})
    {
        ListaDetalle(detalle, fuente, *gBaseDatos, [](const rt::RuntimeError &error) {
            return gUtil->TratarError(error);
        }).cargar(numero, vendedores, cbtc, idCobranza, tc, idComprobante);
    }

    void esperarError(long numero, int respuesta)
    {
        dialogos.expectMsgBox(
            support::BoxMatch::textContaining(QStringLiteral("Ha ocurrido el Siguiente Error (%1)").arg(numero)),
            respuesta);
    }

    QFont fuente{QStringLiteral("Sans"), 9};
    QTreeWidget vendedores;
    QTreeWidget detalle;
};

TEST_F(ListaDetallePrueba, EveryLineOfTheSalespersonComesByCollectionAndVoucherWithTheSums)
{
    elegirVendedor("12", "0001");
    cargar("12");
    const QList<QStringList> esperadas = {
        conId(LineaA005, 1),
        conId(LineaA001, 2),
        conId(LineaA002, 3),
        conId(LineaA003, 4),
        conId(LineaA004, 5),
        conId(LineaNota, 6),
        total({"9,00", "3.257,50", "2.692,15", "2.661,15", "175,25"}, 7),
    };
    EXPECT_EQ(filasDe(detalle), esperadas);
    comprobarColumnas(detalle, fuente,
                      {{"TC", 6, false},
                       {"Comprobante", 13, false},
                       {"Fecha", 10, false},
                       {"Articulo", 13, false},
                       {"Descripcion", 18, false},
                       {"Cantidad", 12, true},
                       {"Vta ConIVA", 12, true},
                       {"Alicuota", 8, true},
                       {"Valor Vta  ", 12, true},
                       {"Dto.Cobranza", 8, true},
                       {"Importe Neto", 12, true},
                       {"Importe Comision", 12, true},
                       {"% Comision", 6, true},
                       {"Lista", 6, false},
                       {"CbTc", 6, false},
                       {"Cobranza", 13, false},
                       {"Id", 5, false}});
}

TEST_F(ListaDetallePrueba, AVoucherAloneNarrowsTheLinesWithoutACollection)
{
    elegirVendedor("12", "0001");
    cargar("12", "", "", "FC", "000100000103A");
    EXPECT_EQ(filasDe(detalle), (QList<QStringList>{conId(LineaA005, 1),
                                                    total({"1,00", "1.500,50", "1.240,08", "1.209,08", "75,25"}, 2)}));
}

TEST_F(ListaDetallePrueba, ACreditNoteAmongTheCollectionsDoesNotNarrowTheLines)
{
    elegirVendedor("12", "0001");
    for (const char *tipo : {"NC", "nc", "NCFP", "Ncfp"}) {
        SCOPED_TRACE(tipo);
        cargar("12", tipo, "000200000003A");
        EXPECT_EQ(detalle.topLevelItemCount(), 7);
    }
}

TEST_F(ListaDetallePrueba, AnEmptyNumberLeavesTheListAsItWas)
{
    elegirVendedor("12", "0001");
    cargar("12");
    const QList<QStringList> antes = filasDe(detalle);
    for (const char *numero : {"", "   "}) {
        cargar(numero);
        EXPECT_EQ(filasDe(detalle), antes) << '"' << numero << '"';
    }
}

TEST_F(ListaDetallePrueba, AMissingVoucherDateGoesToTheErrorDialogAndIgnoreLeavesTheCellEmpty)
{
    db.execute("DELETE FROM V_MV_CPTE WHERE IdComprobante = '000100000101A'");
    elegirVendedor("12", "0001");
    esperarError(94, ui::vbIgnore);
    esperarError(94, ui::vbIgnore);
    cargar("12", "CB", "000100000011X");
    dialogos.verify();
    QStringList sinFecha = conId(LineaA001, 1);
    sinFecha[2] = QString();
    ASSERT_EQ(detalle.topLevelItemCount(), 5);
    EXPECT_EQ(filasDe(detalle).first(), sinFecha);
    EXPECT_EQ(filasDe(detalle).last().first(), QStringLiteral("Tot"));
}

TEST_F(ListaDetallePrueba, LeavingAtAnErrorKeepsTheRowsAddedSoFarWithoutTotal)
{
    db.execute("DELETE FROM V_MV_CPTE WHERE IdComprobante = '000100000102A'");
    elegirVendedor("12", "0001");
    esperarError(94, ui::vbAbort);
    cargar("12", "CB", "000100000011X");
    dialogos.verify();
    EXPECT_EQ(filasDe(detalle), (QList<QStringList>{conId(LineaA001, 1), conId(LineaA002, 2)}));
}

TEST_F(ListaDetallePrueba, RetryRunsTheFailingStatementAgain)
{
    elegirVendedor("12", "0001");
    cargar("12", "CB", "000100000010X");
    const QList<QStringList> antes = filasDe(detalle);
    vendedores.setCurrentItem(nullptr);
    esperarError(91, ui::vbRetry);
    esperarError(91, ui::vbAbort);
    cargar("12");
    dialogos.verify();
    EXPECT_EQ(filasDe(detalle), antes) << "the list is not touched without a salesperson";
}

TEST_F(ListaDetallePrueba, AStatementTheDatabaseRefusesLeavesTheHeadersOnly)
{
    elegirVendedor("12", "0001");
    cargar("12");
    dialogos.expectMsgBox(support::BoxMatch::textContaining("Ha ocurrido el Siguiente Error"), ui::vbAbort);
    esperarError(3704, ui::vbIgnore);
    cargar("12 x");
    dialogos.verify();
    EXPECT_EQ(detalle.topLevelItemCount(), 0);
    EXPECT_EQ(detalle.columnCount(), 17);
}

} // namespace
