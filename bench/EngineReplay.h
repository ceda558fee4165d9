#pragma once

#include "platform/ado/sqlite/SqliteHandle.h"
#include "platform/ado/sqlite/TsqlTranslator.h"
#include "platform/runtime/Variant.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>
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

    // Translates every text beforehand, then times running them: each SQLite text prepared at
    // its first use, as the engine prepares it, then bound and stepped. Empties `texts` as it
    // goes. Throws std::runtime_error on a statement that fails, and
    // on a text the replay cannot run (a conditional statement, several statements in one).
    Timing run(QStringList &texts);

private:
    struct Step {
        qsizetype statement = 0; // index in m_sql and m_statements
        QList<rt::Variant> values;
    };

    void translateText(const QString &text);
    qsizetype statementOf(const QByteArray &sql);
    sqlite3_stmt *prepared(qsizetype statement);
    void execute(const Step &step);

    ado::sqlite::SqliteHandle m_handle;
    ado::sqlite::TsqlTranslator m_translator;
    QSet<QString> m_partialIndexColumns;
    QHash<QString, QList<ado::sqlite::TranslatedStatement>> m_translations; // by shape
    QHash<QByteArray, qsizetype> m_indexes; // of each SQLite text in m_sql
    QList<QByteArray> m_sql;
    QList<sqlite3_stmt *> m_statements; // prepared at first use
    QList<Step> m_steps;
};
