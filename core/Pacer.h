#pragma once

#include <chrono>

namespace vlnokres {

// Paces a run between its steps. The run draws a step and then waits until that step's
// deadline, counted from the start of the run, so that drawing time and timer slack do not
// add up over the steps.
class Pacer
{
public:
    virtual ~Pacer() = default;

    virtual void start() = 0;
    // Returns false when the run must stop: its window has been closed, or it was stopped.
    virtual bool waitUntil(std::chrono::nanoseconds sinceStart) = 0;
    // Puts the last drawing on screen before the run returns.
    virtual void finish() = 0;

    // A paused run's clock stands still until it is resumed; a stopped run ends at its next
    // wait. Only a run in progress can be paused or stopped.
    virtual void setPaused(bool) {}
    virtual bool isPaused() const { return false; }
    virtual void stop() {}
    virtual bool isStopped() const { return false; }
    // Moves the run's clock: later deadlines come by that much later (earlier, if negative).
    virtual void shift(std::chrono::nanoseconds) {}
};

} // namespace vlnokres
