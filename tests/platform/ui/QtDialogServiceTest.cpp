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

using namespace ui;

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

QStringList captions(const std::vector<QPushButton *> &buttons)
{
    QStringList texts;
    for (QPushButton *button : buttons)
        texts << button->text();
    return texts;
}

QPushButton *buttonCaptioned(QWidget *box, const QString &caption)
{
    for (QPushButton *button : buttonsLeftToRight(box)) {
        if (button->text() == caption)
            return button;
    }
    ADD_FAILURE() << "No button " << caption.toStdString();
    return nullptr;
}

class QtDialogServiceTest : public support::WidgetTest {
protected:
    // Shows a message box and hands it to `act` while it is open; returns the box's answer.
    int showMsgBox(const QString &text, int style, const QString &title, std::function<void(QMessageBox *)> act)
    {
        onNextModal([act = std::move(act)](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            ASSERT_NE(box, nullptr);
            act(box);
        });
        return service.msgBox(text, style, title);
    }

    QString showInputBox(const QString &prompt, const QString &title, const QString &defaultText,
                         std::function<void(QInputDialog *)> act)
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

struct ButtonCase {
    int style;
    QStringList captions;
    std::vector<int> answers;
};

const ButtonCase buttonCases[] = {
    {vbOKOnly, {"Aceptar"}, {vbOK}},
    {vbOKCancel, {"Aceptar", "Cancelar"}, {vbOK, vbCancel}},
    {vbAbortRetryIgnore, {"Anular", "Reintentar", "Omitir"}, {vbAbort, vbRetry, vbIgnore}},
    {vbYesNoCancel, {"Sí", "No", "Cancelar"}, {vbYes, vbNo, vbCancel}},
    {vbYesNo, {"Sí", "No"}, {vbYes, vbNo}},
    {vbRetryCancel, {"Reintentar", "Cancelar"}, {vbRetry, vbCancel}},
};

TEST_F(QtDialogServiceTest, EachButtonShowsItsSpanishCaptionInOrderAndGivesItsAnswer)
{
    for (const ButtonCase &c : buttonCases) {
        for (std::size_t i = 0; i < c.answers.size(); ++i) {
            QStringList shown;
            const int answer = showMsgBox(QStringLiteral("¿Continuar?"), c.style, QStringLiteral("Cobranzas"),
                                          [&](QMessageBox *box) {
                                              const auto buttons = buttonsLeftToRight(box);
                                              shown = captions(buttons);
                                              if (i < buttons.size())
                                                  QTest::mouseClick(buttons[i], Qt::LeftButton);
                                          });
            EXPECT_EQ(shown, c.captions) << "style " << c.style;
            EXPECT_EQ(answer, c.answers[i]) << "style " << c.style << ", button " << i;
        }
    }
}

TEST_F(QtDialogServiceTest, ShowsTheTitleAndEveryLineEndAsALineBreak)
{
    QString title;
    QString text;
    showMsgBox(QStringLiteral("Línea 1\r\nLínea 2\rLínea 3\nLínea 4"), vbOKOnly, QStringLiteral("Liquidación"),
               [&](QMessageBox *box) {
                   title = box->windowTitle();
                   text = box->text();
                   QTest::mouseClick(buttonCaptioned(box, QStringLiteral("Aceptar")), Qt::LeftButton);
               });
    EXPECT_EQ(title, QStringLiteral("Liquidación"));
    EXPECT_EQ(text, QStringLiteral("Línea 1\nLínea 2\nLínea 3\nLínea 4"));
}

TEST_F(QtDialogServiceTest, AnEmptyTitleShowsTheApplicationTitle)
{
    QString title;
    showMsgBox(QStringLiteral("Hola"), vbOKOnly, {}, [&](QMessageBox *box) {
        title = box->windowTitle();
        box->accept();
    });
    EXPECT_EQ(title, applicationTitle());
    EXPECT_EQ(title, QStringLiteral("comisiones"));
}

TEST_F(QtDialogServiceTest, TextIsShownAsWrittenNeverAsMarkup)
{
    Qt::TextFormat format = Qt::RichText;
    showMsgBox(QStringLiteral("<b>precio</b> < 10 & fecha > hoy"), vbOKOnly, {}, [&](QMessageBox *box) {
        format = box->textFormat();
        box->accept();
    });
    EXPECT_EQ(format, Qt::PlainText);
}

TEST_F(QtDialogServiceTest, IconBitsShowTheMatchingIcon)
{
    const std::pair<int, QMessageBox::Icon> cases[] = {
        {vbOKOnly, QMessageBox::NoIcon},
        {vbCritical, QMessageBox::Critical},
        {vbQuestion + vbYesNo, QMessageBox::Question},
        {vbExclamation, QMessageBox::Warning},
        {vbInformation, QMessageBox::Information},
    };
    for (const auto &[style, icon] : cases) {
        QMessageBox::Icon shown = QMessageBox::NoIcon;
        showMsgBox(QStringLiteral("x"), style, {}, [&](QMessageBox *box) {
            shown = box->icon();
            QTest::mouseClick(buttonsLeftToRight(box).front(), Qt::LeftButton);
        });
        EXPECT_EQ(shown, icon) << "style " << style;
    }
}

TEST_F(QtDialogServiceTest, EnterPressesTheDefaultButton)
{
    const std::pair<int, int> cases[] = {
        {vbOKCancel, vbOK},
        {vbYesNo + vbDefaultButton2, vbNo},
        {vbAbortRetryIgnore + vbDefaultButton3, vbIgnore},
        {vbYesNoCancel + vbDefaultButton2 + vbQuestion, vbNo},
        {vbRetryCancel + vbDefaultButton3, vbRetry},
    };
    for (const auto &[style, expected] : cases) {
        const int answer =
            showMsgBox(QStringLiteral("x"), style, {}, [](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Return); });
        EXPECT_EQ(answer, expected) << "style " << style;
    }
}

