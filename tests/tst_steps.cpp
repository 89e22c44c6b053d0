#include "core/BoxSteps.h"
#include "core/Pace.h"
#include "core/Readouts.h"
#include "core/StepOperations.h"
#include "core/VectorDrag.h"
#include "core/SceneGeometry.h"

#include <QPointF>
#include <QTest>

#include <cmath>
#include <numbers>
#include <limits>

using namespace vlnokres;
using namespace std::chrono_literals;

Q_DECLARE_METATYPE(vlnokres::SteppedBox)
Q_DECLARE_METATYPE(vlnokres::drag::Diagram)

// The run's arithmetic: what each step draws, where the traces go, and how long each pause is.
class TestSteps : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstStepStartsFromAngleZeroAndPhase();
    void stepsFollowOneAnother();
    void tracesShareTheirXAcrossTheGraph();
    void longerAxisHoldsMoreOfTheSameSteps_data();
    void longerAxisHoldsMoreOfTheSameSteps();
    void negativeFrequencyTurnsBackButAdvances();
    void zeroFrequencyHoldsTheSecondVectorStill();
    void hugeValuesStayDrawable();
    void finishingRedrawsBothHorizontalAxes();
    void perpendicularStepsTraceTheFigure_data();
    void perpendicularStepsTraceTheFigure();
    void readoutsOfTheSum_data();
    void readoutsOfTheSum();
    void dragPutsTheTipUnderThePointer_data();
    void dragPutsTheTipUnderThePointer();
    void boxesStepByTheirUnit_data();
    void boxesStepByTheirUnit();
    void pauseGrowsWithTheSquareOfTheSlowdown_data();
    void pauseGrowsWithTheSquareOfTheSlowdown();
};

namespace {
const SecondSinusoid kDefaults{25, 1, 90};

const Line &lineAt(const DrawOps &ops, std::size_t i) { return std::get<Line>(ops.at(i)); }
const Circle &dotAt(const DrawOps &ops, std::size_t i) { return std::get<Circle>(ops.at(i)); }

bool near(double a, double b) { return std::abs(a - b) < 1e-9; }
} // namespace

void TestSteps::firstStepStartsFromAngleZeroAndPhase()
{
    const DrawOps ops = stepOps(kDefaults, 1);
    QCOMPARE(ops.size(), std::size_t(11));
    const double phi = 90 * 0.0175;

    // Upper diagram: white over angle 0, green at 0.01 rad; light yellow over φ, red at φ + 0.01.
    QVERIFY(lineAt(ops, 0) == (Line{{170, 150.5}, {220, 150.5}, Ink::White}));
    QVERIFY(lineAt(ops, 1) == (Line{{170, 150.5}, {170 + 50 * std::cos(0.01), 150.5 - 50 * std::sin(0.01)}, Ink::Green}));
    QVERIFY(lineAt(ops, 3) == (Line{{450, 150.5}, {450 + 25 * std::cos(phi), 150.5 - 25 * std::sin(phi)}, Ink::LightYellow}));
    QCOMPARE(lineAt(ops, 4).ink, Ink::Red);
    QVERIFY(near(lineAt(ops, 4).to.x, 450 + 25 * std::cos(phi + 0.01)));

    // Lower diagram: the second vector starts at the first one's tip.
    QVERIFY(lineAt(ops, 6) == (Line{{170, 390.5}, {220, 390.5}, Ink::White}));
    QCOMPARE(lineAt(ops, 8).from, lineAt(ops, 6).to);
    QCOMPARE(lineAt(ops, 9).from, lineAt(ops, 7).to);
    QVERIFY(near(lineAt(ops, 9).to.y, lineAt(ops, 7).to.y - 25 * std::sin(phi + 0.01)));

    // The three dots: green, red and the sum, radius 0.3.
    QVERIFY(dotAt(ops, 2) == (Circle{{340 + 0.314, 390.5 - 50 * std::sin(0.01)}, 0.3, Ink::Green}));
    QCOMPARE(dotAt(ops, 5).ink, Ink::Red);
    QVERIFY(near(dotAt(ops, 5).centre.y, 390.5 - 25 * std::sin(phi + 0.01)));
    QCOMPARE(dotAt(ops, 10).ink, Ink::Foreground);
    QVERIFY(near(dotAt(ops, 10).centre.y, 390.5 - 50 * std::sin(0.01) - 25 * std::sin(phi + 0.01)));
}

