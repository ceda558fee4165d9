#pragma once

#include "platform/runtime/RuntimeError.h"

// The number of the RuntimeError that `action` raises; 0 when it raises none.
template <typename Action>
long errorNumberOf(Action &&action)
{
    try {
        action();
    } catch (const rt::RuntimeError &error) {
        return error.Number;
    }
    return 0;
}
