#include "PruebaComponentes.h"

#include "components/ModExportarExcel.h"
#include "db/Conexiones.h"
#include "db/DB_Dll.h"
#include "session/Dll_Display.h"
#include "session/Lbf_CtrlDisplay.h"
#include "support/PruebaCore.h"
#include "support/TestDatabase.h"
#include "support/XlsxReader.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <optional>

using support::BoxMatch;

namespace {

const QString Consulta = QStringLiteral(
    "SELECT ID, Codigo, Nombre, Cantidad, Importe, Precio, Alta, FhUltimoCosto, Hora FROM EXPORTA ORDER BY ID");

// Three rows on the program's own connection: values of every kind, then a row of Nulls.
class ExportarConsulta : public PruebaExportacion {
protected:
    ExportarConsulta()
    {
        db.execute("CREATE TABLE EXPORTA (ID int, Codigo varchar(10), Nombre varchar(40), Cantidad int, Importe money, "
                   "Precio float, Alta datetime, FhUltimoCosto datetime, Hora varchar(8), Notas varchar(30000))");
        db.execute("INSERT INTO EXPORTA VALUES (1, '0001', 'Tornillo', 5, 1234.5, 2.25, '15/05/2024', "
                   "'15/05/2024 10:30', '10:30', 'a')");
        db.execute("INSERT INTO EXPORTA VALUES (2, 'A2', 'Tuerca', 0, 0, -1.5, '16/05/2024 08:15:00', '16/05/2024', "
                   "'n/a', 'b')");
        db.execute("INSERT INTO EXPORTA VALUES (3, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL)");
        abrirBaseDemo(temporal.filePath("QVERR.LOG"));
    }
    ~ExportarConsulta() override { gBaseDatos.reset(); }

    // Exports to the screen and reads back the one workbook shown.
    std::optional<XlsxReader> mostrar(QString sql, const QString &titulo = {}, const QString &subtitulo = {},
                                      const QString &totales = {})
    {
        ExportarExcelPorRS(sql, true, titulo, subtitulo, {}, nullptr, 0, totales);
        const QStringList libros = librosMostrados();
        if (libros.size() != 1) {
            ADD_FAILURE() << "workbooks shown: " << libros.size();
            return std::nullopt;
        }
        return XlsxReader(libros.front());
    }

    QString archivo(const QString &nombre) const { return temporal.filePath(nombre); }

    void escribirArchivo(const QString &ruta, const QByteArray &contenido)
    {
        QFile file(ruta);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contenido);
    }

