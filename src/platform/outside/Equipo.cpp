#include "platform/outside/Equipo.h"

#include "platform/outside/FormGeometry.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QSysInfo>
#include <QUrl>

namespace outside {

QString Equipo::NombreEquipo() const
{
    return QSysInfo::machineHostName();
}

QString Equipo::UsuarioEquipo() const
{
    for (const char *variable : {"USER", "LOGNAME", "USERNAME"}) {
        const QString value = qEnvironmentVariable(variable).trimmed();
        if (!value.isEmpty())
            return value;
    }
    return QStringLiteral("desconocido");
}

QString Equipo::CarpetaAlternativa() const
{
    return QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
}

void Equipo::ProcesarFormulario(QWidget *formulario) const
{
    fitIntoScreen(formulario);
}

void Equipo::EjecutarArchivo(long, const QString &, const QString &destino, const QString &parametros,
                             const QString &carpeta, int, long &resultado) const
{
    QString target = destino.trimmed();
    if (target.size() >= 2 && target.startsWith(QLatin1Char('"')) && target.endsWith(QLatin1Char('"')))
        target = target.mid(1, target.size() - 2);
    const QFileInfo file(target);
    bool started = false;
    if (file.isFile() && file.isExecutable())
        started = QProcess::startDetached(file.absoluteFilePath(), QProcess::splitCommand(parametros), carpeta);
    else if (!target.isEmpty())
        started = QDesktopServices::openUrl(QUrl::fromUserInput(target, carpeta, QUrl::AssumeLocalFile));
    resultado = started ? 1 : 0;
}

} // namespace outside
