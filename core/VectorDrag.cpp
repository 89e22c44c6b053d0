#include "VectorDrag.h"

#include "SceneGeometry.h"
#include "StartChecks.h"
#include "StepOperations.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vlnokres::drag {
namespace {

double distance(Point a, Point b) { return std::hypot(a.x - b.x, a.y - b.y); }

// To the nearest of so many parts of one, as the double nearest that decimal: 0,83 is 83 / 100,
// not 83 × 0,01 (0,8300000000000001).
double roundedTo(double value, double parts) { return std::round(value * parts) / parts; }

} // namespace

Point secondOrigin(Diagram diagram, int step)
{
    using namespace scene;
    if (diagram == Diagram::Upper)
        return {kSecondOriginX, kUpperY};
    const Arrow first = arrowAt(kFirstLength, step / kStepsPerRadian);
    return {kFirstOriginX + first.dx, kLowerY + first.dy};
}

Point secondTip(Diagram diagram, double amplitude, double frequency, double phaseDegrees, int step)
{
    const SecondSinusoid second{scene::secondLength(amplitude), frequency, phaseDegrees};
    const Arrow arrow = arrowAt(second.length, secondAngle(second, step));
    const Point origin = secondOrigin(diagram, step);
    return {origin.x + arrow.dx, origin.y + arrow.dy};
}

std::optional<Diagram> grabbed(Point pointer, double amplitude, double frequency, double phaseDegrees, int step,
                               double radius)
{
    std::optional<Diagram> nearest;
    double best = radius;
    for (Diagram diagram : {Diagram::Upper, Diagram::Lower}) {
        const double d = distance(pointer, secondTip(diagram, amplitude, frequency, phaseDegrees, step));
        if (d <= best) {
            best = d;
            nearest = diagram;
        }
    }
    return nearest;
}

Values valuesFor(Diagram diagram, Point pointer, double frequency, int step, bool coarse,
                 std::optional<double> keptAmplitude)
{
    const Point origin = secondOrigin(diagram, step);
    const double length = distance(pointer, origin) / scene::kFirstLength;
    const double amplitude = keptAmplitude.value_or(std::min(roundedTo(length, coarse ? 10 : 100), kAmplitudeLimit));
    // The angle on screen, where y grows downward, less what the vector has turned by the step.
    const double angle = std::atan2(origin.y - pointer.y, pointer.x - origin.x);
    const double turned = secondAngle({0, frequency, 0}, step);
    const double phase = std::remainder(angle - turned, 2 * std::numbers::pi) / kRadiansPerDegree;
    const double nearest15 = 15 * std::round(phase / 15);
    const bool snapped = coarse || (keptAmplitude && std::abs(phase - nearest15) <= kSnapDegrees);
    return {amplitude, std::clamp(snapped ? nearest15 : std::round(phase), -180.0, 180.0)};
}

} // namespace vlnokres::drag
