#include "Pace.h"

#include <algorithm>
#include <cmath>

namespace vlnokres {

long long pauseUnits(double slowdown)
{
    if (!(slowdown >= 1))
        return 0;
    const double s = std::min(slowdown, double(kSlowest));
    return static_cast<long long>(std::floor(s)) * static_cast<long long>(std::floor(500 * s));
}

std::chrono::nanoseconds pausePerStep(double slowdown) { return pauseUnits(slowdown) * kPauseUnit; }

} // namespace vlnokres
