#include "printing/PeriodoAsiento.h"

#include "db/DB_Dll.h"
#include "platform/runtime/Text.h"
#include "printing/DatosImpresion.h"
#include "session/ObjetosExternos.h"

void ObtenerPeriodoAsiento(DB_Dll &base, DatosImpresion &datos, const QString &TC, const QString &IdComprobante,
                           const QString &ParametroAsiento, bool CentroCosto)
{
    const QString sucursal = rt::Mid(IdComprobante, 1, 4);
    const QString numero = rt::Mid(IdComprobante, 5, 8);
    const QString letra = rt::Mid(IdComprobante, 13, 1);
    // Without a date every entry of the voucher is shown, rather than none.
    const QString fecha = rt::Trim(ParametroAsiento).isEmpty()
                              ? QString()
                              : QStringLiteral(" AND FECHA=") + base.literal(ParametroAsiento);
    ado::Recordset rs;
    base.AbrirRecordset(QStringLiteral("SELECT TC, SUCURSAL, NUMERO, LETRA, [NUMERO ASIENTO],MES_OPERATIVO,PERIODO "
                                       "FROM @ADMIN_MV_ASIENTOS with(nolock) WHERE TC=")
                            + base.literal(TC) + QStringLiteral(" AND SUCURSAL=") + base.literal(sucursal)
                            + QStringLiteral(" AND NUMERO=") + base.literal(numero) + QStringLiteral(" AND LETRA=")
                            + base.literal(letra) + fecha
                            + QStringLiteral(" GROUP BY TC, SUCURSAL, NUMERO, LETRA, [NUMERO ASIENTO],MES_OPERATIVO,"
                                             "PERIODO"),
                        rs);
    for (; rs.State() == ado::adStateOpen && !rs.EOF_(); rs.MoveNext()) {
        datos.FormulasAsiento(TC, sucursal, numero, letra,
                              gUtil->ValorCampo(rs.Fields(QStringLiteral("Mes_Operativo"))),
                              gUtil->ValorCampo(rs.Fields(QStringLiteral("numero asiento"))),
                              gUtil->ValorCampo(rs.Fields(QStringLiteral("Periodo"))), CentroCosto, true, false);
    }
    base.CierraRecordset(rs);
}
