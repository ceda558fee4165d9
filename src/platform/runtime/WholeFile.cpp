#include "platform/runtime/WholeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace rt {

namespace {

// The file a chain of links ends at; the path itself when the chain goes round.
QString finalTarget(const QString &path)
{
    QFileInfo info(path);
    for (int hops = 0; info.isSymLink(); ++hops) {
        if (hops == 128)
            return path;
        info.setFile(info.symLinkTarget());
    }
    return info.absoluteFilePath();
}

// What the new file may do: those of the file it replaces, else a new file's (read and write for
// all, less the process's mask).
mode_t permissionsFor(const QByteArray &target)
{
    struct stat old;
    if (::stat(target.constData(), &old) == 0)
        return old.st_mode & 0777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

bool writeWholeFile(const QString &path, const QByteArray &bytes)
{
    const QString target = finalTarget(path);
    const QByteArray targetName = QFile::encodeName(target);
    // Written under a short name of its own beside the target, not the target's name lengthened:
    // that one may already be as long as a name can be. The flush says whether every byte reached
    // the file (a full disk), and the file takes the target's place only then.
    QTemporaryFile part(QFileInfo(target).absoluteDir().filePath(QStringLiteral(".XXXXXX.tmp")));
    if (!part.open() || part.write(bytes) != bytes.size() || !part.flush())
        return false;
    const QByteArray partName = QFile::encodeName(part.fileName());
    if (::fchmod(part.handle(), permissionsFor(targetName)) != 0 || ::fsync(part.handle()) != 0
        || std::rename(partName.constData(), targetName.constData()) != 0)
        return false;
    part.setAutoRemove(false);
    return true;
}

} // namespace rt
