#include "support/WidgetTest.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace support {

namespace {

constexpr int PollMs = 10;

void forceClose(QWidget *window)
{
    if (auto *dialog = qobject_cast<QDialog *>(window))
        dialog->done(QDialog::Rejected);
    else
        window->close();
}

} // namespace

// Polls for the next modal window from the event loop that the code under test runs. A watch
// set up after another one waits until the other one's window has closed.
class ModalWatch {
public:
    ModalWatch(std::function<void(QWidget *)> handler, int timeoutMs, const ModalWatch *after)
        : m_handler(std::move(handler))
        , m_timeoutMs(timeoutMs)
        , m_after(after)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start(PollMs);
    }

    bool finished() const { return !m_timer.isActive(); }

private:
    void poll()
    {
        if (m_after && !m_after->finished())
            return;
        if (!m_clock.isValid())
            m_clock.start();
        if (!m_found)
            lookForModal();
        else
            watchHandled();
    }

    void lookForModal()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            m_found = true;
            m_handled = modal;
            m_clock.restart();
            m_handler(modal);
        } else if (m_clock.elapsed() >= m_timeoutMs) {
            m_timer.stop();
            ADD_FAILURE() << "No modal window showed within " << m_timeoutMs << " ms";
        }
    }

    void watchHandled()
    {
        if (!m_handled || !m_handled->isVisible()) {
            m_timer.stop();
        } else if (m_clock.elapsed() >= m_timeoutMs) {
            m_timer.stop();
            ADD_FAILURE() << "The modal window was left open by the test's handler";
            forceClose(m_handled);
        }
    }

    std::function<void(QWidget *)> m_handler;
    int m_timeoutMs;
    const ModalWatch *m_after;
    QTimer m_timer;
    QElapsedTimer m_clock;
    bool m_found = false;
    QPointer<QWidget> m_handled;
};

WidgetTest::WidgetTest() = default;

WidgetTest::~WidgetTest()
{
    m_watches.clear();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            forceClose(window);
    }
    QApplication::processEvents();
}

void WidgetTest::onNextModal(std::function<void(QWidget *)> handler, int timeoutMs)
{
    const ModalWatch *after = m_watches.empty() ? nullptr : m_watches.back().get();
    m_watches.push_back(std::make_unique<ModalWatch>(std::move(handler), timeoutMs, after));
}

} // namespace support
