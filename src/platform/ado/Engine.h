#pragma once

#include "platform/ado/Error.h"
#include "platform/ado/LiteralText.h"
#include "platform/ado/RowStore.h"
#include "platform/runtime/Variant.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <stdexcept>

namespace ado {

// ADO DataTypeEnum codes that the program and its engines use.
enum DataType : int {
    adEmpty = 0,
    adSmallInt = 2,
    adInteger = 3,
    adSingle = 4,
    adDouble = 5,
    adCurrency = 6,
    adDate = 7,
    adBSTR = 8,
    adBoolean = 11,
    adVariant = 12,
    adDecimal = 14,
    adTinyInt = 16,
    adBigInt = 20,
    adBinary = 128,
    adChar = 129,
    adWChar = 130,
    adNumeric = 131,
    adDBDate = 133,
    adDBTimeStamp = 135,
    adVarChar = 200,
    adLongVarChar = 201,
    adVarWChar = 202,
    adLongVarWChar = 203,
    adVarBinary = 204,
    adLongVarBinary = 205
};

struct ColumnInfo {
    QString name;
    int type = adVarWChar; // a DataType code
    long definedSize = 0;
    QString baseTable; // the table the column comes from, when the engine knows it
};

// The rows of one result, all fetched (a client-side cursor).
struct ResultSet {
    QList<ColumnInfo> columns;
    RowStore rows;
};

// What one statement text gave: the last result set it produced (if any), the rows touched
// by its action statements, and the warnings the provider gave without failing.
struct ExecResult {
    bool hasResultSet = false;
    ResultSet resultSet;
    long recordsAffected = -1;
    QList<Error> warnings;
};

// A failure of the provider: the errors it reported, the first one being the cause.
// Error::Number holds the ADO run-time number the Connection raises for it.
class EngineError : public std::runtime_error {
public:
    explicit EngineError(QList<Error> errors);
    const QList<Error> &errors() const { return m_errors; }

private:
    QList<Error> m_errors;
};

// What an engine is told when a connection opens.
struct ConnectionTarget {
    QString connectionString; // as the program gave it
    QString user;
    QString password;
};

// What an engine tells of a text without running it: whether running it would run one statement
// that only reads, or something else (several statements, or one that writes), or that it cannot
// tell.
enum class ReadOnlyCheck { OneReadOnlyStatement, NotOneReadOnlyStatement, CannotTell };

// Beneath ado::Connection: one database session. Every function throws EngineError.
class Engine {
public:
    virtual ~Engine() = default;

    virtual void open(const ConnectionTarget &target) = 0;
    virtual void close() = 0;
    // Runs one text, which may hold a batch of statements.
    virtual ExecResult execute(const QString &text) = 0;
    // Runs a text given as its pieces and literals. An engine that does not read them apart
    // runs the whole text.
    virtual ExecResult executeLiteralText(const LiteralText &statement) { return execute(statement.text()); }
    // Whether execute(text) would run one statement that only reads; nothing of the text runs.
    // Engines that cannot tell without running it (a server) answer CannotTell.
    virtual ReadOnlyCheck checkReadOnly(const QString &text)
    {
        static_cast<void>(text);
        return ReadOnlyCheck::CannotTell;
    }
    virtual void beginTransaction() = 0;
    virtual void commitTransaction() = 0;
    virtual void rollbackTransaction() = 0;
    // Schema rowset 20 (tables) or 4 (columns), with ADO's column names, filtered by the
    // restrictions (catalog, schema, table[, column]; empty means any).
    virtual ResultSet openSchema(int schema, const QStringList &restrictions) = 0;
    // Inserts one row of a table (Recordset AddNew/Update); returns the new row's identity or -1.
    virtual long long insertRow(const QString &table, const QStringList &columns, const QList<rt::Variant> &values) = 0;

    virtual void setCommandTimeout(int seconds) = 0;
    virtual void setDefaultDatabase(const QString &name) = 0;
    virtual QString defaultDatabase() const = 0;
    virtual void setIsolationLevel(long level) = 0;
    // Calls the handler now and then while a long statement runs (an empty one: never), so the
    // caller can keep its window painted. The handler must not use the connection nor throw.
    // Engines that cannot call back ignore it.
    virtual void setProgressHandler(std::function<void()> handler) { static_cast<void>(handler); }
    // Calls the handler now and then while a statement waits for a lock that another connection
    // holds (an empty one: never), so the caller can tell the user why nothing happens. The same
    // rules as for the progress handler apply. Engines that cannot call back ignore it.
    virtual void setLockWaitHandler(std::function<void()> handler) { static_cast<void>(handler); }
};

// Chooses and makes the engine for a connection string (embedded SQLite, ODBC).
// Throws EngineError for a provider or server it cannot serve.
using EngineFactory = std::unique_ptr<Engine> (*)(const QString &connectionString);

} // namespace ado
