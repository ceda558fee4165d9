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

// Where the items of a SELECT whose first item starts at `first` end.
qsizetype selectListEnd(const TsqlNodes &level, qsizetype first)
{
    qsizetype to = first;
    while (to < level.size() && !isKind(level.at(to), Kind::Semicolon)
           && !isAnyWord(level.at(to), {"FROM", "WHERE", "GROUP", "HAVING", "ORDER", "LIMIT", "UNION", "EXCEPT",
                                        "INTERSECT", "INTO"}))
        ++to;
    return to;
}

// Where the items of the SELECT at `select` start: after DISTINCT or ALL.
qsizetype selectListStart(const TsqlNodes &level, qsizetype select)
{
    const qsizetype first = select + 1;
    return first < level.size() && isAnyWord(level.at(first), {"DISTINCT", "ALL"}) ? first + 1 : first;
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

using Ranges = QList<std::pair<qsizetype, qsizetype>>;

// The results of CASE ... END, each as [first, end) of its content: after each THEN and the ELSE.
Ranges caseResults(const TsqlNodes &content)
{
    Ranges results;
    for (qsizetype i = 0; i < content.size(); ++i) {
        if (!isAnyWord(content.at(i), {"THEN", "ELSE"}))
            continue;
        qsizetype stop = i + 1;
        while (stop < content.size() && !isAnyWord(content.at(stop), {"WHEN", "ELSE"}))
            ++stop;
        results.append({i + 1, stop});
    }
    return results;
}

// CASE ... END: a date when any of its results is one, as SQL Server gives it the highest type
// of its results.
bool isDateCase(const TsqlNodes &content, const DateColumns &dates)
{
    const Ranges results = caseResults(content);
    return std::any_of(results.cbegin(), results.cend(), [&](const auto &result) {
        return isDateValue(content, result.first, result.second, dates, DateBy::Type);
    });
}

// (SELECT value ... FROM ...): a subquery gives its first item's values.
bool isDateSubquery(const TsqlNodes &query, const DateColumns &dates, DateBy by)
{
    const qsizetype first = selectListStart(query, 0);
    qsizetype end = first;
    while (end < query.size() && !isKind(query.at(end), Kind::Comma))
        ++end;
    end = std::min(end, selectListEnd(query, first));
    return isDateValue(query, first, valueEnd(query, first, end), dates, by);
}

// [first, end) is a date by `by`. By type: a date column, plain or qualified, a date function or
// conversion, one of the calls above, a CASE with a date result, a sum or difference with a
// date term (a date plus a number is a date), or a subquery of one. By every value: a date
// column, a date function or conversion, MIN or MAX of one, or a subquery of one.
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
    if (end - first == 1 && isParens(node) && !node.children.isEmpty() && isWord(node.children.first(), "SELECT"))
        return isDateSubquery(node.children, dates, by);
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
Ranges itemsOf(const TsqlNodes &level, qsizetype from, qsizetype to)
{
    Ranges items;
    qsizetype first = from;
    for (qsizetype i = from; i <= to; ++i) {
        if (i == to || isKind(level.at(i), Kind::Comma)) {
            items.append({first, i});
            first = i + 1;
        }
    }
    return items;
}

// The value [first, end), whose type is a date, meets a text: SQL Server reads as dates the
// values it gives, those of ISNULL, NULLIF, COALESCE and CASE among them.
void readValuesAsDates(TsqlNodes &level, qsizetype first, qsizetype end, const DateColumns &dates)
{
    if (end - first == 1 && isParens(level.at(first)) && !level.at(first).children.isEmpty()
        && !isWord(level.at(first).children.first(), "SELECT"))
        return readValuesAsDates(level[first].children, 0, level.at(first).children.size(), dates);
    TsqlNodes *content = nullptr;
    Ranges values;
    if (end - first == 1 && level.at(first).kind == TsqlNode::Kind::Case) {
        content = &level[first].children;
        values = caseResults(*content);
    } else if (end - first == 2 && isAnyWord(level.at(first), {"IFNULL", "NULLIF", "COALESCE"})
               && isParens(level.at(first + 1))) {
        content = &level[first + 1].children;
        values = itemsOf(*content, 0, content->size());
        if (isWord(level.at(first), "NULLIF"))
            values = values.mid(0, 1);
    }
    // From the last back: reading one as a date leaves the places of those before it.
    for (auto value = values.crbegin(); value != values.crend(); ++value)
        readAsDate(*content, value->first, value->second, dates);
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
        const qsizetype first = selectListStart(level, select);
        readItemsAsDates(level, first, selectListEnd(level, first), intoDate, true, dates);
    }
}

// Each rewrite below returns where the operand before its operator starts: the scan goes on
// before it.

// Each side reads the other as a date when its type is one; the right side first, which moves
// nothing of the left.
qsizetype rewriteComparison(TsqlNodes &level, qsizetype op, const DateColumns &dates)
{
    const qsizetype start = operandStart(level, op);
    const qsizetype end = operandEnd(level, op + 1);
    if (isDateValue(level, start, op, dates, DateBy::Type)) {
        readAsDate(level, op + 1, end, dates);
        readValuesAsDates(level, start, op, dates);
    } else if (isDateValue(level, op + 1, end, dates, DateBy::Type)) {
        readValuesAsDates(level, op + 1, end, dates);
        readAsDate(level, start, op, dates);
    }
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
        readValuesAsDates(level, start, end, dates);
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
    readValuesAsDates(level, start, end, dates);
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
    rewriteInsert(statement, dates);
    rewriteLevel(statement, dates);
}

} // namespace ado::sqlite
