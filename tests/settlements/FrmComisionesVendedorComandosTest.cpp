// The settlement window's commands offscreen on the fixture settlements, with scripted message
// boxes: "Borrar Liquidacion", "Listar Liquidacion" to the preview and a PDF, and the export of
// the list that last had the focus, read back from the workbook.

#include "PruebaGenerador.h"
#include "PruebaVentanaComandos.h"

#include "components/FhOcx.h"
#include "platform/report/ImpresionReportes.h"
#include "platform/report/PreviewWindow.h"
#include "platform/runtime/Conversions.h"
#include "session/ObjetosExternos.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

using support::BoxMatch;

const QString Confirmacion =
    QStringLiteral("Esto borrará las comisiones calculadas y las generará tomando los % actuales. ¿Continuar?");
// The delete names the settlement it will delete before the question.
QString confirmacionBorrado(const QString &numero)
{
    return QStringLiteral("Liquidación ") + numero + QStringLiteral(": ") + Confirmacion;
}
const QString FaltaNumero = QStringLiteral(" Debe informar el número de liquidación!");
const QStringList Tablas = {"V_COMISIONES_VENDEDOR_CAB", "V_COMISIONES_VENDEDOR_COB", "V_COMISIONES_VENDEDOR_APL",
                            "V_COMISIONES_VENDEDOR_DET"};

class ComandosVentana : public PruebaVentanaComandos {
protected:
    QList<int> filas(int liquidacion)
    {
        QList<int> cuentas;
        for (const QString &tabla : Tablas)
            cuentas << filasDeLiquidacion(tabla, liquidacion);
        return cuentas;
    }

    QStringList entradasCombo() const
    {
        QStringList entradas;
        const auto *combo = control<QComboBox>("CmbLiquidacion");
        for (int i = 0; i < combo->count(); ++i)
            entradas << combo->itemText(i);
        return entradas;
    }

    void esperarAviso(const QString &texto, int respuesta = ui::vbOK)
    {
        dialogos.expectMsgBox(BoxMatch::text(texto).withTitle("Aviso"), respuesta);
    }
};

TEST_F(ComandosVentana, DeletingAfterTheConfirmationEmptiesTheSettlementAndNothingElse)
{
    confirmarNumero("12");
    const QList<int> siete = filas(7);
    esperarAviso(confirmacionBorrado("12"), ui::vbYes);
    boton("CmdBorrar")->click();
    dialogos.verify();
    EXPECT_EQ(dialogos.shown().back().style, ui::vbInformation + ui::vbYesNo);
    EXPECT_EQ(filas(12), (QList<int>{0, 0, 0, 0}));
    EXPECT_EQ(filas(7), siete);
    EXPECT_EQ(filas(13), (QList<int>{1, 0, 0, 0}));
    EXPECT_EQ(entradasCombo(),
              (QStringList{"Nueva Liquidacion", "13     01/04/24-30/04/24", "7     01/01/24-31/01/24"}));
    for (int n : {1, 2, 3, 5})
        EXPECT_EQ(lista(n)->topLevelItemCount(), 0) << "ListView" << n;

    esperarAviso(FaltaNumero);
    boton("CmdBorrar")->click();
}

TEST_F(ComandosVentana, AnsweringNoOrWithoutALoadedSettlementNothingIsDeleted)
{
    QTest::keyClicks(numero(), "12");
    esperarAviso(FaltaNumero);
    boton("CmdBorrar")->click();
    dialogos.verify();
    EXPECT_EQ(filas(12), (QList<int>{1, 6, 5, 7})) << "a number typed but not loaded";

    confirmarNumero("12");
    esperarAviso(confirmacionBorrado("12"), ui::vbNo);
    boton("CmdBorrar")->click();
    dialogos.verify();
    EXPECT_EQ(filas(12), (QList<int>{1, 6, 5, 7}));
    EXPECT_EQ(lista(1)->topLevelItemCount(), 5);
}

TEST_F(ComandosVentana, CancelarForgetsTheLoadedSettlementSoAHalfTypedNumberDeletesNothing)
{
    confirmarNumero("12");
    boton("cmdCancelar")->click();
    QTest::keyClicks(numero(), "13");
    esperarAviso(FaltaNumero);
    boton("CmdBorrar")->click();
    dialogos.verify();
    EXPECT_EQ(filas(12), (QList<int>{1, 6, 5, 7}));
    EXPECT_EQ(filas(13), (QList<int>{1, 0, 0, 0}));

    esperarAviso(FaltaNumero);
    boton("CmdListar")->click();
    dialogos.verify();
}

