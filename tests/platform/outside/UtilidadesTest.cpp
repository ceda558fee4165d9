#include "platform/outside/Utilidades.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/DateFunctions.h"
#include "platform/runtime/Regional.h"
#include "support/ScriptedDialogs.h"
#include "support/WidgetTest.h"

#include <QCalendarWidget>
#include <QPushButton>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

using support::BoxMatch;

class UtilidadesTest : public support::WidgetTest {
protected:
    outside::Utilidades util;
};

TEST_F(UtilidadesTest, TextoSQLGivesExactlyTheWidthAndNoApostrophe)
{
    struct Case {
        const char *text;
        int width;
        const char *result;
    };
    const Case cases[] = {
        {"abc", 5, "abc  "},         {"abcdef", 3, "abc"}, {"O'Brien", 7, "O´Brien"},
        {"'';--", 10, "´´;--     "}, {"x", 0, ""},         {"", 2, "  "},
    };
    for (const Case &c : cases)
        EXPECT_EQ(util.TextoSQL(QString::fromUtf8(c.text), c.width), QString::fromUtf8(c.result)) << c.text;
}

TEST_F(UtilidadesTest, FormatoCodigoZeroPadsNumericCodesOnly)
{
    struct Case {
        const char *code;
        const char *result;
    };
    for (const Case &c : {Case{"2", "0002"}, Case{" 2 ", "0002"}, Case{" 12", "0012"}, Case{"0001", "0001"},
                          Case{"CB", "CB"}, Case{" FCE ", "FCE"}, Case{"cbct ", "cbct"}, Case{"1A", "1A"},
                          Case{"12345", "12345"}, Case{"", ""}, Case{"   ", ""}})
        EXPECT_EQ(util.FormatoCodigo(QString::fromUtf8(c.code), 4), QString::fromUtf8(c.result)) << c.code;
}

TEST_F(UtilidadesTest, FixedWidthFieldsAndAmountColumns)
{
    struct Case {
        QString text;
        int width;
        QString fitted;
    };
    for (const Case &c : {Case{"12,50", 7, "  12,50"}, Case{"-0,10", 5, "-0,10"}, Case{"123456,78", 7, "123456,78"},
                          Case{"", 3, "   "}})
        EXPECT_EQ(util.AjustarAncho(c.text, c.width), c.fitted) << c.text.toStdString();
    const QChar nul(0);
    for (const auto &[field, clean] :
         {std::pair<QString, QString>{QStringLiteral("COCINA   "), "COCINA"},
          {QStringLiteral("BAR") + QString(4, nul), "BAR"},
          {QStringLiteral("BAR 1") + nul + QStringLiteral("  ") + nul, "BAR 1"},
          {QStringLiteral("  PIE"), "  PIE"},
          {QStringLiteral("A") + nul + QStringLiteral("B "), QStringLiteral("A") + nul + QStringLiteral("B")},
          {QString(3, nul), ""}})
        EXPECT_EQ(util.LimpiarTextoFijo(field), clean) << field.toStdString();
}

TEST_F(UtilidadesTest, ValorNumericoReadsAmountsWithTheRegionalSeparators)
{
    const rt::RegionalScope spanish(rt::RegionalSettings::spanishArgentina());
    EXPECT_EQ(util.ValorNumerico(QStringLiteral("1234,5")), rt::Currency::fromDouble(1234.5));
    EXPECT_EQ(util.ValorNumerico(QStringLiteral("1.234,56")), rt::Currency::fromDouble(1234.56));
    EXPECT_EQ(util.ValorNumerico(12.25), rt::Currency::fromDouble(12.25));
    for (const rt::Variant &zero : {rt::Variant(QString()), rt::Variant(QStringLiteral("  ")),
                                    rt::Variant(QStringLiteral("ABC")), rt::Variant::null(), rt::Variant()})
        EXPECT_EQ(util.ValorNumerico(zero), rt::Currency());
}