void TestSteps::stepsFollowOneAnother()
{
    // Each step's white and light-yellow lines cover exactly the previous step's vectors.
    for (int t : {2, 1300}) {
        const DrawOps before = stepOps(kDefaults, t - 1);
        const DrawOps now = stepOps(kDefaults, t);
        for (std::size_t i : {0u, 3u, 6u, 8u}) {
            QCOMPARE(lineAt(now, i).from, lineAt(before, i + 1).from);
            QVERIFY(near(lineAt(now, i).to.x, lineAt(before, i + 1).to.x));
            QVERIFY(near(lineAt(now, i).to.y, lineAt(before, i + 1).to.y));
        }
    }
}

void TestSteps::tracesShareTheirXAcrossTheGraph()
{
    for (double f : {1.0, 2.0, 0.3, -1.0}) {
        double previous = 340;
        for (int t = 1; t <= kSteps; ++t) {
            const DrawOps ops = stepOps({25, f, 90}, t);
            const double x = dotAt(ops, 2).centre.x;
            QCOMPARE(dotAt(ops, 5).centre.x, x);
            QCOMPARE(dotAt(ops, 10).centre.x, x);
            QVERIFY(near(x - previous, 0.314));
            previous = x;
        }
        QVERIFY(near(previous, 748.2));
    }
}

// A longer time axis: as many more steps in the graph's width, each turning the vectors as the
// designed step of that number does; the last dots at x 748,2 whatever the span.
void TestSteps::longerAxisHoldsMoreOfTheSameSteps_data()
{
    QTest::addColumn<int>("periods");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("pageSteps");
    QTest::newRow("designed") << 2 << 1300 << 50;
    QTest::newRow("20 periods") << 20 << 13000 << 500;
    QTest::newRow("100 periods") << 100 << 65000 << 2500;
}

void TestSteps::longerAxisHoldsMoreOfTheSameSteps()
{
    QFETCH(int, periods);
    QFETCH(int, steps);
    QFETCH(int, pageSteps);
    const TimeAxis axis{periods};
    QCOMPARE(axis.steps(), steps);
    QCOMPARE(axis.pageSteps(), pageSteps);
    const SecondSinusoid second{25, 1.1, 30};
    for (const int t : {1, 777, steps}) {
        const DrawOps longer = stepOps(second, t, axis), designed = stepOps(second, t);
        for (std::size_t i = 0; i < longer.size(); ++i) {
            if (const auto *dot = std::get_if<Circle>(&longer[i])) {
                QCOMPARE(dot->centre.y, std::get<Circle>(designed[i]).centre.y);
                QVERIFY(std::abs(dot->centre.x - (340 + 408.2 * t / steps)) < 1e-9);
            } else {
                QVERIFY(longer[i] == designed[i]); // the vectors, as designed
            }
        }
    }
    QVERIFY(std::abs(traceX(steps, axis) - 748.2) < 1e-9);
}

void TestSteps::negativeFrequencyTurnsBackButAdvances()
{
    const SecondSinusoid backwards{25, -1, 0};
    const DrawOps first = stepOps(backwards, 1);
    // From angle 0 the red vector turns clockwise: below the axis on screen, y grows.
    QVERIFY(lineAt(first, 4).to.y > 150.5);
    QVERIFY(dotAt(first, 5).centre.y > 390.5);
    QVERIFY(dotAt(stepOps(backwards, 2), 5).centre.x > dotAt(first, 5).centre.x);
}

void TestSteps::zeroFrequencyHoldsTheSecondVectorStill()
{
    const SecondSinusoid still{25, 0, 30};
    const double level = 390.5 - 25 * std::sin(30 * 0.0175);
    for (int t : {1, 650, 1300}) {
        const DrawOps ops = stepOps(still, t);
        QVERIFY(std::isfinite(dotAt(ops, 5).centre.x));
        QVERIFY(near(dotAt(ops, 5).centre.y, level));
        QCOMPARE(lineAt(ops, 4).to, lineAt(ops, 3).to);
    }
}

