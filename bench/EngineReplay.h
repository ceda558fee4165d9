#pragma once

#include "platform/ado/sqlite/SqliteHandle.h"
#include "platform/ado/sqlite/TsqlTranslator.h"
#include "platform/runtime/Variant.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

struct sqlite3_stmt;

// The texts a connection sent, run again the way the embedded engine runs them and with nothing
// of the program around it: the database file set up as the engine sets it up (its pragmas,
// cache and memory map, the log copied back on another thread), each text translated with the
// database's key columns, one prepared statement per translated shape with the text's literals
// bound as its parameters, every row of every query read in its stored type. This is the floor
// the program's own layers are measured against.
class EngineReplay {
public:
    // Opens the database file. Throws EngineError when it does not open.
    explicit EngineReplay(const QString &path);
    ~EngineReplay();
    EngineReplay(const EngineReplay &) = delete;
    EngineReplay &operator=(const EngineReplay &) = delete;

    struct Timing {
        double seconds = 0;
        double cpuSeconds = 0; // what a busy machine does not stretch
    };

    // Translates and prepares every text beforehand, then times only running them. Empties
    // `texts` as it goes. Throws std::runtime_error on a statement that fails, and
    // on a text the replay cannot run (a conditional statement, several statements in one).
    Timing run(QStringList &texts);

private:
    struct Step {
        sqlite3_stmt *statement = nullptr;
        QList<rt::Variant> values;
    };

    void prepareText(const QString &text);
    sqlite3_stmt *prepared(const QByteArray &sql);
    void execute(const Step &step);

    ado::sqlite::SqliteHandle m_handle;
    ado::sqlite::TsqlTranslator m_translator;
    QHash<QString, QList<ado::sqlite::TranslatedStatement>> m_translations; // by shape
    QHash<QByteArray, sqlite3_stmt *> m_statements; // by SQLite text
    QList<Step> m_steps;
};
