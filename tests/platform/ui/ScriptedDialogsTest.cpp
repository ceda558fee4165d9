#include "support/ScriptedDialogs.h"
#include "support/ProgramGlobals.h"

#include "platform/ui/Dialogs.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using namespace ui;
using support::BoxMatch;
using support::ScriptedDialogs;
using support::ShownBox;

namespace {

class ScriptedDialogsTest : public support::ProgramTest { };

TEST(BoxMatch, MatchesByTitleAndOrTextWholeOrInPart)
{
    struct Case {
        BoxMatch match;
        const char *title;
        const char *text;
        bool matches;
    };
    const Case cases[] = {
        {BoxMatch::any(), "Error", "Falló", true},
        {BoxMatch::text("Falló la conexión"), "Error", "Falló la conexión", true},
        {BoxMatch::text("Falló"), "Error", "Falló la conexión", false},
        {BoxMatch::text("falló la conexión"), "Error", "Falló la conexión", false},
        {BoxMatch::textContaining("la conexión"), "Error", "Falló la conexión", true},
        {BoxMatch::textContaining("servidor"), "Error", "Falló la conexión", false},
        {BoxMatch::title("Error"), "Error", "lo que sea", true},
        {BoxMatch::title("Error"), "Aviso", "lo que sea", false},
        {BoxMatch::textContaining("conexión").withTitle("Error"), "Error", "Falló la conexión", true},
        {BoxMatch::textContaining("conexión").withTitle("Error"), "Aviso", "Falló la conexión", false},
        {BoxMatch::text("Línea 1\r\nLínea 2"), "x", "Línea 1\nLínea 2", true},
        {BoxMatch::text("Línea 1\rLínea 2"), "x", "Línea 1\nLínea 2", true},
        {BoxMatch::title(""), "comisiones", "x", true},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(c.match.matches(QString::fromUtf8(c.title), QString::fromUtf8(c.text)), c.matches)
            << c.match.describe().toStdString() << " against \"" << c.title << "\" / \"" << c.text << "\"";
    }
}

TEST_F(ScriptedDialogsTest, AnswersTheExpectedBoxesInOrderAndRecordsThemAsShown)
{
    ScriptedDialogs dialogs;
    dialogs.expectMsgBox(BoxMatch::textContaining("no se pudo grabar"), vbRetry);
    dialogs.expectMsgBox(BoxMatch::title("Liquidación"), vbIgnore);
    dialogs.expectInputBox(BoxMatch::text("Ingrese la fecha"), QStringLiteral("01/02/2024"));
    dialogs.expectMsgBox(BoxMatch::any());

    EXPECT_EQ(MsgBox(QStringLiteral("Error:\r\nno se pudo grabar"), vbRetryCancel + vbCritical), vbRetry);
    EXPECT_EQ(MsgBox(QStringLiteral("Falla"), vbAbortRetryIgnore, QStringLiteral("Liquidación")), vbIgnore);
    EXPECT_EQ(InputBox(QStringLiteral("Ingrese la fecha"), QStringLiteral("Fecha"), QStringLiteral("hoy")),
              QStringLiteral("01/02/2024"));
    EXPECT_EQ(MsgBox(QStringLiteral("Listo")), vbOK);

    const auto &shown = dialogs.shown();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0].kind, ShownBox::Kind::Message);
    EXPECT_EQ(shown[0].title, QStringLiteral("comisiones"));
    EXPECT_EQ(shown[0].text, QStringLiteral("Error:\nno se pudo grabar"));
    EXPECT_EQ(shown[0].style, vbRetryCancel + vbCritical);
    EXPECT_EQ(shown[0].answer, vbRetry);
    EXPECT_EQ(shown[1].answer, vbIgnore);
    EXPECT_EQ(shown[2].kind, ShownBox::Kind::Input);
    EXPECT_EQ(shown[2].title, QStringLiteral("Fecha"));
    EXPECT_EQ(shown[2].defaultText, QStringLiteral("hoy"));
    EXPECT_EQ(shown[2].typedText, QStringLiteral("01/02/2024"));
    EXPECT_EQ(shown[3].text, QStringLiteral("Listo"));
}

