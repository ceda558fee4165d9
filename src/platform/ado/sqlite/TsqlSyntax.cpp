#include "platform/ado/sqlite/TsqlSyntax.h"

#include "platform/ado/sqlite/TsqlSyntaxError.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace ado::sqlite {

namespace {

using Kind = TsqlToken::Kind;

bool isAscii(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// Whether an ASCII word is a reserved one, in any letter case, without building a new text.
bool isReservedAsciiWord(QStringView text)
{
    // Sorted, for a binary search.
    static constexpr std::string_view reserved[] = {
        "ADD",       "ALL",      "ALTER",   "AND",    "AS",         "ASC",     "BEGIN",      "BETWEEN", "BY",
        "CASE",      "CHECK",    "COLLATE", "COMMIT", "CONSTRAINT", "CREATE",  "CROSS",      "DEFAULT", "DELETE",
        "DESC",      "DISTINCT", "DROP",    "ELSE",   "END",        "ESCAPE",  "EXCEPT",     "EXISTS",  "FOREIGN",
        "FROM",      "FULL",     "GROUP",   "HAVING", "IF",         "IN",      "INDEX",      "INNER",   "INSERT",
        "INTERSECT", "INTO",     "IS",      "JOIN",   "KEY",        "LEFT",    "LIKE",       "LIMIT",   "NOT",
        "ON",        "OR",       "ORDER",   "OUTER",  "PERCENT",    "PRIMARY", "REFERENCES", "RIGHT",   "ROLLBACK",
        "SELECT",    "SET",      "TABLE",   "THEN",   "TIES",       "TOP",     "TRUNCATE",   "UNION",   "UNIQUE",
        "UPDATE",    "VALUES",   "VIEW",    "WHEN",   "WHERE",      "WITH"};
    static_assert(std::is_sorted(std::begin(reserved), std::end(reserved)));
    constexpr qsizetype longest = 10;
    if (text.size() > longest || !isAscii(text))
        return false;
    std::array<char, longest> upper{};
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = static_cast<char>(text.at(i).unicode());
        upper[i] = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return std::binary_search(std::begin(reserved), std::end(reserved),
                              std::string_view(upper.data(), static_cast<size_t>(text.size())));
}

void appendToken(QString &out, const TsqlToken &token)
{
    if (token.spaced && !out.isEmpty())
        out.append(u' ');
    if (token.parameter > 0) {
        out.append(u'?').append(QString::number(token.parameter));
        return;
    }
    switch (token.kind) {
    case Kind::QuotedName:
        out.append(u'"').append(QString(token.text).replace(u'"', QStringLiteral("\"\""))).append(u'"');
        break;
    case Kind::TempName:
        out.append(u'"').append(token.text).append(u'"');
        break;
    case Kind::String:
        out.append(u'\'').append(QString(token.text).replace(u'\'', QStringLiteral("''"))).append(u'\'');
        break;
    default:
        out.append(token.text);
        break;
    }
}

void renderInto(QString &out, const TsqlNodes &nodes)
{
    for (const TsqlNode &node : nodes) {
        appendToken(out, node.token);
        if (node.kind != TsqlNode::Kind::Token) {
            renderInto(out, node.children);
            appendToken(out, node.close);
        }
    }
}

} // namespace

TsqlNodes buildTsqlTree(const QList<TsqlToken> &tokens)
{
    QList<TsqlNode> open; // the groups still open, innermost last
    TsqlNodes top;
    top.reserve(tokens.size());
    const auto target = [&]() -> TsqlNodes & { return open.isEmpty() ? top : open.last().children; };
    for (const TsqlToken &token : tokens) {
        const bool caseStart =
            token.kind == Kind::Word && token.text.compare(QLatin1String("CASE"), Qt::CaseInsensitive) == 0;
        const bool caseEnd = token.kind == Kind::Word
                             && token.text.compare(QLatin1String("END"), Qt::CaseInsensitive) == 0 && !open.isEmpty()
                             && open.last().kind == TsqlNode::Kind::Case;
        if (token.kind == Kind::OpenParen || caseStart) {
            if (open.size() == MaxTsqlNesting)
                throwTsqlNestingError();
            open.append(TsqlNode{caseStart ? TsqlNode::Kind::Case : TsqlNode::Kind::Parens, token, {}, {}});
        } else if (token.kind == Kind::CloseParen || caseEnd) {
            if (open.isEmpty() || (token.kind == Kind::CloseParen) != (open.last().kind == TsqlNode::Kind::Parens))
                throwTsqlSyntaxError(token.text);
            TsqlNode group = open.takeLast();
            group.close = token;
            target().append(std::move(group));
        } else {
            target().append(TsqlNode{TsqlNode::Kind::Token, token, {}, {}});
        }
    }
    if (!open.isEmpty())
        throwTsqlSyntaxError(tokens.last().text);
    return top;
}

QString renderSqlite(const TsqlNodes &nodes)
{
    QString out;
    renderInto(out, nodes);
    return out;
}

bool isWord(const TsqlNode &node, const char *upperCaseWord)
{
    if (!isKind(node, Kind::Word))
        return false;
    // Case folding maps one character to one, so a word of another length cannot match.
    const QLatin1StringView word(upperCaseWord);
    return node.token.text.size() == word.size() && node.token.text.compare(word, Qt::CaseInsensitive) == 0;
}

bool isAnyWord(const TsqlNode &node, std::initializer_list<const char *> upperCaseWords)
{
    for (const char *word : upperCaseWords) {
        if (isWord(node, word))
            return true;
    }
    return false;
}

bool isOperator(const TsqlNode &node, const char *op)
{
    return isKind(node, Kind::Operator) && node.token.text == QLatin1String(op);
}

bool isReservedWord(const TsqlNode &node)
{
    if (!isKind(node, Kind::Word))
        return false;
    const QString &text = node.token.text;
    // Other letters upper-case by Unicode rules: dotless i and long s become I and S.
    return isAscii(text) ? isReservedAsciiWord(text) : isReservedAsciiWord(text.toUpper());
}

bool isComparison(const TsqlNode &node)
{
    if (!isKind(node, Kind::Operator))
        return false;
    static const char *const comparisons[] = {"=", "<>", "!=", "<", ">", "<=", ">=", "!<", "!>"};
    for (const char *op : comparisons) {
        if (isOperator(node, op))
            return true;
    }
    return false;
}

bool isOperandEdge(const TsqlNodes &level, qsizetype i)
{
    return i < 0 || i >= level.size() || (isReservedWord(level.at(i)) && !isWord(level.at(i), "COLLATE"))
           || isKind(level.at(i), Kind::Comma) || isKind(level.at(i), Kind::Semicolon);
}

bool isName(const TsqlNode &node)
{
    return (isKind(node, Kind::Word) && !isReservedWord(node)) || isKind(node, Kind::QuotedName)
           || isKind(node, Kind::TempName);
}

qsizetype nameEnd(const TsqlNodes &nodes, qsizetype start)
{
    if (start >= nodes.size() || !isName(nodes.at(start)))
        return start;
    qsizetype end = start + 1;
    while (end + 1 < nodes.size() && isKind(nodes.at(end), Kind::Dot) && isName(nodes.at(end + 1)))
        end += 2;
    return end;
}

bool sameName(const TsqlNode &a, const TsqlNode &b)
{
    return isName(a) && isName(b) && a.token.text.compare(b.token.text, Qt::CaseInsensitive) == 0;
}

TsqlNode makeToken(TsqlToken::Kind kind, const QString &text, bool spaced)
{
    return TsqlNode{TsqlNode::Kind::Token, TsqlToken{kind, text, spaced}, {}, {}};
}

TsqlNode makeWord(const QString &text, bool spaced)
{
    return makeToken(Kind::Word, text, spaced);
}

TsqlNode makeParens(TsqlNodes children, bool spaced)
{
    return TsqlNode{TsqlNode::Kind::Parens, TsqlToken{Kind::OpenParen, QStringLiteral("("), spaced},
                    std::move(children), TsqlToken{Kind::CloseParen, QStringLiteral(")"), false}};
}

TsqlNodes makeCall(const QString &name, const QList<TsqlNodes> &arguments, bool spaced)
{
    TsqlNodes content;
    for (const TsqlNodes &argument : arguments) {
        if (!content.isEmpty())
            content.append(makeToken(Kind::Comma, QStringLiteral(","), false));
        content.append(argument);
    }
    return TsqlNodes{makeWord(name, spaced), makeParens(std::move(content))};
}

void wrapInCall(TsqlNodes &level, qsizetype first, qsizetype end, const QString &name, const QList<TsqlNodes> &more)
{
    TsqlNodes argument = level.mid(first, end - first);
    const bool spaced = argument.first().token.spaced;
    argument.first().token.spaced = false;
    const TsqlNodes call = makeCall(name, QList<TsqlNodes>{argument} + more, spaced);
    level.remove(first, end - first);
    level.insert(first, call.at(1));
    level.insert(first, call.at(0));
}

QList<TsqlNodes> splitAtCommas(const TsqlNodes &nodes)
{
    QList<TsqlNodes> parts{TsqlNodes{}};
    for (const TsqlNode &node : nodes) {
        if (isKind(node, Kind::Comma))
            parts.append(TsqlNodes{});
        else
            parts.last().append(node);
    }
    return parts;
}

QString firstText(const TsqlNodes &nodes)
{
    return nodes.isEmpty() ? QString() : nodes.first().token.text;
}

} // namespace ado::sqlite
