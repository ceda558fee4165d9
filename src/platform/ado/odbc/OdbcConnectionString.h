#pragma once

#include <QList>
#include <QString>
#include <utility>

namespace ado::odbc {

// The ODBC drivers that serve the program's providers.
struct OdbcDrivers {
    QString sqlServer = QStringLiteral("FreeTDS"); // provider SQLOLEDB
    QString oracle; // provider OraOLEDB.Oracle.1; empty: not configured

    // $COMISIONES_ODBC_SQLSERVER (default "FreeTDS") and $COMISIONES_ODBC_ORACLE.
    static OdbcDrivers fromEnvironment();
};

// The keyword=value pairs of a connection string in their order. Keywords are trimmed and
// compared ignoring case ("Database =" is "Database"); a value may be written {between braces}
// to hold ";".
class ConnectionAttributes {
public:
    static ConnectionAttributes parse(const QString &text);

    bool contains(const QString &keyword) const;
    // The value of the first of the keywords present, trimmed; empty when none is.
    QString value(std::initializer_list<const char *> keywords) const;

private:
    QList<std::pair<QString, QString>> m_pairs;
};

// Which connection strings this engine serves:
//  - PROVIDER=SQLOLEDB: SQL Server through the driver named in OdbcDrivers::sqlServer;
//  - PROVIDER=OraOLEDB.Oracle[.n]: Oracle through OdbcDrivers::oracle;
//  - no PROVIDER but a DRIVER keyword: already an ODBC connection string, passed on unchanged.
enum class OdbcTargetKind { None, SqlServer, Oracle, Driver };
OdbcTargetKind odbcTargetKind(const QString &connectionString);

// Builds the ODBC connection string for the program's one. A non-empty user or password given
// to Open replaces the one in the text, as ADO does. "host,port" becomes Server=host;Port=port;
// "host\instance" stays in Server, where the FreeTDS driver looks the instance up.
// Throws EngineError for a text this engine does not serve, a missing server or an Oracle
// driver that is not configured.
QString odbcConnectionString(const QString &connectionString, const QString &user, const QString &password,
                             const OdbcDrivers &drivers);

// value as an ODBC attribute value: between braces when it holds ";", braces or outer blanks.
QString odbcAttributeValue(const QString &value);

} // namespace ado::odbc
