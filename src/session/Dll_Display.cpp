#include "session/Dll_Display.h"

#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/ui/Dialogs.h"
#include "session/Lbf_CtrlDisplay.h"

#include <QLabel>
#include <QPushButton>

core::LazyInstance<Dll_Display> gCartel;

void liberarCartel()
{
    gCartel.reset();
}

namespace {

const QString CaptionCancelado = QStringLiteral("Abortado");

} // namespace

Dll_Display::Dll_Display() = default;
Dll_Display::~Dll_Display() = default;

Lbf_CtrlDisplay &Dll_Display::ventana()
{
    if (!m_ventana)
        m_ventana = std::make_unique<Lbf_CtrlDisplay>();
    return *m_ventana;
}

void Dll_Display::CartelInicio(const QString &Titulo, qint16 PermiteCancelar)
{
    Lbf_CtrlDisplay &cartel = ventana();
    cartel.setWindowTitle(Titulo);
    cartel.CmdDisplayCancelar()->setVisible(PermiteCancelar != 0);
    cartel.show();
}

void Dll_Display::CartelMostrar(bool &Cancelado, const std::optional<rt::Variant> &L1,
                                const std::optional<rt::Variant> &l2, const std::optional<rt::Variant> &l3)
{
    Lbf_CtrlDisplay &cartel = ventana();
    const std::optional<rt::Variant> *lineas[] = {&L1, &l2, &l3};
    for (int i = 0; i < 3; ++i) {
        if (*lineas[i])
            cartel.LblCtrol(i)->setText(NullAVacio(**lineas[i]));
    }
    cartel.repaint();
    Cancelado = cartel.CmdDisplayCancelar()->text() == CaptionCancelado;
    ui::DoEvents();
}

void Dll_Display::CartelCerrar()
{
    ventana().hide();
    m_ventana.reset();
}

void Dll_Display::setSiempre_Visible(bool valor)
{
    Lbf_CtrlDisplay &cartel = ventana();
    const bool visible = cartel.isVisible();
    cartel.setWindowFlag(Qt::WindowStaysOnTopHint, valor);
    // Changing a window's flags hides it.
    if (visible)
        cartel.show();
}

QString Dll_Display::NullAVacio(const rt::Variant &valor)
{
    try {
        return valor.isNull() ? QString() : rt::CStr(valor);
    } catch (const rt::RuntimeError &) {
        return {};
    }
}
