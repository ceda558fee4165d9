#include "printing/ImpresoraComprobante.h"

#include "db/DB_Dll.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "printing/SentenciasImpresion.h"
#include "session/ModError.h"
#include "session/ObjetosExternos.h"

namespace {

qint16 entero(const QString &texto)
{
    return rt::CInt(rt::Variant(rt::Val(texto)));
}

} // namespace

void ObtieneImpresoraComprobante(DB_Dll &base, const QString &TC, const QString &Letra, QString &Impresora,
                                 qint16 &CantCopias, qint16 &CantLineas, QString &DestinoDefault, QString &Usuario)
{
    const rt::StepRunner pasos([](const rt::RuntimeError &error) {
        return MostrarError(error, std::nullopt, QStringLiteral("ObtieneImpresoraComprobante"));
    });
    ado::Recordset rs;
    const auto cerrar = [&] { pasos.run([&] { base.CierraRecordset(rs); }); };
    const auto conFila = [&] { return rs.State() == ado::adStateOpen && !rs.EOF_(); };
    if (!pasos.proceed([&] {
            if (rt::Trim(Usuario).isEmpty())
                Usuario = gEquipo->NombreEquipo() + QLatin1Char('|') + gEquipo->UsuarioEquipo();
        }))
        return cerrar();
    if (!pasos.proceed(
            [&] { base.AbrirRecordset(SentenciasImpresion::impresoraDelEquipo(base, TC, Letra, Usuario), rs); }))
        return cerrar();
    if (!pasos.proceed([&] {
            if (!conFila())
                base.AbrirRecordset(SentenciasImpresion::impresoraGeneral(base, TC, Letra), rs);
        }))
        return cerrar();
    bool encontrada = false;
    if (!pasos.proceed([&] { encontrada = conFila(); }))
        return cerrar();
    if (!encontrada) {
        Impresora.clear();
        CantCopias = 0;
        return cerrar();
    }
    const auto campo = [&](const char *nombre) { return gUtil->ValorCampo(rs.Fields(QLatin1String(nombre))); };
    if (pasos.proceed([&] { Impresora = rt::Trim(campo("Impresora")); })
        && pasos.proceed([&] { CantCopias = entero(campo("CantCopias")); })
        && pasos.proceed([&] { CantLineas = entero(campo("CantLineas")); }))
        pasos.run([&] { DestinoDefault = rt::Trim(campo("DestinoDefault")); });
    cerrar();
}
