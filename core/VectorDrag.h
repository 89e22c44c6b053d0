#pragma once

#include "DrawOp.h"

#include <optional>

namespace vlnokres::drag {

// The second vector taken by its tip: in the upper diagram it turns about its own centre, in
// the lower one about the tip of the first vector. Points are the scene's pixels.
enum class Diagram { Upper, Lower };

// A tip can be taken within this many designed pixels of it, at every zoom; by a finger or a
// whiteboard's pen, which cover far more than a pointer's hot spot, within three times that.
inline constexpr double kGrabRadius = 8;
inline constexpr double kTouchGrabRadius = 24;

// Where the second vector starts and ends in the diagram at the step shown.
Point secondOrigin(Diagram diagram, int step);
Point secondTip(Diagram diagram, double amplitude, double frequency, double phaseDegrees, int step);

// The diagram whose tip lies under the pointer, the nearer where both do; none elsewhere.
std::optional<Diagram> grabbed(Point pointer, double amplitude, double frequency, double phaseDegrees, int step,
                               double radius = kGrabRadius);

// The values that put the tip under the pointer at the step shown: the amplitude as the
// vector's length in first amplitudes, to two decimals and at most the limit; the phase in
// the phase box's whole degrees, from −180 to 180. Coarse (Ctrl held): tenths and 15°. With
// an amplitude kept (Shift held), the vector only turns, and the phase snaps to the nearest
// 15° within kSnap of it, so that 0°, 90° and 180° are easy to hit by hand.
struct Values {
    double amplitude;
    double phaseDegrees;
};
inline constexpr double kSnapDegrees = 3;
Values valuesFor(Diagram diagram, Point pointer, double frequency, int step, bool coarse,
                 std::optional<double> keptAmplitude = std::nullopt);

} // namespace vlnokres::drag
