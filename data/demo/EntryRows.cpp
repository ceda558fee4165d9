#include "demo/EntryRows.h"

namespace demo {

QStringList entryColumns()
{
    return QStringLiteral("TC,SUCURSAL,NUMERO,LETRA,SECUENCIA,[DEBE-HABER],Fecha,Importe,idVendedor,Cuenta,Detalle,"
                          "CABIMPORTE,ChPropio,NROCOMPROBANTEBANCARIO,tj_observaciones,IdBanco,Vencimiento,TJ_NroCupon,"
                          "TJ_NroSocio,TJ_cuotas,PERIODO,MES_OPERATIVO,[NUMERO ASIENTO],FECHASUBDIARIO")
        .split(QLatin1Char(','));
}

QStringList entryRow(const VoucherKey &key, int sequence, const QDate &date, qint64 voucherTotal, int entryNumber,
                     const EntryLine &line)
{
    return {sql::text(key.tc),
            sql::text(key.branch),
            sql::text(key.number),
            sql::text(key.letter),
            sql::integer(sequence),
            sql::text(line.side),
            sql::date(date),
            sql::money(line.amount),
            sql::textOrNull(line.seller),
            sql::text(line.account),
            sql::text(line.detail),
            sql::money(voucherTotal),
            line.chequeOwn,
            line.chequeNumber,
            line.drawer,
            line.bank,
            line.dueDate,
            line.coupon,
            line.member,
            line.instalments,
            sql::integer(date.year()),
            sql::integer(date.month()),
            sql::integer(entryNumber),
            line.subledgerDate};
}

QStringList applicationColumns()
{
    return QStringLiteral("TC,Sucursal,Numero,letra,IdComprobante,TCO_ORIGEN,SUCURSAL_ORIGEN,NUMERO_ORIGEN,"
                          "LETRA_ORIGEN,IDCOMPROBANTE_ORIGEN,IMPORTE,TC_PRINT,IDCOMPROBANTE_PRINT,CUENTA")
        .split(QLatin1Char(','));
}

QStringList applicationRow(const VoucherKey &from, const VoucherKey &to, qint64 amount, const QString &account,
                           const VoucherKey &printed)
{
    return {sql::text(from.tc),      sql::text(from.branch), sql::text(from.number), sql::text(from.letter),
            sql::text(from.id()),    sql::text(to.tc),       sql::text(to.branch),   sql::text(to.number),
            sql::text(to.letter),    sql::text(to.id()),     sql::money(amount),     sql::text(printed.tc),
            sql::text(printed.id()), sql::text(account)};
}

} // namespace demo
