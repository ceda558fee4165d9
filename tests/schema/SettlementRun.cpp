#include "SettlementRun.h"

#include "platform/runtime/Conversions.h"

#include <QMap>

namespace {

// SQLValue with the numeric kind: Null gives 0, a point separates the decimals.
QString number(const rt::Variant &value)
{
    if (value.isNull() || value.isEmpty())
        return QStringLiteral("0");
    QString text = QString::number(rt::CDbl(value), 'f', 4);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

// SQLValue with the text kind: between quotes, inner quotes not doubled.
QString quoted(const rt::Variant &value)
{
    return value.isNull() ? QStringLiteral("NULL") : QLatin1Char('\'') + rt::CStr(value) + QLatin1Char('\'');
}

QString text(const rt::Variant &value)
{
    return value.isNull() ? QString() : rt::CStr(value);
}

} // namespace

ado::Recordset SettlementRun::open(const QString &text)
{
    m_sent.append(text);
    ado::Recordset rs;
    rs.Open(text, m_connection);
    return rs;
}

void SettlementRun::execute(const QString &text)
{
    m_sent.append(text);
    m_connection.Execute(text);
}

long SettlementRun::generate(const QString &from, const QString &to, const QString &salesperson)
{
    auto range = open(QStringLiteral("SELECT * FROM V_COMISIONES_VENDEDOR_CAB WHERE Fecha_desde>='") + from +
                      QStringLiteral("' and fecha_hasta<='") + to + QStringLiteral("'"));
    if (!range.BOF())
        return 0;
    const long n = newNumber();
    execute(QStringLiteral(" INSERT INTO V_COMISIONES_VENDEDOR_CAB (IdLiquidacion,FECHA_DESDE,FECHA_HASTA,USUARIO ) VALUES "
                           "(%1,'%2','%3','ADMIN')")
                .arg(n)
                .arg(from, to));
    insertCollections(n, collectionFilter(from, to, salesperson, false), false);
    splitCollections(n);
    insertCollections(n, collectionFilter(from, to, salesperson, true), true);
    insertApplications(n);
    execute(QStringLiteral("INSERT INTO V_COMISIONES_VENDEDOR_APL (IDLIQUIDACION,CBTC,IDCOBRANZA, TC, IDCOMPROBANTE) SELECT "
                           "IDLIQUIDACION,CBTC, IDCOBRANZA,  CBTC, IDCOBRANZA FROM V_COMISIONES_VENDEDOR_COB WHERE "
                           "IDLIQUIDACION = %1 AND (CBTC = 'NC' OR CBTC = 'NCFP') ")
                .arg(n));
    insertDetail(n);
    cancelByCreditNotes(n);
    zeroDuplicates(n);
    sumCommissions(n);
    return n;
}

long SettlementRun::newNumber()
{
    auto rs = open(QStringLiteral("SELECT MAX(IDLIQUIDACION) AS NRO FROM v_COMISIONES_VENDEDOR_CAB"));
    return rs.BOF() ? 1 : static_cast<long>(rt::Val(text(rs(QStringLiteral("Nro"))))) + 1;
}

QString SettlementRun::collectionFilter(const QString &from, const QString &to, const QString &salesperson,
                                        bool creditNotes) const
{
    QString filter = QStringLiteral(" WHERE (Fecha>='") + from + QStringLiteral("' And Fecha<='") + to;
    filter += creditNotes ? QStringLiteral("') and (tc = 'NC' or tc = 'NCFP' )  and ( [DEBE-HABER] = 'H') AND SECUENCIA = 1")
                          : QStringLiteral("') and (tc = 'cb' or tc = 'cbct' or tc = 'cbfp')  and ( [DEBE-HABER] = 'H') "
                                           "AND SECUENCIA = 1 ");
    if (!salesperson.isEmpty())
        filter += QStringLiteral(" AND IDVENDEDOR='") + salesperson + QStringLiteral("' ");
    filter += QStringLiteral("  AND NOT EXISTS(  SELECT * FROM V_COMISIONES_VENDEDOR_COB A  WHERE MV_ASIENTOS.TC = A.CBTC "
                             "AND MV_ASIENTOS.SUCURSAL  + MV_ASIENTOS.NUMERO + MV_ASIENTOS.LETRA = A.IDCOBRANZA)");
    if (creditNotes)
        filter += QLatin1Char(' ');
    return filter;
}

void SettlementRun::insertCollections(long n, const QString &filter, bool creditNotes)
{
    execute(QStringLiteral(" INSERT INTO V_COMISIONES_VENDEDOR_COB ( IdLiquidacion, CbTc, IdCobranza, FechaCob, TotalCobrado, "
                           "Comision, idVendedor ) SELECT %1, Tc, SUCURSAL  + NUMERO + LETRA, Fecha,%2 0,%3 From mv_asientos")
                .arg(n)
                .arg(creditNotes ? QStringLiteral(" (Importe * -1) ,") : QStringLiteral(" Importe,"),
                     creditNotes ? QStringLiteral(" isnull(idVendedor,'')") : QStringLiteral(" ISNULL(idVendedor,'')")) +
            filter);
}

QString SettlementRun::discountAccount()
{
    auto setting = open(QStringLiteral("SELECT VALOR, valoraux FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = "
                                       "'CuentaDesCuentosOtorgados'"));
    if (!setting.BOF() && !text(setting(QStringLiteral("Valor"))).trimmed().isEmpty())
        return text(setting(QStringLiteral("Valor"))).trimmed();
    auto row = open(QStringLiteral("SELECT TOP 1 CB_DESCUENTO FROM TA_CUENTASIVA"));
    return row.BOF() ? QString() : text(row(QStringLiteral("CB_DESCUENTO"))).trimmed();
}

void SettlementRun::splitCollections(long n)
{
    auto rs = open(QStringLiteral("SELECT * FROM V_COMISIONES_VENDEDOR_COB WHERE IDLIQUIDACION = %1").arg(n));
    for (; !rs.EOF_(); rs.MoveNext())
        splitOne(text(rs(QStringLiteral("cbtc"))), text(rs(QStringLiteral("IdCobranza"))));
}

void SettlementRun::splitOne(const QString &tc, const QString &id)
{
    static const QMap<QString, QString> columnOf = {
        {QStringLiteral("EF"), QStringLiteral("Efectivo")},    {QStringLiteral("CH"), QStringLiteral("Cheque")},
        {QStringLiteral("TJ"), QStringLiteral("Tarjeta")},     {QStringLiteral("DB"), QStringLiteral("Banco")},
        {QStringLiteral("RI"), QStringLiteral("Retenciones")}, {QStringLiteral("RB"), QStringLiteral("Retenciones")},
        {QStringLiteral("RG"), QStringLiteral("Retenciones")}, {QStringLiteral("RO"), QStringLiteral("Retenciones")}};
    const QString discount = discountAccount();
    QMap<QString, double> sums;
    auto lines = open(QStringLiteral("SELECT *, MA_CUENTAS.MEDIODEPAGO FROM MV_ASIENTOS with(nolock) INNER JOIN MA_CUENTAS ON "
                                     "MV_ASIENTOS.Cuenta = MA_CUENTAS.CODIGO WHERE TC = '%1' AND SUCURSAL = '%2' AND NUMERO = "
                                     "'%3' AND LETRA = '%4' AND SECUENCIA > 1 AND [DEBE-HABER] = 'D'")
                          .arg(tc, id.mid(0, 4), id.mid(4, 8), id.mid(12, 1)));
    for (; !lines.EOF_(); lines.MoveNext()) {
        const QString means = text(lines(QStringLiteral("MedioDePago"))).toUpper();
        const bool onDiscount = text(lines(QStringLiteral("Cuenta"))).trimmed().compare(discount, Qt::CaseInsensitive) == 0;
        const QString column = columnOf.value(means, onDiscount ? QStringLiteral("Descuentos") : QStringLiteral("Otros"));
        sums[column] += rt::CDbl(lines(QStringLiteral("Importe")));
    }
    const auto amount = [&](const char *column) { return number(sums.value(QString::fromLatin1(column))); };
    execute(QStringLiteral("UPDATE V_COMISIONES_VENDEDOR_COB SET Descuentos = %1, Efectivo = %2,  Cheque = %3, Tarjeta = %4, "
                           "Banco = %5, Retenciones = %6, Otros = %7 where cbtc = '%8' and idcobranza = '%9'")
                .arg(amount("Descuentos"), amount("Efectivo"), amount("Cheque"), amount("Tarjeta"), amount("Banco"),
                     amount("Retenciones"), amount("Otros"), tc, id));
}

void SettlementRun::insertApplications(long n)
{
    auto rs = open(QStringLiteral(
                       "  SELECT %1 , A.TC as CbTc , A.SUCURSAL + A.NUMERO + A.LETRA AS IdCobranza , A.TCO_ORIGEN AS TC, "
                       "A.SUCURSAL_ORIGEN + A.NUMERO_ORIGEN + A.LETRA_ORIGEN AS IdComprobante, 0 as Comision, 0 AS "
                       "PagoParcial, '' as Observaciones FROM MV_APLICACION A INNER JOIN V_COMISIONES_VENDEDOR_COB B ON "
                       "a.TC = b.CbTc And a.Sucursal + a.Numero + a.letra = b.IdCobranza inner join VE_CPTES_SALDOS  C ON "
                       "c.TC = a.TCO_ORIGEN And c.Sucursal = a.SUCURSAL_ORIGEN And c.Numero = a.NUMERO_ORIGEN And c.letra = "
                       "a.LETRA_ORIGEN Where c.Saldo = 0 AND (B.idliquidacion = %1 and ((b.CBtc = 'CB' OR B.CBTC = 'CBCT' "
                       "OR B.CBTC = 'CBFP') and (A.TCo_origen <> 'NC' AND A.TCo_origen <> 'NCFP')  ) )")
                       .arg(n));
    if (rs.BOF())
        return;
    execute(QStringLiteral(" delete V_COMISIONES_VENDEDOR_APL where idliquidacion = %1").arg(n));
    for (; !rs.EOF_(); rs.MoveNext()) {
        const QString tc = text(rs(QStringLiteral("TC")));
        const QString id = text(rs(QStringLiteral("IdComprobante")));
        auto existing = open(QStringLiteral("SELECT TOP 1 * FROM V_COMISIONES_VENDEDOR_APL with(nolock)  WHERE  tc = '%1' and "
                                            "idcomprobante = '%2'")
                                 .arg(tc, id));
        if (!existing.BOF())
            continue;
        execute(QStringLiteral(" INSERT INTO V_COMISIONES_VENDEDOR_APL ( IdLiquidacion, CbTc, IdCobranza, Tc, idComprobante, "
                               "Comision, Observaciones )  values ( %1, %2, %3, %4, %5, %6, ''  )")
                    .arg(QString::number(n), quoted(rs(QStringLiteral("cbtc"))), quoted(rs(QStringLiteral("IdCobranza"))),
                         quoted(rs(QStringLiteral("TC"))), quoted(rs(QStringLiteral("IdComprobante"))),
                         number(rs(QStringLiteral("Comision")))));
    }
}

void SettlementRun::insertDetail(long n)
{
    auto rs = open(QStringLiteral("  SELECT a.tc,a.idcomprobante, A.Articulo , A.cantidad ,ValorVtaConIVA,AlicuotaIVA,ValorVenta,"
                                  "PorcDescuentoCobranza,ImporteNeto,ImporteComision,a.Comision,IdLista,a.cbtc,a.idcobranza   "
                                  "from VT_COMISIONES_LISTA_CB_DESCUENTO  A  Inner Join v_comisiones_vendedor_apl B   on a.tc = "
                                  "b.tc and a.idcomprobante = b.idcomprobante  where b.idliquidacion = %1 ")
                       .arg(n));
    if (rs.BOF())
        return;
    execute(QStringLiteral(" delete V_COMISIONES_VENDEDOR_DET where idliquidacion = %1").arg(n));
    for (; !rs.EOF_(); rs.MoveNext()) {
        const auto field = [&](const char *name) { return rs(QString::fromLatin1(name)); };
        const QStringList values = {
            quoted(field("TC")),           quoted(field("IdComprobante")), quoted(field("Articulo")),
            number(field("Cantidad")),     number(field("valorvtaconiva")), number(field("AlicuotaIVA")),
            number(field("valorventa")),   number(field("porcdescuentocobranza")), number(field("ImporteNeto")),
            number(field("importecomision")), number(field("Comision")),    quoted(field("IdLista")),
            quoted(field("cbtc")),         quoted(field("IdCobranza"))};
        execute(QStringLiteral(" INSERT INTO V_COMISIONES_VENDEDOR_DET ( IdLiquidacion,Tc,IdComprobante,IdArticulo,Cantidad,"
                               "ValorVtaConIVA,AlicuotaIVA,ValorVenta,PorcDescuentoCobranza,ImporteNeto,ImporteComision,"
                               "Comision,IdLista,cbtc,idcobranza )  values ( %1,")
                    .arg(n) +
                values.join(QStringLiteral(", ")) + QStringLiteral(" )"));
    }
}

void SettlementRun::cancelByCreditNotes(long n)
{
    auto rs = open(QStringLiteral("  select A.*,B.IMPORTE, b.tco_origen from V_COMISIONES_VENDEDOR_COB A INNER JOIN "
                                  "MV_APLICACION B ON a.cbtc = b.tc And a.IdCobranza = b.IdComprobante where (CBtc = 'NC' OR "
                                  "CBtc = 'NCFP' ) AND ABS(A.TOTALCOBRADO) = ABS(B.IMPORTE ) and (NOT TC_Print IS NULL ) AND "
                                  "A.idliquidacion = %1 ")
                       .arg(n));
    for (; !rs.EOF_(); rs.MoveNext()) {
        const QString tc = text(rs(QStringLiteral("cbtc")));
        const QString id = text(rs(QStringLiteral("IdCobranza")));
        execute(QStringLiteral("update V_COMISIONES_VENDEDOR_DET SET COMISION = 0, IMPORTECOMISION = 0  WHERE TC = '%1' AND "
                               "IDCOMPROBANTE = '%2'")
                    .arg(tc, id));
        execute(QStringLiteral("update V_COMISIONES_VENDEDOR_COB SET TOTALCOBRADO = 0, COMISION = 0, OBSERVACIONES = "
                               "'Cancelacion total comprobante'  WHERE cbTC = '%1' AND IDCOBRANZA = '%2'")
                    .arg(tc, id));
    }
}

void SettlementRun::zeroDuplicates(long n)
{
    auto rs = open(QStringLiteral("   select MAX(ID) as id,tc,idcomprobante,idarticulo,cantidad from V_COMISIONES_VENDEDOR_DET  "
                                  "where idliquidacion = %1  group by tc,idcomprobante,idarticulo,cantidad having count(*) > 1")
                       .arg(n));
    for (; !rs.EOF_(); rs.MoveNext())
        execute(QStringLiteral("update V_COMISIONES_VENDEDOR_DET SET COMISION = 0, IMPORTECOMISION = 0  WHERE TC = '%1' AND "
                               "IDCOMPROBANTE = '%2' and idarticulo = '%3' and id <> %4 and cantidad = %5")
                    .arg(text(rs(QStringLiteral("tc"))), text(rs(QStringLiteral("idcomprobante"))),
                         text(rs(QStringLiteral("idarticulo"))), number(rs(QStringLiteral("id"))),
                         number(rs(QStringLiteral("cantidad")))));
}

void SettlementRun::sumCommissions(long n)
{
    auto vouchers = open(QStringLiteral("select tc,idcomprobante, sum(importecomision) as comision from "
                                        "V_COMISIONES_VENDEDOR_DET where idliquidacion = %1 group by tc,IDComprobante ")
                             .arg(n));
    for (; !vouchers.EOF_(); vouchers.MoveNext())
        execute(QStringLiteral("update V_COMISIONES_VENDEDOR_APL SET COMISION = %1 WHERE TC = '%2' AND IDCOMPROBANTE = '%3'")
                    .arg(number(vouchers(QStringLiteral("comision"))), text(vouchers(QStringLiteral("tc"))),
                         text(vouchers(QStringLiteral("idcomprobante")))));
    auto collections = open(QStringLiteral("SELECT cbtc,idcobranza,sum(ImporteComision) as comision from "
                                           "V_COMISIONES_VENDEDOR_DET WHERE idliquidacion = %1 GROUP BY CbTc,IdCobranza")
                                .arg(n));
    for (; !collections.EOF_(); collections.MoveNext())
        execute(QStringLiteral("update V_COMISIONES_VENDEDOR_COB SET COMISION = %1 WHERE CBTC = '%2' AND IDCOBRANZA = '%3'")
                    .arg(number(collections(QStringLiteral("comision"))), text(collections(QStringLiteral("cbtc"))),
                         text(collections(QStringLiteral("idcobranza")))));
}
