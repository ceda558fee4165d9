#include "settlements/ImportesArticulo.h"

#include "core/Formatos.h"
#include "db/DB_Dll.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Text.h"
#include "session/ObjetosExternos.h"

#include <QStringList>

namespace {

QString entradaCobranza(ado::Recordset &rs)
{
    const auto campo = [&rs](const char *nombre) { return gUtil->ValorCampo(rs(QString::fromLatin1(nombre))); };
    return campo("CBTC") + QStringLiteral(" - ") + campo("IDCOBRANZA") + QStringLiteral(",")
           + campo("TotalCobradoIncluyeDto") + QStringLiteral(",") + campo("ImporteDescuento") + QStringLiteral(",")
           + campo("ImporteCobrado") + QStringLiteral(",") + campo("PorcDescuentoCobranza") + QStringLiteral(",")
           + campo("FechaCobranza");
}

rt::Currency importe(ado::Recordset &rs, const char *campo)
{
    return gUtil->ValorNumerico(gUtil->ValorCampo(rs(QString::fromLatin1(campo))));
}

// The discount's share of what was collected including it, brought to 2 decimals as the money
// format rounds.
rt::Currency porcentajeDescuento(rt::Currency descuento, rt::Currency cobradoConDescuento)
{
    if (cobradoConDescuento <= rt::Currency())
        return {};
    const double cociente = 100.0 * descuento.toDouble() / cobradoConDescuento.toDouble();
    return rt::CCur(rt::Variant(FmtMoneda(rt::CStr(rt::Variant(cociente)), 2, false)));
}

} // namespace

QString SentenciaImportesArticulo(const QString &idArticulo, const QString &tc, const QString &idComprobante)
{
    return QStringLiteral(
               "SELECT CBTC,IDCOBRANZA,FechaCobranza,PorcDescuentoCobranza,ImporteNeto,ImporteComision,"
               "TotalCobradoIncluyeDto,ImporteDescuento,ImporteCobrado FROM VT_COMISIONES_LISTA_CB_DESCUENTO "
               "WHERE ARTICULO='")
           + DB_Dll::escaparComillas(gUtil->FormatoCodigo(idArticulo, 25)) + QStringLiteral("' AND TC='")
           + DB_Dll::escaparComillas(rt::Trim(tc)) + QStringLiteral("' AND IDCOMPROBANTE='")
           + DB_Dll::escaparComillas(rt::Trim(idComprobante)) + QStringLiteral("'");
}

void ObtenerImportesArticulo(DB_Dll &base, const QString &idArticulo, const QString &tc, const QString &idComprobante,
                             rt::Currency totalFactura, ImportesArticulo &importes)
{
    importes.ImporteCobrado = {};
    importes.ImporteDescuento = {};
    importes.TotalCobradoCDto = {};
    importes.importecomision = {};
    importes.ImporteNeto = {};
    importes.listaCB.clear();
    ado::Recordset rs;
    base.AbrirRecordset(SentenciaImportesArticulo(idArticulo, tc, idComprobante), rs);
    if (!rs.BOF()) {
        for (; !rs.EOF_(); rs.MoveNext()) {
            importes.importecomision += importe(rs, "ImporteComision");
            importes.ImporteNeto += importe(rs, "ImporteNeto");
            importes.ImporteDescuento += importe(rs, "ImporteDescuento");
            importes.ImporteCobrado += importe(rs, "ImporteCobrado");
            importes.TotalCobradoCDto += importe(rs, "TotalCobradoIncluyeDto");
            if (!importes.listaCB.isEmpty())
                importes.listaCB += QStringLiteral("|");
            importes.listaCB += entradaCobranza(rs);
        }
    }
    importes.PagoParcial = importes.ImporteCobrado < totalFactura;
    importes.PorcDtoTotal = porcentajeDescuento(importes.ImporteDescuento, importes.TotalCobradoCDto);
}
