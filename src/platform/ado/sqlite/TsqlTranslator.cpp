#include "platform/ado/sqlite/TsqlTranslator.h"

#include "platform/ado/sqlite/TsqlBatch.h"
#include "platform/ado/sqlite/TsqlClauseRewrites.h"
#include "platform/ado/sqlite/TsqlColumnNames.h"
#include "platform/ado/sqlite/TsqlDateTexts.h"
#include "platform/ado/sqlite/TsqlExpressionRewrites.h"
#include "platform/ado/sqlite/TsqlSyntaxError.h"
#include "platform/ado/sqlite/TsqlTermRewrites.h"

namespace ado::sqlite {

namespace {

using Kind = TsqlToken::Kind;
using StatementKind = TranslatedStatement::Kind;

// `text`, which the tokens come from, names the columns: none when a guard's names go unseen.
QString sqliteText(TsqlNodes statement, const QString *text, const KeyColumns &keys, const DateColumns &dates)
{
    moveEqualsAliases(statement);
    const bool named = text && nameColumnsAsWritten(statement, *text);
    rewriteTerms(statement);
    rewriteClauses(statement);
    rewriteKeyColumns(statement, keys);
    rewriteDateTexts(statement, dates);
    rewriteExpressions(statement);
    if (named)
        dropNamesSqliteGivesAlike(statement);
    if (!statement.isEmpty())
        statement.first().token.spaced = false;
    return renderSqlite(statement);
}

// BEGIN/COMMIT/ROLLBACK [TRAN | TRANSACTION | WORK] [name]
bool isTransactionCommand(const TsqlNodes &body, bool begin)
{
    qsizetype next = 1;
    if (begin && next < body.size() && isWord(body.at(next), "DISTRIBUTED"))
        ++next;
    const bool named = next < body.size() && isAnyWord(body.at(next), {"TRAN", "TRANSACTION", "WORK"});
    if (named)
        ++next;
    if (begin && !named)
        return false;
    return next == body.size()
           || (next + 1 == body.size() && (isName(body.at(next)) || isKind(body.at(next), Kind::Variable)));
}

StatementKind kindOf(const TsqlNodes &body)
{
    const TsqlNode &first = body.first();
    if (isWord(first, "BEGIN")) {
        if (!isTransactionCommand(body, true))
            throwTsqlSyntaxError(first.token.text);
        return StatementKind::Begin;
    }
    if (isWord(first, "COMMIT") || isWord(first, "ROLLBACK")) {
        if (!isTransactionCommand(body, false))
            throwTsqlSyntaxError(body.last().token.text);
        return isWord(first, "COMMIT") ? StatementKind::Commit : StatementKind::Rollback;
    }
    if (isWord(first, "SET")) {
        // Session options (NOCOUNT, DATEFORMAT, TRANSACTION ISOLATION LEVEL...) have no
        // meaning for the embedded engine; a variable would need a procedural batch.
        if (body.size() < 2 || !isKind(body.at(1), Kind::Word))
            throwTsqlSyntaxError(body.size() < 2 ? first.token.text : body.at(1).token.text);
        return StatementKind::Nothing;
    }
    if (isWord(first, "PRINT"))
        return StatementKind::Nothing;
    if (isAnyWord(first, {"ELSE", "WHILE"}))
        throwTsqlSyntaxError(first.token.text);
    return StatementKind::Sql;
}

TranslatedStatement translateStatement(TsqlStatement statement, const QString &text, const KeyColumns &keys,
                                       const DateColumns &dates)
{
    TranslatedStatement out;
    out.kind = kindOf(statement.body);
    if (statement.guarded && out.kind != StatementKind::Sql)
        throwTsqlSyntaxError(statement.body.first().token.text);
    if (out.kind == StatementKind::Sql)
        out.sql = sqliteText(std::move(statement.body), &text, keys, dates);
    if (statement.guarded) {
        out.kind = StatementKind::IfExists;
        out.condition = sqliteText(std::move(statement.guard), nullptr, keys, dates);
        out.negated = statement.negated;
    }
    return out;
}

} // namespace

QList<TranslatedStatement> TsqlTranslator::translate(const QString &tsql) const
{
    return translate(tsql, tokenizeTsql(tsql));
}

QList<TranslatedStatement> TsqlTranslator::translate(const QString &tsql, const QList<TsqlToken> &tokens) const
{
    QList<TsqlStatement> statements = splitTsqlBatch(buildTsqlTree(tokens));
    QList<TranslatedStatement> translated;
    translated.reserve(statements.size());
    for (TsqlStatement &statement : statements)
        translated.append(translateStatement(std::move(statement), tsql, m_keys, m_dates));
    return translated;
}

} // namespace ado::sqlite
