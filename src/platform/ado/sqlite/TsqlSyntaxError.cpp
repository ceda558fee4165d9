#include "platform/ado/sqlite/TsqlSyntaxError.h"

#include "platform/ado/AdoErrors.h"
#include "platform/ado/Engine.h"

namespace ado::sqlite {

namespace {
constexpr long AdoSyntaxError = -2147217900;
constexpr long IncorrectSyntax = 102;
constexpr qsizetype LongestQuote = 128; // SQL Server quotes at most this much of the text
} // namespace

void throwTsqlSyntaxError(const QString &near)
{
    const QString description = QStringLiteral("Incorrect syntax near '%1'.").arg(near.left(LongestQuote));
    throw EngineError({providerError(AdoSyntaxError, IncorrectSyntax, QStringLiteral("42000"), description)});
}

Error tsqlNestingError()
{
    return providerError(AdoSyntaxError, IncorrectSyntax, QStringLiteral("42000"),
                         QStringLiteral("Some part of your SQL statement is nested too deeply. Rewrite the query or "
                                        "break it up into smaller queries."));
}

void throwTsqlNestingError()
{
    throw EngineError({tsqlNestingError()});
}

} // namespace ado::sqlite
