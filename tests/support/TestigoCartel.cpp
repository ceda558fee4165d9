#include "support/TestigoCartel.h"

#include "session/Dll_Display.h"
#include "session/Lbf_CtrlDisplay.h"

#include <QLabel>

TestigoCartel::TestigoCartel()
{
    QObject::connect(&m_reloj, &QTimer::timeout, [this] { mirar(); });
    m_reloj.start(0);
}

void TestigoCartel::mirar()
{
    if (!gCartel.exists() || !gCartel->ventanaActual())
        return;
    for (int linea = 0; linea < 3; ++linea) {
        const QString texto = gCartel->ventanaActual()->LblCtrol(linea)->text();
        if (m_lineas.isEmpty() || m_lineas.constLast() != texto)
            m_lineas << texto;
    }
}
