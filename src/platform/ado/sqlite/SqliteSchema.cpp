#include "platform/ado/sqlite/SqliteSchema.h"

#include "platform/ado/sqlite/SqliteErrors.h"
#include "platform/ado/sqlite/SqliteTypes.h"
#include "platform/ado/sqlite/TsqlSyntax.h"
#include "platform/ado/sqlite/TsqlTokenizer.h"

#include <algorithm>
#include <sqlite3.h>

namespace ado::sqlite {

namespace {

const QString ownerSchema = QStringLiteral("dbo");

// Restriction `index` is absent, empty or equal to `value` ignoring case.
bool allows(const QStringList &restrictions, int index, const QString &value)
{
    if (index >= restrictions.size())
        return true;
    const QString wanted = restrictions.at(index).trimmed();
    return wanted.isEmpty() || wanted.compare(value.trimmed(), Qt::CaseInsensitive) == 0;
}

ColumnInfo column(const char *name, int type, long size = 0)
{
    return ColumnInfo{QString::fromLatin1(name), type, size, {}};
}

class Query {
public:
    Query(sqlite3 *db, const char *sql)
        : m_db(db)
    {
        if (sqlite3_prepare_v2(db, sql, -1, &m_statement, nullptr) != SQLITE_OK)
            throwSqliteError(db, QString::fromUtf8(sql));
    }
    ~Query() { sqlite3_finalize(m_statement); }
    Query(const Query &) = delete;
    Query &operator=(const Query &) = delete;

    bool next()
    {
        const int rc = sqlite3_step(m_statement);
        if (rc == SQLITE_ROW)
            return true;
        if (rc != SQLITE_DONE)
            throwSqliteError(m_db, QString::fromUtf8(sqlite3_sql(m_statement)));
        return false;
    }
    QString text(int column) const
    {
        return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column)));
    }
    int integer(int column) const { return sqlite3_column_int(m_statement, column); }
    bool isNull(int column) const { return sqlite3_column_type(m_statement, column) == SQLITE_NULL; }

private:
    sqlite3 *m_db;
    sqlite3_stmt *m_statement = nullptr;
};

// A schema rowset names the catalog of the connection; other catalogs hold nothing here.
bool catalogAllowed(const QString &catalog, const QStringList &restrictions)
{
    return allows(restrictions, 0, catalog) && allows(restrictions, 1, ownerSchema);
}

QList<rt::Variant> columnRow(const QString &catalog, const Query &query)
{
    const QString declared = query.text(3);
    const AdoType type = adoTypeOfDeclared(declared);
    const int adoType = type.type == adEmpty ? adVarWChar : type.type;
    const bool text = adoType == adVarChar || adoType == adVarWChar || adoType == adChar || adoType == adWChar
                      || adoType == adLongVarWChar || adoType == adLongVarChar;
    const bool hasDefault = !query.isNull(5);
    return {catalog,
            ownerSchema,
            query.text(0),
            query.text(1),
            query.integer(2) + 1,
            hasDefault,
            hasDefault ? rt::Variant(query.text(5)) : rt::Variant::null(),
            query.integer(4) == 0,
            adoType,
            text && type.definedSize > 0 ? rt::Variant(static_cast<int>(type.definedSize)) : rt::Variant::null()};
}

struct SchemaColumn {
    QString name; // upper case
    QString type; // as declared
    bool generated = false; // computed by the table, never written
};

struct SchemaObject {
    QString name; // upper case
    QList<SchemaColumn> columns;
};

