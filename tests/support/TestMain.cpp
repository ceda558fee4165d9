#include "platform/ui/Dialogs.h"

#include <QApplication>
#include <gmock/gmock.h>

// The main of every test executable: widgets need a QApplication, and EndProgram must throw
// instead of ending the test run.
int main(int argc, char **argv)
{
    // Test discovery runs the executables outside CTest's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Forking a process that holds a QApplication is unsafe; death tests re-run the executable.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ::testing::InitGoogleMock(&argc, argv);
    QApplication app(argc, argv);
    ui::setEndProgramThrows(true);
    return RUN_ALL_TESTS();
}
