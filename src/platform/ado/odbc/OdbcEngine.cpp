#include "platform/ado/odbc/OdbcEngine.h"

#include "platform/ado/AdoErrors.h"
#include "platform/ado/Connection.h"
#include "platform/ado/odbc/OdbcDiagnostics.h"
#include "platform/ado/odbc/OdbcParameters.h"
#include "platform/ado/odbc/OdbcResultReader.h"
#include "platform/ado/odbc/OdbcSchema.h"
#include "platform/runtime/RuntimeError.h"

#include <array>

namespace ado::odbc {

namespace {

// ADO waits this long for a connection unless told otherwise; without a limit a reconnection
// to a server that is down could hang the program for minutes.
constexpr SQLULEN LoginTimeoutSeconds = 15;

SQLWCHAR *wide(const QString &text)
{
    return const_cast<SQLWCHAR *>(reinterpret_cast<const SQLWCHAR *>(text.utf16()));
}

SQLPOINTER integerAttribute(SQLULEN value)
{
    return reinterpret_cast<SQLPOINTER>(value);
}

SQLUINTEGER odbcIsolation(long adoLevel)
{
    switch (adoLevel) {
    case 256:
        return SQL_TXN_READ_UNCOMMITTED;
    case 4096:
        return SQL_TXN_READ_COMMITTED;
    case 65536:
        return SQL_TXN_REPEATABLE_READ;
    case 1048576:
        return SQL_TXN_SERIALIZABLE;
    default:
        return 0;
    }
}

// What SQL Server answers to a COMMIT or ROLLBACK without BEGIN TRANSACTION.
EngineError noTransaction(long nativeError, const char *statement)
{
    return EngineError({providerError(rt::err::AdoEFail, nativeError, QStringLiteral("25000"),
                                      QStringLiteral("The %1 TRANSACTION request has no corresponding BEGIN "
                                                     "TRANSACTION.")
                                          .arg(QLatin1String(statement)))});
}

// One result of a batch: rows (the last one wins) or a count of touched rows (added up).
void collectResult(const OdbcHandle &statement, SQLRETURN rc, ExecResult &result)
{
    if (rc == SQL_NO_DATA) { // a searched UPDATE or DELETE that touched nothing
        result.recordsAffected = qMax(result.recordsAffected, 0L);
        return;
    }
    SQLSMALLINT columns = 0;
    check(SQLNumResultCols(statement.get(), &columns), statement, &result.warnings);
    if (columns > 0) {
        result.resultSet = fetchResultSet(statement, columns);
        result.hasResultSet = true;
        return;
    }
    SQLLEN count = -1;
    check(SQLRowCount(statement.get(), &count), statement, &result.warnings);
    if (count >= 0)
        result.recordsAffected = qMax(result.recordsAffected, 0L) + static_cast<long>(count);
}

long long identityOf(const ExecResult &result)
{
    const QList<rt::Variant> first = result.hasResultSet ? result.resultSet.rows.value(0) : QList<rt::Variant>();
    if (first.isEmpty())
        return -1;
    const rt::Variant &value = first.first();
    switch (value.type()) {
    case rt::VarType::Integer:
    case rt::VarType::Long:
        return value.asLong();
    case rt::VarType::Double:
        return static_cast<long long>(value.asDouble());
    case rt::VarType::Currency:
        return value.asCurrency().raw() / 10000;
    case rt::VarType::String:
        return value.asString().toLongLong();
    default:
        return -1;
    }
}

} // namespace

OdbcEngine::OdbcEngine(OdbcDrivers drivers)
    : m_drivers(std::move(drivers))
{
}

OdbcEngine::~OdbcEngine()
{
    close();
}

void OdbcEngine::open(const ConnectionTarget &target)
{
    if (m_connected)
        raiseAdoError(rt::err::AdoObjectOpen, QStringLiteral("ADODB.Connection"));
    const QString connectionString =
        odbcConnectionString(target.connectionString, target.user, target.password, m_drivers);
    if (!m_environment) {
        OdbcHandle environment(SQL_HANDLE_ENV, nullptr);
        check(SQLSetEnvAttr(environment.get(), SQL_ATTR_ODBC_VERSION, integerAttribute(SQL_OV_ODBC3), 0), environment);
        m_environment = std::move(environment);
    }
    OdbcHandle connection(SQL_HANDLE_DBC, &m_environment);
    SQLSetConnectAttrW(connection.get(), SQL_ATTR_LOGIN_TIMEOUT, integerAttribute(LoginTimeoutSeconds), 0);
    SQLSMALLINT outLength = 0;
    check(SQLDriverConnectW(connection.get(), nullptr, wide(connectionString),
                            static_cast<SQLSMALLINT>(connectionString.size()), nullptr, 0, &outLength,
                            SQL_DRIVER_NOPROMPT),
          connection);
    m_connection = std::move(connection);
    m_connected = true;
    m_transactionDepth = 0;
    m_driver = OdbcDriverInfo::read(m_connection);
    applyIsolationLevel();
}

void OdbcEngine::close()
{
    if (!m_connected)
        return;
    // A lost connection fails both calls; the handle is released all the same.
    if (m_transactionDepth > 0)
        SQLEndTran(SQL_HANDLE_DBC, m_connection.get(), SQL_ROLLBACK);
    SQLDisconnect(m_connection.get());
    m_connection.reset();
    m_connected = false;
    m_transactionDepth = 0;
}

ExecResult OdbcEngine::execute(const QString &text)
{
    const OdbcHandle statement = newStatement();
    ExecResult result;
    SQLRETURN rc = check(SQLExecDirectW(statement.get(), wide(text), static_cast<SQLINTEGER>(text.size())), statement,
                         &result.warnings);
    for (;;) {
        collectResult(statement, rc, result);
        rc = check(SQLMoreResults(statement.get()), statement, &result.warnings);
        if (rc == SQL_NO_DATA)
            return result;
    }
}

void OdbcEngine::beginTransaction()
{
    const OdbcHandle &dbc = connection();
    if (m_transactionDepth == 0)
        check(SQLSetConnectAttrW(dbc.get(), SQL_ATTR_AUTOCOMMIT, integerAttribute(SQL_AUTOCOMMIT_OFF), 0), dbc);
    ++m_transactionDepth;
}

void OdbcEngine::commitTransaction()
{
    connection();
    if (m_transactionDepth == 0)
        throw noTransaction(3902, "COMMIT");
    if (m_transactionDepth == 1)
        endTransaction(SQL_COMMIT);
    else
        --m_transactionDepth;
}

void OdbcEngine::rollbackTransaction()
{
    connection();
    if (m_transactionDepth == 0)
        throw noTransaction(3903, "ROLLBACK");
    endTransaction(SQL_ROLLBACK);
}

void OdbcEngine::endTransaction(SQLSMALLINT completion)
{
    const OdbcHandle &dbc = connection();
    check(SQLEndTran(SQL_HANDLE_DBC, dbc.get(), completion), dbc);
    m_transactionDepth = 0;
    check(SQLSetConnectAttrW(dbc.get(), SQL_ATTR_AUTOCOMMIT, integerAttribute(SQL_AUTOCOMMIT_ON), 0), dbc);
    applyIsolationLevel();
}

ResultSet OdbcEngine::openSchema(int schema, const QStringList &restrictions)
{
    const OdbcHandle &dbc = connection();
    const SchemaSource source{dbc, m_driver, m_catalog};
    if (schema == adSchemaTables)
        return tablesRowset(source, restrictions);
    if (schema == adSchemaColumns)
        return columnsRowset(source, restrictions);
    raiseAdoError(rt::err::AdoOperationNotSupported, QStringLiteral("ADODB.Connection"));
}

long long OdbcEngine::insertRow(const QString &table, const QStringList &columns, const QList<rt::Variant> &values)
{
    QStringList names;
    QStringList markers;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        names.append(m_driver.quotedIdentifier(columns.at(i)));
        const bool marker = i < values.size() && OdbcParameters::needsMarker(values.at(i));
        markers.append(marker ? QStringLiteral("?") : QStringLiteral("NULL"));
    }
    const QString text = names.isEmpty()
                             ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table)
                             : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                   .arg(table, names.join(QStringLiteral(", ")), markers.join(QStringLiteral(", ")));
    {
        const OdbcHandle statement = newStatement();
        const OdbcParameters parameters(statement, values.mid(0, columns.size()));
        check(SQLExecDirectW(statement.get(), wide(text), static_cast<SQLINTEGER>(text.size())), statement);
    }
    const QString identityQuery = m_driver.identityQuery();
    return identityQuery.isEmpty() ? -1 : identityOf(execute(identityQuery));
}

