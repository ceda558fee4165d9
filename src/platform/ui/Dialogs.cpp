#include "platform/ui/Dialogs.h"

#include "platform/ui/QtDialogService.h"

#include <QCoreApplication>
#include <cstdlib>

namespace ui {

namespace {

DialogService *replacement = nullptr;
bool endProgramThrows = false;

DialogService &qtDialogService()
{
    static QtDialogService service;
    return service;
}

} // namespace

DialogService &dialogService()
{
    return replacement ? *replacement : qtDialogService();
}

void setDialogService(DialogService *service)
{
    replacement = service;
}

QString applicationTitle()
{
    return QStringLiteral("comisiones");
}

int MsgBox(const QString &text, int style, const QString &title)
{
    return dialogService().msgBox(text, style, title);
}

QString InputBox(const QString &prompt, const QString &title, const QString &defaultText)
{
    return dialogService().inputBox(prompt, title, defaultText);
}

void EndProgram()
{
    if (endProgramThrows)
        throw ProgramEnded();
    // At once: no destructors, no atexit handlers, no close events, no flushing.
    std::_Exit(EXIT_FAILURE);
}

void setEndProgramThrows(bool throws)
{
    endProgramThrows = throws;
}

void DoEvents()
{
    QCoreApplication::processEvents();
}

} // namespace ui
