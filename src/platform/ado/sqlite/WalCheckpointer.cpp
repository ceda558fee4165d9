#include "platform/ado/sqlite/WalCheckpointer.h"

#include "platform/ado/sqlite/SqliteDefenses.h"
#include "platform/ado/sqlite/TsqlFunctions.h"

#include <chrono>
#include <sqlite3.h>
#include <utility>

namespace ado::sqlite {

namespace {

void checkpoint(const QByteArray &path)
{
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) == SQLITE_OK
        && defendConnection(db)) {
        // A connection reaches the log only once it has read the database, through its schema.
        registerTsqlFunctions(db);
        if (sqlite3_exec(db, "PRAGMA schema_version", nullptr, nullptr, nullptr) == SQLITE_OK)
            sqlite3_wal_checkpoint_v2(db, nullptr, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
    }
    // A copy that could not run leaves the log as it was: the next commit past the mark asks again.
    sqlite3_close_v2(db);
}

} // namespace

WalCheckpointer::WalCheckpointer(sqlite3 *db, QByteArray path)
    : m_path(std::move(path))
{
    // Takes the place of SQLite's own automatic checkpoint on this connection.
    sqlite3_wal_hook(db, &WalCheckpointer::afterCommit, this);
}

WalCheckpointer::~WalCheckpointer()
{
    wait();
}

void WalCheckpointer::wait()
{
    if (m_running.valid())
        m_running.wait();
}

int WalCheckpointer::afterCommit(void *self, sqlite3 *, const char *, int pages)
{
    if (pages >= CheckpointPages)
        static_cast<WalCheckpointer *>(self)->start();
    return SQLITE_OK;
}

void WalCheckpointer::start()
{
    if (m_running.valid() && m_running.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        return; // one copy at a time; the next commit asks again
    m_running = std::async(std::launch::async, checkpoint, m_path);
}

} // namespace ado::sqlite
