// The column chooser window: what it lists, "Todos", and closing without applying.

#include "grid/FrmCampos.h"
#include "support/WidgetTest.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class FrmCamposPrueba : public support::WidgetTest {
protected:
    FrmCamposPrueba()
    {
        ventana.gCampos = QStringLiteral("[a]|[b]|[c]|ID|");
        ventana.gCamposSel = QStringLiteral("[c], [a], ID");
        ventana.gOrdinalSel = QStringLiteral("3|1|");
    }

    FrmCampos ventana;
};

TEST_F(FrmCamposPrueba, ListsTheChoiceAndTodosChecksEveryColumnAndApplies)
{
    onNextModal([](QWidget *modal) {
        auto *lista = modal->findChild<QListWidget *>(QStringLiteral("LstLista"));
        ASSERT_EQ(lista->count(), 3);
        EXPECT_EQ(lista->item(0)->text(), QStringLiteral("c"));
        EXPECT_EQ(lista->item(1)->checkState(), Qt::Checked);
        EXPECT_EQ(lista->item(2)->checkState(), Qt::Unchecked);
        QTest::mouseClick(modal->findChild<QPushButton *>(QStringLiteral("CmdAll")), Qt::LeftButton);
    });
    ventana.exec();
    EXPECT_FALSE(ventana.Cancelar);
    EXPECT_EQ(ventana.gCamposSel, QStringLiteral("[c], [a], [b], [ID]"));
    EXPECT_EQ(ventana.gOrdinalSel, QStringLiteral("1|2|3|"));
    EXPECT_EQ(ventana.gCamposOrden, QStringLiteral("[c], [a], [b], [ID]"));
}

TEST_F(FrmCamposPrueba, EscapeClosesWithoutApplying)
{
    onNextModal([](QWidget *modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    ventana.exec();
    EXPECT_TRUE(ventana.Cancelar);
    EXPECT_EQ(ventana.gCamposSel, QStringLiteral("[c], [a], ID"));
    EXPECT_EQ(ventana.gOrdinalSel, QStringLiteral("3|1|"));
}

} // namespace
