#pragma once

#include <QByteArray>
#include <QString>

namespace rt {

// Writes `bytes` to the file at `path` (through a link, its file), which takes the place of what
// was there only once it is whole: when it cannot be written whole, false, and what was at the path
// is left as it was, with nothing beside it. A file it replaces keeps its permissions.
bool writeWholeFile(const QString &path, const QByteArray &bytes);

} // namespace rt
