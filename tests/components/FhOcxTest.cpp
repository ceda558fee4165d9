#include "PruebaComponentes.h"

#include "components/FhOcx.h"
#include "platform/runtime/DateFunctions.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using support::BoxMatch;

namespace {

TEST_F(PruebaComponentes, ChoosingAPeriodGivesItsDates)
{
    struct Caso {
        const char *nombre;
        int anio, mes, dia;
        const char *periodo;
        const char *desde;
        const char *hasta;
    };
    // 15/05/2024 is a Wednesday; 12/05/2024 a Sunday; 18/05/2024 a Saturday.
    const Caso casos[] = {
        {"TodayOnAWednesday", 2024, 5, 15, "Fecha", "15/05/2024", "15/05/2024"},
        {"ThisWeekOnAWednesday", 2024, 5, 15, "Semana Actual", "12/05/2024", "18/05/2024"},
        {"ThisWeekOnASunday", 2024, 5, 12, "Semana Actual", "12/05/2024", "18/05/2024"},
        {"ThisWeekOnASaturday", 2024, 5, 18, "Semana Actual", "12/05/2024", "18/05/2024"},
        {"NextWeekOnAWednesday", 2024, 5, 15, "Semana Proxima", "19/05/2024", "25/05/2024"},
        {"NextWeekAcrossTheYear", 2024, 12, 27, "Semana Proxima", "29/12/2024", "04/01/2025"},
        {"LastWeekOnAWednesday", 2024, 5, 15, "Semana Pasada", "05/05/2024", "11/05/2024"},
        {"LastWeekOnASaturday", 2024, 5, 18, "Semana Pasada", "05/05/2024", "11/05/2024"},
        {"LastWeekOnASunday", 2024, 5, 12, "Semana Pasada", "05/05/2024", "11/05/2024"},
        {"ThisMonth", 2024, 5, 15, "Mes Actual", "01/05/2024", "31/05/2024"},
        {"ThisMonthInALeapFebruary", 2024, 2, 10, "Mes Actual", "01/02/2024", "29/02/2024"},
        {"ThisMonthInAPlainFebruary", 2023, 2, 10, "Mes Actual", "01/02/2023", "28/02/2023"},
        {"ThisYear", 2024, 5, 15, "Año Actual", "01/01/2024", "31/12/2024"},
        {"LastMonth", 2024, 5, 15, "Mes Pasado", "01/04/2024", "30/04/2024"},
        {"LastMonthInJanuary", 2025, 1, 10, "Mes Pasado", "01/12/2024", "31/12/2024"},
        {"LastMonthInALeapMarch", 2024, 3, 31, "Mes Pasado", "01/02/2024", "29/02/2024"},
        {"LastYear", 2024, 5, 15, "Año pasado", "01/01/2023", "31/12/2023"},
        {"Everything", 2024, 5, 15, "Todo", "01/01/1980", "31/12/2220"},
        {"TextIgnoresCaseAndBlanks", 2024, 5, 15, "  semana ACTUAL ", "12/05/2024", "18/05/2024"},
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.nombre);
        rt::setClockForTests(rt::DateTime::fromParts(caso.anio, caso.mes, caso.dia, 10, 30));
        FhOcx control;
        control.CmbComboFH()->setCurrentText(caso.periodo);
        control.CmbComboFH_Click();
        EXPECT_EQ(control.Fh_Desde, caso.desde);
        EXPECT_EQ(control.Fh_Hasta, caso.hasta);
        EXPECT_EQ(control.txtFechas(0)->text(), caso.desde);
        EXPECT_EQ(control.txtFechas(1)->text(), caso.hasta);
        EXPECT_EQ(control.PeriodoSeleccionado, QString(caso.periodo).trimmed());
    }
}

TEST_F(PruebaComponentes, AFreshControlHasNoRangeAndShowsFecha)
{
    FhOcx control;
    EXPECT_EQ(control.Fh_Desde, "");
    EXPECT_EQ(control.Fh_Hasta, "");
    EXPECT_EQ(control.CmbComboFH()->currentText(), "Fecha");
    EXPECT_EQ(control.CmbComboFH()->count(), 9);
    EXPECT_EQ(Tag(control.txtFechas(1)), "FECHA");
    EXPECT_EQ(MaxLength(control.txtFechas(0)), 10);
    EXPECT_EQ(DataField(control.txtFechas(1)), "FECHA_HASTA");
}

