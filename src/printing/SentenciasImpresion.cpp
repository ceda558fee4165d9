#include "printing/SentenciasImpresion.h"

#include "db/DB_Dll.h"
#include "platform/runtime/Text.h"
#include "session/ObjetosExternos.h"

#include <QStringList>

namespace SentenciasImpresion {

namespace {

QString q(const QString &valor)
{
    return DB_Dll::escaparComillas(valor);
}

QString impresora(DB_Dll &base, const QString &tc, const QString &letra)
{
    return QStringLiteral("SELECT * FROM TA_CONFIG_IMP_CPTE  with(nolock)  WHERE TC = ") + base.literal(tc)
           + QStringLiteral(" AND LETRA = ") + base.literal(letra) + QStringLiteral(" AND USUARIO ");
}

// " (columna='0001' or ...) " of a comma list, each element a code of width 4; "" for a blank list.
QString condicionLista(const QString &lista, const QString &columna)
{
    QStringList partes;
    for (const QString &elemento : lista.split(QLatin1Char(','))) {
        if (!rt::Trim(elemento).isEmpty())
            partes << QLatin1Char(' ') + columna + QStringLiteral("='") + gUtil->FormatoCodigo(rt::Trim(elemento), 4)
                          + QLatin1Char('\'');
    }
    return partes.isEmpty() ? QString()
                            : QStringLiteral(" (") + partes.join(QStringLiteral(" or ")) + QStringLiteral(") ");
}

} // namespace

QString impresoraDelEquipo(DB_Dll &base, const QString &tc, const QString &letra, const QString &usuario)
{
    return impresora(base, tc, letra) + QStringLiteral("= ") + base.literal(usuario);
}

QString impresoraGeneral(DB_Dll &base, const QString &tc, const QString &letra)
{
    return impresora(base, tc, letra) + QStringLiteral("IS NULL");
}

QString reportePorNombre(const QString &nombre)
{
    return QStringLiteral("SELECT * FROM TA_REPORTES  with(nolock)  WHERE NOMBRE = '") + q(rt::Trim(nombre))
           + QStringLiteral("'");
}

QString reportesLiquidacionPagos()
{
    return QStringLiteral("SELECT * FROM TA_REPORTES  with(nolock)  WHERE NOMBRE = 'OPG-X' OR NOMBRE = 'PG-X' ");
}

QString comprobanteElectronico(const QString &tipo, const QString &idComprobante)
{
    return QStringLiteral("select * from V_MV_CPTE_ELECTRONICOS WHERE TC='") + q(tipo)
           + QStringLiteral("' AND IDCOMPROBANTE='") + q(rt::Trim(idComprobante)) + QStringLiteral("'");
}

QString condicionRemito(const QString &idComprobante)
{
    return QStringLiteral(" TC='RM' AND IDCOMPROBANTE='") + q(idComprobante) + QStringLiteral("'");
}

QString unidadPorCodigo(const QString &codigo)
{
    return QStringLiteral("SELECT * FROM V_TA_UNIDADNEGOCIO WHERE CODIGO='") + q(codigo) + QStringLiteral("'");
}

QString unidadPorPuntoDeVenta(const QString &puntoDeVenta)
{
    return QStringLiteral("SELECT * FROM V_TA_UNIDADNEGOCIO WHERE LTRIM(PDV)='") + q(rt::Trim(puntoDeVenta))
           + QStringLiteral("'");
}

QString condicionTipoDeSistema(DB_Dll &base, const QString &tc, const QString &sistema)
{
    return QStringLiteral("CODIGO=") + base.literal(tc) + QStringLiteral(" AND SISTEMA='") + sistema
           + QStringLiteral("'");
}

QString condicionElectronico(DB_Dll &base, const QString &tc, const QString &idComprobante)
{
    return QStringLiteral(" TC=") + base.literal(tc) + QStringLiteral(" AND IDCOMPROBANTE=")
           + base.literal(idComprobante);
}

QString unidadComprobante(DB_Dll &base, const QString &tc, const QString &idComprobante)
{
    return QStringLiteral("Select UNegocio from v_mv_cpte WHERE TC = ") + base.literal(tc)
           + QStringLiteral(" AND IDCOMPROBANTE = ") + base.literal(idComprobante);
}

QString comanda(DB_Dll &base, const QString &tc, const QString &idComprobante)
{
    return QStringLiteral("SELECT * FROM V_MV_CPTE WITH(NOLOCK) WHERE TC = ") + base.literal(tc)
           + QStringLiteral(" AND IDCOMPROBANTE = ") + base.literal(idComprobante);
}

QString lineasComanda(DB_Dll &base, const QString &tc, const QString &idComprobante)
{
    return QStringLiteral(
               "SELECT V_MV_CpteInsumos.IDARTICULO,V_MV_CpteInsumos.DESCRIPCION,V_MV_CpteInsumos.CANTIDAD,"
               "V_MV_CpteInsumos.Cantidadpreparada,V_MV_CpteInsumos.CANTIDADAFACTURAR, V_MV_CpteInsumos.IMPORTE_S_IVA, "
               "V_MV_CpteInsumos.IMPORTE, v_ma_articulos.Pesable, v_ma_articulos.talledefault FROM V_MV_CPTEINSUMOS "
               "LEFT OUTER JOIN dbo.V_MA_ARTICULOS ON dbo.V_MV_CpteInsumos.IDARTICULO = dbo.V_MA_ARTICULOS.IDARTICULO "
               "WHERE TC = ")
           + base.literal(tc) + QStringLiteral(" AND IDCOMPROBANTE = ") + base.literal(idComprobante)
           + QStringLiteral(" ORDER BY V_MV_CpteInsumos.ID");
}

QString reciboDelComprobante(DB_Dll &base, const QString &recibo, const QString &idComprobante)
{
    return QStringLiteral("select * from mv_aplicacion where (tc = '") + recibo
           + QStringLiteral("' ) and sucursal_origen = ") + base.literal(rt::Mid(idComprobante, 1, 4))
           + QStringLiteral(" and numero_origen = ") + base.literal(rt::Mid(idComprobante, 5, 8))
           + QStringLiteral(" and letra_origen = ") + base.literal(rt::Mid(idComprobante, 13, 1));
}

QString lineasDelRecibo(DB_Dll &base, const QString &recibo, const QString &sucursal, const QString &numero,
                        const QString &letra)
{
    return QStringLiteral("Select cuenta,importe, mediodepago, [DEBE-HABER], DESCRIPCION  from "
                          "mv_asientos INNER JOIN ma_cuentas on cuenta = codigo where tc = '")
           + recibo + QStringLiteral("' and sucursal = ") + base.literal(sucursal) + QStringLiteral(" and numero = ")
           + base.literal(numero) + QStringLiteral(" and letra = ") + base.literal(letra)
           + QStringLiteral("  and not MedioDePago is null");
}

QString periodosAsiento(DB_Dll &base, const QString &tc, const QString &sucursal, const QString &numero,
                        const QString &letra, const QString &fecha)
{
    const QString condicionFecha =
        rt::Trim(fecha).isEmpty() ? QString() : QStringLiteral(" AND FECHA=") + base.literal(fecha);
    return QStringLiteral("SELECT TC, SUCURSAL, NUMERO, LETRA, [NUMERO ASIENTO],MES_OPERATIVO,PERIODO "
                          "FROM @ADMIN_MV_ASIENTOS with(nolock) WHERE TC=")
           + base.literal(tc) + QStringLiteral(" AND SUCURSAL=") + base.literal(sucursal)
           + QStringLiteral(" AND NUMERO=") + base.literal(numero) + QStringLiteral(" AND LETRA=") + base.literal(letra)
           + condicionFecha
           + QStringLiteral(" GROUP BY TC, SUCURSAL, NUMERO, LETRA, [NUMERO ASIENTO],MES_OPERATIVO,PERIODO");
}

QString seccionesPedido()
{
    return QStringLiteral("SELECT * FROM TA_CONFIGURACION WHERE CLAVE LIKE 'NPS_IMPRESION_%'");
}

QString condicionSeccion(const QString &rubros, const QString &unidades)
{
    const QString condicion = condicionLista(rubros, QStringLiteral("idrubro"));
    const QString condicionUnidades = condicionLista(unidades, QStringLiteral("unegocio"));
    if (rt::Trim(condicionUnidades).isEmpty())
        return condicion;
    return rt::Trim(condicion).isEmpty()
               ? condicionUnidades
               : condicion + QStringLiteral(" and (") + condicionUnidades + QStringLiteral(") ");
}

QString articulosPedido(DB_Dll &base, const QString &tc, const QString &idComprobante, const QString &condicion)
{
    return QStringLiteral("SELECT a.TC,a.IDCOMPROBANTE,a.unegocio,b.IDARTICULO,b.descripcion, c.idrubro  from "
                          "V_MV_Cpte a LEFT JOIN V_MV_CpteInsumos b on a.TC=b.TC and a.IDCOMPROBANTE = "
                          "b.IDCOMPROBANTE and a.IDCOMPLEMENTO = b.IDCOMPLEMENTO  LEFT JOIN V_MA_ARTICULOS c ON "
                          "b.IDARTICULO=c.IDARTICULO WHERE a.TC=")
           + base.literal(tc) + QStringLiteral(" and a.IDCOMPROBANTE=") + base.literal(idComprobante)
           + QStringLiteral("  and ") + condicion;
}

} // namespace SentenciasImpresion
