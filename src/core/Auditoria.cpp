#include "core/Auditoria.h"

#include "core/SentenciasSQL.h"
#include "core/ServiciosVarios.h"
#include "db/Conexiones.h"
#include "platform/runtime/DateFunctions.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/ui/Dialogs.h"
#include "session/ModError.h"
#include "session/ObjetosExternos.h"
#include "session/Programa.h"
#include "session/Sesion.h"

#include <functional>

namespace {

const QChar CR = QLatin1Char('\r');

// Day first with the four-digit year and the seconds: read alike by the embedded engine and by
// a Spanish server, whatever the workstation's short date.
QString fechaHoraSQL(const rt::DateTime &momento)
{
    return QStringLiteral("'") + momento.toQDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"))
           + QStringLiteral("'");
}

// A text made safe by the utility object and fitted to `ancho`, without the fill.
QString textoAjustado(const QString &texto, int ancho)
{
    return rt::RTrim(gUtil->TextoSQL(texto, ancho));
}

QString tipoAccion(bool Alta, bool Modificacion, bool Error)
{
    if (Error)
        return QStringLiteral("'ER'");
    if (Alta)
        return QStringLiteral("'A'");
    return Modificacion ? QStringLiteral("'M'") : QStringLiteral("'B'");
}

} // namespace

void GrabarAccionCpte(const QString &TC, const QString &IdComprobante, QString &IdComplemento, bool Alta,
                      bool Modificacion, [[maybe_unused]] bool Baja, const QString &Texto, const QString &Cuenta,
                      bool Error)
{
    if (IdComplemento.isEmpty())
        IdComplemento = QStringLiteral("0");
    rt::resumeNext([&] {
        const QString proceso = rt::Trim(NombrePrograma) + QStringLiteral(" ") + gParametroAdicional;
        gParesCampoValor = {
            {QStringLiteral("TC"), gBaseDatos->literal(gUtil->FormatoCodigo(rt::Trim(TC), 4))},
            {QStringLiteral("IdComprobante"), gBaseDatos->literal(IdComprobante)},
            {QStringLiteral("IdComplemento"), gBaseDatos->SQLValue(IdComplemento, QStringLiteral("@"))},
            {QStringLiteral("Tipo_accion"), tipoAccion(Alta, Modificacion, Error)},
            {QStringLiteral("FECHAHORA"), fechaHoraSQL(FechaServidor())},
            {QStringLiteral("Usuario"), gBaseDatos->literal(gUsuarioLogeado)},
            {QStringLiteral("PC"), gBaseDatos->literal(gEquipo->NombreEquipo())},
            {QStringLiteral("SYSTEMUSER"), gBaseDatos->literal(rt::Trim(textoAjustado(Texto, 255)))},
            {QStringLiteral("Proceso"), gBaseDatos->literal(textoAjustado(proceso, 255))},
            {QStringLiteral("ProcesoLote"), gBaseDatos->literal(rt::Trim(textoAjustado(QString(), 25)))},
            {QStringLiteral("Cuenta"), gBaseDatos->literal(rt::Trim(textoAjustado(rt::Trim(Cuenta), 15)))},
        };
        QString sql = QStringLiteral(" INSERT INTO V_MV_CPTEACCIONES ");
        ArmarInsert(sql, gParesCampoValor, true);
        gBaseDatos->EjecutaConsultaSQL(sql);
    });
}

