#include "support/ScriptedEngine.h"

#include "platform/ado/Connection.h"
#include "platform/ado/ConnectionString.h"

#include <algorithm>
#include <stdexcept>

namespace {

ScriptedServer *g_server = nullptr;

int typeOf(const rt::Variant &value)
{
    switch (value.type()) {
    case rt::VarType::Integer:
        return ado::adSmallInt;
    case rt::VarType::Long:
        return ado::adInteger;
    case rt::VarType::Double:
        return ado::adDouble;
    case rt::VarType::Currency:
        return ado::adCurrency;
    case rt::VarType::Date:
        return ado::adDBTimeStamp;
    case rt::VarType::Boolean:
        return ado::adBoolean;
    case rt::VarType::ByteArray:
        return ado::adLongVarBinary;
    default:
        return ado::adVarWChar;
    }
}

} // namespace

// The engine of one connection; everything it is asked goes to the current ScriptedServer.
class ScriptedEngine final : public ado::Engine {
public:
    explicit ScriptedEngine(ScriptedServer &server)
        : m_server(server)
    {
    }

    void open(const ado::ConnectionTarget &target) override
    {
        m_server.record(ScriptedCall::Kind::Open, target.connectionString);
        m_server.failOpenIfDue();
        m_database = ado::ConnectionString(target.connectionString).database();
    }
    void close() override { m_server.record(ScriptedCall::Kind::Close, {}); }
    ado::ExecResult execute(const QString &text) override { return m_server.execute(text); }
    ado::ReadOnlyCheck checkReadOnly(const QString &) override { return m_server.m_readOnly; }
    void beginTransaction() override { transaction(ScriptedCall::Kind::BeginTrans); }
    void commitTransaction() override { transaction(ScriptedCall::Kind::CommitTrans); }
    void rollbackTransaction() override { transaction(ScriptedCall::Kind::RollbackTrans); }
    ado::ResultSet openSchema(int schema, const QStringList &) override
    {
        m_server.record(ScriptedCall::Kind::Schema, QString::number(schema));
        m_server.failIfDue();
        return m_server.schema(schema);
    }
    long long insertRow(const QString &table, const QStringList &columns, const QList<rt::Variant> &values) override
    {
        return m_server.insert(table, columns, values);
    }
    void setCommandTimeout(int) override { }
    void setDefaultDatabase(const QString &name) override { m_database = name; }
    QString defaultDatabase() const override { return m_database; }
    void setIsolationLevel(long) override { }

private:
    void transaction(ScriptedCall::Kind kind)
    {
        m_server.record(kind, {});
        m_server.failIfDue();
    }

    ScriptedServer &m_server;
    QString m_database;
};

namespace {

std::unique_ptr<ado::Engine> scriptedEngine(const QString &)
{
    if (!g_server)
        throw std::logic_error("no ScriptedServer exists");
    return std::make_unique<ScriptedEngine>(*g_server);
}

} // namespace

ScriptedServer::ScriptedServer()
{
    g_server = this;
    ado::Connection::setEngineFactory(scriptedEngine);
}

ScriptedServer::~ScriptedServer()
{
    ado::Connection::setEngineFactory(nullptr);
    g_server = nullptr;
}

ado::ResultSet ScriptedServer::rows(const QStringList &columns, const QList<QList<rt::Variant>> &values)
{
    ado::ResultSet result;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        const int type = values.isEmpty() ? ado::adVarWChar : typeOf(values.first().value(i));
        result.columns.append(ado::ColumnInfo{columns.at(i), type, 0, {}});
    }
    result.rows = values;
    return result;
}

ado::Error ScriptedServer::lostConnection()
{
    return providerError(11, QStringLiteral("08S01"),
                         QStringLiteral("[DBNETLIB][ConnectionRead (recv()).]General network error. Check your "
                                        "network documentation."));
}

ado::Error ScriptedServer::serverUnreachable()
{
    return providerError(17, QStringLiteral("08001"),
                         QStringLiteral("[DBNETLIB][ConnectionOpen (Connect()).]SQL Server does not exist or access "
                                        "denied."));
}

