#pragma once

#include "platform/runtime/RuntimeError.h"

#include <functional>

// The number of the RuntimeError that `action` raises, or 0 when it raises none.
inline long errorNumber(const std::function<void()> &action)
{
    try {
        action();
    } catch (const rt::RuntimeError &e) {
        return e.Number;
    }
    return 0;
}
