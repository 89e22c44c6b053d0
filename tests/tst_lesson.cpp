#include "core/Ink.h"
#include "core/LessonMarks.h"
#include "core/Readouts.h"
#include "core/StepOperations.h"
#include "core/TraceStyle.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

using namespace vlnokres;

// The lesson's tools in the core: the cursors' times and values on the time graph, and how the
// traces are painted with the sum hidden or for print.
class TestLesson : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cursorValuesAreTheDrawnWaves_data();
    void cursorValuesAreTheDrawnWaves();
    void clicksPlaceAndMoveTheCursors();
    void doubleClicksSnapToTheNearestTurn_data();
    void doubleClicksSnapToTheNearestTurn();
    void printKeepsTheTracesApartInGrey();
    void marksKeepToTheGraphOnEveryAxis();
};

void TestLesson::cursorValuesAreTheDrawnWaves_data()
{
    QTest::addColumn<double>("amplitude");
    QTest::addColumn<double>("frequency");
    QTest::addColumn<double>("phase");
    QTest::newRow("defaults") << 0.5 << 1.0 << 90.0;
    QTest::newRow("beats") << 1.0 << 1.1 << -30.0;
    QTest::newRow("second harmonic") << 0.5 << 2.0 << 45.0;
    QTest::newRow("negative frequency") << 1.5 << -3.0 << 180.0;
}

// At the time of any step, a cursor's values are the heights the run draws its dots at, and
// its line stands at their x, on every time axis.
void TestLesson::cursorValuesAreTheDrawnWaves()
{
    QFETCH(double, amplitude);
    QFETCH(double, frequency);
    QFETCH(double, phase);
    const Parameters parameters{amplitude, frequency, phase};
    for (const int periods : kAxisPeriods) {
        const TimeAxis axis{periods};
        for (int step = 1; step <= axis.steps(); step += 97) {
            const double time = step / kStepsPerRadian / (2 * std::numbers::pi);
            const marks::WaveValues at = marks::wavesAt(parameters, time);
            const readouts::Values drawn = readouts::valuesAt(parameters, step);
            QVERIFY(std::abs(at.first - drawn.first) < 1e-9 && std::abs(at.second - drawn.second) < 1e-9 &&
                    std::abs(at.sum - drawn.sum) < 1e-9);
            QVERIFY(std::abs(marks::xOfTime(time, axis) - traceX(step, axis)) < 1e-9);
        }
    }
}

// A click's time is read to hundredths, within the graph; the first click places A, the
// second B, and later ones move the nearer.
void TestLesson::clicksPlaceAndMoveTheCursors()
{
    const TimeAxis designed;
    QCOMPARE(marks::timeAtX(marks::xOfTime(0.6213, designed), designed), std::optional(0.62));
    QCOMPARE(marks::timeAtX(339, designed), std::nullopt);
    QCOMPARE(marks::timeAtX(748.2, designed), std::optional(2.06)); // the graph's end, not past it
    QCOMPARE(marks::timeAtX(marks::xOfTime(10.004, TimeAxis{20}), TimeAxis{20}), std::optional(10.0));
    std::vector<double> cursors;
    for (const double click : {0.5, 1.5, 1.2, 0.1})
        cursors = marks::clickedAt(cursors, click);
    QCOMPARE(cursors, (std::vector<double>{0.1, 1.2}));
    QVERIFY(marks::onTimeGraph({500, 300}) && !marks::onTimeGraph({200, 390}) && !marks::onTimeGraph({500, 560}));
}

