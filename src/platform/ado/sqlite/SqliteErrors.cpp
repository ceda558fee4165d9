#include "platform/ado/sqlite/SqliteErrors.h"

#include "platform/ado/AdoErrors.h"
#include "platform/ado/Engine.h"
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

std::optional<Error> nameErrors(const QString &message)
{
    QString name = captured(message, "^no such (?:table|view): (.*)$");
    if (!name.isEmpty())
        return providerError(AdoUnknownObject, 208, QStringLiteral("42S02"),
                             QStringLiteral("Invalid object name '%1'.").arg(lastPart(name)));
    name = captured(message, "^no such column: (.*)$");
    if (!name.isEmpty())
        return providerError(AdoSyntaxError, 207, QStringLiteral("42S22"),
                             QStringLiteral("Invalid column name '%1'.").arg(lastPart(name)));
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

} // namespace

QList<Error> sqlServerErrors(int code, const QString &message, const QString &sql)
{
    if ((code & 0xff) == SQLITE_CONSTRAINT) {
        if (auto errors = constraintErrors(message, sql))
            return *errors;
    }
    if (auto error = nameErrors(message))
        return {*error};
    if (auto error = syntaxErrors(message))
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
