#pragma once

#include <chrono>

namespace vlnokres {

// The time a run is paced by. The real one sleeps; a test's moves on at once.
class Clock
{
public:
    using time_point = std::chrono::steady_clock::time_point;

    virtual ~Clock() = default;
    virtual time_point now() = 0;
    virtual void sleepUntil(time_point when) = 0;
};

class SteadyClock final : public Clock
{
public:
    time_point now() override;
    void sleepUntil(time_point when) override;
};

} // namespace vlnokres
