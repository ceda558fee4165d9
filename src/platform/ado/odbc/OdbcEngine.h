#pragma once

#include "platform/ado/Engine.h"
#include "platform/ado/odbc/OdbcConnectionString.h"
#include "platform/ado/odbc/OdbcDriverInfo.h"
#include "platform/ado/odbc/OdbcHandle.h"

namespace ado::odbc {

// The engine for database servers, over the unixODBC driver manager: SQL Server through the
// FreeTDS driver, Oracle through its own driver, or any driver named in an ODBC connection
// string (see odbcConnectionString). Statement texts go to the server unchanged.
// Every function throws EngineError with the driver's diagnostics.
class OdbcEngine final : public Engine {
public:
    explicit OdbcEngine(OdbcDrivers drivers = OdbcDrivers::fromEnvironment());
    ~OdbcEngine() override;
    OdbcEngine(const OdbcEngine &) = delete;
    OdbcEngine &operator=(const OdbcEngine &) = delete;

    void open(const ConnectionTarget &target) override;
    // Rolls back a pending transaction and disconnects; a connection already lost closes quietly.
    void close() override;
    // Runs the text as one batch and walks all of its results: keeps the last result set and
    // adds up the rows touched by its action statements.
    ExecResult execute(const QString &text) override;
    // Autocommit off until the outermost commit or a rollback. Transactions nest as on SQL
    // Server: only the outermost commit writes; a rollback undoes them all.
    void beginTransaction() override;
    void commitTransaction() override;
    void rollbackTransaction() override;
    // Schema 20 (tables) and 4 (columns); any other throws ADO's 3251.
    ResultSet openSchema(int schema, const QStringList &restrictions) override;
    // A parameterised INSERT; the identity comes from @@IDENTITY on SQL Server.
    long long insertRow(const QString &table, const QStringList &columns, const QList<rt::Variant> &values) override;

    // Applied to every statement from now on (0: wait without limit).
    void setCommandTimeout(int seconds) override;
    // The server's current catalogue (USE database); a driver without catalogues only keeps the name.
    void setDefaultDatabase(const QString &name) override;
    QString defaultDatabase() const override;
    // ADO isolation level (256 read uncommitted, 4096 read committed, 65536 repeatable read,
    // 1048576 serializable). A level the driver does not offer leaves the driver's own; a level
    // set during a transaction applies from its end.
    void setIsolationLevel(long level) override;

private:
    const OdbcHandle &connection() const; // throws 3709 when not open
    OdbcHandle newStatement() const;
    void applyIsolationLevel();
    void endTransaction(SQLSMALLINT completion);

    OdbcDrivers m_drivers;
    OdbcHandle m_environment;
    OdbcHandle m_connection;
    OdbcDriverInfo m_driver;
    bool m_connected = false;
    int m_transactionDepth = 0;
    int m_commandTimeout = 30;
    long m_isolationLevel = 0; // 0: the driver's default
    QString m_catalog;
};

} // namespace ado::odbc
