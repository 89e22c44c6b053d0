#include "StartChecks.h"

#include "SceneGeometry.h"
#include "Translatable.h"

#include <cmath>
#include <string>

namespace vlnokres {

std::variant<Parameters, Refusal> checkParameters(const BoxReadings &readings)
{
    if (!readings.amplitude)
        return Refusal::AmplitudeNotNumber;
    // Strictly greater: 1.5 itself passes, and so does any negative amplitude that a double
    // holds.
    if (*readings.amplitude > kAmplitudeLimit)
        return Refusal::AmplitudeAboveLimit;
    if (!std::isfinite(scene::secondLength(*readings.amplitude)))
        return Refusal::AmplitudeOutOfRange;
    if (!readings.frequency)
        return Refusal::FrequencyNotNumber;
    if (!std::isfinite(*readings.frequency))
        return Refusal::FrequencyOutOfRange;
    if (!readings.phaseDegrees)
        return Refusal::PhaseNotNumber;
    if (!std::isfinite(*readings.phaseDegrees))
        return Refusal::PhaseOutOfRange;

    const bool zero = *readings.amplitude == 0;
    return Parameters{
        .amplitude = zero ? kZeroAmplitudeStandIn : *readings.amplitude,
        .frequency = *readings.frequency,
        .phaseDegrees = *readings.phaseDegrees,
        .amplitudeReplaced = zero,
    };
}

Message messageFor(Refusal refusal)
{
    constexpr const char *kNotNumberTitle = QT_TRANSLATE_NOOP("vlnokres::Texts", "Neplatná hodnota");
    switch (refusal) {
    case Refusal::AmplitudeNotNumber:
        return {kNotNumberTitle, QT_TRANSLATE_NOOP("vlnokres::Texts", "Amplituda musí být číslo.")};
    case Refusal::AmplitudeAboveLimit:
        return {QT_TRANSLATE_NOOP("vlnokres::Texts", "Omezení amplitudy"), QT_TRANSLATE_NOOP("vlnokres::Texts", "Aplikace nedovoluje větší amplitudu než 1,5")};
    case Refusal::AmplitudeOutOfRange:
        return {kNotNumberTitle, QT_TRANSLATE_NOOP("vlnokres::Texts", "Amplituda je mimo rozsah čísel, se kterými program počítá.")};
    case Refusal::FrequencyNotNumber:
        return {kNotNumberTitle, QT_TRANSLATE_NOOP("vlnokres::Texts", "Kmitočet musí být číslo.")};
    case Refusal::FrequencyOutOfRange:
        return {kNotNumberTitle, QT_TRANSLATE_NOOP("vlnokres::Texts", "Kmitočet je mimo rozsah čísel, se kterými program počítá.")};
    case Refusal::PhaseNotNumber:
        return {kNotNumberTitle, QT_TRANSLATE_NOOP("vlnokres::Texts", "Fázový posun musí být číslo.")};
    case Refusal::PhaseOutOfRange:
        return {kNotNumberTitle, QT_TRANSLATE_NOOP("vlnokres::Texts", "Fázový posun je mimo rozsah čísel, se kterými program počítá.")};
    }
    return {kNotNumberTitle, ""};
}

SecondSinusoid secondSinusoidOf(const Parameters &parameters)
{
    return {scene::secondLength(parameters.amplitude), parameters.frequency, parameters.phaseDegrees,
            parameters.perpendicular};
}

} // namespace vlnokres