TEST_F(PruebaComponentes, AnUnknownPeriodKeepsTheRangeAndShowsIt)
{
    FhOcx control;
    control.Fh_Desde = "01/03/2024";
    control.Fh_Hasta = "31/03/2024";
    control.setComboText("Quincena");
    control.CmbComboFH_Click();
    EXPECT_EQ(control.Fh_Desde, "01/03/2024");
    EXPECT_EQ(control.txtFechas(1)->text(), "31/03/2024");
    EXPECT_EQ(control.PeriodoSeleccionado, "Quincena");
}

TEST_F(PruebaComponentes, TheOperatorsChoiceInTheListComputesTheRange)
{
    rt::setClockForTests(rt::DateTime::fromParts(2024, 5, 15));
    FhOcx control;
    control.CmbComboFH()->setCurrentIndex(FhOcx::Periodos.indexOf("Todo"));
    EXPECT_EQ(control.Fh_Desde, "") << "putting a text in the list computes nothing";
    emit control.CmbComboFH()->activated(control.CmbComboFH()->currentIndex());
    EXPECT_EQ(control.Fh_Desde, "01/01/1980");
}

TEST_F(PruebaComponentes, TheHostWritesTheRangeAndShowsItWithMostrarFechas)
{
    FhOcx control;
    control.Fh_Desde = "01/03/2024";
    control.Fh_Hasta = "15/03/2024";
    EXPECT_EQ(control.txtFechas(0)->text(), "");
    control.MostrarFechas();
    EXPECT_EQ(control.txtFechas(0)->text(), "01/03/2024");
    EXPECT_EQ(control.txtFechas(1)->text(), "15/03/2024");
}

TEST_F(PruebaComponentes, CargarPeriodoFillsTheBoxesButNotTheRange)
{
    FhOcx control;
    control.CargarPeriodo("Mes Actual", "01/02/2024", "no es fecha");
    EXPECT_EQ(control.CmbComboFH()->currentText(), "Mes Actual");
    EXPECT_EQ(control.txtFechas(0)->text(), "01/02/2024");
    EXPECT_EQ(control.txtFechas(1)->text(), "");
    EXPECT_EQ(control.Fh_Desde, "");
    control.txtFechas_LostFocus(0);
    EXPECT_EQ(control.Fh_Desde, "01/02/2024");
}

TEST_F(PruebaComponentes, WeekdaysCountFromSundayAndMonthsEndOnTheirLastDay)
{
    EXPECT_EQ(FhOcx::fDiaSem("12/05/2024"), "1");
    EXPECT_EQ(FhOcx::fDiaSem(rt::DateTime::fromParts(2024, 5, 18)), "7");
    EXPECT_EQ(FhOcx::fDiaSem("31/02/2024"), "");
    EXPECT_EQ(FhOcx::fUltimoDiaDelMes("02", "2024"), 29);
    EXPECT_EQ(FhOcx::fUltimoDiaDelMes("2", "2100"), 28);
    EXPECT_EQ(FhOcx::fUltimoDiaDelMes("12", "2023"), 31);
    EXPECT_EQ(FhOcx::fUltimoDiaDelMes("04", "2024"), 30);
}

TEST_F(PruebaComponentes, TheBackgroundColourZeroMeansTheButtonFace)
{
    FhOcx control;
    quint32 color = 0;
    control.DefineColorFondo(color);
    EXPECT_EQ(color, 0x8000000Fu);
    EXPECT_EQ(control.PicFondo()->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Button));
    quint32 rojo = 0x0000FF;
    control.DefineColorFondo(rojo);
    EXPECT_EQ(control.PicFondo()->palette().color(QPalette::Window), QColor(255, 0, 0));
}

// Enter in the date boxes, on a shown control.
class EnterEnFechas : public PruebaComponentes {
protected:
    EnterEnFechas()
    {
        control.Fh_Desde = "01/01/2024";
        control.Fh_Hasta = "02/01/2024";
        control.show();
    }

    void enter(int indice, const QString &desde, const QString &hasta)
    {
        control.txtFechas(0)->setText(desde);
        control.txtFechas(1)->setText(hasta);
        QTest::keyClick(control.txtFechas(indice), Qt::Key_Return);
    }

