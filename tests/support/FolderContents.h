#pragma once

#include <QString>
#include <QStringList>

namespace support {

// Each entry of `folder`, hidden ones too, by name: a link's target; else its kind and permissions,
// and a digest of a plain file's bytes.
QStringList folderContents(const QString &folder);

} // namespace support
