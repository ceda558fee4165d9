#include "platform/ado/AdoErrors.h"

#include "platform/runtime/RuntimeError.h"

namespace ado {

namespace {

QString adoText(long number)
{
    switch (number) {
    case rt::err::AdoBofOrEof:
        return QStringLiteral("BOF o EOF es True, o el actual registro se eliminó; la operación solicitada "
                              "requiere un registro actual.");
    case rt::err::AdoItemNotFound:
        return QStringLiteral("No se encontró el elemento en la colección que corresponde con el nombre o el "
                              "ordinal pedido.");
    case rt::err::AdoObjectClosed:
        return QStringLiteral("No se permite realizar esta operación si el objeto está cerrado.");
    case rt::err::AdoObjectOpen:
        return QStringLiteral("No se permite realizar esta operación si el objeto está abierto.");
    case rt::err::AdoNoConnection:
        return QStringLiteral("No se puede usar la conexión para realizar esta operación. Está cerrada o no es "
                              "válida en este contexto.");
    case rt::err::AdoEditPending:
        return QStringLiteral("No se permite realizar la operación en este contexto.");
    case rt::err::AdoOperationNotSupported:
        return QStringLiteral("El conjunto de registros actual no admite actualizaciones. Puede deberse a una "
                              "limitación del proveedor o del tipo de bloqueo seleccionado.");
    case rt::err::AdoProviderNotFound:
        return QStringLiteral("No se puede encontrar el proveedor. Es posible que no esté instalado "
                              "correctamente.");
    default:
        return QStringLiteral("Error no especificado");
    }
}

} // namespace

void raiseAdoError(long number, const QString &source)
{
    throw rt::RuntimeError(number, adoText(number), source);
}

Error providerError(long number, long nativeError, const QString &sqlState, const QString &description,
                    const QString &source)
{
    return Error{number, description, source, sqlState, nativeError};
}

} // namespace ado