    // The range and both boxes on March 2024.
    void mostrarMarzo()
    {
        control.Fh_Desde = "01/03/2024";
        control.Fh_Hasta = "31/03/2024";
        control.MostrarFechas();
    }

    FhOcx control;
};

TEST_F(EnterEnFechas, ARefusedDateIsToldAndLeavesTheRange)
{
    struct Caso {
        int caja;
        const char *desde;
        const char *hasta;
        const char *aviso;
        bool vaciaLaCaja;
    };
    const Caso casos[] = {
        {1, "10/05/2024", "   ", "Debe ingresar una fecha!!!", false},
        {0, "31/02/2024", "", "Debe ingresar un formato de fecha válido!!!", true},
        {1, "10/05/2024", "09/05/2024", "La fecha hasta no puede ser menor a la fecha desde", false},
        // A to date without a valid from date.
        {1, "  /  /    ", "09/05/2024", "Debe ingresar un formato de fecha válido!!!", false},
        // Dates outside 1900 to 2100: a year typed short or scrambled.
        {0, "01/02/0242", "09/05/2024", "Debe ingresar un formato de fecha válido!!!", false},
        {1, "01/02/2024", "01/01/2101", "Debe ingresar un formato de fecha válido!!!", false},
        {0, "31/12/1899", "09/05/2024", "Debe ingresar un formato de fecha válido!!!", false},
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.aviso);
        dialogos.expectMsgBox(BoxMatch::text(caso.aviso).withTitle("Aviso al Operador"));
        enter(caso.caja, caso.desde, caso.hasta);
        dialogos.verify();
        EXPECT_EQ(dialogos.shown().back().style & 0xF0, ui::vbCritical);
        EXPECT_EQ(control.Fh_Desde, "01/01/2024");
        EXPECT_EQ(control.Fh_Hasta, "02/01/2024");
        if (caso.vaciaLaCaja) {
            EXPECT_EQ(control.txtFechas(caso.caja)->text(), "");
        }
    }
}

TEST_F(EnterEnFechas, ABoxEmptiedByTheOperatorHoldsNoDate)
{
    // Select all, then Backspace (which leaves the layout's blanks and slashes) or Delete (which
    // leaves the box empty), then Tab away or Enter.
    struct Caso {
        const char *nombre;
        int caja;
        Qt::Key borrado;
        Qt::Key final;
    };
    const Caso casos[] = {
        {"FromBoxBackspaceTab", 0, Qt::Key_Backspace, Qt::Key_Tab},
        {"FromBoxDeleteTab", 0, Qt::Key_Delete, Qt::Key_Tab},
        {"ToBoxBackspaceTab", 1, Qt::Key_Backspace, Qt::Key_Tab},
        {"ToBoxDeleteTab", 1, Qt::Key_Delete, Qt::Key_Tab},
        {"FromBoxBackspaceEnter", 0, Qt::Key_Backspace, Qt::Key_Return},
        {"FromBoxDeleteEnter", 0, Qt::Key_Delete, Qt::Key_Return},
        {"ToBoxBackspaceEnter", 1, Qt::Key_Backspace, Qt::Key_Return},
        {"ToBoxDeleteEnter", 1, Qt::Key_Delete, Qt::Key_Return},
    };
    control.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&control));
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.nombre);
        mostrarMarzo();
        QLineEdit *caja = control.txtFechas(caso.caja);
        caja->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), caja);
        QTest::keyClick(caja, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(caja, caso.borrado);
        const bool enter = caso.final == Qt::Key_Return;
        if (enter)
            dialogos.expectMsgBox(BoxMatch::text("Debe ingresar una fecha!!!").withTitle("Aviso al Operador"));
        QTest::keyClick(caja, caso.final);
        dialogos.verify();
        EXPECT_EQ(control.Fh_Desde, QString(!enter && caso.caja == 0 ? "" : "01/03/2024"));
        EXPECT_EQ(control.Fh_Hasta, QString(!enter && caso.caja == 1 ? "" : "31/03/2024"));
        EXPECT_EQ(QApplication::focusWidget() == caja, enter);
    }
}