TEST_F(ComandosVentana, AFailedDeleteIsShownDeletesNothingAndCanBeRunAgain)
{
    ejecutarSQLite("CREATE TRIGGER bloqueo BEFORE DELETE ON V_COMISIONES_VENDEDOR_COB "
                   "BEGIN SELECT RAISE(ABORT, 'cobranzas bloqueadas'); END");
    confirmarNumero("12");
    esperarAviso(confirmacionBorrado("12"), ui::vbYes);
    dialogos.expectMsgBox(BoxMatch::textContaining("cobranzas bloqueadas").withTitle("Aviso"));
    boton("CmdBorrar")->click();
    dialogos.verify();
    EXPECT_EQ(filas(12), (QList<int>{1, 6, 5, 7})) << "the lines and vouchers deleted first came back";
    EXPECT_EQ(lista(1)->topLevelItemCount(), 5) << "the settlement stays loaded";

    ejecutarSQLite("DROP TRIGGER bloqueo");
    esperarAviso(confirmacionBorrado("12"), ui::vbYes);
    boton("CmdBorrar")->click();
    dialogos.verify();
    EXPECT_EQ(filas(12), (QList<int>{0, 0, 0, 0}));
}

TEST_F(ComandosVentana, ADeleteThatWaitsForAnotherWorkstationSaysSoInTheLockedWindowThenDeletes)
{
    cargarVendedorUno();
    clicFila(lista(2), "CB", "000100000011X");
    const QString clave = textoDe("lblEstado");
    ASSERT_EQ(clave, "CB  000100000011X  ");
    // Another workstation's build holds the database until the window has shown the wait.
    sqlite3 *otra = nullptr;
    ASSERT_EQ(sqlite3_open(db.path().toUtf8().constData(), &otra), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(otra, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    QString enEspera;
    bool botonActivo = true;
    QTimer::singleShot(300, [&] {
        enEspera = textoDe("lblEstado");
        botonActivo = boton("CmdBorrar")->isEnabled();
        sqlite3_exec(otra, "COMMIT", nullptr, nullptr, nullptr);
    });
    esperarAviso(confirmacionBorrado("12"), ui::vbYes);
    boton("CmdBorrar")->click();
    dialogos.verify();
    sqlite3_close(otra);
    EXPECT_EQ(enEspera, "Esperando la Base de Datos ocupada por otro programa");
    EXPECT_FALSE(botonActivo);
    EXPECT_TRUE(boton("CmdBorrar")->isEnabled());
    EXPECT_EQ(textoDe("lblEstado").toStdString(), clave.toStdString()) << "\"Ver  Comprobante\" reads its key there";
    EXPECT_EQ(filas(12), (QList<int>{0, 0, 0, 0}));
}

TEST_F(ComandosVentana, ADateBoxEmptiedWithBackspaceIsAMissingRange)
{
    auto *rango = ventana->findChild<FhOcx *>("FhOcx1");
    for (int caja : {0, 1}) {
        SCOPED_TRACE(caja);
        rango->Fh_Desde = "01/05/2024";
        rango->Fh_Hasta = "31/05/2024";
        rango->MostrarFechas();
        QLineEdit *fecha = rango->txtFechas(caja);
        fecha->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), fecha);
        QTest::keyClick(fecha, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(fecha, Qt::Key_Backspace);
        QTest::keyClick(fecha, Qt::Key_Tab);
        esperarAviso("Debe informar el rango de fechas a consultar");
        boton("CmdGenerar")->click();
        dialogos.verify();
        EXPECT_EQ(filas(14), (QList<int>{0, 0, 0, 0}));
    }
}

TEST_F(ComandosVentana, ListingPrintsTheSelectedSalespersonOfTheLoadedSettlementToThePreview)
{
    cargarVendedorUno();
    boton("CmdListar")->click();
    dialogos.verify();
    report::PreviewWindow *vista = gImpresion->ultimaVistaPrevia();
    ASSERT_NE(vista, nullptr);
    EXPECT_TRUE(vista->isVisible());
    EXPECT_FALSE(gImpresion->EnProceso());
    EXPECT_EQ(gImpresion->Destino(), gImpresion->DestinoVentana());

    const QString pdf = QDir(carpetaDocumentos()).filePath("liquidacion.pdf");
    QDir().mkpath(carpetaDocumentos());
    vista->exportPdf(pdf);
    const QString texto = textoPdf(pdf);
    EXPECT_TRUE(texto.contains("O'Brien Hnos SA")) << texto.toStdString();
    EXPECT_TRUE(texto.contains(QString::fromUtf8("Liquidación N° 12"))) << texto.toStdString();
    for (const char *cobranza : {"000100000010X", "000100000011X", "000200000003A"})
        EXPECT_TRUE(texto.contains(cobranza)) << cobranza;
    EXPECT_FALSE(texto.contains("000100000020X")) << "another salesperson";
    EXPECT_FALSE(texto.contains("000100000001X")) << "another settlement";
    vista->close();
}

TEST_F(ComandosVentana, ListingWithoutASettlementOrASalespersonSaysSo)
{
    esperarAviso(FaltaNumero);
    boton("CmdListar")->click();
    dialogos.verify();

    confirmarNumero("12");
    esperarAviso(" Debe seleccionar un vendedor!");
    boton("CmdListar")->click();
    clicFila(lista(1), "Tot");
    esperarAviso(" Debe seleccionar un vendedor!");
    boton("CmdListar")->click();
    dialogos.verify();
    EXPECT_EQ(gImpresion->ultimaVistaPrevia(), nullptr);
}

TEST_F(ComandosVentana, APrintFailureGoesToTheErrorDialogAndRetryRunsTheCommandAgain)
{
    QTemporaryDir vacia;
    gImpresion->setCarpetaAplicacion(vacia.path());
    cargarVendedorUno();
    dialogos.expectMsgBox(BoxMatch::textContaining("Ha ocurrido el Siguiente Error"), ui::vbRetry);
    dialogos.expectMsgBox(BoxMatch::textContaining("Ha ocurrido el Siguiente Error"), ui::vbAbort);
    boton("CmdListar")->click();
    dialogos.verify();
    EXPECT_TRUE(dialogos.shown().back().title.contains("CmdListar_Click"));
    EXPECT_FALSE(gImpresion->EnProceso());
}

TEST_F(ComandosVentana, TheExportSendsTheListThatLastHadTheFocusWithItsDateColumn)
{
    boton("CmdExportaExcelLV")->click();
    EXPECT_TRUE(libros().isEmpty()) << "no list has had the focus yet";

    cargarVendedorUno();
    auto libro = exportar();
    ASSERT_TRUE(libro);
    EXPECT_EQ(libro->text("A1"), "Vendedor");
    EXPECT_EQ(libro->text("B2"), "ALVAREZ ANA");
    EXPECT_EQ(libro->cell("C2").value, "175.25");

    clicFila(lista(2), "CB", "000100000011X");
    libro = exportar();
    ASSERT_TRUE(libro);
    EXPECT_EQ(libro->text("D1"), "Fecha Cob");
    EXPECT_EQ(libro->style("D2").numberFormat, "dd/mm/yyyy");
    EXPECT_EQ(libro->text("C2"), "CLIENTE DOS SRL");
    EXPECT_EQ(libro->style("C2").numberFormat, "General") << "the column left of the date is no date column";

    clicFila(lista(3), "FC", "000100000101A");
    libro = exportar();
    ASSERT_TRUE(libro);
    EXPECT_EQ(libro->text("D1"), "Fecha");
    EXPECT_EQ(libro->text("D4"), "TOTALES");
    EXPECT_EQ(libro->style("D4").numberFormat, "dd/mm/yyyy") << "the whole date column is formatted";
    EXPECT_EQ(libro->style("C2").numberFormat, "General");

    lista(5)->setFocus();
    libro = exportar();
    ASSERT_TRUE(libro);
    EXPECT_EQ(libro->text("C1"), "Fecha");
    EXPECT_EQ(libro->text("D2"), "A001");
    EXPECT_EQ(libro->style("C4").numberFormat, "dd/mm/yyyy") << "the empty date of the total row";
    EXPECT_EQ(libro->style("B2").numberFormat, "General");
}

} // namespace