void GrabarAuxErr(const QString &SQL, QString &Proceso, long NumeroError, const QString &Descripcion)
{
    if (Proceso.isEmpty())
        Proceso = NombrePrograma;
    // A row about a lock time-out would wait as long again for the very lock that held the
    // script back, and fail the same way.
    if (NumeroError == rt::err::NativeLockTimeout)
        return;
    ado::Recordset rs;
    rt::resumeNext([&] {
        gBaseDatos->AbrirRecordset(QStringLiteral("select  top 1 * from AUX_ERR  with(nolock) "), rs, &gBaseDatos->gCnn,
                                   ado::adOpenDynamic, ado::adLockOptimistic, ado::adCmdUnspecified, true);
    });
    rt::resumeNext([&] {
        rs.AddNew();
        rs.Fields(QStringLiteral("Proceso")).setValue(Proceso);
        // A date-time value, not a short-date text: stored with its four-digit year and seconds.
        rs.Fields(QStringLiteral("Fecha")).setValue(rt::Now());
        rs.Fields(QStringLiteral("Error")).setValue(static_cast<int>(NumeroError));
        rs.Fields(QStringLiteral("Descripcion")).setValue(textoAjustado(Descripcion, 250));
        rs.Fields(QStringLiteral("sql")).setValue(SQL);
        rs.Fields(QStringLiteral("PC")).setValue(gEquipo->NombreEquipo());
        rs.Fields(QStringLiteral("Usuario")).setValue(gUsuarioLogeado);
        rs.Update();
    });
    rt::resumeNext([&] { gBaseDatos->CierraRecordset(rs); });
}

namespace {

QString textoDelScript(const QStringList &Sentencias)
{
    QString cuerpo;
    for (const QString &sentencia : Sentencias) {
        if (!rt::Trim(sentencia).isEmpty())
            cuerpo += CR + sentencia;
    }
    if (cuerpo.isEmpty())
        return {};
    return QStringLiteral("BEGIN TRANSACTION ") + CR + CR + cuerpo + CR;
}

// The server's errors for the operator: one line per error, native number first. Of several
// errors the last is left out: it is the server's closing "statement has been terminated".
QString textoParaOperador(const QList<ado::Error> &errores)
{
    const qsizetype lineas = errores.size() == 1 ? 1 : errores.size() - 1;
    QString texto;
    for (qsizetype i = 0; i < lineas; ++i)
        texto += QString::number(errores.at(i).NativeError) + QStringLiteral(" : ") + errores.at(i).Description
                 + QStringLiteral("\r\n");
    return texto;
}

} // namespace

void GActualizarDatoScript(const QStringList &Sentencias, bool &Fallo, long &NumeroError, bool ToleraDuplicados,
                           bool ToleraReferencias, QString &Script, QString &Mensaje, bool AvisarOperador)
{
    Fallo = false;
    const QString script = textoDelScript(Sentencias);
    if (script.isEmpty())
        return;
    const rt::StepRunner pasos([](const rt::RuntimeError &error) {
        return MostrarError(error, std::nullopt, QStringLiteral("GActualizarDatoScript"));
    });
    long numero = 0;
    QString textoOperador;
    const std::function<void()> cuerpo[] = {
        [&] {
            Script = script;
            rt::resumeNext([&] { gBaseDatos->EjecutaConsultaSQL(script); });
        },
        [&] {
            ado::Errors &errores = gBaseDatos->gCnn.Errors();
            if (errores.Count() == 0)
                return;
            numero = errores(0).NativeError;
            Fallo = true;
            textoOperador = textoParaOperador(errores.items());
            Mensaje = textoOperador;
            if ((ToleraDuplicados && numero == rt::err::NativeDuplicateKey)
                || (ToleraReferencias && numero == rt::err::NativeConstraintConflict)) {
                Mensaje = errores(0).Description;
                textoOperador.clear();
            }
            errores.Clear();
        },
        [&] {
            if (!Fallo) {
                gBaseDatos->gCnn.Execute(QStringLiteral("COMMIT TRANSACTION"));
                return;
            }
            rt::resumeNext([&] { gBaseDatos->gCnn.Execute(QStringLiteral("ROLLBACK TRANSACTION")); });
            QString proceso = NombrePrograma;
            GrabarAuxErr(script, proceso, numero, textoOperador);
            if (!rt::Trim(textoOperador).isEmpty() && AvisarOperador)
                ui::MsgBox(textoOperador, ui::vbCritical, QStringLiteral("Aviso al Operador!"));
        },
    };
    for (const auto &paso : cuerpo) {
        if (!pasos.proceed(paso))
            return;
    }
    NumeroError = numero;
}