void TestLesson::doubleClicksSnapToTheNearestTurn_data()
{
    QTest::addColumn<double>("amplitude");
    QTest::addColumn<double>("frequency");
    QTest::addColumn<double>("phase");
    QTest::addColumn<int>("periods");
    QTest::addColumn<double>("clicked");
    QTest::addColumn<double>("snapped");
    QTest::newRow("the first wave's maximum") << 0.0 << 1.0 << 0.0 << 2 << 0.3 << 0.25;
    QTest::newRow("its minimum") << 0.0 << 1.0 << 0.0 << 2 << 0.62 << 0.75;
    QTest::newRow("the designed sum's maximum") << 0.5 << 1.0 << 90.0 << 2 << 0.3 << 0.18;
    QTest::newRow("a harmonic's, past a level point") << 0.5 << 2.0 << 0.0 << 2 << 0.5 << 0.17;
    QTest::newRow("beats: the envelope's least") << 1.0 << 1.1 << 0.0 << 20 << 4.2 << 5.0;
    QTest::newRow("beats: the envelope's most") << 1.0 << 1.1 << 0.0 << 20 << 8.0 << 10.0;
    QTest::newRow("beats of a negative frequency") << 1.0 << -1.1 << 0.0 << 20 << 4.2 << 5.0;
}

// The cursor a double click placed goes to the sum's nearest maximum or minimum as its dots
// show it, or to its envelope's where it beats; the other cursor stays.
void TestLesson::doubleClicksSnapToTheNearestTurn()
{
    QFETCH(double, amplitude);
    QFETCH(double, frequency);
    QFETCH(double, phase);
    QFETCH(int, periods);
    QFETCH(double, clicked);
    QFETCH(double, snapped);
    const Parameters parameters{amplitude, frequency, phase};
    const std::vector<double> cursors = marks::snappedAt({1.9, clicked}, clicked, parameters, TimeAxis{periods});
    QCOMPARE(cursors, (std::vector<double>{1.9, snapped}));
    // A double click on cursor A places B there first: B is the one that goes.
    QCOMPARE(marks::snappedAt({clicked, clicked}, clicked, parameters, TimeAxis{periods}),
             (std::vector<double>{clicked, snapped}));
    // A wave far faster than the steps can follow still ends its search on the graph.
    const auto aliased = marks::nearestExtremum({1, 1e300, 0}, clicked, TimeAxis{periods});
    QVERIFY(!aliased || marks::onAxis(*aliased, TimeAxis{periods}));
}

// In a black-and-white print the three traces differ in grey, and in shape: the sum's dots are
// larger, the second's come in dashes, the first's stay whole. Elsewhere dots are as drawn,
// but the sum's, which a hidden sum leaves out.
void TestLesson::printKeepsTheTracesApartInGrey()
{
    auto grey = [](Ink ink) {
        const std::uint32_t rgb = rgbOf(ink, Colours::Print);
        return 0.299 * (rgb >> 16) + 0.587 * ((rgb >> 8) & 0xFF) + 0.114 * (rgb & 0xFF);
    };
    QVERIFY(grey(Ink::Red) - grey(Ink::Green) > 25 && grey(Ink::Green) - grey(Ink::Foreground) > 25);
    QVERIFY(grey(Ink::BackgroundGrey) > 250 && grey(Ink::White) > 200 && grey(Ink::LightYellow) > 200);

    const Look print(Colours::Print);
    int firstShown = 0, secondShown = 0;
    const int dots = 600;
    for (int i = 0; i < dots; ++i) {
        const Point at{340 + 0.314 * i, 390.5};
        firstShown += marks::onTimeGraph(at) && dotAsPainted({at, kDotRadius, Ink::Green}, print).has_value();
        secondShown += dotAsPainted({at, kDotRadius, Ink::Red}, print).has_value();
    }
    QCOMPARE(firstShown, dots);
    QVERIFY(secondShown > dots * 2 / 5 && secondShown < dots * 3 / 5);
    // Between two dashes a gap stays open, a pixel at least, beside dots 2,6 pixels across.
    double lastShown = -1, widestGap = 0;
    for (double x = 340; x < 400; x += 0.05) {
        if (!dotAsPainted({{x, 390.5}, kDotRadius, Ink::Red}, print))
            continue;
        if (lastShown >= 0 && x - lastShown > 0.1)
            widestGap = std::max(widestGap, x - lastShown);
        lastShown = x;
    }
    QVERIFY2(widestGap - 2.6 >= 1, qPrintable(QString::number(widestGap)));
    QVERIFY(dotAsPainted({{400, 390.5}, kDotRadius, Ink::Foreground}, print)->radius > 2 * kDotRadius);

    const Circle sum{{400, 390.5}, kDotRadius, Ink::Foreground};
    QCOMPARE(dotAsPainted(sum, Look(Colours::ColourBlind)), std::optional(sum));
    QCOMPARE(dotAsPainted(sum, Look(Colours::Standard, true)), std::nullopt);
    QVERIFY(!isPainted(Line{{340, 300}, {341, 300}, Ink::MidGrey}, Look(Colours::Standard, true)));
    // The lower diagram's second vector traces the sum: hidden with it; the upper one is not.
    const Line lowerSecond{{210, 360.5}, {240, 330}, Ink::Red}, upperSecond{{450, 150.5}, {480, 120}, Ink::Red};
    QVERIFY(!isPainted(lowerSecond, Look(Colours::Standard, true)));
    QVERIFY(!isPainted(Line{lowerSecond.from, lowerSecond.to, Ink::LightYellow}, Look(Colours::Print, true)));
    QVERIFY(isPainted(lowerSecond, Look()) && isPainted(upperSecond, Look(Colours::Standard, true)));
}

