// generador_bench [--scales 1000,10000,100000]: builds one settlement over the whole demo range
// (March and April 2024) on demo databases of the given numbers of collections, through the
// program's connection class, and replays the very statements it sent on the raw SQLite API.
// Prints the seconds (and the processor seconds, which a busy machine does not stretch), the
// statements per second, the replay's seconds and the largest gap between two progress repaints
// or event pumps. Targets: 10,000 collections in under 3 s and 100,000 in under 30 s, time
// growing no faster than the collections, the program's layer within 1.3 times the raw replay,
// a gap never above 100 ms.

#include "BenchProgram.h"
#include "BenchScales.h"
#include "db/Conexiones.h"
#include "demo/DemoDatabase.h"
#include "platform/ado/Connection.h"
#include "platform/ado/EngineFactory.h"
#include "platform/ado/sqlite/TsqlFunctions.h"
#include "platform/ado/sqlite/TsqlTranslator.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/ui/Dialogs.h"
#include "session/Sesion.h"
#include "settlements/GeneradorComisiones.h"
#include "settlements/VentanaGeneracion.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <sqlite3.h>
#include <stdexcept>

namespace {

constexpr double TargetSeconds10k = 3.0;
constexpr double TargetSeconds100k = 30.0;
constexpr double TargetRawRatio = 1.3;
constexpr double TargetGapMs = 100.0;

// Every text the connections sent to their engines, in order.
QStringList *g_sent = nullptr;

// Leaves what the replay read where the compiler cannot drop the reads.
volatile std::size_t g_sink = 0;

double seconds(qint64 nanoseconds)
{
    return static_cast<double>(nanoseconds) / 1e9;
}

// The standard engine, with every text it runs kept in g_sent.
class RecordingEngine final : public ado::Engine {
public:
    explicit RecordingEngine(std::unique_ptr<ado::Engine> inner)
        : m_inner(std::move(inner))
    {
    }

    void open(const ado::ConnectionTarget &target) override { m_inner->open(target); }
    void close() override { m_inner->close(); }
    ado::ExecResult execute(const QString &text) override
    {
        record(text);
        return m_inner->execute(text);
    }
    // Transactions are recorded as the T-SQL that asks for them, so the replay runs them too.
    void beginTransaction() override
    {
        record(QStringLiteral("BEGIN TRANSACTION"));
        m_inner->beginTransaction();
    }
    void commitTransaction() override
    {
        record(QStringLiteral("COMMIT TRANSACTION"));
        m_inner->commitTransaction();
    }
    void rollbackTransaction() override
    {
        record(QStringLiteral("ROLLBACK TRANSACTION"));
        m_inner->rollbackTransaction();
    }
    ado::ResultSet openSchema(int schema, const QStringList &restrictions) override
    {
        return m_inner->openSchema(schema, restrictions);
    }
    long long insertRow(const QString &table, const QStringList &columns, const QList<rt::Variant> &values) override
    {
        return m_inner->insertRow(table, columns, values);
    }
    void setCommandTimeout(int seconds) override { m_inner->setCommandTimeout(seconds); }
    void setDefaultDatabase(const QString &name) override { m_inner->setDefaultDatabase(name); }
    QString defaultDatabase() const override { return m_inner->defaultDatabase(); }
    void setIsolationLevel(long level) override { m_inner->setIsolationLevel(level); }
    void setProgressHandler(std::function<void()> handler) override { m_inner->setProgressHandler(std::move(handler)); }

private:
    static void record(const QString &text)
    {
        if (g_sent)
            g_sent->append(text);
    }

    std::unique_ptr<ado::Engine> m_inner;
};

std::unique_ptr<ado::Engine> recordingEngine(const QString &connectionString)
{
    return std::make_unique<RecordingEngine>(ado::makeStandardEngine(connectionString));
}

// The window as the benchmark sees it: times the gaps between repaints and event pumps.
class TimedWindow final : public VentanaGeneracion {
public:
    TimedWindow() { m_clock.start(); }

    void mostrarEstado(const QString &) override { tick(); }
    void procesarEventos() override
    {
        ui::DoEvents();
        tick();
    }
    void Detalleon(bool) override { }
    void Inicializa() override { }
    bool recalcular() const override { return false; }

