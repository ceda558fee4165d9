#include "platform/ado/odbc/OdbcDriverInfo.h"

#include <QRegularExpression>

#include <array>

namespace ado::odbc {

namespace {

QString infoText(const OdbcHandle &connection, SQLUSMALLINT item)
{
    std::array<SQLWCHAR, 256> text{};
    SQLSMALLINT bytes = 0;
    if (!SQL_SUCCEEDED(SQLGetInfoW(connection.get(), item, text.data(), static_cast<SQLSMALLINT>(sizeof text), &bytes)))
        return {};
    const qsizetype length = qMin<qsizetype>(bytes / static_cast<qsizetype>(sizeof(SQLWCHAR)), text.size() - 1);
    return QString::fromUtf16(reinterpret_cast<const char16_t *>(text.data()), length);
}

OdbcDriverInfo::Dbms dbmsOf(const QString &name)
{
    if (name.contains(u"SQL Server", Qt::CaseInsensitive))
        return OdbcDriverInfo::Dbms::SqlServer;
    if (name.contains(u"SQLite", Qt::CaseInsensitive))
        return OdbcDriverInfo::Dbms::Sqlite;
    return OdbcDriverInfo::Dbms::Other;
}

} // namespace

OdbcDriverInfo OdbcDriverInfo::read(const OdbcHandle &connection)
{
    OdbcDriverInfo info;
    info.dbms = dbmsOf(infoText(connection, SQL_DBMS_NAME));
    info.supportsCatalogs = infoText(connection, SQL_CATALOG_NAME) == u"Y";
    info.searchPatternEscape = infoText(connection, SQL_SEARCH_PATTERN_ESCAPE);
    SQLUINTEGER levels = 0;
    if (SQL_SUCCEEDED(SQLGetInfoW(connection.get(), SQL_TXN_ISOLATION_OPTION, &levels, sizeof levels, nullptr)))
        info.isolationLevels = levels;
    return info;
}

QString OdbcDriverInfo::quotedIdentifier(const QString &name) const
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (plain.match(name).hasMatch())
        return name;
    if (dbms == Dbms::SqlServer)
        return u'[' + QString(name).replace(QStringLiteral("]"), QStringLiteral("]]")) + u']';
    return u'"' + QString(name).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

QString OdbcDriverInfo::searchPattern(const QString &name) const
{
    if (searchPatternEscape.isEmpty())
        return name;
    QString pattern;
    for (const QChar c : name) {
        if (c == u'_' || c == u'%' || searchPatternEscape == c)
            pattern += searchPatternEscape;
        pattern += c;
    }
    return pattern;
}

QString OdbcDriverInfo::identityQuery() const
{
    switch (dbms) {
    case Dbms::SqlServer:
        return QStringLiteral("SELECT @@IDENTITY");
    case Dbms::Sqlite:
        return QStringLiteral("SELECT last_insert_rowid()");
    case Dbms::Other:
        break;
    }
    return {};
}

} // namespace ado::odbc
