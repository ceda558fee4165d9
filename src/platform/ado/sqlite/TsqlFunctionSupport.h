#pragma once

#include "platform/ado/sqlite/TsqlDates.h"

#include <QString>
#include <optional>
#include <span>
#include <sqlite3.h>

namespace ado::sqlite {

// One SQL function of the embedded engine.
struct TsqlFunction {
    const char *name;
    int arguments;
    void (*call)(sqlite3_context *, int, sqlite3_value **);
    bool deterministic = true;
};

// Registers the functions on the handle. Throws EngineError when SQLite refuses one.
void registerFunctions(sqlite3 *db, std::span<const TsqlFunction> functions);

// Whether any argument is Null (SQL Server functions then give Null).
bool anyNull(int argc, sqlite3_value **argv);

// A value as text; numbers in SQLite's own writing.
QString textOf(sqlite3_value *value);
// A number value, or a text that holds nothing but a number (blanks around it allowed).
std::optional<double> numberOf(sqlite3_value *value);
std::optional<double> numberFromText(const QString &text);
// A date: text in any form parseTsqlDate reads, or a number of days since 1900-01-01.
std::optional<TsqlDateTime> dateOf(sqlite3_value *value, DayOrder order = DayOrder::DayFirst);
// A text in the stored form 'yyyy-mm-dd[ hh:mm:ss]' (what a DATETIME column holds).
std::optional<TsqlDateTime> storedDate(const QString &text);
// A number as SQL Server writes a float: up to 15 significant digits, no trailing zeros.
QString numberText(double value);
// Half away from zero at `digits` decimals (negative: tens, hundreds...), as SQL Server rounds
// decimal values; a binary value a hair off a half (2.675) counts as that half.
double roundHalfAway(double value, int digits);

void resultText(sqlite3_context *context, const QString &text);
void resultDate(sqlite3_context *context, const TsqlDateTime &value);
void resultError(sqlite3_context *context, const QString &message);
// SQL Server's message for a text that does not convert to a type.
void resultConversionError(sqlite3_context *context, const QString &text, const char *type);

} // namespace ado::sqlite
