#include "core/Clip.h"
#include "core/DotRaster.h"
#include "core/SceneGeometry.h"
#include "core/SceneSetup.h"
#include "core/StartChecks.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace vlnokres;

Q_DECLARE_METATYPE(vlnokres::Refusal)

// The plain arithmetic of the scene: its derived geometry, the set-up it draws, the checks of
// the parameters, and the clipping and dots that keep any value drawable.
class TestScene : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void geometryDerivesFromTheBaseSize();
    void setupClearsBottomUpThenDrawsTheAxes();
    void acceptedParameters_data();
    void acceptedParameters();
    void refusedParameters_data();
    void refusedParameters();
    void refusalsSpeakCzech_data();
    void refusalsSpeakCzech();
    void clipMatchesTheExactLine_data();
    void clipMatchesTheExactLine();
    void clipDropsWhatCannotBeDrawn();
    void dotIsSolidAndCoversItsCentre_data();
    void dotIsSolidAndCoversItsCentre();
    void largeCircleIsARing();
    void dotsOffTheSurfaceDrawNothing();
};

void TestScene::geometryDerivesFromTheBaseSize()
{
    using namespace scene;
    QCOMPARE(kAxisLeft, 50.0);
    QCOMPARE(kUpperY, 150.5);
    QCOMPARE(kLowerY, 390.5);
    QCOMPARE(kFirstOriginX, 170.0);
    QCOMPARE(kSecondOriginX, 450.0);
    QCOMPARE(kGraphOriginX, 340.0);
    QCOMPARE(secondLength(1.5), 75.0);
    QCOMPARE(secondLength(0.001), 0.05);
    QVERIFY(kUpperAxis == (Line{{50, 150.5}, {750, 150.5}}));
    QVERIFY(kLowerAxis == (Line{{50, 390.5}, {770, 390.5}}));
    QVERIFY(kTimeAxis == (Line{{340, 230.5}, {340, 550.5}}));
}

void TestScene::setupClearsBottomUpThenDrawsTheAxes()
{
    const DrawOps ops = sceneSetup();
    QCOMPARE(ops.size(), std::size_t(1 + 530 + 3 + 1));
    QVERIFY(ops.front() == DrawOp(PenWidth{1}));
    QVERIFY(ops[1] == DrawOp(Line{{1, 580}, {800, 580}, Ink::BackgroundGrey}));
    QVERIFY(ops[530] == DrawOp(Line{{1, 51}, {800, 51}, Ink::BackgroundGrey}));
    QVERIFY(ops[531] == DrawOp(scene::kUpperAxis));
    QVERIFY(ops[532] == DrawOp(scene::kLowerAxis));
    QVERIFY(ops[533] == DrawOp(scene::kTimeAxis));
    QVERIFY(ops.back() == DrawOp(PenWidth{2}));
}

void TestScene::acceptedParameters_data()
{
    QTest::addColumn<double>("amplitude");
    QTest::addColumn<double>("runAmplitude");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("limit itself passes") << 1.5 << 1.5 << false;
    QTest::newRow("negative passes") << -1.0 << -1.0 << false;
    QTest::newRow("huge negative passes") << -1e300 << -1e300 << false;
    QTest::newRow("zero becomes a thousandth") << 0.0 << 0.001 << true;
    QTest::newRow("negative zero too") << -0.0 << 0.001 << true;
}

void TestScene::acceptedParameters()
{
    QFETCH(double, amplitude);
    QFETCH(double, runAmplitude);
    QFETCH(bool, replaced);
    const auto checked = checkParameters({amplitude, 2.0, 90.0});
    QVERIFY(std::holds_alternative<Parameters>(checked));
    const Parameters p = std::get<Parameters>(checked);
    QCOMPARE(p.amplitude, runAmplitude);
    QCOMPARE(p.amplitudeReplaced, replaced);
    QCOMPARE(p.frequency, 2.0);
    QCOMPARE(p.phaseDegrees, 90.0);
}

