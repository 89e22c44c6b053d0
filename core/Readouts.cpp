#include "Readouts.h"

#include "SceneGeometry.h"
#include "StepOperations.h"

#include <cmath>
#include <numbers>

namespace vlnokres::readouts {
namespace {

// |1 + A e^(ix)|, the sum's amplitude where the second vector leads the first by x; as a
// hypotenuse it cannot overflow for any amplitude a double holds.
double sumLength(double amplitude, double lead)
{
    return std::hypot(1 + amplitude * std::cos(lead), amplitude * std::sin(lead));
}

double phaseRadians(const Parameters &p) { return p.phaseDegrees * kRadiansPerDegree; }

// Dashes of three pixels with gaps of three, along the run's span of the time graph.
constexpr double kDashPixels = 3;

} // namespace

std::optional<SumSinusoid> sumSinusoid(const Parameters &p)
{
    if (p.frequency != 1)
        return std::nullopt;
    const double lead = std::remainder(phaseRadians(p), 2 * std::numbers::pi);
    const double angle = std::atan2(p.amplitude * std::sin(lead), 1 + p.amplitude * std::cos(lead));
    return SumSinusoid{sumLength(p.amplitude, lead), angle / kRadiansPerDegree};
}

Envelope envelope(const Parameters &p)
{
    const double a = std::abs(p.amplitude);
    return {std::abs(1 - a), 1 + a, 1 / std::abs(p.frequency - 1)};
}

Values valuesAt(const Parameters &p, int step)
{
    const double first = -arrowAt(1, step / kStepsPerRadian).dy;
    const double second = -arrowAt(p.amplitude, secondAngle({0, p.frequency, p.phaseDegrees}, step)).dy;
    return {first, second, first + second};
}

DrawOps envelopeOps(const Parameters &p)
{
    using namespace scene;
    DrawOps ops{PenWidth{1}};
    const double lastA = kSteps / kStepsPerRadian;
    auto heightAt = [&](double a) { return kFirstLength * sumLength(p.amplitude, (p.frequency - 1) * a + phaseRadians(p)); };
    for (double x = 0; x + kDashPixels <= lastA * kPixelsPerRadian; x += 2 * kDashPixels) {
        const double a0 = x / kPixelsPerRadian, a1 = (x + kDashPixels) / kPixelsPerRadian;
        for (double side : {-1.0, 1.0})
            ops.push_back(Line{{kGraphOriginX + x, kLowerY + side * heightAt(a0)},
                               {kGraphOriginX + x + kDashPixels, kLowerY + side * heightAt(a1)}, Ink::MidGrey});
    }
    ops.push_back(PenWidth{2});
    return ops;
}

} // namespace vlnokres::readouts
