#include "BoxSteps.h"

#include "StartChecks.h"

#include <algorithm>
#include <cmath>

namespace vlnokres {
namespace {

constexpr double kMillionths = 1e6;

double stepOf(SteppedBox box, bool fine)
{
    if (box == SteppedBox::Phase)
        return fine ? 1 : 15;
    return fine ? 0.01 : 0.1;
}

} // namespace

double steppedValue(SteppedBox box, double value, int steps, bool fine)
{
    double stepped = value + steps * stepOf(box, fine);
    // Beyond a millionth's reach a double has no tenths to keep.
    if (std::abs(stepped) < 1e9)
        stepped = std::round(stepped * kMillionths) / kMillionths;
    if (box == SteppedBox::Amplitude && value <= kAmplitudeLimit)
        stepped = std::min(stepped, kAmplitudeLimit);
    return stepped;
}

} // namespace vlnokres
