#pragma once

#include "platform/ado/sqlite/TsqlTokenizer.h"
#include "platform/runtime/Variant.h"

#include <QList>
#include <QSet>
#include <QString>
#include <optional>

namespace ado::sqlite {

// Marks the literals of a T-SQL text whose values change neither its translation nor its query
// plan as parameters ?1, ?2, ... (TsqlToken::parameter) and returns their values in that
// order, so texts that differ only in such values share one translation and one compiled
// statement. Marked: a number or string standing alone as a VALUES item or as the value a SET
// assigns, a string compared (=, <>, <, ...) with anything, and a number a column is compared
// with (`column <> 5`) unless the column is one of `partialIndexColumns` (upper-cased): SQLite
// chooses a partial index only for the value written out. Left written out: every literal of a
// text that does not start with SELECT, INSERT, UPDATE or DELETE or that selects INTO a table,
// those of a select list (the text written there may name a column), day-first dates (the
// translation rewrites them), other numbers in conditions, hexadecimal numbers and whole
// numbers beyond 32 bits.
QList<rt::Variant> markParameters(QList<TsqlToken> &tokens, const QSet<QString> &partialIndexColumns);

// The value a literal token (a string or a number) passes as a parameter where it stands as
// one; none for the literals always written out: day-first dates, hexadecimal numbers and whole
// numbers beyond 32 bits.
std::optional<rt::Variant> parameterValue(const TsqlToken &token);

// A text that tells apart texts that translate differently: each token's kind and text as
// written in `text`, with the blanks and comments before it (a column may be named by them),
// and only "?" for a parameter's value.
QString shapeKey(const QString &text, const QList<TsqlToken> &tokens);

} // namespace ado::sqlite
