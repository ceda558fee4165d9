#include "platform/outside/WritableFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace outside {

namespace {

// A real probe: permission bits say nothing for root or on a read-only mount.
bool canCreateFileIn(const QString &folder)
{
    if (folder.isEmpty() || !QDir(folder).exists())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("probe-XXXXXX")));
    return probe.open();
}

} // namespace

QString applicationFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString writableFolder(const QString &preferred)
{
    if (canCreateFileIn(preferred))
        return preferred;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data);
    return data;
}

QString writableFile(const QString &name)
{
    return QDir(writableFolder()).filePath(name);
}

} // namespace outside
