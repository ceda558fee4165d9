// grid_bench: times the paged grid over a table of 1,000,000 rows on the embedded engine, with
// pages of 2,000 rows (the largest the page-size box takes), as the user reaches them: the load
// that counts the rows and shows page 1, the middle and the last page in the query's own order
// and sorted by a date column without index, and a search in every column and in one column
// (count and page 1 of the narrowed query). Targets: a page under 1 s, a search under 2 s.

#include "BenchProgram.h"

#include "db/Conexiones.h"
#include "demo/DemoDatabase.h"
#include "grid/GrillaFlex.h"
#include "grid/QvDbGrid.h"
#include "platform/runtime/RuntimeError.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolButton>
#include <cstdio>
#include <functional>
#include <sqlite3.h>
#include <stdexcept>

namespace {

constexpr int Rows = 1000000;
constexpr long PageSize = 2000;
constexpr double PageTarget = 1.0;
constexpr double SearchTarget = 2.0;

// The table, written with the raw SQLite API into the demo database: a key, texts, a date
// stored as the embedded engine stores dates, and an amount.
void createTable(const QString &file)
{
    sqlite3 *db = nullptr;
    if (sqlite3_open(file.toUtf8().constData(), &db) != SQLITE_OK)
        throw std::runtime_error("cannot open the demo database");
    const QByteArray sql = QStringLiteral(R"(
CREATE TABLE Grilla (ID INTEGER PRIMARY KEY, Codigo TEXT(10), Nombre TEXT(50), Fecha DATETIME,
                     Importe MONEY, Zona INTEGER);
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1)
INSERT INTO Grilla SELECT i, printf('C%07d', i), printf('CLIENTE NUMERO %d', (i * 7919) % %1),
    datetime('2020-01-01', '+' || ((i * 37) % 2000) || ' days'), ((i * 31) % 100000) / 100.0, i % 25 FROM n;
)")
                               .arg(Rows)
                               .toUtf8();
    char *error = nullptr;
    const int result = sqlite3_exec(db, sql.constData(), nullptr, nullptr, &error);
    sqlite3_close(db);
    if (result != SQLITE_OK) {
        const std::string message = error ? error : "insert failed";
        sqlite3_free(error);
        throw std::runtime_error(message);
    }
}

double seconds(const std::function<void()> &step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

void report(const char *what, double elapsed, double target, const QvDbGrid &grid)
{
    std::printf("| %-40s | %7.3f s | %7ld | %5d | %-6s |\n", what, elapsed, grid.PaginaActual(),
                grid.MsFlexGrid->Rows() - 1, elapsed < target ? "ok" : "SLOWER");
    std::fflush(stdout);
}

// The user's search: the column chosen in "Buscar por:", the text typed and the search button.
void buscar(QvDbGrid &grid, const QString &columna, const QString &texto)
{
    grid.findChild<QComboBox *>(QStringLiteral("CboFiltroCampo"))->setCurrentText(columna);
    grid.findChild<QLineEdit *>(QStringLiteral("txtBuscar"))->setText(texto);
    grid.findChild<QAction *>(QStringLiteral("BUSCAR"))->trigger();
}

void measure()
{
    QvDbGrid grid;
    grid.setSql(QStringLiteral("SELECT * FROM Grilla"));
    grid.setPageSize(PageSize);
    grid.resize(1000, 700);
    grid.show();
    const int middle = Rows / PageSize / 2;
    std::printf("| %-40s | %9s | %7s | %5s | %-6s |\n", "grid over 1,000,000 rows, 2,000 a page", "time", "page",
                "rows", "target");
    std::printf("|%s|%s|%s|%s|%s|\n", "------------------------------------------", "-----------", "---------",
                "-------", "--------");
    report("load: count and page 1", seconds([&] { grid.LoadQvDBGrid(); }), PageTarget, grid);
    report("middle page", seconds([&] { grid.CargarPagina(middle); }), PageTarget, grid);
    report("last page", seconds([&] { grid.CargarPagina(static_cast<int>(grid.UltimaPagina())); }), PageTarget, grid);
    grid.CargarPagina(1);
    grid.MsFlexGrid->setCol(4);
    report("sorted by date (desc): page 1", seconds([&] { grid.ImgOrdenDesc_Click(); }), PageTarget, grid);
    report("sorted by date: middle page", seconds([&] { grid.CargarPagina(middle); }), PageTarget, grid);
    report("sorted by date: last page", seconds([&] { grid.CargarPagina(static_cast<int>(grid.UltimaPagina())); }),
           PageTarget, grid);
    grid.findChild<QToolButton *>(QStringLiteral("ImgOrdenN"))->click();
    report("search '4242' in every column",
           seconds([&] { buscar(grid, QStringLiteral("Todos"), QStringLiteral("4242")); }), SearchTarget, grid);
    report("its last page", seconds([&] { grid.CargarPagina(static_cast<int>(grid.UltimaPagina())); }), PageTarget,
           grid);
    grid.findChild<QAction *>(QStringLiteral("ACTUALIZAR"))->trigger();
    report("search 'NUMERO 12' in Nombre",
           seconds([&] { buscar(grid, QStringLiteral("Nombre"), QStringLiteral("NUMERO 12")); }), SearchTarget, grid);
    report("its last page", seconds([&] { grid.CargarPagina(static_cast<int>(grid.UltimaPagina())); }), PageTarget,
           grid);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir work;
    qputenv("COMISIONES_DATOS", work.path().toUtf8());
    ConsoleDialogs dialogs;
    ui::setDialogService(&dialogs);
    int result = 0;
    try {
        demo::createDemoDatabase(work.path(), {demo::MinimumCollections, 1});
        createTable(QDir(work.path()).filePath(QStringLiteral("DEMO.db")));
        openProgramConnection();
        measure();
    } catch (const rt::RuntimeError &error) {
        std::fprintf(stderr, "grid_bench: %ld %s\n", error.Number, qPrintable(error.Description));
        result = 1;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "grid_bench: %s\n", error.what());
        result = 1;
    }
    ui::setDialogService(nullptr);
    return result;
}
