#pragma once

#include "platform/ado/Recordset.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Variant.h"

#include <QString>
#include <optional>

// A field of a settlement list's query as its loader reads it row after row: found by name at
// its first use, and its text kept with the value it came from. The rows of a list come grouped
// (a voucher's lines repeat its type, number, date, list and collection and mostly their rates;
// a day's collections their date), so a value equal to the one above is not formatted again:
// formatting cell by cell was most of the cost of a list of tens of thousands of rows.
class CampoLista {
public:
    // How a value becomes its cell's text; it may throw RuntimeError (94 for a Null it needs).
    using Formato = QString (*)(const rt::Variant &valor);

    explicit CampoLista(QString nombre, Formato formato = &rt::CStr)
        : m_nombre(std::move(nombre))
        , m_formato(formato)
    {
    }

    // The current row's value. Throws RuntimeError 3265 when the query has no such column.
    const rt::Variant &valor(ado::Recordset &rs);
    // The current row's text. Throws as valor and as the format.
    QString texto(ado::Recordset &rs);

private:
    QString m_nombre;
    Formato m_formato;
    std::optional<ado::Field> m_campo;
    std::optional<rt::Variant> m_valor; // the value the text below came from
    QString m_texto;
};

// The null-safe text of a field (Utilidades.ValorCampo): a Null shows as an empty text.
QString textoNulable(const rt::Variant &valor);
