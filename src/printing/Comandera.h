#pragma once

#include <QString>

// The kitchen-order ticket printer that the report printer hands restaurant orders to, instead
// of printing their report, when the voucher type's destination names a "Comandera".
class Comandera {
public:
    virtual ~Comandera() = default;

    // Prints the ticket of order TC `IdComprobante` on the kitchen printer that `Impresora`
    // names: the kitchen's lines with `Cocina`, the bar's with `Barra`, every priced line with
    // neither. Reports its own failures.
    virtual void ImprimeEnComandera(const QString &TC, const QString &IdComprobante, const QString &Impresora,
                                    bool Cocina, bool Barra) = 0;
};
