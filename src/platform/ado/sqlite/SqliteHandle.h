#pragma once

#include <QString>
#include <memory>

struct sqlite3;

namespace ado::sqlite {

class WalCheckpointer;

// One open SQLite database file, set up as the embedded engine needs it: WAL journal,
// synchronous=NORMAL, foreign keys enforced, a "quoted" name that matches no column refused
// instead of read as a text, typed SQL kept inside the database file (defendConnection), the
// T-SQL functions and collation registered, the log copied back into the file away from the
// commits (WalCheckpointer).
// Move-only; closes the file when destroyed.
class SqliteHandle {
public:
    enum class Mode { OpenExisting, CreateNew };

    // What SQLite asks while another connection holds a lock a statement needs
    // (sqlite3_busy_handler); none gives up at once.
    struct LockWait {
        int (*handler)(void *context, int attempt);
        void *context;
    };

    // Throws EngineError when the file cannot be opened or set up. With OpenExisting a missing
    // file is never created, and a file that is not a database (isDatabaseFile) is left untouched.
    // `wait` is in force from the first statement of the set-up on.
    SqliteHandle(const QString &path, Mode mode, LockWait wait = {});
    ~SqliteHandle();
    SqliteHandle(SqliteHandle &&other) noexcept;
    SqliteHandle &operator=(SqliteHandle &&other) noexcept;
    SqliteHandle(const SqliteHandle &) = delete;
    SqliteHandle &operator=(const SqliteHandle &) = delete;

    sqlite3 *get() const { return m_db; }

    // Runs SQLite text as it stands (several statements allowed). Throws EngineError.
    void exec(const QString &sql);

private:
    void close() noexcept;

    sqlite3 *m_db = nullptr;
    std::unique_ptr<WalCheckpointer> m_checkpointer;
};

} // namespace ado::sqlite
