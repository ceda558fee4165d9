#include "platform/ui/Dialogs.h"
#include "platform/ui/QtTranslation.h"

#include <QApplication>
#include <QFileInfo>
#include <gmock/gmock.h>
#include <string>

namespace {

// Every parameterised case of the executable prints readably (the test listing names it by what
// it prints, and so do failures), never as a dump of its bytes.
class CasosLegibles : public ::testing::Test {
public:
    void TestBody() override
    {
        const ::testing::UnitTest &unit = *::testing::UnitTest::GetInstance();
        for (int s = 0; s < unit.total_test_suite_count(); ++s) {
            const ::testing::TestSuite &suite = *unit.GetTestSuite(s);
            for (int t = 0; t < suite.total_test_count(); ++t) {
                const ::testing::TestInfo &test = *suite.GetTestInfo(t);
                const std::string printed = test.value_param() ? test.value_param() : "";
                if (printed.find("-byte object <") != std::string::npos)
                    ADD_FAILURE() << suite.name() << "." << test.name() << " prints as a dump of bytes";
            }
        }
    }
};

} // namespace

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
    // Named after the executable: every test executable runs this check on its own cases.
    const std::string executable = QFileInfo(QString::fromLocal8Bit(argv[0])).fileName().toStdString();
    ::testing::RegisterTest("ParameterisedCases", ("PrintReadablyIn_" + executable).c_str(), nullptr, nullptr, __FILE__,
                            __LINE__, []() -> ::testing::Test * { return new CasosLegibles; });
    QApplication app(argc, argv);
    // Qt's own texts as the program shows them.
    ui::useSpanishQtTexts();
    ui::setEndProgramThrows(true);
    return RUN_ALL_TESTS();
}
