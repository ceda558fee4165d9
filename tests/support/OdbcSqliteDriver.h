#pragma once

#include <QString>

namespace support {

// Registers Debian's SQLite ODBC driver (package libsqliteodbc) under the name
// "ComisionesSQLite3" in a private odbcinst.ini that the driver manager reads through
// ODBCSYSINI, so ODBC tests run on a machine where no driver is registered. The first call of
// the process does the work, before any ODBC handle exists; later calls only answer the name.
// It also makes the character set of the locale UTF-8 (C.UTF-8) when it is not: the driver
// manager converts texts for this driver with it.
// Fails the calling test (and returns an empty name) when the driver library is not installed.
QString registerSqliteOdbcDriver();

// A DSN-less ODBC connection string that opens (or creates) the SQLite file at the path.
QString sqliteOdbcConnectionString(const QString &databasePath);

} // namespace support