void OdbcEngine::setCommandTimeout(int seconds)
{
    m_commandTimeout = qMax(0, seconds);
}

void OdbcEngine::setDefaultDatabase(const QString &name)
{
    const OdbcHandle &dbc = connection();
    if (m_driver.supportsCatalogs && !name.trimmed().isEmpty())
        check(SQLSetConnectAttrW(dbc.get(), SQL_ATTR_CURRENT_CATALOG, wide(name),
                                 static_cast<SQLINTEGER>(name.size() * sizeof(SQLWCHAR))),
              dbc);
    m_catalog = name;
}

QString OdbcEngine::defaultDatabase() const
{
    if (!m_connected || !m_driver.supportsCatalogs)
        return m_catalog;
    std::array<SQLWCHAR, 256> name{};
    SQLINTEGER bytes = 0;
    if (!SQL_SUCCEEDED(SQLGetConnectAttrW(m_connection.get(), SQL_ATTR_CURRENT_CATALOG, name.data(),
                                          static_cast<SQLINTEGER>(sizeof name), &bytes)))
        return m_catalog;
    const qsizetype length = qMin<qsizetype>(bytes / static_cast<qsizetype>(sizeof(SQLWCHAR)), name.size() - 1);
    return QString::fromUtf16(reinterpret_cast<const char16_t *>(name.data()), length);
}

void OdbcEngine::setIsolationLevel(long level)
{
    m_isolationLevel = level;
    if (m_connected)
        applyIsolationLevel();
}

void OdbcEngine::applyIsolationLevel()
{
    // ODBC refuses a new level inside a transaction; as in ADO, it then applies to the next one.
    const SQLUINTEGER level = odbcIsolation(m_isolationLevel);
    if (level == 0 || (m_driver.isolationLevels & level) == 0 || m_transactionDepth > 0)
        return;
    check(SQLSetConnectAttrW(m_connection.get(), SQL_ATTR_TXN_ISOLATION, integerAttribute(level), 0), m_connection);
}

const OdbcHandle &OdbcEngine::connection() const
{
    if (!m_connected)
        raiseAdoError(rt::err::AdoNoConnection, QStringLiteral("ADODB.Connection"));
    return m_connection;
}

OdbcHandle OdbcEngine::newStatement() const
{
    OdbcHandle statement(SQL_HANDLE_STMT, &connection());
    // A driver that cannot time statements out still runs them; its refusal is no failure.
    SQLSetStmtAttrW(statement.get(), SQL_ATTR_QUERY_TIMEOUT, integerAttribute(static_cast<SQLULEN>(m_commandTimeout)),
                    0);
    return statement;
}

} // namespace ado::odbc
