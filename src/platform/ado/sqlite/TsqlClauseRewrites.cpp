#include "platform/ado/sqlite/TsqlClauseRewrites.h"

#include "platform/ado/sqlite/TsqlSyntaxError.h"

#include <algorithm>

namespace ado::sqlite {

namespace {

using Kind = TsqlToken::Kind;

bool isRowCount(const TsqlNode &node)
{
    return isKind(node, Kind::Number) || isParens(node) || isKind(node, Kind::Variable);
}

bool isCompoundOperator(const TsqlNode &node)
{
    return isAnyWord(node, {"UNION", "EXCEPT", "INTERSECT"});
}

// Where the member of a UNION that starts at `select` ends: at the next UNION, or, for the
// last member, before the ORDER BY that sorts the whole UNION.
qsizetype memberEnd(const TsqlNodes &level, qsizetype select)
{
    for (qsizetype i = select + 1; i < level.size(); ++i) {
        if (isCompoundOperator(level.at(i))
            || (isWord(level.at(i), "ORDER") && i + 1 < level.size() && isWord(level.at(i + 1), "BY")))
            return i;
    }
    return level.size();
}

// SQLite takes LIMIT only at the end of a whole UNION: a limited member becomes a subquery,
// SELECT * FROM (SELECT ... LIMIT n) UNION ...
void wrapCompoundMember(TsqlNodes &level, qsizetype start, qsizetype end)
{
    TsqlNodes member = level.mid(start, end - start);
    const bool spaced = member.first().token.spaced;
    member.first().token.spaced = false;
    level.remove(start, end - start);
    const TsqlNodes wrapper{makeWord(QStringLiteral("SELECT"), spaced), makeToken(Kind::Operator, QStringLiteral("*")),
                            makeWord(QStringLiteral("FROM")), makeParens(member, true)};
    for (qsizetype k = 0; k < wrapper.size(); ++k)
        level.insert(start + k, wrapper.at(k));
}

void rewriteTop(TsqlNodes &level)
{
    for (qsizetype i = 0; i < level.size(); ++i) {
        if (!isWord(level.at(i), "SELECT"))
            continue;
        qsizetype top = i + 1;
        if (top < level.size() && isAnyWord(level.at(top), {"ALL", "DISTINCT"}))
            ++top;
        if (top >= level.size() || !isWord(level.at(top), "TOP"))
            continue;
        if (top + 1 >= level.size() || !isRowCount(level.at(top + 1)))
            throwTsqlSyntaxError(QStringLiteral("TOP"));
        if (top + 2 < level.size() && isAnyWord(level.at(top + 2), {"PERCENT", "WITH"}))
            throwTsqlSyntaxError(level.at(top + 2).token.text);
        TsqlNode count = level.at(top + 1);
        count.token.spaced = true;
        level.remove(top, 2);
        const bool compound = std::any_of(level.cbegin(), level.cend(), isCompoundOperator);
        const qsizetype end = compound ? memberEnd(level, i) : level.size();
        level.insert(end, count);
        level.insert(end, makeWord(QStringLiteral("LIMIT")));
        if (compound)
            wrapCompoundMember(level, i, end + 2);
    }
    for (TsqlNode &node : level) {
        if (node.kind != TsqlNode::Kind::Token)
            rewriteTop(node.children);
    }
}

void rewriteSelectInto(TsqlNodes &statement)
{
    if (!isWord(statement.first(), "SELECT"))
        return;
    for (qsizetype into = 1; into < statement.size(); ++into) {
        if (isAnyWord(statement.at(into), {"FROM", "UNION", "WHERE"}))
            return;
        if (!isWord(statement.at(into), "INTO"))
            continue;
        const qsizetype end = nameEnd(statement, into + 1);
        if (end == into + 1)
            throwTsqlSyntaxError(QStringLiteral("INTO"));
        TsqlNodes table = statement.mid(into + 1, end - into - 1);
        table.first().token.spaced = true;
        const bool temporary = isKind(table.first(), Kind::TempName);
        statement.remove(into, end - into);
        TsqlNodes create{makeWord(QStringLiteral("CREATE"), false)};
        if (temporary)
            create.append(makeWord(QStringLiteral("TEMP")));
        create.append(makeWord(QStringLiteral("TABLE")));
        create.append(table);
        create.append(makeWord(QStringLiteral("AS")));
        statement.first().token.spaced = true;
        statement = create + statement;
        return;
    }
}

// The table that `target` names in a FROM clause: the table of that alias, or itself.
TsqlNodes tableOfAlias(const TsqlNodes &from, const TsqlNodes &target)
{
    for (qsizetype i = 0; i < from.size(); ++i) {
        if (!isAnyWord(from.at(i), {"FROM", "JOIN"}) && !isKind(from.at(i), Kind::Comma))
            continue;
        const qsizetype end = nameEnd(from, i + 1);
        if (end == i + 1)
            continue;
        qsizetype alias = end;
        if (alias < from.size() && isWord(from.at(alias), "AS"))
            ++alias;
        const bool aliased = alias < from.size() && sameName(from.at(alias), target.last());
        if (aliased || (end == alias && sameName(from.at(end - 1), target.last())))
            return from.mid(i + 1, end - i - 1);
    }
    return target;
}

// DELETE a FROM t a JOIN u ... WHERE ...: SQLite deletes from one table only, so the rows go
// by the row ids that the join selects.
TsqlNodes deleteThroughJoin(const TsqlNodes &target, const TsqlNodes &from)
{
    TsqlNodes table = tableOfAlias(from, target);
    table.first().token.spaced = true;
    TsqlNodes select{makeWord(QStringLiteral("SELECT"), false)};
    select.append(target);
    select.append(makeToken(Kind::Dot, QStringLiteral("."), false));
    select.append(makeWord(QStringLiteral("rowid"), false));
    select.append(from);
    TsqlNodes statement{makeWord(QStringLiteral("DELETE"), false), makeWord(QStringLiteral("FROM"))};
    statement.append(table);
    statement.append({makeWord(QStringLiteral("WHERE")), makeWord(QStringLiteral("rowid")),
                      makeWord(QStringLiteral("IN")), makeParens(select, true)});
    return statement;
}

void rewriteDelete(TsqlNodes &statement)
{
    if (isWord(statement.first(), "TRUNCATE") && statement.size() > 1 && isWord(statement.at(1), "TABLE")) {
        statement[0].token.text = QStringLiteral("DELETE");
        statement[1].token.text = QStringLiteral("FROM");
        return;
    }
    if (!isWord(statement.first(), "DELETE"))
        return;
    const qsizetype target = statement.size() > 1 && isWord(statement.at(1), "FROM") ? 2 : 1;
    if (target < statement.size() && isWord(statement.at(target), "TOP"))
        throwTsqlSyntaxError(QStringLiteral("TOP"));
    const qsizetype end = nameEnd(statement, target);
    if (end == target)
        return;
    if (end < statement.size() && isWord(statement.at(end), "FROM")) {
        TsqlNodes name = statement.mid(target, end - target);
        name.first().token.spaced = true;
        statement = deleteThroughJoin(name, statement.mid(end));
    } else if (target == 1) {
        statement.insert(1, makeWord(QStringLiteral("FROM")));
    }
}

bool isTextType(const TsqlNode &node)
{
    return isAnyWord(node, {"CHAR", "VARCHAR", "NCHAR", "NVARCHAR", "TEXT", "NTEXT", "SYSNAME"});
}

// A column definition "name type[(n)] ..." at [start, end) of `nodes`.
void addTextCollation(TsqlNodes &nodes, qsizetype start, qsizetype end)
{
    if (end - start < 2 || !isName(nodes.at(start)) || !isTextType(nodes.at(start + 1)))
        return;
    for (qsizetype i = start; i < end; ++i) {
        if (isWord(nodes.at(i), "COLLATE"))
            return;
    }
    qsizetype at = start + 2;
    if (at < end && isParens(nodes.at(at)))
        ++at;
    nodes.insert(at, makeWord(QStringLiteral("TSQLCI")));
    nodes.insert(at, makeWord(QStringLiteral("COLLATE")));
}

void addColumnCollations(TsqlNodes &columns)
{
    qsizetype end = columns.size();
    for (qsizetype i = columns.size() - 1; i >= -1; --i) {
        if (i == -1 || isKind(columns.at(i), Kind::Comma)) {
            addTextCollation(columns, i + 1, end);
            end = i;
        }
    }
}

void rewriteTableDefinition(TsqlNodes &statement)
{
    if (statement.size() < 3 || !isWord(statement.at(1), "TABLE"))
        return;
    if (isWord(statement.first(), "CREATE")) {
        if (isKind(statement.at(2), Kind::TempName))
            statement.insert(1, makeWord(QStringLiteral("TEMP")));
        const qsizetype end = nameEnd(statement, isWord(statement.at(1), "TEMP") ? 3 : 2);
        if (end < statement.size() && isParens(statement.at(end)))
            addColumnCollations(statement[end].children);
    } else if (isWord(statement.first(), "ALTER")) {
        qsizetype column = nameEnd(statement, 2);
        if (column >= statement.size() || !isWord(statement.at(column), "ADD"))
            return;
        ++column;
        if (column < statement.size() && isWord(statement.at(column), "COLUMN"))
            ++column;
        addTextCollation(statement, column, statement.size());
    }
}

} // namespace

void rewriteClauses(TsqlNodes &statement)
{
    if (statement.isEmpty())
        return;
    rewriteTop(statement);
    rewriteSelectInto(statement);
    rewriteDelete(statement);
    rewriteTableDefinition(statement);
}

} // namespace ado::sqlite
