#pragma once

#include "platform/runtime/Variant.h"

#include <QString>

namespace report {

// A value as a report shows it, with the regional separators. `format`:
// - "money": grouped thousands and two decimals (1.234,56);
// - "date": dd/mm/yyyy;
// - any other text: a Format mask ("#,##0.0000", "dd/mm/yy hh:nn");
// - empty: Currency as money, dates as dd/mm/yyyy (with hh:mm when they have a time), texts
//   without trailing blanks, anything else as its text.
// Null and Empty show as "".
QString formatReportValue(const rt::Variant &value, const QString &format);

} // namespace report
