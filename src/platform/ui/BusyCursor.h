#pragma once

namespace ui {

// Shows the wait cursor over the whole application while it lives; the cursor shown before
// comes back when it goes, even when an exception leaves the scope. Nests.
// Does nothing when no QGuiApplication exists.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;

private:
    bool m_active;
};

} // namespace ui
