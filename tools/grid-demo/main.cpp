// grid-demo [--page N] [--key COLUMN] FILE QUERY
// Shows the paged grid over a query on an embedded database file, through the program's own
// main connection, as a host window would: to try the grid by hand or look at it in a test.

#include "db/Conexiones.h"
#include "grid/QvDbGrid.h"
#include "platform/ado/sqlite/EmbeddedDatabase.h"
#include "platform/ui/QtTranslation.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdio>

namespace {

struct Arguments {
    QFileInfo file;
    QString query;
    long pageSize = 50;
    QString key;
};

Arguments parseArguments(const QApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Shows the paged grid over a query on an embedded database file."));
    parser.addHelpOption();
    const QCommandLineOption page(QStringLiteral("page"), QStringLiteral("Rows per page (default 50)."),
                                  QStringLiteral("N"), QStringLiteral("50"));
    const QCommandLineOption key(QStringLiteral("key"), QStringLiteral("Key column of the paging (default ID)."),
                                 QStringLiteral("COLUMN"), QStringLiteral("ID"));
    parser.addOption(page);
    parser.addOption(key);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Database file of the embedded engine (.db)."));
    parser.addPositionalArgument(QStringLiteral("QUERY"), QStringLiteral("The query the grid shows."));
    parser.process(app);
    bool pageOk = false;
    Arguments arguments;
    arguments.pageSize = parser.value(page).toLong(&pageOk);
    arguments.key = parser.value(key);
    if (parser.positionalArguments().size() != 2 || !pageOk)
        parser.showHelp(2);
    arguments.file = QFileInfo(parser.positionalArguments().at(0));
    arguments.query = parser.positionalArguments().at(1);
    return arguments;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ui::useSpanishQtTexts();
    const Arguments arguments = parseArguments(app);
    // Checked here: the program's connection would ask in a message box whether to try again.
    if (!arguments.file.isFile() || arguments.file.suffix() != QLatin1String("db")
        || !ado::sqlite::isDatabaseFile(arguments.file.filePath())) {
        std::fprintf(stderr, "grid-demo: %s is not a database file (.db)\n", qPrintable(arguments.file.filePath()));
        return 1;
    }
    // The embedded engine opens <data folder>/<Database>.db; the database login is named after
    // the database, as the program's own start-up does.
    qputenv("COMISIONES_DATOS", arguments.file.absolutePath().toUtf8());
    const QString database = arguments.file.completeBaseName();
    gBaseDatos->gUsuario = database;

    QWidget window;
    window.setWindowTitle(QStringLiteral("grid-demo - ") + arguments.file.fileName());
    auto *grid = new QvDbGrid(&window);
    auto *layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid);
    grid->setConString(QStringLiteral("PROVIDER=SQLOLEDB;Server=sqlite;Database =%1;UId=%1;Pwd=%1;").arg(database));
    if (!gBaseDatos->gOpenFlag)
        return 1;
    grid->setSql(arguments.query);
    grid->setPrimaryKey(arguments.key);
    grid->setPageSize(arguments.pageSize);
    grid->setColumnas(true);
    grid->pColorIntercalado = true;
    grid->pPintaFilaSel = true;
    window.resize(1100, 640);
    window.show();
    grid->LoadQvDBGrid();
    return app.exec();
}
