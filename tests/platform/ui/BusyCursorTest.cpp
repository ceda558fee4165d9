#include "platform/ui/BusyCursor.h"

#include <QCursor>
#include <QGuiApplication>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

Qt::CursorShape shownCursor()
{
    const QCursor *cursor = QGuiApplication::overrideCursor();
    return cursor ? cursor->shape() : Qt::ArrowCursor;
}

TEST(BusyCursor, ShowsTheWaitCursorWhileItLivesAndNests)
{
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    {
        ui::BusyCursor outer;
        EXPECT_EQ(shownCursor(), Qt::WaitCursor);
        QGuiApplication::setOverrideCursor(QCursor(Qt::IBeamCursor));
        {
            ui::BusyCursor inner;
            EXPECT_EQ(shownCursor(), Qt::WaitCursor);
        }
        EXPECT_EQ(shownCursor(), Qt::IBeamCursor);
        QGuiApplication::restoreOverrideCursor();
        EXPECT_EQ(shownCursor(), Qt::WaitCursor);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(BusyCursor, GivesTheCursorBackWhenAnErrorLeavesTheScope)
{
    EXPECT_THROW(
        {
            ui::BusyCursor busy;
            throw std::runtime_error("falla");
        },
        std::runtime_error);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

} // namespace