TEST_F(ScriptedDialogsTest, AnUnexpectedBoxFailsAndGetsTheFirstButtonOrIsCancelled)
{
    ScriptedDialogs dialogs;
    int answer = 0;
    EXPECT_NONFATAL_FAILURE(answer =
                                MsgBox(QStringLiteral("¿Borrar la liquidación?"), vbYesNo, QStringLiteral("Borrar")),
                            "Unexpected message box titled \"Borrar\" saying \"¿Borrar la liquidación?\"");
    EXPECT_EQ(answer, vbYes);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].answer, vbYes);
    QString typed = QStringLiteral("not answered");
    EXPECT_NONFATAL_FAILURE(typed = InputBox(QStringLiteral("Clave"), {}, QStringLiteral("1234")),
                            "Unexpected input box");
    EXPECT_EQ(typed, QString());
}

TEST_F(ScriptedDialogsTest, ABoxOtherThanTheNextExpectedFailsAndLeavesTheExpectationPending)
{
    ScriptedDialogs dialogs;
    dialogs.expectMsgBox(BoxMatch::text("Primero"), vbCancel);
    int answer = 0;
    EXPECT_NONFATAL_FAILURE(answer = MsgBox(QStringLiteral("Segundo"), vbOKCancel),
                            "expected next: message box saying \"Primero\"");
    EXPECT_EQ(answer, vbOK);
    EXPECT_EQ(MsgBox(QStringLiteral("Primero"), vbOKCancel), vbCancel);
}

TEST_F(ScriptedDialogsTest, AMessageBoxWhereAnInputBoxIsExpectedFails)
{
    ScriptedDialogs dialogs;
    dialogs.expectInputBox(BoxMatch::text("Clave"), QStringLiteral("1234"));
    EXPECT_NONFATAL_FAILURE(MsgBox(QStringLiteral("Clave")), "expected next: input box");
    EXPECT_EQ(InputBox(QStringLiteral("Clave")), QStringLiteral("1234"));
}

TEST_F(ScriptedDialogsTest, AScriptedAnswerTheBoxHasNoButtonForFails)
{
    ScriptedDialogs dialogs;
    dialogs.expectMsgBox(BoxMatch::any(), vbRetry);
    int answer = 0;
    EXPECT_NONFATAL_FAILURE(answer = MsgBox(QStringLiteral("¿Seguro?"), vbYesNo), "Scripted answer 4 is not a button");
    EXPECT_EQ(answer, vbYes);
}

TEST_F(ScriptedDialogsTest, ExpectedBoxesNeverShownFailOnVerifyOnce)
{
    ScriptedDialogs dialogs;
    dialogs.expectMsgBox(BoxMatch::text("Proceso terminado"));
    EXPECT_NONFATAL_FAILURE(dialogs.verify(), "Expected message box never shown: saying \"Proceso terminado\"");
    // Exactly one failure here shows the first verify forgot what it reported.
    dialogs.expectInputBox(BoxMatch::title("Clave"), {});
    EXPECT_NONFATAL_FAILURE(dialogs.verify(), "Expected input box never shown: titled \"Clave\"");
}

TEST_F(ScriptedDialogsTest, ExpectedBoxesNeverShownFailAtDestruction)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedDialogs dialogs;
            dialogs.expectMsgBox(BoxMatch::text("Proceso terminado"));
        },
        "never shown");
}

TEST_F(ScriptedDialogsTest, InstallsItselfAndPutsBackTheServiceItReplaced)
{
    DialogService *const before = &dialogService();
    {
        ScriptedDialogs outer;
        EXPECT_EQ(&dialogService(), &outer);
        {
            ScriptedDialogs inner;
            EXPECT_EQ(&dialogService(), &inner);
        }
        EXPECT_EQ(&dialogService(), &outer);
    }
    EXPECT_EQ(&dialogService(), before);
}

} // namespace
