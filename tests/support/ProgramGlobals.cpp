#include "support/ProgramGlobals.h"

#include "platform/ui/Dialogs.h"

namespace support {

namespace {

void resetDialogs()
{
    ui::setDialogService(nullptr);
    ui::setEndProgramThrows(true);
}

// One step per area that keeps globals, in the order they were set up at start-up.
constexpr void (*resetSteps[])() = {
    resetDialogs,
};

} // namespace

void resetProgramGlobals()
{
    for (auto step : resetSteps)
        step();
}

ProgramTest::ProgramTest()
{
    resetProgramGlobals();
}

ProgramTest::~ProgramTest()
{
    resetProgramGlobals();
}

} // namespace support
