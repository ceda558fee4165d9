// listas_bench [--scales 1000,10000,100000]: builds one settlement over the whole demo range on
// demo databases of the given numbers of collections, then drives the settlement window
// offscreen as a user would: confirms the settlement's number, clicks a salesperson, one of his
// collections and one of its vouchers. Prints, for each click, the seconds from the click to the
// window painted again and the rows of the lists it filled; then each of those lists filled
// again alone, with its seconds, and the article lines' query alone through the program's
// connection (what the list adds to it is the list's own work); last "Borrar Liquidacion"
// confirmed, with its seconds. Targets: every list filled in under 0.3 s, the article lines in
// under 0.2 s beyond their query, the salesperson click answered in under 0.5 s, every other
// click and the delete in under 1 s.

#include "BenchProgram.h"
#include "BenchScales.h"
#include "db/Conexiones.h"
#include "db/DB_Dll.h"
#include "demo/DemoDatabase.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Text.h"
#include "session/Sesion.h"
#include "settlements/FrmComisionesVendedor.h"
#include "settlements/GeneradorComisiones.h"
#include "settlements/ListaDetalle.h"
#include "settlements/VentanaGeneracion.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <cstdio>
#include <cstring>
#include <functional>
#include <stdexcept>

namespace {

constexpr double TargetListSeconds = 0.3;
constexpr double TargetBeyondQuerySeconds = 0.2;
constexpr double TargetSalespersonSeconds = 0.5;
constexpr double TargetClickSeconds = 1.0;

// The generator's window when nobody watches it.
class QuietWindow final : public VentanaGeneracion {
public:
    void mostrarEstado(const QString &) override { }
    void procesarEventos() override { }
    void Detalleon(bool) override { }
    void Inicializa() override { }
    bool recalcular() const override { return false; }
};

struct Click {
    QString what;
    double seconds = 0;
    QString rows; // the rows of the lists it filled, total rows included
};

struct Figures {
    int collections = 0;
    QList<Click> clicks; // the first is the settlement number, the second the salesperson
    QList<Click> lists; // each list filled alone, as the last click left the window
    Click lines; // the article lines filled alone
    Click linesQuery; // their query alone, read whole through the program's connection
    Click deleted; // "Borrar Liquidacion" confirmed, as the lists left the window
};

void buildSettlement()
{
    QuietWindow window;
    QString from = demo::firstDay().toString(QStringLiteral("dd/MM/yyyy"));
    QString to = demo::lastDay().toString(QStringLiteral("dd/MM/yyyy"));
    QString salesperson;
    QString rebuilt;
    if (GeneradorComisiones(*gBaseDatos, window).GeneraComisionesNew(from, to, salesperson, rebuilt)
        != GeneradorComisiones::Fin::Cerrada)
        throw std::runtime_error("the settlement build did not reach its end");
}

QTreeWidget *list(const FrmComisionesVendedor &window, int n)
{
    auto *found = window.findChild<QTreeWidget *>(QStringLiteral("ListView%1").arg(n));
    if (!found)
        throw std::runtime_error("the window has no such list");
    return found;
}

// The first row of a list that stands for something to drill into (a code, not the total row).
QTreeWidgetItem *firstRow(QTreeWidget *list)
{
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = list->topLevelItem(i);
        const QString code = rt::Trim(item->text(0));
        if (!code.isEmpty() && code != QLatin1String("Tot"))
            return item;
    }
    throw std::runtime_error(qPrintable(QStringLiteral("%1 is empty").arg(list->objectName())));
}

QTreeWidgetItem *rowOf(QTreeWidget *list, const QString &first, const QString &second)
{
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = list->topLevelItem(i);
        if (item->text(0) == first && item->text(1) == second)
            return item;
    }
    throw std::runtime_error(qPrintable(QStringLiteral("%1 has no row %2 %3").arg(list->objectName(), first, second)));
}