TEST_F(EnterEnFechas, AValidBoxCopiesBothBoxesIntoTheRange)
{
    enter(1, "10/05/2024", "10/05/2024");
    EXPECT_EQ(control.Fh_Desde, "10/05/2024");
    EXPECT_EQ(control.Fh_Hasta, "10/05/2024");
    // The first and last years a typed date may have.
    enter(1, "01/01/1900", "31/12/2100");
    EXPECT_EQ(control.Fh_Desde, "01/01/1900");
    EXPECT_EQ(control.Fh_Hasta, "31/12/2100");
    // The order is checked in the to box only.
    enter(0, "20/05/2024", "10/05/2024");
    EXPECT_EQ(control.Fh_Desde, "20/05/2024");
    EXPECT_EQ(control.Fh_Hasta, "10/05/2024");
    EXPECT_TRUE(dialogos.shown().empty());
}

TEST_F(EnterEnFechas, OnlyTheEndOfTodoPassesOutsideTheYears)
{
    control.CmbComboFH()->setCurrentText("Todo");
    control.CmbComboFH_Click();
    QTest::keyClick(control.txtFechas(1), Qt::Key_Return);
    EXPECT_EQ(control.Fh_Hasta, "31/12/2220");
    EXPECT_TRUE(dialogos.shown().empty());

    // A slip the range took when its box was left is refused all the same.
    control.Fh_Desde = "01/02/0242";
    control.MostrarFechas();
    dialogos.expectMsgBox(BoxMatch::text("Debe ingresar un formato de fecha válido!!!").withTitle("Aviso al Operador"));
    QTest::keyClick(control.txtFechas(0), Qt::Key_Return);
    dialogos.verify();
}

TEST_F(EnterEnFechas, TypingOverAFilledBoxGivesTheTypedDate)
{
    enum class Entrada { Raton, Tabulador };
    struct Caso {
        const char *nombre;
        int caja;
        Entrada entrada;
        const char *tecleado;
        const char *queda;
    };
    const Caso casos[] = {
        {"FromBoxByMouse", 0, Entrada::Raton, "20/10/2024", "20/10/2024"},
        {"FromBoxByTab", 0, Entrada::Tabulador, "01032024", "01/03/2024"},
        {"ToBoxByMouse", 1, Entrada::Raton, "25102024", "25/10/2024"},
        {"ToBoxByTab", 1, Entrada::Tabulador, "31/10/2024", "31/10/2024"},
        // Backspace over the selection empties the layout and starts again from the first place.
        {"BackspaceFirst", 0, Entrada::Tabulador, "\b1510", "15/10/    "},
    };
    control.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&control));
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.nombre);
        mostrarMarzo();
        QLineEdit *caja = control.txtFechas(caso.caja);
        QWidget *anterior = caso.caja == 0 ? static_cast<QWidget *>(control.CmbComboFH()) : control.txtFechas(0);
        anterior->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), anterior);
        if (caso.entrada == Entrada::Raton)
            QTest::mouseClick(caja, Qt::LeftButton, {}, caja->rect().center());
        else
            QTest::keyClick(anterior, Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), caja);
        QTRY_COMPARE(caja->selectedText(), caja->text());
        teclear(caja, caso.tecleado);
        EXPECT_EQ(caja->text().toStdString(), caso.queda);
    }
    EXPECT_TRUE(dialogos.shown().empty());
}

TEST_F(EnterEnFechas, TypedDatesFollowTheDateRuleAndEnterMovesTheFocusOn)
{
    control.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&control));
    control.txtFechas(0)->setFocus();
    control.txtFechas(0)->clear();
    teclear(control.txtFechas(0), "150520x24\r");
    EXPECT_EQ(control.txtFechas(0)->text(), "15/05/2024");
    EXPECT_EQ(control.Fh_Desde, "15/05/2024");
    QTRY_COMPARE(QApplication::focusWidget(), control.txtFechas(1));
}

TEST_F(EnterEnFechas, EnteringABoxSelectsItAndLeavingItCopiesTheBoxesWithoutChecks)
{
    control.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&control));
    control.txtFechas(0)->setFocus();
    control.txtFechas(0)->setText("99/99/9999");
    control.txtFechas(1)->setText("10/05/2024");
    control.txtFechas(1)->setFocus();
    EXPECT_EQ(control.Fh_Desde, "99/99/9999");
    QTRY_COMPARE(control.txtFechas(1)->selectedText(), QString("10/05/2024"));
}

} // namespace
