#include "printing/ImprimirComprobante.h"

#include "core/Configuracion.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "printdata/vouchers/RutasArchivo.h"
#include "printing/AvisosArchivos.h"
#include "printing/DatosImpresion.h"
#include "printing/NombreReporte.h"
#include "printing/PeriodoAsiento.h"
#include "printing/PreparacionTrabajo.h"
#include "printing/SalidaTrabajo.h"
#include "printing/TextosImpresion.h"
#include "printing/TurnoImpresion.h"
#include "session/ModError.h"
#include "session/ObjetosExternos.h"
#include "session/Sesion.h"

using TextosImpresion::es;

void ImprimirComprobante(const ServiciosImpresion &servicios, PedidoImpresion &pedido)
{
    const rt::StepRunner pasos([](const rt::RuntimeError &error) {
        return MostrarError(error, std::nullopt, QStringLiteral("ImprimirComprobante"));
    });
    AvisosArchivos avisos;
    const RutasArchivo rutas(Cfg(RutasArchivo::clave()));
    EleccionReporte eleccion(servicios.base, servicios.carpetaReportes, rutas, avisos);
    TrabajoComprobante trabajo;
    const bool seguir = PreparacionTrabajo(servicios.base, eleccion, servicios.objeto).preparar(pedido, pasos, trabajo);
    pedido.EsAsiento = trabajo.EsAsiento;
    pedido.Seleccion = trabajo.Seleccion;
    if (!seguir)
        return;
    if (trabajo.EsAsiento) {
        pasos.run([&] {
            ObtenerPeriodoAsiento(servicios.base, servicios.datos, pedido.TC, pedido.IdComprobante,
                                  pedido.ParametroAsiento, es(pedido.Formulario, {"Asientos con Centro de Costo"}));
        });
        return;
    }
    SalidaTrabajo(servicios.base, servicios.objeto, servicios.comandera, rutas, avisos, servicios.carpetaReportes,
                  servicios.conexion)
        .imprimir(trabajo, pasos);
    pedido.Destino = trabajo.Destino;
}

void ImprimirComprobanteGenerico(const ServiciosImpresion &servicios, QString &TC, QString &IdComprobante,
                                 QString &Cuenta)
{
    if (TurnoImpresion::enCurso())
        return;
    const TurnoImpresion turno(gEquipoUsuario);
    TC = rt::Trim(TC);
    const QString sucursal = rt::Mid(IdComprobante, 1, 4);
    const QString numero = rt::Mid(IdComprobante, 5, 8);
    const QString letra = rt::Mid(IdComprobante, 13, 1);
    PedidoImpresion pedido;
    // The screen: "Ver  Comprobante" previews whatever the type's default destination.
    pedido.Destino = 0;
    if (es(TC, {"CB", "CBCT", "CBFP", "PG", "PGFP", "OPG"})) {
        const long items =
            rt::CLng(rt::Variant(gUtil->ValorNumerico(rt::Variant(Cfg(QStringLiteral("CobranzasItems"))))));
        QStringList formulas{QString()};
        servicios.datos.GeneraAuxiliarRecibo_PagoCobranza(TC, sucursal, numero, letra, Cuenta, formulas, 1, items);
        pedido.FormulasRecibo = formulas;
        pedido.Reporte = es(TC, {"CB", "CBCT", "CBFP"}) ? rt::Trim(TC) : QStringLiteral("LiqOPG");
    } else {
        servicios.datos.GeneraAuxiliarComprobantes(TC, sucursal, numero, letra, QStringLiteral("0"), 3, QString(),
                                                   QString(), QString(), QString(), QString(), QString(), QString(),
                                                   false);
        pedido.Reporte = rt::Trim(TC);
    }
    pedido.TC = TC;
    pedido.IdComprobante = IdComprobante;
    ImprimirComprobante(servicios, pedido);
}
