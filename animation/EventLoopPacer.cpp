#include "EventLoopPacer.h"

#include <QCoreApplication>

#include <algorithm>
#include <thread>

namespace vlnokres {

void EventLoopPacer::start()
{
    m_start = Clock::now();
    m_lastService = m_start;
    m_wasShown = m_window && m_window->isVisible();
}

bool EventLoopPacer::waitUntil(std::chrono::nanoseconds sinceStart)
{
    const Clock::time_point deadline = m_start + sinceStart;
    for (;;) {
        const Clock::time_point now = Clock::now();
        if (now - m_lastService >= kFrame) {
            serviceEvents();
            if (windowClosed())
                return false;
        }
        if (now >= deadline)
            return true;
        std::this_thread::sleep_until(std::min(deadline, m_lastService + kFrame));
    }
}

void EventLoopPacer::finish() { serviceEvents(); }

void EventLoopPacer::serviceEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    m_lastService = Clock::now();
}

// A window that was never shown (as in tests) cannot be closed by its user.
bool EventLoopPacer::windowClosed() const { return !m_window || (m_wasShown && !m_window->isVisible()); }

} // namespace vlnokres