void TestSteps::hugeValuesStayDrawable()
{
    // For every value the checks accept, every step's arithmetic stays finite; the clipping
    // takes the rest.
    const double largest = std::numeric_limits<double>::max();
    for (const SecondSinusoid second : {SecondSinusoid{-1e300 * 50, 1e300, 1e300}, SecondSinusoid{-largest, 1, 90},
                                        SecondSinusoid{25, 1e306, 90}, SecondSinusoid{25, -largest, largest}})
        for (int t : {1, 180, 1300})
            for (const DrawOp &op : stepOps(second, t)) {
                const auto *line = std::get_if<Line>(&op);
                const Point at = line ? line->to : std::get<Circle>(op).centre;
                QVERIFY2(std::isfinite(at.x) && std::isfinite(at.y), qPrintable(QString::number(second.frequency)));
            }
    // Where t · f no longer fits a double (from step 180 at 1e306), the vector still turns by
    // the same angle a step as before.
    const SecondSinusoid fast{25, 1e306, 0};
    auto turn = [&](int t) { return std::remainder(secondAngle(fast, t + 1) - secondAngle(fast, t), 2 * std::numbers::pi); };
    QVERIFY(near(turn(180), turn(1)) && near(turn(1299), turn(1)));
}

void TestSteps::readoutsOfTheSum_data()
{
    QTest::addColumn<double>("amplitude");
    QTest::addColumn<double>("frequency");
    QTest::addColumn<double>("phase");
    // The sum's amplitude and phase; or its envelope's least, most and period; or its range.
    QTest::addColumn<QString>("shape");
    QTest::addColumn<QList<double>>("expected");
    QTest::newRow("a quarter turn ahead") << 1.0 << 1.0 << 90.0 << "sinusoid" << QList<double>{1.41121, 45.0};
    QTest::newRow("half as strong") << 0.5 << 1.0 << 90.0 << "sinusoid" << QList<double>{1.11617, 26.5421};
    QTest::newRow("opposite, nearly silent") << 1.0 << 1.0 << 180.0 << "sinusoid" << QList<double>{0.008407, -89.5196};
    QTest::newRow("negative frequency, phase mirrored") << 0.5 << -1.0 << 90.0 << "sinusoid" << QList<double>{1.11991, 26.4460};
    QTest::newRow("beats") << 1.0 << 1.1 << 0.0 << "envelope" << QList<double>{0, 2, 10};
    QTest::newRow("beats below one, negative") << 0.5 << -0.9 << 0.0 << "envelope" << QList<double>{0.5, 1.5, 10};
    QTest::newRow("slowest beats") << 1.0 << 2.0 / 3 << 0.0 << "envelope" << QList<double>{0, 2, 3};
    QTest::newRow("negative amplitude, second harmonic") << -1.5 << 2.0 << 0.0 << "range" << QList<double>{-2.24435, 2.24437};
    QTest::newRow("third harmonic") << 1.0 << 3.0 << 0.0 << "range" << QList<double>{-1.53960, 1.53960};
    QTest::newRow("far apart") << 0.5 << 25.0 << 0.0 << "range" << QList<double>{-1.49911, 1.49990};
}

