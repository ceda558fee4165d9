#pragma once

#include "platform/runtime/DateTime.h"
#include "platform/runtime/Variant.h"

#include <QString>

// Format for the masks the program uses, shown with the regional separators.
//
// Number masks: "0" a digit always shown, "#" a digit shown when significant, "." the decimal
// separator (kept even when no decimal follows, as in "#." -> "5,"), "," anywhere before it asks
// for thousands grouping. Characters before the first and after the last of these are copied.
// Values are rounded half away from zero to the decimals the mask allows; a value that rounds to
// zero shows no minus sign.
//
// Date masks: "d"/"dd" day, "m"/"mm" month (minutes right after an hour), "yy"/"yyyy" year,
// "h"/"hh" hour (24 hours), "n"/"nn" minutes, "s"/"ss" seconds, letters of any case; "/" and ":"
// show the regional date and time separators, any other character stands for itself.
namespace rt {

// Null and Empty give "". With an empty mask, the value's CStr text. A mask holding "0" or "#" is a
// number mask, any other a date mask; a text that does not read as a number (or as a date) comes
// back unchanged.
QString Format(const Variant &value, const QString &mask = {});

// A number through a number mask.
QString formatNumber(double value, const QString &mask);
// A Currency through a number mask, with all its digits.
QString formatNumber(Currency value, const QString &mask);

// A date through a date mask.
QString formatDate(DateTime value, const QString &mask);

} // namespace rt
