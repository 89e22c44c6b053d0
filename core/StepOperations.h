#pragma once

#include "DrawOp.h"

#include <cstddef>

namespace vlnokres {

// The second sinusoid as the run draws it; the first is fixed at length kFirstLength,
// frequency 1 and phase 0.
struct SecondSinusoid {
    double length = 0;       // R2, pixels
    double frequency = 1;    // relative to the first
    double phaseDegrees = 0;
    bool perpendicular = false; // at right angles to the first: the lower diagram is the x–y plane
};

inline constexpr int kSteps = 1300;
inline constexpr double kStepsPerRadian = 100;

// The time graph's span, in periods of the first wave. The designed graph holds two in kSteps
// steps; a longer one holds as many times more steps in the same width, each turning the
// vectors as a designed step does, so that the run lasts as many times longer at its pace.
struct TimeAxis {
    int periods = 2;
    constexpr int steps() const { return kSteps / 2 * periods; }
    // Page Up and Page Down move a twenty-sixth of the run: 50 steps on the designed graph.
    constexpr int pageSteps() const { return steps() / 26; }
    bool operator==(const TimeAxis &) const = default;
};
// The spans offered, the designed one first.
inline constexpr int kAxisPeriods[] = {2, 20, 100};
constexpr bool isOfferedAxis(int periods)
{
    for (int offered : kAxisPeriods)
        if (periods == offered)
            return true;
    return false;
}
// Not π/180 and not 10π: the classroom pictures were drawn with these rounded factors, and a
// phase of 180 leaving a sum within half a pixel of zero, rather than exactly zero, is theirs.
inline constexpr double kRadiansPerDegree = 0.0175;
inline constexpr double kPixelsPerRadian = 31.4;
inline constexpr double kDotRadius = 0.3;

// Step t (1 … axis.steps()): each vector is drawn over its previous position in white or
// light yellow and then at its new angle, in the upper diagram side by side and in the lower
// one tip to tail, and the three dots of the time graph are added. Pen width 2 is already set.
// At right angles the lower diagram's vectors give way to the projections' ticks, each drawn
// over its previous place in the band's grey and then at the new one, and the sum's dot to
// the figure's: a step has as many operations, in the same places, either way.
DrawOps stepOps(const SecondSinusoid &second, int t, TimeAxis axis = {});

// The time graph's x of step t's dots.
double traceX(int t, TimeAxis axis = {});
inline constexpr std::size_t kOpsPerStep = 11; // the operations stepOps gives

// A vector of the given length at the given angle, as an offset on screen, where y grows
// downward.
struct Arrow {
    double dx;
    double dy;
};
Arrow arrowAt(double length, double angle);

// The second vector's angle at step t, in radians.
double secondAngle(const SecondSinusoid &second, int t);

// Both vectors at step t, as offsets from their origins: what a step draws is had from these at
// the step before and at it.
struct VectorsAt {
    Arrow first;
    Arrow second;
};
VectorsAt vectorsAt(const SecondSinusoid &second, int t);
// Step t's operations, from the vectors at the step before and at it, appended to ops; without
// its current vectors (withCurrent false), which the next step's erasing lines are drawn over,
// the very same lines with the same pen, there are kOpsPerStep − 4 of them.
void appendStepOps(DrawOps &ops, const VectorsAt &before, const VectorsAt &now, double x, bool withCurrent,
                   bool perpendicular = false);

// After the last step the two horizontal axes, which the swept discs have covered, come back.
DrawOps finishingOps();

} // namespace vlnokres