// The sum's amplitude and phase (in the phase box's degrees) or its envelope; the values at a
// step as the run draws them; and the envelope's dashes, 50 · E(a) about the zero line.
void TestSteps::readoutsOfTheSum()
{
    QFETCH(double, amplitude);
    QFETCH(double, frequency);
    QFETCH(double, phase);
    QFETCH(QString, shape);
    QFETCH(QList<double>, expected);
    const Parameters p{amplitude, frequency, phase};
    QList<double> got;
    if (const auto sum = readouts::sumSinusoid(p))
        got = {sum->amplitude, sum->phaseDegrees};
    else if (const auto e = readouts::envelope(p))
        got = {e->least, e->most, e->periodInFirstPeriods};
    else
        got = {readouts::range(p).least, readouts::range(p).most};
    QCOMPARE(shape, readouts::sumSinusoid(p) ? "sinusoid" : readouts::envelope(p) ? "envelope" : "range");
    QCOMPARE(got.size(), expected.size());
    QCOMPARE(readouts::envelopeOps(p).empty(), shape != "envelope");
    for (qsizetype i = 0; i < got.size(); ++i)
        QVERIFY2(std::abs(got[i] - expected[i]) < 1e-3, qPrintable(QString::number(got[i])));
    const readouts::Values v = readouts::valuesAt(p, 650);
    const DrawOps step = stepOps({50 * amplitude, frequency, phase}, 650);
    QVERIFY(near(390.5 - 50 * v.first, dotAt(step, 2).centre.y) && near(390.5 - 50 * v.second, dotAt(step, 5).centre.y));
    QVERIFY(near(v.sum, v.first + v.second));
    int dashes = 0;
    for (const DrawOp &op : readouts::envelopeOps(p))
        if (const auto *dash = std::get_if<Line>(&op)) {
            // Three pixels drawn, three left out, along the run's 408,2 pixels: 68 a side.
            ++dashes;
            QVERIFY(near(dash->to.x - dash->from.x, 3) && near(std::remainder(dash->from.x - 340, 6), 0));
            const double a = (dash->from.x - 340) / 31.4;
            // A negative frequency turns the other way, its phase mirrored.
            const double lead = frequency > 0 ? (frequency - 1) * a + phase * 0.0175
                                              : (-frequency - 1) * a + std::numbers::pi - phase * 0.0175;
            const double height = 50 * std::hypot(1 + amplitude * std::cos(lead), amplitude * std::sin(lead));
            QVERIFY(dash->ink == Ink::MidGrey && dash->from.x >= 340 && dash->to.x <= 748.2);
            QVERIFY(near(std::abs(dash->from.y - 390.5), height));
        }
    QCOMPARE(dashes, shape == "envelope" ? 2 * 68 : 0);
}

void TestSteps::finishingRedrawsBothHorizontalAxes()
{
    const DrawOps ops = finishingOps();
    QCOMPARE(ops.size(), std::size_t(3));
    QVERIFY(ops[0] == DrawOp(PenWidth{1}));
    QVERIFY(ops[1] == DrawOp(scene::kUpperAxis));
    QVERIFY(ops[2] == DrawOp(scene::kLowerAxis));
}

enum class Figure { Any, RisingLine, Circle, FallingLine };

void TestSteps::perpendicularStepsTraceTheFigure_data()
{
    QTest::addColumn<double>("amplitude");
    QTest::addColumn<double>("frequency");
    QTest::addColumn<double>("phase");
    QTest::addColumn<int>("figure");
    QTest::newRow("ratio 1 at 0°: a line") << 1.0 << 1.0 << 0.0 << int(Figure::RisingLine);
    QTest::newRow("ratio 1 at 90°: a circle") << 1.0 << 1.0 << 90.0 << int(Figure::Circle);
    QTest::newRow("ratio 1 at 180°: the other line") << 1.0 << 1.0 << 180.0 << int(Figure::FallingLine);
    QTest::newRow("ratio 2") << 0.5 << 2.0 << 0.0 << int(Figure::Any);
    QTest::newRow("ratio 1,5") << 1.0 << 1.5 << 90.0 << int(Figure::Any);
    QTest::newRow("a negative frequency") << 1.5 << -2.0 << 45.0 << int(Figure::Any);
}

