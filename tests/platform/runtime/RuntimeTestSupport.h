#pragma once

#include "platform/runtime/DateTime.h"
#include "platform/runtime/RuntimeError.h"

// The RuntimeError that `action` raises; one numbered 0 when it raises none.
template <typename Action> rt::RuntimeError errorOf(Action &&action)
{
    try {
        action();
    } catch (const rt::RuntimeError &e) {
        return e;
    }
    return rt::RuntimeError(0, {});
}

// The number of the RuntimeError that `action` raises, or 0 when it raises none.
template <typename Action> long errorNumber(Action &&action)
{
    return errorOf(action).Number;
}

inline rt::DateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return rt::DateTime::fromParts(y, mo, d, h, mi, s);
}
