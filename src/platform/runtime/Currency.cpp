#include "platform/runtime/Currency.h"

#include "platform/runtime/NumberText.h"
#include "platform/runtime/RuntimeError.h"

#include <cmath>

namespace rt {

namespace {

__extension__ typedef __int128 Wide;

[[noreturn]] void throwOverflow()
{
    throw RuntimeError(err::Overflow, QStringLiteral("Desbordamiento"));
}

std::int64_t narrow(Wide value)
{
    if (value > INT64_MAX || value < INT64_MIN)
        throwOverflow();
    return static_cast<std::int64_t>(value);
}

// Quotient rounded half to even, so ties do not drift one way over many amounts.
Wide divideHalfEven(Wide numerator, Wide denominator)
{
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    Wide quotient = numerator / denominator;
    Wide remainder = numerator % denominator;
    if (remainder < 0) { // make the remainder non-negative: floor division
        --quotient;
        remainder += denominator;
    }
    const Wide twice = remainder * 2;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

} // namespace

Currency Currency::fromDouble(double value, int significant)
{
    if (!std::isfinite(value))
        throwOverflow();
    // Most values are whole ten-thousandths already (amounts read back from the database): a
    // count below 10^15 has at most 15 digits, so the value shown with 15 digits is that very
    // count and the decimal route below would give it too, at many times the cost.
    const double count = std::nearbyint(value * 10000.0);
    if (std::fabs(count) < 1e15 && count / 10000.0 == value)
        return fromRaw(static_cast<std::int64_t>(count));
    // Rounded from the value as shown with `significant` digits (15 as a rule), so that an
    // amount written 0.00015 rounds as the tie it was meant to be, not as the binary 0.000149999...
    const numbertext::Decimal decimal = numbertext::toDecimal(value, significant);
    Wide mantissa = 0;
    for (const QChar digit : decimal.digits)
        mantissa = mantissa * 10 + (digit.unicode() - '0');
    // The count of ten-thousandths is mantissa * 10^shift.
    const int shift = decimal.point - static_cast<int>(decimal.digits.size()) + 4;
    Wide scaled = 0;
    if (shift >= 0) {
        if (shift > 19) // beyond any count of ten-thousandths
            throwOverflow();
        scaled = mantissa;
        for (int i = 0; i < shift; ++i)
            scaled *= 10;
    } else if (shift > -18) {
        Wide divisor = 1;
        for (int i = 0; i < -shift; ++i)
            divisor *= 10;
        scaled = divideHalfEven(mantissa, divisor);
    }
    return fromRaw(narrow(decimal.negative ? -scaled : scaled));
}

Currency Currency::operator+(Currency other) const
{
    std::int64_t sum = 0;
    if (__builtin_add_overflow(m_raw, other.m_raw, &sum))
        throwOverflow();
    return fromRaw(sum);
}

Currency Currency::operator-(Currency other) const
{
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(m_raw, other.m_raw, &difference))
        throwOverflow();
    return fromRaw(difference);
}

Currency Currency::operator*(Currency other) const
{
    return fromRaw(narrow(divideHalfEven(Wide(m_raw) * Wide(other.m_raw), 10000)));
}

Currency Currency::operator/(Currency other) const
{
    if (other.m_raw == 0)
        throw RuntimeError(err::DivisionByZero, QStringLiteral("División por cero"));
    return fromRaw(narrow(divideHalfEven(Wide(m_raw) * 10000, other.m_raw)));
}

} // namespace rt
