#pragma once

#include "platform/ado/Engine.h"
#include "platform/ado/sqlite/TsqlPieceCache.h"
#include "platform/ado/sqlite/TsqlShapeCache.h"
#include "platform/ado/sqlite/TsqlTranslator.h"

#include "platform/runtime/FunctionRef.h"
#include "platform/runtime/Variant.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <chrono>
#include <functional>
#include <memory>

struct sqlite3_stmt;

namespace ado::sqlite {

// How opening a file that does not exist is reported: as SQL Server refuses an unknown
// database (native 4060), or as the Jet provider reports a missing file (SQL state "3024").
enum class MissingFileReport { SqlServerLogin, JetFile };

struct EmbeddedTarget {
    QString path; // the database file
    QString catalog; // the database name the connection reports (DefaultDatabase, schema rowsets)
    MissingFileReport missingFile = MissingFileReport::SqlServerLogin;
};

// The embedded engine: SQL Server text translated for SQLite and run on one database file.
// Never creates the file. Every function throws EngineError with SQL Server's error numbers.
class SqliteEngine final : public Engine {
public:
    explicit SqliteEngine(EmbeddedTarget target);
    ~SqliteEngine() override;

    void open(const ConnectionTarget &target) override;
    void close() override;
    // Translates the text (once for all texts that differ only in the literals passed as
    // parameters, TsqlParameters; a text of a shape sent lately is recognised without being
    // read token by token again, TsqlShapeCache), then runs its statements in order; keeps the last result set
    // and adds up the rows touched by INSERT, UPDATE and DELETE.
    ExecResult execute(const QString &text) override;
    // As execute; a statement whose pieces were given lately is recognised by them, its literals
    // read alone (TsqlPieceCache).
    ExecResult executeLiteralText(const LiteralText &statement) override;
    // Translates the text as execute does and has SQLite prepare it, running nothing: one
    // read-only statement when it translates to one statement that SQLite prepares whole as one
    // statement and sqlite3_stmt_readonly says it only reads. A text that does not translate or
    // prepare gives CannotTell: running it fails the same way, before anything of it runs.
    ReadOnlyCheck checkReadOnly(const QString &text) override;
    // Transactions nest as on SQL Server: only the outermost commit writes; a rollback undoes all.
    // The outermost one takes the database's write lock when it begins. A transaction SQLite
    // undid by itself after a failure refuses every statement (native 3930) until rolled back.
    void beginTransaction() override;
    void commitTransaction() override;
    void rollbackTransaction() override;
    ResultSet openSchema(int schema, const QStringList &restrictions) override;
    long long insertRow(const QString &table, const QStringList &columns, const QList<rt::Variant> &values) override;

    // How long a statement waits for a lock held by another connection (0: without limit).
    void setCommandTimeout(int seconds) override;
    // Only the connection's own database can be chosen; another name fails as an unknown database.
    void setDefaultDatabase(const QString &name) override;
    QString defaultDatabase() const override { return m_target.catalog; }
    // One writer at a time and no dirty reads in SQLite: every level reads committed data.
    void setIsolationLevel(long) override { }
    // Asks SQLite to call back every thousand or so steps of a statement, and passes the call
    // on to the handler at most once every 30 ms. While the handler runs, the engine refuses
    // any work (the statement in progress must not be disturbed).
    void setProgressHandler(std::function<void()> handler) override;
    // Called at most once every 30 ms while a statement waits for a lock, until the command
    // time-out ends the wait.
    void setLockWaitHandler(std::function<void()> handler) override;

private:
    struct Session;

    Session &session();
    // Reads the date columns of the schema as it stands (for the translation and the stored
    // dates' watchers); the translations kept are dropped.
    void learnDateColumns();
    // The text's statements, with the values of their parameters in `parameters`.
    QList<TranslatedStatement> translated(const QString &text, QList<rt::Variant> &parameters);
    // As translated, from the text's tokens, which get their parameters marked.
    QList<TranslatedStatement> translatedTokens(const QString &text, QList<TsqlToken> &tokens,
                                                QList<rt::Variant> &parameters);
    // Runs the translated statements of a text, which `text` gives when it is needed, with the
    // parameters in m_parameters.
    ExecResult run(QList<TranslatedStatement> statements, rt::FunctionRef<QString()> text);
    // Binds the parameters of the text being run to a statement of it.
    void bindParameters(sqlite3_stmt *statement, const QString &sql);
    void runStatement(const TranslatedStatement &statement, ExecResult &result);
    void runSql(const QString &sql, ExecResult &result);
    bool givesRow(const QString &sql);
    void runControl(const char *sql);
    void syncTransactionDepth();
    void refuseInUndoneTransaction();
    void installProgressHandler();
    static int onProgress(void *engine);
    static int onBusy(void *engine, int attempt);
    // Runs a handler from inside SQLite: at most once every 30 ms, never nested, never throwing.
    void callBack(const std::function<void()> &handler);

    EmbeddedTarget m_target;
    std::unique_ptr<Session> m_session;
    TsqlTranslator m_translator;
    QSet<QString> m_partialIndexColumns; // numbers compared with them stay written out
    QHash<QString, QList<TranslatedStatement>> m_translations; // by TsqlParameters' shape key
    TsqlShapeCache m_shapes; // the shapes sent lately, by their text
    TsqlPieceCache m_pieces; // the statements given lately as pieces and literals
    QList<rt::Variant> m_parameters; // of the text being run
    int m_transactionDepth = 0;
    int m_schemaChanges = 0; // how many times the date columns were read again
    int m_busyTimeoutMs = 30000;
    std::function<void()> m_progressHandler;
    std::function<void()> m_lockWaitHandler;
    std::chrono::steady_clock::time_point m_lastProgress;
    std::chrono::steady_clock::time_point m_waitStart;
    bool m_inProgressHandler = false;
};

} // namespace ado::sqlite
