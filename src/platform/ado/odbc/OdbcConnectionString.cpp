#include "platform/ado/odbc/OdbcConnectionString.h"

#include "platform/ado/odbc/OdbcDiagnostics.h"

#include <QRegularExpression>

namespace ado::odbc {

namespace {

// ODBC quotes a value between braces and doubles a closing brace inside it.
QString readBracedValue(const QString &text, qsizetype &pos)
{
    QString value;
    for (++pos; pos < text.size(); ++pos) {
        if (text.at(pos) != u'}') {
            value += text.at(pos);
        } else if (pos + 1 < text.size() && text.at(pos + 1) == u'}') {
            value += u'}';
            ++pos;
        } else {
            break;
        }
    }
    const qsizetype end = text.indexOf(u';', pos);
    pos = end < 0 ? text.size() : end + 1;
    return value;
}

QString readValue(const QString &text, qsizetype &pos)
{
    if (pos < text.size() && text.at(pos) == u'{')
        return readBracedValue(text, pos);
    const qsizetype end = text.indexOf(u';', pos);
    const QString value = text.mid(pos, end < 0 ? -1 : end - pos);
    pos = end < 0 ? text.size() : end + 1;
    return value;
}

QString attribute(const QString &keyword, const QString &value)
{
    return keyword + u'=' + odbcAttributeValue(value) + u';';
}

bool isOracleProvider(const QString &provider)
{
    return provider.compare(u"OraOLEDB.Oracle", Qt::CaseInsensitive) == 0
           || provider.startsWith(u"OraOLEDB.Oracle.", Qt::CaseInsensitive);
}

QString credentialsPart(const ConnectionAttributes &attributes, const QString &user, const QString &password)
{
    const QString uid = user.isEmpty() ? attributes.value({"UId", "User Id", "User"}) : user;
    const QString pwd = password.isEmpty() ? attributes.value({"Pwd", "Password"}) : password;
    return attribute(QStringLiteral("UID"), uid) + attribute(QStringLiteral("PWD"), pwd);
}

// SQL Server names a port after a comma ("host,1433"); FreeTDS wants it apart.
QString sqlServerString(const ConnectionAttributes &attributes, const QString &user, const QString &password,
                        const QString &driver)
{
    QString server = attributes.value({"Server", "Data Source", "Address", "Addr"});
    if (server.isEmpty())
        throw engineFailure(QStringLiteral("La cadena de conexión no indica el servidor."));
    QString port;
    const qsizetype comma = server.indexOf(u',');
    if (comma >= 0) {
        port = server.mid(comma + 1).trimmed();
        server = server.left(comma).trimmed();
    }
    QString result = attribute(QStringLiteral("DRIVER"), driver) + attribute(QStringLiteral("Server"), server);
    if (!port.isEmpty())
        result += attribute(QStringLiteral("Port"), port);
    const QString database = attributes.value({"Database", "Initial Catalog"});
    if (!database.isEmpty())
        result += attribute(QStringLiteral("Database"), database);
    return result + credentialsPart(attributes, user, password)
           + QStringLiteral("TDS_Version=7.4;ClientCharset=UTF-8;");
}

QString oracleString(const ConnectionAttributes &attributes, const QString &user, const QString &password,
                     const QString &driver)
{
    if (driver.isEmpty())
        throw engineFailure(QStringLiteral("No hay un controlador ODBC de Oracle configurado "
                                           "(variable de entorno COMISIONES_ODBC_ORACLE)."));
    return attribute(QStringLiteral("DRIVER"), driver)
           + attribute(QStringLiteral("DBQ"), attributes.value({"Data Source", "DBQ"}))
           + credentialsPart(attributes, user, password);
}

QString driverString(const QString &text, const ConnectionAttributes &attributes, const QString &user,
                     const QString &password)
{
    QString result = text;
    if (!result.trimmed().endsWith(u';'))
        result += u';';
    if (!user.isEmpty() && !attributes.contains(QStringLiteral("UID")))
        result += attribute(QStringLiteral("UID"), user);
    if (!password.isEmpty() && !attributes.contains(QStringLiteral("PWD")))
        result += attribute(QStringLiteral("PWD"), password);
    return result;
}

} // namespace

OdbcDrivers OdbcDrivers::fromEnvironment()
{
    OdbcDrivers drivers;
    const QString sqlServer = qEnvironmentVariable("COMISIONES_ODBC_SQLSERVER").trimmed();
    if (!sqlServer.isEmpty())
        drivers.sqlServer = sqlServer;
    drivers.oracle = qEnvironmentVariable("COMISIONES_ODBC_ORACLE").trimmed();
    return drivers;
}

ConnectionAttributes ConnectionAttributes::parse(const QString &text)
{
    ConnectionAttributes attributes;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype equals = text.indexOf(u'=', pos);
        const qsizetype semicolon = text.indexOf(u';', pos);
        if (equals < 0)
            break;
        if (semicolon >= 0 && semicolon < equals) { // a piece without "=" carries nothing
            pos = semicolon + 1;
            continue;
        }
        const QString keyword = text.mid(pos, equals - pos).trimmed();
        pos = equals + 1;
        while (pos < text.size() && text.at(pos) == u' ')
            ++pos;
        attributes.m_pairs.append({keyword, readValue(text, pos)});
    }
    return attributes;
}

bool ConnectionAttributes::contains(const QString &keyword) const
{
    for (const auto &[key, value] : m_pairs)
        if (key.compare(keyword, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QString ConnectionAttributes::value(std::initializer_list<const char *> keywords) const
{
    for (const char *keyword : keywords)
        for (const auto &[key, value] : m_pairs)
            if (key.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0)
                return value.trimmed();
    return {};
}

OdbcTargetKind odbcTargetKind(const QString &connectionString)
{
    const ConnectionAttributes attributes = ConnectionAttributes::parse(connectionString);
    const QString provider = attributes.value({"Provider"});
    if (provider.isEmpty())
        return attributes.contains(QStringLiteral("DRIVER")) ? OdbcTargetKind::Driver : OdbcTargetKind::None;
    if (provider.compare(u"SQLOLEDB", Qt::CaseInsensitive) == 0
        || provider.startsWith(u"SQLOLEDB.", Qt::CaseInsensitive))
        return OdbcTargetKind::SqlServer;
    return isOracleProvider(provider) ? OdbcTargetKind::Oracle : OdbcTargetKind::None;
}

QString odbcConnectionString(const QString &connectionString, const QString &user, const QString &password,
                             const OdbcDrivers &drivers)
{
    const ConnectionAttributes attributes = ConnectionAttributes::parse(connectionString);
    switch (odbcTargetKind(connectionString)) {
    case OdbcTargetKind::SqlServer:
        return sqlServerString(attributes, user, password, drivers.sqlServer);
    case OdbcTargetKind::Oracle:
        return oracleString(attributes, user, password, drivers.oracle);
    case OdbcTargetKind::Driver:
        return driverString(connectionString, attributes, user, password);
    case OdbcTargetKind::None:
        break;
    }
    // The text itself is left out: it holds the password.
    throw engineFailure(QStringLiteral("Proveedor no reconocido en la cadena de conexión: ")
                        + attributes.value({"Provider"}));
}

QString odbcAttributeValue(const QString &value)
{
    static const QRegularExpression needsBraces(QStringLiteral("[;{}]|^\\s|\\s$"));
    if (!value.contains(needsBraces))
        return value;
    return u'{' + QString(value).replace(QStringLiteral("}"), QStringLiteral("}}")) + u'}';
}

} // namespace ado::odbc
