#include "settlements/SeleccionListas.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/Text.h"
#include "session/ObjetosExternos.h"

#include <QTreeWidget>

bool esFilaTotal(const QTreeWidgetItem *fila)
{
    return fila && fila->text(0) == textoFilaTotal();
}

QString vendedorElegido(const QTreeWidget &vendedores)
{
    const QTreeWidgetItem *fila = vendedores.currentItem();
    if (!fila)
        throw rt::RuntimeError(rt::err::ObjectNotSet, QStringLiteral("No hay un vendedor seleccionado"));
    return gUtil->FormatoCodigo(rt::Trim(fila->text(0)), 4);
}

QString claveComprobante(const QTreeWidgetItem &fila)
{
    return gUtil->TextoSQL(rt::Trim(fila.text(0)), 4) + gUtil->TextoSQL(fila.text(1), 15);
}

bool nombraComprobante(const QString &estado)
{
    const QString texto = rt::Trim(estado);
    return !texto.isEmpty() && texto != textoEstadoInicial();
}
