#include "session/RegistroErrores.h"

#include "platform/outside/WritableFolder.h"
#include "platform/runtime/DateFunctions.h"
#include "platform/runtime/Text.h"

#include <QDir>
#include <QFile>

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
    QFile file(archivo);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const QByteArray texto = linea(rt::Now(), rutina, mensaje, respuesta).toUtf8();
    return file.write(texto) == texto.size() && file.flush();
}
