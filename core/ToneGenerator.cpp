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

ToneGenerator::Levels ToneGenerator::levelsOf(const Tones &tones) const
{
    Levels l;
    const double second = secondTone(tones);
    if (m_voice != Voice::Second && audible(tones.baseTone, m_rate)) {
        l.firstAmplitude = kGain;
        l.firstStep = kTurn * tones.baseTone / m_rate;
    }
    if (m_voice != Voice::First && audible(second, m_rate)) {
        l.secondAmplitude = kGain * tones.amplitude;
        l.secondStep = kTurn * second / m_rate;
        l.secondPhase = wrapped(std::fmod(tones.phaseDegrees * kRadiansPerDegree, kTurn));
    }
    // A negative amplitude beyond the limit's would pass full scale: the tone is made quieter
    // as a whole, never clipped. Apart, each channel holds one tone, made quieter alone: the
    // first stays as loud as it is alone, whatever the second.
    if (m_voice == Voice::Stereo) {
        if (std::abs(l.secondAmplitude) > kHighestPeak)
            l.secondAmplitude *= kHighestPeak / std::abs(l.secondAmplitude);
        return l;
    }
    const double peak = l.firstAmplitude + std::abs(l.secondAmplitude);
    if (peak > kHighestPeak) {
        l.firstAmplitude *= kHighestPeak / peak;
        l.secondAmplitude *= kHighestPeak / peak;
    }
    return l;
}

ToneGenerator::ToneGenerator(const Tones &tones, Voice voice, int sampleRate)
    : m_rate(sampleRate), m_voice(voice), m_fadeStep(1 / (kFadeSeconds * sampleRate))
{
    m_now = levelsOf(tones);
    m_secondPhase = m_now.secondPhase;
}

// The levels move in a straight line, and the second tone's phase the shorter way round; its
// pitch and the first's change at once, their phases going on where they were.
void ToneGenerator::retune(const Tones &tones)
{
    const Levels next = levelsOf(tones);
    m_glideLeft = std::max(1, int(std::lround(kGlideSeconds * m_rate)));
    m_glide = {(next.firstAmplitude - m_now.firstAmplitude) / m_glideLeft,
               (next.secondAmplitude - m_now.secondAmplitude) / m_glideLeft, 0, 0,
               std::remainder(next.secondPhase - m_now.secondPhase, kTurn) / m_glideLeft};
    m_now.firstStep = next.firstStep;
    m_now.secondStep = next.secondStep;
    m_next = next;
}

std::optional<double> inaudibleTone(const Tones &tones, Voice voice, int sampleRate)
{
    if (voice != Voice::Second && !audible(tones.baseTone, sampleRate))
        return tones.baseTone;
    if (voice != Voice::First && !audible(secondTone(tones), sampleRate))
        return secondTone(tones);
    return std::nullopt;
}

void ToneGenerator::generate(float *out, std::size_t frames)
{
    const std::size_t width = std::size_t(channels());
    const std::size_t count = frames * width;
#if defined(__x86_64__)
    // The toolkit may leave the upper halves of the vector registers in use; every switch
    // between this code and the maths library's AVX sine then costs a stall, and the tone is
    // twenty times slower. Clearing them once here is enough: the sine clears them itself.
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx)
        asm volatile("vzeroupper");
#endif
    for (std::size_t i = 0; i < count; i += width) {
        if (m_level == 0 && m_target == 0) {
            std::fill(out + i, out + count, 0.0f);
            return;
        }
        m_level = m_target > m_level ? std::min(m_target, m_level + m_fadeStep) : std::max(m_target, m_level - m_fadeStep);
        const double first = m_now.firstAmplitude * std::sin(m_firstPhase);
        const double second = m_now.secondAmplitude * std::sin(m_secondPhase);
        if (width == 2) {
            out[i] = float(m_level * first);
            out[i + 1] = float(m_level * second);
        } else {
            out[i] = float(m_level * (first + second));
        }
        m_firstPhase = wrapped(m_firstPhase + m_now.firstStep);
        m_secondPhase = wrapped(m_secondPhase + m_now.secondStep);
        if (m_glideLeft > 0) {
            --m_glideLeft;
            m_now.firstAmplitude = m_glideLeft ? m_now.firstAmplitude + m_glide.firstAmplitude : m_next.firstAmplitude;
            m_now.secondAmplitude = m_glideLeft ? m_now.secondAmplitude + m_glide.secondAmplitude : m_next.secondAmplitude;
            m_now.secondPhase = m_glideLeft ? m_now.secondPhase + m_glide.secondPhase : m_next.secondPhase;
            m_secondPhase = wrapped(m_secondPhase + m_glide.secondPhase);
        }
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
    const auto width = std::size_t(channelsOf(voice));
    std::vector<float> samples(total * width);
    ToneGenerator generator(tones, voice, sampleRate);
    generator.fadeIn();
    generator.generate(samples.data(), before);
    generator.fadeOut();
    generator.generate(samples.data() + before * width, total - before);
    return samples;
}

} // namespace vlnokres::sound
