#include "platform/ui/EventBeat.h"

#include "platform/ui/Dialogs.h"

namespace ui {

bool EventBeat::process()
{
    if (m_clock.isValid() && m_clock.elapsed() < IntervalMs)
        return false;
    DoEvents();
    m_clock.restart();
    return true;
}

} // namespace ui