    // A repaint from inside a long statement (the connection's progress handler), as the
    // window does it: events pumped, user input left queued.
    void repintarDuranteSentencia()
    {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        ++m_statementRepaints;
        tick();
    }
    // Closes the measure: the time from the last call to the end counts as a gap too.
    void finish() { tick(); }
    long statementRepaints() const { return m_statementRepaints; }
    double largestGapMs() const { return seconds(m_largestGap) * 1000.0; }
    // The start of the statement that ended the largest gap.
    QString largestGapStatement() const { return m_gapStatement; }

private:
    void tick()
    {
        const qint64 now = m_clock.nsecsElapsed();
        if (now - m_last > m_largestGap) {
            m_largestGap = now - m_last;
            m_gapStatement = g_sent && !g_sent->isEmpty() ? g_sent->last().simplified().left(60) : QString();
        }
        m_last = now;
    }

    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_largestGap = 0;
    QString m_gapStatement;
    long m_statementRepaints = 0;
};

// The recorded texts run again on the raw SQLite API, translated beforehand.
class RawReplay {
public:
    explicit RawReplay(const QString &path)
    {
        if (sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            throw std::runtime_error("cannot open the replay copy of the demo database");
        exec("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; PRAGMA wal_autocheckpoint=10000;");
        ado::sqlite::registerTsqlFunctions(m_db);
    }
    ~RawReplay() { sqlite3_close(m_db); }
    RawReplay(const RawReplay &) = delete;
    RawReplay &operator=(const RawReplay &) = delete;

    // Seconds spent running the statements, every row of every query read.
    double run(const QStringList &texts)
    {
        const ado::sqlite::TsqlTranslator translator;
        using Kind = ado::sqlite::TranslatedStatement::Kind;
        QList<QByteArray> statements;
        for (const QString &text : texts) {
            for (const auto &statement : translator.translate(text)) {
                if (statement.kind == Kind::Sql)
                    statements.append(statement.sql.toUtf8());
                else if (statement.kind == Kind::Begin)
                    statements.append("BEGIN IMMEDIATE");
                else if (statement.kind == Kind::Commit)
                    statements.append("COMMIT");
                else if (statement.kind == Kind::Rollback)
                    statements.append("ROLLBACK");
                else if (statement.kind != Kind::Nothing)
                    throw std::runtime_error("the replay runs plain statements only");
            }
        }
        QElapsedTimer timer;
        timer.start();
        for (const QByteArray &sql : statements)
            step(sql);
        return seconds(timer.nsecsElapsed());
    }

private:
    void exec(const char *sql)
    {
        if (sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(m_db));
    }

    void step(const QByteArray &sql)
    {
        sqlite3_stmt *statement = nullptr;
        if (sqlite3_prepare_v2(m_db, sql.constData(), static_cast<int>(sql.size()), &statement, nullptr) != SQLITE_OK)
            throw std::runtime_error(std::string(sqlite3_errmsg(m_db)) + " in " + sql.toStdString());
        const int columns = sqlite3_column_count(statement);
        std::size_t touched = 0;
        int result = SQLITE_ROW;
        while ((result = sqlite3_step(statement)) == SQLITE_ROW) {
            for (int i = 0; i < columns; ++i)
                touched += static_cast<std::size_t>(sqlite3_column_bytes(statement, i));
        }
        sqlite3_finalize(statement);
        if (result != SQLITE_DONE)
            throw std::runtime_error(std::string(sqlite3_errmsg(m_db)) + " in " + sql.toStdString());
        g_sink = g_sink + touched;
    }

    sqlite3 *m_db = nullptr;
};

struct Figures {
    int collections = 0;
    int settled = 0;
    qsizetype statements = 0;
    double ours = 0;
    double oursCpu = 0;
    double raw = 0;
    double gapMs = 0;
    QString gapStatement;
    long statementRepaints = 0;
};

int settledCollections(const QString &folder)
{
    ado::Connection connection;
    connection.Open(QStringLiteral("PROVIDER=Microsoft.Jet.OLEDB.4.0;Data Source=\"%1\";")
                        .arg(QDir(folder).filePath(QStringLiteral("DEMO.db"))));
    ado::Recordset rs;
    rs.Open(QStringLiteral("SELECT COUNT(*) AS N FROM V_COMISIONES_VENDEDOR_COB"), connection);
    return rs(QStringLiteral("N")).asLong();
}

Figures measure(int collections, const QString &folder)
{
    Figures figures;
    figures.collections = collections;
    demo::createDemoDatabase(folder, demo::DemoOptions{collections, 1});
    const QString replayFolder = QDir(folder).filePath(QStringLiteral("replay"));
    QDir().mkpath(replayFolder);
    for (const QString &name : QDir(folder).entryList(QDir::Files)) {
        if (!QFile::copy(QDir(folder).filePath(name), QDir(replayFolder).filePath(name)))
            throw std::runtime_error("cannot copy the demo database");
    }

    qputenv("COMISIONES_DATOS", folder.toUtf8());
    QStringList sent;
    openProgramConnection();
    g_sent = &sent;
    TimedWindow window;
    gBaseDatos->gCnn.setProgressHandler([&window] { window.repintarDuranteSentencia(); });
    GeneradorComisiones generator(*gBaseDatos, window);
    QString from = demo::firstDay().toString(QStringLiteral("dd/MM/yyyy"));
    QString to = demo::lastDay().toString(QStringLiteral("dd/MM/yyyy"));
    QString salesperson;
    QString rebuilt;
    QElapsedTimer timer;
    timer.start();
    const std::clock_t cpuStart = std::clock();
    const auto end = generator.GeneraComisionesNew(from, to, salesperson, rebuilt);
    figures.ours = seconds(timer.nsecsElapsed());
    figures.oursCpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    window.finish();
    gBaseDatos->gCnn.setProgressHandler({});
    g_sent = nullptr;
    gBaseDatos.reset();
    if (end != GeneradorComisiones::Fin::Cerrada)
        throw std::runtime_error("the settlement build did not reach its end");
    figures.gapMs = window.largestGapMs();
    figures.gapStatement = window.largestGapStatement();
    figures.statementRepaints = window.statementRepaints();
    figures.statements = sent.size();
    figures.settled = settledCollections(folder);

    RawReplay replay(QDir(replayFolder).filePath(QStringLiteral("DEMO.db")));
    figures.raw = replay.run(sent);
    return figures;
}

void printTable(const QList<Figures> &all)
{
    std::printf("\n%-11s %-8s %-10s %-9s %-9s %-12s %-9s %-6s %-13s %s\n", "collections", "settled", "statements",
                "seconds", "cpu s", "statements/s", "raw SQLite", "ratio", "s per 1,000", "largest gap");
    bool fastEnough = true;
    bool closeToRaw = true;
    bool gapsMet = true;
    bool linear = true;
    double firstPerThousand = 0;
    for (const Figures &f : all) {
        const double perThousand = f.ours / f.settled * 1000.0;
        if (firstPerThousand == 0)
            firstPerThousand = perThousand;
        // Small runs carry fixed costs; growth counts as linear within 1.5 times the first rate.
        linear = linear && perThousand <= firstPerThousand * 1.5;
        if (f.collections == 10000)
            fastEnough = fastEnough && f.ours < TargetSeconds10k;
        if (f.collections == 100000)
            fastEnough = fastEnough && f.ours < TargetSeconds100k;
        closeToRaw = closeToRaw && f.ours <= f.raw * TargetRawRatio;
        gapsMet = gapsMet && f.gapMs <= TargetGapMs;
        std::printf("%-11d %-8d %-10lld %7.2f s %7.2f s %12.0f %8.2f s %6.2f %11.3f s %8.1f ms\n", f.collections,
                    f.settled, static_cast<long long>(f.statements), f.ours, f.oursCpu,
                    static_cast<double>(f.statements) / f.ours, f.raw, f.ours / f.raw, perThousand, f.gapMs);
    }
    for (const Figures &f : all)
        std::printf("largest gap of %d: after \"%s\"; repaints inside statements: %ld\n", f.collections,
                    qPrintable(f.gapStatement), f.statementRepaints);
    std::printf("\n10,000 collections under %.0f s and 100,000 under %.0f s: %s; growth no worse than linear: %s; "
                "within %.1f times the raw replay: %s; gaps within %.0f ms: %s\n",
                TargetSeconds10k, TargetSeconds100k, fastEnough ? "yes" : "NO", linear ? "yes" : "NO", TargetRawRatio,
                closeToRaw ? "yes" : "NO", TargetGapMs, gapsMet ? "yes" : "NO");
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QList<int> scales = benchScales(app, QStringLiteral("Times one settlement build on demo databases."));
    ConsoleDialogs dialogs;
    ui::setDialogService(&dialogs);
    ado::Connection::setEngineFactory(recordingEngine);
    gUsuarioLogeado = QStringLiteral("BENCH");
    const std::optional<QList<Figures>> all =
        measureEachScale<Figures>("generador_bench", "settlement of a demo database", scales, measure);
    if (!all)
        return 1;
    ui::setDialogService(nullptr);
    printTable(*all);
    return 0;
}