void TestScene::refusedParameters_data()
{
    using R = std::optional<double>;
    QTest::addColumn<R>("amplitude");
    QTest::addColumn<R>("frequency");
    QTest::addColumn<R>("phase");
    QTest::addColumn<Refusal>("refusal");
    QTest::newRow("above limit") << R(1.6) << R(1) << R(90) << Refusal::AmplitudeAboveLimit;
    QTest::newRow("amplitude first") << R() << R() << R() << Refusal::AmplitudeNotNumber;
    QTest::newRow("limit before frequency") << R(2) << R() << R() << Refusal::AmplitudeAboveLimit;
    QTest::newRow("frequency before phase") << R(0) << R() << R() << Refusal::FrequencyNotNumber;
    QTest::newRow("phase") << R(0.5) << R(1) << R() << Refusal::PhaseNotNumber;
    // Infinities stand for numbers too large for a double.
    QTest::newRow("too large amplitude is over the limit") << R(qInf()) << R() << R() << Refusal::AmplitudeAboveLimit;
    QTest::newRow("too large negative amplitude") << R(-qInf()) << R(1) << R(90) << Refusal::AmplitudeOutOfRange;
    QTest::newRow("too large frequency") << R(1) << R(-qInf()) << R(90) << Refusal::FrequencyOutOfRange;
    QTest::newRow("too large phase") << R(1) << R(1) << R(qInf()) << Refusal::PhaseOutOfRange;
    QTest::newRow("second vector's length overflows") << R(-1e307) << R(1) << R(90) << Refusal::AmplitudeOutOfRange;
}

void TestScene::refusedParameters()
{
    QFETCH(std::optional<double>, amplitude);
    QFETCH(std::optional<double>, frequency);
    QFETCH(std::optional<double>, phase);
    QFETCH(Refusal, refusal);
    const auto checked = checkParameters({amplitude, frequency, phase});
    QVERIFY(std::holds_alternative<Refusal>(checked));
    QCOMPARE(std::get<Refusal>(checked), refusal);
}

// The one place the refusals' Czech words are written out; every other test asks messageFor.
void TestScene::refusalsSpeakCzech_data()
{
    QTest::addColumn<Refusal>("refusal");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    const QString notNumber = QStringLiteral("Neplatná hodnota");
    QTest::newRow("limit") << Refusal::AmplitudeAboveLimit << QStringLiteral("Omezení amplitudy")
                           << QStringLiteral("Aplikace nedovoluje větší amplitudu než 1,5");
    QTest::newRow("amplitude") << Refusal::AmplitudeNotNumber << notNumber << QStringLiteral("Amplituda musí být číslo.");
    QTest::newRow("frequency") << Refusal::FrequencyNotNumber << notNumber << QStringLiteral("Kmitočet musí být číslo.");
    QTest::newRow("phase") << Refusal::PhaseNotNumber << notNumber << QStringLiteral("Fázový posun musí být číslo.");
    QTest::newRow("amplitude range") << Refusal::AmplitudeOutOfRange << notNumber
                                     << QStringLiteral("Amplituda je mimo rozsah čísel, se kterými program počítá.");
    QTest::newRow("frequency range") << Refusal::FrequencyOutOfRange << notNumber
                                     << QStringLiteral("Kmitočet je mimo rozsah čísel, se kterými program počítá.");
    QTest::newRow("phase range") << Refusal::PhaseOutOfRange << notNumber
                                 << QStringLiteral("Fázový posun je mimo rozsah čísel, se kterými program počítá.");
}

void TestScene::refusalsSpeakCzech()
{
    QFETCH(Refusal, refusal);
    QFETCH(QString, title);
    QFETCH(QString, text);
    const Message message = messageFor(refusal);
    QCOMPARE(QString::fromUtf8(message.title), title);
    QCOMPARE(QString::fromUtf8(message.text), text);
}

namespace {
const Rect kCanvas{-8, -8, 800, 581};

// The crossing of the line a–b with x = at, in extended precision, from the endpoint nearer
// to it: from the farther one the offset alone would swallow a canvas-sized difference.
long double exactYAt(Point a, Point b, long double at)
{
    if (std::abs(b.x - at) < std::abs(a.x - at))
        std::swap(a, b);
    const long double ax = a.x, ay = a.y, bx = b.x, by = b.y;
    return ay + (at - ax) * ((by - ay) / (bx - ax));
}
} // namespace

void TestScene::clipMatchesTheExactLine_data()
{
    QTest::addColumn<Point>("a");
    QTest::addColumn<Point>("b");
    const double big = 3e38;
    QTest::newRow("inside stays") << Point{10, 20} << Point{300, 400};
    QTest::newRow("huge diagonal into the canvas") << Point{-big, -big} << Point{400, 300};
    QTest::newRow("huge shallow line") << Point{-big, 100} << Point{big, 200};
    QTest::newRow("longest vector") << Point{450, 150.5} << Point{450 - 1e308, 150.5 + 7e307};
    QTest::newRow("steep line") << Point{300, -1e300} << Point{301, 1e300};
}

