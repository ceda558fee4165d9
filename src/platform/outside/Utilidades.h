#pragma once

#include "platform/runtime/Currency.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/Variant.h"

#include <QString>
#include <optional>

class QWidget;

namespace ado {
class Field;
}

namespace outside {

// The maker's utility object: values as text, SQL-safe text, codes and folders, the stored form
// of passwords, and three small dialogs (error, date picker) and form set-up.
class Utilidades {
public:
    // A field's value as text; Null gives "", and so does a recordset standing at BOF or EOF.
    QString ValorCampo(const ado::Field &campo) const;
    // Any value as text (CStr); Null and Empty give "".
    QString ValorCampo(const rt::Variant &valor) const;

    // A text (or value) read as a money amount with the regional separators; Null, Empty, empty
    // text and text that is not a number give 0. Throws RuntimeError 6 on overflow.
    rt::Currency ValorNumerico(const rt::Variant &valor) const;

    // The text made safe inside an SQL literal and fitted to exactly `ancho` characters: every
    // "'" becomes "´", a longer text is cut and a shorter one padded with blanks on the right.
    QString TextoSQL(const QString &texto, int ancho) const;

    // The text fitted to `ancho` characters for an amount column: padded with blanks on the
    // left. A longer text is kept whole, since cutting an amount would print another amount.
    QString AjustarAncho(const QString &texto, int ancho) const;

    // A fixed-length field without its padding: the trailing run of blanks and NUL characters.
    QString LimpiarTextoFijo(const QString &campo) const;

    // The number of words (runs of characters between blanks, tabs and line breaks).
    int ContarPalabras(const QString &texto) const;

    // The text without any occurrence of `caracter`, or with `reemplazo` in its place.
    QString QuitarCaracter(const QString &texto, const QString &caracter, const QString &reemplazo = {}) const;

    // The text fit to stand between quotes in a report formula or an SQL list: apostrophes,
    // double quotes and control characters removed; "" when nothing printable is left.
    QString LimpiarTextoFormula(const QString &texto) const;

    // A customs-dispatch field as printed: trimmed, each run of blanks and line breaks one blank.
    QString TextoDespacho(const QString &texto) const;

    // The text with every occurrence of `buscado` replaced by `reemplazo` (letter case counts).
    QString ReemplazarTexto(const QString &texto, const QString &buscado, const QString &reemplazo) const;

    // A code as the database stores it: a code of digits only, blanks around it dropped, is
    // padded with leading zeros to `ancho` characters (" 2 " gives "0002"); any other code is
    // only trimmed ("FCE"). A code longer than `ancho` is never cut.
    QString FormatoCodigo(const QString &codigo, int ancho) const;

    // The folder ending with a separator ("/" added unless it ends in "/" or "\"); "" stays "".
    QString AgregarBarra(const QString &carpeta) const;

    // The stored form of a user name or password, and back (see ClaveGuardada.h).
    QString CodificarClave(const QString &texto) const;
    QString DecodificarClave(const QString &guardado) const;

    // Form set-up before a form is first shown: fits it into its screen and centres it there.
    void PrepararFormulario(QWidget *formulario, int modo = 0) const;

    // The error dialog of the program's windows: "Ha ocurrido el Siguiente Error (" number ") "
    // and the description, titled with the error's source (and " - " and `rutina` when given),
    // with `botones` (default 18: critical, Abort/Retry/Ignore). Returns the answer, or 0
    // without showing anything when the error number is 0.
    int TratarError(const rt::RuntimeError &error, std::optional<int> botones = std::nullopt,
                    const QString &rutina = {}) const;

    // The date picker: a modal calendar starting on today; returns the chosen date as
    // "dd/mm/yyyy", or "" when the user cancels.
    QString ElegirFecha() const;
};

} // namespace outside
