#pragma once

#include <QtGlobal>

namespace demo {

// A small random generator (splitmix64) whose numbers, and the ranges made from them, are the
// same on every platform and library: the demo database must be identical for a given seed.
class Prng {
public:
    explicit Prng(quint64 seed)
        : m_state(seed)
    {
    }

    quint64 next();
    // Uniform in [0, bound); bound must be positive.
    quint64 below(quint64 bound);
    // Uniform in [low, high], both included.
    int between(int low, int high);
    // True with the given chance in a thousand.
    bool chance(int perMille);

private:
    quint64 m_state;
};

} // namespace demo
