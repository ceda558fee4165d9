#include "printing/PeriodoAsiento.h"

#include "db/DB_Dll.h"
#include "platform/runtime/Text.h"
#include "printing/DatosImpresion.h"
#include "printing/SentenciasImpresion.h"
#include "session/ObjetosExternos.h"

void ObtenerPeriodoAsiento(DB_Dll &base, DatosImpresion &datos, const QString &TC, const QString &IdComprobante,
                           const QString &ParametroAsiento, bool CentroCosto)
{
    const QString sucursal = rt::Mid(IdComprobante, 1, 4);
    const QString numero = rt::Mid(IdComprobante, 5, 8);
    const QString letra = rt::Mid(IdComprobante, 13, 1);
    ado::Recordset rs;
    base.AbrirRecordset(SentenciasImpresion::periodosAsiento(base, TC, sucursal, numero, letra, ParametroAsiento), rs);
    for (; rs.State() == ado::adStateOpen && !rs.EOF_(); rs.MoveNext()) {
        datos.FormulasAsiento(TC, sucursal, numero, letra,
                              gUtil->ValorCampo(rs.Fields(QStringLiteral("Mes_Operativo"))),
                              gUtil->ValorCampo(rs.Fields(QStringLiteral("numero asiento"))),
                              gUtil->ValorCampo(rs.Fields(QStringLiteral("Periodo"))), CentroCosto, true, false);
    }
    base.CierraRecordset(rs);
}
