#include "core/DatosEmpresa.h"

#include "core/Configuracion.h"
#include "core/ConfiguracionSesion.h"
#include "db/Conexiones.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Text.h"
#include "session/ObjetosExternos.h"

namespace {

void datosDeLaUnidad(const QString &UnidadNegocio, QString &RazonSocial, QString &Cuit, QString &InicioActividades,
                     QString &IngresosBrutos, QString &CondicionIva)
{
    const QString codigo = gUtil->FormatoCodigo(UnidadNegocio, 4);
    ado::Recordset rs;
    if (!gBaseDatos->ExisteEnTabla(QStringLiteral("v_ta_unidadNegocio"), codigo, QStringLiteral("codigo"), &rs, 8, {},
                                   true))
        return;
    RazonSocial = gUtil->ValorCampo(rs.Fields(QStringLiteral("razon_social")));
    Cuit = gUtil->ValorCampo(rs.Fields(QStringLiteral("Cuit")));
    if (Cuit.isEmpty()) {
        // A unit without a tax number has no identity of its own: the company's applies.
        RazonSocial.clear();
        InicioActividades.clear();
        IngresosBrutos.clear();
        CondicionIva.clear();
        return;
    }
    const QString unidad = rt::Trim(UnidadNegocio);
    InicioActividades = rt::Trim(Cfg(QStringLiteral("INICIO_ACTIVIDADES_UN_") + unidad));
    IngresosBrutos = rt::Trim(Cfg(QStringLiteral("INGRESOS_BRUTOS_UN_") + unidad));
    CondicionIva = rt::Trim(Cfg(QStringLiteral("CONDICIONIVA_UN_") + unidad));
}

} // namespace

void CargarDatosEmpresa(const QString &UnidadNegocio, QString &RazonSocial, QString &Cuit, QString &InicioActividades,
                        QString &IngresosBrutos, QString &CondicionIva)
{
    if (!UnidadNegocio.isEmpty())
        datosDeLaUnidad(UnidadNegocio, RazonSocial, Cuit, InicioActividades, IngresosBrutos, CondicionIva);
    if (RazonSocial.isEmpty())
        RazonSocial = Cfg(QStringLiteral("NOMBRE"));
    if (Cuit.isEmpty())
        Cuit = Cfg(QStringLiteral("cuit"));
    if (CondicionIva.isEmpty())
        CondicionIva = Cfg(QStringLiteral("CONDIVAEMPRESA"));
    if (InicioActividades.isEmpty())
        InicioActividades = rt::Trim(Cfg(QStringLiteral("INICIOACTIVIDADES")));
    if (IngresosBrutos.isEmpty())
        IngresosBrutos = rt::Trim(Cfg(QStringLiteral("NROINGRESOSBRUTOS")));
    gCondicionIvaTexto = CondicionIva;
    gCondicionIva = rt::CInt(CondicionIva);
}
