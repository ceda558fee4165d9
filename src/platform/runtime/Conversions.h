#pragma once

#include "platform/runtime/Currency.h"
#include "platform/runtime/DateTime.h"
#include "platform/runtime/Variant.h"

#include <QString>
#include <initializer_list>

// The conversion and test functions on Variants. Texts are read and written with the regional
// settings (Regional.h), except by Val and Str, which always use ".". Failures raise RuntimeError:
// 94 for Null where a value is needed, 13 for a value that cannot be converted, 6 for overflow.
namespace rt {

// Text of a value: numbers with the regional decimal separator and no grouping ("1234,5"),
// Doubles with up to 15 significant digits, dates as short date and long time (the time left out at
// midnight, the date left out for a bare time), Booleans as the regional words, Empty as "".
QString CStr(const Variant &value);

// Doubles: Empty is 0, True is -1, dates give their serial, texts are read with the regional separators.
double CDbl(const Variant &value);
// Currency: as CDbl, then rounded to four decimals half to even.
Currency CCur(const Variant &value);
// Whole numbers rounded half to even (CLng(2.5) = 2, CLng(3.5) = 4); overflow past the 32 / 16 bits.
qint32 CLng(const Variant &value);
qint16 CInt(const Variant &value);
// Numbers: not 0 is True. Texts: "True"/"False", the regional words, or a number.
bool CBool(const Variant &value);
// Dates: numbers are serials, texts are read as parseDateText reads them.
DateTime CDate(const Variant &value);

// The number at the start of `text`, read with "." as decimal point whatever the region: blanks,
// tabs and line feeds are skipped anywhere, reading stops at the first other character that cannot
// continue a number ("  12abc" gives 12, "1 2 3" gives 123, "1,5" gives 1, "" gives 0).
double Val(const QString &text);

bool IsNull(const Variant &value);
bool IsEmpty(const Variant &value);
// True for numbers, Booleans, Empty and texts that CDbl reads; False for Null, dates and other texts.
bool IsNumeric(const Variant &value);
// True for dates and texts that CDate reads.
bool IsDate(const Variant &value);

// Numbers as Str writes them, whatever the region: "." as decimal point and a leading blank when not negative,
// no zero before the point (Str(5) = " 5", Str(-1.5) = "-1.5", Str(0.5) = " .5"). Throws 94 for Null.
QString Str(double value);
QString Str(const Variant &value);

// The `&` operator: the texts of the parts joined, Null and Empty giving "".
QString Concat(std::initializer_list<Variant> parts);

} // namespace rt
