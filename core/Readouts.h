#pragma once

#include "DrawOp.h"
#include "StartChecks.h"
#include "StepOperations.h"

#include <optional>

namespace vlnokres::readouts {

// For |f| = 1 the sum is again a sinusoid: its amplitude (the first's is 1) and its phase in
// the degrees the phase box uses (the drawing's own conversion), within ±180. A negative
// frequency draws the same wave as |f| with the phase mirrored (π − φ), and is read so.
struct SumSinusoid {
    double amplitude;
    double phaseDegrees;
};
std::optional<SumSinusoid> sumSinusoid(const Parameters &parameters);

// Where the sum beats, it swells and fades between the least and the most of its envelope,
// once in every 1/||f| − 1| periods of the first sinusoid. It beats where that period is at
// least twice the slower wave's: 2/3 ≤ |f| ≤ 3/2, |f| ≠ 1. Harmonics and far-apart waves
// have no envelope.
struct Envelope {
    double least;
    double most;
    double periodInFirstPeriods;
};
bool beats(const Parameters &parameters);
std::optional<Envelope> envelope(const Parameters &parameters);

// At right angles, the frequencies' ratio 1 : |f| as p : q of whole numbers in lowest terms,
// each at most 20, where |f| is within a thousandth of q / p: the figure then closes after p
// periods of the first wave. None where no such numbers are near: the figure never closes.
struct Ratio {
    int first;
    int second;
};
std::optional<Ratio> frequencyRatio(double frequency);
// At the ratio 1 : 1 the point traces a segment where the second is in phase or in opposite
// phase with the first (or does not swing), a circle where the two swing alike a quarter
// period apart, and an ellipse otherwise.
enum class Figure { Segment, Circle, Ellipse };
std::optional<Figure> figureAtRatioOne(const Parameters &parameters);

// Otherwise, what the sum covers on the graph: its least and its most over the run's steps.
struct Range {
    double least;
    double most;
};
Range range(const Parameters &parameters, TimeAxis axis = {});

// The three waves' heights at step t, in units of the first amplitude, as the run draws them.
struct Values {
    double first;
    double second;
    double sum;
};
Values valuesAt(const Parameters &parameters, int step);

// The envelope on the time graph: two dashed mid-grey curves 50 · E(a) above and below the
// zero line, drawn with the scene's set-up so that the run draws over them; none where the
// sum does not beat.
DrawOps envelopeOps(const Parameters &parameters, TimeAxis axis = {});

} // namespace vlnokres::readouts