ado::Error ScriptedServer::providerError(long nativeError, const QString &sqlState, const QString &description,
                                         long number)
{
    return ado::Error{number, description, QStringLiteral("Microsoft OLE DB Provider for SQL Server"), sqlState,
                      nativeError};
}

void ScriptedServer::answerRows(const QString &fragment, const ado::ResultSet &rows)
{
    Answer answer;
    answer.fragment = fragment;
    answer.hasRows = true;
    answer.rows = rows;
    m_answers.append(answer);
}

void ScriptedServer::answerAffected(const QString &fragment, long count)
{
    Answer answer;
    answer.fragment = fragment;
    answer.affected = count;
    m_answers.append(answer);
}

void ScriptedServer::answerError(const QString &fragment, const QList<ado::Error> &errors, int times)
{
    Answer answer;
    answer.fragment = fragment;
    answer.errors = errors;
    answer.remaining = times;
    m_answers.append(answer);
}

void ScriptedServer::answerWarning(const QString &fragment, const QList<ado::Error> &warnings)
{
    Answer answer;
    answer.fragment = fragment;
    answer.warnings = warnings;
    m_answers.append(answer);
}

void ScriptedServer::answerSchema(int schema, const ado::ResultSet &rows)
{
    m_schemas.append({schema, rows});
}

void ScriptedServer::failNext(int count, const ado::Error &error)
{
    m_failures = count;
    m_failure = error;
}

void ScriptedServer::failOpens(int count, const ado::Error &error)
{
    m_openFailures = count;
    m_openFailure = error;
}

QStringList ScriptedServer::statements() const
{
    QStringList texts;
    for (const ScriptedCall &call : m_calls) {
        if (call.kind == ScriptedCall::Kind::Execute)
            texts.append(call.text);
    }
    return texts;
}

int ScriptedServer::count(ScriptedCall::Kind kind) const
{
    return static_cast<int>(
        std::count_if(m_calls.begin(), m_calls.end(), [kind](const ScriptedCall &call) { return call.kind == kind; }));
}

const ScriptedServer::Answer *ScriptedServer::answerFor(const QString &text)
{
    for (Answer &answer : m_answers) {
        if (answer.remaining == 0 || !text.contains(answer.fragment, Qt::CaseInsensitive))
            continue;
        if (answer.remaining > 0)
            --answer.remaining;
        return &answer;
    }
    return nullptr;
}

void ScriptedServer::record(ScriptedCall::Kind kind, const QString &text)
{
    m_calls.append(ScriptedCall{kind, text});
}

void ScriptedServer::failIfDue()
{
    if (m_failures <= 0)
        return;
    --m_failures;
    throw ado::EngineError({m_failure});
}

void ScriptedServer::failOpenIfDue()
{
    if (m_openFailures <= 0)
        return;
    --m_openFailures;
    throw ado::EngineError({m_openFailure});
}

ado::ExecResult ScriptedServer::execute(const QString &text)
{
    record(ScriptedCall::Kind::Execute, text);
    failIfDue();
    ado::ExecResult result;
    const Answer *answer = answerFor(text);
    if (answer && !answer->errors.isEmpty())
        throw ado::EngineError(answer->errors);
    if (answer && answer->hasRows) {
        result.hasResultSet = true;
        result.resultSet = answer->rows;
    } else if (text.trimmed().startsWith(QLatin1String("select"), Qt::CaseInsensitive)) {
        result.hasResultSet = true;
    } else {
        result.recordsAffected = answer ? answer->affected : 0;
    }
    if (answer)
        result.warnings = answer->warnings;
    return result;
}

ado::ResultSet ScriptedServer::schema(int schema) const
{
    for (const auto &[number, rows] : m_schemas) {
        if (number == schema)
            return rows;
    }
    return {};
}

long long ScriptedServer::insert(const QString &table, const QStringList &columns, const QList<rt::Variant> &values)
{
    record(ScriptedCall::Kind::Insert, table + u'(' + columns.join(u',') + u')');
    failIfDue();
    m_insertedValues.append(values);
    return ++m_lastIdentity;
}
