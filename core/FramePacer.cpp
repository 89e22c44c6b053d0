#include "FramePacer.h"

#include <algorithm>

namespace vlnokres {

void FramePacer::start()
{
    m_start = m_clock.now();
    m_lastService = m_start;
    m_paused = false;
    m_stopped = false;
    onStart();
}

bool FramePacer::waitUntil(std::chrono::nanoseconds sinceStart)
{
    for (;;) {
        const Clock::time_point now = m_clock.now();
        if (now - m_lastService >= kFrame && !service())
            return false;
        if (m_stopped)
            return false;
        const Clock::time_point nextService = m_lastService + kFrame;
        if (m_paused) {
            m_clock.sleepUntil(nextService);
            continue;
        }
        const Clock::time_point deadline = m_start + sinceStart;
        if (now >= deadline)
            return true;
        m_clock.sleepUntil(std::min(deadline, nextService));
    }
}

void FramePacer::finish() { service(); }

void FramePacer::setPaused(bool paused)
{
    if (paused == m_paused)
        return;
    m_paused = paused;
    if (paused)
        m_pausedAt = m_clock.now();
    else
        m_start += m_clock.now() - m_pausedAt;
}

bool FramePacer::service()
{
    const bool goOn = serviceEvents();
    m_lastService = m_clock.now();
    return goOn;
}

} // namespace vlnokres
