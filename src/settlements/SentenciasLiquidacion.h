#pragma once

#include "platform/ado/LiteralText.h"

#include <QString>
#include <QStringList>

// The SQL texts of the settlement build, piece by piece as the generator writes them. `N` is
// the settlement number as plain digits; numbers come as SQL literals; text values come as
// they read and are escaped (DB_Dll::escaparComillas) where the statement quotes them. The
// statements sent once per row come as their pieces and literals.
namespace SentenciasLiquidacion {

// The four statements that delete a settlement, header last, each followed by the number.
QStringList borrarLiquidacion(const QString &numeroSQL);

// The stored settlements whose whole range lies inside the given one.
QString rangoOcupado(const QString &desde, const QString &hasta);
// The highest settlement number.
QString maximoNumero();
QString insertarCabecera(const QString &N, const QString &desde, const QString &hasta, const QString &usuario);

// The filter of the first lines of the collections (or credit notes) of the range that no
// settlement holds yet; `vendedor` is the salesperson code as stored, empty for everyone.
QString filtroCobranzas(const QString &desde, const QString &hasta, const QString &vendedor, bool notasDeCredito);
// Inserts every voucher selected by the filter into the settlement's collections; credit
// notes enter with their amount negated.
QString insertarCobranzas(const QString &N, const QString &filtro, bool notasDeCredito);

// The collections of the settlement, and the split of one of them.
QString cobranzasLiquidacion(const QString &N);
QString lineasCobranza(const QString &tc, const QString &suc, const QString &nro, const QString &letra);
QString configuracionTablaIva();
ado::LiteralText actualizarImputacion(const QStringList &importes, const QString &cbtc, const QString &idCobranza);

// Applications of the settlement's collections to vouchers paid in full, the first
// collection by date first.
QString aplicaciones(const QString &N);
QString borrarAplicaciones(const QString &N);
QString condicionAplicada(const QString &tc, const QString &idComprobante);
ado::LiteralText insertarAplicacion(const QString &N, QStringList valores);

QString autoaplicarNotasDeCredito(const QString &N);

// The article lines of the settlement's vouchers, each voucher's lines for the collection
// recorded with it last.
QString detalleArticulos(const QString &N);
QString borrarDetalle(const QString &N);
ado::LiteralText insertarDetalle(const QString &N, QStringList valores);

QString notasDeCreditoTotales(const QString &N);
QString anularDetalleNotaCredito(const QString &N, const QString &cbtc, const QString &idCobranza);
QString anularCobranzaNotaCredito(const QString &N, const QString &cbtc, const QString &idCobranza);

// Groups of equal lines (voucher, article and quantity) with their last line, in the order of
// that line.
QString lineasRepetidas(const QString &N);
ado::LiteralText anularLineasRepetidas(const QString &N, const QString &tc, const QString &idComprobante,
                                       const QString &idArticulo, const QString &id, const QString &cantidad);

QString comisionPorComprobante(const QString &N);
ado::LiteralText actualizarComisionComprobante(const QString &N, const QString &comision, const QString &tc,
                                               const QString &idComprobante);
QString comisionPorCobranza(const QString &N);
ado::LiteralText actualizarComisionCobranza(const QString &N, const QString &comision, const QString &cbtc,
                                            const QString &idCobranza);

} // namespace SentenciasLiquidacion
