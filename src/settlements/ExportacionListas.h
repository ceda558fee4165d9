#pragma once

#include <QString>
#include <QtGlobal>

class QTreeWidget;

// The export button of the settlement window: its caption names the list that last had the
// focus, and that list goes to a spreadsheet with its date column formatted as a date.
namespace ExportacionListas {

// The four lists, by the role they play, and none (the design caption "Excel Cobranzas").
enum class Lista { Ninguna, Vendedores, Cobranzas, Comprobantes, Detalle };

// The caption that names a list ("Exp Excel Vendedor"...); empty for none.
QString titulo(Lista lista);
// The list a caption names, compared without regard to letter case; Ninguna for any other text.
Lista listaDeTitulo(const QString &titulo);
// The heading of a list's date column ("Fecha Cob", "Fecha"); empty when it has none.
QString encabezadoFecha(Lista lista);

// The spreadsheet column, counted from 1, where the list export writes the column headed
// `encabezado` (hidden columns are left out); -1 when it writes none.
qint16 columnaEnHoja(const QTreeWidget &lista, const QString &encabezado);

// Exports `lista` playing the role `rol` to a new workbook, shown in landscape, with its date
// column formatted "dd/mm/yyyy". Errors pass to the caller.
void exportar(QTreeWidget &lista, Lista rol);

} // namespace ExportacionListas
