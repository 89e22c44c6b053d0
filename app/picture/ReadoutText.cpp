#include "ReadoutText.h"

#include "PictureExport.h"
#include "PictureShapes.h"
#include "app/language/Language.h"
#include "core/LessonMarks.h"
#include "core/Readouts.h"

#include <algorithm>
#include <cmath>

namespace vlnokres {
namespace {

QString decimals(double value, int places, QLocale locale)
{
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    // Six digits and more would not fit the line; they are written as a power of ten.
    const bool huge = std::abs(value) >= 1e6;
    // A value that rounds to nothing has no sign: "0,00", not "−0,00".
    if (!huge && std::abs(value) * std::pow(10, places) < 0.5)
        value = 0;
    return locale.toString(value, huge ? 'g' : 'f', huge ? 3 : places).replace(u'-', u'\u2212');
}

// A period to three significant digits, never as a power of ten; one that no lesson waits
// for is only said to be long.
constexpr double kLongestPeriod = 10000;
QString periodText(double period, const QLocale &locale, const QString &unit)
{
    if (period > kLongestPeriod)
        return Texts::tr("delší než 10 000 %1").arg(unit);
    int places = std::max(0, 2 - int(std::floor(std::log10(period))));
    // 9,996 rounds to 10,0, not 10,00.
    if (places > 0 && std::round(period * std::pow(10, places)) >= std::pow(10, 3))
        --places;
    return decimals(period, places, locale) + u' ' + unit;
}

// Below this the sum's amplitude shows as 0,01 or less, and its phase is only rounding.
constexpr double kLeastPhasedAmplitude = 0.015;

// The sum as a sinusoid, its envelope where it beats (with its period in the unit given), or
// else the range it covers.
QString sumLine(const Parameters &parameters, TimeAxis axis, const QLocale &locale, const QString &periodUnit)
{
    if (const auto sum = readouts::sumSinusoid(parameters))
        return Texts::tr("Součet: amplituda %1, fázový posun %2")
            .arg(decimals(sum->amplitude, 2, locale),
                 sum->amplitude < kLeastPhasedAmplitude ? Texts::tr("neurčen")
                                                        : decimals(sum->phaseDegrees, 1, locale) + u'°');
    if (const auto e = readouts::envelope(parameters))
        return Texts::tr("Obálka součtu: %1 až %2, perioda %3")
            .arg(decimals(e->least, 2, locale), decimals(e->most, 2, locale),
                 periodText(e->periodInFirstPeriods, locale, periodUnit));
    const readouts::Range r = readouts::range(parameters, axis);
    return Texts::tr("Rozsah součtu: %1 až %2").arg(decimals(r.least, 2, locale), decimals(r.most, 2, locale));
}

// At right angles, what the point traces: "Poměr kmitočtů 2 : 3: obrazec se uzavře po 2
// periodách první vlny", at 1 : 1 the figure's name, or that it never closes.
QString figureLine(const Parameters &parameters, const QLocale &locale)
{
    const auto ratio = readouts::frequencyRatio(parameters.frequency);
    if (!ratio)
        return Texts::tr("Poměr kmitočtů 1 : %1: obrazec se neuzavře")
            .arg(locale.toString(std::abs(parameters.frequency), 'g', 4));
    const QString ratioText = QStringLiteral("%1 : %2").arg(ratio->first).arg(ratio->second);
    if (const auto figure = readouts::figureAtRatioOne(parameters)) {
        const char *names[] = {QT_TRANSLATE_NOOP("vlnokres::Texts", "úsečka"), QT_TRANSLATE_NOOP("vlnokres::Texts", "kružnice"),
                               QT_TRANSLATE_NOOP("vlnokres::Texts", "elipsa")};
        return Texts::tr("Poměr kmitočtů %1: %2").arg(ratioText, Texts::tr(names[int(*figure)]));
    }
    return ratio->first == 1 ? Texts::tr("Poměr kmitočtů %1: obrazec se uzavře po 1 periodě první vlny").arg(ratioText)
                             : Texts::tr("Poměr kmitočtů %1: obrazec se uzavře po %2 periodách první vlny")
                                   .arg(ratioText)
                                   .arg(ratio->first);
}

// The point's place at right angles: the first's value along x, the second's along y.
QString pointText(double first, double second, const QLocale &locale)
{
    return QStringLiteral("x = %1   y = %2").arg(decimals(first, 2, locale), decimals(second, 2, locale));
}

// The three waves' values as a readouts' line ends: "y₁ = 0,42   y₂ = 0,45   y = 0,87", without
// the sum's where it is hidden.
QString wavesText(double first, double second, double sum, bool sumShown, const QLocale &locale)
{
    const QString waves = QStringLiteral("y₁ = %1   y₂ = %2").arg(decimals(first, 2, locale), decimals(second, 2, locale));
    return sumShown ? waves + QStringLiteral("   y = %1").arg(decimals(sum, 2, locale)) : waves;
}

} // namespace

QString pictureDescription(const Parameters *parameters, int step, bool paused, TimeAxis axis, bool sumShown)
{
    if (!parameters)
        return Texts::tr("Zatím prázdná: hodnoty druhé sinusoidy se zadají do polí a animaci spustí tlačítko Start.");
    const QLocale notation = textLocale();
    const Parameters &p = *parameters;
    const QString values = Texts::tr("Amplituda %1, kmitočet %2, fázový posun %3°.")
                               .arg(pictureNumber(p.amplitude, notation), pictureNumber(p.frequency, notation),
                                    pictureNumber(p.phaseDegrees, notation));
    QString sum = !sumShown        ? (p.perpendicular ? Texts::tr("Obrazec je skrytý") : Texts::tr("Součet je skrytý"))
                  : p.perpendicular ? Texts::tr("Kolmé kmity. %1").arg(figureLine(p, notation))
                                    : sumLine(p, axis, notation, Texts::tr("period první sinusoidy"));
    if (axis != TimeAxis{})
        sum += Texts::tr(". Časová osa ukazuje %1 period").arg(axis.periods);
    if (step == 0)
        return Texts::tr("%1 %2. Animace běží.").arg(values, sum);
    return Texts::tr("%1 %2. Krok %3 z %4%5.")
        .arg(values, sum, QString::number(step), QString::number(axis.steps()),
             paused ? Texts::tr(", pozastaveno") : QString());
}

QStringList readoutLines(const Parameters &parameters, int step, TimeAxis axis, bool sumShown, const QLocale &locale)
{
    const readouts::Values v = readouts::valuesAt(parameters, step);
    if (parameters.perpendicular) {
        const QString point = pointText(v.first, v.second, locale);
        return sumShown ? QStringList{figureLine(parameters, locale), point} : QStringList{point};
    }
    const QString waves = wavesText(v.first, v.second, v.sum, sumShown, locale);
    if (!sumShown)
        return {waves};
    return {sumLine(parameters, axis, locale, QStringLiteral("T₁")), waves};
}

QStringList cursorValueLines(const Parameters &parameters, const std::vector<double> &cursors, TimeAxis axis,
                             bool sumShown, double baseTone, const QLocale &locale)
{
    QStringList lines;
    const QString names[] = {QStringLiteral("A"), QStringLiteral("B")};
    for (std::size_t i = 0; i < cursors.size() && i < 2; ++i) {
        if (!marks::onAxis(cursors[i], axis))
            continue;
        const marks::WaveValues v = marks::wavesAt(parameters, cursors[i]);
        lines << QStringLiteral("%1: t = %2 T₁   %3")
                     .arg(names[i], decimals(cursors[i], 2, locale),
                          parameters.perpendicular ? pointText(v.first, v.second, locale)
                                                   : wavesText(v.first, v.second, v.sum, sumShown, locale));
    }
    if (lines.size() == 2) {
        const double between = cursors[1] - cursors[0];
        lines << QStringLiteral("Δt = %1 T₁ (%2°)").arg(decimals(between, 2, locale), decimals(between * 360, 1, locale));
        // Cursors a hundredth apart at least: the reciprocal is at most 100, three digits.
        if (between != 0) {
            const double frequency = 1 / std::abs(between);
            lines << Texts::tr("1/Δt = %1 f₁ = %2 Hz při %3 Hz")
                         .arg(locale.toString(frequency, 'g', 3), decimals(frequency * baseTone, 1, locale),
                              locale.toString(baseTone, 'g', 6));
        }
    }
    return lines;
}

PictureText overlayText(const Parameters &parameters, int step, const SetUp &view)
{
    const bool sumShown = !view.sumHidden;
    PictureText text({}, view.readouts ? readoutLines(parameters, step, view.axis, sumShown) : QStringList());
    if (view.labels)
        text.marks = marks::labels(parameters, step, view.axis, sumShown, view.colours, view.textScale());
    const marks::Marks cursors = marks::cursorLines(view.cursors, view.axis, view.textScale());
    text.marks.lines.insert(text.marks.lines.end(), cursors.lines.begin(), cursors.lines.end());
    text.marks.texts.insert(text.marks.texts.end(), cursors.texts.begin(), cursors.texts.end());
    text.cursorValues = cursorValueLines(parameters, view.cursors, view.axis, sumShown, view.baseTone);
    text.textScale = view.textScale();
    if (view.largeText)
        text.halo = rgbOf(Ink::BackgroundGrey, view.colours);
    return text;
}

} // namespace vlnokres
