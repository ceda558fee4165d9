#pragma once

#include "platform/ado/sqlite/SqliteResult.h"

#include <QByteArray>
#include <QHash>

struct sqlite3;
struct sqlite3_stmt;

namespace ado::sqlite {

// Prepared statements kept per SQL text, so a text the program sends again is not compiled
// again. Statements are handed out reset; the cache finalises them all when destroyed.
class StatementCache {
public:
    explicit StatementCache(sqlite3 *db)
        : m_db(db)
    {
    }
    ~StatementCache();
    StatementCache(const StatementCache &) = delete;
    StatementCache &operator=(const StatementCache &) = delete;

    // The prepared first statement of `sql`; `rest` receives the text after it (SQLite prepares
    // one statement at a time). Null with an empty `rest` when `sql` holds only blanks or
    // comments. Throws EngineError when SQLite refuses the text.
    sqlite3_stmt *prepare(const QByteArray &sql, QByteArray &rest);
    // As prepare, for a text the engine's translations hand out: they give the very same text
    // object again row after row, which is found as such before its bytes are made and looked up.
    sqlite3_stmt *prepare(const QString &sql, QByteArray &rest);
    // The declared columns of the statements it holds.
    DeclaredColumns &declaredColumns() { return m_columns; }

private:
    struct Entry {
        sqlite3_stmt *statement = nullptr;
        QByteArray rest;
    };
    // A text prepared before, kept (so that its storage is neither freed nor reused while it
    // names the entry) with what its bytes gave.
    struct KnownText {
        QString text;
        Entry entry;
    };
    static constexpr int Capacity = 256;

    void clear();

    sqlite3 *m_db;
    QHash<QByteArray, Entry> m_entries;
    QHash<const QChar *, KnownText> m_texts; // by the text's storage
    DeclaredColumns m_columns;
};

// Resets a statement (and clears its parameters) when leaving a scope, however it is left.
class StatementReset {
public:
    explicit StatementReset(sqlite3_stmt *statement)
        : m_statement(statement)
    {
    }
    ~StatementReset();
    StatementReset(const StatementReset &) = delete;
    StatementReset &operator=(const StatementReset &) = delete;

private:
    sqlite3_stmt *m_statement;
};

} // namespace ado::sqlite
