#include "platform/ui/DialogText.h"

#include "platform/ui/Dialogs.h"

namespace ui {

QString normalizeLineBreaks(const QString &text)
{
    QString result = text;
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

QString shownTitle(const QString &title)
{
    return title.isEmpty() ? applicationTitle() : title;
}

} // namespace ui
