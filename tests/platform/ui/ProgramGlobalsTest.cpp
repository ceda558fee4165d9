#include "support/ProgramGlobals.h"
#include "support/ScriptedDialogs.h"

#include "platform/ui/Dialogs.h"
#include "platform/ui/QtDialogService.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

constexpr int CaughtProgramEnded = 3;

// Run apart: were EndProgram to end the process, the test would otherwise pass unseen.
TEST(ProgramGlobals, ResetPutsBackTheQtDialogServiceAndAThrowingEndProgram)
{
    support::ScriptedDialogs dialogs;
    support::resetProgramGlobals();
    EXPECT_NE(dynamic_cast<ui::QtDialogService *>(&ui::dialogService()), nullptr);
    EXPECT_EXIT(
        {
            ui::setEndProgramThrows(false);
            support::resetProgramGlobals();
            try {
                ui::EndProgram();
            } catch (const ui::ProgramEnded &) {
                std::_Exit(CaughtProgramEnded);
            }
        },
        testing::ExitedWithCode(CaughtProgramEnded), "");
}

class FixtureWithScriptedDialogs : public support::ProgramTest {
protected:
    support::ScriptedDialogs dialogs;
};

TEST_F(FixtureWithScriptedDialogs, AScriptedDialogsMemberStaysInstalledForTheTest)
{
    EXPECT_EQ(&ui::dialogService(), &dialogs);
}

} // namespace
