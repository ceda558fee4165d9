#include "settlements/BloqueoVentana.h"

#include <QEvent>
#include <QWidget>

BloqueoVentana::BloqueoVentana(QWidget &ventana, QWidget *libre)
    : m_ventana(&ventana)
{
    // A focused control being disabled hands the focus on down the tab chain, through every
    // list in turn (each then naming itself the export target).
    if (QWidget *foco = ventana.focusWidget())
        foco->clearFocus();
    bloquear(ventana, libre);
    ventana.installEventFilter(this);
}

BloqueoVentana::~BloqueoVentana()
{
    if (m_ventana)
        m_ventana->removeEventFilter(this);
    for (const QPointer<QWidget> &control : m_deshabilitados) {
        if (control)
            control->setEnabled(true);
    }
}

// Disabling a container would grey out the free control inside it too, so the containers on
// the way to it stay enabled and their other children are disabled one by one.
void BloqueoVentana::bloquear(QWidget &contenedor, QWidget *libre)
{
    for (QWidget *control : contenedor.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (control == libre || control->isWindow())
            continue;
        if (libre && control->isAncestorOf(libre)) {
            bloquear(*control, libre);
        } else if (!control->testAttribute(Qt::WA_Disabled)) {
            control->setEnabled(false);
            m_deshabilitados.append(control);
        }
    }
}

bool BloqueoVentana::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto != m_ventana)
        return false;
    switch (evento->type()) {
    case QEvent::Close:
        evento->ignore();
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
        return true;
    default:
        return false;
    }
}
