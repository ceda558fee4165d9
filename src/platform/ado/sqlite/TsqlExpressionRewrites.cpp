#include "platform/ado/sqlite/TsqlExpressionRewrites.h"

#include "platform/ado/sqlite/TsqlSyntaxError.h"

#include <algorithm>

namespace ado::sqlite {

namespace {

using Kind = TsqlToken::Kind;

// An arithmetic expression of one level: terms joined by + and -, each term a product of
// primaries (names, literals, calls, groups) with optional signs.
struct Run {
    qsizetype start = 0;
    qsizetype end = 0;
    QList<qsizetype> additiveOperators; // indexes of the binary + and - between the terms
    int primaries = 0;
    bool plainColumn = false; // one dotted name, nothing else
    bool stringLiteral = false; // one string literal, nothing else
    bool collated = false; // its last primary carries COLLATE
};

bool isSign(const TsqlNode &node)
{
    return isKind(node, Kind::Operator) && (isOperator(node, "+") || isOperator(node, "-") || isOperator(node, "~"));
}

bool isMultiplicative(const TsqlNode &node)
{
    return isKind(node, Kind::Operator) && (isOperator(node, "*") || isOperator(node, "/") || isOperator(node, "%"));
}

bool isAdditive(const TsqlNode &node)
{
    return isKind(node, Kind::Operator) && (isOperator(node, "+") || isOperator(node, "-"));
}

// The end of the primary at i (i when none starts there); `collated` tells a COLLATE suffix.
qsizetype primaryEnd(const TsqlNodes &nodes, qsizetype i, bool &collated)
{
    if (i >= nodes.size())
        return i;
    const TsqlNode &node = nodes.at(i);
    qsizetype end = i;
    if (isKind(node, Kind::String) || isKind(node, Kind::Number) || isKind(node, Kind::Variable) || isWord(node, "NULL")
        || node.kind != TsqlNode::Kind::Token) {
        end = i + 1;
    } else if (isName(node) && i + 1 < nodes.size() && isParens(nodes.at(i + 1)) && isKind(node, Kind::Word)) {
        end = i + 2;
    } else if (isName(node)) {
        end = nameEnd(nodes, i);
        if (end + 1 < nodes.size() && isKind(nodes.at(end), Kind::Dot) && isOperator(nodes.at(end + 1), "*"))
            end += 2;
    }
    collated = false;
    while (end > i && end + 1 < nodes.size() && isWord(nodes.at(end), "COLLATE")
           && isKind(nodes.at(end + 1), Kind::Word)) {
        end += 2;
        collated = true;
    }
    return end;
}

// A signed primary at i: its end, or i when none starts there.
qsizetype factorEnd(const TsqlNodes &nodes, qsizetype i, Run &run)
{
    qsizetype pos = i;
    while (pos < nodes.size() && isSign(nodes.at(pos)))
        ++pos;
    const qsizetype end = primaryEnd(nodes, pos, run.collated);
    if (end == pos)
        return i;
    ++run.primaries;
    return end;
}

qsizetype termEnd(const TsqlNodes &nodes, qsizetype i, Run &run)
{
    qsizetype end = factorEnd(nodes, i, run);
    while (end > i && end < nodes.size() && isMultiplicative(nodes.at(end))) {
        const qsizetype next = factorEnd(nodes, end + 1, run);
        if (next == end + 1)
            break;
        end = next;
    }
    return end;
}

// The arithmetic expression that starts at i, if one does.
std::optional<Run> runAt(const TsqlNodes &nodes, qsizetype i)
{
    Run run;
    run.start = i;
    run.end = termEnd(nodes, i, run);
    if (run.end == i)
        return std::nullopt;
    while (run.end < nodes.size() && isAdditive(nodes.at(run.end))) {
        const qsizetype next = termEnd(nodes, run.end + 1, run);
        if (next == run.end + 1)
            break;
        run.additiveOperators.append(run.end);
        run.end = next;
    }
    const qsizetype length = run.end - run.start;
    run.stringLiteral = length == 1 && isKind(nodes.at(i), Kind::String);
    run.plainColumn = !run.collated && nameEnd(nodes, i) == run.end && !(length == 1 && isWord(nodes.at(i), "NULL"));
    return run;
}

QList<Run> runsOf(const TsqlNodes &nodes)
{
    QList<Run> runs;
    for (qsizetype i = 0; i < nodes.size();) {
        if (const auto run = runAt(nodes, i)) {
            runs.append(*run);
            i = run->end;
        } else {
            ++i;
        }
    }
    return runs;
}

// a + b - c + d -> tsql_add(tsql_sub(tsql_add(a, b), c), d)
TsqlNodes additionCalls(const TsqlNodes &nodes, const Run &run)
{
    const bool spaced = nodes.at(run.start).token.spaced;
    TsqlNodes sum = nodes.mid(run.start, run.additiveOperators.first() - run.start);
    sum.first().token.spaced = false;
    for (qsizetype k = 0; k < run.additiveOperators.size(); ++k) {
        const qsizetype op = run.additiveOperators.at(k);
        const qsizetype termEndIndex = k + 1 < run.additiveOperators.size() ? run.additiveOperators.at(k + 1) : run.end;
        TsqlNodes term = nodes.mid(op + 1, termEndIndex - op - 1);
        term.first().token.spaced = true;
        const QString function =
            isOperator(nodes.at(op), "+") ? QStringLiteral("tsql_add") : QStringLiteral("tsql_sub");
        sum = makeCall(function, {sum, term}, false);
    }
    sum.first().token.spaced = spaced;
    return sum;
}

// Returns how many calls deep the level's longest chain now sits; refuses (nesting error) a
// chain that would nest the level, `depth` deep counted from the statement, past the limit.
qsizetype rewriteAdditions(TsqlNodes &level, qsizetype depth)
{
    // Most levels (value lists, column lists) hold no + or -: no run to look for.
    if (std::none_of(level.cbegin(), level.cend(), isAdditive))
        return 0;
    const QList<Run> runs = runsOf(level);
    qsizetype deepest = 0;
    for (const Run &run : runs)
        deepest = std::max(deepest, run.additiveOperators.size());
    if (depth + deepest > MaxTsqlNesting)
        throwTsqlNestingError();
    for (auto run = runs.crbegin(); run != runs.crend(); ++run) {
        if (run->additiveOperators.isEmpty())
            continue;
        const TsqlNodes calls = additionCalls(level, *run);
        level.remove(run->start, run->end - run->start);
        for (qsizetype k = 0; k < calls.size(); ++k)
            level.insert(run->start + k, calls.at(k));
    }
    return deepest;
}

// An expression whose text comparisons SQLite would make byte by byte.
bool needsCollation(const Run &run)
{
    return run.primaries == 1 && !run.plainColumn && !run.collated;
}

bool holdsString(const TsqlNode &group)
{
    for (const TsqlNode &node : group.children) {
        if (isKind(node, Kind::String))
            return true;
    }
    return false;
}

const Run *runEndingAt(const QList<Run> &runs, qsizetype end)
{
    for (const Run &run : runs) {
        if (run.end == end)
            return &run;
    }
    return nullptr;
}

const Run *runStartingAt(const QList<Run> &runs, qsizetype start)
{
    for (const Run &run : runs) {
        if (run.start == start)
            return &run;
    }
    return nullptr;
}

// Where COLLATE TSQLCI goes for the comparison or IN at `op`, or -1.
qsizetype collationPoint(const TsqlNodes &level, const QList<Run> &runs, qsizetype op)
{
    if (isComparison(level.at(op))) {
        const Run *left = runEndingAt(runs, op);
        const Run *right = runStartingAt(runs, op + 1);
        if (!left || !right)
            return -1;
        if (left->stringLiteral && !left->collated && needsCollation(*right))
            return left->end;
        if (right->stringLiteral && !right->collated && needsCollation(*left))
            return right->end;
        return -1;
    }
    if (isWord(level.at(op), "IN") && op + 1 < level.size() && isParens(level.at(op + 1))
        && holdsString(level.at(op + 1))) {
        const qsizetype leftEnd = op > 0 && isWord(level.at(op - 1), "NOT") ? op - 1 : op;
        const Run *left = runEndingAt(runs, leftEnd);
        if (left && needsCollation(*left))
            return left->end;
    }
    return -1;
}

// A comparison or IN, where a collation may be needed.
bool isCollationOperator(const TsqlNode &node)
{
    return isComparison(node) || isWord(node, "IN");
}

void addCollations(TsqlNodes &level)
{
    if (std::none_of(level.cbegin(), level.cend(), isCollationOperator))
        return;
    const QList<Run> runs = runsOf(level);
    QList<qsizetype> points;
    for (qsizetype op = 0; op < level.size(); ++op) {
        const qsizetype point = collationPoint(level, runs, op);
        if (point >= 0)
            points.append(point);
    }
    for (auto point = points.crbegin(); point != points.crend(); ++point) {
        level.insert(*point, makeWord(QStringLiteral("TSQLCI")));
        level.insert(*point, makeWord(QStringLiteral("COLLATE")));
    }
}

// The first node of the term that ends before the multiplicative operator at `op`: what it
// divides. `op` itself when it stands in no expression.
qsizetype dividendStart(const QList<Run> &runs, qsizetype op)
{
    for (const Run &run : runs) {
        if (run.start < op && op < run.end) {
            qsizetype start = run.start;
            for (const qsizetype additive : run.additiveOperators) {
                if (additive < op)
                    start = additive + 1;
            }
            return start;
        }
    }
    return op;
}

// SQLite gives Null for a division or remainder by zero where SQL Server refuses it, unless
// what it divides is Null: every divisor but NULL or a number written out that is not zero
// becomes tsql_divisor(divisor, dividend), which fails the statement on a zero when it runs.
void checkDivisors(TsqlNodes &level)
{
    if (std::none_of(level.cbegin(), level.cend(),
                     [](const TsqlNode &node) { return isOperator(node, "/") || isOperator(node, "%"); }))
        return;
    // Taken before any rewrite: each rewrite below changes only nodes after its operator.
    const QList<Run> runs = runsOf(level);
    for (qsizetype op = level.size() - 2; op > 0; --op) {
        if (!isOperator(level.at(op), "/") && !isOperator(level.at(op), "%"))
            continue;
        Run divisor;
        const qsizetype end = factorEnd(level, op + 1, divisor);
        const qsizetype start = dividendStart(runs, op);
        const TsqlNode &first = level.at(op + 1);
        const bool safe =
            end == op + 2
            && (isWord(first, "NULL")
                || (isKind(first, Kind::Number) && first.token.parameter == 0 && first.token.text.toDouble() != 0));
        if (end > op + 1 && start < op && !safe)
            wrapInCall(level, op + 1, end, QStringLiteral("tsql_divisor"), {level.mid(start, op - start)});
    }
}

// Rewrites a level `outer` groups deep and returns how deep it nests once rewritten.
qsizetype rewriteLevel(TsqlNodes &nodes, qsizetype outer)
{
    checkDivisors(nodes);
    qsizetype depth = 0;
    for (TsqlNode &node : nodes) {
        if (node.kind != TsqlNode::Kind::Token)
            depth = std::max(depth, rewriteLevel(node.children, outer + 1) + 1);
    }
    depth += rewriteAdditions(nodes, outer + depth);
    addCollations(nodes);
    return depth;
}

} // namespace

void rewriteExpressions(TsqlNodes &nodes)
{
    rewriteLevel(nodes, 0);
}

} // namespace ado::sqlite
