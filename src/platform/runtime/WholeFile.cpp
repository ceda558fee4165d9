#include "platform/runtime/WholeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cstdio>
#include <fcntl.h>
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

// Whether this process may do `what` to `name`, as its effective user: root's power to override
// permissions counts, and a read-only disk refuses.
bool allowed(const QString &name, int what)
{
    return ::faccessat(AT_FDCWD, QFile::encodeName(name).constData(), what, AT_EACCESS) == 0;
}

mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

WholeFileWrite writeWholeFile(const QString &path, const QByteArray &bytes)
{
    const QString target = finalTarget(path);
    const QByteArray targetName = QFile::encodeName(target);
    const QString folder = QFileInfo(target).absolutePath();
    // A link still there is one of a chain that goes round.
    struct stat old;
    const bool replacing = ::lstat(targetName.constData(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode))
        return WholeFileWrite::NoFile;
    // The rename below needs only the folder's leave, which would let a file the user may not
    // write be replaced all the same: the file's own permissions say whether it may.
    if ((replacing && !allowed(target, W_OK)) || !allowed(folder, W_OK | X_OK))
        return WholeFileWrite::Refused;
    // Written under a short name of its own beside the target, not the target's name lengthened:
    // that one may already be as long as a name can be. The flush says whether every byte reached
    // the file (a full disk), and the file takes the target's place only then.
    QTemporaryFile part(QDir(folder).filePath(QStringLiteral(".XXXXXX.tmp")));
    if (!part.open() || part.write(bytes) != bytes.size() || !part.flush())
        return WholeFileWrite::Failed;
    const QByteArray partName = QFile::encodeName(part.fileName());
    const mode_t mode = replacing ? old.st_mode & 0777 : newFileMode();
    if (::fchmod(part.handle(), mode) != 0 || ::fsync(part.handle()) != 0
        || std::rename(partName.constData(), targetName.constData()) != 0)
        return WholeFileWrite::Failed;
    part.setAutoRemove(false);
    return WholeFileWrite::Written;
}

} // namespace rt
