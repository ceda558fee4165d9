#include "platform/ado/sqlite/StatementCache.h"

#include "platform/ado/sqlite/SqliteErrors.h"

#include <sqlite3.h>

namespace ado::sqlite {

StatementCache::~StatementCache()
{
    clear();
}

sqlite3_stmt *StatementCache::prepare(const QByteArray &sql, QByteArray &rest)
{
    const auto found = m_entries.constFind(sql);
    if (found != m_entries.constEnd()) {
        rest = found->rest;
        return found->statement;
    }
    sqlite3_stmt *statement = nullptr;
    const char *tail = nullptr;
    if (sqlite3_prepare_v3(m_db, sql.constData(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT, &statement,
                           &tail)
        != SQLITE_OK)
        throwSqliteError(m_db, QString::fromUtf8(sql));
    rest = tail ? QByteArray(tail, sql.constData() + sql.size() - tail).trimmed() : QByteArray();
    if (!statement)
        return nullptr;
    // Texts with literals inside rarely come twice; a full cache starts over rather than
    // tracking use.
    if (m_entries.size() >= Capacity)
        clear();
    m_entries.insert(sql, Entry{statement, rest});
    return statement;
}

sqlite3_stmt *StatementCache::prepare(const QString &sql, QByteArray &rest)
{
    const auto found = m_texts.constFind(sql.constData());
    if (found != m_texts.constEnd() && found->text.size() == sql.size()) {
        rest = found->entry.rest;
        return found->entry.statement;
    }
    sqlite3_stmt *statement = prepare(sql.toUtf8(), rest);
    // Only a text of its own storage: a text over raw characters could change under its pointer.
    if (!statement || sql.capacity() == 0)
        return statement;
    // Texts of the same bytes may come as other objects (a translation made again): a full list
    // starts over, the statements stay.
    if (m_texts.size() >= Capacity)
        m_texts.clear();
    m_texts.insert(sql.constData(), KnownText{sql, Entry{statement, rest}});
    return statement;
}

void StatementCache::clear()
{
    m_texts.clear();
    m_columns.clear();
    for (const Entry &entry : std::as_const(m_entries))
        sqlite3_finalize(entry.statement);
    m_entries.clear();
}

StatementReset::~StatementReset()
{
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
}

} // namespace ado::sqlite
