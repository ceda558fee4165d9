#include "support/OdbcSqliteDriver.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <langinfo.h>
#include <memory>

namespace support {

namespace {

const QString DriverName = QStringLiteral("ComisionesSQLite3");

// Debian installs the driver under the multiarch library folder.
QString driverLibrary()
{
    for (const QString &folder : QDir(QStringLiteral("/usr/lib")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString path = QStringLiteral("/usr/lib/%1/odbc/libsqlite3odbc.so").arg(folder);
        if (QFile::exists(path))
            return path;
    }
    const QString flat = QStringLiteral("/usr/lib/odbc/libsqlite3odbc.so");
    return QFile::exists(flat) ? flat : QString();
}

bool writeRegistration(const QString &folder, const QString &library)
{
    QFile ini(QDir(folder).filePath(QStringLiteral("odbcinst.ini")));
    if (!ini.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    const QString text = QStringLiteral("[%1]\nDescription=SQLite3 ODBC driver for the tests\nDriver=%2\n"
                                        "Setup=%2\nThreading=2\n")
                             .arg(DriverName, library);
    return ini.write(text.toUtf8()) > 0;
}

// The SQLite driver has only ANSI entry points, so the driver manager turns the engine's UTF-16
// statement texts into the locale's character set; the driver reads them as UTF-8.
void useUtf8Characters()
{
    if (std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0 && !std::setlocale(LC_CTYPE, "C.UTF-8"))
        ADD_FAILURE() << "no UTF-8 locale (C.UTF-8) for the SQLite ODBC driver";
}

} // namespace

QString registerSqliteOdbcDriver()
{
    static std::unique_ptr<QTemporaryDir> folder;
    if (folder)
        return DriverName;
    const QString library = driverLibrary();
    if (library.isEmpty()) {
        ADD_FAILURE() << "libsqlite3odbc.so not found: install the Debian package libsqliteodbc";
        return {};
    }
    auto made = std::make_unique<QTemporaryDir>();
    if (!made->isValid() || !writeRegistration(made->path(), library)) {
        ADD_FAILURE() << "cannot write a private odbcinst.ini";
        return {};
    }
    qputenv("ODBCSYSINI", QFile::encodeName(made->path()));
    useUtf8Characters();
    folder = std::move(made);
    return DriverName;
}

QString sqliteOdbcConnectionString(const QString &databasePath)
{
    return QStringLiteral("DRIVER=%1;Database=%2;").arg(registerSqliteOdbcDriver(), databasePath);
}

} // namespace support
