#pragma once

#include "printing/Comandera.h"
#include "session/LazyInstance.h"

// Kitchen-order tickets on the workstation's serial kitchen printer, the one "Comanderas.cfg"
// names for it, through the port of the hidden host FrmMvVentas. It reads the order on the
// main connection gBaseDatos.
class ModImprimeEnComandera : public Comandera {
public:
    // ImprimeEnComandera: prints the ticket of order TC `IdComprobante` on the kitchen printer
    // that `Impresora` names ("Comandera :" and the printer's name). Without a record for this
    // workstation and printer it says so and sends nothing; a port that does not open, or a
    // printer that does not take the ticket within the port's wait (see serial::MSComm), is
    // reported with the record's port text. Other errors go to MostrarError with the routine
    // name "ImprimeEnComandera": Retry repeats the failing step, Ignore goes on with the next,
    // any other answer closes the port and leaves.
    void ImprimeEnComandera(const QString &TC, const QString &IdComprobante, const QString &Impresora, bool Cocina,
                            bool Barra) override;
};

// The program's kitchen-ticket printer.
extern core::LazyInstance<ModImprimeEnComandera> gModImprimeEnComandera;
