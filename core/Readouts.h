#pragma once

#include "DrawOp.h"
#include "StartChecks.h"

#include <optional>

namespace vlnokres::readouts {

// For frequency 1 the sum is again a sinusoid: its amplitude (the first's is 1) and its phase
// in the degrees the phase box uses (the drawing's own conversion), within ±180.
struct SumSinusoid {
    double amplitude;
    double phaseDegrees;
};
std::optional<SumSinusoid> sumSinusoid(const Parameters &parameters);

// Otherwise the sum swells and fades between the least and the most of its envelope, once in
// every 1/|f − 1| periods of the first sinusoid.
struct Envelope {
    double least;
    double most;
    double periodInFirstPeriods;
};
Envelope envelope(const Parameters &parameters);

// The three waves' heights at step t, in units of the first amplitude, as the run draws them.
struct Values {
    double first;
    double second;
    double sum;
};
Values valuesAt(const Parameters &parameters, int step);

// The envelope on the time graph: two dashed mid-grey curves 50 · E(a) above and below the
// zero line, drawn with the scene's set-up so that the run draws over them.
DrawOps envelopeOps(const Parameters &parameters);

} // namespace vlnokres::readouts
