#pragma once

#include "platform/ado/sqlite/TsqlSyntax.h"

namespace ado::sqlite {

// Rewrites the single terms of a statement, groups included, for SQLite: table hints
// (WITH (NOLOCK), (NOLOCK)) and the "dbo." owner removed; @@IDENTITY and SCOPE_IDENTITY() as
// last_insert_rowid(); !< and !> as >= and <=; the part keyword of DATEADD, DATEDIFF and
// DATEPART as a string; LEFT, RIGHT and ISNULL calls renamed to functions SQLite can parse;
// CONVERT(type, value[, style]) and CAST(value AS type) as tsql_convert('TYPE', value[, style]);
// SQL Server collation names as TSQLCI (case-insensitive) or BINARY. Throws EngineError
// (syntax) on a CONVERT or CAST without its parts.
void rewriteTerms(TsqlNodes &nodes);

} // namespace ado::sqlite
