#pragma once

#include "platform/runtime/Variant.h"

#include <QString>

namespace sheet {

// Whether a number format leaves the value as the spreadsheet shows it by default
// (empty or "General", any letter case).
bool isGeneralFormat(const QString &format);

// Whether a number format shows dates or times (it holds d, m, y, h or s outside quoted text).
bool isDateFormat(const QString &format);

// The number format a cell is written with: `format` unless it is General and the value is a
// date, which then shows as "dd/mm/yyyy", "hh:mm:ss" for a time of day alone, or
// "dd/mm/yyyy hh:mm:ss" when it has both.
QString effectiveNumberFormat(const rt::Variant &value, const QString &format);

// How many characters the spreadsheet shows for `value` under `format`, near enough to size a
// column: texts as they are, numbers with the format's decimals, grouping and literal
// characters, dates as long as their format.
int displayLength(const rt::Variant &value, const QString &format);

// The value of a numeric Variant (Integer, Long, Double, Currency) as a double.
// Throws RuntimeError 13 for any other kind.
double numberOf(const rt::Variant &value);

} // namespace sheet
