#pragma once

#include <QString>

namespace outside {

// The folder of the running executable, without a trailing separator.
QString applicationFolder();

// The folder where the program keeps the files it writes beside itself (error log, registered
// connections, look-up catalogue...): `preferred` when a file can be created in it, else the
// user's data folder (QStandardPaths::AppDataLocation), created when missing.
QString writableFolder(const QString &preferred = applicationFolder());

// `name` inside writableFolder().
QString writableFile(const QString &name);

} // namespace outside
