#pragma once

#include "StepOperations.h"

#include <optional>
#include <string>
#include <variant>

namespace vlnokres {

// What the three parameter boxes read as: nullopt where a box's text is not a number, and an
// infinity where it is a number too large for a double (1e309, a thousand nines).
struct BoxReadings {
    std::optional<double> amplitude;
    std::optional<double> frequency;
    std::optional<double> phaseDegrees;
};

// The second sinusoid, relative to the first, once every box has passed its check.
struct Parameters {
    double amplitude = 0;
    double frequency = 0;
    double phaseDegrees = 0;
    // A zero amplitude is run as kZeroAmplitudeStandIn, and the box is rewritten to say so.
    bool amplitudeReplaced = false;
    // The second oscillates at right angles to the first: the lower diagram traces the figure
    // of the point they move together instead of their sum.
    bool perpendicular = false;
};

enum class Refusal {
    AmplitudeNotNumber,
    AmplitudeAboveLimit,
    AmplitudeOutOfRange,
    FrequencyNotNumber,
    FrequencyOutOfRange,
    PhaseNotNumber,
    PhaseOutOfRange,
};

struct Message {
    std::string title; // UTF-8
    std::string text;  // UTF-8
};

inline constexpr double kAmplitudeLimit = 1.5;
inline constexpr double kZeroAmplitudeStandIn = 0.001;

// Every check comes before anything is drawn or written back, so a refused Start changes
// nothing: amplitude is a number, amplitude limit (which a number too large for a double
// exceeds too), then frequency and phase, each a number that a double holds. A negative
// amplitude so large that the second vector's length would overflow is out of range too: the
// step arithmetic stays finite for every value that passes.
std::variant<Parameters, Refusal> checkParameters(const BoxReadings &readings);

// What the user is told for each refusal: a title and one sentence, in Czech.
Message messageFor(Refusal refusal);

// The second sinusoid as the run draws it: its amplitude becomes the second vector's length.
SecondSinusoid secondSinusoidOf(const Parameters &parameters);

} // namespace vlnokres
