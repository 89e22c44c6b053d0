#pragma once

#include "core/StartChecks.h"

#include <QLocale>
#include <QStringList>

namespace vlnokres {

// The readouts as they are written beside the upper diagram, in the window and in pictures:
// the sum's amplitude and phase (for frequency 1) or its envelope, then the three waves'
// values at the step shown. Czech notation, as the words around the numbers are Czech, a true
// minus sign, amplitudes to two decimals and angles to one.
QStringList readoutLines(const Parameters &parameters, int step,
                         const QLocale &locale = QLocale(QLocale::Czech, QLocale::Czechia));

} // namespace vlnokres
