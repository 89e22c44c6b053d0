#include "Clock.h"

#include <thread>

namespace vlnokres {

SteadyClock::time_point SteadyClock::now() { return std::chrono::steady_clock::now(); }

void SteadyClock::sleepUntil(time_point when) { std::this_thread::sleep_until(when); }

} // namespace vlnokres
