#pragma once

#include <QString>
#include <exception>

namespace ui {

// Message box style bits: buttons, icon and default button, added together.
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton1 = 0,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512
};

// Message box answers: the button the user pressed.
enum MsgBoxResult : int { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };

// Shows the program's message and input boxes. The program uses the Qt one; tests replace it
// with a scripted one.
class DialogService {
public:
    virtual ~DialogService() = default;
    virtual int msgBox(const QString &text, int style, const QString &title) = 0;
    // Returns the typed text, or an empty text when the user cancels: callers read both alike.
    virtual QString inputBox(const QString &prompt, const QString &title, const QString &defaultText) = 0;
};

// The service in use (the Qt one unless replaced). The caller keeps ownership of a replacement;
// passing nullptr restores the Qt one.
DialogService &dialogService();
void setDialogService(DialogService *service);

// The application's title, "comisiones": the title of every box given an empty one.
QString applicationTitle();

// An empty title shows the application's title ("comisiones").
int MsgBox(const QString &text, int style = vbOKOnly, const QString &title = {});
QString InputBox(const QString &prompt, const QString &title = {}, const QString &defaultText = {});

// Thrown by EndProgram() instead of ending the process while tests run.
class ProgramEnded : public std::exception {
public:
    const char *what() const noexcept override { return "program ended"; }
};

// Ends the process at once: no window-closing handler runs and nothing is saved. The exit status
// is a failure: the program ends this way only when it cannot do its work (no connection, no
// login). Under tests (setEndProgramThrows(true)) throws ProgramEnded instead.
[[noreturn]] void EndProgram();
void setEndProgramThrows(bool throws);

// Processes the pending events of the event loop.
void DoEvents();

} // namespace ui
