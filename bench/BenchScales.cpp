#include "BenchScales.h"

#include "demo/DemoDatabase.h"

#include <QCommandLineParser>

QList<int> benchScales(const QCoreApplication &app, const QString &description)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(description);
    parser.addHelpOption();
    const QCommandLineOption scales(QStringLiteral("scales"), QStringLiteral("Demo sizes in collections."),
                                    QStringLiteral("N,N,..."), QStringLiteral("1000,10000,100000"));
    parser.addOption(scales);
    parser.process(app);
    QList<int> found;
    for (const QString &text : parser.value(scales).split(u',')) {
        bool ok = false;
        const int value = text.trimmed().toInt(&ok);
        if (!ok || value < demo::MinimumCollections)
            parser.showHelp(2);
        found.append(value);
    }
    return found;
}
