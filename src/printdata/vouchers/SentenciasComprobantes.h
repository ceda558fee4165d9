#pragma once

#include <QString>

// The SQL texts of the voucher print rows, piece by piece as the builder writes them. Text
// values come as they read and are quoted here with their apostrophes doubled; `complemento`
// is the voucher's complement as a whole number text.
namespace SentenciasComprobantes {

// 'valor' with its apostrophes doubled.
QString texto(const QString &valor);

// One voucher of the print run: its key pieces and the workstation key of its rows.
struct ClaveFilas {
    QString usuario;
    QString tc;
    QString idComprobante;
    QString complemento;
};

// The selection filter of the run, first rule that applies: a list of quoted numbers, an ID
// list with the type "Todo" (`todo`), an ID list of the type, or a range of the type whose
// missing complements count as 0.
QString filtroLista(const QString &tc, const QString &listaIdComprobante);
QString filtroIds(const QString &listaId);
QString filtroIdsDelTipo(const QString &tc, const QString &listaId);
QString filtroRango(const QString &tc, const QString &desde, double complementoDesde, const QString &hasta,
                    double complementoHasta);
QString comprobantes(const QString &filtro);

// " WHERE TC = ... AND IDCOMPROBANTE = ... AND IDCOMPLEMENTO = n" of one voucher.
QString filtroComprobante(const QString &tc, const QString &idComprobante, const QString &complemento);

QString borrarFilasEquipo(const QString &usuario);

// The voucher's observations of one kind ('EN', 'PP', 'OC'), the other concepts in ID order.
QString observaciones(const QString &filtro, const QString &tipo);
QString otrosConceptos(const QString &filtro);

// The header and footer rows, and the three columns set on every row of the voucher.
QString insertarEncabezado(const ClaveFilas &clave, const QString &encabezado);
QString insertarPie(const ClaveFilas &clave, const QString &pie);
QString actualizarImporteEnLetras(const ClaveFilas &clave, const QString &importeEnLetras);
QString actualizarEncabezado(const ClaveFilas &clave, const QString &encabezado);
QString actualizarFormaDePago(const ClaveFilas &clave, const QString &formaDePago);

// The title row ('M') and a spacer row ('3') of a section's title block.
QString insertarTitulo(const ClaveFilas &clave, const QString &titulo);
QString insertarBlanco(const ClaveFilas &clave);

// The tasks of the voucher (all, or the one task `idTarea`) and the diary entries of a task.
QString tareas(const QString &filtro, const QString &idTarea);
QString diarios(const QString &filtro, const QString &idTarea);

// The voucher's lines, and the lines of an origin order (NP) with the pending check of one of them.
QString insumos(const QString &filtro);
QString insumosOrigenNP(const QString &comprobanteOrigen);
QString condicionPendienteNP(const QString &idComprobante, const QString &idArticulo);

// The customs dispatch of a lot; the 'XX' row of a dispatch text (once per voucher) and the 'ZZ'
// row of the voucher's lots.
QString despachoLote(const QString &lote);
QString insertarDespacho(const ClaveFilas &clave, const QString &texto);
QString insertarLotes(const ClaveFilas &clave, const QString &lotes);

// The electronic data, the rate of the day (`fecha` dd/mm/yyyy) and the QR row of a voucher.
QString condicionElectronico(const QString &tc, const QString &idComprobante);
QString cotizacionDelDia(const QString &fecha);
QString borrarFilaQR(const QString &tc, const QString &idComprobante);
QString nuevaFilaQR();

} // namespace SentenciasComprobantes
