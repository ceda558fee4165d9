// generador_bench [--scales 1000,10000,100000]: builds one settlement over the whole demo range
// (March and April 2024) on demo databases of the given numbers of collections, through the
// program's connection class, and replays the very statements it sent the way the embedded
// engine runs them (EngineReplay: the engine's file set-up, translation and prepared statements,
// without the program's layers). Then builds the same range again through the settlement
// window, on a fresh copy, as the user's click does. Prints the seconds (and the processor
// seconds, which a busy machine does not stretch), the statements per second, the replay's
// seconds, the window's seconds and the largest gap between two event pumps. Targets: 100,000
// collections in under 15 s, the time per collection growing at most 1.3 times for each
// tenfold, the program within 1.3 times the replay, the window within 10 % of the build
// measured here, a gap never above 100 ms.

#include "BenchProgram.h"
#include "BenchScales.h"
#include "EngineReplay.h"
#include "components/FhOcx.h"
#include "db/Conexiones.h"
#include "demo/DemoDatabase.h"
#include "platform/ado/Connection.h"
#include "platform/ado/EngineFactory.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/EventBeat.h"
#include "session/Sesion.h"
#include "settlements/FrmComisionesVendedor.h"
#include "settlements/GeneradorComisiones.h"
#include "settlements/VentanaGeneracion.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <malloc.h>
#include <memory>
#include <stdexcept>

namespace {

constexpr double TargetSeconds100k = 15.0;
constexpr double TargetReplayRatio = 1.3;
constexpr double TargetGrowthPerTenfold = 1.3;
constexpr double TargetWindowShare = 0.1; // how far the window's build may stray from the one measured
constexpr double TargetGapMs = 100.0;

// Every text the connections sent to their engines, in order, while a build keeps them.
QList<ado::LiteralText> *g_sent = nullptr;
// The number of texts sent, and the last one.
qsizetype g_statements = 0;
ado::LiteralText g_last;

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
    ado::ExecResult executeLiteralText(const ado::LiteralText &statement) override
    {
        record(statement);
        return m_inner->executeLiteralText(statement);
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
    // Kept as given: a statement's whole text is written after the build, out of its time.
    static void record(const ado::LiteralText &statement)
    {
        ++g_statements;
        g_last = statement;
        if (g_sent)
            g_sent->append(statement);
    }

    std::unique_ptr<ado::Engine> m_inner;
};

std::unique_ptr<ado::Engine> recordingEngine(const QString &connectionString)
{
    return std::make_unique<RecordingEngine>(ado::makeStandardEngine(connectionString));
}

// The window as the benchmark sees it: events processed on the window's beat, and the gaps
// between two pumps timed.
class TimedWindow final : public VentanaGeneracion {
public:
    TimedWindow() { m_clock.start(); }

    void mostrarEstado(const QString &) override { }
    void procesarEventos() override
    {
        if (m_events.process())
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
            m_gapStatement = g_last.text().simplified().left(60);
        }
        m_last = now;
    }

    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_largestGap = 0;
    QString m_gapStatement;
    long m_statementRepaints = 0;
    ui::EventBeat m_events;
};

struct Figures {
    int collections = 0;
    QString settled; // what the build stored
    qsizetype statements = 0;
    double ours = 0;
    double oursCpu = 0;
    double replay = 0;
    double replayCpu = 0;
    double window = 0;
    double windowCpu = 0;
    double windowPeakMb = 0; // the process's largest resident memory during the window's build
    double gapMs = 0;
    QString gapStatement;
    long statementRepaints = 0;
};

QString databaseIn(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral("DEMO.db"));
}

