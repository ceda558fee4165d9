#include "session/ModError.h"

#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/ui/Dialogs.h"
#include "session/ObjetosExternos.h"
#include "session/RegistroErrores.h"

namespace {

constexpr int BotonesPorDefecto = ui::vbCritical | ui::vbAbortRetryIgnore;

bool terminaEnSeparador(const QString &carpeta)
{
    return carpeta.endsWith(QLatin1Char('/')) || carpeta.endsWith(QLatin1Char('\\'));
}

} // namespace

QString ArchivoLogErrores()
{
    // TEMP is the switch and TMP the folder: both are set together on the workstations.
    QString carpeta;
    if (!qEnvironmentVariableIsEmpty("TEMP"))
        carpeta = qEnvironmentVariable("TMP");
    carpeta = rt::Trim(carpeta);
    if (carpeta.isEmpty())
        carpeta = gEquipo->CarpetaAlternativa();
    carpeta = gUtil->AgregarBarra(carpeta);
    if (!terminaEnSeparador(carpeta))
        carpeta += QLatin1Char('/');
    return carpeta + QStringLiteral("QVERR.LOG");
}

int MostrarError(const rt::RuntimeError &Error, std::optional<int> Botones, const QString &Rutina)
{
    // The log is opened before anything else and held during the box, as the operator's
    // answer is written right after it.
    RegistroErrores log(ArchivoLogErrores());
    const QString mensaje = QStringLiteral("Ha ocurrido el Siguiente Error (") + QString::number(Error.Number)
                            + QStringLiteral(") ") + rt::Trim(Error.Description);
    const QString rutina = Rutina.isEmpty() ? QString() : QStringLiteral(" - ") + Rutina;
    const QString titulo = Error.Source + rutina + QStringLiteral(" Aviso al operador!!! - 2 ");
    if (Error.Number == 0)
        return 0;
    const int respuesta = ui::MsgBox(mensaje, Botones.value_or(BotonesPorDefecto), titulo);
    log.escribir(Rutina, mensaje, respuesta);
    return respuesta;
}

int MostrarErrorSinReintento(const rt::RuntimeError &Error, const QString &Rutina)
{
    const int respuesta = MostrarError(Error, std::nullopt, Rutina);
    return respuesta == rt::AnswerIgnore ? rt::AnswerIgnore : ui::vbAbort;
}
