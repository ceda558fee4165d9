#pragma once

#include "platform/runtime/Variant.h"

#include <QString>
#include <optional>

// The SELECT texts of the connection class's table look-ups, built from their arguments
// exactly as the look-ups send them (blanks included). The key value is written by the key's
// ADO type code: 8 text between quotes (its quotes doubled), 7 date, 3/4/5 number, others as given.
class TextosBusqueda {
public:
    // The type code of a Variant (a number or its text); -1 when it is neither.
    static int codigoTipo(const rt::Variant &tipo);
    // The leading number of a text (Val), written with "." as decimal point.
    static QString comoNumero(const QString &valor);

    static QString buscaMaximo(const QString &tabla, const QString &campo, const std::optional<QString> &condicion);
    static QString buscaMinimo(const QString &tabla, const QString &campo, const std::optional<QString> &condicion);
    static QString existeEnTablaST(const QString &tabla, const QString &valor, const QString &campo, int tipo,
                                   const QString &condicion);
    static QString existeEnTabla(const QString &tabla, const QString &valor, const QString &campo, int tipo,
                                 const QString &condicion);
    static QString datosTabla(const QString &tabla, const QString &valor, const QString &campo, int tipo,
                              const QString &condicion, bool usaTrim);
};
