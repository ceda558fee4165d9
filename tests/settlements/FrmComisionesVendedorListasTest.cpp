// The settlement window's lists offscreen on the fixture settlements: the drill-down from
// salesperson to collection to voucher, the export caption following the focus, the key left
// for "Ver  Comprobante", the total rows, the loaded settlement kept apart from the number
// field and forgotten by "Cancelar", the column sort, and clicks that land while a list loads.

#include "PruebaVentanaComandos.h"

#include "platform/ui/EventBeat.h"
#include "session/Dll_Display.h"
#include "session/Lbf_CtrlDisplay.h"
#include "settlements/FrmComisionesVendedor.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>

namespace {

class ListasVentana : public PruebaVentanaComandos {
protected:
    QString caption() const { return textoDe(QStringLiteral("CmdExportaExcelLV")); }
    QString estado() const { return textoDe(QStringLiteral("lblEstado")); }
    QStringList total(int n) const { return filasDe(*lista(n)).last(); }

    // The second click of a double-click, as the window system hands the user's second press on:
    // a press, a double-click event and the release.
    void segundoClic(QTreeWidget *lista, const QString &texto0, const QString &texto1 = {})
    {
        for (int i = 0; i < lista->topLevelItemCount(); ++i) {
            const QTreeWidgetItem *item = lista->topLevelItem(i);
            if (item->text(0) != texto0 || (!texto1.isEmpty() && item->text(1) != texto1))
                continue;
            const QPoint punto = lista->visualItemRect(item).center();
            QTest::mousePress(lista->viewport(), Qt::LeftButton, {}, punto);
            QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, punto);
            QTest::mouseRelease(lista->viewport(), Qt::LeftButton, {}, punto);
            return;
        }
        ADD_FAILURE() << "no row " << texto0.toStdString() << " in " << lista->objectName().toStdString();
    }

    // Each list's column `columna`: the row ordinal "Id" counts each row once, so a row listed
    // twice shows its number twice.
    QStringList columna(int n, int columna) const
    {
        QStringList textos;
        for (const QStringList &fila : filasDe(*lista(n)))
            textos << fila.at(columna);
        return textos;
    }

    static QStringList ordinales(int filas)
    {
        QStringList numeros;
        for (int i = 1; i <= filas; ++i)
            numeros << QString::number(i);
        return numeros;
    }

    QList<QList<QStringList>> listas() const
    {
        return {filasDe(*lista(1)), filasDe(*lista(2)), filasDe(*lista(3)), filasDe(*lista(5))};
    }
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

TEST_F(ListasVentana, AClickWhileAListLoadsLeavesEachListWithEachOfItsRowsOnce)
{
    struct Caso {
        const char *nombre;
        std::function<void()> antes, primero, segundo;
        // Rows of ListView1, ListView2, ListView3 and ListView5; the list whose export is read.
        QList<int> filas;
        int exportada;
        QString estado;
    };
    const auto vendedor = [this](const char *codigo) { return [this, codigo] { clicFila(lista(1), codigo); }; };
    const auto cobranza = [this](const char *numero) { return [this, numero] { clicFila(lista(2), "CB", numero); }; };
    const auto comprobante = [this](const char *numero) {
        return [this, numero] { clicFila(lista(3), "FC", numero); };
    };
    const QString inicial = QStringLiteral("...");
    // A double-click on a collection or a voucher is one click to the list: only a second click
    // of its own loads the lists below again.
    const Caso casos[] = {
        {"a double-click on a salesperson",
         [] {},
         vendedor("0001"),
         [this] { segundoClic(lista(1), "0001"); },
         {5, 4, 5, 7},
         2,
         inicial},
        {"a click on a salesperson while another's collections load",
         [] {},
         vendedor("0002"),
         vendedor("0001"),
         {5, 4, 5, 7},
         2,
         inicial},
        {"a click on a collection while another's vouchers load",
         vendedor("0001"),
         cobranza("000100000010X"),
         cobranza("000100000011X"),
         {5, 4, 3, 5},
         3,
         "CB  000100000011X  "},
        {"a click on a voucher while another's lines load",
         [vendedor, cobranza] {
             vendedor("0001")();
             cobranza("000100000011X")();
         },
         comprobante("000100000101A"),
         comprobante("000100000102A"),
         {5, 4, 3, 3},
         5,
         "FC  000100000102A  "},
        {"Cargar Liquidacion while a salesperson's collections load",
         [] {},
         vendedor("0001"),
         [this] { QTest::mouseClick(boton("CmdGenerar"), Qt::LeftButton); },
         {5, 0, 0, 0},
         1,
         inicial},
    };
    const int columnaId[] = {-1, 14, 9, 16};
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.nombre);
        ventana->Inicializa();
        boton("cmdCancelar")->click();
        control<QLabel>("lblEstado")->setText(inicial);
        confirmarNumero("12");
        caso.antes();
        // The first click's query lets the window's events in once the event beat is due: the
        // second click, queued, comes then, in the middle of the first one's load.
        QTest::qWait(static_cast<int>(ui::EventBeat::IntervalMs));
        bool dentro = false;
        QMetaObject::invokeMethod(
            ventana.get(),
            [&] {
                dentro = true;
                caso.segundo();
            },
            Qt::QueuedConnection);
        caso.primero();
        ASSERT_TRUE(dentro) << "the second click came after the first one's load";

