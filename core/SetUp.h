#pragma once

#include "Ink.h"
#include "StartUpValues.h"
#include "StepOperations.h"
#include "ToneGenerator.h"
#include "TraceStyle.h"

#include <optional>
#include <vector>

namespace vlnokres {

// The second sinusoid's three values as numbers, relative to the first, before the Start
// command checks them.
struct SecondValues {
    double amplitude = startup::kAmplitude;
    double frequency = startup::kFrequency;
    double phaseDegrees = startup::kPhaseDegrees;
    bool operator==(const SecondValues &) const = default;
};

// The whole set-up of a scene, as a teacher prepares it and the program shows it: the second
// sinusoid's values and the pace, the time graph's span, how the scene is looked at (its
// palette, the sum hidden to be predicted, the labels, the readouts and the cursors), and what
// is heard of it. The copied command, the settings file and a lesson's scene are this, written
// down; a run takes its values, pace and span when it starts.
struct SetUp {
    SecondValues values;
    int slowdown = startup::kSlowdown;
    TimeAxis axis;
    Colours colours = Colours::Standard;
    bool sumHidden = false;
    bool labels = false;
    bool readouts = false;
    bool perpendicular = false; // the second at right angles to the first: Lissajous figures
    bool largeText = false; // the words twice as large, for the back of a room; never a lesson's
    std::vector<double> cursors; // A and B, in periods of the first wave
    std::optional<sound::Voice> voice; // none: the sound is off
    double baseTone = sound::kDefaultBaseTone;

    Look look() const { return {colours, sumHidden}; }
    int textScale() const { return largeText ? 2 : 1; }
    bool operator==(const SetUp &) const = default;
};

} // namespace vlnokres
