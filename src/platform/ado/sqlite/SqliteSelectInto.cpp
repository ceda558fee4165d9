#include "platform/ado/sqlite/SqliteSelectInto.h"

#include "platform/ado/Engine.h"
#include "platform/ado/sqlite/SqliteErrors.h"
#include "platform/ado/sqlite/TsqlSyntax.h"
#include "platform/ado/sqlite/TsqlTokenizer.h"

#include <QStringList>
#include <sqlite3.h>

namespace ado::sqlite {

namespace {

QString quoted(QString name)
{
    return u'"' + name.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

// Prepares one statement; finalised when it goes.
class Prepared {
public:
    Prepared(sqlite3 *db, const QString &sql)
        : m_db(db)
        , m_sql(sql)
    {
        const QByteArray text = sql.toUtf8();
        if (sqlite3_prepare_v2(db, text.constData(), static_cast<int>(text.size()), &m_statement, nullptr) != SQLITE_OK)
            throwSqliteError(db, sql);
    }
    ~Prepared() { sqlite3_finalize(m_statement); }
    Prepared(const Prepared &) = delete;
    Prepared &operator=(const Prepared &) = delete;

    sqlite3_stmt *get() const { return m_statement; }
    void run()
    {
        if (sqlite3_step(m_statement) != SQLITE_DONE)
            throwSqliteError(m_db, m_sql);
    }

private:
    sqlite3 *m_db;
    QString m_sql;
    sqlite3_stmt *m_statement = nullptr;
};

// The query's columns by their names, with the types their columns are declared with.
QString columnsOf(sqlite3_stmt *query)
{
    QStringList columns;
    for (int i = 0; i < sqlite3_column_count(query); ++i) {
        const char *type = sqlite3_column_decltype(query, i);
        columns.append(quoted(QString::fromUtf8(sqlite3_column_name(query, i)))
                       + (type ? u' ' + QString::fromUtf8(type) : QString()));
    }
    return columns.join(QStringLiteral(", "));
}

void execute(sqlite3 *db, const char *sql)
{
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        throwSqliteError(db, QString::fromLatin1(sql));
}

} // namespace

bool createTableAsSelected(sqlite3 *db, sqlite3_stmt *statement, rt::FunctionRef<void(sqlite3_stmt *)> bind)
{
    const char *sql = sqlite3_sql(statement);
    if (sqlite3_strnicmp(sql, "CREATE", 6) != 0)
        return false;
    // CREATE [TEMP] TABLE name AS query, as the translation writes SELECT ... INTO.
    const QString text = QString::fromUtf8(sql);
    const TsqlNodes nodes = buildTsqlTree(tokenizeTsql(text));
    const qsizetype table = nodes.size() > 1 && isWord(nodes.at(1), "TEMP") ? 2 : 1;
    if (table >= nodes.size() || !isWord(nodes.at(table), "TABLE"))
        return false;
    const qsizetype as = nameEnd(nodes, table + 1);
    if (as == table + 1 || as + 1 >= nodes.size() || !isWord(nodes.at(as), "AS"))
        return false;
    const QString head = text.left(nodes.at(as).token.start);
    const QString query = text.mid(nodes.at(as + 1).token.start);
    Prepared selected(db, query);
    const QString name =
        text.mid(nodes.at(table + 1).token.start, nodes.at(as).token.start - nodes.at(table + 1).token.start);
    execute(db, "SAVEPOINT tsql_select_into");
    try {
        Prepared(db, head + u'(' + columnsOf(selected.get()) + u')').run();
        Prepared fill(db, QStringLiteral("INSERT INTO ") + name + query);
        bind(fill.get());
        fill.run();
    } catch (const EngineError &) {
        execute(db, "ROLLBACK TO tsql_select_into; RELEASE tsql_select_into");
        throw;
    }
    execute(db, "RELEASE tsql_select_into");
    return true;
}

} // namespace ado::sqlite
