#pragma once

#include "app/language/Language.h"
#include "core/Ink.h"
#include "core/ToneGenerator.h"

#include <optional>
#include <vector>

namespace vlnokres {

// What the window is told before it shows: values for the boxes and the pace (the rest keep
// their start-up values), the sound, and whether to press "Start" as soon as it shows.
struct WindowOptions {
    std::optional<double> amplitude;
    std::optional<double> frequency;
    std::optional<double> phaseDegrees;
    std::optional<int> slowdown;
    std::optional<sound::Voice> sound; // on with this voice; off where none is given
    std::optional<double> baseTone;
    bool readouts = false;
    std::optional<Colours> colours;
    std::optional<int> periods; // the time graph's span
    bool hideSum = false;
    bool labels = false;
    std::vector<double> cursors; // in periods of the first wave
    std::optional<Language> language; // for this session only
    bool start = false;
};

} // namespace vlnokres
