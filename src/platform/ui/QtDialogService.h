#pragma once

#include "platform/ui/Dialogs.h"

namespace ui {

// The program's dialog service: modal QMessageBox and QInputDialog boxes with Spanish buttons,
// over the active window. Texts are shown as plain text, never as markup.
class QtDialogService : public DialogService {
public:
    // Shows the box and waits for the answer (vbOK ... vbNo).
    int msgBox(const QString &text, int style, const QString &title) override;
    // Shows the prompt with `defaultText` selected; returns the typed text, or "" on Cancel.
    QString inputBox(const QString &prompt, const QString &title, const QString &defaultText) override;
};

} // namespace ui