// On every axis the labels' ticks stand on the graph, one a period; the envelope follows the
// sum's at the time of each dash; with the sum hidden there is no resultant to give it away;
// and the legend lies below the lowest a trace reaches, within the picture, its words twice as
// large too.
void TestLesson::marksKeepToTheGraphOnEveryAxis()
{
    const Parameters beats{1.5, 1.1, 30};
    for (const int periods : kAxisPeriods)
    for (const int textScale : {1, 2}) {
        const TimeAxis axis{periods};
        const marks::Marks labels = marks::labels(beats, 700, axis, true, Colours::Standard, textScale);
        int ticks = 0;
        for (const marks::MarkLine &line : labels.lines)
            if (line.from.x == line.to.x && line.from.y == 390.5 - 4) {
                ++ticks;
                QVERIFY2(line.from.x > 340 && line.from.x <= traceX(axis.steps(), axis), qPrintable(QString::number(line.from.x)));
            }
        QCOMPARE(ticks, int(std::floor(marks::spanInPeriods(axis))));
        // The lowest a trace reaches: the sum of the largest amplitude, 50 · 2,5 below the axis.
        constexpr double kLowestTrace = 390.5 + 125;
        for (const marks::MarkText &text : labels.texts)
            if (text.text.starts_with("y₁ (") || text.text.starts_with("y₂ (") || text.text == "y = y₁ + y₂")
                QVERIFY2(text.baselineStart.y - text.pixels > kLowestTrace && text.baselineStart.y + text.pixels / 4 <= 573,
                         text.text.c_str());
        for (const marks::MarkLine &line : labels.lines)
            if (line.from.x >= 420 && line.from.y == line.to.y)
                QVERIFY(line.from.y - line.width / 2 > kLowestTrace);
        const DrawOps envelope = readouts::envelopeOps(beats, axis);
        for (std::size_t i = 1; i < envelope.size() && i < 40; ++i) {
            const auto *dash = std::get_if<Line>(&envelope[i]);
            if (!dash)
                continue;
            const double t = (dash->from.x - 340) * periods / (2 * 31.4 * 2 * std::numbers::pi);
            const double height = 50 * std::abs(std::complex<double>(1) +
                                                std::polar(1.5, 0.1 * 2 * std::numbers::pi * t + 30 * 0.0175));
            QVERIFY2(std::abs(std::abs(dash->from.y - 390.5) - height) < 1e-6, qPrintable(QString::number(periods)));
        }
    }
    const marks::Marks hidden = marks::labels(beats, 700, {}, false, Colours::Standard);
    QVERIFY(std::ranges::none_of(hidden.lines, [](const marks::MarkLine &line) { return line.width == 2; }));
    QVERIFY(std::ranges::none_of(hidden.texts, [](const marks::MarkText &text) { return text.text == "y = y₁ + y₂"; }));
}

QTEST_GUILESS_MAIN(TestLesson)
#include "tst_lesson.moc"
