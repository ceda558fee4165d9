#include "platform/ado/sqlite/TsqlKeyColumns.h"

#include <optional>

namespace ado::sqlite {

namespace {

using Kind = TsqlToken::Kind;

// The tables of one statement or subquery by the names that qualify their columns.
struct Scope {
    const Scope *outer = nullptr;
    QHash<QString, QString> tables; // upper-case alias or name -> upper-case table; empty: ambiguous

    QString tableOf(const QString &qualifier) const
    {
        for (const Scope *scope = this; scope; scope = scope->outer) {
            const auto found = scope->tables.constFind(qualifier);
            if (found != scope->tables.constEnd())
                return *found;
        }
        return {};
    }

    void add(const QString &name, const QString &table)
    {
        const auto found = tables.constFind(name);
        tables.insert(name, found == tables.constEnd() || *found == table ? table : QString());
    }
};

bool isPlainName(const TsqlNode &node)
{
    return (isKind(node, Kind::Word) && !isReservedWord(node)) || isKind(node, Kind::QuotedName);
}

// A table named at i, with the alias after it; a subquery or a dotted name adds nothing.
void addTable(const TsqlNodes &level, qsizetype i, Scope &scope)
{
    if (i >= level.size() || !isPlainName(level.at(i)) || (i + 1 < level.size() && isKind(level.at(i + 1), Kind::Dot)))
        return;
    const QString table = level.at(i).token.text.toUpper();
    scope.add(table, table);
    qsizetype next = i + 1;
    if (next < level.size() && isWord(level.at(next), "AS"))
        ++next;
    if (next < level.size() && isPlainName(level.at(next)))
        scope.add(level.at(next).token.text.toUpper(), table);
}

Scope scopeOf(const TsqlNodes &level, const Scope *outer)
{
    Scope scope{outer, {}};
    for (qsizetype i = 0; i < level.size(); ++i) {
        const TsqlNode &node = level.at(i);
        if (isAnyWord(node, {"JOIN", "UPDATE", "INTO"}) || (isWord(node, "DELETE") && i + 1 < level.size()))
            addTable(level, i + 1, scope);
        if (!isWord(node, "FROM"))
            continue;
        // FROM a x, b y: every item up to the next keyword.
        addTable(level, i + 1, scope);
        for (qsizetype j = i + 1; j < level.size() && !isReservedWord(level.at(j)); ++j) {
            if (isKind(level.at(j), Kind::Comma))
                addTable(level, j + 1, scope);
        }
    }
    return scope;
}

// q.A + q.B + ... starting at `start`: the qualifier, the pieces and where it ends.
struct Concatenation {
    qsizetype start = 0;
    qsizetype end = 0;
    QStringList pieces;
};

std::optional<Concatenation> concatenationAt(const TsqlNodes &level, qsizetype start)
{
    Concatenation found{start, start, {}};
    qsizetype i = start;
    while (true) {
        if (i + 2 >= level.size() || !isPlainName(level.at(i)) || !isKind(level.at(i + 1), Kind::Dot)
            || !isPlainName(level.at(i + 2)) || !sameName(level.at(i), level.at(start)))
            return std::nullopt;
        found.pieces.append(level.at(i + 2).token.text.toUpper());
        i += 3;
        if (i < level.size() && (isKind(level.at(i), Kind::Dot) || isParens(level.at(i))))
            return std::nullopt;
        if (i + 1 < level.size() && isOperator(level.at(i), "+")) {
            ++i;
            continue;
        }
        break;
    }
    found.end = i;
    if (found.pieces.size() < 2)
        return std::nullopt;
    return found;
}

std::optional<Concatenation> operandAfter(const TsqlNodes &level, qsizetype op)
{
    const auto found = concatenationAt(level, op + 1);
    if (found && isOperandEdge(level, found->end))
        return found;
    return std::nullopt;
}

std::optional<Concatenation> operandBefore(const TsqlNodes &level, qsizetype op)
{
    // k pieces take 4k - 1 nodes.
    for (qsizetype start = op - 7; start >= 0; start -= 4) {
        const auto found = concatenationAt(level, start);
        if (found && found->end == op && isOperandEdge(level, start - 1))
            return found;
    }
    return std::nullopt;
}

// Replaces the concatenation by its column; answers whether it did.
bool replace(TsqlNodes &level, const Concatenation &found, const Scope &scope, const KeyColumns &keys)
{
    const QString table = scope.tableOf(level.at(found.start).token.text.toUpper());
    const QString column = keys.value(table).value(found.pieces.join(u'+'));
    if (table.isEmpty() || column.isEmpty())
        return false;
    const TsqlNode qualifier = level.at(found.start);
    const TsqlNode dot = level.at(found.start + 1);
    level.remove(found.start, found.end - found.start);
    level.insert(found.start, makeToken(Kind::QuotedName, column, false));
    level.insert(found.start, dot);
    level.insert(found.start, qualifier);
    return true;
}

void rewriteLevel(TsqlNodes &level, const Scope &scope, const KeyColumns &keys)
{
    for (TsqlNode &node : level) {
        if (node.kind == TsqlNode::Kind::Token)
            continue;
        if (isParens(node) && !node.children.isEmpty() && isWord(node.children.first(), "SELECT"))
            rewriteLevel(node.children, scopeOf(node.children, &scope), keys);
        else
            rewriteLevel(node.children, scope, keys);
    }
    // From the last comparison back, so that a replacement moves nothing still to visit.
    for (qsizetype op = level.size() - 1; op > 0; --op) {
        if (!isComparison(level.at(op)))
            continue;
        if (const auto right = operandAfter(level, op))
            replace(level, *right, scope, keys);
        if (const auto left = operandBefore(level, op); left && replace(level, *left, scope, keys))
            op = left->start;
    }
}

} // namespace

void rewriteKeyColumns(TsqlNodes &statement, const KeyColumns &keys)
{
    if (keys.isEmpty())
        return;
    rewriteLevel(statement, scopeOf(statement, nullptr), keys);
}

} // namespace ado::sqlite
