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

constexpr qint64 HeaderBytes = 100;
constexpr int PageSizeOffset = 16;

// The page size that a database header records; 1 stands for 65,536.
qint64 pageSize(const QByteArray &header)
{
    const auto byte = [&header](int offset) { return static_cast<unsigned char>(header.at(offset)); };
    const qint64 stored = (byte(PageSizeOffset) << 8) | byte(PageSizeOffset + 1);
    return stored == 1 ? 65536 : stored;
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

bool isDatabaseFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true;
    const QByteArray header = file.read(HeaderBytes);
    if (header.size() < HeaderBytes || !header.startsWith(QByteArrayView("SQLite format 3", 16)))
        return false;
    const qint64 page = pageSize(header);
    return page >= 512 && page <= 65536 && (page & (page - 1)) == 0 && file.size() >= page;
}

QString dataFolder()
{
    const QString configured = qEnvironmentVariable("COMISIONES_DATOS");
    if (!configured.isEmpty())
        return configured;
    return QDir(executableFolder()).filePath(QStringLiteral("datos"));
}

} // namespace ado::sqlite
