#include "Readouts.h"

#include "SceneGeometry.h"
#include "StepOperations.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <numbers>
#include <utility>

namespace vlnokres::readouts {
namespace {

// |1 + A e^(ix)|, the sum's amplitude where the second vector leads the first by x; as a
// hypotenuse it cannot overflow for any amplitude a double holds.
double sumLength(double amplitude, double lead)
{
    return std::hypot(1 + amplitude * std::cos(lead), amplitude * std::sin(lead));
}

// The second wave as one of positive frequency: A sin(−|f|a + φ) is A sin(|f|a + π − φ).
struct Wave {
    double amplitude;
    double frequency; // |f|
    double phase;     // radians
};
Wave positive(const Parameters &p)
{
    const double phase = p.phaseDegrees * kRadiansPerDegree;
    if (p.frequency < 0)
        return {p.amplitude, -p.frequency, std::numbers::pi - phase};
    return {p.amplitude, p.frequency, phase};
}

// Dashes of three pixels with gaps of three, along the run's span of the time graph.
constexpr double kDashPixels = 3;
// The envelope's period is at least twice the slower wave's within these.
constexpr double kSlowestBeating = 2.0 / 3.0;
constexpr double kFastestBeating = 1.5;

} // namespace

std::optional<SumSinusoid> sumSinusoid(const Parameters &p)
{
    const Wave w = positive(p);
    if (w.frequency != 1)
        return std::nullopt;
    const double lead = std::remainder(w.phase, 2 * std::numbers::pi);
    const double angle = std::atan2(w.amplitude * std::sin(lead), 1 + w.amplitude * std::cos(lead));
    return SumSinusoid{sumLength(w.amplitude, lead), angle / kRadiansPerDegree};
}

bool beats(const Parameters &p)
{
    const double f = std::abs(p.frequency);
    return f >= kSlowestBeating && f <= kFastestBeating && f != 1;
}

std::optional<Envelope> envelope(const Parameters &p)
{
    if (!beats(p))
        return std::nullopt;
    const double a = std::abs(p.amplitude);
    return Envelope{std::abs(1 - a), 1 + a, 1 / std::abs(std::abs(p.frequency) - 1)};
}

std::optional<Ratio> frequencyRatio(double frequency)
{
    constexpr int kLargest = 20;
    const double f = std::abs(frequency);
    for (int first = 1; first <= kLargest; ++first) {
        const double second = std::round(f * first);
        if (second <= kLargest && std::abs(f - second / first) <= 0.001 && std::gcd(first, int(second)) == 1)
            return Ratio{first, int(second)};
    }
    return std::nullopt;
}

std::optional<Figure> figureAtRatioOne(const Parameters &p)
{
    const auto ratio = frequencyRatio(p.frequency);
    if (!ratio || ratio->first != 1 || ratio->second != 1)
        return std::nullopt;
    // A negative frequency mirrors the phase (π − φ), which keeps both conditions.
    if (std::abs(p.amplitude) < 1e-9 || std::remainder(p.phaseDegrees, 180) == 0)
        return Figure::Segment;
    if (std::abs(p.amplitude) == 1 && std::abs(std::remainder(p.phaseDegrees, 180)) == 90)
        return Figure::Circle;
    return Figure::Ellipse;
}

Range range(const Parameters &p, TimeAxis axis)
{
    // The window writes its readouts anew every 30 ms of a run, and the range is the whole
    // run's: the last one is kept rather than counted again over every step.
    struct Counted {
        Parameters parameters;
        TimeAxis axis;
        Range range;
    };
    thread_local std::optional<Counted> last;
    if (last && last->parameters.amplitude == p.amplitude && last->parameters.frequency == p.frequency &&
        last->parameters.phaseDegrees == p.phaseDegrees && last->axis == axis)
        return last->range;
    Range r{valuesAt(p, 1).sum, valuesAt(p, 1).sum};
    for (int t = 2; t <= axis.steps(); ++t) {
        const double sum = valuesAt(p, t).sum;
        r = {std::min(r.least, sum), std::max(r.most, sum)};
    }
    last = Counted{p, axis, r};
    return r;
}

Values valuesAt(const Parameters &p, int step)
{
    const double first = -arrowAt(1, step / kStepsPerRadian).dy;
    const double second = -arrowAt(p.amplitude, secondAngle({0, p.frequency, p.phaseDegrees}, step)).dy;
    return {first, second, first + second};
}

DrawOps envelopeOps(const Parameters &p, TimeAxis axis)
{
    if (!beats(p))
        return {};
    using namespace scene;
    const Wave w = positive(p);
    DrawOps ops{PenWidth{1}};
    // A longer graph holds as many times more of the run in the same width: a pixel of it is
    // that many more radians.
    const double timeStretch = axis.periods / 2.0;
    const double lastA = kSteps / kStepsPerRadian;
    auto heightAt = [&](double a) { return kFirstLength * sumLength(w.amplitude, (w.frequency - 1) * a + w.phase); };
    for (double x = 0; x + kDashPixels <= lastA * kPixelsPerRadian; x += 2 * kDashPixels) {
        const double a0 = x / kPixelsPerRadian * timeStretch;
        const double a1 = (x + kDashPixels) / kPixelsPerRadian * timeStretch;
        for (double side : {-1.0, 1.0})
            ops.push_back(Line{{kGraphOriginX + x, kLowerY + side * heightAt(a0)},
                               {kGraphOriginX + x + kDashPixels, kLowerY + side * heightAt(a1)}, Ink::MidGrey});
    }
    ops.push_back(PenWidth{2});
    return ops;
}

} // namespace vlnokres::readouts
