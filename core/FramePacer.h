#pragma once

#include "Clock.h"
#include "Pacer.h"

namespace vlnokres {

// Waits by sleeping, never spinning, to absolute deadlines counted from the start of the run,
// so that drawing time and timer slack do not add up over the steps. About once a display
// frame it lets the window system in (repaints, exposures, the window manager's ping, a close
// request, the keys that pause or stop the run), so that the window stays alive through a run
// of any length. While paused the run's clock stands still: the time paused is added to every
// later deadline.
class FramePacer : public Pacer
{
public:
    static constexpr std::chrono::milliseconds kFrame{16};

    explicit FramePacer(Clock &clock) : m_clock(clock) {}

    void start() override;
    bool waitUntil(std::chrono::nanoseconds sinceStart) override;
    void finish() override;
    void setPaused(bool paused) override;
    bool isPaused() const override { return m_paused; }
    void stop() override { m_stopped = true; }
    bool isStopped() const override { return m_stopped; }
    void shift(std::chrono::nanoseconds by) override { m_start += by; }

protected:
    // Handles what the window system has sent; false when the run must stop (its window has
    // been closed).
    virtual bool serviceEvents() = 0;
    virtual void onStart() {}

private:
    bool service();

    Clock &m_clock;
    Clock::time_point m_start;
    Clock::time_point m_lastService;
    Clock::time_point m_pausedAt;
    bool m_paused = false;
    bool m_stopped = false;
};

} // namespace vlnokres
