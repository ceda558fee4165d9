#pragma once

#include "platform/ado/odbc/OdbcHandle.h"

#include <QString>

namespace ado::odbc {

// What the engine asks a connected driver once, to adapt to it.
struct OdbcDriverInfo {
    enum class Dbms { SqlServer, Sqlite, Other };

    Dbms dbms = Dbms::Other;
    bool supportsCatalogs = false; // SQL_CATALOG_NAME
    QString searchPatternEscape; // escapes "_" and "%" in catalogue search patterns
    SQLUINTEGER isolationLevels = 0; // SQL_TXN_ISOLATION_OPTION bits

    // Reads them from a connected connection handle; what the driver does not say stays default.
    static OdbcDriverInfo read(const OdbcHandle &connection);

    // The name as SQL text: a plain identifier as it stands (Oracle upper-cases it), any other
    // name quoted ([name] on SQL Server, "name" elsewhere).
    QString quotedIdentifier(const QString &name) const;
    // The name as a catalogue search pattern that matches only itself.
    QString searchPattern(const QString &name) const;
    // The statement that reads the identity of the row inserted last on this session; empty
    // when the database has none.
    QString identityQuery() const;
};

} // namespace ado::odbc
