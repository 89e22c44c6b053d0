#include "StepOperations.h"

#include "SceneGeometry.h"

#include <cmath>
#include <numbers>

namespace vlnokres {
namespace {

Point operator+(Point origin, Arrow v) { return {origin.x + v.dx, origin.y + v.dy}; }

// How far the second vector has turned at step t: t · f / 100, in that order, while t · f is a
// double. For a frequency so large that it is not (above about 1e305), the turn per step is
// first reduced by whole turns; since t is whole, the angle's place on the circle is the same,
// and the arithmetic stays finite for every frequency a double holds.
double secondTurn(double frequency, int t)
{
    const double product = t * frequency;
    if (std::isfinite(product))
        return product / kStepsPerRadian;
    return t * std::fmod(frequency / kStepsPerRadian, 2 * std::numbers::pi);
}

} // namespace

// Every trace advances kPixelsPerRadian / kStepsPerRadian pixels a step on the designed graph,
// and a longer graph's steps as many times less. The second wave's x is often written
// b · (31.4 / f); it is the same number for every f but 0, where that form divides by zero, so
// all three traces use this one and share their x exactly. (Times two, divided by two, the
// designed graph's x stay exactly as they were.)
double traceX(int t, TimeAxis axis)
{
    return scene::kGraphOriginX + kPixelsPerRadian * (t / kStepsPerRadian) * 2 / axis.periods;
}

// Each vector is computed once a step and drawn from both diagrams' origins.
Arrow arrowAt(double length, double angle) { return {length * std::cos(angle), -length * std::sin(angle)}; }

double secondAngle(const SecondSinusoid &second, int t)
{
    return second.phaseDegrees * kRadiansPerDegree + secondTurn(second.frequency, t);
}

VectorsAt vectorsAt(const SecondSinusoid &second, int t)
{
    return {arrowAt(scene::kFirstLength, t / kStepsPerRadian), arrowAt(second.length, secondAngle(second, t))};
}

namespace {

// The first wave's height taken along x, the second's along y.
Point figurePoint(const VectorsAt &v) { return {scene::kFirstOriginX - v.first.dy, scene::kLowerY + v.second.dy}; }
Line firstTick(const VectorsAt &v, Ink ink)
{
    const double x = figurePoint(v).x;
    return {{x, scene::kFirstTickTop}, {x, scene::kFirstTickBottom}, ink};
}
Line secondTick(const VectorsAt &v, Ink ink)
{
    const double y = figurePoint(v).y;
    return {{scene::kSecondTickLeft, y}, {scene::kSecondTickRight, y}, ink};
}

} // namespace

void appendStepOps(DrawOps &ops, const VectorsAt &before, const VectorsAt &now, double x, bool withCurrent,
                   bool perpendicular)
{
    using namespace scene;
    const Point upperFirst{kFirstOriginX, kUpperY};
    const Point upperSecond{kSecondOriginX, kUpperY};
    const Point lowerFirst{kFirstOriginX, kLowerY};
    const Point tipBefore = lowerFirst + before.first;
    const Point tip = lowerFirst + now.first;

    // The waves' heights are the vectors' heights above their origins.
    ops.push_back(Line{upperFirst, upperFirst + before.first, Ink::White});
    if (withCurrent)
        ops.push_back(Line{upperFirst, upperFirst + now.first, Ink::Green});
    ops.push_back(Circle{{x, kLowerY + now.first.dy}, kDotRadius, Ink::Green});
    ops.push_back(Line{upperSecond, upperSecond + before.second, Ink::LightYellow});
    if (withCurrent)
        ops.push_back(Line{upperSecond, upperSecond + now.second, Ink::Red});
    ops.push_back(Circle{{x, kLowerY + now.second.dy}, kDotRadius, Ink::Red});
    if (perpendicular) {
        ops.push_back(firstTick(before, Ink::BackgroundGrey));
        if (withCurrent)
            ops.push_back(firstTick(now, Ink::Green));
        ops.push_back(secondTick(before, Ink::BackgroundGrey));
        if (withCurrent)
            ops.push_back(secondTick(now, Ink::Red));
        ops.push_back(Circle{figurePoint(now), kDotRadius, Ink::Foreground});
        return;
    }
    ops.push_back(Line{lowerFirst, tipBefore, Ink::White});
    if (withCurrent)
        ops.push_back(Line{lowerFirst, tip, Ink::Green});
    ops.push_back(Line{tipBefore, tipBefore + before.second, Ink::LightYellow});
    if (withCurrent)
        ops.push_back(Line{tip, tip + now.second, Ink::Red});
    ops.push_back(Circle{{x, kLowerY + now.first.dy + now.second.dy}, kDotRadius, Ink::Foreground});
}

DrawOps stepOps(const SecondSinusoid &second, int t, TimeAxis axis)
{
    DrawOps ops;
    ops.reserve(kOpsPerStep);
    appendStepOps(ops, vectorsAt(second, t - 1), vectorsAt(second, t), traceX(t, axis), true, second.perpendicular);
    return ops;
}

DrawOps finishingOps() { return {PenWidth{1}, scene::kUpperAxis, scene::kLowerAxis}; }

} // namespace vlnokres
