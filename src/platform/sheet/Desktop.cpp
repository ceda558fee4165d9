#include "platform/sheet/Desktop.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QUrl>

namespace sheet {

bool desktopAvailable()
{
    // Without a GUI application there are no platform services to ask.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return false;
    const QString platform = QGuiApplication::platformName();
    if (platform == u"offscreen" || platform == u"minimal")
        return false;
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return false;
#endif
    return true;
}

bool openOnDesktop(const QString &path)
{
    return desktopAvailable() && QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace sheet
