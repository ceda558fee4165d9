#pragma once

#include "platform/ado/sqlite/TsqlSyntax.h"

#include <QString>

namespace ado::sqlite {

// SQLite names a selected expression that has no alias by its text in the statement it runs,
// from its first character to the token after it, blanks trimmed. The rewrites change that
// text (tsql_add, tsql_convert, ifnull, ...): these keep such a column named by the text the
// user wrote, as SQLite would have named it.

// Before the others: T-SQL's `name = value` item of a select list (the name plain, [bracketed],
// "quoted" or a string literal; no variable) names its column, where SQLite would compare the
// two: each becomes `value AS "name"`, in every select list of the statement, subqueries and
// the rows an INSERT takes among them.
void moveEqualsAliases(TsqlNodes &statement);

// Before the rewrites: gives each item without alias of a select list whose names are seen
// (any but the members after the first of a UNION and the list an INSERT takes), other than *,
// t.* and a plain column, the alias of its text as written in `text`, which the statement's
// tokens come from. Answers whether it gave any.
bool nameColumnsAsWritten(TsqlNodes &statement, const QString &text);

// After the rewrites: drops each alias given above whose item SQLite now names alike.
void dropNamesSqliteGivesAlike(TsqlNodes &statement);

} // namespace ado::sqlite
