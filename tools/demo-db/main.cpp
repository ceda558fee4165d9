// demo-db [--scale N] [--seed S] FOLDER
// Writes FOLDER/DEMO.db and FOLDER/QV_ESTADISTICAS.db: the demo company with N collections, and
// FOLDER/Comanderas.cfg, the demo's kitchen printers for this workstation, unless it is there.

#include "demo/DemoDatabase.h"
#include "demo/KitchenOrders.h"
#include "platform/ado/Engine.h"
#include "platform/outside/Equipo.h"
#include "platform/runtime/RuntimeError.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <exception>

namespace {

struct Arguments {
    QString folder;
    demo::DemoOptions options;
};

// Reads the command line; exits with a usage message on bad arguments.
Arguments parseArguments(const QCoreApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Writes the demo database (DEMO.db and QV_ESTADISTICAS.db)."));
    parser.addHelpOption();
    const QCommandLineOption scale(QStringLiteral("scale"), QStringLiteral("Number of collections (default 300)."),
                                   QStringLiteral("N"), QStringLiteral("300"));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("Random seed (default 1)."),
                                  QStringLiteral("S"), QStringLiteral("1"));
    parser.addOption(scale);
    parser.addOption(seed);
    parser.addPositionalArgument(QStringLiteral("FOLDER"), QStringLiteral("Folder that receives the database files."));
    parser.process(app);

    bool scaleOk = false;
    bool seedOk = false;
    Arguments arguments;
    arguments.options.collections = parser.value(scale).toInt(&scaleOk);
    arguments.options.seed = parser.value(seed).toULongLong(&seedOk);
    if (parser.positionalArguments().size() != 1 || !scaleOk || !seedOk)
        parser.showHelp(2);
    arguments.folder = parser.positionalArguments().first();
    return arguments;
}

int fail(const QString &message)
{
    std::fprintf(stderr, "demo-db: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const Arguments arguments = parseArguments(app);
    if (!QDir().mkpath(arguments.folder))
        return fail(QStringLiteral("cannot create the folder %1").arg(arguments.folder));
    try {
        demo::createDemoDatabase(arguments.folder, arguments.options);
        const QString printers = QDir(arguments.folder).filePath(QStringLiteral("Comanderas.cfg"));
        const outside::Equipo workstation;
        if (!QFileInfo::exists(printers))
            demo::writeKitchenPrintersFile(printers,
                                           workstation.NombreEquipo() + QLatin1Char('|') + workstation.UsuarioEquipo());
    } catch (const ado::EngineError &error) {
        return fail(error.errors().isEmpty() ? QString::fromUtf8(error.what()) : error.errors().first().Description);
    } catch (const rt::RuntimeError &error) {
        return fail(error.Description);
    } catch (const std::exception &error) {
        return fail(QString::fromUtf8(error.what()));
    }
    std::printf("%s: DEMO.db and QV_ESTADISTICAS.db written (%d collections, seed %llu)\n",
                qPrintable(QDir(arguments.folder).absolutePath()), arguments.options.collections,
                static_cast<unsigned long long>(arguments.options.seed));
    return 0;
}