        const int n[] = {1, 2, 3, 5};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(lista(n[i])->topLevelItemCount(), caso.filas.at(i)) << "ListView" << n[i];
            if (columnaId[i] >= 0 && caso.filas.at(i) > 0) {
                EXPECT_EQ(columna(n[i], columnaId[i]), ordinales(caso.filas.at(i))) << "ListView" << n[i];
            }
        }
        EXPECT_EQ(columna(1, 0), (QStringList{"0001", "0002", "0003", "0099", "Tot"}));
        EXPECT_EQ(estado(), caso.estado);
        const auto mostradas = listas();
        caso.segundo();
        EXPECT_EQ(listas(), mostradas) << "the lists are those of the last row chosen";

        lista(caso.exportada)->setFocus();
        const auto libro = exportar();
        ASSERT_TRUE(libro);
        const QTreeWidget &exportada = *lista(caso.exportada);
        EXPECT_EQ(columnaLibro(*libro, "A"), QStringList{exportada.headerItem()->text(0)} + primeraColumna(exportada));
        // The ordinal "Id" of the lists below the salespersons, stored as a number.
        const int ultima = exportada.columnCount() - 1;
        if (caso.exportada != 1) {
            EXPECT_EQ(columnaLibro(*libro, QString(QChar('A' + ultima))),
                      QStringList{exportada.headerItem()->text(ultima)} + columna(caso.exportada, ultima));
        }
    }

    SCOPED_TRACE("a click on a salesperson while the export writes the collections");
    clicFila(lista(1), "0001");
    lista(2)->setFocus();
    const QList<QStringList> cobranzas = filasDe(*lista(2));
    // The click comes once the banner shows the first collection's number: the export is writing it.
    bool exportando = true;
    bool clicado = false;
    std::function<void()> clicAlEscribir = [&] {
        if (!exportando)
            return;
        const Lbf_CtrlDisplay *cartel = gCartel.exists() ? gCartel->ventanaActual() : nullptr;
        if (cartel && cartel->LblCtrol(2)->text() == "000100000011X") {
            clicado = true;
            clicFila(lista(1), "0002");
            return;
        }
        QMetaObject::invokeMethod(ventana.get(), clicAlEscribir, Qt::QueuedConnection);
    };
    QMetaObject::invokeMethod(ventana.get(), clicAlEscribir, Qt::QueuedConnection);
    const auto libro = exportar();
    exportando = false;
    QCoreApplication::processEvents();
    ASSERT_TRUE(clicado) << "the export ended before writing the first collection";
    ASSERT_TRUE(libro);
    EXPECT_EQ(filasDe(*lista(2)), cobranzas) << "the window took no click while the export ran";
    EXPECT_EQ(columnaLibro(*libro, "A"), (QStringList{"CbTc", "CB", "CB", "NC", "Tot"}));
    EXPECT_EQ(columnaLibro(*libro, "O"), (QStringList{"Id", "1", "2", "3", "4"}));
}

} // namespace