namespace {

// "Cargar Liquidacion >>" on the generator's fixture month: a new settlement, its load and
// drill-down, and rebuilds.
class LiquidacionVentana : public PruebaGenerador {
protected:
    LiquidacionVentana()
    {
        cargarMarzo();
        ventana = std::make_unique<FrmComisionesVendedor>();
        setControlWindow(ventana.get());
        ventana->Inicializa();
        ventana->show();
        ventana->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
    }

    QTreeWidget *lista(int n) const { return control<QTreeWidget>(QStringLiteral("ListView%1").arg(n)); }

    // Builds the settlement of the range as the user does: dates, then the button.
    void construir(const QString &desde, const QString &hasta)
    {
        FhOcx *rango = control<FhOcx>("FhOcx1");
        rango->Fh_Desde = desde;
        rango->Fh_Hasta = hasta;
        rango->MostrarFechas();
        esperarFinal();
        QTest::mouseClick(control<QPushButton>("CmdGenerar"), Qt::LeftButton);
        dialogos.verify();
    }

    void cargarNumero(const QString &numero)
    {
        QLineEdit *campo = control<QLineEdit>("txtfields_0");
        campo->setFocus();
        campo->clear();
        QTest::keyClicks(campo, numero);
        QTest::keyClick(campo, Qt::Key_Return);
    }

