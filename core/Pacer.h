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
    // Returns false when the run must stop: its window has been closed.
    virtual bool waitUntil(std::chrono::nanoseconds sinceStart) = 0;
    // Puts the last drawing on screen before the run returns.
    virtual void finish() = 0;
};

} // namespace vlnokres
