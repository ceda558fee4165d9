#pragma once

#include "support/ProgramGlobals.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace support {

class ModalWatch;

// Base of fixtures that drive real widgets offscreen (the test main makes the QApplication).
// Windows a test leaves open are closed after it, so no modal window outlives its test.
class WidgetTest : public ProgramTest {
protected:
    WidgetTest();
    ~WidgetTest() override;

    // Runs `handler` on the next modal window as soon as it shows, from inside its event loop;
    // the handler reads it and closes it (e.g. clicks a button). Fails the test when no modal
    // window shows within `timeoutMs`, or when the handler leaves it open that long (it is then
    // closed, so the test does not hang).
    void onNextModal(std::function<void(QWidget *)> handler, int timeoutMs = 5000);

    // The window whose controls control() looks up by name; the fixture sets it once it has made
    // the window.
    void setControlWindow(const QWidget *window) { m_controlWindow = window; }
    // The control of that window named `name`, as a T; fails the test when there is none.
    template <class T = QWidget> T *control(const QString &name) const
    {
        T *found = m_controlWindow ? m_controlWindow->findChild<T *>(name) : nullptr;
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

private:
    std::vector<std::unique_ptr<ModalWatch>> m_watches;
    const QWidget *m_controlWindow = nullptr;
};

} // namespace support