// At right angles each step puts the figure's dot where the first wave's height, taken along
// x, and the second's, along y, meet; the projections' ticks stand at its x and its y, and the
// next step first paints the last ones over in the band's grey. The time graph keeps the two
// waves, without their sum.
void TestSteps::perpendicularStepsTraceTheFigure()
{
    QFETCH(double, amplitude);
    QFETCH(double, frequency);
    QFETCH(double, phase);
    QFETCH(int, figure);
    const SecondSinusoid second{50 * amplitude, frequency, phase, true};
    for (int t = 1; t <= kSteps; t += 37) {
        const DrawOps ops = stepOps(second, t);
        QCOMPARE(ops.size(), kOpsPerStep);
        const double a = t / 100.0, theta = phase * 0.0175 + frequency * a;
        const Circle &dot = dotAt(ops, 10);
        QVERIFY(near(dot.centre.x, 170 + 50 * std::sin(a)) && near(dot.centre.y, 390.5 - 50 * amplitude * std::sin(theta)));
        QVERIFY(dot.ink == Ink::Foreground && dotAt(ops, 2).centre.x == traceX(t) && dotAt(ops, 5).ink == Ink::Red);
        QVERIFY(lineAt(ops, 7).from.x == dot.centre.x && lineAt(ops, 7).from.y > 390.5 + 125);
        QVERIFY(lineAt(ops, 9).from.y == dot.centre.y && lineAt(ops, 9).to.x < 50);
        const DrawOps previous = stepOps(second, t - 1);
        QVERIFY(lineAt(ops, 6) == (Line{lineAt(previous, 7).from, lineAt(previous, 7).to, Ink::BackgroundGrey}));
        QVERIFY(lineAt(ops, 8) == (Line{lineAt(previous, 9).from, lineAt(previous, 9).to, Ink::BackgroundGrey}));
        const double x = dot.centre.x - 170, y = 390.5 - dot.centre.y;
        switch (Figure(figure)) {
        case Figure::RisingLine: QVERIFY(std::abs(y - x) < 0.5); break;
        case Figure::Circle: QVERIFY(std::abs(std::hypot(x, y) - 50) < 0.5); break;
        case Figure::FallingLine: QVERIFY(std::abs(y + x) < 0.5); break;
        case Figure::Any: break;
        }
    }
}

void TestSteps::dragPutsTheTipUnderThePointer_data()
{
    using drag::Diagram;
    QTest::addColumn<Diagram>("diagram");
    QTest::addColumn<double>("frequency");
    QTest::addColumn<int>("step");
    QTest::addColumn<QPointF>("offset"); // of the pointer from the vector's origin
    QTest::addColumn<bool>("coarse");
    QTest::addColumn<double>("kept"); // the amplitude Shift keeps; none where negative
    QTest::addColumn<double>("amplitude");
    QTest::addColumn<double>("phase");
    QTest::newRow("upper, straight up") << Diagram::Upper << 1.0 << 1300 << QPointF(0, -40) << false << -1.0 << 0.8 << 65.0;
    QTest::newRow("upper, with Ctrl") << Diagram::Upper << 1.0 << 1300 << QPointF(43, 0) << true << -1.0 << 0.9 << -30.0;
    QTest::newRow("beyond the limit") << Diagram::Upper << 1.0 << 1300 << QPointF(0, 100) << false << -1.0 << 1.5 << -115.0;
    QTest::newRow("lower, second harmonic, mid-run") << Diagram::Lower << 2.0 << 650 << QPointF(-30, 0) << false << -1.0
                                                     << 0.6 << 155.0;
    // Straight up is 65° at the last step: 88° is 113° on screen.
    const QPointF at88(40 * std::cos(113 * std::numbers::pi / 180), -40 * std::sin(113 * std::numbers::pi / 180));
    QTest::newRow("Shift: turns only, 88° snaps to 90°") << Diagram::Upper << 1.0 << 1300 << at88 << false << 0.5 << 0.5
                                                         << 90.0;
    QTest::newRow("Shift: 65° is beyond 3° of 60° and 75°") << Diagram::Upper << 1.0 << 1300 << QPointF(0, -40) << false
                                                            << 0.5 << 0.5 << 65.0;
}

