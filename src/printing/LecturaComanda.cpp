#include "printing/LecturaComanda.h"

#include "core/Configuracion.h"
#include "db/DB_Dll.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "printing/RegistroComandera.h"
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

bool seguir(const rt::StepRunner &pasos, const std::function<void()> &paso)
{
    return pasos.run(paso) == rt::StepResult::Continue;
}

bool conFila(const ado::Recordset &rs)
{
    return rs.State() == ado::adStateOpen && !rs.EOF_();
}

} // namespace

QString LecturaComanda::sentenciaComprobante(DB_Dll &base, const QString &TC, const QString &IdComprobante)
{
    return QStringLiteral("SELECT * FROM V_MV_CPTE WITH(NOLOCK) WHERE TC = ") + base.literal(TC)
           + QStringLiteral(" AND IDCOMPROBANTE = ") + base.literal(IdComprobante);
}

QString LecturaComanda::sentenciaLineas(DB_Dll &base, const QString &TC, const QString &IdComprobante)
{
    return QStringLiteral(
               "SELECT V_MV_CpteInsumos.IDARTICULO,V_MV_CpteInsumos.DESCRIPCION,V_MV_CpteInsumos.CANTIDAD,"
               "V_MV_CpteInsumos.Cantidadpreparada,V_MV_CpteInsumos.CANTIDADAFACTURAR, V_MV_CpteInsumos.IMPORTE_S_IVA, "
               "V_MV_CpteInsumos.IMPORTE, v_ma_articulos.Pesable, v_ma_articulos.talledefault FROM V_MV_CPTEINSUMOS "
               "LEFT OUTER JOIN dbo.V_MA_ARTICULOS ON dbo.V_MV_CpteInsumos.IDARTICULO = dbo.V_MA_ARTICULOS.IDARTICULO "
               "WHERE TC = ")
           + base.literal(TC) + QStringLiteral(" AND IDCOMPROBANTE = ") + base.literal(IdComprobante)
           + QStringLiteral(" ORDER BY V_MV_CpteInsumos.ID");
}

bool LecturaComanda::leer(const RegistroComandera &registro, const QString &TC, const QString &IdComprobante,
                          const rt::StepRunner &pasos, DatosComanda &datos)
{
    if (registro.ImprimeEmpresa && !seguir(pasos, [&] {
            datos.Empresa = registro.Empresa.isEmpty() ? Cfg(QStringLiteral("NOMBRE")) : registro.Empresa;
        }))
        return false;
    if (registro.ImprimeDomicilio && !seguir(pasos, [&] {
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
        seguir(pasos, [&] { m_base.AbrirRecordset(sentenciaComprobante(m_base, TC, IdComprobante), rs); })
        && seguir(pasos, [&] { datos.Mesa = rt::Trim(texto(rs, "transporte")); })
        && seguir(pasos,
                  [&] {
                      const QString mozo = gUtil->ValorCampo(
                          m_base.DatosTabla(QStringLiteral("V_TA_VENDEDORES"), rt::Trim(texto(rs, "IdVendedor")),
                                            QStringLiteral("NOMBRE"), QStringLiteral("IdVendedor")));
                      datos.Mozo = rt::Trim(mozo.leftJustified(AnchoMozo, QLatin1Char(' '), true));
                  })
        && seguir(pasos, [&] { datos.Cliente = rt::Trim(texto(rs, "Nombre")); })
        && seguir(pasos, [&] { datos.Importe = numero(rs, "Importe"); });
    m_base.CierraRecordset(rs);
    return leido;
}

bool LecturaComanda::leerLineas(const QString &TC, const QString &IdComprobante, const rt::StepRunner &pasos,
                                DatosComanda &datos)
{
    ado::Recordset rs;
    bool leido = seguir(pasos, [&] { m_base.AbrirRecordset(sentenciaLineas(m_base, TC, IdComprobante), rs); });
    while (leido && conFila(rs)) {
        leido = seguir(pasos,
                       [&] {
                           LineaComanda linea;
                           linea.Descripcion = texto(rs, "Descripcion");
                           linea.Importe = numero(rs, "Importe");
                           linea.Cantidad = numero(rs, "Cantidad");
                           linea.Cantidadpreparada = numero(rs, "Cantidadpreparada");
                           linea.CANTIDADAFACTURAR = numero(rs, "CANTIDADAFACTURAR");
                           linea.talledefault = texto(rs, "talledefault");
                           datos.Lineas.push_back(linea);
                       })
                && seguir(pasos, [&] { rs.MoveNext(); });
    }
    m_base.CierraRecordset(rs);
    return leido;
}
