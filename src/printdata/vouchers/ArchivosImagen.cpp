#include "printdata/vouchers/ArchivosImagen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The entry of `carpeta` named `nombre` without regard to letter case; "" when there is none.
QString entradaSinMayusculas(const QDir &carpeta, const QString &nombre)
{
    if (carpeta.exists(nombre))
        return nombre;
    const QStringList entradas = carpeta.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &entrada : entradas) {
        if (entrada.compare(nombre, Qt::CaseInsensitive) == 0)
            return entrada;
    }
    return {};
}

} // namespace

QString BuscarArchivo(const QString &ruta)
{
    const QString normal =
        QDir::fromNativeSeparators(QString(ruta.trimmed()).replace(QLatin1Char('\\'), QLatin1Char('/')));
    if (normal.isEmpty())
        return {};
    if (QFileInfo(normal).isFile())
        return normal;
    const bool absoluta = normal.startsWith(QLatin1Char('/'));
    QDir carpeta(absoluta ? QStringLiteral("/") : QDir::currentPath());
    const QStringList partes = normal.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < partes.size(); ++i) {
        const QString entrada = entradaSinMayusculas(carpeta, partes.at(i));
        if (entrada.isEmpty())
            return {};
        if (i + 1 == partes.size()) {
            const QString encontrado = carpeta.filePath(entrada);
            return QFileInfo(encontrado).isFile() ? encontrado : QString();
        }
        if (!carpeta.cd(entrada))
            return {};
    }
    return {};
}

QByteArray LeerImagen(const QString &ruta)
{
    QFile archivo(BuscarArchivo(ruta));
    if (archivo.fileName().isEmpty() || !archivo.open(QIODevice::ReadOnly))
        return {};
    return archivo.readAll();
}
