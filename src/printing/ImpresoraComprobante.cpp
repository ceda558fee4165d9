#include "printing/ImpresoraComprobante.h"

#include "db/DB_Dll.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
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
    const auto seguir = [&](const std::function<void()> &sentencia) {
        return pasos.run(sentencia) == rt::StepResult::Continue;
    };
    const auto cerrar = [&] { pasos.run([&] { base.CierraRecordset(rs); }); };
    const auto conFila = [&] { return rs.State() == ado::adStateOpen && !rs.EOF_(); };
    const QString consulta = QStringLiteral("SELECT * FROM TA_CONFIG_IMP_CPTE  with(nolock)  WHERE TC = ")
                             + base.literal(TC) + QStringLiteral(" AND LETRA = ") + base.literal(Letra)
                             + QStringLiteral(" AND USUARIO ");
    if (!seguir([&] {
            if (rt::Trim(Usuario).isEmpty())
                Usuario = gEquipo->NombreEquipo() + QLatin1Char('|') + gEquipo->UsuarioEquipo();
        }))
        return cerrar();
    if (!seguir([&] { base.AbrirRecordset(consulta + QStringLiteral("= ") + base.literal(Usuario), rs); }))
        return cerrar();
    if (!seguir([&] {
            if (!conFila())
                base.AbrirRecordset(consulta + QStringLiteral("IS NULL"), rs);
        }))
        return cerrar();
    bool encontrada = false;
    if (!seguir([&] { encontrada = conFila(); }))
        return cerrar();
    if (!encontrada) {
        Impresora.clear();
        CantCopias = 0;
        return cerrar();
    }
    const auto campo = [&](const char *nombre) { return gUtil->ValorCampo(rs.Fields(QLatin1String(nombre))); };
    if (seguir([&] { Impresora = rt::Trim(campo("Impresora")); })
        && seguir([&] { CantCopias = entero(campo("CantCopias")); })
        && seguir([&] { CantLineas = entero(campo("CantLineas")); }))
        seguir([&] { DestinoDefault = rt::Trim(campo("DestinoDefault")); });
    cerrar();
}
