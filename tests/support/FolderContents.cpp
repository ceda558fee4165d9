#include "FolderContents.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <sys/stat.h>

namespace support {

QStringList folderContents(const QString &folder)
{
    QStringList contents;
    for (const QFileInfo &entry :
         QDir(folder).entryInfoList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot)) {
        QString shown = entry.fileName() + QStringLiteral(": ");
        struct stat status;
        if (entry.isSymLink()) {
            shown += QStringLiteral("link to ") + entry.symLinkTarget();
        } else if (::lstat(QFile::encodeName(entry.filePath()).constData(), &status) == 0) {
            QFile file(entry.filePath());
            const QByteArray bytes =
                S_ISREG(status.st_mode) && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("no file");
            shown += QString::number(status.st_mode, 8) + QLatin1Char(' ')
                     + QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex());
        }
        contents << shown;
    }
    return contents;
}

} // namespace support
