#include "printing/LecturaComanda.h"

#include "core/Configuracion.h"
#include "db/DB_Dll.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "printing/RegistroComandera.h"
#include "printing/SentenciasImpresion.h"
#include "printing/TicketComandera.h"
#include "session/ObjetosExternos.h"

namespace {

constexpr int AnchoMozo = 15;

QString texto(ado::Recordset &rs, const char *campo)
{
    return gUtil->ValorCampo(rs.Fields(QLatin1String(campo)));
}

rt::Currency numero(ado::Recordset &rs, const char *campo)
{
    return gUtil->ValorNumerico(rt::Variant(texto(rs, campo)));
}

bool conFila(const ado::Recordset &rs)
{
    return rs.State() == ado::adStateOpen && !rs.EOF_();
}

} // namespace

bool LecturaComanda::leer(const RegistroComandera &registro, const QString &TC, const QString &IdComprobante,
                          const rt::StepRunner &pasos, DatosComanda &datos)
{
    if (registro.ImprimeEmpresa && !pasos.proceed([&] {
            datos.Empresa = registro.Empresa.isEmpty() ? Cfg(QStringLiteral("NOMBRE")) : registro.Empresa;
        }))
        return false;
    if (registro.ImprimeDomicilio && !pasos.proceed([&] {
            datos.Domicilio = registro.Domicilio.isEmpty()
                                  ? Cfg(QStringLiteral("CALLE")) + QLatin1Char(' ') + Cfg(QStringLiteral("NUMERO"))
                                        + QStringLiteral(" - ") + Cfg(QStringLiteral("LOCALIDAD"))
                                  : registro.Domicilio;
        }))
        return false;
    return leerComprobante(TC, IdComprobante, pasos, datos) && leerLineas(TC, IdComprobante, pasos, datos);
}

bool LecturaComanda::leerComprobante(const QString &TC, const QString &IdComprobante, const rt::StepRunner &pasos,
                                     DatosComanda &datos)
{
    ado::Recordset rs;
    const bool leido =
        pasos.proceed([&] { m_base.AbrirRecordset(SentenciasImpresion::comanda(m_base, TC, IdComprobante), rs); })
        && pasos.proceed([&] { datos.Mesa = rt::Trim(texto(rs, "transporte")); }) && pasos.proceed([&] {
               const QString mozo = gUtil->ValorCampo(
                   m_base.DatosTabla(QStringLiteral("V_TA_VENDEDORES"), rt::Trim(texto(rs, "IdVendedor")),
                                     QStringLiteral("NOMBRE"), QStringLiteral("IdVendedor")));
               datos.Mozo = rt::Trim(mozo.leftJustified(AnchoMozo, QLatin1Char(' '), true));
           })
        && pasos.proceed([&] { datos.Cliente = rt::Trim(texto(rs, "Nombre")); })
        && pasos.proceed([&] { datos.Importe = numero(rs, "Importe"); });
    m_base.CierraRecordset(rs);
    return leido;
}

bool LecturaComanda::leerLineas(const QString &TC, const QString &IdComprobante, const rt::StepRunner &pasos,
                                DatosComanda &datos)
{
    ado::Recordset rs;
    bool leido = pasos.proceed(
        [&] { m_base.AbrirRecordset(SentenciasImpresion::lineasComanda(m_base, TC, IdComprobante), rs); });
    while (leido && conFila(rs)) {
        leido = pasos.proceed([&] {
            LineaComanda linea;
            linea.Descripcion = texto(rs, "Descripcion");
            linea.Importe = numero(rs, "Importe");
            linea.Cantidad = numero(rs, "Cantidad");
            linea.Cantidadpreparada = numero(rs, "Cantidadpreparada");
            linea.CANTIDADAFACTURAR = numero(rs, "CANTIDADAFACTURAR");
            linea.talledefault = texto(rs, "talledefault");
            datos.Lineas.push_back(linea);
        }) && pasos.proceed([&] { rs.MoveNext(); });
    }
    m_base.CierraRecordset(rs);
    return leido;
}
