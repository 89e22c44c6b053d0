#pragma once

#include "core/Ink.h"
#include "core/ToneGenerator.h"

#include <QString>

#include <optional>
#include <vector>

namespace vlnokres {

// What the window holds that a command line can give again: the boxes' texts, the slowdown
// and the sound.
struct SetUp {
    QString amplitude, frequency, phase;
    int slowdown = 1;
    std::optional<sound::Voice> voice;
    double baseTone = sound::kDefaultBaseTone;
    bool readouts = false;
    Colours colours = Colours::Standard;
    int periods = 2; // the time graph's span
    bool sumHidden = false;
    bool labels = false;
    std::vector<double> cursors;
};

// The command line that opens the same set-up, as a shell takes it ("vlnokres --amplitude 0,8
// --frequency 3 --phase 45 --slowdown 2"): values as the boxes show them, what is as at
// start-up left out, and any text a shell would read otherwise quoted; --values where the
// readouts are on, --colours colour-blind where that palette is, --periods where the time
// graph is not the designed one, --hide-sum, --labels and --cursors A:B where those are chosen.
QString commandFor(const SetUp &setUp);

} // namespace vlnokres
