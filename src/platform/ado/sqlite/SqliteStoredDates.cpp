#include "platform/ado/sqlite/SqliteStoredDates.h"

#include "platform/ado/Engine.h"
#include "platform/ado/sqlite/SqliteErrors.h"
#include "platform/ado/sqlite/SqliteHandle.h"
#include "platform/ado/sqlite/SqliteSchema.h"

#include <sqlite3.h>

namespace ado::sqlite {

namespace {

QString quoted(QString name)
{
    return u'"' + name.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString joined(const QStringList &columns, const QString &pattern, const QString &separator = QStringLiteral(", "))
{
    QStringList parts;
    for (const QString &column : columns)
        parts.append(pattern.arg(quoted(column)));
    return parts.join(separator);
}

// Temporary triggers: they live with the connection and leave the database file as it is. The
// check runs for every row written; the rewrite only for a row that needs it.
QString watchersOf(const DateTable &table, qsizetype number)
{
    const QString when =
        QStringLiteral("WHEN NOT tsql_storeddates(%1) ").arg(joined(table.columns, QStringLiteral("NEW.%1")));
    const QString body =
        QStringLiteral("BEGIN UPDATE %1 SET %2 WHERE _rowid_ = NEW._rowid_; END;")
            .arg(quoted(table.name), joined(table.columns, QStringLiteral("%1 = tsql_storeddate(%1)")));
    const QString on = QStringLiteral("ON ") + table.schema + u'.' + quoted(table.name) + u' ';
    return QStringLiteral("CREATE TEMP TRIGGER tsql_dates_inserted_%1 AFTER INSERT ").arg(number) + on + when + body
           + QStringLiteral("CREATE TEMP TRIGGER tsql_dates_updated_%1 AFTER UPDATE OF %2 ")
                 .arg(QString::number(number), joined(table.columns, QStringLiteral("%1")))
           + on + when + body;
}

// Whether the query gives a row.
bool givesRow(sqlite3 *db, const QString &sql)
{
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(db, text.constData(), static_cast<int>(text.size()), &statement, nullptr) != SQLITE_OK)
        throwSqliteError(db, sql);
    const int rc = sqlite3_step(statement);
    sqlite3_finalize(statement);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        throwSqliteError(db, sql);
    return rc == SQLITE_ROW;
}

// The watchers set up before, by their names.
QStringList watcherNames(sqlite3 *db)
{
    QStringList names;
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(db,
                           "SELECT name FROM sqlite_temp_schema WHERE type = 'trigger' "
                           "AND name LIKE 'tsql!_dates!_%' ESCAPE '!'",
                           -1, &statement, nullptr)
        != SQLITE_OK)
        throwSqliteError(db, QStringLiteral("sqlite_temp_schema"));
    while (sqlite3_step(statement) == SQLITE_ROW)
        names.append(QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, 0))));
    sqlite3_finalize(statement);
    return names;
}

} // namespace

void storeFoundNumbersAsDates(SqliteHandle &handle)
{
    sqlite3 *db = handle.get();
    if (sqlite3_db_readonly(db, "main") == 1)
        return;
    try {
        QString sql;
        for (const DateTable &table : storedDateColumnsOf(db)) {
            // Numbers sort before every text.
            const QString numbers = joined(table.columns, QStringLiteral("%1 < ''"), QStringLiteral(" OR "));
            if (givesRow(db, QStringLiteral("SELECT 1 FROM %1.%2 WHERE %3 LIMIT 1")
                                 .arg(table.schema, quoted(table.name), numbers)))
                sql += QStringLiteral("UPDATE %1.%2 SET %3 WHERE %4;")
                           .arg(table.schema, quoted(table.name),
                                joined(table.columns, QStringLiteral("%1 = tsql_founddate(%1)")), numbers);
        }
        if (!sql.isEmpty())
            handle.exec(QStringLiteral("BEGIN IMMEDIATE;") + sql + QStringLiteral("COMMIT;"));
    } catch (const EngineError &) {
        // Held by another program at this moment: a later connection tries again.
        if (!sqlite3_get_autocommit(db))
            handle.exec(QStringLiteral("ROLLBACK"));
    }
}

void watchStoredDates(SqliteHandle &handle)
{
    QString sql;
    for (const QString &name : watcherNames(handle.get()))
        sql += QStringLiteral("DROP TRIGGER temp.%1;").arg(quoted(name));
    qsizetype number = 0;
    for (const DateTable &table : storedDateColumnsOf(handle.get()))
        sql += watchersOf(table, ++number);
    if (!sql.isEmpty())
        handle.exec(sql);
}

} // namespace ado::sqlite