// What a build left in a database: its rows of collections, vouchers and lines and the
// commission of its collections.
QString storedSettlement(const QString &folder)
{
    ado::Connection connection;
    connection.Open(QStringLiteral("PROVIDER=Microsoft.Jet.OLEDB.4.0;Data Source=\"%1\";").arg(databaseIn(folder)));
    ado::Recordset rs;
    rs.Open(QStringLiteral("SELECT (SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_COB) AS C, (SELECT COUNT(*) FROM "
                           "V_COMISIONES_VENDEDOR_APL) AS A, (SELECT COUNT(*) FROM V_COMISIONES_VENDEDOR_DET) AS D, "
                           "(SELECT SUM(Comision) FROM V_COMISIONES_VENDEDOR_COB) AS S"),
            connection);
    return QStringLiteral("%1 / %2 / %3, commission %4")
        .arg(rs(QStringLiteral("C")).asLong())
        .arg(rs(QStringLiteral("A")).asLong())
        .arg(rs(QStringLiteral("D")).asLong())
        .arg(rs(QStringLiteral("S")).asDouble(), 0, 'f', 2);
}

QString copyOfDemo(const QString &folder, const QString &name)
{
    const QString copy = QDir(folder).filePath(name);
    QDir().mkpath(copy);
    for (const QString &file : QDir(folder).entryList(QDir::Files)) {
        if (!QFile::copy(QDir(folder).filePath(file), QDir(copy).filePath(file)))
            throw std::runtime_error("cannot copy the demo database");
    }
    return copy;
}

// The build as the generator runs it, every text it sends kept in `sent` when one is given.
void buildThroughGenerator(const QString &folder, Figures &figures, QStringList *sent = nullptr)
{
    qputenv("COMISIONES_DATOS", folder.toUtf8());
    openProgramConnection();
    QList<ado::LiteralText> given;
    g_sent = sent ? &given : nullptr;
    g_statements = 0;
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
    if (sent) {
        sent->reserve(given.size());
        for (const ado::LiteralText &statement : std::as_const(given))
            sent->append(statement.text());
    }
    if (end != GeneradorComisiones::Fin::Cerrada)
        throw std::runtime_error("the settlement build did not reach its end");
    figures.gapMs = window.largestGapMs();
    figures.gapStatement = window.largestGapStatement();
    figures.statementRepaints = window.statementRepaints();
    figures.statements = g_statements;
}

// The process's largest resident memory since the last reset, in megabytes (Linux).
double peakResidentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

// Starts measuring the largest resident memory anew from what the process holds now, its free
// memory given back first (Linux, glibc).
void resetPeakResident()
{
    malloc_trim(0);
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

// The build as the user starts it: the whole demo range typed in the window and "Cargar
// Liquidacion >>" clicked; the seconds until the click returns.
double buildThroughWindow(const QString &folder)
{
    qputenv("COMISIONES_DATOS", folder.toUtf8());
    openProgramConnection();
    double taken = 0;
    {
        FrmComisionesVendedor window;
        window.Inicializa();
        window.show();
        auto *range = window.findChild<FhOcx *>(QStringLiteral("FhOcx1"));
        range->Fh_Desde = demo::firstDay().toString(QStringLiteral("dd/MM/yyyy"));
        range->Fh_Hasta = demo::lastDay().toString(QStringLiteral("dd/MM/yyyy"));
        range->MostrarFechas();
        QCoreApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("CmdGenerar")), Qt::LeftButton);
        taken = seconds(timer.nsecsElapsed());
    }
    gBaseDatos.reset();
    return taken;
}

Figures measure(int collections, const QString &folder)
{
    Figures figures;
    figures.collections = collections;
    demo::createDemoDatabase(folder, demo::DemoOptions{collections, 1});
    const QString recordFolder = copyOfDemo(folder, QStringLiteral("record"));
    const QString replayFolder = copyOfDemo(folder, QStringLiteral("replay"));
    const QString windowFolder = copyOfDemo(folder, QStringLiteral("window"));

    // Timed without keeping what it sends: at 100,000 collections the kept statements fill
    // half a gigabyte the program itself never holds, and the process paid for the pages as
    // the build ran. The same build on a copy keeps them for the replay.
    buildThroughGenerator(folder, figures);
    figures.settled = storedSettlement(folder);
    QStringList sent;
    Figures recorded;
    buildThroughGenerator(recordFolder, recorded, &sent);
    if (storedSettlement(recordFolder) != figures.settled || recorded.statements != figures.statements)
        throw std::runtime_error("the build that kept its statements did not store what the build timed stored");
    {
        EngineReplay replay(databaseIn(replayFolder));
        const EngineReplay::Timing timing = replay.run(sent);
        figures.replay = timing.seconds;
        figures.replayCpu = timing.cpuSeconds;
    }
    if (storedSettlement(replayFolder) != figures.settled)
        throw std::runtime_error("the replay did not store what the build stored");
    resetPeakResident();
    const std::clock_t cpuStart = std::clock();
    figures.window = buildThroughWindow(windowFolder);
    figures.windowCpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    figures.windowPeakMb = peakResidentMb();
    if (storedSettlement(windowFolder) != figures.settled)
        throw std::runtime_error("the window's build did not store what the generator's build stored");
    return figures;
}

