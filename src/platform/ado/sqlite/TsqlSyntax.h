#pragma once

#include "platform/ado/sqlite/TsqlTokenizer.h"

#include <QList>
#include <QString>
#include <initializer_list>

namespace ado::sqlite {

// A token, or a bracketed group: ( ... ) or CASE ... END, holding its content.
struct TsqlNode {
    enum class Kind { Token, Parens, Case };
    Kind kind = Kind::Token;
    TsqlToken token; // the token, or the group's opening token
    QList<TsqlNode> children; // a group's content
    TsqlToken close; // a group's closing token
};

using TsqlNodes = QList<TsqlNode>;

// The deepest nesting of groups, and of the calls that additions become, that a statement may
// have: the rewrites walk the groups recursively, and SQLite's parser gives up far sooner.
inline constexpr int MaxTsqlNesting = 256;

// Nests the tokens into groups. Throws EngineError (syntax) on an unbalanced parenthesis or
// an unfinished CASE, and on groups nested deeper than MaxTsqlNesting.
TsqlNodes buildTsqlTree(const QList<TsqlToken> &tokens);

// SQLite text of the nodes: quoted names and temporary-table names in double quotes, strings
// in single quotes with inner quotes doubled.
QString renderSqlite(const TsqlNodes &nodes);

// Node tests and makers used by the rewrites.
bool isWord(const TsqlNode &node, const char *upperCaseWord);
bool isAnyWord(const TsqlNode &node, std::initializer_list<const char *> upperCaseWords);
inline bool isKind(const TsqlNode &node, TsqlToken::Kind kind)
{
    return node.kind == TsqlNode::Kind::Token && node.token.kind == kind;
}
bool isOperator(const TsqlNode &node, const char *op);
inline bool isParens(const TsqlNode &node)
{
    return node.kind == TsqlNode::Kind::Parens;
}
// A keyword that cannot stand for a name or a value (SELECT, FROM, AND, WHEN, ...).
bool isReservedWord(const TsqlNode &node);
// =, <>, !=, <, >, <=, >=, !< or !>.
bool isComparison(const TsqlNode &node);
// Where an operand ends or begins: the edge of its group, a keyword (its COLLATE aside), a comma
// or a semicolon.
bool isOperandEdge(const TsqlNodes &level, qsizetype i);
// A plain, [quoted] or #temporary name.
bool isName(const TsqlNode &node);
// The end of the dotted name that starts at `start` (`start` itself when none starts there).
qsizetype nameEnd(const TsqlNodes &nodes, qsizetype start);
// Same name, letter case ignored.
bool sameName(const TsqlNode &a, const TsqlNode &b);
TsqlNode makeToken(TsqlToken::Kind kind, const QString &text, bool spaced = true);
TsqlNode makeWord(const QString &text, bool spaced = true);
TsqlNode makeParens(TsqlNodes children, bool spaced = false);
// `name(arguments...)` as two nodes, the arguments separated by commas.
TsqlNodes makeCall(const QString &name, const QList<TsqlNodes> &arguments, bool spaced = true);
// Puts `name(...)` around the nodes [first, end) of the level, in their place, with `more`
// arguments after them.
void wrapInCall(TsqlNodes &level, qsizetype first, qsizetype end, const QString &name,
                const QList<TsqlNodes> &more = {});
// The content of a group split at its top-level commas.
QList<TsqlNodes> splitAtCommas(const TsqlNodes &nodes);
// The text of the first token of the nodes, for error messages.
QString firstText(const TsqlNodes &nodes);

} // namespace ado::sqlite

// A node holds only tokens and a list: lists may move it in memory as raw bytes, which keeps
// the rewrites' inserts and removals cheap.
Q_DECLARE_TYPEINFO(ado::sqlite::TsqlNode, Q_RELOCATABLE_TYPE);
