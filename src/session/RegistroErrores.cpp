#include "session/RegistroErrores.h"

#include "platform/outside/WritableFolder.h"
#include "platform/runtime/DateFunctions.h"
#include "platform/runtime/Text.h"

#include <QDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

RegistroErrores::RegistroErrores(const QString &archivo)
{
    // Without O_NONBLOCK a named pipe would hold the open until some reader came, which at
    // start-up is never; what opened is looked at before anything is written to it.
    const int descriptor = ::open(QFile::encodeName(archivo).constData(),
                                  O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (descriptor < 0)
        return;
    struct stat datos { };
    if (::fstat(descriptor, &datos) != 0 || !S_ISREG(datos.st_mode)
        || !m_archivo.open(descriptor, QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered,
                           QFileDevice::AutoCloseHandle))
        ::close(descriptor);
}

bool RegistroErrores::escribir(const QString &rutina, const QString &mensaje, int respuesta)
{
    if (!abierto())
        return false;
    const QByteArray texto = linea(rt::Now(), rutina, mensaje, respuesta).toUtf8();
    return m_archivo.write(texto) == texto.size();
}

QString RegistroErrores::archivoPorDefecto()
{
    return QDir(outside::writableFolder()).filePath(QStringLiteral("QVERR.LOG"));
}

QString RegistroErrores::palabraRespuesta(int respuesta)
{
    switch (respuesta) {
    case 4:
        return QStringLiteral("Reintentar");
    case 5:
        return QStringLiteral("Ignorar");
    case 3:
        return QStringLiteral("Abortar");
    case 2:
        return QStringLiteral("Cancelar");
    case 6:
        return QStringLiteral("Sí");
    case 7:
        return QStringLiteral("No");
    default:
        return {};
    }
}

QString RegistroErrores::linea(const rt::DateTime &momento, const QString &rutina, const QString &mensaje,
                               int respuesta)
{
    const QString parteRutina = rutina.isEmpty() ? QString() : QStringLiteral(" - ") + rutina;
    const QDateTime when = momento.toQDateTime();
    return when.toString(QStringLiteral("MM-dd-yyyy")) + QLatin1Char(' ') + when.toString(QStringLiteral("HH:mm:ss"))
           + QStringLiteral(" Rutina: ") + rt::Trim(parteRutina) + QStringLiteral(" Mensaje ") + rt::Trim(mensaje)
           + QStringLiteral(" Respondió : ") + palabraRespuesta(respuesta) + QStringLiteral("\r\n");
}

bool RegistroErrores::agregar(const QString &archivo, const QString &rutina, const QString &mensaje, int respuesta)
{
    return RegistroErrores(archivo).escribir(rutina, mensaje, respuesta);
}
