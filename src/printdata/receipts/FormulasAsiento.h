#pragma once

#include "platform/runtime/Variant.h"

#include <QString>

class DB_Dll;

// FormulasAsiento: prints the accounting entry (the MV_ASIENTOS lines) of voucher TC, Sucursal,
// Numero and Letra through gImpresion. Periodo 0 selects every line of the voucher; otherwise the
// lines of that period, operating month and entry number. The report is "AsientoCCosto" for the
// cost-centre entry, else "Asientos_80mm" for an 80 mm ticket, else "Asientos"; it goes to the
// screen (EnVentana) or the printer, with the company formula "EMPRESA = '<setting NOMBRE>'" and
// "ENQUEMONEDA = '1'", the logon text gCadenaODBC and, for the cost-centre report, the sub-report
// "AsientoSueldosCC". The print runs in process (EnProceso) and is then ended with Terminar(10).
// Errors of the connection or the print library pass to the caller.
void FormulasAsiento(DB_Dll &db, const QString &TC, const QString &Sucursal, const QString &Numero,
                     const QString &Letra, const QString &MesOperativo, const QString &NumeroAsiento,
                     const rt::Variant &Periodo, bool CentroCosto, bool EnVentana = true, bool Ticket80mm = false);