// The database's tables and views with their columns.
QList<SchemaObject> schemaObjects(sqlite3 *db)
{
    QList<SchemaObject> objects;
    Query names(db, "SELECT name FROM sqlite_schema WHERE type IN ('table', 'view') UNION ALL "
                    "SELECT name FROM sqlite_temp_schema WHERE type IN ('table', 'view')");
    while (names.next())
        objects.append(SchemaObject{names.text(0), {}});
    for (SchemaObject &object : objects) {
        try {
            const QByteArray sql = "SELECT upper(name), type, hidden FROM pragma_table_xinfo('"
                                   + QString(object.name).replace(u'\'', QStringLiteral("''")).toUtf8() + "')";
            Query query(db, sql.constData());
            while (query.next())
                object.columns.append(SchemaColumn{query.text(0), query.text(1), query.integer(2) != 0});
        } catch (const EngineError &) { // NOLINT(bugprone-empty-catch)
            // A view that no longer compiles has no columns to offer; its queries fail on their own.
        }
        object.name = object.name.toUpper();
    }
    return objects;
}

} // namespace

ResultSet tablesRowset(sqlite3 *db, const QString &catalog, const QStringList &restrictions)
{
    ResultSet result;
    result.columns = {column("TABLE_CATALOG", adVarWChar, 128), column("TABLE_SCHEMA", adVarWChar, 128),
                      column("TABLE_NAME", adVarWChar, 128),    column("TABLE_TYPE", adVarWChar, 32),
                      column("TABLE_GUID", adVarWChar, 38),     column("DESCRIPTION", adVarWChar, 128)};
    if (!catalogAllowed(catalog, restrictions))
        return result;
    Query query(db, "SELECT name, upper(type) FROM sqlite_master WHERE type IN ('table', 'view') "
                    "AND name NOT LIKE 'sqlite!_%' ESCAPE '!' ORDER BY type, name");
    while (query.next()) {
        const QString name = query.text(0);
        const QString type = query.text(1);
        if (allows(restrictions, 2, name) && allows(restrictions, 3, type))
            result.rows.append({catalog, ownerSchema, name, type, rt::Variant::null(), rt::Variant::null()});
    }
    return result;
}

ResultSet columnsRowset(sqlite3 *db, const QString &catalog, const QStringList &restrictions)
{
    ResultSet result;
    result.columns = {column("TABLE_CATALOG", adVarWChar, 128),  column("TABLE_SCHEMA", adVarWChar, 128),
                      column("TABLE_NAME", adVarWChar, 128),     column("COLUMN_NAME", adVarWChar, 128),
                      column("ORDINAL_POSITION", adInteger, 4),  column("COLUMN_HASDEFAULT", adBoolean, 2),
                      column("COLUMN_DEFAULT", adVarWChar, 128), column("IS_NULLABLE", adBoolean, 2),
                      column("DATA_TYPE", adSmallInt, 2),        column("CHARACTER_MAXIMUM_LENGTH", adInteger, 4)};
    if (!catalogAllowed(catalog, restrictions))
        return result;
    Query query(db, "SELECT m.name, p.name, p.cid, p.type, p.\"notnull\", p.dflt_value FROM sqlite_master m, "
                    "pragma_table_info(m.name) p WHERE m.type IN ('table', 'view') "
                    "AND m.name NOT LIKE 'sqlite!_%' ESCAPE '!' ORDER BY m.name, p.cid");
    while (query.next()) {
        if (allows(restrictions, 2, query.text(0)) && allows(restrictions, 3, query.text(1)))
            result.rows.append(columnRow(catalog, query));
    }
    return result;
}

KeyColumns keyColumnsOf(sqlite3 *db)
{
    KeyColumns keys;
    for (const SchemaObject &object : schemaObjects(db)) {
        QStringList columns;
        for (const SchemaColumn &column : object.columns)
            columns.append(column.name);
        for (const QString &column : std::as_const(columns)) {
            const QStringList pieces = column.split(u'+');
            if (pieces.size() > 1 && std::all_of(pieces.cbegin(), pieces.cend(), [&](const QString &piece) {
                    return columns.contains(piece);
                }))
                keys[object.name].insert(column, column);
        }
    }
    return keys;
}

