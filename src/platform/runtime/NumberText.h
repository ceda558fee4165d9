#pragma once

#include "platform/runtime/Regional.h"

#include <QString>
#include <optional>

// Decimal digits of numbers, shared by the conversions and Format. Locale-free: separators
// come from the caller or from the regional settings, never from the C library's locale.
namespace rt::numbertext {

// A finite number as decimal digits: value = 0.digits x 10^point, sign apart.
struct Decimal {
    bool negative = false;
    QString digits; // no leading or trailing zeros; empty for zero
    int point = 0; // how many digits stand before the decimal point (may be <= 0 or past the digits)
};

// The number as shown with `significant` digits (Doubles are shown with 15).
Decimal toDecimal(double value, int significant = 15);

// A Currency's exact digits.
Decimal fromCurrencyRaw(qint64 tenThousandths);

// Rounded to `decimals` places, halves away from zero (as Format rounds what it shows).
Decimal roundedAwayFromZero(Decimal value, int decimals);

// Rounded to `decimals` places, ties to the even digit (as Round, CLng and CCur round).
Decimal roundedHalfToEven(Decimal value, int decimals);

// The Double nearest to the digits.
double toDouble(const Decimal &value);

// The digits before the decimal point ("" for a value below 1) and exactly `decimals` after it.
QString integerDigits(const Decimal &value);
QString fractionDigits(const Decimal &value, int decimals);

// All the digits, with the separator when there is a fraction and "0" before it for values below 1.
QString plainText(const Decimal &value, QChar decimalSeparator);

// The text of a Double: up to 15 significant digits, no grouping, exponent form
// ("1E+15", "1,5E-05") for very large or small values.
QString generalText(double value, QChar decimalSeparator);

// Reads a number written with the given separators: blanks around, a sign, thousands separators
// among the whole digits, one decimal separator and an exponent. Nothing when it is not a number.
std::optional<double> parseNumber(const QString &text, const RegionalSettings &settings);

} // namespace rt::numbertext
