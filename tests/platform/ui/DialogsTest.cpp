#include "platform/ui/Dialogs.h"

#include "support/ProgramGlobals.h"

#include <QCoreApplication>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace ui;

namespace {

// A window whose close handler leaves a trace, as a form's Unload would save its settings.
class TracingWindow : public QWidget {
protected:
    void closeEvent(QCloseEvent *event) override
    {
        std::fputs("close handler ran\n", stderr);
        QWidget::closeEvent(event);
    }
};

void traceAtExit()
{
    std::fputs("exit handler ran\n", stderr);
}

class DialogsTest : public support::ProgramTest { };

TEST_F(DialogsTest, EndProgramEndsAtOnceAsAFailureWithoutCloseOrExitHandlers)
{
    EXPECT_EXIT(
        {
            TracingWindow window;
            window.show();
            std::atexit(traceAtExit);
            QObject::connect(qApp, &QCoreApplication::aboutToQuit, [] { std::fputs("quit handler ran\n", stderr); });
            setEndProgramThrows(false);
            EndProgram();
        },
        testing::ExitedWithCode(EXIT_FAILURE), testing::Not(testing::HasSubstr("ran")));
}

TEST_F(DialogsTest, DoEventsRunsPendingEvents)
{
    bool ran = false;
    QMetaObject::invokeMethod(
        qApp, [&ran] { ran = true; }, Qt::QueuedConnection);
    EXPECT_FALSE(ran);
    DoEvents();
    EXPECT_TRUE(ran);
}

} // namespace
