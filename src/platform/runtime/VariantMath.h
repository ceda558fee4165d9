#pragma once

#include "platform/runtime/Variant.h"

// The arithmetic operators on Variants. Null in either operand gives Null. Empty counts as an
// Integer 0, True as -1, a text as the Double that CDbl reads from it (RuntimeError 13 otherwise).
// The result takes the widest kind of the operands, in the order Integer, Long, Double, Currency;
// whole results too big for their kind grow to Long, then Double. Overflow
// of a Double or Currency raises RuntimeError 6.
namespace rt {

// "+": two texts are joined; a date plus a number is a date.
Variant Add(const Variant &a, const Variant &b);
// "-": a date minus a number is a date, a date minus a date the Double count of days between.
Variant Subtract(const Variant &a, const Variant &b);
// "*"
Variant Multiply(const Variant &a, const Variant &b);
// "/": always a Double. Throws 11 when dividing by zero (6 for 0 / 0).
Variant Divide(const Variant &a, const Variant &b);
// Unary "-".
Variant Negate(const Variant &a);

} // namespace rt
