#pragma once

#include <QString>

namespace ui {

// The text of a box as shown: CR, LF and CRLF each become one line break ("\n").
QString normalizeLineBreaks(const QString &text);

// The title of a box as shown: the given one, or the application's title when it is empty.
QString shownTitle(const QString &title);

} // namespace ui
