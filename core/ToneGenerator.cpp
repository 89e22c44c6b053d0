#include "ToneGenerator.h"

#include "StepOperations.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vlnokres::sound {
namespace {

constexpr double kTurn = 2 * std::numbers::pi;

// Keeps a phase within one turn; a step is always less than half a turn.
double wrapped(double phase)
{
    if (phase >= kTurn)
        return phase - kTurn;
    if (phase < 0)
        return phase + kTurn;
    return phase;
}

} // namespace

double secondTone(const Tones &tones) { return tones.frequency * tones.baseTone; }

bool audible(double hertz, int sampleRate)
{
    const double pitch = std::abs(hertz);
    return pitch >= kLowestAudible && pitch <= std::min(kHighestAudible, kHighestShareOfRate * sampleRate);
}

ToneGenerator::ToneGenerator(const Tones &tones, Voice voice, int sampleRate)
    : m_rate(sampleRate), m_fadeStep(1 / (kFadeSeconds * sampleRate))
{
    const double second = secondTone(tones);
    if (voice != Voice::Second && audible(tones.baseTone, sampleRate)) {
        m_firstAmplitude = kGain;
        m_firstStep = kTurn * tones.baseTone / sampleRate;
    }
    if (voice != Voice::First && audible(second, sampleRate)) {
        m_secondAmplitude = kGain * tones.amplitude;
        m_secondStep = kTurn * second / sampleRate;
        m_secondPhase = wrapped(std::fmod(tones.phaseDegrees * kRadiansPerDegree, kTurn));
    }
    // A negative amplitude beyond the limit's would pass full scale: the tone is made quieter
    // as a whole, never clipped.
    const double peak = m_firstAmplitude + std::abs(m_secondAmplitude);
    if (peak > kHighestPeak) {
        m_firstAmplitude *= kHighestPeak / peak;
        m_secondAmplitude *= kHighestPeak / peak;
    }
}

std::optional<double> inaudibleTone(const Tones &tones, Voice voice, int sampleRate)
{
    if (voice != Voice::Second && !audible(tones.baseTone, sampleRate))
        return tones.baseTone;
    if (voice != Voice::First && !audible(secondTone(tones), sampleRate))
        return secondTone(tones);
    return std::nullopt;
}

void ToneGenerator::generate(float *out, std::size_t count)
{
#if defined(__x86_64__)
    // The toolkit may leave the upper halves of the vector registers in use; every switch
    // between this code and the maths library's AVX sine then costs a stall, and the tone is
    // twenty times slower. Clearing them once here is enough: the sine clears them itself.
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx)
        asm volatile("vzeroupper");
#endif
    for (std::size_t i = 0; i < count; ++i) {
        if (m_level == 0 && m_target == 0) {
            std::fill(out + i, out + count, 0.0f);
            return;
        }
        m_level = m_target > m_level ? std::min(m_target, m_level + m_fadeStep) : std::max(m_target, m_level - m_fadeStep);
        const double wave = m_firstAmplitude * std::sin(m_firstPhase) + m_secondAmplitude * std::sin(m_secondPhase);
        out[i] = float(m_level * wave);
        m_firstPhase = wrapped(m_firstPhase + m_firstStep);
        m_secondPhase = wrapped(m_secondPhase + m_secondStep);
    }
}

long long samplesBeforeFadeOut(double seconds, int sampleRate)
{
    const long long total = std::llround(seconds * sampleRate);
    return total - std::min(total, std::llround(kFadeSeconds * sampleRate));
}

std::vector<float> toneOf(const Tones &tones, Voice voice, double seconds, int sampleRate)
{
    const auto total = std::size_t(std::lround(seconds * sampleRate));
    const auto before = std::size_t(samplesBeforeFadeOut(seconds, sampleRate));
    std::vector<float> samples(total);
    ToneGenerator generator(tones, voice, sampleRate);
    generator.fadeIn();
    generator.generate(samples.data(), before);
    generator.fadeOut();
    generator.generate(samples.data() + before, total - before);
    return samples;
}

} // namespace vlnokres::sound
