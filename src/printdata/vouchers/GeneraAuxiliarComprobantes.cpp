#include "printdata/vouchers/GeneraAuxiliarComprobantes.h"

#include "db/Conexiones.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"
#include "printdata/vouchers/AuxiliarComprobantes.h"

void GeneraAuxiliarComprobantes(QString &TC, QString &SucursalDesde, QString &NumeroDesde, QString &LetraDesde,
                                QString &IdComplementoDesde, qint16 &AltoTitulo, QString &SucursalHasta,
                                QString &NumeroHasta, QString &LetraHasta, QString &IdComplementoHasta,
                                QString &ListaId, QString &ListaIdComprobante, QString &IdTarea,
                                rt::Variant &ConservarFilas)
{
    AuxiliarComprobantes::Pedido pedido;
    pedido.SucursalDesde = SucursalDesde;
    pedido.NumeroDesde = NumeroDesde;
    pedido.LetraDesde = LetraDesde;
    pedido.IdComplementoDesde = IdComplementoDesde;
    pedido.AltoTitulo = AltoTitulo;
    pedido.SucursalHasta = SucursalHasta;
    pedido.NumeroHasta = NumeroHasta;
    pedido.LetraHasta = LetraHasta;
    pedido.IdComplementoHasta = IdComplementoHasta;
    pedido.ListaId = ListaId;
    pedido.ListaIdComprobante = ListaIdComprobante;
    pedido.IdTarea = IdTarea;
    // Only a true value keeps the rows; Empty, Null and anything unreadable clear them.
    try {
        pedido.ConservarFilas = !ConservarFilas.isNull() && !ConservarFilas.isEmpty() && rt::CBool(ConservarFilas);
    } catch (const rt::RuntimeError &) {
        pedido.ConservarFilas = false;
    }
    AuxiliarComprobantes(*gBaseDatos).generar(TC, pedido);
}
