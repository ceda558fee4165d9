#include "printing/DatosImpresionPrograma.h"

#include "printdata/receipts/FormulasAsiento.h"
#include "printdata/receipts/IMP_Recibos.h"
#include "printdata/vouchers/GeneraAuxiliarComprobantes.h"

void DatosImpresionPrograma::GeneraAuxiliarRecibo_PagoCobranza(const QString &TC, const QString &Sucursal,
                                                               const QString &Numero, const QString &Letra,
                                                               const QString &Cuenta, QStringList &Formulas,
                                                               long Copias, long ItemsPorPagina)
{
    IMP_Recibos(m_base).GeneraAuxiliarRecibo_PagoCobranza(TC, Sucursal, Numero, Letra, Cuenta, Formulas, Copias,
                                                          ItemsPorPagina);
}

void DatosImpresionPrograma::GeneraAuxiliarComprobantes(QString &TC, const QString &SucursalDesde,
                                                        const QString &NumeroDesde, const QString &LetraDesde,
                                                        const QString &IdComplementoDesde, qint16 AltoTitulo,
                                                        const QString &SucursalHasta, const QString &NumeroHasta,
                                                        const QString &LetraHasta, const QString &IdComplementoHasta,
                                                        const QString &ListaId, const QString &ListaIdComprobante,
                                                        const QString &IdTarea, bool ConservarFilas)
{
    // The builder takes every argument by reference, as the suite's callers pass them.
    QString sucursalDesde = SucursalDesde, numeroDesde = NumeroDesde, letraDesde = LetraDesde,
            complementoDesde = IdComplementoDesde, sucursalHasta = SucursalHasta, numeroHasta = NumeroHasta,
            letraHasta = LetraHasta, complementoHasta = IdComplementoHasta, listaId = ListaId,
            listaComprobantes = ListaIdComprobante, tarea = IdTarea;
    qint16 alto = AltoTitulo;
    rt::Variant conservar(ConservarFilas);
    ::GeneraAuxiliarComprobantes(TC, sucursalDesde, numeroDesde, letraDesde, complementoDesde, alto, sucursalHasta,
                                 numeroHasta, letraHasta, complementoHasta, listaId, listaComprobantes, tarea,
                                 conservar);
}

void DatosImpresionPrograma::FormulasAsiento(const QString &TC, const QString &Sucursal, const QString &Numero,
                                             const QString &Letra, const QString &MesOperativo,
                                             const QString &NumeroAsiento, const QString &Periodo, bool CentroCosto,
                                             bool Pantalla, bool Angosto)
{
    ::FormulasAsiento(m_base, TC, Sucursal, Numero, Letra, MesOperativo, NumeroAsiento, rt::Variant(Periodo),
                      CentroCosto, Pantalla, Angosto);
}