Click timed(const QString &what, const FrmComisionesVendedor &window, const QList<int> &filled,
            const std::function<void()> &click)
{
    QElapsedTimer timer;
    timer.start();
    click();
    QCoreApplication::processEvents();
    Click result{what, static_cast<double>(timer.nsecsElapsed()) / 1e9, {}};
    QStringList rows;
    for (const int n : filled)
        rows.append(QStringLiteral("ListView%1 %2").arg(n).arg(list(window, n)->topLevelItemCount()));
    result.rows = rows.join(QStringLiteral(", "));
    return result;
}

int storedCollections()
{
    ado::Recordset rs;
    rs.Open(QStringLiteral("SELECT COUNT(*) AS N FROM V_COMISIONES_VENDEDOR_COB"), gBaseDatos->gCnn);
    return rs(QStringLiteral("N")).asLong();
}

// Clicks the row's first cell: a wide row's middle may lie beyond the list's edge.
void clickRow(QTreeWidget *list, QTreeWidgetItem *item)
{
    list->scrollToItem(item);
    const QRect row = list->visualItemRect(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      QPoint(row.left() + list->columnWidth(0) / 2, row.center().y()));
}

Figures measure(int collections, const QString &folder)
{
    demo::createDemoDatabase(folder, demo::DemoOptions{collections, 1});
    qputenv("COMISIONES_DATOS", folder.toUtf8());
    openProgramConnection();
    buildSettlement();

    Figures figures{collections, {}, {}, {}, {}, {}};
    {
        FrmComisionesVendedor window;
        window.Inicializa();
        window.show();
        window.activateWindow();
        // A click reaches a list's focus handling only in the active window.
        if (!QTest::qWaitForWindowActive(&window))
            throw std::runtime_error("the settlement window did not become active");
        auto *number = window.findChild<QLineEdit *>(QStringLiteral("txtfields_0"));
        number->setFocus();
        QTest::keyClicks(number, QStringLiteral("1"));
        figures.clicks.append(timed(QStringLiteral("settlement number confirmed"), window, {1},
                                    [&] { QTest::keyClick(number, Qt::Key_Return); }));
        QTreeWidget *salespersons = list(window, 1);
        QTreeWidgetItem *salesperson = firstRow(salespersons);
        figures.clicks.append(timed(QStringLiteral("salesperson ") + salesperson->text(0), window, {2, 3, 5},
                                    [&] { clickRow(salespersons, salesperson); }));
        // A collection that paid a voucher, so that its voucher can be clicked next.
        QTreeWidget *collectionList = list(window, 2);
        const QTreeWidgetItem *paid = firstRow(list(window, 3));
        QTreeWidgetItem *collection = rowOf(collectionList, paid->text(7), paid->text(8));
        figures.clicks.append(timed(QStringLiteral("collection ") + collection->text(1), window, {3, 5},
                                    [&] { clickRow(collectionList, collection); }));
        QTreeWidget *voucherList = list(window, 3);
        QTreeWidgetItem *voucher = firstRow(voucherList);
        figures.clicks.append(
            timed(QStringLiteral("voucher ") + voucher->text(1), window, {5}, [&] { clickRow(voucherList, voucher); }));

        // The lists of the salesperson click, each on its own.
        QString none;
        QString settlement = QStringLiteral("1");
        QString code = salesperson->text(0);
        figures.lists.append(timed(QStringLiteral("salespersons"), window, {1},
                                   [&] { window.CargarLiquidacionComisionesNew(settlement, code); }));
        salespersons->setCurrentItem(firstRow(salespersons));
        figures.lists.append(
            timed(QStringLiteral("collections of ") + code, window, {2}, [&] { window.CargaCobranzas(); }));
        figures.lists.append(
            timed(QStringLiteral("vouchers of ") + code, window, {3}, [&] { window.CargaAplicacion(none, none); }));
        figures.lines = timed(QStringLiteral("article lines of ") + code, window, {5},
                              [&] { window.CargarDetalle(none, none, none, none); });
        figures.lists.append(figures.lines);
        long read = 0;
        figures.linesQuery = timed(QStringLiteral("their query alone"), window, {}, [&] {
            ado::Recordset rs;
            rs.Open(ListaDetalle::sentencia(settlement, code, none, none, none, none), gBaseDatos->gCnn);
            read = rs.RecordCount();
        });
        figures.linesQuery.rows = QStringLiteral("%1 rows read").arg(read);

        // The confirmation is answered Yes by the console's dialogs.
        auto *deleteButton = window.findChild<QPushButton *>(QStringLiteral("CmdBorrar"));
        figures.deleted = timed(QStringLiteral("settlement deleted"), window, {1, 2, 3, 5},
                                [&] { QTest::mouseClick(deleteButton, Qt::LeftButton); });
        if (storedCollections() != 0)
            throw std::runtime_error("the settlement was not deleted");
    }
    gBaseDatos.reset();
    return figures;
}

