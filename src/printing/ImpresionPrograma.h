#pragma once

#include <QString>

// ImprimirComprobanteGenerico as the program calls it: the main connection, the program's
// print-data builders, the print object gImpresion, the workstation's kitchen printer, the report
// folder beside the program and the report connection text gCadenaODBC. See
// ImprimirComprobante.h.
void ImprimirComprobanteGenerico(QString &TC, QString &IdComprobante, QString &Cuenta);
