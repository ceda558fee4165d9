#include "platform/ado/sqlite/TsqlDateTexts.h"

#include "platform/ado/sqlite/TsqlDates.h"

#include <algorithm>
#include <utility>

namespace ado::sqlite {

namespace {

using Kind = TsqlToken::Kind;

bool isColumnName(const TsqlNode &node)
{
    return (isKind(node, Kind::Word) && !isReservedWord(node)) || isKind(node, Kind::QuotedName);
}

bool isDateColumn(const TsqlNode &node, const DateColumns &dates)
{
    return isColumnName(node) && dates.names.contains(node.token.text.toUpper());
}

// Where an operand of a comparison stops.
bool endsOperand(const TsqlNodes &level, qsizetype i)
{
    return isOperandEdge(level, i) || isComparison(level.at(i));
}

// The start of the operand that ends before `end`.
qsizetype operandStart(const TsqlNodes &level, qsizetype end)
{
    while (end > 0 && !endsOperand(level, end - 1))
        --end;
    return end;
}

// The end of the operand that starts at `start`.
qsizetype operandEnd(const TsqlNodes &level, qsizetype start)
{
    while (!endsOperand(level, start))
        ++start;
    return start;
}

// What makes a value a date: its type (SQL Server then reads a text compared with it as a date),
// or every value it gives being one already, so that nothing of it needs reading.
enum class DateBy { Type, EveryValue };

bool isDateValue(const TsqlNodes &level, qsizetype first, qsizetype end, const DateColumns &dates, DateBy by);

bool isDateValue(const TsqlNodes &nodes, const DateColumns &dates, DateBy by)
{
    return isDateValue(nodes, 0, nodes.size(), dates, by);
}

// CONVERT or CAST to a date type, as the terms' rewrite wrote it: tsql_convert('DATETIME', ...).
bool isDateType(const TsqlNodes &type)
{
    if (type.size() != 1 || !isKind(type.first(), Kind::String))
        return false;
    const QString name = type.first().token.text.section(u'(', 0, 0);
    return name == u"DATETIME" || name == u"SMALLDATETIME" || name == u"DATE" || name == u"DATETIME2";
}

// name(arguments) whose value is a date: SQL Server's date functions, CONVERT to a date, and
// those that give the type of their first argument (MIN, MAX, ISNULL, NULLIF) or of the
// highest of them, a date above a text (COALESCE); those but MIN and MAX may give their other
// arguments' values.
bool isDateCall(const TsqlNode &name, const TsqlNode &group, const DateColumns &dates, DateBy by)
{
    if (isAnyWord(name, {"DATEADD", "GETDATE", "FN_SOLO_FECHA", "TSQL_DATETEXT"}))
        return true;
    const QList<TsqlNodes> arguments = splitAtCommas(group.children);
    if (isWord(name, "TSQL_CONVERT"))
        return isDateType(arguments.first());
    if (isAnyWord(name, {"MIN", "MAX"}))
        return isDateValue(arguments.first(), dates, by);
    if (by == DateBy::EveryValue)
        return false;
    if (isAnyWord(name, {"IFNULL", "NULLIF"}))
        return isDateValue(arguments.first(), dates, by);
    return isWord(name, "COALESCE")
           && std::any_of(arguments.cbegin(), arguments.cend(),
                          [&](const TsqlNodes &argument) { return isDateValue(argument, dates, by); });
}

// CASE ... END: a date when any of its results is one, as SQL Server gives it the highest type
// of its results.
bool isDateCase(const TsqlNodes &content, const DateColumns &dates)
{
    for (qsizetype i = 0; i < content.size(); ++i) {
        if (!isAnyWord(content.at(i), {"THEN", "ELSE"}))
            continue;
        qsizetype stop = i + 1;
        while (stop < content.size() && !isAnyWord(content.at(stop), {"WHEN", "ELSE"}))
            ++stop;
        if (isDateValue(content, i + 1, stop, dates, DateBy::Type))
            return true;
    }
    return false;
}

// [first, end) is a date by `by`. By type: a date column, plain or qualified, a date function or
// conversion, one of the calls above, a CASE with a date result, or a sum or difference with a
// date term (a date plus a number is a date). By every value: a date column, a date function or
// conversion, or MIN or MAX of one.
bool isDateValue(const TsqlNodes &level, qsizetype first, qsizetype end, const DateColumns &dates, DateBy by)
{
    if (first >= end)
        return false;
    bool terms = false;
    qsizetype term = first;
    for (qsizetype i = first; i <= end; ++i) {
        const bool additive = i < end && (isOperator(level.at(i), "+") || isOperator(level.at(i), "-"));
        if (i == end ? terms : additive) {
            if (by == DateBy::EveryValue)
                return false;
            if (isDateValue(level, term, i, dates, by))
                return true;
            terms = true;
            term = i + 1;
        }
    }
    if (terms)
        return false;
    const TsqlNode &node = level.at(first);
    if (end - first == 1 && isParens(node))
        return isDateValue(node.children, dates, by);
    if (end - first == 1 && node.kind == TsqlNode::Kind::Case)
        return by == DateBy::Type && isDateCase(node.children, dates);
    if (end - first == 2 && isKind(node, Kind::Word) && isParens(level.at(first + 1)))
        return isDateCall(node, level.at(first + 1), dates, by);
    return nameEnd(level, first) == end && isDateColumn(level.at(end - 1), dates);
}

bool isNumberOrNull(const TsqlNode &node)
{
    return isKind(node, Kind::Number) || isWord(node, "NULL");
}

// The value [first, end) meets a date column. A written-out literal is read here; a parameter's
// value is known only when the statement runs, and so is any other value's, so the function
// reads them then. A written-out text that is no date goes to the function too, which refuses it
// when the statement runs.
void readAsDate(TsqlNodes &level, qsizetype first, qsizetype end, const DateColumns &dates)
{
    if (first >= end || (end - first == 1 && isNumberOrNull(level.at(first)))
        || isDateValue(level, first, end, dates, DateBy::EveryValue))
        return;
    TsqlToken &text = level[first].token;
    if (end - first == 1 && isKind(level.at(first), Kind::String) && text.parameter == 0) {
        if (const auto date = parseTsqlDate(text.text)) {
            text.text = isoDateTime(*date);
            return;
        }
        if (text.text.trimmed().isEmpty())
            return;
    }
    wrapInCall(level, first, end, QStringLiteral("tsql_datetext"));
}

// Each item of a comma-separated list in [from, to), as [first, end).
QList<std::pair<qsizetype, qsizetype>> itemsOf(const TsqlNodes &level, qsizetype from, qsizetype to)
{
    QList<std::pair<qsizetype, qsizetype>> items;
    qsizetype first = from;
    for (qsizetype i = from; i <= to; ++i) {
        if (i == to || isKind(level.at(i), Kind::Comma)) {
            items.append({first, i});
            first = i + 1;
        }
    }
    return items;
}

// The end of the value of a selected item [first, end): before its alias when it has one.
qsizetype valueEnd(const TsqlNodes &level, qsizetype first, qsizetype end)
{
    if (end - first < 2 || !isColumnName(level.at(end - 1)))
        return end;
    const TsqlNode &before = level.at(end - 2);
    if (isWord(before, "AS"))
        return end - 2;
    const bool valueBefore = before.kind != TsqlNode::Kind::Token || isKind(before, Kind::String)
                             || isKind(before, Kind::Number) || isColumnName(before);
    return valueBefore ? end - 1 : end;
}

// The items of the list in [from, to) that go into date columns, by place; the items of a
// SELECT may carry aliases.
void readItemsAsDates(TsqlNodes &level, qsizetype from, qsizetype to, const QList<bool> &intoDate, bool selected,
                      const DateColumns &dates)
{
    auto items = itemsOf(level, from, to);
    // A selected star (*, t.*) gives columns the translation cannot count: the items from it on
    // go unread here, and their values are read where they are stored.
    const auto star = std::find_if(items.cbegin(), items.cend(), [&](const auto &item) {
        return selected && isOperator(level.at(item.second - 1), "*")
               && (item.second - item.first == 1 || isKind(level.at(item.second - 2), Kind::Dot));
    });
    items.erase(star, items.cend());
    for (qsizetype k = std::min(items.size(), intoDate.size()) - 1; k >= 0; --k) {
        const auto [first, end] = items.at(k);
        if (intoDate.at(k))
            readAsDate(level, first, selected ? valueEnd(level, first, end) : end, dates);
    }
}

// SELECT [DISTINCT | ALL] items FROM ...: the selected values that go into date columns, by place,
// in every SELECT of the level from `from` on (the branches of a UNION).
void readSelectedAsDates(TsqlNodes &level, qsizetype from, const QList<bool> &intoDate, const DateColumns &dates)
{
    for (qsizetype select = level.size() - 1; select >= from; --select) {
        if (!isWord(level.at(select), "SELECT"))
            continue;
        qsizetype first = select + 1;
        if (first < level.size() && isAnyWord(level.at(first), {"DISTINCT", "ALL"}))
            ++first;
        qsizetype to = first;
        while (to < level.size() && !isKind(level.at(to), Kind::Semicolon)
               && !isAnyWord(level.at(to), {"FROM", "WHERE", "GROUP", "HAVING", "ORDER", "LIMIT", "UNION", "EXCEPT",
                                            "INTERSECT", "INTO"}))
            ++to;
        readItemsAsDates(level, first, to, intoDate, true, dates);
    }
}

// Each rewrite below returns where the operand before its operator starts: the scan goes on
// before it.

qsizetype rewriteComparison(TsqlNodes &level, qsizetype op, const DateColumns &dates)
{
    const qsizetype start = operandStart(level, op);
    if (isDateValue(level, start, op, dates, DateBy::Type))
        readAsDate(level, op + 1, operandEnd(level, op + 1), dates);
    else if (isDateValue(level, op + 1, operandEnd(level, op + 1), dates, DateBy::Type))
        readAsDate(level, start, op, dates);
    return start;
}

// The end of the operand before a [NOT] BETWEEN or [NOT] IN at `op`.
qsizetype operandEndBefore(const TsqlNodes &level, qsizetype op)
{
    return op > 0 && isWord(level.at(op - 1), "NOT") ? op - 1 : op;
}

// operand [NOT] BETWEEN low AND high
qsizetype rewriteBetween(TsqlNodes &level, qsizetype between, const DateColumns &dates)
{
    const qsizetype end = operandEndBefore(level, between);
    const qsizetype start = operandStart(level, end);
    const qsizetype low = operandEnd(level, between + 1);
    if (isDateValue(level, start, end, dates, DateBy::Type) && low < level.size() && isWord(level.at(low), "AND")) {
        readAsDate(level, low + 1, operandEnd(level, low + 1), dates);
        readAsDate(level, between + 1, low, dates);
    }
    return start;
}

// operand [NOT] IN (values) or (query)
qsizetype rewriteIn(TsqlNodes &level, qsizetype in, const DateColumns &dates)
{
    const qsizetype end = operandEndBefore(level, in);
    const qsizetype start = operandStart(level, end);
    if (in + 1 >= level.size() || !isParens(level.at(in + 1)) || !isDateValue(level, start, end, dates, DateBy::Type))
        return start;
    TsqlNodes &list = level[in + 1].children;
    if (!list.isEmpty() && isWord(list.first(), "SELECT"))
        readSelectedAsDates(list, 0, {true}, dates);
    else
        readItemsAsDates(list, 0, list.size(), QList<bool>(list.size(), true), false, dates);
    return start;
}

// Comparisons, BETWEEN, IN and the assignments of a SET (an "=" too) in the level and its groups.
void rewriteLevel(TsqlNodes &level, const DateColumns &dates)
{
    for (TsqlNode &node : level) {
        if (node.kind != TsqlNode::Kind::Token)
            rewriteLevel(node.children, dates);
    }
    // From the end back, so that a rewrite moves nothing still to visit.
    for (qsizetype i = level.size() - 1; i > 0; --i) {
        if (isComparison(level.at(i)))
            i = rewriteComparison(level, i, dates);
        else if (isWord(level.at(i), "BETWEEN"))
            i = rewriteBetween(level, i, dates);
        else if (isWord(level.at(i), "IN"))
            i = rewriteIn(level, i, dates);
    }
}

// INSERT [INTO] table [(columns)] VALUES (...), (...) or SELECT ...
void rewriteInsert(TsqlNodes &statement, const DateColumns &dates)
{
    if (statement.isEmpty() || !isWord(statement.first(), "INSERT"))
        return;
    const qsizetype table = statement.size() > 1 && isWord(statement.at(1), "INTO") ? 2 : 1;
    qsizetype next = nameEnd(statement, table);
    if (next == table || next >= statement.size())
        return;
    QList<bool> intoDate;
    if (isParens(statement.at(next))) {
        for (const TsqlNodes &column : splitAtCommas(statement.at(next).children))
            intoDate.append(column.size() == 1 && isDateColumn(column.first(), dates));
        ++next;
    } else {
        intoDate = dates.filledByInsert.value(statement.at(next - 1).token.text.toUpper());
    }
    if (!intoDate.contains(true) || next >= statement.size())
        return;
    if (!isWord(statement.at(next), "VALUES"))
        return readSelectedAsDates(statement, next, intoDate, dates);
    for (qsizetype i = next + 1; i < statement.size() && isParens(statement.at(i)); i += 2) {
        TsqlNodes &row = statement[i].children;
        readItemsAsDates(row, 0, row.size(), intoDate, false, dates);
        if (i + 1 < statement.size() && !isKind(statement.at(i + 1), Kind::Comma))
            break;
    }
}

} // namespace

void rewriteDateTexts(TsqlNodes &statement, const DateColumns &dates)
{
    if (dates.names.isEmpty())
        return;
    rewriteInsert(statement, dates);
    rewriteLevel(statement, dates);
}

} // namespace ado::sqlite
