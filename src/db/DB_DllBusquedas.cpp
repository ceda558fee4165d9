#include "db/DB_Dll.h"

#include "db/Conexiones.h"
#include "db/PoliticaReconexion.h"
#include "db/TextosBusqueda.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/ui/Dialogs.h"

namespace {

const QString SinCeroInicial = QStringLiteral("substring(ltrim(idarticulo),1,1)<>'0'");

} // namespace

int DB_Dll::falloBusqueda(const rt::RuntimeError &error, PoliticaReconexion &politica)
{
    // A lost connection is recognised on the main connection's errors, whichever object looks up.
    const ado::Errors &errores = gBaseDatos->gCnn.Errors();
    if (errores.Count() > 0 && errores(0).NativeError == rt::err::NativeLostConnection && politica.recuperar())
        return rt::AnswerRetry;
    return ui::MsgBox(error.Description, ui::vbCritical + ui::vbAbortRetryIgnore, QStringLiteral("Aviso al Operador"));
}

rt::Variant DB_Dll::BuscaMaximo(const QString &QueTabla, const QString &QueCampo, const rt::Variant &Tipo,
                                QString &Condicion)
{
    std::optional<QString> condicion = Condicion;
    rt::Variant resultado = BuscaMaximoCon(QueTabla, QueCampo, Tipo, condicion);
    Condicion = condicion.value_or(QString());
    return resultado;
}

rt::Variant DB_Dll::BuscaMaximo(const QString &QueTabla, const QString &QueCampo, const rt::Variant &Tipo)
{
    std::optional<QString> condicion;
    return BuscaMaximoCon(QueTabla, QueCampo, Tipo, condicion);
}

rt::Variant DB_Dll::BuscaMaximoCon(const QString &QueTabla, const QString &QueCampo, const rt::Variant &Tipo,
                                   std::optional<QString> &Condicion)
{
    // The leading-zero rule applies once: a second maximum starting with "0" is taken as it is.
    bool extendida = false;
    for (;;) {
        ado::Recordset rs;
        rs.Open(TextosBusqueda::buscaMaximo(QueTabla, QueCampo, Condicion), gCnn, ado::adOpenForwardOnly,
                ado::adLockReadOnly, ado::adCmdUnspecified);
        if (rs.BOF())
            return {};
        rs.MoveFirst();
        const QString mayor = m_util.ValorCampo(rs.Fields(QStringLiteral("MAYOR")));
        if (!extendida && QueTabla.compare(QStringLiteral("V_MA_ARTICULOS"), Qt::CaseInsensitive) == 0
            && rt::Trim(mayor).startsWith(QLatin1Char('0'))) {
            Condicion = Condicion.value_or(QString()).isEmpty() ? QStringLiteral(" ") + SinCeroInicial
                                                                : *Condicion + QStringLiteral(" and ") + SinCeroInicial;
            extendida = true;
            continue;
        }
        if (TextosBusqueda::codigoTipo(Tipo) == 7)
            return mayor;
        return rt::Val(mayor);
    }
}

rt::Variant DB_Dll::BuscaMinimo(const QString &QueTabla, const QString &QueCampo, const rt::Variant &,
                                const QString &Condicion)
{
    return BuscaMinimoCon(QueTabla, QueCampo, Condicion);
}

rt::Variant DB_Dll::BuscaMinimo(const QString &QueTabla, const QString &QueCampo, const rt::Variant &)
{
    return BuscaMinimoCon(QueTabla, QueCampo, std::nullopt);
}

rt::Variant DB_Dll::BuscaMinimoCon(const QString &QueTabla, const QString &QueCampo,
                                   const std::optional<QString> &Condicion)
{
    ado::Recordset rs;
    rs.Open(TextosBusqueda::buscaMinimo(QueTabla, QueCampo, Condicion), gCnn, ado::adOpenForwardOnly,
            ado::adLockReadOnly, ado::adCmdUnspecified);
    rt::Variant resultado;
    if (!rs.BOF()) {
        rs.MoveFirst();
        resultado = rt::Val(m_util.ValorCampo(rs.Fields(QStringLiteral("MENOR"))));
    }
    rs.Close();
    return resultado;
}

