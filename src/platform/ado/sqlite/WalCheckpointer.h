#pragma once

#include <QByteArray>
#include <future>

struct sqlite3;

namespace ado::sqlite {

// Copies a database's write-ahead log back into the database file on a connection of its own,
// on another thread, once a commit has left the log at CheckpointPages pages or more. SQLite
// would otherwise do it inside that commit, and the window that committed a whole settlement
// would wait for it without repainting. The copy is SQLite's passive one: it never holds up the
// program's connection, and what it cannot copy yet is copied after a later commit.
class WalCheckpointer {
public:
    static constexpr int CheckpointPages = 10000;

    // Watches the commits of `db`, whose file is `path` (UTF-8). Must outlive `db`'s use.
    WalCheckpointer(sqlite3 *db, QByteArray path);
    // Waits for a copy under way.
    ~WalCheckpointer();
    WalCheckpointer(const WalCheckpointer &) = delete;
    WalCheckpointer &operator=(const WalCheckpointer &) = delete;

    // Waits for a copy under way, if any.
    void wait();

private:
    static int afterCommit(void *self, sqlite3 *db, const char *schema, int pages);
    void start();

    QByteArray m_path;
    std::future<void> m_running;
};

} // namespace ado::sqlite
