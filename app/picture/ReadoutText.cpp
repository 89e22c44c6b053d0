#include "ReadoutText.h"

#include "core/Readouts.h"

#include <cmath>

namespace vlnokres {
namespace {

QString decimals(double value, int places, QLocale locale)
{
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    // Six digits and more would not fit the line; they are written as a power of ten.
    const bool huge = std::abs(value) >= 1e6;
    return locale.toString(value, huge ? 'g' : 'f', huge ? 3 : places).replace(u'-', u'\u2212');
}

} // namespace

QStringList readoutLines(const Parameters &parameters, int step, const QLocale &locale)
{
    QString first;
    if (const auto sum = readouts::sumSinusoid(parameters)) {
        first = QStringLiteral("Součet: amplituda %1, fázový posun %2°")
                    .arg(decimals(sum->amplitude, 2, locale), decimals(sum->phaseDegrees, 1, locale));
    } else {
        const readouts::Envelope e = readouts::envelope(parameters);
        first = QStringLiteral("Obálka součtu: %1 až %2, perioda %3 T₁")
                    .arg(decimals(e.least, 2, locale), decimals(e.most, 2, locale),
                         decimals(e.periodInFirstPeriods, 1, locale));
    }
    const readouts::Values v = readouts::valuesAt(parameters, step);
    return {first, QStringLiteral("y₁ = %1   y₂ = %2   y = %3")
                       .arg(decimals(v.first, 2, locale), decimals(v.second, 2, locale), decimals(v.sum, 2, locale))};
}

} // namespace vlnokres
