#include "platform/ado/sqlite/TsqlSyntaxError.h"

#include "platform/ado/AdoErrors.h"
#include "platform/ado/Engine.h"
#include "platform/runtime/RuntimeError.h"

namespace ado::sqlite {

namespace {
constexpr qsizetype LongestQuote = 128; // SQL Server quotes at most this much of the text
} // namespace

void throwTsqlSyntaxError(const QString &near)
{
    const QString description = QStringLiteral("Incorrect syntax near '%1'.").arg(near.left(LongestQuote));
    throw EngineError(
        {providerError(rt::err::AdoSyntaxError, rt::err::NativeIncorrectSyntax, QStringLiteral("42000"), description)});
}

Error tsqlNestingError()
{
    return providerError(rt::err::AdoSyntaxError, rt::err::NativeIncorrectSyntax, QStringLiteral("42000"),
                         QStringLiteral("Some part of your SQL statement is nested too deeply. Rewrite the query or "
                                        "break it up into smaller queries."));
}

void throwTsqlNestingError()
{
    throw EngineError({tsqlNestingError()});
}

} // namespace ado::sqlite
