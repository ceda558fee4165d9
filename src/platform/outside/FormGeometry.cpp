#include "platform/outside/FormGeometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace outside {

namespace {

QRect availableArea(const QWidget *form)
{
    const QScreen *screen = form->screen() ? form->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace

void fitIntoScreen(QWidget *form)
{
    if (!form)
        return;
    const QRect area = availableArea(form);
    if (area.isEmpty())
        return;
    QRect frame = form->geometry();
    frame.setWidth(qMin(frame.width(), area.width()));
    frame.setHeight(qMin(frame.height(), area.height()));
    frame.moveLeft(qBound(area.left(), frame.left(), area.right() - frame.width() + 1));
    frame.moveTop(qBound(area.top(), frame.top(), area.bottom() - frame.height() + 1));
    form->setGeometry(frame);
}

void centreOnScreen(QWidget *form)
{
    if (!form)
        return;
    fitIntoScreen(form);
    const QRect area = availableArea(form);
    if (area.isEmpty())
        return;
    QRect frame = form->geometry();
    frame.moveCenter(area.center());
    form->setGeometry(frame);
}

} // namespace outside
