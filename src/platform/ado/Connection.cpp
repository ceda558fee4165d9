#include "platform/ado/Connection.h"

#include "platform/ado/AdoErrors.h"
#include "platform/ado/EngineFactory.h"
#include "platform/runtime/RuntimeError.h"

#include <algorithm>

namespace ado {

namespace {

EngineFactory g_factory = nullptr;

const QString &source()
{
    static const QString text = QStringLiteral("ADODB.Connection");
    return text;
}

} // namespace

Connection::Connection() = default;

Connection::~Connection()
{
    if (!m_engine)
        return;
    try {
        m_engine->close();
    } catch (const EngineError &) {
        // A connection going away cannot report anything; the engine releases its handle anyway.
    }
}

void Connection::setEngineFactory(EngineFactory factory)
{
    g_factory = factory;
}

void Connection::Open(const QString &connectionString, const QString &user, const QString &password)
{
    if (m_engine)
        raiseAdoError(rt::err::AdoObjectOpen, source());
    m_errors.Clear();
    const QString text = connectionString.isEmpty() ? m_connectionString : connectionString;
    try {
        std::unique_ptr<Engine> engine = (g_factory ? g_factory : makeStandardEngine)(text);
        // The statements that open the connection wait for a lock as long as the later ones.
        engine->setCommandTimeout(static_cast<int>(m_commandTimeout));
        engine->setLockWaitHandler(m_lockWaitHandler);
        engine->open(ConnectionTarget{text, user, password});
        engine->setIsolationLevel(m_isolationLevel);
        engine->setProgressHandler(m_progressHandler);
        m_engine = std::move(engine);
    } catch (const EngineError &error) {
        fail(error);
    }
    m_transactionDepth = 0;
    ++m_session;
    m_connectionString = text;
}

void Connection::Close()
{
    if (!m_engine)
        raiseAdoError(rt::err::AdoObjectClosed, source());
    std::unique_ptr<Engine> engine = std::move(m_engine);
    m_transactionDepth = 0;
    try {
        engine->close();
    } catch (const EngineError &error) {
        fail(error);
    }
}

Recordset Connection::Execute(const QString &text, long *recordsAffected, long)
{
    return recordsetOf(run(text), recordsAffected);
}

Recordset Connection::Execute(const LiteralText &statement, long *recordsAffected, long)
{
    return recordsetOf(runOnEngine([&](Engine &engine) { return engine.executeLiteralText(statement); }),
                       recordsAffected);
}

ReadOnlyCheck Connection::checkReadOnly(const QString &text)
{
    Engine &engine = openEngine();
    try {
        return engine.checkReadOnly(text);
    } catch (const EngineError &error) {
        fail(error);
    }
}

Recordset Connection::recordsetOf(ExecResult result, long *recordsAffected)
{
    if (recordsAffected)
        *recordsAffected = result.recordsAffected;
    if (!result.hasResultSet)
        return {};
    return Recordset::fromResult(std::move(result.resultSet), this);
}

void Connection::BeginTrans()
{
    Engine &engine = openEngine();
    try {
        engine.beginTransaction();
    } catch (const EngineError &error) {
        fail(error);
    }
    ++m_transactionDepth;
}

void Connection::CommitTrans()
{
    Engine &engine = openEngine();
    try {
        engine.commitTransaction();
    } catch (const EngineError &error) {
        fail(error);
    }
    m_transactionDepth = std::max(m_transactionDepth - 1, 0);
}

void Connection::RollbackTrans()
{
    Engine &engine = openEngine();
    m_transactionDepth = 0;
    try {
        engine.rollbackTransaction();
    } catch (const EngineError &error) {
        fail(error);
    }
}

Recordset Connection::OpenSchema(int schema, const QStringList &restrictions)
{
    Engine &engine = openEngine();
    m_errors.Clear();
    try {
        return Recordset::fromResult(engine.openSchema(schema, restrictions), this);
    } catch (const EngineError &error) {
        fail(error);
    }
}

void Connection::setCommandTimeout(long seconds)
{
    m_commandTimeout = seconds;
    if (m_engine)
        m_engine->setCommandTimeout(static_cast<int>(seconds));
}

QString Connection::DefaultDatabase() const
{
    return m_engine ? m_engine->defaultDatabase() : QString();
}

void Connection::setDefaultDatabase(const QString &name)
{
    Engine &engine = openEngine();
    try {
        engine.setDefaultDatabase(name);
    } catch (const EngineError &error) {
        fail(error);
    }
}

void Connection::setIsolationLevel(long level)
{
    m_isolationLevel = level;
    if (m_engine)
        m_engine->setIsolationLevel(level);
}

void Connection::setProgressHandler(std::function<void()> handler)
{
    m_progressHandler = std::move(handler);
    if (m_engine)
        m_engine->setProgressHandler(m_progressHandler);
}

void Connection::setLockWaitHandler(std::function<void()> handler)
{
    m_lockWaitHandler = std::move(handler);
    if (m_engine)
        m_engine->setLockWaitHandler(m_lockWaitHandler);
}

ExecResult Connection::run(const QString &text)
{
    return runOnEngine([&](Engine &engine) { return engine.execute(text); });
}

ExecResult Connection::runOnEngine(const std::function<ExecResult(Engine &)> &execute)
{
    Engine &engine = openEngine();
    m_errors.Clear();
    try {
        ExecResult result = execute(engine);
        // Read as constant: a list without warnings, read otherwise, would allocate its room.
        for (const Error &warning : std::as_const(result.warnings))
            m_errors.Append(warning);
        return result;
    } catch (const EngineError &error) {
        fail(error);
    }
}

long long Connection::insertRow(const QString &table, const QStringList &columns, const QList<rt::Variant> &values)
{
    Engine &engine = openEngine();
    m_errors.Clear();
    try {
        return engine.insertRow(table, columns, values);
    } catch (const EngineError &error) {
        fail(error);
    }
}

Engine &Connection::openEngine()
{
    if (!m_engine)
        raiseAdoError(rt::err::AdoNoConnection, source());
    return *m_engine;
}

void Connection::fail(const EngineError &error)
{
    m_errors.Clear();
    for (const Error &item : error.errors())
        m_errors.Append(item);
    if (m_errors.Count() == 0)
        m_errors.Append(
            providerError(rt::err::AdoEFail, 0, QStringLiteral("HY000"), QStringLiteral("Unspecified error")));
    const Error &first = m_errors(0);
    throw rt::RuntimeError(first.Number, first.Description, first.Source);
}

} // namespace ado
