#pragma once

#include <gtest/gtest.h>

namespace support {

// Puts every global the program keeps back to its state at start-up, as tests expect it:
// the Qt dialog service and EndProgram throwing ProgramEnded. Each owner of a global exports
// its reset, and ProgramGlobals.cpp calls them all, floor by floor.
void resetProgramGlobals();

// Base of test fixtures that touch program state. The reset runs in the constructor, before
// the members of the derived fixture are built, so a ScriptedDialogs member stays installed,
// and again after the test, once the fixture's members are gone.
class ProgramTest : public ::testing::Test {
protected:
    ProgramTest();
    ~ProgramTest() override;
};

} // namespace support
