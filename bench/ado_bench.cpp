// ado_bench [--scales 1000,10000,100000]: times the embedded engine through platform/ado
// against the raw SQLite API on demo databases of the given numbers of collections:
// 10,000 one-row INSERTs each committed by itself, and a SELECT of up to 100,000 rows of
// MV_ASIENTOS read to the end. Targets: the read within 1.5x of raw SQLite, at least 5,000
// one-statement commits per second.

#include "BenchScales.h"
#include "demo/DemoDatabase.h"
#include "platform/ado/Connection.h"
#include "platform/ado/sqlite/TsqlFunctions.h"
#include "platform/runtime/RuntimeError.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <sqlite3.h>
#include <stdexcept>
#include <string>

namespace {

constexpr int InsertCount = 10000;
constexpr int ReadRows = 100000;
constexpr int ReadRepeats = 3;

// Where the reads leave what they saw, so that no read can be left out by the compiler.
volatile std::size_t g_sink = 0;

struct Figures {
    int collections = 0;
    double demoSeconds = 0;
    double insertOurs = 0;
    double insertRaw = 0;
    long rowsRead = 0;
    double readOurs = 0;
    double readRaw = 0;
};

double seconds(const QElapsedTimer &timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

// A row as the settlement generator writes one: its own text, a day-first date, committed alone.
QString insertText(int row, const char *date)
{
    return QStringLiteral("INSERT INTO V_COMISIONES_VENDEDOR_COB (IdLiquidacion, CbTc, IdCobranza, FechaCob, "
                          "TotalCobrado, idVendedor) VALUES (900000, 'CB', '0001%1A', '%2', %3.25, '01')")
        .arg(row, 8, 10, QLatin1Char('0'))
        .arg(QLatin1String(date))
        .arg(row % 5000);
}

const QString readText = QStringLiteral("SELECT TOP %1 * FROM MV_ASIENTOS with(nolock)").arg(ReadRows);

double oursInserts(ado::Connection &connection)
{
    QElapsedTimer timer;
    timer.start();
    for (int row = 0; row < InsertCount; ++row)
        connection.Execute(insertText(row, "15/03/2024"));
    return seconds(timer);
}

// Reads every value of every row, as a reader of the program does with rs("Campo").
double oursRead(ado::Connection &connection, long &rows)
{
    QElapsedTimer timer;
    timer.start();
    ado::Recordset recordset;
    recordset.Open(readText, connection);
    std::size_t touched = 0;
    const long fields = recordset.FieldCount();
    for (; !recordset.EOF_(); recordset.MoveNext()) {
        for (long i = 0; i < fields; ++i)
            touched += static_cast<std::size_t>(recordset.Fields(i).Value().type());
    }
    rows = recordset.RecordCount();
    g_sink = g_sink + touched;
    return seconds(timer);
}

class RawDatabase {
public:
    explicit RawDatabase(const QString &path)
    {
        if (sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            throw std::runtime_error("cannot open the demo database");
        exec("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;");
        ado::sqlite::registerTsqlFunctions(m_db);
    }
    ~RawDatabase() { sqlite3_close(m_db); }
    RawDatabase(const RawDatabase &) = delete;
    RawDatabase &operator=(const RawDatabase &) = delete;

    void exec(const char *sql)
    {
        if (sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(m_db));
    }

    double inserts()
    {
        QElapsedTimer timer;
        timer.start();
        for (int row = 0; row < InsertCount; ++row)
            exec(insertText(row, "2024-03-15 00:00:00").toUtf8().constData());
        return seconds(timer);
    }

    // The same rows into C++ values: numbers as numbers, text and blobs copied out.
    double read()
    {
        QElapsedTimer timer;
        timer.start();
        sqlite3_stmt *statement = nullptr;
        const QByteArray sql = QStringLiteral("SELECT * FROM MV_ASIENTOS LIMIT %1").arg(ReadRows).toUtf8();
        if (sqlite3_prepare_v2(m_db, sql.constData(), -1, &statement, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(m_db));
        const int columns = sqlite3_column_count(statement);
        std::size_t touched = 0;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            for (int i = 0; i < columns; ++i)
                touched += readValue(statement, i);
        }
        sqlite3_finalize(statement);
        g_sink = g_sink + touched;
        return seconds(timer);
    }

private:
    static std::size_t readValue(sqlite3_stmt *statement, int column)
    {
        switch (sqlite3_column_type(statement, column)) {
        case SQLITE_INTEGER:
            return static_cast<std::size_t>(sqlite3_column_int64(statement, column) & 1);
        case SQLITE_FLOAT:
            return sqlite3_column_double(statement, column) > 0 ? 1 : 0;
        case SQLITE_TEXT: {
            const std::string text(reinterpret_cast<const char *>(sqlite3_column_text(statement, column)),
                                   static_cast<std::size_t>(sqlite3_column_bytes(statement, column)));
            return text.size();
        }
        case SQLITE_BLOB:
            return static_cast<std::size_t>(sqlite3_column_bytes(statement, column));
        default:
            return 0;
        }
    }

    sqlite3 *m_db = nullptr;
};

Figures measure(int collections, const QString &folder)
{
    Figures figures;
    figures.collections = collections;
    QElapsedTimer timer;
    timer.start();
    demo::createDemoDatabase(folder, demo::DemoOptions{collections, 1});
    figures.demoSeconds = seconds(timer);

    qputenv("COMISIONES_DATOS", folder.toUtf8());
    ado::Connection connection;
    connection.Open(QStringLiteral("PROVIDER=SQLOLEDB;Server=sqlite;Database =DEMO;UId=DEMO;Pwd=DEMO;"));
    RawDatabase raw(QDir(folder).filePath(QStringLiteral("DEMO.db")));

    figures.insertOurs = oursInserts(connection);
    figures.insertRaw = raw.inserts();
    figures.readOurs = 1e9;
    figures.readRaw = 1e9;
    for (int repeat = 0; repeat < ReadRepeats; ++repeat) {
        figures.readOurs = std::min(figures.readOurs, oursRead(connection, figures.rowsRead));
        figures.readRaw = std::min(figures.readRaw, raw.read());
    }
    return figures;
}

void printTable(const QList<Figures> &all)
{
    std::printf("\n%-11s %-9s | %-44s | %s\n", "collections", "demo made", "10,000 one-row INSERTs, each committed",
                "SELECT of MV_ASIENTOS read to the end");
    std::printf("%-11s %-9s | %-9s %-9s %-6s %-16s | %-7s %-9s %-9s %s\n", "", "", "ours", "raw", "ratio",
                "commits/s (ours)", "rows", "ours", "raw", "ratio");
    bool readsMet = true;
    bool commitsMet = true;
    for (const Figures &f : all) {
        const double commitsPerSecond = InsertCount / f.insertOurs;
        const double readRatio = f.readOurs / f.readRaw;
        readsMet = readsMet && readRatio <= 1.5;
        commitsMet = commitsMet && commitsPerSecond >= 5000;
        std::printf("%-11d %7.2f s | %7.3f s %7.3f s %6.2f %16.0f | %7ld %7.3f s %7.3f s %6.2f\n", f.collections,
                    f.demoSeconds, f.insertOurs, f.insertRaw, f.insertOurs / f.insertRaw, commitsPerSecond, f.rowsRead,
                    f.readOurs, f.readRaw, readRatio);
    }
    std::printf("\nread within 1.5x of raw SQLite: %s; at least 5,000 commits/s: %s\n", readsMet ? "yes" : "NO",
                commitsMet ? "yes" : "NO");
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QList<int> scales =
        benchScales(app, QStringLiteral("Times platform/ado on the embedded engine against raw SQLite."));
    const std::optional<QList<Figures>> all = measureEachScale<Figures>("ado_bench", "demo database", scales, measure);
    if (!all)
        return 1;
    printTable(*all);
    return 0;
}
