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
    QList<qsizetype> multiplicativeOperators; // indexes of the *, / and % between the factors
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
        run.multiplicativeOperators.append(end);
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

// SQLite takes at most this many arguments in one call: its own default limit, which the
// system's library keeps.
constexpr qsizetype MostCallArguments = 127;

// The operands of a chain of operators evaluated left to right, and the operator before each
// operand but the first.
struct Chain {
    QList<TsqlNodes> operands;
    QString operators;
};

// The chain as calls of `name` that SQLite parses flat, name(a, b, c, ...), so that a sum of a
// thousand terms nests no deeper than a short one: a call takes at most MostCallArguments
// arguments, and a longer chain goes on in a call whose first operand is the one before. With
// `withOperators` each call's last argument is the text of its operators ('+-+'): SQLite's
// parser keeps less for a call nested as the first argument. `calls` receives how many calls
// nest.
TsqlNodes chainCalls(const QString &name, const Chain &chain, bool withOperators, qsizetype &calls)
{
    const qsizetype room = MostCallArguments - (withOperators ? 1 : 0);
    QList<TsqlNodes> arguments{chain.operands.first()};
    QString operators;
    calls = 0;
    const auto call = [&] {
        if (withOperators)
            arguments.append(TsqlNodes{makeToken(Kind::String, operators)});
        for (qsizetype k = 0; k < arguments.size(); ++k)
            arguments[k].first().token.spaced = k > 0;
        ++calls;
        operators.clear();
        return makeCall(name, arguments, false);
    };
    for (qsizetype k = 1; k < chain.operands.size(); ++k) {
        if (arguments.size() == room)
            arguments = {call()};
        arguments.append(chain.operands.at(k));
        operators.append(chain.operators.at(k - 1));
    }
    return call();
}

// The chain of the nodes [first, end) split at `operators` (indexes into the nodes).
Chain chainOf(const TsqlNodes &nodes, qsizetype first, qsizetype end, const QList<qsizetype> &operators)
{
    Chain chain;
    qsizetype from = first;
    for (const qsizetype op : operators) {
        chain.operands.append(nodes.mid(from, op - from));
        chain.operators.append(nodes.at(op).token.text);
        from = op + 1;
    }
    chain.operands.append(nodes.mid(from, end - from));
    return chain;
}

// The term [first, end) of a run: a product of factors joined by * alone becomes
// tsql_mul(a, b, ...), which SQLite's expression tree, one level a factor, could not hold past
// its depth limit; a term that divides stays as written. `calls`: how many calls nest in it.
TsqlNodes termCalls(const TsqlNodes &nodes, const Run &run, qsizetype first, qsizetype end, qsizetype &calls)
{
    QList<qsizetype> operators;
    for (const qsizetype op : run.multiplicativeOperators) {
        if (op > first && op < end)
            operators.append(op);
    }
    calls = 0;
    if (operators.isEmpty() || std::any_of(operators.cbegin(), operators.cend(), [&](qsizetype op) {
            return !isOperator(nodes.at(op), "*");
        }))
        return nodes.mid(first, end - first);
    return chainCalls(QStringLiteral("tsql_mul"), chainOf(nodes, first, end, operators), false, calls);
}

// The run as calls: a + b - c -> tsql_sum(a, b, c, '+-'), a + b + c -> tsql_add(a, b, c), with
// the products among its terms as tsql_mul calls. `calls`: how many calls nest in it.
TsqlNodes runCalls(const TsqlNodes &nodes, const Run &run, qsizetype &calls)
{
    Chain sum = chainOf(nodes, run.start, run.end, run.additiveOperators);
    qsizetype deepestTerm = 0;
    qsizetype first = run.start;
    for (qsizetype k = 0; k < sum.operands.size(); ++k) {
        const qsizetype end = k < run.additiveOperators.size() ? run.additiveOperators.at(k) : run.end;
        qsizetype termDepth = 0;
        sum.operands[k] = termCalls(nodes, run, first, end, termDepth);
        deepestTerm = std::max(deepestTerm, termDepth);
        first = end + 1;
    }
    calls = 0;
    TsqlNodes result = sum.operands.first();
    if (!sum.operators.isEmpty()) {
        const bool added = sum.operators.count(u'+') == sum.operators.size();
        result = chainCalls(added ? QStringLiteral("tsql_add") : QStringLiteral("tsql_sum"), sum, !added, calls);
    }
    calls += deepestTerm;
    result.first().token.spaced = nodes.at(run.start).token.spaced;
    return result;
}

// Whether the run holds a sum or a product, which may become calls.
bool becomesCalls(const TsqlNodes &nodes, const Run &run)
{
    return !run.additiveOperators.isEmpty()
           || std::any_of(run.multiplicativeOperators.cbegin(), run.multiplicativeOperators.cend(),
                          [&](qsizetype op) { return isOperator(nodes.at(op), "*"); });
}

// Returns how many calls deep the level's deepest run now sits; refuses (nesting error) a run
// whose calls would nest the level, `depth` deep counted from the statement, past the limit.
qsizetype rewriteArithmetic(TsqlNodes &level, qsizetype depth)
{
    // Most levels (value lists, column lists, SELECT *) hold no arithmetic: no run to look for.
    bool arithmetic = false;
    for (qsizetype i = 1; i < level.size() && !arithmetic; ++i)
        arithmetic =
            isAdditive(level.at(i))
            || (isOperator(level.at(i), "*") && !isOperandEdge(level, i - 1) && !isKind(level.at(i - 1), Kind::Dot));
    if (!arithmetic)
        return 0;
    const QList<Run> runs = runsOf(level);
    qsizetype deepest = 0;
    for (auto run = runs.crbegin(); run != runs.crend(); ++run) {
        if (!becomesCalls(level, *run))
            continue;
        qsizetype calls = 0;
        const TsqlNodes rewritten = runCalls(level, *run, calls);
        if (depth + calls > MaxTsqlNesting)
            throwTsqlNestingError();
        deepest = std::max(deepest, calls);
        level.remove(run->start, run->end - run->start);
        for (qsizetype k = 0; k < rewritten.size(); ++k)
            level.insert(run->start + k, rewritten.at(k));
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
// Done once the level's groups are rewritten, so that the dividend's copy reads as the dividend
// does. Answers whether it wrapped any: the level then nests one call deeper.
bool checkDivisors(TsqlNodes &level)
{
    if (std::none_of(level.cbegin(), level.cend(),
                     [](const TsqlNode &node) { return isOperator(node, "/") || isOperator(node, "%"); }))
        return false;
    bool wrapped = false;
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
        if (end > op + 1 && start < op && !safe) {
            wrapInCall(level, op + 1, end, QStringLiteral("tsql_divisor"), {level.mid(start, op - start)});
            wrapped = true;
        }
    }
    return wrapped;
}

// Rewrites a level `outer` groups deep and returns how deep it nests once rewritten.
qsizetype rewriteLevel(TsqlNodes &nodes, qsizetype outer)
{
    qsizetype depth = 0;
    for (TsqlNode &node : nodes) {
        if (node.kind != TsqlNode::Kind::Token)
            depth = std::max(depth, rewriteLevel(node.children, outer + 1) + 1);
    }
    if (checkDivisors(nodes))
        ++depth;
    depth += rewriteArithmetic(nodes, outer + depth);
    addCollations(nodes);
    return depth;
}

} // namespace

void rewriteExpressions(TsqlNodes &nodes)
{
    rewriteLevel(nodes, 0);
}

} // namespace ado::sqlite
