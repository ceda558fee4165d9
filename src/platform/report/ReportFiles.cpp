#include "platform/report/ReportFiles.h"

#include "platform/report/ReportError.h"

#include <QDir>
#include <QFileInfo>

namespace report {

namespace {

QString findIn(const QString &folder, const QString &fileName)
{
    if (folder.isEmpty())
        return {};
    const QDir dir(folder);
    if (dir.exists(fileName))
        return dir.filePath(fileName);
    for (const QString &present : dir.entryList(QDir::Files)) {
        if (present.compare(fileName, Qt::CaseInsensitive) == 0)
            return dir.filePath(present);
    }
    return {};
}

} // namespace

QString findReportFile(const QString &name, const QStringList &folders)
{
    QString path = name.trimmed();
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!path.endsWith(QLatin1String(".rpt"), Qt::CaseInsensitive))
        path += QStringLiteral(".rpt");
    const QFileInfo info(path);
    QStringList candidates;
    if (path.contains(QLatin1Char('/')))
        candidates << info.path();
    candidates << folders;
    for (const QString &folder : candidates) {
        const QString found = findIn(folder, info.fileName());
        if (!found.isEmpty())
            return found;
    }
    raiseReportFileError(QStringLiteral("No se encuentra el reporte %1").arg(name.trimmed()));
}

} // namespace report
