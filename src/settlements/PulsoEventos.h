#pragma once

#include <QElapsedTimer>

// The pending window events of a long run, processed at most once every IntervaloMs: often
// enough for the window to repaint and answer at once to the eye, seldom enough that a run of a
// million rows does not spend its time asking the windowing system for events that are not there.
class PulsoEventos {
public:
    static constexpr qint64 IntervaloMs = 20;

    // Processes the pending events when the last time was IntervaloMs ago or more (or never):
    // true when it did.
    bool procesar();

private:
    QElapsedTimer m_reloj;
};
