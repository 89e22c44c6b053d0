#include "core/AnimationFrames.h"
#include "core/Drawing.h"
#include "core/SceneGeometry.h"
#include "core/SceneSetup.h"
#include "core/StepOperations.h"
#include "core/Zoom.h"

#include <QTest>

using namespace vlnokres;

// What the view keeps and how it scales: the drawing as operations that still show, and the
// zoom arithmetic of the window.
class TestView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void drawingKeepsEverySceneUntilTheNextClear();
    void clearKeepsWhatReachesOutsideTheBand();
    void zoomFitsTheDesignInTheWindow();
    void zoomStepsStayWithinTheirBounds();
    void windowStartsSmallerOnlyOnASmallScreen_data();
    void windowStartsSmallerOnlyOnASmallScreen();
    void animationFramesKeepRealTime_data();
    void animationFramesKeepRealTime();
};

namespace {
const SecondSinusoid kDefaults{25, 1, 90};

std::size_t drawnOps(const DrawOps &ops)
{
    return std::size_t(std::ranges::count_if(ops, [](const DrawOp &op) { return !std::holds_alternative<PenWidth>(op); }));
}
} // namespace

void TestView::drawingKeepsEverySceneUntilTheNextClear()
{
    Drawing drawing;
    drawing.beginScene();
    drawing.draw(sceneSetup());
    for (int t = 1; t <= kSteps; ++t)
        drawing.draw(stepOps(kDefaults, t));
    drawing.draw(finishingOps());
    // A whole run: 530 clearing lines, 3 axes, 11 operations a step and 2 axes again.
    QCOMPARE(drawnOps(drawing.ops()), std::size_t(530 + 3 + 11 * kSteps + 2));

    // The next scene's clear covers all of it: nothing of the first run is kept, however
    // many runs there are.
    for (int run = 0; run < 3; ++run) {
        drawing.beginScene();
        QVERIFY(drawing.empty());
        drawing.draw(sceneSetup());
        drawing.draw(stepOps(kDefaults, 1));
    }
    QCOMPARE(drawnOps(drawing.ops()), std::size_t(530 + 3 + 11));

    // Refused Starts set the pen and draw nothing: they leave one pen width, not one each.
    const std::size_t before = drawing.ops().size();
    for (int refused = 0; refused < 1000; ++refused)
        drawing.draw({PenWidth{1}});
    QVERIFY(drawing.ops().size() <= before + 1);
}

void TestView::clearKeepsWhatReachesOutsideTheBand()
{
    // A vector of huge length crosses the strip of the controls, where no clear reaches; the
    // pen width it was drawn with comes along.
    const Line across{{450, 150.5}, {450 - 1e6, 150.5 - 1e6}, Ink::Red};
    const Line inside{{400, 300}, {420, 310}, Ink::Green};
    const Line leftColumn{{0.2, 300}, {0.2, 310}, Ink::Green}; // x 1 to 800 is cleared, not x 0
    Drawing drawing;
    drawing.draw({PenWidth{2}, inside, across, PenWidth{1}, leftColumn, inside});
    drawing.beginScene();
    QCOMPARE(drawing.ops().size(), std::size_t(4));
    QVERIFY(drawing.ops()[0] == DrawOp(PenWidth{2}));
    QVERIFY(drawing.ops()[1] == DrawOp(across));
    QVERIFY(drawing.ops()[2] == DrawOp(PenWidth{1}));
    QVERIFY(drawing.ops()[3] == DrawOp(leftColumn));

    // Exactly at the band's edge: a one-pixel line on row 51 is covered, one on row 50 not.
    QVERIFY(paintsOnlyWithin(Line{{100, 51}, {200, 51}}, 1, scene::kClearedBand));
    QVERIFY(!paintsOnlyWithin(Line{{100, 50}, {200, 50}}, 1, scene::kClearedBand));
}

void TestView::zoomFitsTheDesignInTheWindow()
{
    QCOMPARE(zoom::toFit(792, 573), 1.0);
    QCOMPARE(zoom::toFit(1920, 1080), 1080.0 / 573); // the height limits
    QCOMPARE(zoom::toFit(1000, 2000), 1000.0 / 792); // the width limits
    QCOMPARE(zoom::toFit(3840, 2160), 2160.0 / 573);
}

void TestView::zoomStepsStayWithinTheirBounds()
{
    QCOMPARE(zoom::larger(1), 1.25);
    QCOMPARE(zoom::smaller(zoom::larger(1)), 1.0);
    QCOMPARE(zoom::smaller(1), 0.8);
    QCOMPARE(zoom::smaller(0.55), 0.5);
    QCOMPARE(zoom::smaller(0.5), 0.5);
}

void TestView::windowStartsSmallerOnlyOnASmallScreen_data()
{
    QTest::addColumn<QSize>("free");
    QTest::addColumn<double>("zoom");
    QTest::newRow("projector") << QSize(1920, 1050) << 1.0;
    QTest::newRow("the design's own screen") << QSize(792, 573) << 1.0;
    QTest::newRow("800 × 480 netbook") << QSize(792, 453) << 453.0 / 573;
    QTest::newRow("tiny") << QSize(300, 200) << 0.5;
}

void TestView::windowStartsSmallerOnlyOnASmallScreen()
{
    QFETCH(QSize, free);
    QFETCH(double, zoom);
    QCOMPARE(zoom::atStart(free.width(), free.height()), zoom);
}

void TestView::animationFramesKeepRealTime_data()
{
    QTest::addColumn<int>("slowdown");
    QTest::addColumn<QList<int>>("firstFrames"); // step, hundredths of a second; step, …
    QTest::addColumn<int>("frames");
    QTest::newRow("1: 20 steps of 1 ms") << 1 << QList<int>{1, 2, 21, 2, 41, 2} << 65 + 1;
    QTest::newRow("2: 5 steps of 4 ms") << 2 << QList<int>{1, 2, 6, 2, 11, 2} << 260 + 1;
    // 27 ms, 54 ms, 81 ms …, each rounded where its frame begins.
    QTest::newRow("3: 3 steps of 9 ms") << 3 << QList<int>{1, 3, 4, 2, 7, 3, 10, 3, 13, 3, 16, 2} << 434;
    QTest::newRow("5: a step a frame") << 5 << QList<int>{1, 3, 2, 2, 3, 3} << 1300 + 1;
}

// A frame shows the run after its first step, from where that step is drawn until the next
// frame's; the finished picture is held three seconds.
void TestView::animationFramesKeepRealTime()
{
    QFETCH(int, slowdown);
    QFETCH(QList<int>, firstFrames);
    QFETCH(int, frames);
    const std::vector<animation::Frame> got = animation::framesOf(slowdown);
    QCOMPARE(int(got.size()), frames);
    for (qsizetype i = 0; i < firstFrames.size() / 2; ++i) {
        QCOMPARE(got[std::size_t(i)].step, firstFrames[2 * i]);
        QCOMPARE(got[std::size_t(i)].centiseconds, firstFrames[2 * i + 1]);
    }
    QVERIFY(got.back().finished && got.back().step == kSteps && got.back().centiseconds == 300);
}

QTEST_GUILESS_MAIN(TestView)
#include "tst_view.moc"
