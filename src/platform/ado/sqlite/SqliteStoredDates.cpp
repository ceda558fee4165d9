#include "platform/ado/sqlite/SqliteStoredDates.h"

#include "platform/ado/sqlite/SqliteHandle.h"
#include "platform/ado/sqlite/SqliteSchema.h"

namespace ado::sqlite {

namespace {

QString quoted(QString name)
{
    return u'"' + name.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString joined(const QStringList &columns, const QString &pattern)
{
    QStringList parts;
    for (const QString &column : columns)
        parts.append(pattern.arg(quoted(column)));
    return parts.join(QStringLiteral(", "));
}

// Temporary triggers: they live with the connection and leave the database file as it is. The
// check runs for every row written; the rewrite only for a row that needs it.
QString watchersOf(const QString &table, const QStringList &columns, qsizetype number)
{
    const QString when =
        QStringLiteral("WHEN NOT tsql_storeddates(%1) ").arg(joined(columns, QStringLiteral("NEW.%1")));
    const QString body = QStringLiteral("BEGIN UPDATE %1 SET %2 WHERE _rowid_ = NEW._rowid_; END;")
                             .arg(quoted(table), joined(columns, QStringLiteral("%1 = tsql_storeddate(%1)")));
    const QString on = QStringLiteral("ON main.") + quoted(table) + u' ';
    return QStringLiteral("CREATE TEMP TRIGGER tsql_dates_inserted_%1 AFTER INSERT ").arg(number) + on + when + body
           + QStringLiteral("CREATE TEMP TRIGGER tsql_dates_updated_%1 AFTER UPDATE OF %2 ")
                 .arg(QString::number(number), joined(columns, QStringLiteral("%1")))
           + on + when + body;
}

} // namespace

void watchStoredDates(SqliteHandle &handle)
{
    const QHash<QString, QStringList> tables = storedDateColumnsOf(handle.get());
    QString sql;
    qsizetype number = 0;
    for (auto table = tables.cbegin(); table != tables.cend(); ++table)
        sql += watchersOf(table.key(), table.value(), ++number);
    if (!sql.isEmpty())
        handle.exec(sql);
}

} // namespace ado::sqlite
