// The settlement window offscreen: start-up on the fixture database (already connected, as the
// database's own user), the settlement combo, the number field, the filter panel, F5 and the
// layout.

#include "PruebaLiquidacion.h"

#include "components/FhOcx.h"
#include "core/StatusBar.h"
#include "db/Conexiones.h"
#include "session/Sesion.h"
#include "settlements/FrmComisionesVendedor.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString TituloAviso = QStringLiteral("Aviso al operador...");
const QColor ColorPanelBloqueado(0xFF, 0xE0, 0xC0);

class Ventana : public PruebaLiquidacion {
protected:
    Ventana()
    {
        gUsuarioLogeado = QStringLiteral("DEMO");
        ventana = std::make_unique<FrmComisionesVendedor>();
        setControlWindow(ventana.get());
        ventana->Form_Load();
        ventana->show();
        ventana->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(ventana.get()));
    }

    QLineEdit *numero() const { return control<QLineEdit>(QStringLiteral("txtfields_0")); }
    QLineEdit *vendedor() const { return control<QLineEdit>(QStringLiteral("txtfields_1")); }
    QComboBox *combo() const { return control<QComboBox>(QStringLiteral("CmbLiquidacion")); }
    QWidget *panel() const { return control(QStringLiteral("picFiltros")); }
    QTreeWidget *lista(int n) const { return control<QTreeWidget>(QStringLiteral("ListView%1").arg(n)); }
    QStringList fechas() const
    {
        return {control<QLineEdit>(QStringLiteral("txtFechas_0"))->text(),
                control<QLineEdit>(QStringLiteral("txtFechas_1"))->text()};
    }

    // Types the text into the field and confirms it with Enter.
    void confirmar(QLineEdit *campo, const QString &texto)
    {
        campo->setFocus();
        campo->setText(texto);
        QTest::keyClick(campo, Qt::Key_Return);
        QApplication::processEvents();
    }

    void elegirEntrada(int indice)
    {
        combo()->setCurrentIndex(indice);
        emit combo()->activated(indice);
    }

    std::unique_ptr<FrmComisionesVendedor> ventana;
};

TEST_F(Ventana, StartsOnANewSettlementWithItsControlsAndStatusBar)
{
    EXPECT_EQ(ventana->windowTitle(), QStringLiteral("Comisiones por Vendedor"));
    const std::pair<const char *, const char *> botones[] = {
        {"cmdCancelar", "Cancelar"},
        {"CmdGenerar", "Cargar Liquidacion >>"},
        {"chkRecalcular", "Recalcular"},
        {"CmdBorrar", "Borrar Liquidacion"},
        {"CmdListar", "Listar Liquidacion"},
        {"CmdReimprimir", "Ver  Comprobante"},
        {"CmdExportaExcelLV", "Excel Cobranzas"},
        {"cmdSalir", "&Salir"},
    };
    for (const auto &[nombre, texto] : botones)
        EXPECT_EQ(control<QAbstractButton>(QLatin1String(nombre))->text(), QLatin1String(texto)) << nombre;
    for (const auto &[nombre, texto] :
         {std::pair{"Label1", "Vendedor :"}, {"Label2", "Nro Liq. :"}, {"Label3", "Fecha : "}, {"lblEstado", "..."}})
        EXPECT_EQ(control<QLabel>(QLatin1String(nombre))->text(), QLatin1String(texto)) << nombre;
    for (const char *nombre : {"frameFiltros", "FhOcx1", "ListView3", "ListView5", "Picture2", "SkinFramework1"})
        EXPECT_NE(ventana->findChild<QObject *>(QLatin1String(nombre)), nullptr) << nombre;

    EXPECT_EQ(combo()->count(), 4);
    EXPECT_EQ(combo()->currentText(), QStringLiteral("Nueva Liquidacion"));
    EXPECT_EQ(combo()->itemText(2), QStringLiteral("12     01/03/24-31/03/24"));
    EXPECT_TRUE(numero()->text().isEmpty());
    for (int n : {1, 2, 3, 5})
        EXPECT_EQ(lista(n)->topLevelItemCount(), 0) << n;
    EXPECT_EQ(encabezadosDe(*lista(1)), (QStringList{QStringLiteral("Vendedor"), QStringLiteral("Nombre"),
                                                     QStringLiteral("Comision"), QStringLiteral("Cobranzas")}));
    EXPECT_EQ(lista(2)->columnCount(), 15);
    EXPECT_TRUE(panel()->isEnabled());
    EXPECT_FALSE(control(QStringLiteral("cmdCancelar"))->isEnabled());

    const auto *barra = control<StatusBar>(QStringLiteral("sbStatusBar"));
    EXPECT_EQ(barra->panelText(QStringLiteral("SERVER")), QStringLiteral("Srv: sqlite"));
    EXPECT_EQ(barra->panelText(QStringLiteral("USUARIO")), QStringLiteral("Uid: DEMO"));
    EXPECT_EQ(barra->panelText(QStringLiteral("BASEDEDATOS")), QStringLiteral("Db: DEMO"));
    EXPECT_TRUE(barra->panelText(QStringLiteral("VERSION")).startsWith(QStringLiteral("V.")));
}

