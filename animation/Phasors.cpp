#include "Phasors.h"

#include "SceneGeometry.h"

#include <cmath>

namespace vlnokres {
namespace {

// A vector of the given length at the given angle, y upward on screen.
Point tipOf(Point origin, double length, double angle)
{
    return {origin.x + length * std::cos(angle), origin.y - length * std::sin(angle)};
}

// Every trace advances kPixelsPerRadian / kStepsPerRadian pixels a step. The second wave's
// x is often written b · (31.4 / f); it is the same number for every f but 0, where that
// form divides by zero, so all three traces use this one and share their x exactly.
double traceX(int t) { return scene::kGraphOriginX + kPixelsPerRadian * (t / kStepsPerRadian); }

} // namespace

DrawOps stepOps(const SecondSinusoid &second, int t)
{
    using namespace scene;
    const double a = t / kStepsPerRadian;
    const double aBefore = (t - 1) / kStepsPerRadian;
    const double phase = second.phaseDegrees * kRadiansPerDegree;
    const double theta = phase + t * second.frequency / kStepsPerRadian;
    const double thetaBefore = phase + (t - 1) * second.frequency / kStepsPerRadian;
    const double y1 = kFirstLength * std::sin(a);
    const double y2 = second.length * std::sin(theta);

    const Point upperFirst{kFirstOriginX, kUpperY};
    const Point upperSecond{kSecondOriginX, kUpperY};
    const Point lowerFirst{kFirstOriginX, kLowerY};
    const Point tipBefore = tipOf(lowerFirst, kFirstLength, aBefore);
    const Point tip = tipOf(lowerFirst, kFirstLength, a);
    const double x = traceX(t);

    return {
        Line{upperFirst, tipOf(upperFirst, kFirstLength, aBefore), Ink::White},
        Line{upperFirst, tipOf(upperFirst, kFirstLength, a), Ink::Green},
        Circle{{x, kLowerY - y1}, kDotRadius, Ink::Green},
        Line{upperSecond, tipOf(upperSecond, second.length, thetaBefore), Ink::LightYellow},
        Line{upperSecond, tipOf(upperSecond, second.length, theta), Ink::Red},
        Circle{{x, kLowerY - y2}, kDotRadius, Ink::Red},
        Line{lowerFirst, tipBefore, Ink::White},
        Line{lowerFirst, tip, Ink::Green},
        Line{tipBefore, tipOf(tipBefore, second.length, thetaBefore), Ink::LightYellow},
        Line{tip, tipOf(tip, second.length, theta), Ink::Red},
        Circle{{x, kLowerY - y1 - y2}, kDotRadius, Ink::Foreground},
    };
}

DrawOps finishingOps() { return {PenWidth{1}, scene::kUpperAxis, scene::kLowerAxis}; }

} // namespace vlnokres
