#pragma once

#include <QString>

class DB_Dll;
class DatosImpresion;

// The accounting-entry print of a voucher of the accounting system: each entry that voucher
// `IdComprobante` of type TC produced on date `ParametroAsiento` (dd/mm/yyyy; blank: on any
// date), one per entry number, operating month and period, shown on the screen through
// `datos`.FormulasAsiento, with the cost-centre report when `CentroCosto`. Errors pass to the
// caller.
void ObtenerPeriodoAsiento(DB_Dll &base, DatosImpresion &datos, const QString &TC, const QString &IdComprobante,
                           const QString &ParametroAsiento, bool CentroCosto);
