#pragma once

#include <compare>
#include <cstdint>

namespace rt {

// A money amount: a 64-bit count of ten-thousandths, so sums of cents are exact.
// Conversions from Double round to four decimals half to even, so ties do not drift one way.
class Currency {
public:
    constexpr Currency() = default;
    static constexpr Currency fromRaw(std::int64_t tenThousandths)
    {
        Currency c;
        c.m_raw = tenThousandths;
        return c;
    }
    // Rounded from the value as shown with `significant` digits. Throws RuntimeError 6
    // (overflow) when the value does not fit.
    static Currency fromDouble(double value, int significant = 15);

    constexpr std::int64_t raw() const { return m_raw; }
    double toDouble() const { return static_cast<double>(m_raw) / 10000.0; }

    Currency operator-() const { return fromRaw(-m_raw); }
    Currency operator+(Currency other) const; // throws RuntimeError 6 on overflow
    Currency operator-(Currency other) const; // throws RuntimeError 6 on overflow
    Currency operator*(Currency other) const; // rounded half to even; throws RuntimeError 6 on overflow
    Currency operator/(Currency other) const; // throws RuntimeError 11 on division by zero
    Currency &operator+=(Currency other) { return *this = *this + other; }
    Currency &operator-=(Currency other) { return *this = *this - other; }

    constexpr auto operator<=>(const Currency &) const = default;

private:
    std::int64_t m_raw = 0;
};

} // namespace rt
