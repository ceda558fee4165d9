#include "printdata/vouchers/SentenciasComprobantes.h"

#include "db/DB_Dll.h"

namespace SentenciasComprobantes {

namespace {

QString numero(double valor)
{
    return QString::number(valor, 'g', 15);
}

// " WHERE USUARIO = ... AND TC = ... AND IDCOMPROBANTE = ... AND IDCOMPLEMENTO = n": the rows of
// one voucher of the workstation.
QString filasComprobante(const ClaveFilas &c)
{
    return QStringLiteral(" WHERE USUARIO = ") + texto(c.usuario.trimmed()) + QStringLiteral(" AND TC = ") + texto(c.tc)
           + QStringLiteral(" AND IDCOMPROBANTE = ") + texto(c.idComprobante) + QStringLiteral(" AND IDCOMPLEMENTO = ")
           + c.complemento;
}

// "('usuario','tc','id','complemento'," : the key values that open the single-row inserts.
QString valoresClave(const ClaveFilas &c)
{
    return QStringLiteral("(") + texto(c.usuario) + QLatin1Char(',') + texto(c.tc) + QLatin1Char(',')
           + texto(c.idComprobante) + QLatin1Char(',') + texto(c.complemento) + QLatin1Char(',');
}

} // namespace

QString texto(const QString &valor)
{
    return QLatin1Char('\'') + DB_Dll::escaparComillas(valor) + QLatin1Char('\'');
}

QString filtroLista(const QString &tc, const QString &listaIdComprobante)
{
    return QStringLiteral(" WHERE TC = ") + texto(tc) + QStringLiteral(" AND IdComprobante IN ( ") + listaIdComprobante
           + QStringLiteral(")");
}

QString filtroIds(const QString &listaId)
{
    return QStringLiteral(" WHERE ID IN(") + listaId + QStringLiteral(")");
}

QString filtroIdsDelTipo(const QString &tc, const QString &listaId)
{
    return QStringLiteral(" WHERE TC = ") + texto(tc) + QStringLiteral(" AND ID IN(") + listaId + QStringLiteral(")");
}

QString filtroRango(const QString &tc, const QString &desde, double complementoDesde, const QString &hasta,
                    double complementoHasta)
{
    QString superior;
    if (hasta.isEmpty() && !desde.isEmpty())
        superior = QStringLiteral(" AND (IDCOMPROBANTE <= ") + texto(desde) + QStringLiteral(" AND IDCOMPLEMENTO <= ")
                   + numero(complementoDesde) + QStringLiteral(") ");
    else if (!hasta.isEmpty())
        superior = QStringLiteral(" AND IDCOMPROBANTE <= ") + texto(hasta) + QStringLiteral(" AND IDCOMPLEMENTO <= ")
                   + numero(complementoHasta);
    return QStringLiteral(" WHERE TC = ") + texto(tc) + QStringLiteral(" AND (IDCOMPROBANTE >= ") + texto(desde)
           + QStringLiteral(" AND IDCOMPLEMENTO >= ") + numero(complementoDesde) + QStringLiteral(") ") + superior;
}

QString comprobantes(const QString &filtro)
{
    return QStringLiteral("SELECT * FROM V_MV_CPTE ") + filtro;
}

QString filtroComprobante(const QString &tc, const QString &idComprobante, const QString &complemento)
{
    return QStringLiteral(" WHERE TC = ") + texto(tc) + QStringLiteral(" AND IDCOMPROBANTE = ") + texto(idComprobante)
           + QStringLiteral(" AND IDCOMPLEMENTO = ") + complemento;
}

QString borrarFilasEquipo(const QString &usuario)
{
    return QStringLiteral("DELETE Aux_MV_Cpte where USUARIO = ") + texto(usuario.trimmed()) + QLatin1Char(' ');
}

QString observaciones(const QString &filtro, const QString &tipo)
{
    return QStringLiteral("SELECT * FROM V_MV_CPTE_Observ ") + filtro + QStringLiteral(" AND Tipo_Obs = ") + texto(tipo)
           + QLatin1Char(' ');
}

QString otrosConceptos(const QString &filtro)
{
    return observaciones(filtro, QStringLiteral("OC")) + QStringLiteral(" ORDER BY ID");
}

QString insertarEncabezado(const ClaveFilas &clave, const QString &encabezado)
{
    return QStringLiteral("INSERT INTO Aux_MV_Cpte (Usuario,TC,IdComprobante,IdComplemento,Tipo,Encabezado ) VALUES ")
           + valoresClave(clave) + QStringLiteral("'',") + texto(encabezado) + QStringLiteral(")");
}

QString insertarPie(const ClaveFilas &clave, const QString &pie)
{
    return QStringLiteral("INSERT INTO Aux_MV_Cpte (Usuario,TC,IdComprobante,IdComplemento,Tipo,PieDePagina) VALUES ")
           + valoresClave(clave) + QStringLiteral("'',") + texto(pie) + QStringLiteral(")");
}

QString actualizarImporteEnLetras(const ClaveFilas &clave, const QString &importeEnLetras)
{
    return QStringLiteral("UPDATE AUX_MV_CPTE SET IMPORTEENLETRAS = ") + texto(QLatin1Char(' ') + importeEnLetras)
           + filasComprobante(clave);
}

QString actualizarEncabezado(const ClaveFilas &clave, const QString &encabezado)
{
    return QStringLiteral("UPDATE Aux_MV_Cpte SET Encabezado=") + texto(encabezado) + filasComprobante(clave);
}

QString actualizarFormaDePago(const ClaveFilas &clave, const QString &formaDePago)
{
    return QStringLiteral("UPDATE Aux_MV_Cpte SET FormaDePago=") + texto(formaDePago) + filasComprobante(clave);
}

QString insertarTitulo(const ClaveFilas &clave, const QString &titulo)
{
    return QStringLiteral("INSERT INTO Aux_MV_Cpte (Usuario, TC , IdComprobante , IdComplemento , Tipo , Seccion) "
                          "VALUES ")
           + valoresClave(clave) + QStringLiteral("'M',") + texto(titulo) + QStringLiteral(")");
}

QString insertarBlanco(const ClaveFilas &clave)
{
    return QStringLiteral("INSERT INTO Aux_MV_Cpte(Usuario,TC,IdComprobante,IdComplemento,Tipo) VALUES ")
           + valoresClave(clave) + QStringLiteral("'3')");
}

QString tareas(const QString &filtro, const QString &idTarea)
{
    QString sentencia = QStringLiteral("SELECT * FROM V_MV_CPTETAREAS  ") + filtro;
    if (!idTarea.isEmpty())
        sentencia += QStringLiteral(" and idtarea = ") + texto(idTarea);
    return sentencia + QStringLiteral(" ORDER BY ID ");
}

QString diarios(const QString &filtro, const QString &idTarea)
{
    return QStringLiteral("SELECT * FROM V_MV_DIARIOS ") + filtro + QStringLiteral(" and idtarea = ") + texto(idTarea)
           + QStringLiteral(" ORDER BY ID ");
}

QString insumos(const QString &filtro)
{
    return QStringLiteral("SELECT * FROM V_MV_CPTEINSUMOS ") + filtro + QStringLiteral(" ORDER BY ID");
}

QString insumosOrigenNP(const QString &comprobanteOrigen)
{
    return QStringLiteral("SELECT * FROM V_MV_CPTEINSUMOS WHERE TC = 'NP' AND IDCOMPROBANTE =")
           + texto(comprobanteOrigen) + QStringLiteral("  ORDER BY ID");
}

QString condicionPendienteNP(const QString &idComprobante, const QString &idArticulo)
{
    return QStringLiteral(" TC = 'NP' AND IDCOMPROBANTE = ") + texto(idComprobante)
           + QStringLiteral(" AND IDARTICULO = ") + texto(idArticulo);
}

QString despachoLote(const QString &lote)
{
    return QStringLiteral(" select * from stk_despachos where ltrim(rtrim(NroLote)) = ")
           + texto(lote + QLatin1Char(' '));
}

QString insertarDespacho(const ClaveFilas &clave, const QString &textoDespacho)
{
    return QStringLiteral("if not exists(select Usuario,TC,IdComprobante,IdComplemento,Tipo,SECCION from Aux_MV_Cpte "
                          "where Usuario = ")
           + texto(clave.usuario) + QStringLiteral(" and TC = ") + texto(clave.tc)
           + QStringLiteral(" and IdComprobante = ") + texto(clave.idComprobante)
           + QStringLiteral(" and IdComplemento = ") + texto(clave.complemento)
           + QStringLiteral(" and Tipo = 'XX' and SECCION = ") + texto(textoDespacho) + QStringLiteral(") ")
           + QStringLiteral(" INSERT INTO Aux_MV_Cpte(Usuario,TC,IdComprobante,IdComplemento,Tipo,SECCION) VALUES ")
           + valoresClave(clave) + QStringLiteral("'XX',") + texto(textoDespacho) + QStringLiteral(")");
}

QString insertarLotes(const ClaveFilas &clave, const QString &lotes)
{
    return QStringLiteral("INSERT INTO Aux_MV_Cpte(Usuario,TC,IdComprobante,IdComplemento,Tipo,SECCION) VALUES ")
           + valoresClave(clave) + QStringLiteral("'ZZ',") + texto(lotes) + QStringLiteral(")");
}

QString condicionElectronico(const QString &tc, const QString &idComprobante)
{
    return QStringLiteral(" TC=") + texto(tc) + QStringLiteral(" AND IDCOMPROBANTE=") + texto(idComprobante);
}

QString cotizacionDelDia(const QString &fecha)
{
    const QString dia = QStringLiteral("DBO.FN_SOLO_FECHA(FECHA_HORA) = ") + texto(fecha);
    return QStringLiteral("SELECT top 1 * FROM TA_COTIZACION WITH(NOLOCK) WHERE ") + dia
           + QStringLiteral(" AND ID = (SELECT MAX(ID) AS ELID FROM TA_COTIZACION WHERE ") + dia + QStringLiteral(" )");
}

QString borrarFilaQR(const QString &tc, const QString &idComprobante)
{
    return QStringLiteral("DELETE AUX_MV_CPTEQR WHERE TC = ") + texto(tc) + QStringLiteral(" AND IDCOMPROBANTE = ")
           + texto(idComprobante);
}

QString nuevaFilaQR()
{
    return QStringLiteral("SELECT TOP 0 * FROM AUX_MV_CPTEQR");
}

} // namespace SentenciasComprobantes
