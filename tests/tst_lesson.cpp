#include "core/Ink.h"
#include "core/LessonMarks.h"
#include "core/Readouts.h"
#include "core/TraceStyle.h"

#include <QTest>

#include <cmath>
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
    void printKeepsTheTracesApartInGrey();
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

QTEST_GUILESS_MAIN(TestLesson)
#include "tst_lesson.moc"