bool DB_Dll::existeFila(const QString &texto, ado::Connection &conexion, ado::Recordset *LRCS)
{
    bool resultado = false;
    PoliticaReconexion politica(*this, 0, PoliticaReconexion::Modo::AvisoInmediato);
    const rt::StepRunner steps([&](const rt::RuntimeError &error) { return falloBusqueda(error, politica); });
    if (LRCS) {
        if (!steps.proceed([&] {
                if (LRCS->State() != ado::adStateClosed)
                    LRCS->Close();
            }))
            return resultado;
        if (!steps.proceed([&] { LRCS->Open(texto, conexion, 0, 1, -1); }))
            return resultado;
        steps.run([&] { resultado = !LRCS->BOF(); });
        return resultado;
    }
    ado::Recordset rs;
    if (!steps.proceed(
            [&] { rs.Open(texto, conexion, ado::adOpenForwardOnly, ado::adLockReadOnly, ado::adCmdUnspecified); }))
        return resultado;
    if (!steps.proceed([&] { resultado = !rs.BOF(); }))
        return resultado;
    steps.run([&] { rs.Close(); });
    return resultado;
}

bool DB_Dll::ExisteEnTablaST(const QString &Tabla, const QString &ValorBuscado, const QString &Campo,
                             ado::Recordset *LRCS, const rt::Variant &Tipodato, const QString &Condicion,
                             bool SoloLectura)
{
    const QString texto =
        TextosBusqueda::existeEnTablaST(Tabla, ValorBuscado, Campo, TextosBusqueda::codigoTipo(Tipodato), Condicion);
    // Our recordsets keep no cursor or lock type between opens, so a recordset that is not
    // read-only opens as a new one would: forward-only and read-only, like SoloLectura.
    Q_UNUSED(SoloLectura);
    // Always the main database, whichever object asks; ExisteEnTabla is the same test on this
    // object's own connection.
    return existeFila(texto, gBaseDatos->gCnn, LRCS);
}

bool DB_Dll::ExisteEnTabla(const QString &Tabla, const QString &ValorBuscado, const QString &Campo,
                           ado::Recordset *LRCS, const rt::Variant &Tipodato, const QString &Condicion,
                           bool SoloLectura)
{
    const QString texto =
        TextosBusqueda::existeEnTabla(Tabla, ValorBuscado, Campo, TextosBusqueda::codigoTipo(Tipodato), Condicion);
    Q_UNUSED(SoloLectura); // as in ExisteEnTablaST
    return existeFila(SS_TSinonimos(texto), gCnn, LRCS);
}

rt::Variant DB_Dll::DatosTabla(const QString &Tabla, const QString &ValorBuscado, const QString &CampoDevuelto,
                               const QString &Campo, const rt::Variant &Tipodato, const QString &Condicion,
                               bool UsaTrim, bool IgnoraError)
{
    rt::Variant tipo = Tipodato;
    return DatosTabla(Tabla, ValorBuscado, CampoDevuelto, Campo, tipo, Condicion, UsaTrim, IgnoraError);
}

rt::Variant DB_Dll::DatosTabla(const QString &Tabla, const QString &ValorBuscado, const QString &CampoDevuelto,
                               const QString &Campo, rt::Variant &Tipodato, const QString &Condicion, bool UsaTrim,
                               bool IgnoraError)
{
    rt::Variant resultado;
    if (Tipodato.type() == rt::VarType::String && Tipodato.asString() == QLatin1String("'"))
        Tipodato = 8;
    QString texto = TextosBusqueda::datosTabla(Tabla, ValorBuscado, Campo, TextosBusqueda::codigoTipo(Tipodato),
                                               Condicion, UsaTrim);
    PoliticaReconexion politica(*this, 0, PoliticaReconexion::Modo::Insistente);
    const rt::StepRunner steps([&](const rt::RuntimeError &error) -> int {
        if (IgnoraError) {
            resultado = QString();
            return 0;
        }
        return falloBusqueda(error, politica);
    });
    ado::Recordset rs;
    if (!steps.proceed([&] {
            AbrirRecordset(texto, rs, &gCnn, ado::adOpenForwardOnly, ado::adLockReadOnly, ado::adCmdUnspecified, true);
        }))
        return resultado;
    if (!gOpenFlag)
        return resultado;
    if (!steps.proceed([&] { resultado = rs.BOF() ? QString() : m_util.ValorCampo(rs.Fields(CampoDevuelto)); }))
        return resultado;
    steps.run([&] { CierraRecordset(rs); });
    return resultado;
}