    QByteArray leerArchivo(const QString &ruta)
    {
        QFile file(ruta);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    TestDatabase db;
    QTemporaryDir temporal;
};

struct Celda {
    const char *referencia;
    const char *tipo; // "" number, "s" text
    const char *valor;
    const char *formato;
};

void revisarCeldas(const XlsxReader &libro, std::initializer_list<Celda> celdas)
{
    for (const Celda &celda : celdas) {
        const XlsxReader::Cell leida = libro.cell(celda.referencia);
        EXPECT_EQ(leida.type, celda.tipo) << celda.referencia;
        const QString valor = leida.type == "s" ? libro.text(celda.referencia) : leida.value;
        EXPECT_EQ(valor, celda.valor) << celda.referencia;
        EXPECT_EQ(libro.style(celda.referencia).numberFormat, celda.formato) << celda.referencia;
    }
}

TEST_F(ExportarConsulta, EachFieldTypeGetsItsCellFormatAndOddRowsAreBanded)
{
    const auto libro = mostrar(Consulta);
    ASSERT_TRUE(libro);
    revisarCeldas(*libro, {
                              {"A1", "s", "Codigo", "General"},
                              {"H1", "s", "Hora", "General"},
                              {"A2", "s", "0001", "@"},
                              {"A3", "s", "A2", "General"},
                              {"B2", "s", "Tornillo", "General"},
                              {"C2", "", "5", "General"},
                              {"C3", "", "0", "General"},
                              {"D2", "", "1234.5", "#,##0.00"},
                              {"D3", "", "0", "#,##0.00"},
                              {"E2", "", "2.25", "General"},
                              {"E3", "", "-1.5", "General"},
                              {"F2", "", "45427", "dd/mm/yyyy"},
                              {"F3", "", "45428.34375", "dd/mm/yyyy hh:mm:ss"},
                              {"G2", "", "45427", "dd/mm/yyyy"},
                              {"G3", "", "45428", "dd/mm/yyyy"},
                              {"H2", "", "0.4375", "hh:mm:ss"},
                              {"H3", "s", "n/a", "General"},
                          });
    EXPECT_FALSE(libro->cell("I1").present) << "the field ID is left out";

    // Nulls leave empty cells with the format of their type.
    for (const char *celda : {"A4", "C4", "D4", "F4"})
        EXPECT_TRUE(libro->cell(celda).value.isEmpty()) << celda;
    EXPECT_EQ(libro->style("A4").numberFormat, "@");
    EXPECT_EQ(libro->style("D4").numberFormat, "#,##0.00");
    EXPECT_EQ(libro->style("C4").numberFormat, "General");

    // Odd rows are banded in grey.
    EXPECT_TRUE(libro->style("A2").fill.isEmpty());
    EXPECT_EQ(libro->style("A3").fill, "FFC0C0C0");
    EXPECT_EQ(libro->style("H3").fill, "FFC0C0C0");
    EXPECT_TRUE(libro->style("A4").fill.isEmpty());
}

TEST_F(ExportarConsulta, TotalsSumTheDataRowsUnderAHeadingOnRowOne)
{
    const auto libro = mostrar(Consulta, {}, {}, "Cantidad,Importe, Precio,cantidad,Importe");
    ASSERT_TRUE(libro);
    EXPECT_EQ(libro->cell("C5").formula, "SUM(C2:C4)");
    EXPECT_EQ(libro->cell("C5").value, "5");
    EXPECT_TRUE(libro->style("C5").bold);
    EXPECT_EQ(libro->cell("D5").formula, "SUM(D2:D4)");
    EXPECT_EQ(libro->cell("D5").value, "1234.5");
    EXPECT_FALSE(libro->cell("E5").present) << "a name with a blank before it matches no field";
}

TEST_F(ExportarConsulta, TitleAndSubtitleMoveTheHeadingAndTheTotalsDown)
{
    const auto libro = mostrar(Consulta, "Ventas", "Mayo", "Cantidad");
    ASSERT_TRUE(libro);
    EXPECT_EQ(libro->text("B1"), "Ventas");
    EXPECT_TRUE(QRegularExpression(R"(^\d\d/\d\d$)").match(libro->text("H1")).hasMatch())
        << libro->text("H1").toStdString();
    EXPECT_EQ(libro->text("A2"), "Mayo");
    EXPECT_EQ(libro->text("A3"), "Codigo");
    EXPECT_EQ(libro->text("A4"), "0001");
    for (const char *celda : {"B1", "H1", "A2"}) {
        EXPECT_EQ(libro->style(celda).fontColor, "FFFF0000") << celda;
        EXPECT_TRUE(libro->style(celda).bold) << celda;
        EXPECT_EQ(libro->style(celda).fontSize, 11) << celda;
    }
    EXPECT_EQ(libro->cell("C7").formula, "SUM(C4:C6)");
    EXPECT_EQ(libro->cell("C7").value, "5");
}

TEST_F(ExportarConsulta, WidthsComeFromTheDefinedSizesWithinTheSheetsLimit)
{
    const auto libro = mostrar("SELECT Notas, Codigo, Nombre FROM EXPORTA");
    ASSERT_TRUE(libro);
    EXPECT_GE(libro->columnWidth(1), 255.0);
    EXPECT_LT(libro->columnWidth(1), 256.0);
    EXPECT_GE(libro->columnWidth(2), 500.0 / 90);
    EXPECT_LT(libro->columnWidth(2), 500.0 / 90 + 1);
    EXPECT_EQ(libro->columnWidth(3), -1.0) << "the last column keeps the default width";
}

TEST_F(ExportarConsulta, TotalsPastTheFiftySecondColumnNameTheRightColumn)
{
    QStringList columnas;
    for (int numero = 1; numero <= 54; ++numero)
        columnas << QStringLiteral("%1 AS c%1").arg(numero);
    const auto libro = mostrar("SELECT " + columnas.join(", ") + " FROM EXPORTA", {}, {}, "c54");
    ASSERT_TRUE(libro);
    EXPECT_EQ(libro->text("BB1"), "c54");
    EXPECT_EQ(libro->cell("BB5").formula, "SUM(BB2:BB4)");
    EXPECT_EQ(libro->cell("BB5").value, "162");
}

TEST_F(ExportarConsulta, TheBannerCountsTheRowsAndCancelKeepsWhatWasWritten)
{
    const QString destino = archivo("cancelado.xlsx");
    TestigoCartel testigo;
    QTimer cancelador;
    QObject::connect(&cancelador, &QTimer::timeout, [&] {
        Lbf_CtrlDisplay *cartel = gCartel.exists() ? gCartel->ventanaActual() : nullptr;
        if (cartel && cartel->LblCtrol(2)->text() == "2 de 3")
            cartel->CmdDisplayCancelar()->click();
    });
    cancelador.start(0);
    QString sql = Consulta;

    ExportarExcelPorRS(sql, false, {}, {}, destino, nullptr, 0, "Cantidad");

    EXPECT_TRUE(testigo.vio("1 de 3"));
    const XlsxReader libro(destino);
    EXPECT_TRUE(libro.cell("H2").present) << "the first row is whole";
    EXPECT_EQ(libro.text("A3"), "A2") << "the cell written while the click was taken stays";
    EXPECT_FALSE(libro.cell("B3").present);
    EXPECT_FALSE(libro.cell("C4").present);
    EXPECT_FALSE(libro.cell("C5").present) << "no totals after a cancel";
    EXPECT_TRUE(librosMostrados().isEmpty());
    EXPECT_EQ(gCartel->ventanaActual(), nullptr);
}

TEST_F(ExportarConsulta, SavingReplacesTheNamedFileOnlyWhenANewOneIsWritten)
{
    const QString destino = archivo("libro.xlsx");
    escribirArchivo(destino, "del usuario");

    QString sinFilas = "SELECT Codigo FROM EXPORTA WHERE 1 = 0";
    ExportarExcelPorRS(sinFilas, false, {}, {}, destino, nullptr, 0, {});
    EXPECT_EQ(leerArchivo(destino), "del usuario") << "no rows: nothing is written in its place";

    QString sql = Consulta;
    ExportarExcelPorRS(sql, true, {}, {}, destino, nullptr, 0, {});
    EXPECT_EQ(leerArchivo(destino), "del usuario") << "a preview writes no file";
    EXPECT_EQ(librosMostrados().size(), 1);

    ExportarExcelPorRS(sql, false, {}, {}, destino, nullptr, 0, {});
    EXPECT_EQ(XlsxReader(destino).text("B2"), "Tornillo");
    EXPECT_EQ(librosMostrados().size(), 1);
    EXPECT_TRUE(dialogos.shown().empty());
}

TEST_F(ExportarConsulta, AFileThatCannotBeWrittenIsReported)
{
    dialogos.expectMsgBox(BoxMatch::textContaining("No se pudo exportar a Excel.\n").withTitle("Aviso al operador"));
    QString sql = Consulta;
    ExportarExcelPorRS(sql, false, {}, {}, archivo("no/existe/libro.xlsx"), nullptr, 0, {});
    dialogos.verify();
    EXPECT_EQ(dialogos.shown().back().style & 0xF0, ui::vbCritical);
    EXPECT_FALSE(gAppExcel);
    EXPECT_EQ(gCartel->ventanaActual(), nullptr);
}

TEST_F(ExportarConsulta, AStatementThatDoesNotOpenIsReported)
{
    dialogos.expectMsgBox(BoxMatch::textContaining("Ha ocurrido el Siguiente Error"), ui::vbAbort);
    dialogos.expectMsgBox(
        BoxMatch::text("No se pudo exportar a Excel.\nLa consulta no se pudo abrir.").withTitle("Aviso al operador"));
    QString sql = "SELECT * FROM NO_EXISTE";
    ExportarExcelPorRS(sql, true, {}, {}, {}, nullptr, 0, {});
    dialogos.verify();
    EXPECT_TRUE(librosMostrados().isEmpty());
}

TEST_F(ExportarConsulta, ProgressOnAPictureUsesNoBanner)
{
    QLabel picture;
    picture.resize(200, 20);
    QString sql = Consulta;
    ExportarExcelPorRS(sql, true, "Ventas", {}, {}, &picture, 0, {});
    EXPECT_FALSE(picture.pixmap().isNull());
    EXPECT_FALSE(gCartel.exists());
    EXPECT_EQ(librosMostrados().size(), 1);
}

} // namespace