DateColumns dateColumnsOf(sqlite3 *db)
{
    DateColumns dates;
    QSet<QString> others;
    const auto isDate = [](const SchemaColumn &column) { return adoTypeOfDeclared(column.type).type == adDBTimeStamp; };
    for (const SchemaObject &object : schemaObjects(db)) {
        QList<bool> filled;
        for (const SchemaColumn &column : object.columns) {
            // A view's computed column declares no type and says nothing either way.
            if (!column.type.isEmpty())
                (isDate(column) ? dates.names : others).insert(column.name);
            if (!column.generated)
                filled.append(isDate(column));
        }
        if (filled.contains(true))
            dates.filledByInsert.insert(object.name, filled);
    }
    dates.names.subtract(others);
    return dates;
}

QList<DateTable> storedDateColumnsOf(sqlite3 *db)
{
    QList<DateTable> tables;
    Query query(db,
                "SELECT t.schema, t.name, c.name, c.type FROM pragma_table_list t, "
                "pragma_table_xinfo(t.name, t.schema) c WHERE t.schema IN ('main', 'temp') AND t.type = 'table' "
                "AND t.wr = 0 AND c.hidden = 0 AND t.name NOT LIKE 'sqlite!_%' ESCAPE '!' ORDER BY t.schema, t.name");
    while (query.next()) {
        if (adoTypeOfDeclared(query.text(3)).type != adDBTimeStamp)
            continue;
        if (tables.isEmpty() || tables.last().schema != query.text(0) || tables.last().name != query.text(1))
            tables.append(DateTable{query.text(0), query.text(1), {}});
        tables.last().columns.append(query.text(2));
    }
    return tables;
}

QSet<QString> partialIndexColumnsOf(sqlite3 *db)
{
    QSet<QString> names;
    Query indexes(db, "SELECT sql FROM sqlite_schema WHERE type = 'index' AND sql IS NOT NULL");
    while (indexes.next()) {
        bool inCondition = false;
        for (const TsqlToken &token : tokenizeTsql(indexes.text(0))) {
            const bool name = token.kind == TsqlToken::Kind::Word || token.kind == TsqlToken::Kind::QuotedName;
            if (inCondition && name)
                names.insert(token.text.toUpper());
            else if (token.kind == TsqlToken::Kind::Word
                     && token.text.compare(QLatin1String("WHERE"), Qt::CaseInsensitive) == 0)
                inCondition = true;
        }
    }
    return names;
}

namespace {

// Read in place first: this runs for every statement that gives no rows.
bool startsWithCreate(const char *sql)
{
    while (*sql == ' ' || (*sql >= '\t' && *sql <= '\r'))
        ++sql;
    return sqlite3_strnicmp(sql, "CREATE", 6) == 0;
}

} // namespace

void refuseViewOfUnknownNames(sqlite3 *db, sqlite3_stmt *statement)
{
    const char *sql = sqlite3_sql(statement);
    if (!startsWithCreate(sql))
        return;
    // CREATE [TEMP | TEMPORARY] VIEW [IF NOT EXISTS] name [(columns)] AS query
    const QString text = QString::fromUtf8(sql);
    const QList<TsqlToken> tokens = tokenizeTsql(text);
    const TsqlNodes nodes = buildTsqlTree(tokens);
    const qsizetype view = nodes.size() > 1 && isAnyWord(nodes.at(1), {"TEMP", "TEMPORARY"}) ? 2 : 1;
    if (view >= nodes.size() || !isWord(nodes.at(view), "VIEW"))
        return;
    const auto as =
        std::find_if(nodes.cbegin() + view, nodes.cend(), [](const TsqlNode &node) { return isWord(node, "AS"); });
    if (as == nodes.cend() || as + 1 == nodes.cend())
        return;
    const QByteArray query = text.mid((as + 1)->token.start).toUtf8();
    sqlite3_stmt *probe = nullptr;
    const int rc = sqlite3_prepare_v2(db, query.constData(), static_cast<int>(query.size()), &probe, nullptr);
    sqlite3_finalize(probe);
    if (rc != SQLITE_OK)
        throwSqliteError(db, QString::fromUtf8(query));
}

} // namespace ado::sqlite
