#include "platform/ado/sqlite/TsqlTermRewrites.h"

#include "platform/ado/sqlite/TsqlSyntaxError.h"

namespace ado::sqlite {

namespace {

using Kind = TsqlToken::Kind;

bool isTableHint(const TsqlNode &node)
{
    return isAnyWord(node, {"NOLOCK", "READUNCOMMITTED", "READCOMMITTED", "REPEATABLEREAD", "SERIALIZABLE", "ROWLOCK",
                            "PAGLOCK", "TABLOCK", "TABLOCKX", "UPDLOCK", "XLOCK", "HOLDLOCK", "NOWAIT", "READPAST",
                            "NOEXPAND", "INDEX"});
}

// ( NOLOCK ), ( NOLOCK, INDEX(ix) ): a group that holds table hints only.
bool isHintGroup(const TsqlNode &node)
{
    if (!isParens(node) || node.children.isEmpty())
        return false;
    for (const TsqlNode &child : node.children) {
        if (!isTableHint(child) && !isKind(child, Kind::Comma) && !isParens(child) && !isOperator(child, "="))
            return false;
    }
    return isTableHint(node.children.first());
}

bool isCallOf(const TsqlNodes &nodes, qsizetype i, std::initializer_list<const char *> names)
{
    return i + 1 < nodes.size() && isParens(nodes.at(i + 1)) && isAnyWord(nodes.at(i), names);
}

// The type of CONVERT and CAST as one upper-case text: "NVARCHAR(30)", "DECIMAL(10,2)".
QString typeText(const TsqlNodes &type)
{
    if (type.isEmpty() || !isKind(type.first(), Kind::Word))
        throwTsqlSyntaxError(firstText(type));
    TsqlNodes compact = type;
    for (TsqlNode &node : compact)
        node.token.spaced = false;
    return renderSqlite(compact).toUpper().remove(u' ');
}

TsqlNode typeLiteral(const TsqlNodes &type)
{
    return makeToken(Kind::String, typeText(type), false);
}

// CONVERT(type, value[, style]) -> tsql_convert('TYPE', value[, style])
void rewriteConvert(TsqlNodes &nodes, qsizetype i)
{
    QList<TsqlNodes> arguments = splitAtCommas(nodes.at(i + 1).children);
    if (arguments.size() < 2 || arguments.size() > 3 || arguments.at(1).isEmpty())
        throwTsqlSyntaxError(nodes.at(i).token.text);
    arguments[0] = TsqlNodes{typeLiteral(arguments.at(0))};
    const TsqlNodes call = makeCall(QStringLiteral("tsql_convert"), arguments, nodes.at(i).token.spaced);
    nodes.replace(i, call.at(0));
    nodes.replace(i + 1, call.at(1));
}

// CAST(value AS type) -> tsql_convert('TYPE', value)
void rewriteCast(TsqlNodes &nodes, qsizetype i)
{
    const TsqlNodes &content = nodes.at(i + 1).children;
    qsizetype as = content.size() - 1;
    while (as >= 0 && !isWord(content.at(as), "AS"))
        --as;
    if (as <= 0)
        throwTsqlSyntaxError(nodes.at(i).token.text);
    const TsqlNodes value = content.mid(0, as);
    const TsqlNodes type = content.mid(as + 1);
    const TsqlNodes call =
        makeCall(QStringLiteral("tsql_convert"), {TsqlNodes{typeLiteral(type)}, value}, nodes.at(i).token.spaced);
    nodes.replace(i, call.at(0));
    nodes.replace(i + 1, call.at(1));
}

// DATEADD(day, ...) -> DATEADD('day', ...): SQLite would read the part as a column.
void quoteDatePart(TsqlNode &arguments)
{
    if (!arguments.children.isEmpty() && isKind(arguments.children.first(), Kind::Word)) {
        TsqlToken &part = arguments.children.first().token;
        part = TsqlToken{Kind::String, part.text.toLower(), part.spaced};
    }
}

QString collationFor(const QString &sqlServerName)
{
    if (sqlServerName.contains(QLatin1String("_CI"), Qt::CaseInsensitive))
        return QStringLiteral("TSQLCI");
    if (sqlServerName.contains(QLatin1String("_CS"), Qt::CaseInsensitive)
        || sqlServerName.contains(QLatin1String("_BIN"), Qt::CaseInsensitive))
        return QStringLiteral("BINARY");
    return sqlServerName;
}

// Drops nodes [i, i + count), passing their leading blank on to what follows.
void removeNodes(TsqlNodes &nodes, qsizetype i, qsizetype count)
{
    const bool spaced = nodes.at(i).token.spaced;
    nodes.remove(i, count);
    if (i < nodes.size())
        nodes[i].token.spaced = nodes[i].token.spaced || spaced;
}

// Handles the term at i; answers whether it removed it (the same index then holds the next).
bool rewriteTerm(TsqlNodes &nodes, qsizetype i)
{
    TsqlNode &node = nodes[i];
    const bool followedByGroup = i + 1 < nodes.size() && isParens(nodes.at(i + 1));
    if (isWord(node, "WITH") && followedByGroup && isHintGroup(nodes.at(i + 1))) {
        removeNodes(nodes, i, 2);
        return true;
    }
    if (isHintGroup(node) && i > 0 && isName(nodes.at(i - 1))) {
        removeNodes(nodes, i, 1);
        return true;
    }
    if ((isWord(node, "DBO")
         || (isKind(node, Kind::QuotedName) && node.token.text.compare(QLatin1String("dbo"), Qt::CaseInsensitive) == 0))
        && i + 1 < nodes.size() && isKind(nodes.at(i + 1), Kind::Dot)) {
        removeNodes(nodes, i, 2);
        return true;
    }
    if (isKind(node, Kind::Variable)
        && node.token.text.compare(QLatin1String("@@IDENTITY"), Qt::CaseInsensitive) == 0) {
        const TsqlNodes call = makeCall(QStringLiteral("last_insert_rowid"), {}, node.token.spaced);
        nodes.replace(i, call.at(0));
        nodes.insert(i + 1, call.at(1));
    } else if (isOperator(node, "!<") || isOperator(node, "!>")) {
        node.token.text = node.token.text == QLatin1String("!<") ? QStringLiteral(">=") : QStringLiteral("<=");
    } else if (isCallOf(nodes, i, {"SCOPE_IDENTITY"})) {
        node.token.text = QStringLiteral("last_insert_rowid");
    } else if (isCallOf(nodes, i, {"DATEADD", "DATEDIFF", "DATEPART"})) {
        quoteDatePart(nodes[i + 1]);
    } else if (isCallOf(nodes, i, {"LEFT", "RIGHT"})) {
        node.token.text = QStringLiteral("tsql_") + node.token.text.toLower();
    } else if (isCallOf(nodes, i, {"ISNULL"})) {
        node.token.text = QStringLiteral("ifnull");
    } else if (isCallOf(nodes, i, {"CONVERT"})) {
        rewriteConvert(nodes, i);
    } else if (isCallOf(nodes, i, {"CAST"})) {
        rewriteCast(nodes, i);
    } else if (isWord(node, "COLLATE") && i + 1 < nodes.size() && isKind(nodes.at(i + 1), Kind::Word)) {
        nodes[i + 1].token.text = collationFor(nodes.at(i + 1).token.text);
    }
    return false;
}

} // namespace

void rewriteTerms(TsqlNodes &nodes)
{
    for (qsizetype i = 0; i < nodes.size();) {
        if (!rewriteTerm(nodes, i))
            ++i;
    }
    for (TsqlNode &node : nodes) {
        if (node.kind != TsqlNode::Kind::Token)
            rewriteTerms(node.children);
    }
}

} // namespace ado::sqlite
