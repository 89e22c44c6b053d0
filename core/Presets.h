#pragma once

#include "Named.h"
#include "Translatable.h"

#include <array>
#include <string_view>

namespace vlnokres {

// Ready examples of the second sinusoid that a teacher starts from: what the menu calls them,
// the name the command line takes, the three values they fill the boxes with, and the time
// graph's span in periods that shows what they name. The beats' two show two whole beats: at
// 1,1 a beat lasts ten periods; at 1,02 fifty, and at the 220 Hz tone 4,4 of them are heard
// a second.
struct Preset {
    const char *title; // the Czech source
    const char *name;
    double amplitude;
    double frequency;
    double phaseDegrees;
    int periods = 2;
};

inline constexpr std::array<Preset, 7> kPresets{{
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Stejná fáze"), "stejna-faze", 1, 1, 0},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Opačná fáze"), "opacna-faze", 1, 1, 180},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Posun o čtvrt periody"), "ctvrt-periody", 1, 1, 90},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Zázněje"), "zazneje", 1, 1.1, 0, 20},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Slyšitelné zázněje"), "zazneje-slysitelne", 1, 1.02, 0, 100},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Druhá harmonická"), "druha-harmonicka", 0.5, 2, 0},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Začátek obdélníkového průběhu"), "obdelnik", 0.333, 3, 0},
}};

// The example of that name, or none.
constexpr const Preset *presetNamed(std::string_view name) { return entryNamed(kPresets, name); }

} // namespace vlnokres
