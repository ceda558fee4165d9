#pragma once

#include "platform/ado/Engine.h"
#include "platform/ado/Error.h"
#include "platform/ado/Recordset.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace ado {

enum ObjectState : int { adStateClosed = 0, adStateOpen = 1 };
enum CursorLocation : int { adUseServer = 2, adUseClient = 3 };
enum IsolationLevel : long { adXactReadUncommitted = 256, adXactReadCommitted = 4096 };
enum SchemaEnum : int { adSchemaColumns = 4, adSchemaTables = 20 };

// An ADO connection over one engine. Every Open, Execute, recordset open and schema call
// clears Errors first; a failure fills Errors and throws rt::RuntimeError with the ADO number
// of the first error; a warning fills Errors without throwing.
class Connection {
public:
    // The engine is chosen from the connection string when it opens (see EngineFactory).
    Connection();
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // Replaces the engine chooser of every connection opened after the call (tests: scripted
    // engine). Passing nullptr restores the standard one.
    static void setEngineFactory(EngineFactory factory);

    // Throws RuntimeError 3705 when already open, or the provider's error.
    void Open(const QString &connectionString = {}, const QString &user = {}, const QString &password = {});
    // Throws RuntimeError 3704 when closed.
    void Close();
    // Throws RuntimeError 3709 when closed, or the provider's error. The recordset is closed
    // when the text gives no rows.
    Recordset Execute(const QString &text, long *recordsAffected = nullptr, long options = adCmdUnspecified);
    // As Execute, for a text given as its pieces and literals (see LiteralText).
    Recordset Execute(const LiteralText &statement, long *recordsAffected = nullptr, long options = adCmdUnspecified);
    // Whether Execute(text) would run one statement that only reads, asked of the engine without
    // running anything (see Engine::checkReadOnly); Errors is left as it was unless the engine
    // fails. Throws RuntimeError 3709 when closed, or the provider's error.
    ReadOnlyCheck checkReadOnly(const QString &text);
    // Transactions nest: only the outermost commit writes; a rollback undoes them all and
    // leaves none open, even when the engine fails to roll back (a lost connection takes its
    // transaction with it).
    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    Recordset OpenSchema(int schema, const QStringList &restrictions = {});

    ado::Errors &Errors() { return m_errors; }
    const ado::Errors &Errors() const { return m_errors; }

    const QString &ConnectionString() const { return m_connectionString; }
    void setConnectionString(const QString &text) { m_connectionString = text; }
    long CommandTimeout() const { return m_commandTimeout; }
    void setCommandTimeout(long seconds);
    int CursorLocation() const { return m_cursorLocation; }
    void setCursorLocation(int location) { m_cursorLocation = location; }
    QString DefaultDatabase() const;
    void setDefaultDatabase(const QString &name);
    long IsolationLevel() const { return m_isolationLevel; }
    void setIsolationLevel(long level);
    int State() const { return m_engine ? adStateOpen : adStateClosed; }
    // The transactions begun with BeginTrans and still open (0 after Open and Close).
    int transactionDepth() const { return m_transactionDepth; }
    // Changes every time the connection opens: a session other than the one a transaction
    // began on no longer holds that transaction.
    quint64 session() const { return m_session; }
    // Installs the handler an engine calls now and then during a long statement (empty: none);
    // kept across Close and Open. See Engine::setProgressHandler.
    void setProgressHandler(std::function<void()> handler);
    // Installs the handler an engine calls now and then while a statement waits for another
    // connection's lock (empty: none); kept across Close and Open. See Engine::setLockWaitHandler.
    void setLockWaitHandler(std::function<void()> handler);

    // For Recordset: runs a query or inserts a row through the engine, with the Errors rules.
    ExecResult run(const QString &text);
    long long insertRow(const QString &table, const QStringList &columns, const QList<rt::Variant> &values);
    // Expires when this connection is destroyed; recordsets keep it to add rows safely.
    std::weak_ptr<Connection *> lifetime() const { return m_lifetime; }

private:
    Engine &openEngine(); // throws 3709 when closed
    [[noreturn]] void fail(const EngineError &error);
    // Runs a statement through the engine with the Errors rules.
    ExecResult runOnEngine(const std::function<ExecResult(Engine &)> &execute);
    Recordset recordsetOf(ExecResult result, long *recordsAffected);

    std::unique_ptr<Engine> m_engine;
    ado::Errors m_errors;
    QString m_connectionString;
    long m_commandTimeout = 30;
    int m_cursorLocation = adUseServer;
    long m_isolationLevel = adXactReadCommitted;
    std::function<void()> m_progressHandler;
    std::function<void()> m_lockWaitHandler;
    int m_transactionDepth = 0;
    quint64 m_session = 0;
    std::shared_ptr<Connection *> m_lifetime = std::make_shared<Connection *>(this);
};

} // namespace ado
