#include "schema/SchemaFiles.h"

#include "platform/ado/sqlite/EmbeddedDatabase.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

namespace schema {

namespace {

QString resourceText(const QString &name)
{
    QFile file(QStringLiteral(":/schema/") + name);
    if (!file.open(QIODevice::ReadOnly))
        throw std::logic_error("schema resource missing: " + name.toStdString());
    return QString::fromUtf8(file.readAll());
}

} // namespace

QString companyDdl()
{
    return resourceText(QStringLiteral("comisiones.sql"));
}

QString statisticsDdl()
{
    return resourceText(QStringLiteral("estadisticas.sql"));
}

QString statisticsDatabaseName()
{
    return QStringLiteral("QV_ESTADISTICAS");
}

void createDatabases(const QString &folder, const QString &companyDatabase)
{
    const QDir dir(folder);
    ado::sqlite::createEmbeddedDatabase(dir.filePath(companyDatabase + QStringLiteral(".db")), companyDdl());
    ado::sqlite::createEmbeddedDatabase(dir.filePath(statisticsDatabaseName() + QStringLiteral(".db")),
                                        statisticsDdl());
}

} // namespace schema
