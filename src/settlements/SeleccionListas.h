#pragma once

#include <QString>

class QTreeWidget;
class QTreeWidgetItem;

// What the settlement lists hand on when a row is chosen: the salesperson for the lower lists,
// the collection or voucher key for "Ver  Comprobante", and which rows are no data at all.

// The text of a list's total row.
inline QString textoFilaTotal()
{
    return QStringLiteral("Tot");
}

// Whether the row is a list's total row ("Tot"); a missing row is not.
bool esFilaTotal(const QTreeWidgetItem *fila);

// The salesperson selected in the salespersons list, as the database stores its code (width 4).
// Throws RuntimeError 91 when no row is selected.
QString vendedorElegido(const QTreeWidget &vendedores);

// The key a collection or voucher row leaves for "Ver  Comprobante": its type fitted to exactly
// 4 characters followed by its number fitted to 15.
QString claveComprobante(const QTreeWidgetItem &fila);

// What the status label shows before any collection or voucher has been clicked.
inline QString textoEstadoInicial()
{
    return QStringLiteral("...");
}

// Whether the status label's text is a key for "Ver  Comprobante": not blank, and not the
// label's start-up text, which names no voucher.
bool nombraComprobante(const QString &estado);
