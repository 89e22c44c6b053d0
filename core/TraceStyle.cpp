#include "TraceStyle.h"

#include "SceneGeometry.h"
#include "StepOperations.h"

#include <cmath>

namespace vlnokres {
namespace {

constexpr double kPrintedSumDotRadius = 0.9; // about four pixels across at pen 2, against three
// The second wave's dashes along the time graph: dots for the first 5 of every 10 pixels, so
// that a gap stays open between dots 2,6 pixels across.
constexpr double kDashPeriod = 10;
constexpr double kDashLength = 5;

bool isDot(const Circle &circle) { return circle.radius == kDotRadius; }

// The second vector of the lower diagram starts at the first's tip, and its tip traces the sum.
bool isLowerSecondVector(const Line &line)
{
    const bool second = line.ink == Ink::Red || line.ink == Ink::LightYellow;
    const bool projection = line.from.x == scene::kSecondTickLeft; // at right angles: tells no sum
    return second && !projection && !(line.from.x == scene::kSecondOriginX && line.from.y == scene::kUpperY);
}

} // namespace

std::optional<Circle> dotAsPainted(const Circle &circle, const Look &look)
{
    if (!isDot(circle))
        return circle;
    if (circle.ink == Ink::Foreground && look.sumHidden)
        return std::nullopt;
    if (look.colours != Colours::Print)
        return circle;
    if (circle.ink == Ink::Foreground)
        return Circle{circle.centre, kPrintedSumDotRadius, circle.ink};
    if (circle.ink == Ink::Red) {
        const double along = circle.centre.x - scene::kGraphOriginX;
        if (!std::isfinite(along) || along - kDashPeriod * std::floor(along / kDashPeriod) >= kDashLength)
            return std::nullopt;
    }
    return circle;
}

bool isPainted(const Line &line, const Look &look)
{
    return !(look.sumHidden && (line.ink == Ink::MidGrey || isLowerSecondVector(line)));
}

} // namespace vlnokres