// The values a drag gives put the tip back under the pointer; a tip is taken within 8 pixels.
void TestSteps::dragPutsTheTipUnderThePointer()
{
    QFETCH(drag::Diagram, diagram);
    QFETCH(double, frequency);
    QFETCH(int, step);
    QFETCH(QPointF, offset);
    QFETCH(bool, coarse);
    QFETCH(double, kept);
    QFETCH(double, amplitude);
    QFETCH(double, phase);
    const Point origin = drag::secondOrigin(diagram, step);
    const Point pointer{origin.x + offset.x(), origin.y + offset.y()};
    const drag::Values v = drag::valuesFor(diagram, pointer, frequency, step, coarse,
                                           kept < 0 ? std::nullopt : std::optional(kept));
    QCOMPARE(v.amplitude, amplitude);
    QCOMPARE(v.phaseDegrees, phase);
    const Point tip = drag::secondTip(diagram, amplitude, frequency, phase, step);
    if (!coarse && kept < 0 && amplitude < kAmplitudeLimit)
        QVERIFY(std::hypot(tip.x - pointer.x, tip.y - pointer.y) < 1);
    QCOMPARE(drag::grabbed({tip.x + 7, tip.y}, amplitude, frequency, phase, step), std::optional(diagram));
    QCOMPARE(drag::grabbed({tip.x, tip.y + 9}, amplitude, frequency, phase, step), std::nullopt);
    // Every length is the decimal it is written as: 0,83, not 0,8300000000000001.
    for (const auto &[parts, most] : {std::pair{100, 150}, {10, 15}})
        for (int n = 0; n <= most; ++n) {
            const double length = drag::valuesFor(diagram, {origin.x, origin.y - 50.0 * n / parts}, frequency, step,
                                                  parts == 10).amplitude;
            QVERIFY2(length == double(n) / parts, qPrintable(QString::number(length, 'g', 17)));
        }
}

void TestSteps::boxesStepByTheirUnit_data()
{
    QTest::addColumn<SteppedBox>("box");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("steps");
    QTest::addColumn<bool>("fine");
    QTest::addColumn<double>("expected");
    QTest::newRow("amplitude up a tenth") << SteppedBox::Amplitude << 0.2 << 1 << false << 0.3;
    QTest::newRow("amplitude down a hundredth") << SteppedBox::Amplitude << 0.5 << -1 << true << 0.49;
    QTest::newRow("amplitude stops at the limit") << SteppedBox::Amplitude << 1.45 << 1 << false << 1.5;
    QTest::newRow("amplitude down from beyond it") << SteppedBox::Amplitude << 2.0 << -1 << false << 1.9;
    QTest::newRow("amplitude below zero") << SteppedBox::Amplitude << 0.05 << -1 << false << -0.05;
    QTest::newRow("frequency, three notches") << SteppedBox::Frequency << 1.0 << 3 << false << 1.3;
    QTest::newRow("phase by 15°") << SteppedBox::Phase << 90.0 << -1 << false << 75.0;
    QTest::newRow("phase by a degree") << SteppedBox::Phase << 45.5 << 1 << true << 46.5;
    QTest::newRow("huge stays huge") << SteppedBox::Frequency << 1e300 << 1 << false << 1e300;
}

void TestSteps::boxesStepByTheirUnit()
{
    QFETCH(SteppedBox, box);
    QFETCH(double, value);
    QFETCH(int, steps);
    QFETCH(bool, fine);
    QFETCH(double, expected);
    QCOMPARE(steppedValue(box, value, steps, fine), expected);
}

void TestSteps::pauseGrowsWithTheSquareOfTheSlowdown_data()
{
    QTest::addColumn<double>("slowdown");
    QTest::addColumn<long long>("units");
    QTest::addColumn<std::chrono::nanoseconds>("pause");
    QTest::newRow("start-up pace") << 1.0 << 500LL << std::chrono::nanoseconds(1ms);
    QTest::newRow("four") << 4.0 << 8000LL << std::chrono::nanoseconds(16ms);
    QTest::newRow("five") << 5.0 << 12500LL << std::chrono::nanoseconds(25ms);
    QTest::newRow("slowest") << 10.0 << 50000LL << std::chrono::nanoseconds(100ms);
    QTest::newRow("beyond the slowest") << 1e300 << 50000LL << std::chrono::nanoseconds(100ms);
    QTest::newRow("below one, no pause") << 0.5 << 0LL << std::chrono::nanoseconds(0);
    QTest::newRow("not a number, no pause") << std::nan("") << 0LL << std::chrono::nanoseconds(0);
}

void TestSteps::pauseGrowsWithTheSquareOfTheSlowdown()
{
    QFETCH(double, slowdown);
    QFETCH(long long, units);
    QFETCH(std::chrono::nanoseconds, pause);
    QCOMPARE(pauseUnits(slowdown), units);
    QCOMPARE(pausePerStep(slowdown), pause);
}

QTEST_GUILESS_MAIN(TestSteps)
#include "tst_steps.moc"
