#include "platform/ado/sqlite/SqliteEngine.h"

#include "platform/ado/AdoErrors.h"
#include "platform/ado/Connection.h"
#include "platform/ado/sqlite/SqliteErrors.h"
#include "platform/ado/sqlite/SqliteHandle.h"
#include "platform/ado/sqlite/SqliteResult.h"
#include "platform/ado/sqlite/SqliteSchema.h"
#include "platform/ado/sqlite/SqliteSelectInto.h"
#include "platform/ado/sqlite/SqliteStoredDates.h"
#include "platform/ado/sqlite/SqliteTypes.h"
#include "platform/ado/sqlite/StatementCache.h"
#include "platform/ado/sqlite/TsqlParameters.h"
#include "platform/runtime/RuntimeError.h"

#include <QFileInfo>
#include <QScopeGuard>
#include <algorithm>
#include <climits>
#include <cstring>
#include <initializer_list>
#include <sqlite3.h>
#include <utility>

namespace ado::sqlite {

struct SqliteEngine::Session {
    Session(const QString &path, SqliteEngine *engine)
        : handle(path, SqliteHandle::Mode::OpenExisting, {&SqliteEngine::onBusy, engine})
        , statements(handle.get())
    {
    }

    SqliteHandle handle; // declared first: the statements are finalised before it closes
    StatementCache statements;
};

namespace {

constexpr int TranslationCacheSize = 1024;
// Virtual machine steps between two progress callbacks: a few microseconds of work.
constexpr int ProgressSteps = 1000;
constexpr std::chrono::milliseconds ProgressInterval{30};
// How long a statement sleeps between two tries for a lock that another connection holds.
constexpr int LockRetryMs = 10;

[[noreturn]] void throwError(long number, long native, const char *sqlState, const QString &description)
{
    throw EngineError({providerError(number, native, QString::fromLatin1(sqlState), description)});
}

[[noreturn]] void throwMissingFile(const EmbeddedTarget &target)
{
    if (target.missingFile == MissingFileReport::JetFile)
        throw EngineError({providerError(rt::err::AdoEFail, -1, QStringLiteral("3024"),
                                         QStringLiteral("Could not find file '%1'.").arg(target.path),
                                         QStringLiteral("Microsoft JET Database Engine"))});
    throwError(
        rt::err::AdoEFail, 4060, "42000",
        QStringLiteral("Cannot open database \"%1\" requested by the login. The login failed.").arg(target.catalog));
}

bool isAsciiSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Whether the statement's first word is one of `words`. Read from the prepared text in place:
// this runs for every statement.
bool beginsWithAny(sqlite3_stmt *statement, std::initializer_list<const char *> words)
{
    const char *sql = sqlite3_sql(statement);
    while (*sql != '\0' && isAsciiSpace(*sql))
        ++sql;
    return std::any_of(words.begin(), words.end(), [sql](const char *word) {
        return sqlite3_strnicmp(sql, word, static_cast<int>(std::strlen(word))) == 0;
    });
}

bool isRowChange(sqlite3_stmt *statement)
{
    return beginsWithAny(statement, {"INSERT", "UPDATE", "DELETE", "REPLACE"});
}

bool changesSchema(sqlite3_stmt *statement)
{
    return beginsWithAny(statement, {"CREATE", "ALTER", "DROP"});
}

QString quotedName(const QString &name)
{
    QString inner = name;
    return u'"' + inner.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

} // namespace

SqliteEngine::SqliteEngine(EmbeddedTarget target)
    : m_target(std::move(target))
{
}

SqliteEngine::~SqliteEngine() = default;

void SqliteEngine::open(const ConnectionTarget &)
{
    if (!QFileInfo(m_target.path).isFile())
        throwMissingFile(m_target);
    m_session = std::make_unique<Session>(m_target.path, this);
    m_translator.setKeyColumns(keyColumnsOf(m_session->handle.get()));
    {
        // Opening never waits for another program's write to end for the sake of old numbers.
        const int timeout = std::exchange(m_busyTimeoutMs, 0);
        const auto restore = qScopeGuard([&] { m_busyTimeoutMs = timeout; });
        storeFoundNumbersAsDates(m_session->handle);
    }
    learnDateColumns();
    m_partialIndexColumns = partialIndexColumnsOf(m_session->handle.get());
    installProgressHandler();
    m_transactionDepth = 0;
}

void SqliteEngine::learnDateColumns()
{
    m_translator.setDateColumns(dateColumnsOf(m_session->handle.get()));
    watchStoredDates(m_session->handle);
    ++m_schemaChanges;
    // The translations kept were written for the date columns known before.
    m_translations.clear();
    m_shapes.clear();
    m_pieces.clear();
}

void SqliteEngine::close()
{
    if (m_inProgressHandler)
        throwError(rt::err::AdoEFail, 0, "HY000", QStringLiteral("The connection is busy with another statement."));
    m_session.reset();
    m_transactionDepth = 0;
}

ExecResult SqliteEngine::execute(const QString &text)
{
    refuseInUndoneTransaction();
    return run(translated(text, m_parameters), [&text] { return text; });
}

ExecResult SqliteEngine::executeLiteralText(const LiteralText &statement)
{
    refuseInUndoneTransaction();
    if (const QList<TranslatedStatement> *known = m_pieces.find(statement, m_parameters)) {
        const QList<TranslatedStatement> statements = *known;
        return run(statements, [&statement] { return statement.text(); });
    }
    const QString text = statement.text();
    QList<TsqlToken> tokens = tokenizeTsql(text);
    const QList<TranslatedStatement> statements = translatedTokens(text, tokens, m_parameters);
    m_pieces.remember(statement, tokens, statements);
    return run(statements, [&text] { return text; });
}

ReadOnlyCheck SqliteEngine::checkReadOnly(const QString &text)
{
    Session &current = session();
    QList<rt::Variant> parameters;
    QList<TranslatedStatement> statements;
    QByteArray rest;
    sqlite3_stmt *statement = nullptr;
    try {
        statements = translated(text, parameters);
        if (statements.size() != 1 || statements.first().kind != TranslatedStatement::Kind::Sql)
            return ReadOnlyCheck::NotOneReadOnlyStatement;
        statement = current.statements.prepare(statements.first().sql.toUtf8(), rest);
    } catch (const EngineError &) {
        return ReadOnlyCheck::CannotTell;
    }
    // SQLite takes the whole text as its one statement: what it left would run after it.
    if (!statement || !sqlite3_stmt_readonly(statement) || !rest.trimmed().isEmpty())
        return ReadOnlyCheck::NotOneReadOnlyStatement;
    return ReadOnlyCheck::OneReadOnlyStatement;
}

ExecResult SqliteEngine::run(QList<TranslatedStatement> statements, rt::FunctionRef<QString()> text)
{
    ExecResult result;
    const auto forget = qScopeGuard([this] { m_parameters.clear(); });
    for (qsizetype i = 0; i < statements.size(); ++i) {
        const int schema = m_schemaChanges;
        runStatement(statements.at(i), result);
        // The statements after one that made a table or column are translated again, with its
        // date columns known: the same statements, with the same parameters.
        if (m_schemaChanges != schema && i + 1 < statements.size())
            statements = translated(text(), m_parameters);
    }
    return result;
}

void SqliteEngine::beginTransaction()
{
    syncTransactionDepth();
    // Taken for writing at once: two connections that read and then write inside their
    // transactions never interleave; the second waits (up to the command timeout) for the first.
    if (m_transactionDepth == 0)
        runControl("BEGIN IMMEDIATE");
    ++m_transactionDepth;
}

void SqliteEngine::commitTransaction()
{
    syncTransactionDepth();
    if (m_transactionDepth == 0)
        throwError(rt::err::AdoEFail, 3902, "25000",
                   QStringLiteral("The COMMIT TRANSACTION request has no corresponding BEGIN TRANSACTION."));
    if (m_transactionDepth == 1)
        runControl("COMMIT");
    --m_transactionDepth;
}

void SqliteEngine::rollbackTransaction()
{
    syncTransactionDepth();
    if (m_transactionDepth == 0)
        throwError(rt::err::AdoEFail, 3903, "25000",
                   QStringLiteral("The ROLLBACK TRANSACTION request has no corresponding BEGIN TRANSACTION."));
    runControl("ROLLBACK");
    m_transactionDepth = 0;
}

ResultSet SqliteEngine::openSchema(int schema, const QStringList &restrictions)
{
    sqlite3 *db = session().handle.get();
    if (schema == adSchemaTables)
        return tablesRowset(db, m_target.catalog, restrictions);
    if (schema == adSchemaColumns)
        return columnsRowset(db, m_target.catalog, restrictions);
    throwError(rt::err::AdoOperationNotSupported, 0, "HY000",
               QStringLiteral("Object or provider is not capable of performing requested operation."));
}

long long SqliteEngine::insertRow(const QString &table, const QStringList &columns, const QList<rt::Variant> &values)
{
    refuseInUndoneTransaction();
    Session &current = session();
    QString sql = QStringLiteral("INSERT INTO ") + quotedName(table);
    if (columns.isEmpty()) {
        sql += QStringLiteral(" DEFAULT VALUES");
    } else {
        QStringList names;
        for (const QString &column : columns)
            names.append(quotedName(column));
        sql += QStringLiteral(" (%1) VALUES (?%2)")
                   .arg(names.join(QStringLiteral(", ")), QStringLiteral(", ?").repeated(columns.size() - 1));
    }
    QByteArray rest;
    sqlite3_stmt *statement = current.statements.prepare(sql.toUtf8(), rest);
    StatementReset reset(statement);
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (bindValue(statement, static_cast<int>(i + 1), values.at(i)) != SQLITE_OK)
            throwSqliteError(current.handle.get(), sql);
    }
    if (sqlite3_step(statement) != SQLITE_DONE)
        throwSqliteError(current.handle.get(), sql);
    return sqlite3_last_insert_rowid(current.handle.get());
}

void SqliteEngine::setCommandTimeout(int seconds)
{
    m_busyTimeoutMs = seconds <= 0 || seconds > INT_MAX / 1000 ? INT_MAX : seconds * 1000;
}

void SqliteEngine::setDefaultDatabase(const QString &name)
{
    if (name.trimmed().compare(m_target.catalog, Qt::CaseInsensitive) != 0)
        throwError(rt::err::AdoEFail, 911, "42000",
                   QStringLiteral("Database '%1' does not exist. Make sure that the name is entered correctly.")
                       .arg(name.trimmed()));
}

void SqliteEngine::setProgressHandler(std::function<void()> handler)
{
    m_progressHandler = std::move(handler);
    m_lastProgress = std::chrono::steady_clock::now();
    if (m_session)
        installProgressHandler();
}

void SqliteEngine::installProgressHandler()
{
    if (m_progressHandler)
        sqlite3_progress_handler(m_session->handle.get(), ProgressSteps, &SqliteEngine::onProgress, this);
    else
        sqlite3_progress_handler(m_session->handle.get(), 0, nullptr, nullptr);
}

void SqliteEngine::setLockWaitHandler(std::function<void()> handler)
{
    m_lockWaitHandler = std::move(handler);
}

// Called by SQLite inside a statement: nothing may reach the connection, and no exception may
// cross SQLite's C frames. A failing handler only loses that call; the statement goes on.
void SqliteEngine::callBack(const std::function<void()> &handler)
{
    const auto now = std::chrono::steady_clock::now();
    if (!handler || m_inProgressHandler || now - m_lastProgress < ProgressInterval)
        return;
    m_inProgressHandler = true;
    try {
        handler();
    } catch (...) { // NOLINT(bugprone-empty-catch): only this call is lost
    }
    m_inProgressHandler = false;
    m_lastProgress = std::chrono::steady_clock::now();
}

int SqliteEngine::onProgress(void *engine)
{
    auto &self = *static_cast<SqliteEngine *>(engine);
    self.callBack(self.m_progressHandler);
    return 0;
}

// SQLite asks again and again while another connection holds the lock: sleep a little between
// the tries, tell the handler, and give up (SQLITE_BUSY, a lock time-out) after the command
// time-out.
int SqliteEngine::onBusy(void *engine, int attempt)
{
    auto &self = *static_cast<SqliteEngine *>(engine);
    const auto now = std::chrono::steady_clock::now();
    if (attempt == 0)
        self.m_waitStart = now;
    if (now - self.m_waitStart >= std::chrono::milliseconds(self.m_busyTimeoutMs))
        return 0;
    self.callBack(self.m_lockWaitHandler);
    sqlite3_sleep(LockRetryMs);
    return 1;
}

SqliteEngine::Session &SqliteEngine::session()
{
    if (m_inProgressHandler)
        throwError(rt::err::AdoEFail, 0, "HY000", QStringLiteral("The connection is busy with another statement."));
    if (!m_session)
        throwError(rt::err::AdoEFail, 0, "08003", QStringLiteral("The connection is closed."));
    return *m_session;
}

QList<TranslatedStatement> SqliteEngine::translated(const QString &text, QList<rt::Variant> &parameters)
{
    if (const QList<TranslatedStatement> *known = m_shapes.find(text, parameters))
        return *known;
    QList<TsqlToken> tokens = tokenizeTsql(text);
    return translatedTokens(text, tokens, parameters);
}

QList<TranslatedStatement> SqliteEngine::translatedTokens(const QString &text, QList<TsqlToken> &tokens,
                                                          QList<rt::Variant> &parameters)
{
    parameters = markParameters(tokens, m_partialIndexColumns);
    const QString key = shapeKey(text, tokens);
    const auto found = m_translations.constFind(key);
    if (found != m_translations.constEnd()) {
        // A shape sent a second time is likely sent again: from now on it is recognised by its
        // text. Texts whose shape never comes back (numbers written out in their conditions)
        // would only push the repeated ones out.
        m_shapes.remember(text, tokens, *found);
        return *found;
    }
    if (m_translations.size() >= TranslationCacheSize)
        m_translations.clear();
    return *m_translations.insert(key, m_translator.translate(text, tokens));
}

void SqliteEngine::bindParameters(sqlite3_stmt *statement, const QString &sql)
{
    const int count = std::min(sqlite3_bind_parameter_count(statement), static_cast<int>(m_parameters.size()));
    for (int i = 1; i <= count; ++i) {
        if (bindValue(statement, i, m_parameters.at(i - 1)) != SQLITE_OK)
            throwSqliteError(session().handle.get(), sql);
    }
}

void SqliteEngine::runStatement(const TranslatedStatement &statement, ExecResult &result)
{
    using Kind = TranslatedStatement::Kind;
    switch (statement.kind) {
    case Kind::Sql:
        runSql(statement.sql, result);
        break;
    case Kind::IfExists:
        if (givesRow(statement.condition) != statement.negated)
            runSql(statement.sql, result);
        break;
    case Kind::Begin:
        beginTransaction();
        break;
    case Kind::Commit:
        commitTransaction();
        break;
    case Kind::Rollback:
        rollbackTransaction();
        break;
    case Kind::Nothing:
        break;
    }
}

void SqliteEngine::runSql(const QString &sql, ExecResult &result)
{
    Session &current = session();
    sqlite3 *db = current.handle.get();
    if (sql.isEmpty())
        return;
    QByteArray rest;
    sqlite3_stmt *statement = current.statements.prepare(sql, rest);
    for (bool first = true; first || !rest.isEmpty(); first = false) {
        if (!first)
            statement = current.statements.prepare(QByteArray(rest), rest);
        if (!statement)
            continue;
        StatementReset reset(statement);
        bindParameters(statement, sql);
        if (sqlite3_column_count(statement) > 0) {
            result.resultSet = readResult(db, statement, sql, current.statements.declaredColumns());
            result.hasResultSet = true;
            continue;
        }
        refuseViewOfUnknownNames(db, statement);
        const auto bind = [&](sqlite3_stmt *filling) { bindParameters(filling, sql); };
        if (!createTableAsSelected(db, statement, bind) && sqlite3_step(statement) != SQLITE_DONE)
            throwSqliteError(db, sql);
        if (changesSchema(statement))
            learnDateColumns();
        if (isRowChange(statement))
            result.recordsAffected = std::max(result.recordsAffected, 0L) + static_cast<long>(sqlite3_changes64(db));
    }
}

bool SqliteEngine::givesRow(const QString &sql)
{
    Session &current = session();
    QByteArray rest;
    sqlite3_stmt *statement = current.statements.prepare(sql.toUtf8(), rest);
    if (!statement)
        return false;
    StatementReset reset(statement);
    bindParameters(statement, sql);
    const int rc = sqlite3_step(statement);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        throwSqliteError(current.handle.get(), sql);
    return rc == SQLITE_ROW;
}

void SqliteEngine::runControl(const char *sql)
{
    Session &current = session();
    QByteArray rest;
    sqlite3_stmt *statement = current.statements.prepare(QByteArray(sql), rest);
    StatementReset reset(statement);
    if (sqlite3_step(statement) != SQLITE_DONE)
        throwSqliteError(current.handle.get(), QString::fromLatin1(sql));
}

// SQLite undoes a whole transaction on some failures (a full disk, an I/O error). What the
// program sends next must not run and be stored by itself as if that transaction still held
// it: until the program rolls back, every statement fails, as SQL Server fails them in a
// transaction it can no longer commit.
void SqliteEngine::refuseInUndoneTransaction()
{
    if (m_transactionDepth > 0 && sqlite3_get_autocommit(session().handle.get()))
        throwError(rt::err::AdoEFail, 3930, "25000",
                   QStringLiteral("The current transaction cannot be committed and cannot support operations that "
                                  "write to the log file. Roll back the transaction."));
}

// A failure inside a transaction (a full disk, an interrupted COMMIT) can make SQLite roll it
// back by itself; the depth follows what SQLite holds.
void SqliteEngine::syncTransactionDepth()
{
    if (m_transactionDepth > 0 && sqlite3_get_autocommit(session().handle.get()))
        m_transactionDepth = 0;
}

} // namespace ado::sqlite