TEST_F(QtDialogServiceTest, EscapeAndTheCloseButtonGiveCancelOrALoneOk)
{
    const std::pair<int, int> cases[] = {
        {vbOKOnly, vbOK},
        {vbOKCancel, vbCancel},
        {vbYesNoCancel + vbDefaultButton2, vbCancel},
        {vbRetryCancel, vbCancel},
    };
    for (const auto &[style, expected] : cases) {
        EXPECT_EQ(showMsgBox(QStringLiteral("x"), style, {}, [](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Escape); }),
                  expected)
            << "Escape, style " << style;
        EXPECT_EQ(showMsgBox(QStringLiteral("x"), style, {}, [](QMessageBox *box) { box->close(); }), expected)
            << "close, style " << style;
    }
}

TEST_F(QtDialogServiceTest, YesNoAndAbortRetryIgnoreStayOpenOnEscapeAndClose)
{
    for (int style : {int(vbYesNo), vbAbortRetryIgnore + vbDefaultButton2}) {
        bool stayedOpen = false;
        const int answer = showMsgBox(QStringLiteral("x"), style, {}, [&](QMessageBox *box) {
            QTest::keyClick(box, Qt::Key_Escape);
            box->close();
            QApplication::processEvents();
            stayedOpen = box->isVisible();
            QTest::mouseClick(buttonsLeftToRight(box).back(), Qt::LeftButton);
        });
        EXPECT_TRUE(stayedOpen) << "style " << style;
        EXPECT_EQ(answer, style == vbYesNo ? vbNo : vbIgnore) << "style " << style;
    }
}

TEST_F(QtDialogServiceTest, InputBoxShowsPromptTitleAndDefaultAndGivesTheTypedText)
{
    QString title;
    QString label;
    QString shownDefault;
    QStringList shownCaptions;
    const QString typed = showInputBox(QStringLiteral("Ingrese la clave:\r\n(6 dígitos)"), QStringLiteral("Acceso"),
                                       QStringLiteral("000000"), [&](QInputDialog *dialog) {
                                           title = dialog->windowTitle();
                                           label = dialog->labelText();
                                           shownDefault = dialog->textValue();
                                           shownCaptions = captions(buttonsLeftToRight(dialog));
                                           auto *edit = dialog->findChild<QLineEdit *>();
                                           ASSERT_NE(edit, nullptr);
                                           edit->clear();
                                           QTest::keyClicks(edit, QStringLiteral("123456"));
                                           QTest::mouseClick(buttonCaptioned(dialog, QStringLiteral("Aceptar")),
                                                             Qt::LeftButton);
                                       });
    EXPECT_EQ(typed, QStringLiteral("123456"));
    EXPECT_EQ(title, QStringLiteral("Acceso"));
    EXPECT_EQ(label, QStringLiteral("Ingrese la clave:\n(6 dígitos)"));
    EXPECT_EQ(shownDefault, QStringLiteral("000000"));
    EXPECT_TRUE(shownCaptions.contains(QStringLiteral("Aceptar")));
    EXPECT_TRUE(shownCaptions.contains(QStringLiteral("Cancelar")));
    EXPECT_EQ(shownCaptions.size(), 2);
}

TEST_F(QtDialogServiceTest, InputBoxGivesEmptyTextOnCancelAndEscape)
{
    const std::function<void(QInputDialog *)> ways[] = {
        [](QInputDialog *dialog) { QTest::mouseClick(buttonCaptioned(dialog, QStringLiteral("Cancelar")), Qt::LeftButton); },
        [](QInputDialog *dialog) { QTest::keyClick(dialog, Qt::Key_Escape); },
    };
    for (const auto &way : ways)
        EXPECT_EQ(showInputBox(QStringLiteral("Valor"), {}, QStringLiteral("por omisión"), way), QString());
}

TEST_F(QtDialogServiceTest, InputBoxWithEmptyTitleShowsTheApplicationTitle)
{
    QString title;
    const QString typed = showInputBox(QStringLiteral("Valor"), {}, QStringLiteral("7"), [&](QInputDialog *dialog) {
        title = dialog->windowTitle();
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    EXPECT_EQ(title, QStringLiteral("comisiones"));
    EXPECT_EQ(typed, QStringLiteral("7"));
}

} // namespace
