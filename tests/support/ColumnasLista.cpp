#include "support/ColumnasLista.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QStyle>
#include <QTreeWidget>
#include <gtest/gtest.h>

void comprobarColumnas(const QTreeWidget &lista, const QFont &fuente, const std::vector<Columna> &esperadas)
{
    ASSERT_EQ(lista.columnCount(), static_cast<int>(esperadas.size()));
    const QFontMetrics medidas(fuente);
    for (int c = 0; c < lista.columnCount(); ++c) {
        const Columna &esperada = esperadas.at(static_cast<size_t>(c));
        SCOPED_TRACE(esperada.titulo.toStdString());
        EXPECT_EQ(lista.headerItem()->text(c), esperada.titulo);
        // The column shows its count of "X" whole, inside the cell's text margins on both sides.
        EXPECT_EQ(lista.header()->sectionSize(c)
                      - 2 * (lista.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &lista) + 1),
                  medidas.horizontalAdvance(QString(esperada.letras, QLatin1Char('X'))));
        EXPECT_EQ((lista.headerItem()->textAlignment(c) & Qt::AlignRight) != 0, esperada.derecha);
        for (int f = 0; f < lista.topLevelItemCount(); ++f)
            EXPECT_EQ((lista.topLevelItem(f)->textAlignment(c) & Qt::AlignRight) != 0, esperada.derecha);
    }
}
