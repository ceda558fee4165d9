#include "platform/ado/sqlite/SqliteErrors.h"

#include "platform/ado/AdoErrors.h"
#include "platform/ado/Engine.h"
#include "platform/ado/sqlite/SqliteDefenses.h"
#include "platform/ado/sqlite/TsqlSyntax.h"
#include "platform/ado/sqlite/TsqlSyntaxError.h"
#include "platform/runtime/RuntimeError.h"

#include <QRegularExpression>
#include <optional>
#include <sqlite3.h>

namespace ado::sqlite {

namespace {

using rt::err::AdoEFail;
using rt::err::AdoIntegrityViolation;
using rt::err::AdoSyntaxError;
using rt::err::AdoUnknownObject;

QString captured(const QString &message, const char *pattern)
{
    const QRegularExpression expression(QString::fromLatin1(pattern));
    const QRegularExpressionMatch match = expression.match(message);
    return match.hasMatch() ? match.captured(1).trimmed() : QString();
}

// SQLite names "main.T" or "T.c"; SQL Server's messages name the last part.
QString lastPart(const QString &name)
{
    return name.section(u'.', -1);
}

QString tablePart(const QString &qualified)
{
    return qualified.contains(u'.') ? qualified.section(u'.', -2, -2) : qualified;
}

// The verb SQL Server names in constraint messages.
QString statementVerb(const QString &sql)
{
    const QString first = sql.trimmed().section(QRegularExpression(QStringLiteral("\\s+")), 0, 0).toUpper();
    if (first == u"UPDATE" || first == u"DELETE" || first == u"MERGE")
        return first;
    return QStringLiteral("INSERT");
}

Error integrity(long native, const QString &description)
{
    return providerError(AdoIntegrityViolation, native, QStringLiteral("23000"), description);
}

QList<Error> withTermination(Error cause)
{
    return {std::move(cause), providerError(AdoIntegrityViolation, 3621, QStringLiteral("01000"),
                                            QStringLiteral("The statement has been terminated."))};
}

std::optional<QList<Error>> constraintErrors(const QString &message, const QString &sql)
{
    const QString unique = captured(message, "^UNIQUE constraint failed: (.*)$");
    if (!unique.isEmpty()) {
        const QString table = tablePart(unique.section(u',', 0, 0).trimmed());
        return withTermination(integrity(
            2627, QStringLiteral("Violation of PRIMARY KEY constraint 'PK_%1'. Cannot insert duplicate key in object "
                                 "'dbo.%1'.")
                      .arg(table)));
    }
    const QString notNull = captured(message, "^NOT NULL constraint failed: (.*)$");
    if (!notNull.isEmpty()) {
        const QString verb = statementVerb(sql);
        return withTermination(integrity(
            515, QStringLiteral("Cannot insert the value NULL into column '%1', table '%2'; column does not allow "
                                "nulls. %3 fails.")
                     .arg(lastPart(notNull), tablePart(notNull), verb)));
    }
    if (message.startsWith(QLatin1String("FOREIGN KEY constraint failed")))
        return withTermination(integrity(
            547,
            QStringLiteral("The %1 statement conflicted with the FOREIGN KEY constraint.").arg(statementVerb(sql))));
    if (message.startsWith(QLatin1String("CHECK constraint failed"))) {
        const QString name = captured(message, "^CHECK constraint failed: (.*)$");
        return withTermination(integrity(547, QStringLiteral("The %1 statement conflicted with the CHECK constraint "
                                                             "\"%2\".")
                                                  .arg(statementVerb(sql), name)));
    }
    return std::nullopt;
}

// The terms of the last ORDER BY in the nodes, at whatever depth it stands.
std::optional<QList<TsqlNodes>> lastOrderBy(const TsqlNodes &nodes)
{
    std::optional<QList<TsqlNodes>> found;
    for (qsizetype i = 0; i < nodes.size(); ++i) {
        if (nodes.at(i).kind != TsqlNode::Kind::Token) {
            if (auto inner = lastOrderBy(nodes.at(i).children))
                found = std::move(inner);
        } else if (i + 1 < nodes.size() && isWord(nodes.at(i), "ORDER") && isWord(nodes.at(i + 1), "BY")) {
            qsizetype end = i + 2;
            while (end < nodes.size() && !isWord(nodes.at(end), "LIMIT")
                   && !isKind(nodes.at(end), TsqlToken::Kind::Semicolon))
                ++end;
            found = splitAtCommas(nodes.mid(i + 2, end - i - 2));
        }
    }
    return found;
}

// The column that the `place`th term (from 1) of the statement's last ORDER BY names: SQLite
// names that term by its place only, when a UNION's ORDER BY matches no column of the result.
// Empty when the term is no plain column.
QString orderByTermName(const QString &sql, int place)
{
    std::optional<QList<TsqlNodes>> terms;
    try {
        terms = lastOrderBy(buildTsqlTree(tokenizeTsql(sql)));
    } catch (const EngineError &) {
        return {};
    }
    if (!terms || place < 1 || place > terms->size())
        return {};
    // [qualifier.]name [COLLATE collation] [ASC | DESC]
    const TsqlNodes &term = terms->at(place - 1);
    const qsizetype end = nameEnd(term, 0);
    qsizetype next = end;
    if (next + 1 < term.size() && isWord(term.at(next), "COLLATE"))
        next += 2;
    if (next < term.size() && isAnyWord(term.at(next), {"ASC", "DESC"}))
        ++next;
    return end > 0 && next == term.size() ? term.at(end - 1).token.text : QString();
}

Error invalidColumn(const QString &name)
{
    return providerError(AdoSyntaxError, 207, QStringLiteral("42S22"),
                         QStringLiteral("Invalid column name '%1'.").arg(lastPart(name)));
}

std::optional<Error> nameErrors(const QString &message, const QString &sql)
{
    QString name = captured(message, "^no such (?:table|view): (.*)$");
    if (!name.isEmpty())
        return providerError(AdoUnknownObject, 208, QStringLiteral("42S02"),
                             QStringLiteral("Invalid object name '%1'.").arg(lastPart(name)));
    name = captured(message, "^no such column: (.*)$");
    if (name.isEmpty())
        name = captured(message, "^table .* has no column named (.*)$");
    if (!name.isEmpty())
        return invalidColumn(name);
    const QString place = captured(message, "^(\\d+)(?:st|nd|rd|th) ORDER BY term does not match any column");
    if (!place.isEmpty()) {
        name = orderByTermName(sql, place.toInt());
        if (!name.isEmpty())
            return invalidColumn(name);
    }
    name = captured(message, "^no such function: (.*)$");
    if (!name.isEmpty())
        return providerError(AdoSyntaxError, 195, QStringLiteral("42000"),
                             QStringLiteral("'%1' is not a recognized built-in function name.").arg(name));
    name = captured(message, "^(?:table|index|view|trigger) (.*) already exists$");
    if (!name.isEmpty())
        return providerError(
            AdoSyntaxError, 2714, QStringLiteral("42S01"),
            QStringLiteral("There is already an object named '%1' in the database.").arg(lastPart(name).remove(u'"')));
    return std::nullopt;
}

std::optional<Error> syntaxErrors(const QString &message)
{
    const QString near = captured(message, "^near \"(.*)\": syntax error$");
    if (!near.isEmpty())
        return providerError(AdoSyntaxError, 102, QStringLiteral("42000"),
                             QStringLiteral("Incorrect syntax near '%1'.").arg(near));
    const QString token = captured(message, "^unrecognized token: \"(.*)\"$");
    if (!token.isEmpty())
        return providerError(AdoSyntaxError, 102, QStringLiteral("42000"),
                             QStringLiteral("Incorrect syntax near '%1'.").arg(token));
    if (message == u"incomplete input")
        return providerError(AdoSyntaxError, 102, QStringLiteral("42000"),
                             QStringLiteral("Incorrect syntax near the end of the batch."));
    // SQLite's parser and expression tree end well before the translator's own nesting limit.
    if (message == u"parser stack overflow" || message.startsWith(QLatin1String("Expression tree is too large")))
        return tsqlNestingError();
    return std::nullopt;
}

// Raised by the engine's own functions with SQL Server's text.
std::optional<Error> valueErrors(const QString &message)
{
    if (message == u"Conversion failed when converting date and/or time from character string.")
        return providerError(AdoCannotConvert, 241, QStringLiteral("22007"), message);
    if (message == u"Divide by zero error encountered.")
        return providerError(AdoSyntaxError, 8134, QStringLiteral("22012"), message);
    return std::nullopt;
}

} // namespace

QList<Error> sqlServerErrors(int code, const QString &message, const QString &sql)
{
    if (auto error = refusalError(code, message))
        return {*error};
    if ((code & 0xff) == SQLITE_CONSTRAINT) {
        if (auto errors = constraintErrors(message, sql))
            return *errors;
    }
    if (auto error = nameErrors(message, sql))
        return {*error};
    if (auto error = syntaxErrors(message))
        return {*error};
    if (auto error = valueErrors(message))
        return {*error};
    if ((code & 0xff) == SQLITE_BUSY || (code & 0xff) == SQLITE_LOCKED)
        return {providerError(AdoEFail, 1222, QStringLiteral("HYT00"),
                              QStringLiteral("Lock request time out period exceeded."))};
    return {providerError(AdoEFail, 0, QStringLiteral("HY000"), message)};
}

void throwSqliteError(sqlite3 *db, const QString &sql)
{
    throw EngineError(sqlServerErrors(sqlite3_extended_errcode(db), QString::fromUtf8(sqlite3_errmsg(db)), sql));
}

} // namespace ado::sqlite
