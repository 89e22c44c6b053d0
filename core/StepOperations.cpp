#include "StepOperations.h"

#include "SceneGeometry.h"

#include <cmath>

namespace vlnokres {
namespace {

// A vector of the given length at the given angle, as an offset on screen, where y grows
// downward. Each is computed once a step and drawn from both diagrams' origins.
struct Arrow {
    double dx;
    double dy;
};

Arrow arrow(double length, double angle) { return {length * std::cos(angle), -length * std::sin(angle)}; }

Point operator+(Point origin, Arrow v) { return {origin.x + v.dx, origin.y + v.dy}; }

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
    const Arrow firstBefore = arrow(kFirstLength, aBefore);
    const Arrow first = arrow(kFirstLength, a);
    const Arrow secondBefore = arrow(second.length, thetaBefore);
    const Arrow secondNow = arrow(second.length, theta);

    const Point upperFirst{kFirstOriginX, kUpperY};
    const Point upperSecond{kSecondOriginX, kUpperY};
    const Point lowerFirst{kFirstOriginX, kLowerY};
    const Point tipBefore = lowerFirst + firstBefore;
    const Point tip = lowerFirst + first;
    const double x = traceX(t);

    // The waves' heights are the vectors' heights above their origins.
    return {
        Line{upperFirst, upperFirst + firstBefore, Ink::White},
        Line{upperFirst, upperFirst + first, Ink::Green},
        Circle{{x, kLowerY + first.dy}, kDotRadius, Ink::Green},
        Line{upperSecond, upperSecond + secondBefore, Ink::LightYellow},
        Line{upperSecond, upperSecond + secondNow, Ink::Red},
        Circle{{x, kLowerY + secondNow.dy}, kDotRadius, Ink::Red},
        Line{lowerFirst, tipBefore, Ink::White},
        Line{lowerFirst, tip, Ink::Green},
        Line{tipBefore, tipBefore + secondBefore, Ink::LightYellow},
        Line{tip, tip + secondNow, Ink::Red},
        Circle{{x, kLowerY + first.dy + secondNow.dy}, kDotRadius, Ink::Foreground},
    };
}

DrawOps finishingOps() { return {PenWidth{1}, scene::kUpperAxis, scene::kLowerAxis}; }

} // namespace vlnokres
