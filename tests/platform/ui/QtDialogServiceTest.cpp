#include "platform/ui/QtDialogService.h"

#include "support/WidgetTest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

using namespace ui;

// What a box decodes from its style (buttons, escape answer, default button) is MsgBoxLayout's
// and tested there; these tests check that real boxes show and answer as the layout says.
namespace {

// The buttons of a box from left to right, as the user sees them.
std::vector<QPushButton *> buttonsLeftToRight(QWidget *box)
{
    auto buttons = box->findChildren<QPushButton *>();
    buttons.removeIf([](QPushButton *b) { return !b->isVisible(); });
    std::sort(buttons.begin(), buttons.end(), [box](QPushButton *a, QPushButton *b) {
        return a->mapTo(box, QPoint()).x() < b->mapTo(box, QPoint()).x();
    });
    return {buttons.begin(), buttons.end()};
}

QStringList captions(QWidget *box)
{
    QStringList texts;
    for (QPushButton *button : buttonsLeftToRight(box))
        texts << button->text();
    return texts;
}

void click(QWidget *box, const QString &caption)
{
    for (QPushButton *button : buttonsLeftToRight(box)) {
        if (button->text() == caption)
            return QTest::mouseClick(button, Qt::LeftButton);
    }
    ADD_FAILURE() << "No button " << caption.toStdString();
}

class QtDialogServiceTest : public support::WidgetTest {
protected:
    // Shows a message box and hands it to `act` while it is open; returns the box's answer.
    int showMsgBox(int style, std::function<void(QMessageBox *)> act, const QString &text = QStringLiteral("x"),
                   const QString &title = {})
    {
        onNextModal([act = std::move(act)](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            ASSERT_NE(box, nullptr);
            act(box);
        });
        return service.msgBox(text, style, title);
    }

    QString showInputBox(std::function<void(QInputDialog *)> act, const QString &title = {},
                         const QString &prompt = QStringLiteral("Valor"),
                         const QString &defaultText = QStringLiteral("7"))
    {
        onNextModal([act = std::move(act)](QWidget *modal) {
            auto *dialog = qobject_cast<QInputDialog *>(modal);
            ASSERT_NE(dialog, nullptr);
            act(dialog);
        });
        return service.inputBox(prompt, title, defaultText);
    }

    QtDialogService service;
};

// The rows use every button set and icon, defaults past the first button and both kinds of
// escape answer.
struct StyleCase {
    int style;
    QStringList captions;
    std::vector<int> answers; // of the buttons, left to right
    QMessageBox::Icon icon;
    int enter;
    std::optional<int> escape; // none: Escape and the close button leave the box open
};

const StyleCase styleCases[] = {
    {vbOKOnly, {"Aceptar"}, {vbOK}, QMessageBox::NoIcon, vbOK, vbOK},
    {vbOKCancel + vbCritical, {"Aceptar", "Cancelar"}, {vbOK, vbCancel}, QMessageBox::Critical, vbOK, vbCancel},
    {vbAbortRetryIgnore + vbExclamation + vbDefaultButton3,
     {"Anular", "Reintentar", "Omitir"},
     {vbAbort, vbRetry, vbIgnore},
     QMessageBox::Warning,
     vbIgnore,
     std::nullopt},
    {vbYesNoCancel + vbInformation + vbDefaultButton2,
     {"Sí", "No", "Cancelar"},
     {vbYes, vbNo, vbCancel},
     QMessageBox::Information,
     vbNo,
     vbCancel},
    {vbYesNo + vbQuestion + vbDefaultButton2, {"Sí", "No"}, {vbYes, vbNo}, QMessageBox::Question, vbNo, std::nullopt},
    {vbRetryCancel, {"Reintentar", "Cancelar"}, {vbRetry, vbCancel}, QMessageBox::NoIcon, vbRetry, vbCancel},
};

TEST_F(QtDialogServiceTest, EachButtonShowsItsSpanishCaptionInOrderAndGivesItsAnswerUnderTheIcon)
{
    for (const StyleCase &c : styleCases) {
        for (std::size_t i = 0; i < c.answers.size(); ++i) {
            QStringList shown;
            QMessageBox::Icon icon = QMessageBox::NoIcon;
            const int answer = showMsgBox(c.style, [&](QMessageBox *box) {
                shown = captions(box);
                icon = box->icon();
                const auto buttons = buttonsLeftToRight(box);
                if (i < buttons.size())
                    QTest::mouseClick(buttons[i], Qt::LeftButton);
            });
            EXPECT_EQ(shown, c.captions) << "style " << c.style;
            EXPECT_EQ(icon, c.icon) << "style " << c.style;
            EXPECT_EQ(answer, c.answers[i]) << "style " << c.style << ", button " << i;
        }
    }
}

TEST_F(QtDialogServiceTest, EnterPressesTheDefaultButton)
{
    for (const StyleCase &c : styleCases)
        EXPECT_EQ(showMsgBox(c.style, [](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Return); }), c.enter)
            << "style " << c.style;
}

