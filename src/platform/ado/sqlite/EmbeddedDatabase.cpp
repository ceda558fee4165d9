#include "platform/ado/sqlite/EmbeddedDatabase.h"

#include "platform/ado/AdoErrors.h"
#include "platform/ado/Engine.h"
#include "platform/ado/sqlite/SqliteHandle.h"
#include "platform/runtime/RuntimeError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace ado::sqlite {

namespace {

void removeDatabaseFiles(const QString &path)
{
    for (const char *suffix : {"", "-wal", "-shm"})
        QFile::remove(path + QLatin1String(suffix));
}

QString executableFolder()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    // Tools and tests may run without an application object.
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
}

} // namespace

void createEmbeddedDatabase(const QString &path, const QString &sqliteDdl)
{
    if (QFileInfo::exists(path))
        throw EngineError({providerError(rt::err::AdoEFail, 1801, QStringLiteral("42000"),
                                         QStringLiteral("Database '%1' already exists. Choose a different database "
                                                        "name.")
                                             .arg(QFileInfo(path).completeBaseName()))});
    try {
        SqliteHandle handle(path, SqliteHandle::Mode::CreateNew);
        handle.exec(sqliteDdl);
    } catch (const EngineError &) {
        // A half-made database would pass for a good one on the next run.
        removeDatabaseFiles(path);
        throw;
    }
}

QString dataFolder()
{
    const QString configured = qEnvironmentVariable("COMISIONES_DATOS");
    if (!configured.isEmpty())
        return configured;
    return QDir(executableFolder()).filePath(QStringLiteral("datos"));
}

} // namespace ado::sqlite
