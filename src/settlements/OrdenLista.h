#pragma once

#include <QString>
#include <functional>

class QTreeWidget;

// The column sort of the settlement lists. Sorted, SortKey and SortOrder belong to the list and
// survive its reloads; the order toggles on every header click, whatever the column.
namespace OrdenLista {

// Compares two cells as the sort orders them: amounts and other numbers as numbers, dates as
// dates, anything else as text without regard to letter case. Negative, 0 or positive.
int compararCeldas(const QString &a, const QString &b);

// A click on the header of column `columna`: the list is sorted by it, descending when its
// previous order was ascending (as it is at first), ascending otherwise. The total row "Tot"
// stays last.
void columnaPulsada(QTreeWidget &lista, int columna);

// Sorts the rows again as the user last sorted them (after a reload); nothing when never sorted.
void reaplicar(QTreeWidget &lista);

// Calls `alPulsar` with the column of each click on the list's header; a drag that resizes a
// column is no click.
void escucharEncabezado(QTreeWidget &lista, std::function<void(int)> alPulsar);

} // namespace OrdenLista
