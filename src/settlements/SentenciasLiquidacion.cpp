#include "settlements/SentenciasLiquidacion.h"

#include "db/DB_Dll.h"

// The texts sent once per row are put together with QStringBuilder's %: one allocation each.
#include <QStringBuilder>

namespace SentenciasLiquidacion {

namespace {

// Every update that names a voucher or collection by its key also names the settlement, so a
// build never rewrites a stored older settlement that holds the same key.
QString deLaLiquidacion(const QString &N)
{
    return QStringLiteral(" AND IDLIQUIDACION = ") % N;
}

// The pieces of a row's INSERT depend only on how many values the row gives, which every row of
// a build gives alike: they are made again only when that number changes, and each row's
// statement shares them.
struct PiezasPorCantidad {
    qsizetype cantidad = -1;
    QStringList piezas;
};

const QStringList &piezasPara(PiezasPorCantidad &hechas, qsizetype cantidad, QStringList (*hacer)(qsizetype))
{
    if (hechas.cantidad != cantidad)
        hechas = {cantidad, hacer(cantidad)};
    return hechas.piezas;
}

// The settlement's number followed by the row's values, moved rather than copied: this runs for
// every row, and each copy of a text counts its shares.
QStringList conNumero(const QString &N, QStringList valores)
{
    QStringList literales;
    literales.reserve(valores.size() + 1);
    literales.append(N);
    literales.append(std::move(valores));
    return literales;
}

// A text value as the statements quote it.
QString entreComillas(const QString &valor)
{
    return QLatin1Char('\'') % DB_Dll::escaparComillas(valor) % QLatin1Char('\'');
}

} // namespace

QStringList borrarLiquidacion(const QString &numeroSQL)
{
    // Lines before the vouchers they detail, vouchers before the collections that paid them,
    // collections before their header: a database that ties each row to the one above it
    // refuses the other order.
    return {QStringLiteral("DELETE FROM V_COMISIONES_VENDEDOR_DET WHERE IDLIQUIDACION=") + numeroSQL,
            QStringLiteral("DELETE FROM V_COMISIONES_VENDEDOR_APL WHERE IDLIQUIDACION=") + numeroSQL,
            QStringLiteral("DELETE FROM V_COMISIONES_VENDEDOR_COB WHERE IDLIQUIDACION=") + numeroSQL,
            QStringLiteral("DELETE V_COMISIONES_VENDEDOR_CAB WHERE IDLIQUIDACION=") + numeroSQL};
}

QString rangoOcupado(const QString &desde, const QString &hasta)
{
    return QStringLiteral("SELECT * FROM V_COMISIONES_VENDEDOR_CAB WHERE Fecha_desde>='")
           + DB_Dll::escaparComillas(desde) + QStringLiteral("' and fecha_hasta<='") + DB_Dll::escaparComillas(hasta)
           + QStringLiteral("'");
}

QString maximoNumero()
{
    return QStringLiteral("SELECT MAX(IDLIQUIDACION) AS NRO FROM v_COMISIONES_VENDEDOR_CAB");
}

QString insertarCabecera(const QString &N, const QString &desde, const QString &hasta, const QString &usuario)
{
    return QStringLiteral(
               " INSERT INTO V_COMISIONES_VENDEDOR_CAB (IdLiquidacion,FECHA_DESDE,FECHA_HASTA,USUARIO ) VALUES ")
           + QStringLiteral("(") + N + QStringLiteral(",'") + DB_Dll::escaparComillas(desde) + QStringLiteral("','")
           + DB_Dll::escaparComillas(hasta) + QStringLiteral("','") + DB_Dll::escaparComillas(usuario)
           + QStringLiteral("')");
}

QString filtroCobranzas(const QString &desde, const QString &hasta, const QString &vendedor, bool notasDeCredito)
{
    QString filtro = QStringLiteral(" WHERE (Fecha>='") + DB_Dll::escaparComillas(desde)
                     + QStringLiteral("' And Fecha<='") + DB_Dll::escaparComillas(hasta);
    filtro += notasDeCredito
                  ? QStringLiteral("') and (tc = 'NC' or tc = 'NCFP' )  and ( [DEBE-HABER] = 'H') AND SECUENCIA = 1")
                  : QStringLiteral(
                      "') and (tc = 'cb' or tc = 'cbct' or tc = 'cbfp')  and ( [DEBE-HABER] = 'H') AND SECUENCIA = 1 ");
    if (!vendedor.isEmpty())
        filtro += QStringLiteral(" AND IDVENDEDOR='") + DB_Dll::escaparComillas(vendedor) + QStringLiteral("' ");
    filtro += QStringLiteral("  AND NOT EXISTS(") + QStringLiteral("  SELECT * FROM V_COMISIONES_VENDEDOR_COB A");
    filtro += QStringLiteral("  WHERE MV_ASIENTOS.TC = A.CBTC AND MV_ASIENTOS.SUCURSAL  + MV_ASIENTOS.NUMERO + "
                             "MV_ASIENTOS.LETRA = A.IDCOBRANZA)");
    if (notasDeCredito)
        filtro += QLatin1Char(' ');
    return filtro;
}

QString insertarCobranzas(const QString &N, const QString &filtro, bool notasDeCredito)
{
    return QStringLiteral(" INSERT INTO V_COMISIONES_VENDEDOR_COB") + QStringLiteral(" (")
           + QStringLiteral(" IdLiquidacion,") + QStringLiteral(" CbTc,") + QStringLiteral(" IdCobranza,")
           + QStringLiteral(" FechaCob,") + QStringLiteral(" TotalCobrado,") + QStringLiteral(" Comision,")
           + QStringLiteral(" idVendedor") + QStringLiteral(" )") + QStringLiteral(" SELECT") + QStringLiteral(" ") + N
           + QStringLiteral(",") + QStringLiteral(" Tc,") + QStringLiteral(" SUCURSAL  + NUMERO + LETRA,")
           + QStringLiteral(" Fecha,")
           + (notasDeCredito ? QStringLiteral(" (Importe * -1) ,") : QStringLiteral(" Importe,"))
           + QStringLiteral(" 0,")
           + (notasDeCredito ? QStringLiteral(" isnull(idVendedor,'')") : QStringLiteral(" ISNULL(idVendedor,'')"))
           + QStringLiteral(" From mv_asientos") + filtro;
}

QString cobranzasLiquidacion(const QString &N)
{
    return QStringLiteral("SELECT * FROM V_COMISIONES_VENDEDOR_COB WHERE IDLIQUIDACION = ") + N;
}

QString lineasCobranza(const QString &tc, const QString &suc, const QString &nro, const QString &letra)
{
    return QStringLiteral("SELECT *, MA_CUENTAS.MEDIODEPAGO FROM MV_ASIENTOS with(nolock) INNER JOIN MA_CUENTAS ON "
                          "MV_ASIENTOS.Cuenta = MA_CUENTAS.CODIGO WHERE TC = '")
           % DB_Dll::escaparComillas(tc) % QStringLiteral("' AND SUCURSAL = '") % DB_Dll::escaparComillas(suc)
           % QStringLiteral("' AND NUMERO = '") % DB_Dll::escaparComillas(nro) % QStringLiteral("' AND LETRA = '")
           % DB_Dll::escaparComillas(letra) % QStringLiteral("' AND SECUENCIA > 1 AND [DEBE-HABER] = 'D'");
}

QString configuracionTablaIva()
{
    return QStringLiteral("SELECT TOP 1 CB_DESCUENTO FROM TA_CUENTASIVA with(nolock)");
}

ado::LiteralText actualizarImputacion(const QStringList &importes, const QString &cbtc, const QString &idCobranza)
{
    static const QStringList piezas{QStringLiteral("UPDATE V_COMISIONES_VENDEDOR_COB SET Descuentos = "),
                                    QStringLiteral(", Efectivo = "),
                                    QStringLiteral(",  Cheque = "),
                                    QStringLiteral(", Tarjeta = "),
                                    QStringLiteral(", Banco = "),
                                    QStringLiteral(", Retenciones = "),
                                    QStringLiteral(", Otros = "),
                                    QStringLiteral(" where cbtc = "),
                                    QStringLiteral(" and idcobranza = "),
                                    QString()};
    QStringList literales;
    literales.reserve(9);
    for (int i = 0; i < 7; ++i)
        literales.append(importes.value(i));
    literales << entreComillas(cbtc) << entreComillas(idCobranza);
    return {piezas, literales};
}

QString aplicaciones(const QString &N)
{
    return QStringLiteral("  SELECT") + QStringLiteral(" ") + N + QStringLiteral(" ,")
           + QStringLiteral(" A.TC as CbTc ,") + QStringLiteral(" A.SUCURSAL + A.NUMERO + A.LETRA AS IdCobranza ,")
           + QStringLiteral(" A.TCO_ORIGEN AS TC,")
           + QStringLiteral(" A.SUCURSAL_ORIGEN + A.NUMERO_ORIGEN + A.LETRA_ORIGEN AS IdComprobante,")
           + QStringLiteral(" 0 as Comision,") + QStringLiteral(" 0 AS PagoParcial,")
           + QStringLiteral(" '' as Observaciones") + QStringLiteral(" FROM MV_APLICACION A")
           + QStringLiteral(" INNER JOIN V_COMISIONES_VENDEDOR_COB B ON")
           + QStringLiteral(" a.TC = b.CbTc And a.Sucursal + a.Numero + a.letra = b.IdCobranza")
           + QStringLiteral(" inner join VE_CPTES_SALDOS  C ON")
           + QStringLiteral(
               " c.TC = a.TCO_ORIGEN And c.Sucursal = a.SUCURSAL_ORIGEN And c.Numero = a.NUMERO_ORIGEN And "
               "c.letra = a.LETRA_ORIGEN")
           + QStringLiteral(" Where c.Saldo = 0") + QStringLiteral(" AND (B.idliquidacion = ") + N
           + QStringLiteral(" and ((b.CBtc = 'CB' OR B.CBTC = 'CBCT' OR B.CBTC = 'CBFP') and (A.TCo_origen <> 'NC' AND "
                            "A.TCo_origen <> 'NCFP')  ) )")
           // The first collection of a voucher is the one recorded with it: the same data must
           // always give the same settlement.
           + QStringLiteral(
               " ORDER BY B.FechaCob, B.CbTc, B.IdCobranza, A.TCO_ORIGEN, A.SUCURSAL_ORIGEN, A.NUMERO_ORIGEN, "
               "A.LETRA_ORIGEN");
}

QString borrarAplicaciones(const QString &N)
{
    return QStringLiteral(" delete V_COMISIONES_VENDEDOR_APL where idliquidacion = ") + N;
}

QString condicionAplicada(const QString &tc, const QString &idComprobante)
{
    return QStringLiteral(" tc = '") % DB_Dll::escaparComillas(tc) % QStringLiteral("' and idcomprobante = '")
           % DB_Dll::escaparComillas(idComprobante) % QStringLiteral("'");
}

ado::LiteralText insertarAplicacion(const QString &N, QStringList valores)
{
    static const QString cabecera =
        QStringLiteral(" INSERT INTO V_COMISIONES_VENDEDOR_APL")
        % QStringLiteral(" ( IdLiquidacion, CbTc, IdCobranza, Tc, idComprobante, Comision, Observaciones ) ")
        % QStringLiteral(" values ( ");
    thread_local PiezasPorCantidad hechas;
    const QStringList &piezas = piezasPara(hechas, valores.size(), [](qsizetype cantidad) {
        QStringList hecha{cabecera};
        for (qsizetype i = 0; i < cantidad; ++i)
            hecha.append(QStringLiteral(", "));
        hecha.append(QStringLiteral(", ''  )"));
        return hecha;
    });
    return {piezas, conNumero(N, std::move(valores))};
}

QString autoaplicarNotasDeCredito(const QString &N)
{
    return QStringLiteral(
               "INSERT INTO V_COMISIONES_VENDEDOR_APL (IDLIQUIDACION,CBTC,IDCOBRANZA, TC, IDCOMPROBANTE) SELECT "
               "IDLIQUIDACION,CBTC, IDCOBRANZA,  CBTC, IDCOBRANZA FROM V_COMISIONES_VENDEDOR_COB WHERE "
               "IDLIQUIDACION = ")
           + N + QStringLiteral(" AND (CBTC = 'NC' OR CBTC = 'NCFP') ");
}

QString detalleArticulos(const QString &N)
{
    return QStringLiteral("  SELECT")
           + QStringLiteral(
               " a.tc,a.idcomprobante, A.Articulo , A.cantidad ,ValorVtaConIVA,AlicuotaIVA,ValorVenta,"
               "PorcDescuentoCobranza,ImporteNeto,ImporteComision,a.Comision,IdLista,a.cbtc,a.idcobranza  ")
           + QStringLiteral(" from VT_COMISIONES_LISTA_CB_DESCUENTO  A ")
           + QStringLiteral(" Inner Join v_comisiones_vendedor_apl B  ")
           + QStringLiteral(" on a.tc = b.tc and a.idcomprobante = b.idcomprobante ")
           + QStringLiteral(" where b.idliquidacion = ") + N
           + QStringLiteral(" ")
           // Of the copies of a line that the view gives once per paying collection, the one
           // inserted last keeps the commission: it must be the copy of the collection recorded
           // with the voucher, or the commission would go to a collection this settlement does
           // not hold and count for no salesperson.
           + QStringLiteral(
               " ORDER BY a.tc, a.idcomprobante, CASE WHEN a.cbtc = b.CbTc AND a.idcobranza = b.IdCobranza "
               "THEN 1 ELSE 0 END, a.cbtc, a.idcobranza, A.Articulo, A.cantidad");
}

QString borrarDetalle(const QString &N)
{
    return QStringLiteral(" delete V_COMISIONES_VENDEDOR_DET where idliquidacion = ") + N;
}

ado::LiteralText insertarDetalle(const QString &N, QStringList valores)
{
    static const QString cabecera =
        QStringLiteral(" INSERT INTO V_COMISIONES_VENDEDOR_DET")
        % QStringLiteral(" ( IdLiquidacion,Tc,IdComprobante,IdArticulo,Cantidad,ValorVtaConIVA,AlicuotaIVA,ValorVenta,"
                         "PorcDescuentoCobranza,")
        % QStringLiteral("ImporteNeto,ImporteComision,Comision,IdLista,cbtc,idcobranza ) ")
        % QStringLiteral(" values ( ");
    if (valores.isEmpty())
        return {{cabecera, QStringLiteral(", )")}, {N}};
    thread_local PiezasPorCantidad hechas;
    const QStringList &piezas = piezasPara(hechas, valores.size(), [](qsizetype cantidad) {
        QStringList hecha{cabecera, QStringLiteral(",")};
        for (qsizetype i = 1; i < cantidad; ++i)
            hecha.append(QStringLiteral(", "));
        hecha.append(QStringLiteral(" )"));
        return hecha;
    });
    return {piezas, conNumero(N, std::move(valores))};
}

QString notasDeCreditoTotales(const QString &N)
{
    return QStringLiteral(" ")
           + QStringLiteral(
               " select A.*,B.IMPORTE, b.tco_origen from V_COMISIONES_VENDEDOR_COB A INNER JOIN MV_APLICACION B ON")
           + QStringLiteral(" a.cbtc = b.tc And a.IdCobranza = b.IdComprobante")
           + QStringLiteral(" where (CBtc = 'NC' OR CBtc = 'NCFP' ) AND ABS(A.TOTALCOBRADO) = ABS(B.IMPORTE ) and (NOT "
                            "TC_Print IS NULL )")
           + QStringLiteral(" AND A.idliquidacion = ") + N + QStringLiteral(" ");
}

QString anularDetalleNotaCredito(const QString &N, const QString &cbtc, const QString &idCobranza)
{
    return QStringLiteral("update V_COMISIONES_VENDEDOR_DET SET COMISION = 0, IMPORTECOMISION = 0  WHERE TC = '")
           % DB_Dll::escaparComillas(cbtc) % QStringLiteral("' AND IDCOMPROBANTE = '")
           % DB_Dll::escaparComillas(idCobranza) % QStringLiteral("'") % deLaLiquidacion(N);
}

QString anularCobranzaNotaCredito(const QString &N, const QString &cbtc, const QString &idCobranza)
{
    return QStringLiteral("update V_COMISIONES_VENDEDOR_COB SET TOTALCOBRADO = 0, COMISION = 0, OBSERVACIONES = "
                          "'Cancelacion total comprobante'  WHERE cbTC = '")
           % DB_Dll::escaparComillas(cbtc) % QStringLiteral("' AND IDCOBRANZA = '")
           % DB_Dll::escaparComillas(idCobranza) % QStringLiteral("'") % deLaLiquidacion(N);
}

QString lineasRepetidas(const QString &N)
{
    return QStringLiteral(" ")
           + QStringLiteral(
               "  select MAX(ID) as id,tc,idcomprobante,idarticulo,cantidad from V_COMISIONES_VENDEDOR_DET ")
           + QStringLiteral(" where idliquidacion = ") + N + QStringLiteral(" ")
           + QStringLiteral(" group by tc,idcomprobante,idarticulo,cantidad having count(*) > 1")
           + QStringLiteral(" ORDER BY MAX(ID)");
}

ado::LiteralText anularLineasRepetidas(const QString &N, const QString &tc, const QString &idComprobante,
                                       const QString &idArticulo, const QString &id, const QString &cantidad)
{
    // Only lines of the group's own quantity are repeats of its last line.
    static const QStringList piezas{
        QStringLiteral("update V_COMISIONES_VENDEDOR_DET SET COMISION = 0, IMPORTECOMISION = 0  WHERE TC = "),
        QStringLiteral(" AND IDCOMPROBANTE = "),
        QStringLiteral(" and idarticulo = "),
        QStringLiteral(" and id <> "),
        QStringLiteral(" and cantidad = "),
        QStringLiteral(" AND IDLIQUIDACION = "),
        QString()};
    return {piezas, {entreComillas(tc), entreComillas(idComprobante), entreComillas(idArticulo), id, cantidad, N}};
}

QString comisionPorComprobante(const QString &N)
{
    return QStringLiteral(
               "select tc,idcomprobante, sum(importecomision) as comision from V_COMISIONES_VENDEDOR_DET where "
               "idliquidacion = ")
           + N + QStringLiteral(" group by tc,IDComprobante ");
}

ado::LiteralText actualizarComisionComprobante(const QString &N, const QString &comision, const QString &tc,
                                               const QString &idComprobante)
{
    static const QStringList piezas{QStringLiteral("update V_COMISIONES_VENDEDOR_APL SET COMISION = "),
                                    QStringLiteral(" WHERE TC = "), QStringLiteral(" AND IDCOMPROBANTE = "),
                                    QStringLiteral(" AND IDLIQUIDACION = "), QString()};
    return {piezas, {comision, entreComillas(tc), entreComillas(idComprobante), N}};
}

QString comisionPorCobranza(const QString &N)
{
    return QStringLiteral(
               "SELECT cbtc,idcobranza,sum(ImporteComision) as comision from V_COMISIONES_VENDEDOR_DET WHERE "
               "idliquidacion = ")
           + N + QStringLiteral(" GROUP BY CbTc,IdCobranza");
}

ado::LiteralText actualizarComisionCobranza(const QString &N, const QString &comision, const QString &cbtc,
                                            const QString &idCobranza)
{
    static const QStringList piezas{QStringLiteral("update V_COMISIONES_VENDEDOR_COB SET COMISION = "),
                                    QStringLiteral(" WHERE CBTC = "), QStringLiteral(" AND IDCOBRANZA = "),
                                    QStringLiteral(" AND IDLIQUIDACION = "), QString()};
    return {piezas, {comision, entreComillas(cbtc), entreComillas(idCobranza), N}};
}

} // namespace SentenciasLiquidacion