void TestScene::clipMatchesTheExactLine()
{
    QFETCH(Point, a);
    QFETCH(Point, b);
    const auto clipped = clipSegment(a, b, kCanvas);
    QVERIFY(clipped);
    for (const Point &p : {clipped->first, clipped->second}) {
        QVERIFY2(p.x >= kCanvas.left - 1e-9 && p.x <= kCanvas.right + 1e-9, qPrintable(QString::number(p.x)));
        QVERIFY2(p.y >= kCanvas.top - 1e-9 && p.y <= kCanvas.bottom + 1e-9, qPrintable(QString::number(p.y)));
        // On the true line: compare y where the line is not steep, x where it is.
        if (std::abs(b.x - a.x) >= std::abs(b.y - a.y))
            QVERIFY(std::abs(exactYAt(a, b, p.x) - p.y) < 1e-6);
        else
            QVERIFY(std::abs(exactYAt({a.y, a.x}, {b.y, b.x}, p.y) - p.x) < 1e-6);
    }
}

void TestScene::clipDropsWhatCannotBeDrawn()
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QVERIFY(!clipSegment({0, 0}, {inf, 0}, kCanvas));
    QVERIFY(!clipSegment({nan, 0}, {10, 10}, kCanvas));
    QVERIFY(!clipSegment({-100, -100}, {-50, 900}, kCanvas)); // wholly left of it
    QVERIFY(!clipSegment({-1e300, 0}, {0, -1e300}, kCanvas)); // passes by the corner
}

void TestScene::dotIsSolidAndCoversItsCentre_data()
{
    QTest::addColumn<Point>("centre");
    QTest::newRow("first dot of the first wave") << Point{340.314, 390.0};
    QTest::newRow("on a pixel centre") << Point{100.5, 100.5};
    QTest::newRow("on a pixel corner") << Point{100, 100};
}

void TestScene::dotIsSolidAndCoversItsCentre()
{
    QFETCH(Point, centre);
    const auto spans = circleSpans(centre, 0.3, 2, 792, 573);
    QVERIFY(!spans.empty());
    int pixels = 0;
    bool centreCovered = false;
    const int cx = int(std::floor(centre.x)), cy = int(std::floor(centre.y));
    for (const PixelSpan &s : spans) {
        pixels += s.xLast - s.xFirst + 1;
        QVERIFY(s.xLast - s.xFirst + 1 <= 3);
        centreCovered |= s.y == cy && s.xFirst <= cx && cx <= s.xLast;
    }
    QVERIFY(centreCovered);
    QVERIFY(pixels >= 4 && pixels <= 6);
    // One span per row: no hole.
    for (std::size_t i = 1; i < spans.size(); ++i)
        QVERIFY(spans[i].y != spans[i - 1].y);
}

void TestScene::largeCircleIsARing()
{
    const auto spans = circleSpans({200.5, 200.5}, 50, 2, 792, 573);
    bool centreRowHasHole = false;
    for (const PixelSpan &s : spans)
        if (s.y == 200)
            centreRowHasHole |= s.xLast < 200;
    QVERIFY(centreRowHasHole);

    // A circle so large that its radius squared overflows still draws its outline where it
    // crosses the surface: its leftmost point is x 0, so its two-pixel pen covers the first
    // column, the one pixel centred within a pixel of x 0, in every row.
    for (double huge : {1e200, 1e300}) {
        const auto band = circleSpans({huge, 300}, huge, 2, 792, 573);
        QCOMPARE(band.size(), std::size_t(573));
        for (const PixelSpan &s : band)
            QVERIFY2(s.xFirst == 0 && s.xLast == 0,
                     qPrintable(QStringLiteral("row %1: %2..%3").arg(s.y).arg(s.xFirst).arg(s.xLast)));
    }
}

void TestScene::dotsOffTheSurfaceDrawNothing()
{
    const double inf = std::numeric_limits<double>::infinity();
    QVERIFY(circleSpans({1e300, 5}, 0.3, 2, 792, 573).empty());
    QVERIFY(circleSpans({400, -1e300}, 0.3, 2, 792, 573).empty());
    QVERIFY(circleSpans({-3, 300}, 0.3, 2, 792, 573).empty());
    QVERIFY(circleSpans({5, 5}, inf, 2, 792, 573).empty());
    QVERIFY(circleSpans({std::nan(""), 5}, 0.3, 2, 792, 573).empty());
    // Half on the surface: only the pixels inside it.
    const auto edge = circleSpans({0.2, 300}, 0.3, 2, 792, 573);
    QVERIFY(!edge.empty());
    for (const PixelSpan &s : edge)
        QCOMPARE(s.xFirst, 0);
}

QTEST_GUILESS_MAIN(TestScene)
#include "tst_scene.moc"
