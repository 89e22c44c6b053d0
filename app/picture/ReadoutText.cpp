#include "ReadoutText.h"

#include "PictureExport.h"
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

// The sum as a sinusoid, or its envelope with its period in the unit given.
QString sumLine(const Parameters &parameters, const QLocale &locale, const QString &periodUnit)
{
    if (const auto sum = readouts::sumSinusoid(parameters))
        return QStringLiteral("Součet: amplituda %1, fázový posun %2°")
            .arg(decimals(sum->amplitude, 2, locale), decimals(sum->phaseDegrees, 1, locale));
    const readouts::Envelope e = readouts::envelope(parameters);
    return QStringLiteral("Obálka součtu: %1 až %2, perioda %3 %4")
        .arg(decimals(e.least, 2, locale), decimals(e.most, 2, locale), decimals(e.periodInFirstPeriods, 1, locale),
             periodUnit);
}

} // namespace

QString pictureDescription(const Parameters *parameters, int step, bool paused)
{
    if (!parameters)
        return QStringLiteral("Zatím prázdná: hodnoty druhé sinusoidy se zadají do polí a animaci spustí tlačítko Start.");
    const QLocale czech(QLocale::Czech, QLocale::Czechia);
    const Parameters &p = *parameters;
    const QString values = QStringLiteral("Amplituda %1, kmitočet %2, fázový posun %3°.")
                               .arg(pictureNumber(p.amplitude, czech), pictureNumber(p.frequency, czech),
                                    pictureNumber(p.phaseDegrees, czech));
    const QString sum = sumLine(p, czech, QStringLiteral("period první sinusoidy"));
    if (step == 0)
        return QStringLiteral("%1 %2. Animace běží.").arg(values, sum);
    return QStringLiteral("%1 %2. Krok %3 z %4%5.")
        .arg(values, sum, QString::number(step), QString::number(kSteps),
             paused ? QStringLiteral(", pozastaveno") : QString());
}

QStringList readoutLines(const Parameters &parameters, int step, const QLocale &locale)
{
    const readouts::Values v = readouts::valuesAt(parameters, step);
    return {sumLine(parameters, locale, QStringLiteral("T₁")), QStringLiteral("y₁ = %1   y₂ = %2   y = %3")
                       .arg(decimals(v.first, 2, locale), decimals(v.second, 2, locale), decimals(v.sum, 2, locale))};
}

} // namespace vlnokres
