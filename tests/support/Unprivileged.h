#pragma once

#include <QString>
#include <functional>

namespace support {

// Whether runUnprivileged runs its body as another user than this process's (this one is root),
// whose files the body then may not write.
bool runsAsAnotherUser();

// Makes `path` (a link itself, not its file) belong to the user runUnprivileged runs as, so the
// body may write there; false when it cannot.
bool handToUnprivileged(const QString &path);

// Runs `body` in a forked child that may not override file permissions: root becomes the user
// nobody (65534, with no other group) first; any other user has no such power to give up. Returns
// whether the body ran to its end without a failing assertion; the child's failures print as they
// happen. The child leaves by _exit, running none of the test's destructors, and an alarm ends it
// when it hangs.
bool runUnprivileged(const std::function<void()> &body);

} // namespace support