void printTable(const QList<Figures> &all)
{
    bool clicksFast = true;
    bool salespersonFast = true;
    bool listsFast = true;
    bool linesFast = true;
    const auto row = [](int collections, const char *indent, const Click &click) {
        std::printf("%-11d %s%-*s %7.3f s %s\n", collections, indent, 36 - static_cast<int>(std::strlen(indent)),
                    qPrintable(click.what), click.seconds, qPrintable(click.rows));
    };
    std::printf("\n%-11s %-36s %-9s %s\n", "collections", "click, or list filled alone", "seconds", "rows listed");
    for (const Figures &f : all) {
        for (qsizetype i = 0; i < f.clicks.size(); ++i) {
            const Click &click = f.clicks.at(i);
            clicksFast = clicksFast && click.seconds < TargetClickSeconds;
            if (i == 1)
                salespersonFast = salespersonFast && click.seconds < TargetSalespersonSeconds;
            row(f.collections, "", click);
        }
        for (const Click &list : f.lists) {
            listsFast = listsFast && list.seconds < TargetListSeconds;
            row(f.collections, "  ", list);
        }
        row(f.collections, "    ", f.linesQuery);
        const double beyond = f.lines.seconds - f.linesQuery.seconds;
        linesFast = linesFast && beyond < TargetBeyondQuerySeconds;
        std::printf("%-11d     %-32s %7.3f s\n", f.collections, "the article lines beyond it", beyond);
        clicksFast = clicksFast && f.deleted.seconds < TargetClickSeconds;
        row(f.collections, "", f.deleted);
    }
    std::printf("\nevery list under %.1f s: %s; the article lines under %.1f s beyond their query: %s; the "
                "salesperson click under %.1f s: %s; every click and the delete under %.0f s: %s\n",
                TargetListSeconds, listsFast ? "yes" : "NO", TargetBeyondQuerySeconds, linesFast ? "yes" : "NO",
                TargetSalespersonSeconds, salespersonFast ? "yes" : "NO", TargetClickSeconds,
                clicksFast ? "yes" : "NO");
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The program shows its first form long before any settlement is built, and that form starts
    // the platform's accessibility link. Under X without a session bus the link forks a launcher;
    // a fork over a heap a build has grown would make every click timed here fault on each page
    // it writes, which the program never pays.
    QAccessible::isActive();
    const QList<int> scales =
        benchScales(app, QStringLiteral("Times the settlement window's lists on demo settlements."));
    ConsoleDialogs dialogs;
    ui::setDialogService(&dialogs);
    gUsuarioLogeado = QStringLiteral("BENCH");
    const std::optional<QList<Figures>> all =
        measureEachScale<Figures>("listas_bench", "settlement lists of a demo database", scales, measure);
    ui::setDialogService(nullptr);
    if (!all)
        return 1;
    printTable(*all);
    return 0;
}
