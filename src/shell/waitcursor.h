#pragma once

#include <QApplication>

namespace shell {

// The hourglass for the length of a step, also when the step fails;
// restore() gives the normal cursor back earlier (before a question).
class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { restore(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;

    void restore()
    {
        if (m_set)
            QApplication::restoreOverrideCursor();
        m_set = false;
    }
    // The hourglass again after restore().
    void show()
    {
        if (!m_set)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        m_set = true;
    }

private:
    bool m_set = true;
};

} // namespace shell
