#pragma once

#include <QString>

class DB_Dll;

// The SQL texts of the print entry: report files, printer settings, kitchen orders, receipts
// paid at the counter, accounting periods and order sections. Values go in as they read and are
// quoted here with their apostrophes doubled, except the program's own codes `recibo` and
// `sistema`, written as given; `idComprobante` is a voucher's 13-character number.
namespace SentenciasImpresion {

// The printer settings of a voucher type and letter for one workstation, and for every
// workstation (the row without a workstation).
QString impresoraDelEquipo(DB_Dll &base, const QString &tc, const QString &letra, const QString &usuario);
QString impresoraGeneral(DB_Dll &base, const QString &tc, const QString &letra);

// The report table's row of a name (trimmed), and its rows of the payment orders' settlement.
QString reportePorNombre(const QString &nombre);
QString reportesLiquidacionPagos();
// The electronic voucher row of a type and number (trimmed).
QString comprobanteElectronico(const QString &tipo, const QString &idComprobante);
// The condition that finds a delivery note of letter R among the vouchers.
QString condicionRemito(const QString &idComprobante);
// A business unit by its code, or by its point of sale (trimmed).
QString unidadPorCodigo(const QString &codigo);
QString unidadPorPuntoDeVenta(const QString &puntoDeVenta);

// The conditions that find a voucher type of `sistema` and an electronic voucher.
QString condicionTipoDeSistema(DB_Dll &base, const QString &tc, const QString &sistema);
QString condicionElectronico(DB_Dll &base, const QString &tc, const QString &idComprobante);
// The business unit of a voucher.
QString unidadComprobante(DB_Dll &base, const QString &tc, const QString &idComprobante);

// A kitchen order's row, and its article lines joined to their articles in the order's order.
QString comanda(DB_Dll &base, const QString &tc, const QString &idComprobante);
QString lineasComanda(DB_Dll &base, const QString &tc, const QString &idComprobante);

// The receipt (CBFP or CBCT, as `recibo` names it) that paid a voucher, and its entry lines with
// a means of payment.
QString reciboDelComprobante(DB_Dll &base, const QString &recibo, const QString &idComprobante);
QString lineasDelRecibo(DB_Dll &base, const QString &recibo, const QString &sucursal, const QString &numero,
                        const QString &letra);

// The accounting entries of a voucher with their period; a blank `fecha` selects every entry of
// the voucher rather than none.
QString periodosAsiento(DB_Dll &base, const QString &tc, const QString &sucursal, const QString &numero,
                        const QString &letra, const QString &fecha);

// The order sections' settings, the condition of a section (article groups and business units
// of comma lists, blank when both lists are), and the articles of an order that meet it.
QString seccionesPedido();
QString condicionSeccion(const QString &rubros, const QString &unidades);
QString articulosPedido(DB_Dll &base, const QString &tc, const QString &idComprobante, const QString &condicion);

} // namespace SentenciasImpresion
