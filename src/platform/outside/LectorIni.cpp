#include "platform/outside/LectorIni.h"

#include "platform/outside/WritableFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextStream>
#include <optional>

namespace outside {

namespace {

// The file `name` of `folder` without regard to letter case, as Windows finds it ("cn000pr.ini"
// and "CN000pr.INI" are one file there): the exact name first. "" when there is none.
QString fileIgnoringCase(const QDir &folder, const QString &name)
{
    if (folder.exists(name))
        return folder.filePath(name);
    for (const QString &present : folder.entryList(QDir::Files, QDir::Name)) {
        if (present.compare(name, Qt::CaseInsensitive) == 0)
            return folder.filePath(present);
    }
    return {};
}

QString locate(const QString &archivo)
{
    if (archivo.contains(QLatin1Char('/')) || archivo.contains(QLatin1Char('\\'))) {
        const QFileInfo info(archivo);
        return fileIgnoringCase(info.dir(), info.fileName());
    }
    const QStringList folders = {applicationFolder(),
                                 QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)};
    for (const QString &folder : folders) {
        const QString path = fileIgnoringCase(QDir(folder), archivo);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

std::optional<QString> findKey(QTextStream &in, const QString &seccion, const QString &clave)
{
    bool inSection = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            inSection = line.mid(1, line.size() - 2).trimmed().compare(seccion.trimmed(), Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (inSection && equals > 0 && line.left(equals).trimmed().compare(clave.trimmed(), Qt::CaseInsensitive) == 0)
            return line.mid(equals + 1).trimmed();
    }
    return std::nullopt;
}

} // namespace

void LectorIni::LeerIni(const QString &archivo, const QString &seccion, const QString &clave, const QString &defecto,
                        QString &valor) const
{
    valor = defecto;
    QFile file(locate(archivo));
    if (file.fileName().isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream in(&file);
    if (const auto found = findKey(in, seccion, clave))
        valor = *found;
}

} // namespace outside
