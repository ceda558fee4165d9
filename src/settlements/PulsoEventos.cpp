#include "settlements/PulsoEventos.h"

#include "platform/ui/Dialogs.h"

bool PulsoEventos::procesar()
{
    if (m_reloj.isValid() && m_reloj.elapsed() < IntervaloMs)
        return false;
    ui::DoEvents();
    m_reloj.restart();
    return true;
}
