#include "platform/ui/BusyCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace ui {

BusyCursor::BusyCursor()
    : m_active(qGuiApp != nullptr)
{
    if (m_active)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

BusyCursor::~BusyCursor()
{
    if (m_active && qGuiApp)
        QGuiApplication::restoreOverrideCursor();
}

} // namespace ui
