#include "FramePacer.h"

#include <algorithm>

namespace vlnokres {

void FramePacer::start()
{
    m_start = m_clock.now();
    m_lastService = m_start;
    onStart();
}

bool FramePacer::waitUntil(std::chrono::nanoseconds sinceStart)
{
    const Clock::time_point deadline = m_start + sinceStart;
    for (;;) {
        const Clock::time_point now = m_clock.now();
        if (now - m_lastService >= kFrame && !service())
            return false;
        if (now >= deadline)
            return true;
        m_clock.sleepUntil(std::min(deadline, m_lastService + kFrame));
    }
}

void FramePacer::finish() { service(); }

bool FramePacer::service()
{
    const bool goOn = serviceEvents();
    m_lastService = m_clock.now();
    return goOn;
}

} // namespace vlnokres
