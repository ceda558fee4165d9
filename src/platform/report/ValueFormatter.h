#pragma once

#include "platform/runtime/Variant.h"

#include <QString>

namespace report {

// A value as a report shows it, with the regional separators. `format`:
// - "money": grouped thousands and two decimals (1.234,56);
// - "date": dd/mm/yyyy;
// - a mask of "@" placeholders: the text's characters in turn, other mask characters as they
//   stand ("@@@@-@@@@@@@@" shows 000100000123A as 0001-00000123);
// - any other text: a Format mask ("#,##0.0000", "dd/mm/yy hh:nn");
// - empty: Currency as money, dates as dd/mm/yyyy (with hh:mm when they have a time), rich
//   texts ("{\\rtf...") as their plain text, other texts without trailing blanks, anything else
//   as its text.
// Null and Empty show as "".
QString formatReportValue(const rt::Variant &value, const QString &format);

} // namespace report
