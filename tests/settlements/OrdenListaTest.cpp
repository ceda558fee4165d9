// The column sort of the settlement lists: how two cells compare, the order toggling per list,
// the total row kept last, and a header click as the user makes it.

#include "settlements/OrdenLista.h"
#include "support/WidgetTest.h"

#include <QHeaderView>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <ostream>

namespace {

struct Comparacion {
    const char *a;
    const char *b;
    int signo;
};

void PrintTo(const Comparacion &caso, std::ostream *os)
{
    *os << '"' << caso.a << "\" vs \"" << caso.b << '"';
}

class CompararCeldas : public ::testing::TestWithParam<Comparacion> { };

TEST_P(CompararCeldas, AmountsAsNumbersDatesAsDatesOtherTextIgnoringCase)
{
    const Comparacion &caso = GetParam();
    const int resultado = OrdenLista::compararCeldas(QString::fromUtf8(caso.a), QString::fromUtf8(caso.b));
    EXPECT_EQ((resultado > 0) - (resultado < 0), caso.signo);
    const int inverso = OrdenLista::compararCeldas(QString::fromUtf8(caso.b), QString::fromUtf8(caso.a));
    EXPECT_EQ((inverso > 0) - (inverso < 0), -caso.signo);
}

INSTANTIATE_TEST_SUITE_P(Celdas, CompararCeldas,
                         ::testing::Values(Comparacion{"9,00", "10,00", -1},
                                           Comparacion{"1.234.567,89", "61.728,39", 1},
                                           Comparacion{"-300,00", "0,00", -1}, Comparacion{"2,50", "2,5", 0},
                                           Comparacion{"   2", "  10", -1}, Comparacion{"9", "10", -1},
                                           Comparacion{"31/01/2024", "01/03/2024", -1},
                                           Comparacion{"05/03/2023", "02/03/2024", -1},
                                           Comparacion{"CLIENTE uno", "cliente DOS", 1}, Comparacion{"abc", "ABC", 0},
                                           Comparacion{"000100000010X", "000100000011X", -1}));

class OrdenListaPrueba : public support::WidgetTest {
protected:
    OrdenListaPrueba()
    {
        lista.setColumnCount(3);
        for (const QStringList &fila : QList<QStringList>{{"   2", "9,00", "05/03/2024"},
                                                          {"  10", "1.500,50", "28/02/2024"},
                                                          {"   1", "-300,00", "01/03/2024"},
                                                          {"Tot", "1.209,50", ""}})
            lista.addTopLevelItem(new QTreeWidgetItem(fila));
    }

    QStringList columna(int c) const
    {
        QStringList textos;
        for (int i = 0; i < lista.topLevelItemCount(); ++i)
            textos << lista.topLevelItem(i)->text(c);
        return textos;
    }

    QTreeWidget lista;
};

TEST_F(OrdenListaPrueba, TheOrderTogglesOnEveryClickWhateverTheColumnAndTheTotalStaysLast)
{
    OrdenLista::columnaPulsada(lista, 1);
    EXPECT_EQ(columna(1), (QStringList{"1.500,50", "9,00", "-300,00", "1.209,50"})) << "first click: descending";
    OrdenLista::columnaPulsada(lista, 1);
    EXPECT_EQ(columna(1), (QStringList{"-300,00", "9,00", "1.500,50", "1.209,50"})) << "second click: ascending";
    OrdenLista::columnaPulsada(lista, 2);
    EXPECT_EQ(columna(2), (QStringList{"05/03/2024", "01/03/2024", "28/02/2024", ""})) << "another column: descending";
    OrdenLista::columnaPulsada(lista, 0);
    EXPECT_EQ(columna(0), (QStringList{"   1", "   2", "  10", "Tot"}));
}

TEST_F(OrdenListaPrueba, SortingKeepsTheSelectedRow)
{
    lista.setCurrentItem(lista.topLevelItem(1));
    OrdenLista::columnaPulsada(lista, 0);
    ASSERT_NE(lista.currentItem(), nullptr);
    EXPECT_EQ(lista.currentItem()->text(0), QStringLiteral("  10"));
}

TEST_F(OrdenListaPrueba, AClickOnAHeaderSortsByThatColumn)
{
    std::vector<int> pulsadas;
    OrdenLista::escucharEncabezado(lista, [&](int c) { pulsadas.push_back(c); });
    lista.resize(400, 200);
    lista.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&lista));
    QHeaderView *encabezado = lista.header();
    const auto centro = [&](int c) {
        return QPoint(encabezado->sectionViewportPosition(c) + encabezado->sectionSize(c) / 2,
                      encabezado->height() / 2);
    };
    QTest::mouseClick(encabezado->viewport(), Qt::LeftButton, {}, centro(2));
    QTest::mouseClick(encabezado->viewport(), Qt::LeftButton, {}, centro(0));
    QTest::mousePress(encabezado->viewport(), Qt::LeftButton, {}, centro(1));
    QTest::mouseRelease(encabezado->viewport(), Qt::LeftButton, {}, centro(1) + QPoint(30, 0));
    EXPECT_EQ(pulsadas, (std::vector<int>{2, 0})) << "a drag is no click";
}

} // namespace
