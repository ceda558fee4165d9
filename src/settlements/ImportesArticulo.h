#pragma once

#include "platform/runtime/Currency.h"

#include <QString>

class DB_Dll;

// The commission figures of one article of one voucher, added up over the collections that
// paid it, as the commission view gives them per collection.
struct ImportesArticulo {
    // Less than the voucher's total was collected.
    bool PagoParcial = false;
    rt::Currency ImporteCobrado;
    rt::Currency ImporteDescuento;
    // Collected including the discount.
    rt::Currency TotalCobradoCDto;
    rt::Currency ImporteNeto;
    rt::Currency importecomision;
    // The discount as a percentage of TotalCobradoCDto, to 2 decimals; 0 when nothing was
    // collected.
    rt::Currency PorcDtoTotal;
    // One entry per collection, joined by "|": "CBTC - IDCOBRANZA,total with discount,discount,
    // collected,discount %,collection date", the fields as they read (Null as nothing).
    QString listaCB;
};

// The statement that reads the view's rows of the article (brought to its stored width of 25)
// in voucher `tc` / `idComprobante` (both trimmed).
QString SentenciaImportesArticulo(const QString &idArticulo, const QString &tc, const QString &idComprobante);

// Fills `importes` for the article `idArticulo` of voucher `tc` / `idComprobante` whose total is
// `totalFactura`. The sums and the list start empty; a Null amount counts as 0. Errors pass to
// the caller with `importes` as far as it was filled: RuntimeError 3704 when the query did not
// open (the connection has reported why).
void ObtenerImportesArticulo(DB_Dll &base, const QString &idArticulo, const QString &tc, const QString &idComprobante,
                             rt::Currency totalFactura, ImportesArticulo &importes);
