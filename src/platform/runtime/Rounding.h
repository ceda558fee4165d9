#pragma once

#include "platform/runtime/Currency.h"

// Round: to `decimals` places, ties going to the even digit (Round(2.5) = 2, Round(3.5) = 4,
// Round(0.125, 2) = 0.12). A Double is taken as written with 15 significant digits, so 0.135 is a
// tie although its binary value lies just below it. Throws RuntimeError 5 when decimals < 0.
namespace rt {

double Round(double value, int decimals = 0);
Currency Round(Currency value, int decimals = 0);

} // namespace rt
