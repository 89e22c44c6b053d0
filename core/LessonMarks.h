#pragma once

#include "DrawOp.h"
#include "StartChecks.h"
#include "StepOperations.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vlnokres::marks {

// What the lesson's tools draw over a run's picture, never into it: plain lines and words in
// scene pixels, so that the window, every picture and the printed page draw the same.
struct MarkLine {
    Point from;
    Point to;
    double width = 1;
    std::uint32_t rgb = 0x000000;
};
struct MarkText {
    Point baselineStart;
    std::string text; // UTF-8, the Czech source where it is a word
    int pixels = 12;
};
struct Marks {
    std::vector<MarkLine> lines;
    std::vector<MarkText> texts;
};

// The labels of a textbook figure: the resultant from the lower diagram's centre to the second
// vector's tip at the step shown (left out with the sum hidden), the time graph's axes named
// "t" and "y" with a tick at every period of the first wave, named where there is room, and a
// legend under the graph's right end whose lines are drawn as the palette draws the traces.
// At right angles there is no resultant nor sum, and the plane's axes are named "x" and "y".
// Words textScale times as large (large text for the back of a room) keep their places.
Marks labels(const Parameters &parameters, int step, TimeAxis axis, bool sumShown, Colours colours,
             int textScale = 1);

// The time graph's span in periods of the first wave (about 2,07 on the designed graph).
double spanInPeriods(TimeAxis axis);
// A time on the graph, in periods of the first wave, and the graph's x of it.
double xOfTime(double periods, TimeAxis axis);
// The time under a click at scene x, to hundredths of a period as the readouts write it, or
// nullopt off the graph.
std::optional<double> timeAtX(double x, TimeAxis axis);
// Whether a scene point lies on the time graph, where a click places a cursor.
bool onTimeGraph(Point at);

// The cursors after a click at that time: the first click places A, the second B, and every
// later one moves the nearer of them.
std::vector<double> clickedAt(std::vector<double> cursors, double periods);

// The time of the sum's maximum or minimum nearest to a time on the graph's span, to hundredths
// of a period as the cursors are kept; where the sum beats, of its envelope's, if the span
// holds one. None where the sum is flat.
std::optional<double> nearestExtremum(const Parameters &parameters, double periods, TimeAxis axis);
// The cursors after a double click at that time: the one its first click placed goes to the
// nearest extremum.
std::vector<double> snappedAt(std::vector<double> cursors, double periods, const Parameters &parameters,
                              TimeAxis axis);

// Whether a cursor's time lies on the graph's span, where it is drawn, told and written; one
// beyond it is kept for a longer span.
bool onAxis(double periods, TimeAxis axis);

// A cursor as a dashed vertical line over the time graph's height, for those within its span.
Marks cursorLines(const std::vector<double> &cursors, TimeAxis axis, int textScale = 1);

// The three waves at a time, from their formulas, in units of the first amplitude.
struct WaveValues {
    double first;
    double second;
    double sum;
};
WaveValues wavesAt(const Parameters &parameters, double periods);

} // namespace vlnokres::marks
