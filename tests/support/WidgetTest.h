#pragma once

#include "support/ProgramGlobals.h"

#include <functional>
#include <memory>
#include <vector>

class QWidget;

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

private:
    std::vector<std::unique_ptr<ModalWatch>> m_watches;
};

} // namespace support