    // Loads the stored settlement, ticks "Recalcular" and confirms the rebuild.
    void reconstruir(const QString &numero, int respuesta)
    {
        control<QPushButton>("cmdCancelar")->click();
        cargarNumero(numero);
        control<QCheckBox>("chkRecalcular")->setChecked(true);
        dialogos.expectMsgBox(BoxMatch::text(Confirmacion).withTitle("Aviso"), respuesta);
        if (respuesta == ui::vbYes)
            esperarFinal();
        QTest::mouseClick(control<QPushButton>("CmdGenerar"), Qt::LeftButton);
        dialogos.verify();
    }

    void clicFila(QTreeWidget *lista, const QString &texto0)
    {
        const auto encontrados = lista->findItems(texto0, Qt::MatchExactly, 0);
        ASSERT_FALSE(encontrados.isEmpty()) << texto0.toStdString();
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(encontrados.first()).center());
    }

    QList<int> numeros()
    {
        QList<int> lista;
        for (const auto &fila : db.rows("SELECT IdLiquidacion FROM V_COMISIONES_VENDEDOR_CAB ORDER BY IdLiquidacion"))
            lista << rt::CLng(fila.first());
        return lista;
    }

    std::unique_ptr<FrmComisionesVendedor> ventana;
};

TEST_F(LiquidacionVentana, ANewSettlementIsListedThenLoadedAndDrilledDownToItsArticleLines)
{
    construir("01/03/2024", "31/03/2024");
    EXPECT_EQ(control<QComboBox>("CmbLiquidacion")->itemText(1), "1     01/03/24-31/03/24");
    EXPECT_EQ(lista(1)->topLevelItemCount(), 0) << "a build leaves the lists empty";
    EXPECT_EQ(control<QPushButton>("CmdExportaExcelLV")->text(), "Excel Cobranzas")
        << "locking the window for the build gives no list the focus";

    cargarNumero("1");
    EXPECT_EQ(filasDe(*lista(1)), (QList<QStringList>{{"", "", "0,00", "50,00"},
                                                      {"0001", "ALVAREZ ANA", "90,00", "1.510,00"},
                                                      {"0002", "BENITEZ BRUNO", "87,50", "1.139,50"},
                                                      {"Tot", "", "177,50", "2.699,50"}}));
    clicFila(lista(1), "0001");
    const auto ultima = [this](int n) { return filasDe(*lista(n)).last(); };
    EXPECT_EQ(lista(2)->topLevelItemCount(), 5);
    EXPECT_EQ(ultima(2).mid(4, 2), (QStringList{"90,00", "1.510,00"}));
    EXPECT_EQ(filasDe(*lista(2)).at(3).at(13), "Cancelacion total comprobante");
    EXPECT_EQ(lista(3)->topLevelItemCount(), 4);
    EXPECT_EQ(ultima(3).mid(4, 3), (QStringList{"90,00", "0,00", "1.389,00"}));
    EXPECT_EQ(lista(5)->topLevelItemCount(), 7);
    EXPECT_EQ(ultima(5).at(11), "90,00") << "the article commissions add up to the salesperson's";
}

TEST_F(LiquidacionVentana, ARebuildAsksFirstKeepsTheHighestNumberAndGivesAnOlderOneTheNext)
{
    construir("01/03/2024", "31/03/2024");
    construir("01/04/2024", "30/04/2024");
    ASSERT_EQ(numeros(), (QList<int>{1, 2}));

    reconstruir("1", ui::vbNo);
    EXPECT_EQ(numeros(), (QList<int>{1, 2})) << "No writes nothing";
    EXPECT_EQ(lista(1)->topLevelItemCount(), 4) << "the settlement stays shown as the number check loaded it";

    reconstruir("1", ui::vbYes);
    EXPECT_EQ(numeros(), (QList<int>{2, 3}));
    EXPECT_EQ(cuenta("SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_COB WHERE IdLiquidacion = 3"), 8);
    EXPECT_EQ(cuenta("SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_COB WHERE IdLiquidacion = 2"), 1);
    EXPECT_EQ(lista(1)->topLevelItemCount(), 0);

    reconstruir("3", ui::vbYes);
    EXPECT_EQ(numeros(), (QList<int>{2, 3}));
    EXPECT_DOUBLE_EQ(numero("SELECT SUM(ImporteComision) FROM V_COMISIONES_VENDEDOR_DET WHERE IdLiquidacion = 3"),
                     177.5);
}

} // namespace
