#include "LessonMarks.h"

#include "Readouts.h"
#include "SceneGeometry.h"
#include "Translatable.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vlnokres::marks {
namespace {

using namespace scene;

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kGraphTop = kTimeAxis.from.y;
constexpr double kGraphBottom = kTimeAxis.to.y;
constexpr double kTickLength = 4;
// A tick is named only where its name is this far from the last: on a long axis every fifth
// or twentieth, clear of the traces' crowd.
constexpr double kLeastNameSpacing = 60;
constexpr int kNamePixels = 11;

// The legend's rows under the time graph's right end, below the lowest a trace reaches
// (390,5 + 125 at the largest amplitude).
constexpr double kLegendLeft = 610;
constexpr double kLegendLineLength = 24;
constexpr double kLegendFirstBaseline = 536;
constexpr double kLegendRowHeight = 15;
// Twice as large, the rows do not fit under one another: the two waves' share the first row,
// the sum's the second, all still under the lowest trace and within the picture.
constexpr Point kLargeLegendRows[] = {{420, 540}, {610, 540}, {420, 567}};

constexpr double kArrowHeadLength = 8;
constexpr double kArrowHeadAngle = 0.45; // radians either side of the shaft

constexpr std::uint32_t kBlack = 0x000000;
constexpr double kCursorDash = 4;
constexpr double kCursorGap = 3;

double graphEndX(TimeAxis axis) { return traceX(axis.steps(), axis); }

void addArrow(Marks &marks, Point from, Point to)
{
    const double angle = std::atan2(to.y - from.y, to.x - from.x);
    marks.lines.push_back({from, to, 2, kBlack});
    for (const double side : {-kArrowHeadAngle, kArrowHeadAngle}) {
        const double back = angle + std::numbers::pi + side;
        marks.lines.push_back(
            {to, {to.x + kArrowHeadLength * std::cos(back), to.y + kArrowHeadLength * std::sin(back)}, 2, kBlack});
    }
}

// The legend's line of a trace, as the palette draws the trace: on a page for print the
// second's in dashes and the sum's thicker.
void addLegendRow(Marks &marks, int row, Ink ink, const char *text, Colours colours, int textScale)
{
    const Point start = textScale == 1 ? Point{kLegendLeft, kLegendFirstBaseline + row * kLegendRowHeight}
                                       : kLargeLegendRows[row];
    const double length = kLegendLineLength * textScale;
    const Point from{start.x, start.y - 4 * textScale};
    const bool print = colours == Colours::Print;
    if (print && ink == Ink::Red) {
        for (double x = from.x; x < from.x + length; x += 10)
            marks.lines.push_back({{x, from.y}, {x + 5, from.y}, 2.6, rgbOf(ink, colours)});
    } else {
        marks.lines.push_back({from, {from.x + length, from.y}, print && ink == Ink::Foreground ? 3.8 : 2.6,
                               rgbOf(ink, colours)});
    }
    marks.texts.push_back({{from.x + length + 6 * textScale, start.y}, text, 12 * textScale});
}

std::string timesName(int k) { return k == 1 ? "T₁" : std::to_string(k) + "T₁"; }

} // namespace

double spanInPeriods(TimeAxis axis) { return axis.steps() / kStepsPerRadian / kTwoPi; }

double xOfTime(double periods, TimeAxis axis)
{
    return kGraphOriginX + kPixelsPerRadian * periods * kTwoPi * 2 / axis.periods;
}

std::optional<double> timeAtX(double x, TimeAxis axis)
{
    // A click just past the graph's end, on its last dots, is at the end.
    if (!(x >= kGraphOriginX && x <= graphEndX(axis) + 1))
        return std::nullopt;
    const double periods = (x - kGraphOriginX) * axis.periods / (2 * kPixelsPerRadian * kTwoPi);
    return std::min(std::round(periods * 100) / 100, std::floor(spanInPeriods(axis) * 100) / 100);
}

bool onTimeGraph(Point at)
{
    return timeAtX(at.x, TimeAxis{}).has_value() && at.y >= kGraphTop && at.y <= kGraphBottom;
}

std::vector<double> clickedAt(std::vector<double> cursors, double periods)
{
    if (cursors.size() < 2) {
        cursors.push_back(periods);
        return cursors;
    }
    const bool firstNearer = std::abs(cursors[0] - periods) <= std::abs(cursors[1] - periods);
    cursors[firstNearer ? 0 : 1] = periods;
    return cursors;
}

namespace {

// The step nearest to one given whose dot is the highest or the lowest of its neighbours: what
// the eye takes for the sum's turn, its aliases too where the second wave is faster than the
// steps can follow.
std::optional<int> nearestTurningStep(const Parameters &p, int step, int lastStep)
{
    auto turns = [&](int t) {
        if (t < 2 || t >= lastStep)
            return false;
        const double before = readouts::valuesAt(p, t - 1).sum, here = readouts::valuesAt(p, t).sum,
                     after = readouts::valuesAt(p, t + 1).sum;
        return (here > before && here >= after) || (here < before && here <= after);
    };
    for (int reach = 0; step - reach >= 2 || step + reach < lastStep; ++reach) {
        if (turns(step - reach))
            return step - reach;
        if (turns(step + reach))
            return step + reach;
    }
    return std::nullopt;
}

// Where the sum beats, its envelope is 1 + A² + 2A·cos ψ under the root, ψ = (|f| − 1)·a + ψ₀,
// at its most and least where ψ is a whole multiple of π.
std::optional<double> nearestEnvelopeTurn(const Parameters &p, double a, double most)
{
    const double f = std::abs(p.frequency);
    const double phase = p.phaseDegrees * kRadiansPerDegree;
    const double start = p.frequency < 0 ? std::numbers::pi - phase : phase;
    const double rate = f - 1;
    const double k = std::round((rate * a + start) / std::numbers::pi);
    std::optional<double> nearest;
    for (const double n : {k - 1, k, k + 1}) {
        const double turn = (n * std::numbers::pi - start) / rate;
        if (turn >= 0 && turn <= most && (!nearest || std::abs(turn - a) < std::abs(*nearest - a)))
            nearest = turn;
    }
    return nearest;
}

} // namespace