// A box left open is answered with its last button.
TEST_F(QtDialogServiceTest, EscapeAndTheCloseButtonGiveTheEscapeAnswerOrLeaveTheBoxOpen)
{
    for (const StyleCase &c : styleCases) {
        for (const bool byEscape : {true, false}) {
            bool stayedOpen = false;
            const int answer = showMsgBox(c.style, [&](QMessageBox *box) {
                if (byEscape)
                    QTest::keyClick(box, Qt::Key_Escape);
                else
                    box->close();
                QApplication::processEvents();
                stayedOpen = box->isVisible();
                if (stayedOpen)
                    QTest::mouseClick(buttonsLeftToRight(box).back(), Qt::LeftButton);
            });
            EXPECT_EQ(stayedOpen, !c.escape) << "style " << c.style << (byEscape ? ", Escape" : ", close");
            EXPECT_EQ(answer, c.escape.value_or(c.answers.back())) << "style " << c.style;
        }
    }
}

TEST_F(QtDialogServiceTest, ShowsTheTitleOrTheApplicationsAndTheTextAsWrittenWithEveryLineEndABreak)
{
    QString title, text;
    Qt::TextFormat format = Qt::RichText;
    const auto read = [&](QMessageBox *box) {
        title = box->windowTitle();
        text = box->text();
        format = box->textFormat();
        box->accept();
    };
    showMsgBox(vbOKOnly, read, QStringLiteral("<b>1</b> < 2 & 3\r\nLínea 2\rLínea 3\nLínea 4"),
               QStringLiteral("Liquidación"));
    EXPECT_EQ(title, QStringLiteral("Liquidación"));
    EXPECT_EQ(text, QStringLiteral("<b>1</b> < 2 & 3\nLínea 2\nLínea 3\nLínea 4"));
    EXPECT_EQ(format, Qt::PlainText);
    showMsgBox(vbOKOnly, read);
    EXPECT_EQ(title, QStringLiteral("comisiones"));
}

TEST_F(QtDialogServiceTest, InputBoxShowsPromptTitleDefaultAndSpanishButtonsAndGivesTheTypedText)
{
    QString title, label, shownDefault;
    QStringList shownCaptions;
    const QString typed = showInputBox(
        [&](QInputDialog *dialog) {
            title = dialog->windowTitle();
            label = dialog->labelText();
            shownDefault = dialog->textValue();
            shownCaptions = captions(dialog);
            auto *edit = dialog->findChild<QLineEdit *>();
            ASSERT_NE(edit, nullptr);
            edit->clear();
            QTest::keyClicks(edit, QStringLiteral("123456"));
            click(dialog, QStringLiteral("Aceptar"));
        },
        QStringLiteral("Acceso"), QStringLiteral("Ingrese la clave:\r\n(6 dígitos)"), QStringLiteral("000000"));
    EXPECT_EQ(typed, QStringLiteral("123456"));
    EXPECT_EQ(title, QStringLiteral("Acceso"));
    EXPECT_EQ(label, QStringLiteral("Ingrese la clave:\n(6 dígitos)"));
    EXPECT_EQ(shownDefault, QStringLiteral("000000"));
    shownCaptions.sort();
    EXPECT_EQ(shownCaptions, QStringList({"Aceptar", "Cancelar"}));
}

TEST_F(QtDialogServiceTest, InputBoxWithoutTitleShowsTheApplicationsAndGivesNothingOnCancelOrEscape)
{
    QString title;
    EXPECT_EQ(showInputBox([&](QInputDialog *dialog) {
                  title = dialog->windowTitle();
                  QTest::keyClick(dialog, Qt::Key_Return);
              }),
              QStringLiteral("7"));
    EXPECT_EQ(title, QStringLiteral("comisiones"));
    EXPECT_EQ(showInputBox([](QInputDialog *dialog) { click(dialog, QStringLiteral("Cancelar")); }), QString());
    EXPECT_EQ(showInputBox([](QInputDialog *dialog) { QTest::keyClick(dialog, Qt::Key_Escape); }), QString());
}

} // namespace
