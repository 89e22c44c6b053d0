#pragma once

#include "core/StartChecks.h"
#include "core/StepOperations.h"

#include <QLocale>
#include <QStringList>

namespace vlnokres {

// The readouts as they are written beside the upper diagram, in the window and in pictures:
// the sum's amplitude and phase (for |f| = 1; "neurčen" where the sum all but vanishes), its
// envelope where it beats, or else the range it covers; then the three waves' values at the
// step shown. Czech notation, as the words around the numbers are Czech, a true
// minus sign, amplitudes to two decimals and angles to one.
QStringList readoutLines(const Parameters &parameters, int step, TimeAxis axis = {},
                         const QLocale &locale = QLocale(QLocale::Czech, QLocale::Czechia));

// The picture in words, for screen readers: the run's values, the sum as the readouts give it,
// and the step shown ("Amplituda 0,5, kmitočet 1, fázový posun 90°. Součet: amplituda 1,12,
// fázový posun 26,5°. Krok 1300 z 1300."), and the time graph's span where it is not the
// designed one; step 0 while the run goes on, and no parameters before any run, which is told
// what to do to get one.
QString pictureDescription(const Parameters *parameters, int step, bool paused, TimeAxis axis = {});

} // namespace vlnokres
