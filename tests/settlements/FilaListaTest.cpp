// A settlement list row: its texts kept in one block, its alignments from the row it copies, and
// both read and changed through the item's own calls, in a list as the user sees it.

#include "settlements/FilaLista.h"
#include "support/WidgetTest.h"

#include <QSignalSpy>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

class FilaListaPrueba : public support::WidgetTest {
protected:
    FilaListaPrueba()
    {
        lista.setColumnCount(4);
        for (int c = 0; c < 4; ++c)
            modelo.setTextAlignment(c, (c == 2 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }

    QStringList textos(const QTreeWidgetItem &fila) const
    {
        QStringList leidos;
        for (int c = 0; c < lista.columnCount(); ++c)
            leidos << fila.text(c);
        return leidos;
    }

    QTreeWidget lista;
    QTreeWidgetItem modelo;
};

TEST_F(FilaListaPrueba, ShowsItsTextsWithTheModelsAlignmentsAndChangesOneCellAlone)
{
    auto *fila = new FilaLista(
        modelo, {QStringLiteral("CB"), QString(), QStringLiteral("1.234,50"), QStringLiteral("DESCRIPCIÓN")});
    lista.addTopLevelItem(fila);
    EXPECT_EQ(textos(*fila), QStringList({"CB", "", "1.234,50", "DESCRIPCIÓN"}));
    EXPECT_EQ(lista.model()->data(lista.model()->index(0, 3)).toString(), QStringLiteral("DESCRIPCIÓN"));
    EXPECT_EQ(fila->columnCount(), 4);
    EXPECT_TRUE(fila->textAlignment(2) & Qt::AlignRight);
    EXPECT_TRUE(fila->textAlignment(3) & Qt::AlignLeft);
    EXPECT_EQ(fila->text(-1), QString());
    EXPECT_EQ(fila->text(4), QString());

    QSignalSpy cambios(&lista, &QTreeWidget::itemChanged);
    // Longer, then shorter, then into the empty cell: the cells after it keep their texts.
    fila->setText(0, QStringLiteral("CBCT"));
    fila->setText(2, QStringLiteral("5,00"));
    fila->setText(1, QStringLiteral("000100000001X"));
    EXPECT_EQ(textos(*fila), QStringList({"CBCT", "000100000001X", "5,00", "DESCRIPCIÓN"}));
    EXPECT_EQ(cambios.count(), 3);
    fila->setText(2, QStringLiteral("5,00"));
    EXPECT_EQ(cambios.count(), 3) << "an unchanged text tells nobody";

    // A cell past the texts it was made with.
    auto *corta = new FilaLista(modelo, {QStringLiteral("Tot")});
    lista.addTopLevelItem(corta);
    corta->setText(3, QStringLiteral("TOTALES"));
    EXPECT_EQ(textos(*corta), QStringList({"Tot", "", "", "TOTALES"}));
    EXPECT_EQ(textos(*fila), QStringList({"CBCT", "000100000001X", "5,00", "DESCRIPCIÓN"}));

    // Other roles stay the item's own.
    fila->setToolTip(1, QStringLiteral("ayuda"));
    EXPECT_EQ(fila->toolTip(1), QStringLiteral("ayuda"));
    EXPECT_EQ(fila->text(1), QStringLiteral("000100000001X"));
}

} // namespace
