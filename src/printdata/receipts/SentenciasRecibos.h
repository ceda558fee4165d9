#pragma once

#include <QString>

// The SQL texts of the receipt and payment-order print rows and of the ledger-account look-ups,
// piece by piece as the routines write them. Values spliced between quotes have their quotes
// doubled here; `tipo` is a voucher type as stored (FormatoCodigo width 4), `clave` a
// 13-character voucher key, `cuenta` the account argument (empty: no account condition).
namespace SentenciasRecibos {

// The workstation's print rows, and the row writer that adds them.
QString borrarFilas(const QString &usuario);
QString escritorFilas();

// The origin documents applied by the printed voucher, one row per document.
QString aplicaciones(const QString &tipo, const QString &clave);
// The accounting-entry lines of the printed voucher, always in the same order.
QString asientos(const QString &tipo, const QString &sucursal, const QString &numero, const QString &letra);
// The other vouchers applied under the printed one: credit notes and collections for receipts,
// the purchase-side vouchers for payment orders; the printed voucher itself (type `tc` as passed,
// compared trimmed) is left out.
QString otrosAplicados(const QString &tipo, const QString &clave, bool esRecibo, const QString &cuenta,
                       const QString &tc);

// The workstation's rows of the voucher, their count, a blank padding row and the rows of copy
// `copia` (the first copy's rows again, under the copy number).
QString contarFilas(const QString &tc, const QString &clave, const QString &usuario);
QString filaEnBlanco(const QString &tc, const QString &clave, const QString &usuario);
QString copiarFilas(int copia, const QString &tc, const QString &clave, const QString &usuario);

// The printed voucher's header (retention and discount amounts).
QString cabecera(const QString &tipo, const QString &clave);

// " AND CUENTA = '<trimmed account>' ", or "" for a blank account argument.
QString condicionCuenta(const QString &cuenta);
// Date and amount of an applied document: in purchases, in the voucher headers, or in the first
// entry lines of the document (`documento` is its 13-character key).
QString documentoCompras(const QString &tipo, const QString &documento, const QString &cuenta);
QString documentoVentas(const QString &tipo, const QString &documento, const QString &cuenta);
QString documentoAsientos(const QString &tipo, const QString &documento, const QString &cuenta);
// The entry lines of a document by its pieces, with the sub-ledger date and the header amount.
QString documentoAsientosPorPartes(const QString &tipo, const QString &sucursal, const QString &numero,
                                   const QString &letra, const QString &cuenta);
// The open balance of an applied document. `conBlanco`: the blank before the account condition
// of the arrangement led by the applications.
QString saldoDocumento(const QString &tipo, const QString &sucursal, const QString &numero, const QString &letra,
                       const QString &cuenta, bool conBlanco);

// The ledger-account look-ups: the tax-accounts settings row, an account by code or by optional
// code, and an account of code `codigo` (compared trimmed) with means-of-payment class `medio`.
QString cuentasIva();
QString cuenta(const QString &codigo, bool porCodigoOpcional);
QString cuentaDeMedio(const QString &codigo, const QString &medio);

} // namespace SentenciasRecibos
