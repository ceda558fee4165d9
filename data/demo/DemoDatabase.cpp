#include "demo/DemoDatabase.h"

#include "demo/CatalogWriter.h"
#include "demo/DemoScenario.h"
#include "demo/DemoSettings.h"
#include "demo/KitchenOrders.h"
#include "demo/VoucherPrintData.h"
#include "demo/ReceiptEntries.h"
#include "schema/SchemaFiles.h"

#include <QDir>
#include <stdexcept>

namespace demo {

namespace {

// Collections written between two commits: large enough for speed, small enough that the
// pending rows stay a few megabytes.
constexpr int CollectionsPerTransaction = 2000;

QString fileConnectionString(const QString &path)
{
    return QStringLiteral("PROVIDER=Microsoft.Jet.OLEDB.4.0;Data Source=\"%1\";").arg(path);
}

void checkOptions(const DemoOptions &options)
{
    if (options.collections < MinimumCollections)
        throw std::invalid_argument("the demo database needs at least " + std::to_string(MinimumCollections)
                                    + " collections");
}

void writeVouchers(ado::Connection &company, const DemoOptions &options, Prng &prng)
{
    VoucherWriter writer(company, prng);
    DemoScenario scenario(writer, prng, firstDay(), static_cast<int>(firstDay().daysTo(lastDay())) + 1);
    int committed = 0;
    company.BeginTrans();
    scenario.run(options.collections, [&](int written) {
        if (written - committed < CollectionsPerTransaction)
            return;
        writer.flush();
        company.CommitTrans();
        company.BeginTrans();
        committed = written;
    });
    writer.flush();
    company.CommitTrans();
}

} // namespace

QDate firstDay()
{
    return {2024, 3, 1};
}

QDate lastDay()
{
    return {2024, 4, 30};
}

void writeDemoData(ado::Connection &company, ado::Connection &statistics, const DemoOptions &options)
{
    checkOptions(options);
    Prng prng(options.seed);
    company.BeginTrans();
    writeSettings(company);
    writeCatalogues(company, firstDay(), lastDay());
    writeEdgeCaseAccounts(company);
    company.CommitTrans();
    writeVouchers(company, options, prng);
    writeVoucherPrintData(company);
    writeReceiptEntries(company, options.seed, firstDay());
    writeKitchenOrders(company);
    writeStatisticsSettings(statistics);
}

void createDemoDatabase(const QString &folder, const DemoOptions &options)
{
    checkOptions(options);
    const QDir dir(folder);
    schema::createDatabases(folder, QStringLiteral("DEMO"));
    ado::Connection company;
    company.Open(fileConnectionString(dir.filePath(QStringLiteral("DEMO.db"))));
    ado::Connection statistics;
    statistics.Open(fileConnectionString(dir.filePath(schema::statisticsDatabaseName() + QStringLiteral(".db"))));
    writeDemoData(company, statistics, options);
}

} // namespace demo
