#include "platform/ado/sqlite/SqliteHandle.h"

#include "platform/ado/AdoErrors.h"
#include "platform/ado/Engine.h"
#include "platform/ado/sqlite/EmbeddedDatabase.h"
#include "platform/ado/sqlite/SqliteDefenses.h"
#include "platform/ado/sqlite/SqliteErrors.h"
#include "platform/ado/sqlite/TsqlFunctions.h"
#include "platform/ado/sqlite/WalCheckpointer.h"
#include "platform/runtime/RuntimeError.h"

#include <sqlite3.h>
#include <utility>

namespace ado::sqlite {

namespace {

[[noreturn]] void throwFault(const QString &description)
{
    throw EngineError({providerError(rt::err::AdoEFail, 0, QStringLiteral("HY000"), description)});
}

// A name that matches no column is an error (207 on SQL Server), never a text: left to itself,
// SQLite reads an unknown "name" as the string 'name', and a misspelt column in a WHERE clause
// then compares that text with itself and takes every row.
void refuseUnknownNames(sqlite3 *db)
{
    for (const int setting : {SQLITE_DBCONFIG_DQS_DML, SQLITE_DBCONFIG_DQS_DDL}) {
        if (sqlite3_db_config(db, setting, 0, nullptr) != SQLITE_OK)
            throwFault(QStringLiteral("The database engine cannot refuse unknown names."));
    }
}

} // namespace

SqliteHandle::SqliteHandle(const QString &path, Mode mode, LockWait wait)
{
    // SQLite takes an empty file for a new database and writes one into it. The program never
    // makes a database by opening a file: one that does not begin as a database is refused
    // before SQLite touches it.
    if (mode == Mode::OpenExisting && !isDatabaseFile(path))
        throwFault(QStringLiteral("file is not a database: ") + path);
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;
    if (mode == Mode::CreateNew)
        flags |= SQLITE_OPEN_CREATE;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &m_db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("out of memory");
        sqlite3_close(m_db);
        m_db = nullptr;
        throwFault(QStringLiteral("%1: %2").arg(message, path));
    }
    // Another program may hold the file at this very moment, while it ends for one: even
    // journal_mode and the schema reads wait for it as every later statement does.
    sqlite3_busy_handler(m_db, wait.handler, wait.context);
    try {
        if (!defendConnection(m_db))
            throwFault(QStringLiteral("The database engine cannot keep statements inside the database."));
        // Outside its settlement builds the program commits one statement at a time; WAL with
        // NORMAL sync keeps that fast. A sort stays in memory up to the size of the page cache
        // and goes on in a temporary file beyond it: the article lines of a settlement of a
        // million collections would otherwise be held in memory twice, sorted and as read.
        exec(QStringLiteral("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; PRAGMA foreign_keys=ON; "
                            "PRAGMA cache_size=-65536; PRAGMA mmap_size=268435456; PRAGMA temp_store=FILE;"));
        refuseUnknownNames(m_db);
        registerTsqlFunctions(m_db);
        m_checkpointer = std::make_unique<WalCheckpointer>(m_db, path.toUtf8());
    } catch (...) {
        sqlite3_close(m_db);
        m_db = nullptr;
        throw;
    }
}

SqliteHandle::~SqliteHandle()
{
    close();
}

SqliteHandle::SqliteHandle(SqliteHandle &&other) noexcept
    : m_db(std::exchange(other.m_db, nullptr))
    , m_checkpointer(std::move(other.m_checkpointer))
{
}

SqliteHandle &SqliteHandle::operator=(SqliteHandle &&other) noexcept
{
    if (this != &other) {
        close();
        m_db = std::exchange(other.m_db, nullptr);
        m_checkpointer = std::move(other.m_checkpointer);
    }
    return *this;
}

void SqliteHandle::close() noexcept
{
    // The copy of the log under way ends before the file closes, and no later commit of a
    // connection kept open by pending statements calls the copier once it is gone.
    if (m_db && m_checkpointer)
        sqlite3_wal_hook(m_db, nullptr, nullptr);
    m_checkpointer.reset();
    // close_v2 lets statements still cached elsewhere be finalised later without leaking the file.
    sqlite3_close_v2(m_db);
    m_db = nullptr;
}

void SqliteHandle::exec(const QString &sql)
{
    char *message = nullptr;
    const int rc = sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &message);
    if (rc == SQLITE_OK)
        return;
    const QString text = message ? QString::fromUtf8(message) : QString::fromUtf8(sqlite3_errstr(rc));
    sqlite3_free(message);
    throw EngineError(sqlServerErrors(sqlite3_extended_errcode(m_db), text, sql));
}

} // namespace ado::sqlite
