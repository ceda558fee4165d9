#include "EngineReplay.h"

#include "platform/ado/sqlite/SqliteSchema.h"
#include "platform/ado/sqlite/SqliteTypes.h"
#include "platform/ado/sqlite/TsqlParameters.h"
#include "platform/ado/sqlite/TsqlTokenizer.h"

#include <QElapsedTimer>
#include <ctime>
#include <sqlite3.h>
#include <stdexcept>

namespace {

using ado::sqlite::TranslatedStatement;

// Leaves what the replay read where the compiler cannot drop the reads.
volatile std::size_t g_sink = 0;

std::runtime_error failure(sqlite3 *db, sqlite3_stmt *statement)
{
    return std::runtime_error(std::string(sqlite3_errmsg(db)) + " in " + sqlite3_sql(statement));
}

// Reads a column as the engine reads it: by the kind SQLite stored.
std::size_t readColumn(sqlite3_stmt *statement, int column)
{
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
        return static_cast<std::size_t>(sqlite3_column_int64(statement, column));
    case SQLITE_FLOAT:
        return static_cast<std::size_t>(sqlite3_column_double(statement, column));
    case SQLITE_TEXT:
        return static_cast<std::size_t>(sqlite3_column_bytes(statement, column))
               + static_cast<std::size_t>(*sqlite3_column_text(statement, column));
    case SQLITE_BLOB:
        return static_cast<std::size_t>(sqlite3_column_bytes(statement, column));
    default:
        return 0;
    }
}

} // namespace

EngineReplay::EngineReplay(const QString &path)
    : m_handle(path, ado::sqlite::SqliteHandle::Mode::OpenExisting)
{
    m_translator.setKeyColumns(ado::sqlite::keyColumnsOf(m_handle.get()));
    m_partialIndexColumns = ado::sqlite::partialIndexColumnsOf(m_handle.get());
}

EngineReplay::~EngineReplay()
{
    for (sqlite3_stmt *statement : std::as_const(m_statements))
        sqlite3_finalize(statement);
}

EngineReplay::Timing EngineReplay::run(QStringList &texts)
{
    for (QString &text : texts) {
        translateText(text);
        text = QString();
    }
    texts.clear();
    QElapsedTimer timer;
    timer.start();
    const std::clock_t cpuStart = std::clock();
    for (const Step &step : std::as_const(m_steps))
        execute(step);
    const Timing timing{static_cast<double>(timer.nsecsElapsed()) / 1e9,
                        static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC};
    m_steps.clear();
    return timing;
}

void EngineReplay::translateText(const QString &text)
{
    using Kind = TranslatedStatement::Kind;
    QList<ado::sqlite::TsqlToken> tokens = ado::sqlite::tokenizeTsql(text);
    const QList<rt::Variant> values = ado::sqlite::markParameters(tokens, m_partialIndexColumns);
    const QString shape = ado::sqlite::shapeKey(text, tokens);
    auto found = m_translations.constFind(shape);
    if (found == m_translations.constEnd())
        found = m_translations.insert(shape, m_translator.translate(text, tokens));
    for (const TranslatedStatement &statement : *found) {
        switch (statement.kind) {
        case Kind::Sql:
            m_steps.append(Step{statementOf(statement.sql.toUtf8()), values});
            break;
        case Kind::Begin:
            m_steps.append(Step{statementOf("BEGIN IMMEDIATE"), {}});
            break;
        case Kind::Commit:
            m_steps.append(Step{statementOf("COMMIT"), {}});
            break;
        case Kind::Rollback:
            m_steps.append(Step{statementOf("ROLLBACK"), {}});
            break;
        case Kind::Nothing:
            break;
        case Kind::IfExists:
            throw std::runtime_error("the replay runs no conditional statement");
        }
    }
}

qsizetype EngineReplay::statementOf(const QByteArray &sql)
{
    const auto found = m_indexes.constFind(sql);
    if (found != m_indexes.constEnd())
        return *found;
    m_sql.append(sql);
    m_statements.append(nullptr);
    return *m_indexes.insert(sql, m_sql.size() - 1);
}

sqlite3_stmt *EngineReplay::prepared(qsizetype index)
{
    sqlite3_stmt *&statement = m_statements[index];
    if (statement)
        return statement;
    const QByteArray &sql = m_sql.at(index);
    const char *tail = nullptr;
    if (sqlite3_prepare_v3(m_handle.get(), sql.constData(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT,
                           &statement, &tail)
            != SQLITE_OK
        || !statement)
        throw std::runtime_error(std::string(sqlite3_errmsg(m_handle.get())) + " in " + sql.toStdString());
    if (tail && !QByteArray(tail).trimmed().isEmpty())
        throw std::runtime_error("the replay runs one statement per text: " + sql.toStdString());
    return statement;
}

void EngineReplay::execute(const Step &step)
{
    sqlite3_stmt *statement = prepared(step.statement);
    const int parameters = std::min(sqlite3_bind_parameter_count(statement), static_cast<int>(step.values.size()));
    for (int i = 1; i <= parameters; ++i) {
        if (ado::sqlite::bindValue(statement, i, step.values.at(i - 1)) != SQLITE_OK)
            throw failure(m_handle.get(), statement);
    }
    const int columns = sqlite3_column_count(statement);
    std::size_t touched = 0;
    int result = SQLITE_ROW;
    while ((result = sqlite3_step(statement)) == SQLITE_ROW) {
        for (int i = 0; i < columns; ++i)
            touched += readColumn(statement, i);
    }
    if (result != SQLITE_DONE)
        throw failure(m_handle.get(), statement);
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    g_sink = g_sink + touched;
}
