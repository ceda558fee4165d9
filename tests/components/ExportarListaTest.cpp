#include "PruebaComponentes.h"

#include "components/ModExportarExcel.h"
#include "session/Dll_Display.h"
#include "support/XlsxReader.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <optional>

namespace {

// A list as the settlement window builds it: five columns, the last one 3 pixels wide (a key
// the user does not see), widths in pixels.
class ExportarLista : public PruebaExportacion {
protected:
    ExportarLista()
    {
        lista.setObjectName("ListView2");
        lista.setColumnCount(5);
        lista.setHeaderLabels({"Codigo", "Nombre", "Fecha", "Importe", "Clave"});
        lista.header()->setStretchLastSection(false);
        lista.header()->setMinimumSectionSize(1);
        const int anchos[] = {60, 150, 90, 120, 3};
        for (int columna = 0; columna < 5; ++columna)
            lista.setColumnWidth(columna, anchos[columna]);
    }

    QTreeWidgetItem *agregar(const QStringList &textos) { return new QTreeWidgetItem(&lista, textos); }

    // Exports and reads back the one workbook shown.
    std::optional<XlsxReader> exportar(bool vistaPrevia = false, bool soloMarcados = false, qint16 columnaFecha = -1)
    {
        ExportarListViewExcel(&lista, vistaPrevia, soloMarcados, columnaFecha, -1, -1);
        const QStringList libros = librosMostrados();
        if (libros.size() != 1) {
            ADD_FAILURE() << "workbooks shown: " << libros.size();
            return std::nullopt;
        }
        return XlsxReader(libros.front());
    }

