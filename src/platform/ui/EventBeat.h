#pragma once

#include <QElapsedTimer>

namespace ui {

// The pending window events of a long run, processed at most once every IntervalMs: often
// enough for the window to repaint and answer at once to the eye, seldom enough that a run of a
// million rows does not spend its time asking the windowing system for events that are not there.
class EventBeat {
public:
    static constexpr qint64 IntervalMs = 20;

    // Processes the pending events when the last time was IntervalMs ago or more (or never):
    // true when it did.
    bool process();

private:
    QElapsedTimer m_clock;
};

} // namespace ui
