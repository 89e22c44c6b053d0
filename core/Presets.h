#pragma once

#include "Named.h"

#include <array>
#include <string_view>

namespace vlnokres {

// Ready examples of the second sinusoid that a teacher starts from: what the menu calls them,
// the name the command line takes, the three values they fill the boxes with, and the time
// graph's span in periods that shows what they name. The beats' two show two whole beats: at
// 1,1 a beat lasts ten periods; at 1,02 fifty, and at the 220 Hz tone 4,4 of them are heard
// a second.
struct Preset {
    const char *title; // UTF-8
    const char *name;
    double amplitude;
    double frequency;
    double phaseDegrees;
    int periods = 2;
};

inline constexpr std::array<Preset, 7> kPresets{{
    {"Stejná fáze", "stejna-faze", 1, 1, 0},
    {"Opačná fáze", "opacna-faze", 1, 1, 180},
    {"Posun o čtvrt periody", "ctvrt-periody", 1, 1, 90},
    {"Zázněje", "zazneje", 1, 1.1, 0, 20},
    {"Slyšitelné zázněje", "zazneje-slysitelne", 1, 1.02, 0, 100},
    {"Druhá harmonická", "druha-harmonicka", 0.5, 2, 0},
    {"Začátek obdélníkového průběhu", "obdelnik", 0.333, 3, 0},
}};

// The example of that name, or none.
constexpr const Preset *presetNamed(std::string_view name) { return entryNamed(kPresets, name); }

} // namespace vlnokres
