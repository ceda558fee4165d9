#include "platform/runtime/Rounding.h"

#include "platform/runtime/NumberText.h"
#include "platform/runtime/RuntimeError.h"

#include <cstdlib>

namespace rt {

namespace {

void requireDecimals(int decimals)
{
    if (decimals < 0)
        throw RuntimeError(err::InvalidProcedureCall, QStringLiteral("Llamada a procedimiento o argumento no válidos"));
}

} // namespace

double Round(double value, int decimals)
{
    requireDecimals(decimals);
    return numbertext::toDouble(numbertext::roundedHalfToEven(numbertext::toDecimal(value), decimals));
}

Currency Round(Currency value, int decimals)
{
    requireDecimals(decimals);
    qint64 step = 1; // ten-thousandths in one unit of the last kept place
    for (int place = decimals; place < 4; ++place)
        step *= 10;
    qint64 units = value.raw() / step;
    const qint64 twiceRest = 2 * (value.raw() % step); // signed like the value
    if (std::abs(twiceRest) > step || (std::abs(twiceRest) == step && units % 2 != 0))
        units += value.raw() < 0 ? -1 : 1;
    qint64 raw = 0;
    if (__builtin_mul_overflow(units, step, &raw))
        throw RuntimeError(err::Overflow, QStringLiteral("Desbordamiento"));
    return Currency::fromRaw(raw);
}

} // namespace rt