std::optional<double> nearestExtremum(const Parameters &p, double periods, TimeAxis axis)
{
    const double most = std::floor(spanInPeriods(axis) * 100) / 100 * kTwoPi;
    const double a = std::clamp(periods * kTwoPi, 0.0, most);
    if (const auto sum = readouts::sumSinusoid(p); sum && sum->amplitude < 1e-9)
        return std::nullopt;
    std::optional<double> turn;
    if (readouts::beats(p) && p.amplitude != 0)
        turn = nearestEnvelopeTurn(p, a, most);
    if (!turn) {
        if (const auto step = nearestTurningStep(p, int(std::lround(a * kStepsPerRadian)), axis.steps()))
            turn = *step / kStepsPerRadian;
    }
    if (!turn)
        return std::nullopt;
    return std::round(*turn / kTwoPi * 100) / 100;
}

std::vector<double> snappedAt(std::vector<double> cursors, double periods, const Parameters &p, TimeAxis axis)
{
    const auto turn = nearestExtremum(p, periods, axis);
    if (cursors.empty() || !turn)
        return cursors;
    // Of two at the same place, the later is the one the click has just placed.
    std::size_t placed = 0;
    for (std::size_t i = 1; i < cursors.size(); ++i)
        if (std::abs(cursors[i] - periods) <= std::abs(cursors[placed] - periods))
            placed = i;
    cursors[placed] = *turn;
    return cursors;
}

bool onAxis(double periods, TimeAxis axis) { return periods >= 0 && periods <= spanInPeriods(axis); }

Marks cursorLines(const std::vector<double> &cursors, TimeAxis axis, int textScale)
{
    Marks marks;
    const char *names[] = {"A", "B"};
    for (std::size_t i = 0; i < cursors.size() && i < 2; ++i) {
        if (!onAxis(cursors[i], axis))
            continue;
        const double x = xOfTime(cursors[i], axis);
        for (double y = kGraphTop; y < kGraphBottom; y += kCursorDash + kCursorGap)
            marks.lines.push_back({{x, y}, {x, std::min(y + kCursorDash, kGraphBottom)}, 1, kBlack});
        marks.texts.push_back({{x + 3 * textScale, kGraphTop + 10 * textScale}, names[i], kNamePixels * textScale});
    }
    return marks;
}

WaveValues wavesAt(const Parameters &p, double periods)
{
    const double a = periods * kTwoPi;
    const double first = std::sin(a);
    const double second = p.amplitude * std::sin(p.phaseDegrees * kRadiansPerDegree + p.frequency * a);
    return {first, second, first + second};
}

Marks labels(const Parameters &parameters, int step, TimeAxis axis, bool sumShown, Colours colours, int textScale)
{
    Marks marks;
    if (parameters.perpendicular) {
        // The plane's axes, named beyond the figure's reach: x right of it, y at the top.
        marks.texts.push_back({{kFirstOriginX + kFirstLength + 8, kLowerY + 14 * textScale}, "x", 14 * textScale});
        marks.texts.push_back({{kPlaneAxis.from.x + 5, kPlaneAxis.from.y + 10 * textScale}, "y", 14 * textScale});
    } else if (sumShown && step > 0) {
        const SecondSinusoid second = secondSinusoidOf(parameters);
        const Arrow first = arrowAt(kFirstLength, step / kStepsPerRadian);
        const Arrow other = arrowAt(second.length, secondAngle(second, step));
        const Point tip{kFirstOriginX + first.dx + other.dx, kLowerY + first.dy + other.dy};
        if (std::isfinite(tip.x) && std::isfinite(tip.y))
            addArrow(marks, {kFirstOriginX, kLowerY}, tip);
    }
    marks.texts.push_back({{kLowerAxis.to.x + 4, kLowerY + 4 * textScale}, "t", 14 * textScale});
    marks.texts.push_back({{kGraphOriginX + 5, kGraphTop + 10 * textScale}, "y", 14 * textScale});
    const int periods = int(std::floor(spanInPeriods(axis)));
    const double spacing = xOfTime(1, axis) - kGraphOriginX;
    int every = 1;
    for (const int k : {1, 5, 10, 20, 50})
        if ((every = k) * spacing >= kLeastNameSpacing * textScale)
            break;
    for (int k = 1; k <= periods; ++k) {
        const double x = xOfTime(k, axis);
        marks.lines.push_back({{x, kLowerY - kTickLength}, {x, kLowerY + kTickLength}, 1, kBlack});
        if (k % every == 0)
            marks.texts.push_back({{x - 6 * textScale, kLowerY + 17 * textScale}, timesName(k), kNamePixels * textScale});
    }
    addLegendRow(marks, 0, Ink::Green, QT_TRANSLATE_NOOP("vlnokres::Texts", "y₁ (první)"), colours, textScale);
    addLegendRow(marks, 1, Ink::Red, QT_TRANSLATE_NOOP("vlnokres::Texts", "y₂ (druhá)"), colours, textScale);
    if (sumShown && !parameters.perpendicular)
        addLegendRow(marks, 2, Ink::Foreground, "y = y₁ + y₂", colours, textScale);
    return marks;
}

} // namespace vlnokres::marks
