#include "db/AccesoDirecto.h"

#include "platform/runtime/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The Exec key quotes the program (its path may hold blanks) and escapes it twice: once for the
// quoting, once for the key's text; "%" starts a field code unless doubled.
QString argumentoExec(const QString &programa)
{
    QString citado = programa;
    for (const char *caracter : {"\\", "\"", "`", "$"})
        citado.replace(QLatin1String(caracter), QLatin1String("\\") + QLatin1String(caracter));
    citado = QLatin1Char('"') + citado + QLatin1Char('"');
    citado.replace(QLatin1String("\\"), QLatin1String("\\\\"));
    citado.replace(QLatin1String("%"), QLatin1String("%%"));
    return citado;
}

} // namespace

QString AccesoDirecto::contenido(const QString &programa)
{
    const QString nombre = QFileInfo(programa).completeBaseName().trimmed();
    return QStringLiteral("[Desktop Entry]\nType=Application\nName=") + nombre + QStringLiteral("\nExec=")
           + argumentoExec(programa) + QStringLiteral("\nTerminal=false\n");
}

QString AccesoDirecto::crear(const QString &escritorio, const QString &programa)
{
    const QString nombre = QFileInfo(programa).completeBaseName().trimmed();
    const QString ruta = QDir(escritorio).filePath(nombre + QStringLiteral(".desktop"));
    QFile archivo(ruta);
    if (!QFileInfo(escritorio).isDir() || !archivo.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw rt::RuntimeError(rt::err::PathFileAccess, QStringLiteral("Error de acceso a la ruta o el archivo"), ruta);
    const QByteArray bytes = contenido(programa).toUtf8();
    if (archivo.write(bytes) != bytes.size() || !archivo.flush())
        throw rt::RuntimeError(rt::err::PathFileAccess, QStringLiteral("Error de acceso a la ruta o el archivo"), ruta);
    archivo.setPermissions(archivo.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    return ruta;
}
