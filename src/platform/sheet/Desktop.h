#pragma once

#include <QString>

namespace sheet {

// Whether a desktop session can show a file to the user: a GUI application runs on a real
// display (not the offscreen or minimal platforms, and on X11/Wayland systems a DISPLAY or
// WAYLAND_DISPLAY is set).
bool desktopAvailable();

// Opens `path` with the desktop's program for its type when a desktop is available.
// Returns whether the desktop accepted the request.
bool openOnDesktop(const QString &path);

} // namespace sheet
