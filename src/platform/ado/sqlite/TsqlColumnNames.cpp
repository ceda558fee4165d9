#include "platform/ado/sqlite/TsqlColumnNames.h"

namespace ado::sqlite {

namespace {

using Kind = TsqlToken::Kind;

// The AS of an alias given here stands nowhere in the text.
constexpr qsizetype GivenAlias = -1;

bool isGivenAlias(const TsqlNode &node)
{
    return node.token.start == GivenAlias && isWord(node, "AS");
}

// The blanks SQLite trims off the text it names a column by.
bool isSqliteBlank(QChar c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

bool isCompoundOperator(const TsqlNode &node)
{
    return isAnyWord(node, {"UNION", "EXCEPT", "INTERSECT"});
}

// A member after the first of a UNION: the first one names the columns.
bool followsCompound(const TsqlNodes &level, qsizetype select)
{
    return select > 0
           && (isCompoundOperator(level.at(select - 1))
               || (select > 1 && isAnyWord(level.at(select - 1), {"ALL", "DISTINCT"})
                   && isCompoundOperator(level.at(select - 2))));
}

bool endsSelectList(const TsqlNode &node)
{
    return isKind(node, Kind::Semicolon)
           || isAnyWord(node, {"FROM", "INTO", "WHERE", "GROUP", "HAVING", "ORDER", "UNION", "EXCEPT", "INTERSECT"});
}

// Where the items of the SELECT at `select` begin: after ALL or DISTINCT and TOP n.
qsizetype listStart(const TsqlNodes &level, qsizetype select)
{
    qsizetype i = select + 1;
    if (i < level.size() && isAnyWord(level.at(i), {"ALL", "DISTINCT"}))
        ++i;
    if (i < level.size() && isWord(level.at(i), "TOP"))
        i += 2;
    return std::min(i, level.size());
}

// What an alias without AS may follow: the end of a value.
bool endsValue(const TsqlNode &node)
{
    return node.kind != TsqlNode::Kind::Token || isName(node) || isKind(node, Kind::String)
           || isKind(node, Kind::Number) || isKind(node, Kind::Variable);
}

// The item [first, end) names its column itself: `value AS name`, `value name` or `value 'name'`.
bool hasAlias(const TsqlNodes &level, qsizetype first, qsizetype end)
{
    for (qsizetype i = first; i < end; ++i) {
        if (isWord(level.at(i), "AS"))
            return true;
    }
    const TsqlNode &last = level.at(end - 1);
    const bool aliasLike = (isKind(last, Kind::Word) && !isReservedWord(last)) || isKind(last, Kind::QuotedName)
                           || isKind(last, Kind::String);
    return end - first >= 2 && aliasLike && endsValue(level.at(end - 2));
}

// *, t.* or a plain column, in parentheses or not: SQLite names these by the columns.
bool namedByColumns(const TsqlNodes &level, qsizetype first, qsizetype end)
{
    if (end - first == 1 && isParens(level.at(first)) && !level.at(first).children.isEmpty())
        return namedByColumns(level.at(first).children, 0, level.at(first).children.size());
    const bool star = isOperator(level.at(end - 1), "*") && (end - first == 1 || isKind(level.at(end - 2), Kind::Dot));
    return star || nameEnd(level, first) == end;
}

// `name = value` with a name that T-SQL takes for an alias there: plain, [bracketed], "quoted"
// or a string literal; never a variable (SELECT @v = ... assigns it).
bool isEqualsAlias(const TsqlNodes &level, qsizetype first, qsizetype end)
{
    const TsqlNode &name = level.at(first);
    return end - first >= 3 && isOperator(level.at(first + 1), "=")
           && ((isKind(name, Kind::Word) && !isReservedWord(name)) || isKind(name, Kind::QuotedName)
               || isKind(name, Kind::String));
}

// The item [first, end), name = value, as value AS "name".
void moveAliasAfterValue(TsqlNodes &level, qsizetype first, qsizetype end)
{
    TsqlNode name = makeToken(Kind::QuotedName, level.at(first).token.text);
    const bool spaced = level.at(first).token.spaced;
    level.remove(first, 2);
    level[first].token.spaced = spaced;
    level.insert(end - 2, std::move(name));
    level.insert(end - 2, makeWord(QStringLiteral("AS")));
}

// Calls visit(first, end) for each item of the list of the SELECT at `select`, from the last
// back: a rewrite of one leaves the places of those before it.
template <typename Visit> void forEachItemFromLast(const TsqlNodes &level, qsizetype select, Visit visit)
{
    const qsizetype first = listStart(level, select);
    qsizetype end = first;
    while (end < level.size() && !endsSelectList(level.at(end)))
        ++end;
    qsizetype itemEnd = end;
    for (qsizetype i = end - 1; i >= first - 1; --i) {
        if (i >= first && !isKind(level.at(i), Kind::Comma))
            continue;
        if (i + 1 < itemEnd)
            visit(i + 1, itemEnd);
        itemEnd = i;
    }
}

void moveAliasesOfLevel(TsqlNodes &level)
{
    for (TsqlNode &node : level) {
        if (node.kind != TsqlNode::Kind::Token)
            moveAliasesOfLevel(node.children);
    }
    for (qsizetype select = level.size() - 1; select >= 0; --select) {
        if (isWord(level.at(select), "SELECT"))
            forEachItemFromLast(level, select, [&](qsizetype first, qsizetype end) {
                if (isEqualsAlias(level, first, end))
                    moveAliasAfterValue(level, first, end);
            });
    }
}

qsizetype endOf(const TsqlNode &node)
{
    return node.kind == TsqlNode::Kind::Token ? node.token.end : node.close.end;
}

// Gives the item [first, end) the alias of its text: up to the token after it (`levelEnd`
// when the level ends there, the item's own end when nothing follows it), blanks trimmed.
bool giveAlias(TsqlNodes &level, qsizetype first, qsizetype end, const QString &text, qsizetype levelEnd)
{
    const qsizetype start = level.at(first).token.start;
    qsizetype stop = end < level.size() ? level.at(end).token.start : levelEnd;
    if (stop < 0)
        stop = endOf(level.at(end - 1));
    while (stop > start && isSqliteBlank(text.at(stop - 1)))
        --stop;
    const QString written = text.mid(start, stop - start);
    // SQLite reads no name past a NUL character.
    if (written.contains(QChar(u'\0')))
        return false;
    TsqlNode as = makeWord(QStringLiteral("AS"));
    as.token.start = GivenAlias;
    level.insert(end, makeToken(Kind::QuotedName, written));
    level.insert(end, std::move(as));
    return true;
}

bool nameSelectList(TsqlNodes &level, qsizetype select, const QString &text, qsizetype levelEnd)
{
    bool named = false;
    forEachItemFromLast(level, select, [&](qsizetype first, qsizetype end) {
        if (!hasAlias(level, first, end) && !namedByColumns(level, first, end))
            named = giveAlias(level, first, end, text, levelEnd) || named;
    });
    return named;
}

// `levelEnd`: where the token after the level starts, -1 after the statement's last one.
bool nameLevel(TsqlNodes &level, const QString &text, qsizetype levelEnd, bool insertedRows)
{
    bool named = false;
    for (TsqlNode &node : level) {
        if (node.kind != TsqlNode::Kind::Token)
            named = nameLevel(node.children, text, node.close.start, false) || named;
    }
    if (insertedRows)
        return named;
    for (qsizetype i = level.size() - 1; i >= 0; --i) {
        if (isWord(level.at(i), "SELECT") && !followsCompound(level, i))
            named = nameSelectList(level, i, text, levelEnd) || named;
    }
    return named;
}

// The name SQLite gives the item that ends at the alias given at `as`: its text.
QString sqliteName(const TsqlNodes &level, qsizetype as)
{
    qsizetype first = as;
    while (first > 0 && !isKind(level.at(first - 1), Kind::Comma)
           && !isAnyWord(level.at(first - 1), {"SELECT", "ALL", "DISTINCT"}))
        --first;
    if (first == as)
        return {};
    TsqlNodes item = level.mid(first, as - first);
    item.first().token.spaced = false;
    return renderSqlite(item);
}

} // namespace

void moveEqualsAliases(TsqlNodes &statement)
{
    moveAliasesOfLevel(statement);
}

bool nameColumnsAsWritten(TsqlNodes &statement, const QString &text)
{
    return nameLevel(statement, text, -1, !statement.isEmpty() && isWord(statement.first(), "INSERT"));
}

void dropNamesSqliteGivesAlike(TsqlNodes &statement)
{
    for (qsizetype i = statement.size() - 1; i >= 0; --i) {
        if (statement.at(i).kind != TsqlNode::Kind::Token)
            dropNamesSqliteGivesAlike(statement[i].children);
        else if (isGivenAlias(statement.at(i)) && i + 1 < statement.size()
                 && sqliteName(statement, i) == statement.at(i + 1).token.text)
            statement.remove(i, 2);
    }
}

} // namespace ado::sqlite
