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
    bool perpendicular = false; // at right angles: a figure in the x–y plane
};

inline constexpr std::array<Preset, 12> kPresets{{
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Stejná fáze"), "stejna-faze", 1, 1, 0},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Opačná fáze"), "opacna-faze", 1, 1, 180},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Posun o čtvrt periody"), "ctvrt-periody", 1, 1, 90},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Zázněje"), "zazneje", 1, 1.1, 0, 20},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Slyšitelné zázněje"), "zazneje-slysitelne", 1, 1.02, 0, 100},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Druhá harmonická"), "druha-harmonicka", 0.5, 2, 0},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Začátek obdélníkového průběhu"), "obdelnik", 0.333, 3, 0},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Kružnice"), "kruznice", 1, 1, 90, 2, true},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Úsečka"), "usecka", 1, 1, 0, 2, true},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Elipsa"), "elipsa", 0.5, 1, 45, 2, true},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Poměr 1 : 2"), "pomer-1-2", 1, 2, 0, 2, true},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Poměr 2 : 3"), "pomer-2-3", 1, 1.5, 90, 2, true},
}};

// The example of that name, or none.
constexpr const Preset *presetNamed(std::string_view name) { return entryNamed(kPresets, name); }

} // namespace vlnokres