    QTreeWidget lista;
};

TEST_F(ExportarLista, TheHeadingRowHoldsTheVisibleColumnsAndOneEmptyCell)
{
    agregar({"1", "Juan", "x", "y", "k"});
    const auto libro = exportar();
    ASSERT_TRUE(libro);

    const char *titulos[][2] = {{"A1", "Codigo"}, {"B1", "Nombre"}, {"C1", "Fecha"}, {"D1", "Importe"}};
    for (const auto &[celda, titulo] : titulos)
        EXPECT_EQ(libro->text(celda), titulo) << celda;
    EXPECT_FALSE(libro->cell("E1").value.size()) << "the cell after the last heading is empty";
    EXPECT_FALSE(libro->cell("F1").present) << "a column of 50 twips or less is not exported";
    EXPECT_FALSE(libro->cell("E2").present);
    for (const char *celda : {"A1", "D1", "E1"}) {
        const XlsxReader::Style estilo = libro->style(celda);
        EXPECT_TRUE(estilo.bold) << celda;
        EXPECT_TRUE(estilo.border) << celda;
        EXPECT_EQ(estilo.fontColor, "FFFFFFFF") << celda;
        EXPECT_EQ(estilo.fill, "FF0000FF") << celda;
        EXPECT_EQ(estilo.fontSize, 11) << celda;
    }
    EXPECT_FALSE(libro->style("A2").bold);
}

TEST_F(ExportarLista, ColumnsTakeTheListWidthsInCharacters)
{
    agregar({"1", "Juan", "x", "y", "k"});
    const auto libro = exportar();
    ASSERT_TRUE(libro);
    // Pixels of 15 twips, 90 twips to a character.
    const std::pair<int, double> anchos[] = {{1, 10.0}, {2, 25.0}, {3, 15.0}, {4, 20.0}};
    for (const auto &[columna, ancho] : anchos) {
        EXPECT_GE(libro->columnWidth(columna), ancho) << columna;
        EXPECT_LT(libro->columnWidth(columna), ancho + 1) << columna;
    }
    EXPECT_EQ(libro->columnWidth(5), -1.0);
    EXPECT_FALSE(libro->landscape());
    EXPECT_TRUE(QFileInfo(librosMostrados().front()).fileName().startsWith("ListView2 "));
}

TEST_F(ExportarLista, AmountsBecomeNumbersAndDatesBecomeDates)
{
    agregar({"  7 ", " Juan ", "15/05/2024", "1.234,50", "k"});
    agregar({"8", "Ana", "", "0,00", ""});
    agregar({"9", "Luis", "16/05/2024 10:30", "-10,5", ""});
    agregar({"0012", "Pedro", "2024", "abc", ""});
    const auto libro = exportar();
    ASSERT_TRUE(libro);

    EXPECT_EQ(libro->text("A2"), "7") << "the first column is the item's text, trimmed";
    EXPECT_EQ(libro->text("A5"), "0012");
    EXPECT_EQ(libro->text("B2"), "Juan");

    struct Numero {
        const char *celda;
        const char *valor;
        const char *formato;
    };
    const Numero numeros[] = {
        {"D2", "1234.5", "#,##0.00"},
        {"D3", "0", "#,##0.00"},
        {"D4", "-10.5", "#,##0.00"},
        {"C2", "45427", "dd/mm/yyyy"},
        {"C4", "45428.4375", "dd/mm/yyyy hh:mm:ss"},
        {"C5", "2024", "#,##0.00"},
    };
    for (const Numero &numero : numeros) {
        EXPECT_EQ(libro->cell(numero.celda).type, "") << numero.celda << " is a number";
        EXPECT_EQ(libro->cell(numero.celda).value, numero.valor) << numero.celda;
        EXPECT_EQ(libro->style(numero.celda).numberFormat, numero.formato) << numero.celda;
    }
    EXPECT_EQ(libro->text("D5"), "abc");
    EXPECT_EQ(libro->style("D5").numberFormat, "General");
    EXPECT_TRUE(libro->cell("C3").value.isEmpty());
}

TEST_F(ExportarLista, DateColumnsAreFormattedAndTheSheetFitted)
{
    agregar({"1", "Ana", "x", "y", ""});
    const auto libro = exportar(false, false, 3);
    ASSERT_TRUE(libro);
    EXPECT_EQ(libro->style("C2").numberFormat, "dd/mm/yyyy");
    EXPECT_LT(libro->columnWidth(2), 25.0) << "the list width gives way to the fitted one";
}

TEST_F(ExportarLista, AHiddenColumnIsLeftOut)
{
    agregar({"1", "Juan", "x", "y", "k"});
    lista.setColumnHidden(1, true);
    const auto libro = exportar();
    ASSERT_TRUE(libro);
    EXPECT_EQ(libro->text("B1"), "Fecha");
    EXPECT_EQ(libro->text("B2"), "x");
    EXPECT_FALSE(libro->cell("E1").present);
}

TEST_F(ExportarLista, OnlyCheckedItemsFillRowsOneAfterAnother)
{
    for (int numero = 1; numero <= 5; ++numero) {
        QTreeWidgetItem *item = agregar({QString::number(numero), "n"});
        item->setCheckState(0, numero == 2 || numero == 4 ? Qt::Checked : Qt::Unchecked);
    }
    const auto libro = exportar(false, true);
    ASSERT_TRUE(libro);
    EXPECT_EQ(libro->text("A2"), "2");
    EXPECT_EQ(libro->text("A3"), "4");
    EXPECT_FALSE(libro->cell("A4").present);
}

TEST_F(ExportarLista, AMovedColumnKeepsItsHeadingWidthAndCellsTogether)
{
    agregar({"1", "Juan", "", "5,00", ""});
    lista.header()->moveSection(3, 0);
    lista.header()->moveSection(4, 1);
    const auto libro = exportar();
    ASSERT_TRUE(libro);
    EXPECT_EQ(libro->text("A1"), "Importe");
    EXPECT_EQ(libro->cell("A2").value, "5");
    EXPECT_EQ(libro->text("B1"), "Codigo");
    EXPECT_EQ(libro->text("B2"), "1");
    EXPECT_GE(libro->columnWidth(1), 20.0);
    EXPECT_LT(libro->columnWidth(1), 21.0);
}

TEST_F(ExportarLista, AnEmptyListIsShownWithItsHeadingsInLandscapeForPreview)
{
    gTituloExcel = "de una consulta anterior";
    gSubtituloExcel = "tampoco";
    const auto libro = exportar(true);
    ASSERT_TRUE(libro);
    EXPECT_EQ(libro->text("A1"), "Codigo");
    EXPECT_FALSE(libro->cell("A2").present);
    EXPECT_TRUE(libro->landscape());
    EXPECT_FALSE(gAppExcel) << "the workbook is released";
}

TEST_F(ExportarLista, TheBannerShowsEachCellAndThenWhereTheWorkbookWent)
{
    agregar({"1", " Juan ", "", "", ""});
    TestigoCartel testigo;
    ASSERT_TRUE(exportar());
    EXPECT_TRUE(testigo.vio("Exportando a Excel"));
    EXPECT_TRUE(testigo.vio("Espere Por Favor"));
    EXPECT_TRUE(testigo.vio("Juan"));
    EXPECT_TRUE(testigo.vio("Libro de Excel guardado en:"));
    EXPECT_TRUE(testigo.vio(librosMostrados().front()));
    EXPECT_EQ(gCartel.exists() ? gCartel->ventanaActual() : nullptr, nullptr) << "the banner is closed";
}

TEST_F(ExportarLista, AWorkbookThatCannotBeSavedIsReported)
{
    agregar({"1", "Juan", "", "", ""});
    // The documents folder cannot be made where a file stands.
    QFile estorbo(casa.filePath("Documents"));
    ASSERT_TRUE(estorbo.open(QIODevice::WriteOnly));
    estorbo.close();
    dialogos.expectMsgBox(
        support::BoxMatch::textContaining("No se pudo exportar a Excel.").withTitle("Aviso al operador"));
    ExportarListViewExcel(&lista, true, false, -1, -1, -1);
    dialogos.verify();
    EXPECT_FALSE(gAppExcel);
}

} // namespace
