#include "platform/ado/sqlite/TsqlDateTexts.h"

#include "platform/ado/sqlite/TsqlDates.h"

namespace ado::sqlite {

namespace {

using Kind = TsqlToken::Kind;

bool isColumnName(const TsqlNode &node)
{
    return (isKind(node, Kind::Word) && !isReservedWord(node)) || isKind(node, Kind::QuotedName);
}

bool isDateColumn(const TsqlNode &node, const DateColumns &dates)
{
    return isColumnName(node) && dates.contains(node.token.text.toUpper());
}

// A column, plain or qualified, that ends at `last` and is a whole operand.
bool isDateColumnEndingAt(const TsqlNodes &level, qsizetype last, const DateColumns &dates)
{
    if (last < 0 || !isDateColumn(level.at(last), dates))
        return false;
    qsizetype start = last;
    while (start >= 2 && isKind(level.at(start - 1), Kind::Dot) && isColumnName(level.at(start - 2)))
        start -= 2;
    return isOperandEdge(level, start - 1);
}

// A column, plain or qualified, that starts at `first` and is a whole operand.
bool isDateColumnStartingAt(const TsqlNodes &level, qsizetype first, const DateColumns &dates)
{
    if (first >= level.size() || !isColumnName(level.at(first)))
        return false;
    const qsizetype end = nameEnd(level, first);
    return isDateColumn(level.at(end - 1), dates) && isOperandEdge(level, end);
}

// A string literal that is a whole operand by itself at i.
bool isLoneText(const TsqlNodes &level, qsizetype i, bool edgeBefore, bool edgeAfter)
{
    return i >= 0 && i < level.size() && isKind(level.at(i), Kind::String)
           && (!edgeBefore || isOperandEdge(level, i - 1)) && (!edgeAfter || isOperandEdge(level, i + 1));
}

// A written-out literal is rewritten here; a parameter's value is known only when the statement
// runs, so the function reads it then. A written-out text that is no date goes to the function
// too, which refuses it when the statement runs.
void readAsDate(TsqlNodes &level, qsizetype i)
{
    TsqlNode text = level.at(i);
    if (text.token.parameter == 0) {
        if (const auto date = parseTsqlDate(text.token.text)) {
            level[i].token.text = isoDateTime(*date);
            return;
        }
        if (text.token.text.trimmed().isEmpty())
            return;
    }
    const bool spaced = text.token.spaced;
    text.token.spaced = false;
    const TsqlNodes call = makeCall(QStringLiteral("tsql_datetext"), {TsqlNodes{text}}, spaced);
    level.replace(i, call.at(0));
    level.insert(i + 1, call.at(1));
}

// column BETWEEN 'a' AND 'b' (or NOT BETWEEN) with the BETWEEN at `between`.
void rewriteBetween(TsqlNodes &level, qsizetype between, const DateColumns &dates)
{
    const qsizetype column = between > 0 && isWord(level.at(between - 1), "NOT") ? between - 2 : between - 1;
    if (!isDateColumnEndingAt(level, column, dates) || between + 3 >= level.size()
        || !isWord(level.at(between + 2), "AND"))
        return;
    if (isLoneText(level, between + 3, false, true))
        readAsDate(level, between + 3);
    if (isLoneText(level, between + 1, false, false))
        readAsDate(level, between + 1);
}

void rewriteComparison(TsqlNodes &level, qsizetype op, const DateColumns &dates)
{
    if (isLoneText(level, op + 1, false, true) && isDateColumnEndingAt(level, op - 1, dates))
        readAsDate(level, op + 1);
    else if (isLoneText(level, op - 1, true, false) && isDateColumnStartingAt(level, op + 1, dates))
        readAsDate(level, op - 1);
}

// Comparisons, BETWEEN and the assignments of a SET (an "=" too) in the level and its groups.
void rewriteLevel(TsqlNodes &level, const DateColumns &dates)
{
    for (TsqlNode &node : level) {
        if (node.kind != TsqlNode::Kind::Token)
            rewriteLevel(node.children, dates);
    }
    // From the end back, so that a rewrite moves nothing still to visit.
    for (qsizetype i = level.size() - 1; i > 0; --i) {
        if (isComparison(level.at(i)))
            rewriteComparison(level, i, dates);
        else if (isWord(level.at(i), "BETWEEN"))
            rewriteBetween(level, i, dates);
    }
}

// The items of one VALUES row that go into date columns.
void rewriteRow(TsqlNodes &row, const QList<bool> &intoDate)
{
    qsizetype item = 0;
    QList<qsizetype> texts;
    for (qsizetype i = 0; i < row.size(); ++i) {
        if (isKind(row.at(i), Kind::Comma)) {
            ++item;
            continue;
        }
        const bool alone = (i == 0 || isKind(row.at(i - 1), Kind::Comma))
                           && (i + 1 == row.size() || isKind(row.at(i + 1), Kind::Comma));
        if (alone && item < intoDate.size() && intoDate.at(item) && isKind(row.at(i), Kind::String))
            texts.append(i);
    }
    for (auto i = texts.crbegin(); i != texts.crend(); ++i)
        readAsDate(row, *i);
}

// INSERT [INTO] table (columns) VALUES (...), (...)
void rewriteInsert(TsqlNodes &statement, const DateColumns &dates)
{
    if (statement.isEmpty() || !isWord(statement.first(), "INSERT"))
        return;
    const qsizetype table = statement.size() > 1 && isWord(statement.at(1), "INTO") ? 2 : 1;
    const qsizetype columns = nameEnd(statement, table);
    if (columns == table || columns + 1 >= statement.size() || !isParens(statement.at(columns))
        || !isWord(statement.at(columns + 1), "VALUES"))
        return;
    QList<bool> intoDate;
    for (const TsqlNodes &column : splitAtCommas(statement.at(columns).children))
        intoDate.append(column.size() == 1 && isDateColumn(column.first(), dates));
    if (!intoDate.contains(true))
        return;
    for (qsizetype i = columns + 2; i < statement.size() && isParens(statement.at(i)); i += 2) {
        rewriteRow(statement[i].children, intoDate);
        if (i + 1 < statement.size() && !isKind(statement.at(i + 1), Kind::Comma))
            break;
    }
}

} // namespace

void rewriteDateTexts(TsqlNodes &statement, const DateColumns &dates)
{
    if (dates.isEmpty())
        return;
    rewriteInsert(statement, dates);
    rewriteLevel(statement, dates);
}

} // namespace ado::sqlite
