#pragma once

#include "platform/runtime/Currency.h"
#include "platform/runtime/DateTime.h"
#include "printing/RegistroComandera.h"

#include <QByteArray>
#include <QString>
#include <vector>

// One article line of an order, as the ticket uses it.
struct LineaComanda {
    QString Descripcion;
    rt::Currency Importe; // the unit price
    rt::Currency Cantidad;
    rt::Currency Cantidadpreparada; // 0 when the line has none
    rt::Currency CANTIDADAFACTURAR; // 0 when the line has none
    QString talledefault; // routing letters of the article: "C" kitchen, "B" bar
};

// What a ticket prints of an order and of the business.
struct DatosComanda {
    QString Mesa; // the table, trimmed
    QString Mozo; // the waiter's name
    QString Cliente; // the customer's name, trimmed
    rt::Currency Importe; // the order's total
    QString Empresa; // the business-name line
    QString Domicilio; // the address line
    std::vector<LineaComanda> Lineas;
};

// FormatoImporteTicket: a priced line of `Ancho` characters: the first `Ancho` - 9 characters
// of `Texto`, padded with blanks to that width (apostrophes kept), then "$ " and the amount
// formatted "###0.00" in a column of 7.
QString FormatoImporteTicket(const QString &Texto, rt::Currency Importe, int Ancho);

// The bytes of a kitchen-order ticket for a receipt printer, 34 characters wide: printer
// commands (print mode, justification, cut) and lines of single-byte text (Windows-1252) each
// ended by a line feed. An ordinary ticket lists every line with its price and the total; a
// kitchen ticket (`Cocina`) the kitchen's lines with the quantity still to prepare, a bar
// ticket (`Barra`) the bar's lines with the quantity still to invoice, without prices.
class TicketComandera {
public:
    TicketComandera(const RegistroComandera &registro, bool Cocina, bool Barra)
        : m_registro(registro)
        , m_cocina(Cocina)
        , m_barra(Barra)
    {
    }

    // The ticket of order TC `IdComprobante` printed at `ahora`.
    QByteArray bytes(const QString &TC, const QString &IdComprobante, const DatosComanda &datos,
                     rt::DateTime ahora) const;

private:
    bool conPrecios() const { return !m_cocina && !m_barra; }
    void encabezado(QByteArray &salida, const QString &TC, const QString &IdComprobante, const DatosComanda &datos,
                    rt::DateTime ahora) const;
    void articulo(QByteArray &salida, const LineaComanda &linea) const;
    void cierre(QByteArray &salida, const DatosComanda &datos) const;

    const RegistroComandera &m_registro;
    bool m_cocina;
    bool m_barra;
};
