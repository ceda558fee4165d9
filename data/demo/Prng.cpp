#include "demo/Prng.h"

#include <limits>

namespace demo {

quint64 Prng::next()
{
    m_state += 0x9E3779B97F4A7C15ULL;
    quint64 z = m_state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

quint64 Prng::below(quint64 bound)
{
    // Rejection keeps every value equally likely, unlike a bare modulo.
    const quint64 limit = std::numeric_limits<quint64>::max() - std::numeric_limits<quint64>::max() % bound;
    quint64 value = next();
    while (value >= limit)
        value = next();
    return value % bound;
}

int Prng::between(int low, int high)
{
    return low + static_cast<int>(below(static_cast<quint64>(high - low) + 1));
}

bool Prng::chance(int perMille)
{
    return below(1000) < static_cast<quint64>(perMille);
}

} // namespace demo
