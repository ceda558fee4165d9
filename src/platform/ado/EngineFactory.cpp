#include "platform/ado/EngineFactory.h"

#include "platform/ado/AdoErrors.h"
#include "platform/ado/ConnectionString.h"
#include "platform/ado/odbc/OdbcEngine.h"
#include "platform/ado/sqlite/EmbeddedDatabase.h"
#include "platform/ado/sqlite/SqliteEngine.h"
#include "platform/runtime/RuntimeError.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace ado {

namespace {

// The ODBC engine reads its driver names from the environment and builds its own ODBC string.
std::unique_ptr<Engine> odbcEngine(const ConnectionString &)
{
    return std::make_unique<odbc::OdbcEngine>();
}

// A database name is a name, never a path: it must not reach a file outside the data folder.
bool isDatabaseName(const QString &name)
{
    return !name.isEmpty() && std::all_of(name.cbegin(), name.cend(), [](QChar c) {
        return c.isLetter() || c.isDigit() || c == u' ' || c == u'_' || c == u'-' || c == u'.';
    });
}

// SQL Server matches database names without regard to case; so does the data folder. Any other
// name gives no file, which opens as an unknown database.
QString databaseFile(const QString &database)
{
    if (!isDatabaseName(database))
        return {};
    const QDir folder(sqlite::dataFolder());
    const QString fileName = database + QStringLiteral(".db");
    if (!folder.exists(fileName)) {
        for (const QString &present : folder.entryList({QStringLiteral("*.db")}, QDir::Files)) {
            if (present.compare(fileName, Qt::CaseInsensitive) == 0)
                return folder.filePath(present);
        }
    }
    return folder.filePath(fileName);
}

std::unique_ptr<Engine> embeddedServerEngine(const ConnectionString &settings)
{
    const QString database = settings.database().trimmed();
    sqlite::EmbeddedTarget target;
    target.path = databaseFile(database);
    target.catalog = database;
    target.missingFile = sqlite::MissingFileReport::SqlServerLogin;
    return std::make_unique<sqlite::SqliteEngine>(target);
}

std::unique_ptr<Engine> embeddedFileEngine(const ConnectionString &settings)
{
    sqlite::EmbeddedTarget target;
    target.path = settings.dataSource();
    target.catalog = QFileInfo(target.path).completeBaseName();
    target.missingFile = sqlite::MissingFileReport::JetFile;
    return std::make_unique<sqlite::SqliteEngine>(target);
}

bool startsWith(const QString &text, const char *prefix)
{
    return text.startsWith(QLatin1String(prefix), Qt::CaseInsensitive);
}

} // namespace

std::unique_ptr<Engine> makeStandardEngine(const QString &connectionString)
{
    const ConnectionString settings(connectionString);
    const QString provider = settings.provider().trimmed();
    if (startsWith(provider, "sqloledb")) {
        if (settings.server().trimmed().compare(QLatin1String("sqlite"), Qt::CaseInsensitive) == 0)
            return embeddedServerEngine(settings);
        return odbcEngine(settings);
    }
    if (startsWith(provider, "oraoledb"))
        return odbcEngine(settings);
    if (startsWith(provider, "microsoft.jet.oledb"))
        return embeddedFileEngine(settings);
    raiseAdoError(rt::err::AdoProviderNotFound, QStringLiteral("ADODB.Connection"));
}

} // namespace ado
