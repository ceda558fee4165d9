// grid_bench: times the paged grid over a table of 100,000 rows on the embedded engine, with
// pages of 2,000 rows (the largest the page-size box takes): the load that shows the first page,
// and a jump to the last page, in the query's own order (the target: each under 0.2 s), with a
// condition of the query's own, and sorted by a date column without index, where the skipped keys
// must be sorted first (shown beside raw SQLite's time for that sort alone).

#include "db/Conexiones.h"
#include "demo/DemoDatabase.h"
#include "grid/GrillaFlex.h"
#include "grid/QvDbGrid.h"
#include "platform/runtime/RuntimeError.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <sqlite3.h>
#include <stdexcept>

namespace {

constexpr int Rows = 100000;
constexpr long PageSize = 2000;
constexpr double Target = 0.2;

// The table, written with the raw SQLite API into the demo database: a key, texts, a date
// stored as the embedded engine stores dates, and an amount.
void createTable(const QString &file)
{
    sqlite3 *db = nullptr;
    if (sqlite3_open(file.toUtf8().constData(), &db) != SQLITE_OK)
        throw std::runtime_error("cannot open the demo database");
    const char *const sql = R"(
CREATE TABLE Grilla (ID INTEGER PRIMARY KEY, Codigo TEXT(10), Nombre TEXT(50), Fecha DATETIME,
                     Importe MONEY, Zona INTEGER);
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100000)
INSERT INTO Grilla SELECT i, printf('C%06d', i), printf('CLIENTE NUMERO %d', (i * 7919) % 100000),
    datetime('2020-01-01', '+' || ((i * 37) % 2000) || ' days'), ((i * 31) % 100000) / 100.0, i % 25 FROM n;
)";
    char *error = nullptr;
    const int result = sqlite3_exec(db, sql, nullptr, nullptr, &error);
    sqlite3_close(db);
    if (result != SQLITE_OK) {
        const std::string message = error ? error : "insert failed";
        sqlite3_free(error);
        throw std::runtime_error(message);
    }
}

double seconds(const QElapsedTimer &timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

struct Figures {
    double firstPage = 0;
    double lastPage = 0;
    int lastPageRows = 0;
};

Figures measure(const QString &query, bool sortByDate)
{
    QvDbGrid grid;
    grid.setSql(query);
    grid.setPageSize(PageSize);
    grid.resize(1000, 700);
    grid.show();
    Figures figures;
    QElapsedTimer timer;
    timer.start();
    grid.LoadQvDBGrid();
    figures.firstPage = seconds(timer);
    if (sortByDate) {
        grid.MsFlexGrid->setCol(4);
        grid.ImgOrdenDesc_Click();
        timer.restart();
        grid.CargarPagina(1);
        figures.firstPage = seconds(timer);
    }
    timer.restart();
    grid.CargarPagina(static_cast<int>(grid.UltimaPagina()));
    figures.lastPage = seconds(timer);
    figures.lastPageRows = grid.MsFlexGrid->Rows() - 1;
    return figures;
}

void report(const char *what, const Figures &figures, bool target)
{
    const bool fast = figures.firstPage < Target && figures.lastPage < Target;
    std::printf("%-28s first page %.3f s  last page %.3f s (%d rows)%s\n", what, figures.firstPage, figures.lastPage,
                figures.lastPageRows,
                !target ? ""
                : fast  ? "  ok"
                        : "  SLOWER THAN 0.2 s");
}

// Raw SQLite's time for the keys that the last page of the date order skips.
double rawSortSeconds(const QString &file)
{
    sqlite3 *db = nullptr;
    sqlite3_open(file.toUtf8().constData(), &db);
    QElapsedTimer timer;
    timer.start();
    sqlite3_exec(db, "SELECT count(*) FROM (SELECT ID FROM Grilla ORDER BY Fecha DESC LIMIT 98000)", nullptr, nullptr,
                 nullptr);
    const double elapsed = seconds(timer);
    sqlite3_close(db);
    return elapsed;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir work;
    qputenv("COMISIONES_DATOS", work.path().toUtf8());
    try {
        demo::createDemoDatabase(work.path(), {demo::MinimumCollections, 1});
        createTable(QDir(work.path()).filePath(QStringLiteral("DEMO.db")));
        gBaseDatos->gUsuario = QStringLiteral("DEMO");
        gBaseDatos->OpenServerADODB(false, 3,
                                    QStringLiteral("PROVIDER=SQLOLEDB;Server=sqlite;Database =DEMO;UId=DEMO;Pwd=DEMO;"),
                                    false, false);
        if (!gBaseDatos->gOpenFlag)
            throw std::runtime_error("the demo database did not open");
        std::printf("grid over %d rows, %ld rows a page\n", Rows, PageSize);
        report("query's own order", measure(QStringLiteral("SELECT * FROM Grilla"), false), true);
        report("with its own WHERE", measure(QStringLiteral("SELECT * FROM Grilla WHERE Zona < 20"), false), true);
        report("sorted by date (desc)", measure(QStringLiteral("SELECT * FROM Grilla"), true), false);
        std::printf("%-28s raw SQLite sorts the 98,000 skipped keys in %.3f s\n", "",
                    rawSortSeconds(QDir(work.path()).filePath(QStringLiteral("DEMO.db"))));
    } catch (const rt::RuntimeError &error) {
        std::fprintf(stderr, "grid_bench: %ld %s\n", error.Number, qPrintable(error.Description));
        return 1;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "grid_bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
