#include "platform/ui/QtDialogService.h"

#include "platform/ui/DialogText.h"
#include "platform/ui/MsgBoxLayout.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <utility>
#include <vector>

namespace ui {

namespace {

QMessageBox::Icon qtIcon(MsgBoxIcon icon)
{
    switch (icon) {
    case MsgBoxIcon::Critical:
        return QMessageBox::Critical;
    case MsgBoxIcon::Question:
        return QMessageBox::Question;
    case MsgBoxIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgBoxIcon::Information:
        return QMessageBox::Information;
    case MsgBoxIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QWidget *boxParent()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

} // namespace

int QtDialogService::msgBox(const QString &text, int style, const QString &title)
{
    const MsgBoxLayout layout = msgBoxLayout(style);
    QMessageBox box(qtIcon(layout.icon), shownTitle(title), normalizeLineBreaks(text), QMessageBox::NoButton,
                    boxParent());
    // Program texts carry SQL and file names with '<' and '&': never read them as markup.
    box.setTextFormat(Qt::PlainText);

    // One role for every button keeps them in the order callers number them by, whatever the desktop's
    // button layout, and leaves Escape to the escape button set below.
    std::vector<std::pair<QPushButton *, MsgBoxResult>> buttons;
    for (MsgBoxResult answer : layout.buttons)
        buttons.emplace_back(box.addButton(buttonText(answer), QMessageBox::ActionRole), answer);
    box.setDefaultButton(buttons[layout.defaultButton].first);
    for (const auto &[button, answer] : buttons) {
        if (layout.escapeAnswer == answer)
            box.setEscapeButton(button);
    }

    box.exec();
    for (const auto &[button, answer] : buttons) {
        if (box.clickedButton() == button)
            return answer;
    }
    // Closed by other means (the application quitting under it): as if Escape were pressed.
    return layout.escapeAnswer.value_or(layout.buttons.front());
}

QString QtDialogService::inputBox(const QString &prompt, const QString &title, const QString &defaultText)
{
    QInputDialog dialog(boxParent());
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(shownTitle(title));
    dialog.setLabelText(normalizeLineBreaks(prompt));
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(buttonText(vbOK));
    dialog.setCancelButtonText(buttonText(vbCancel));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue();
}

} // namespace ui
