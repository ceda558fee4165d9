#pragma once

#include <QByteArray>
#include <QString>

namespace rt {

// How a whole-file write ended.
enum class WholeFileWrite {
    Written,
    // The user may not write the file at the path (by the file's own permissions, whatever the
    // folder allows), nor put a file in its folder.
    Refused,
    // What is at the path is no plain file (a pipe, a device, a socket, a folder), or its links go
    // round.
    NoFile,
    // It could not be written whole (a full disk).
    Failed,
};

// Writes `bytes` to the file at `path` (through a chain of links, the file it ends at), which
// takes the place of what was there only once it is whole: unless Written, what was at the path
// is left as it was, with nothing beside it. A file it replaces keeps its permissions; a new one
// has read and write for all, less the process's mask.
WholeFileWrite writeWholeFile(const QString &path, const QByteArray &bytes);

} // namespace rt