TEST_F(UtilidadesTest, TextHelpers)
{
    EXPECT_EQ(util.ContarPalabras(QStringLiteral("LEN")), 1);
    EXPECT_EQ(util.ContarPalabras(QStringLiteral("  select  a\r\nfrom\tb ")), 4);
    EXPECT_EQ(util.ContarPalabras(QString()), 0);
    EXPECT_EQ(util.QuitarCaracter(QStringLiteral("=a=b|c"), QStringLiteral("=")), QStringLiteral("ab|c"));
    EXPECT_EQ(util.QuitarCaracter(QStringLiteral("20-12345678-9"), QStringLiteral("-"), QStringLiteral("/")),
              QStringLiteral("20/12345678/9"));
    EXPECT_EQ(util.ReemplazarTexto(QStringLiteral("1,5,0"), QStringLiteral(","), QStringLiteral(".")),
              QStringLiteral("1.5.0"));
    EXPECT_EQ(util.AgregarBarra(QStringLiteral("/opt/app")), QStringLiteral("/opt/app/"));
    EXPECT_EQ(util.AgregarBarra(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(util.AgregarBarra(QStringLiteral("C:\\")), QStringLiteral("C:\\"));
    EXPECT_EQ(util.AgregarBarra(QString()), QString());
}

TEST_F(UtilidadesTest, LotAndFormulaTextsAreCleanedForQuotes)
{
    const std::pair<const char *, const char *> limpiezas[] = {
        {"L1 'A' \"B\"", "L1 A B"}, {"a\tb\r\nc", "abc"}, {" '\r\n ", ""}, {"  x  ", "  x  "}, {"", ""},
    };
    for (const auto &[texto, esperado] : limpiezas)
        EXPECT_EQ(util.LimpiarTextoFormula(QString::fromUtf8(texto)), QString::fromUtf8(esperado)) << texto;
    EXPECT_EQ(util.TextoDespacho(QStringLiteral("  Puerto\r\n de   Buenos Aires ")),
              QStringLiteral("Puerto de Buenos Aires"));
    EXPECT_EQ(util.QuitarCaracter(QStringLiteral("L1\u00FFL2\u00FF"), QStringLiteral("\u00FF"), QStringLiteral("|")),
              QStringLiteral("L1|L2|"));
}

TEST_F(UtilidadesTest, ValorCampoGivesEmptyTextForNullAndPastTheLastRow)
{
    ado::ResultSet result;
    result.columns = {ado::ColumnInfo{QStringLiteral("A"), ado::adVarWChar, 10, {}}};
    result.rows = {{rt::Variant::null()}, {rt::Variant(QStringLiteral("x"))}};
    ado::Recordset rs = ado::Recordset::fromResult(result);
    EXPECT_EQ(util.ValorCampo(rs.Fields(QStringLiteral("A"))), QString());
    rs.MoveNext();
    EXPECT_EQ(util.ValorCampo(rs.Fields(QStringLiteral("A"))), QStringLiteral("x"));
    rs.MoveNext();
    EXPECT_EQ(util.ValorCampo(rs.Fields(QStringLiteral("A"))), QString());
    EXPECT_EQ(util.ValorCampo(rt::Variant(12)), QStringLiteral("12"));
}

TEST_F(UtilidadesTest, TratarErrorShowsTheErrorAndReturnsTheAnswer)
{
    support::ScriptedDialogs dialogs;
    dialogs.expectMsgBox(BoxMatch::text(QStringLiteral("Ha ocurrido el Siguiente Error (3021) Sin registro actual."))
                             .withTitle(QStringLiteral("ADODB.Recordset - LlenarCombos")),
                         ui::vbIgnore);
    EXPECT_EQ(util.TratarError(
                  rt::RuntimeError(3021, QStringLiteral(" Sin registro actual. "), QStringLiteral("ADODB.Recordset")),
                  std::nullopt, QStringLiteral("LlenarCombos")),
              ui::vbIgnore);
    EXPECT_EQ(dialogs.shown().front().style, ui::vbCritical + ui::vbAbortRetryIgnore);
    EXPECT_EQ(util.TratarError(rt::RuntimeError(0, QString())), 0);
}

TEST_F(UtilidadesTest, ElegirFechaGivesTheChosenDayOrNothing)
{
    rt::setClockForTests(rt::DateTime::fromParts(2024, 2, 10));
    onNextModal([](QWidget *window) {
        auto *calendar = window->findChild<QCalendarWidget *>(QStringLiteral("calFecha"));
        ASSERT_NE(calendar, nullptr);
        EXPECT_EQ(calendar->selectedDate(), QDate(2024, 2, 10));
        calendar->setSelectedDate(QDate(2024, 2, 29));
        window->findChild<QPushButton *>(QStringLiteral("cmdAceptar"))->click();
    });
    EXPECT_EQ(util.ElegirFecha(), QStringLiteral("29/02/2024"));
    onNextModal([](QWidget *window) { window->findChild<QPushButton *>(QStringLiteral("cmdCancelar"))->click(); });
    EXPECT_EQ(util.ElegirFecha(), QString());
    rt::setClockForTests(std::nullopt);
}

TEST_F(UtilidadesTest, PrepararFormularioKeepsTheFormOnItsScreen)
{
    QWidget form;
    form.setGeometry(-500, -500, 100000, 300);
    util.PrepararFormulario(&form, 0);
    const QRect area = form.screen()->availableGeometry();
    EXPECT_TRUE(area.contains(form.geometry())) << form.geometry().x() << "," << form.geometry().width();
    EXPECT_LE(qAbs(form.geometry().center().y() - area.center().y()), 1);
}

} // namespace