TEST_F(Ventana, EnterOnAnEmptyOrUnknownNumberIsReportedAndLeavesThePanelFree)
{
    dialogos.expectMsgBox(
        support::BoxMatch::text(QStringLiteral(" Debe informar el número de liquidación!")).withTitle(TituloAviso));
    confirmar(numero(), QStringLiteral("  "));
    dialogos.expectMsgBox(
        support::BoxMatch::text(QStringLiteral(" La liquidación ingresada no existe!")).withTitle(TituloAviso));
    confirmar(numero(), QStringLiteral("99"));
    dialogos.verify();
    for (const support::ShownBox &caja : dialogos.shown())
        EXPECT_EQ(caja.style, ui::vbInformation);
    EXPECT_TRUE(panel()->isEnabled());
    EXPECT_EQ(lista(1)->topLevelItemCount(), 0);
    EXPECT_EQ(fechas(), (QStringList{QString(), QString()}));
}

TEST_F(Ventana, EnterOnAStoredNumberShowsItsDatesListsItsSalespersonsAndLocksThePanel)
{
    confirmar(numero(), QStringLiteral("12"));
    EXPECT_EQ(fechas(), (QStringList{QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024")}));
    ASSERT_EQ(lista(1)->topLevelItemCount(), 5);
    EXPECT_EQ(lista(1)->topLevelItem(0)->text(1), QStringLiteral("ALVAREZ ANA"));
    EXPECT_EQ(lista(1)->topLevelItem(4)->text(0), QStringLiteral("Tot"));
    EXPECT_FALSE(panel()->isEnabled());
    EXPECT_EQ(panel()->palette().color(QPalette::Window), ColorPanelBloqueado);
    EXPECT_TRUE(control(QStringLiteral("cmdCancelar"))->isEnabled());
    EXPECT_NE(QApplication::focusWidget(), numero());
}

TEST_F(Ventana, TheSalespersonFilterNeitherChecksNorNarrowsTheList)
{
    confirmar(vendedor(), QStringLiteral("2"));
    confirmar(numero(), QStringLiteral("12"));
    EXPECT_EQ(lista(1)->topLevelItemCount(), 5);
}

TEST_F(Ventana, CancelarFreesThePanelAndClearsTheFiltersButKeepsTheLists)
{
    vendedor()->setText(QStringLiteral("3"));
    control<QCheckBox>(QStringLiteral("chkRecalcular"))->setChecked(true);
    confirmar(numero(), QStringLiteral("12"));
    QTest::mouseClick(control<QAbstractButton>(QStringLiteral("cmdCancelar")), Qt::LeftButton);
    EXPECT_TRUE(numero()->text().isEmpty());
    EXPECT_TRUE(vendedor()->text().isEmpty());
    EXPECT_FALSE(control<QCheckBox>(QStringLiteral("chkRecalcular"))->isChecked());
    EXPECT_TRUE(panel()->isEnabled());
    EXPECT_NE(panel()->palette().color(QPalette::Window), ColorPanelBloqueado);
    EXPECT_FALSE(control(QStringLiteral("cmdCancelar"))->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), numero());
    EXPECT_EQ(lista(1)->topLevelItemCount(), 5);
}

TEST_F(Ventana, ChoosingAComboEntryFillsTheNumberAndDatesWithoutLoading)
{
    elegirEntrada(2);
    EXPECT_EQ(numero()->text(), QStringLiteral("12    "));
    EXPECT_EQ(fechas(), (QStringList{QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024")}));
    EXPECT_EQ(lista(1)->topLevelItemCount(), 0);

    elegirEntrada(0);
    EXPECT_TRUE(numero()->text().isEmpty());
    EXPECT_EQ(fechas(), (QStringList{QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024")}));
}

TEST_F(Ventana, AnEntryDeletedMeanwhileFillsTheNumberAndKeepsTheDates)
{
    elegirEntrada(2);
    db.execute(QStringLiteral("DELETE FROM V_COMISIONES_VENDEDOR_CAB WHERE IdLiquidacion = 13"));
    elegirEntrada(1);
    EXPECT_EQ(numero()->text(), QStringLiteral("13    "));
    EXPECT_EQ(fechas(), (QStringList{QStringLiteral("01/03/2024"), QStringLiteral("31/03/2024")}));
}

TEST_F(Ventana, TypingIntoTheComboCopiesEachKeystrokeIntoTheNumber)
{
    QLineEdit *texto = combo()->lineEdit();
    texto->setFocus();
    texto->clear();
    QTest::keyClicks(texto, QStringLiteral("7"));
    EXPECT_EQ(numero()->text(), QStringLiteral("7"));
    EXPECT_EQ(fechas(), (QStringList{QStringLiteral("01/01/2024"), QStringLiteral("31/01/2024")}));
    QTest::keyClicks(texto, QStringLiteral("0"));
    EXPECT_EQ(numero()->text(), QStringLiteral("70"));
    EXPECT_EQ(lista(1)->topLevelItemCount(), 0);
}

TEST_F(Ventana, FiveOnTheNumberFieldDoesNothing)
{
    numero()->setFocus();
    numero()->setText(QStringLiteral("12"));
    QTest::keyClick(numero(), Qt::Key_F5);
    EXPECT_EQ(numero()->text(), QStringLiteral("12"));
    EXPECT_EQ(lista(1)->topLevelItemCount(), 0);
}

TEST_F(Ventana, FiveOnTheSalespersonFieldWritesAndConfirmsTheChosenCode)
{
    onNextModal([&](QWidget *modal) {
        auto *filas = modal->findChild<QTableWidget *>(QStringLiteral("lstResultados"));
        ASSERT_NE(filas, nullptr);
        for (int f = 0; f < filas->rowCount(); ++f)
            for (int c = 0; c < filas->columnCount(); ++c)
                if (filas->item(f, c)->text() == QStringLiteral("BENITEZ BRUNO"))
                    filas->setCurrentCell(f, c);
        QTest::mouseClick(modal->findChild<QAbstractButton *>(QStringLiteral("cmdAceptar")), Qt::LeftButton);
    });
    vendedor()->setFocus();
    QTest::keyClick(vendedor(), Qt::Key_F5);
    QApplication::processEvents();
    EXPECT_EQ(vendedor()->text(), QStringLiteral("0002"));
    EXPECT_NE(QApplication::focusWidget(), vendedor());
}

TEST_F(Ventana, TheFocusedFieldTakesTheConfiguredColours)
{
    gColorFondo = 0x00FFFF;
    gColorLetra = 0x0000FF;
    vendedor()->setFocus();
    EXPECT_EQ(vendedor()->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0x00));
    EXPECT_EQ(vendedor()->palette().color(QPalette::Text), QColor(0xFF, 0x00, 0x00));
    numero()->setFocus();
    EXPECT_EQ(vendedor()->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(vendedor()->palette().color(QPalette::Text), QColor(Qt::black));
}

TEST_F(Ventana, DetalleonLocksTheCommandsDuringABuild)
{
    const QStringList comandos = {QStringLiteral("CmdGenerar"), QStringLiteral("CmdExportaExcelLV"),
                                  QStringLiteral("CmdBorrar"), QStringLiteral("cmdCancelar"),
                                  QStringLiteral("CmbLiquidacion")};
    ventana->Detalleon(false);
    for (const QString &nombre : comandos)
        EXPECT_FALSE(control(nombre)->isEnabled()) << nombre.toStdString();
    EXPECT_FALSE(control(QStringLiteral("FhOcx1"))->isVisible());
    EXPECT_EQ(control(QStringLiteral("lblEstado"))->palette().color(QPalette::Window), QColor(Qt::white));
    ventana->Detalleon(true);
    for (const QString &nombre : comandos)
        EXPECT_TRUE(control(nombre)->isEnabled()) << nombre.toStdString();
    EXPECT_TRUE(control(QStringLiteral("FhOcx1"))->isVisible());
    EXPECT_TRUE(control<QLabel>(QStringLiteral("lblEstado"))->text().isEmpty());
}

TEST_F(Ventana, ASelectedSalespersonListsItsCollections)
{
    confirmar(numero(), QStringLiteral("12"));
    lista(1)->setCurrentItem(lista(1)->topLevelItem(2));
    ventana->CargaCobranzas();
    ASSERT_EQ(lista(2)->topLevelItemCount(), 2);
    EXPECT_EQ(lista(2)->topLevelItem(0)->text(1), QStringLiteral("000100000030X"));
    EXPECT_EQ(lista(2)->topLevelItem(1)->text(2), QStringLiteral("TOTALES"));
}

TEST_F(Ventana, ResizingSharesTheHeightBetweenTheListsAndSkipsNegativeSizes)
{
    ventana->resize(1000, 700);
    QApplication::processEvents();
    const QRect v = lista(1)->geometry(), c = lista(2)->geometry(), a = lista(3)->geometry(), d = lista(5)->geometry();
    EXPECT_EQ(c.height(), v.height());
    EXPECT_EQ(d.top(), a.top());
    EXPECT_EQ(d.height(), a.height());
    EXPECT_NEAR(a.top(), v.bottom() + 2, 1);
    // The lists fill the window, inside it.
    const QSize cliente = ventana->centralWidget()->size();
    for (const QRect &r : {c, d}) {
        EXPECT_LT(r.right(), cliente.width());
        EXPECT_GT(r.right(), cliente.width() - 20);
    }
    EXPECT_LT(a.bottom(), cliente.height());
    EXPECT_GT(a.bottom(), cliente.height() - 8);

    // Too low for the lists: their heights are refused and kept, the lower lists follow the upper.
    ventana->resize(ventana->width(), 120);
    QApplication::processEvents();
    EXPECT_EQ(lista(1)->height(), v.height());
    EXPECT_EQ(lista(3)->height(), a.height());
    EXPECT_NEAR(lista(3)->y(), v.bottom() + 2, 1);
}

} // namespace