void printTable(const QList<Figures> &all)
{
    std::printf("\n%-11s %-10s %-9s %-9s %-12s %-9s %-9s %-6s %-6s %-11s %-9s %-9s %-6s %s\n", "collections",
                "statements", "seconds", "cpu s", "statements/s", "replay", "cpu s", "ratio", "cpu", "s per 1,000",
                "window", "cpu s", "ratio", "largest gap");
    const char *fastEnough = "not run";
    bool closeToReplay = true;
    bool windowClose = true;
    bool gapsMet = true;
    bool linear = true;
    bool compared = false; // two scales ten times apart or more were run
    const Figures *previous = nullptr;
    for (const Figures &f : all) {
        const double perThousand = f.ours / f.collections * 1000.0;
        // Growth is judged between sizes ten times apart or more, by the time per collection.
        if (previous && f.collections >= previous->collections * 10) {
            const double tenfolds = std::log10(static_cast<double>(f.collections) / previous->collections);
            const double growth = perThousand / (previous->ours / previous->collections * 1000.0);
            linear = linear && growth <= std::pow(TargetGrowthPerTenfold, tenfolds);
            compared = true;
        }
        previous = &f;
        if (f.collections == 100000)
            fastEnough = f.ours < TargetSeconds100k ? "yes" : "NO";
        closeToReplay = closeToReplay && f.ours <= f.replay * TargetReplayRatio;
        windowClose = windowClose && std::abs(f.window / f.ours - 1) <= TargetWindowShare;
        gapsMet = gapsMet && f.gapMs <= TargetGapMs;
        std::printf("%-11d %-10lld %7.2f s %7.2f s %12.0f %7.2f s %7.2f s %6.2f %6.2f %9.3f s %7.2f s %7.2f s "
                    "%6.2f %8.1f ms\n",
                    f.collections, static_cast<long long>(f.statements), f.ours, f.oursCpu,
                    static_cast<double>(f.statements) / f.ours, f.replay, f.replayCpu, f.ours / f.replay,
                    f.oursCpu / f.replayCpu, perThousand, f.window, f.windowCpu, f.window / f.ours, f.gapMs);
    }
    for (const Figures &f : all) {
        std::printf("stored by each build of %d: %s; largest memory during the window's build: %.0f MB\n",
                    f.collections, qPrintable(f.settled), f.windowPeakMb);
        std::printf("largest gap of %d: after \"%s\"; repaints inside statements: %ld\n", f.collections,
                    qPrintable(f.gapStatement), f.statementRepaints);
    }
    std::printf("\n100,000 under %.0f s: %s; time per collection growing at most %.1f times per tenfold: %s; "
                "within %.1f times the engine replay: %s; the window within %.0f %% of it: %s; "
                "gaps within %.0f ms: %s\n",
                TargetSeconds100k, fastEnough, TargetGrowthPerTenfold, !compared ? "not run" : linear ? "yes" : "NO",
                TargetReplayRatio,
                closeToReplay ? "yes" : "NO", TargetWindowShare * 100, windowClose ? "yes" : "NO", TargetGapMs,
                gapsMet ? "yes" : "NO");
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The program's first form starts the platform's accessibility link before any build; under
    // X that link forks a launcher, which a fork over a built heap would make slow.
    QAccessible::isActive();
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
