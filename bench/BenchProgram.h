#pragma once

#include "platform/ui/Dialogs.h"

// Answers every message box with its first button and shows its text on the console.
class ConsoleDialogs final : public ui::DialogService {
public:
    int msgBox(const QString &text, int style, const QString &title) override;
    QString inputBox(const QString &, const QString &, const QString &) override { return {}; }
};

// Opens the program's main connection on the demo database DEMO of $COMISIONES_DATOS, as the
// start-up leaves it for an administrator. Throws std::runtime_error when it does not open.
void openProgramConnection();
