#pragma once

#include "app/language/Language.h"
#include "core/SetUp.h"
#include "core/ToneGenerator.h"
#include "core/StartChecks.h"
#include "core/StepOperations.h"
#include "core/TraceStyle.h"

#include <QLocale>
#include <QStringList>

#include <vector>

namespace vlnokres {

// The readouts as they are written beside the upper diagram, in the window and in pictures:
// the sum's amplitude and phase (for |f| = 1; "neurčen" where the sum all but vanishes), its
// envelope where it beats, or else the range it covers; then the three waves' values at the
// step shown. Czech notation, as the words around the numbers are Czech, a true
// minus sign, amplitudes to two decimals and angles to one. With the sum hidden, only the
// two waves' values are told.
QStringList readoutLines(const Parameters &parameters, int step, TimeAxis axis = {}, bool sumShown = true,
                         const QLocale &locale = textLocale());

// The cursors' values on the time graph, from the waves' formulas: for each on the graph's
// span "A: t = 0,62 T₁   y₁ = 0,71   y₂ = −0,20   y = 0,51" (the sum left out while it is
// hidden), and for two the time between them, "Δt = 0,25 T₁ (90,0°)", and what a lab measures
// of it, its reciprocal as a frequency relative to the first wave's and in hertz at the sound's
// base tone: "1/Δt = 4 f₁ = 880 Hz při 220 Hz".
QStringList cursorValueLines(const Parameters &parameters, const std::vector<double> &cursors, TimeAxis axis = {},
                             bool sumShown = true, double baseTone = sound::kDefaultBaseTone,
                             const QLocale &locale = textLocale());

// What shows over a run's picture at a step, as the set-up looks at it (on the set-up's time
// axis, the run's own): the readouts where they are on, the labels and the cursors where they
// are chosen, and the cursors' values; no caption.
struct PictureText;
PictureText overlayText(const Parameters &parameters, int step, const SetUp &view);

// The picture in words, for screen readers: the run's values, the sum as the readouts give it,
// and the step shown ("Amplituda 0,5, kmitočet 1, fázový posun 90°. Součet: amplituda 1,12,
// fázový posun 26,5°. Krok 1300 z 1300."), and the time graph's span where it is not the
// designed one; step 0 while the run goes on, and no parameters before any run, which is told
// what to do to get one. A hidden sum is only said to be hidden, so that it can be predicted.
QString pictureDescription(const Parameters *parameters, int step, bool paused, TimeAxis axis = {},
                           bool sumShown = true);

} // namespace vlnokres
