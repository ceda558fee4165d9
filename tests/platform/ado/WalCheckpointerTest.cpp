// The write-ahead log is still copied back into the database file when the copy no longer runs
// inside the commit that filled it.
#include "platform/ado/sqlite/SqliteHandle.h"
#include "platform/ado/sqlite/WalCheckpointer.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <sqlite3.h>
#include <string>

namespace {

using ado::sqlite::SqliteHandle;
using ado::sqlite::WalCheckpointer;

constexpr qint64 PageBytes = 4096;

// Rows of 4,000 bytes, one page each, past the mark in one commit.
void fillPastTheMark(SqliteHandle &handle)
{
    handle.exec(QStringLiteral("CREATE TABLE T (B BLOB)"));
    handle.exec(QStringLiteral("BEGIN; WITH RECURSIVE N(I) AS (SELECT 1 UNION ALL SELECT I + 1 FROM N WHERE I < %1) "
                               "INSERT INTO T SELECT randomblob(4000) FROM N; COMMIT;")
                    .arg(WalCheckpointer::CheckpointPages + 500));
}

std::string firstValue(const SqliteHandle &handle, const char *sql)
{
    sqlite3_stmt *statement = nullptr;
    std::string value;
    if (sqlite3_prepare_v2(handle.get(), sql, -1, &statement, nullptr) == SQLITE_OK
        && sqlite3_step(statement) == SQLITE_ROW)
        value = reinterpret_cast<const char *>(sqlite3_column_text(statement, 0));
    sqlite3_finalize(statement);
    return value;
}

bool growsTo(const QString &path, qint64 bytes)
{
    QDeadlineTimer deadline(30000);
    while (QFileInfo(path).size() < bytes && !deadline.hasExpired())
        QThread::msleep(20);
    return QFileInfo(path).size() >= bytes;
}

TEST(WalCheckpointer, ALargeCommitReachesTheDatabaseFileAndTheHandleClosesAfterTheCopy)
{
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("T.db"));
    {
        SqliteHandle handle(path, SqliteHandle::Mode::CreateNew);
        fillPastTheMark(handle);
        EXPECT_TRUE(growsTo(path, WalCheckpointer::CheckpointPages * PageBytes))
            << "the log was not copied back while the handle stayed open";
        handle.exec(QStringLiteral("INSERT INTO T VALUES (x'00')"));
    }
    // Closed after any copy under way: the file opens again whole, every row in it.
    const SqliteHandle again(path, SqliteHandle::Mode::OpenExisting);
    EXPECT_EQ(firstValue(again, "PRAGMA integrity_check"), "ok");
    EXPECT_EQ(firstValue(again, "SELECT COUNT(*) FROM T"), std::to_string(WalCheckpointer::CheckpointPages + 501));
}

} // namespace
