#include "core/AnimationRun.h"
#include "core/Canvas.h"
#include "core/FramePacer.h"
#include "core/SceneGeometry.h"
#include "core/SceneSetup.h"

#include <QTest>

#include <functional>

using namespace vlnokres;
using namespace std::chrono_literals;

// The run loop and its pacing, driven exactly and instantly: a canvas that records what is
// drawn, and a clock that moves only when the pacer sleeps or the drawing takes time.
class TestRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void runDrawsSetupStepsAndFinishInOrder();
    void drawingUpToAStepStopsThere_data();
    void drawingUpToAStepStopsThere();
    void stoppedPacerEndsTheRunAtOnce();
    void pacerKeepsAbsoluteDeadlines();
    void pacerServicesEventsAboutOnceAFrame();
    void closedWindowEndsTheRunWithinAFrame();
    void pauseStopsTheRunsClock();
    void movedWhilePausedGoesOnFromThere();
    void stopEndsTheRunAtItsNextWait();
};

namespace {
const SecondSinusoid kDefaults{25, 1, 90};

struct RecordingCanvas final : Canvas {
    std::vector<DrawOps> batches;
    std::function<void()> onDraw;
    void draw(const DrawOps &ops) override
    {
        batches.push_back(ops);
        if (onDraw)
            onDraw();
    }
};

struct FakeClock final : Clock {
    time_point at{};
    int sleeps = 0;
    time_point now() override { return at; }
    void sleepUntil(time_point when) override
    {
        ++sleeps;
        at = std::max(at, when);
    }
};

// Counts its services, and says the window is closed from the given service on; what the
// user does meanwhile happens in onService.
struct CountingPacer final : FramePacer {
    explicit CountingPacer(FakeClock &clock) : FramePacer(clock), clock(clock) {}
    FakeClock &clock;
    std::vector<Clock::time_point> services;
    std::size_t closedFrom = SIZE_MAX;
    std::function<void(std::size_t service)> onService;

protected:
    bool serviceEvents() override
    {
        services.push_back(clock.now());
        if (onService)
            onService(services.size());
        return services.size() < closedFrom;
    }
};

// Ends the run as a closed window does.
struct StoppingPacer final : Pacer {
    int stopAt = 0;
    std::vector<std::chrono::nanoseconds> deadlines;
    void start() override {}
    bool waitUntil(std::chrono::nanoseconds sinceStart) override
    {
        deadlines.push_back(sinceStart);
        return int(deadlines.size()) < stopAt;
    }
    void finish() override { QFAIL("a stopped run does not finish"); }
};
} // namespace

void TestRun::runDrawsSetupStepsAndFinishInOrder()
{
    RecordingCanvas canvas;
    FakeClock clock;
    CountingPacer pacer(clock);
    runAnimation(kDefaults, 1ms, canvas, pacer);

    QCOMPARE(canvas.batches.size(), std::size_t(1 + kSteps + 1));
    QVERIFY(canvas.batches.front() == sceneSetup());
    QVERIFY(canvas.batches[1] == stepOps(kDefaults, 1));
    QVERIFY(canvas.batches[kSteps] == stepOps(kDefaults, kSteps));
    QVERIFY(canvas.batches.back() == finishingOps());
}

// A picture of step N holds N steps; only the whole run's has the closing axes.
void TestRun::drawingUpToAStepStopsThere_data()
{
    QTest::addColumn<int>("lastStep");
    QTest::newRow("first") << 1;
    QTest::newRow("middle") << 650;
    QTest::newRow("whole run") << kSteps;
}

void TestRun::drawingUpToAStepStopsThere()
{
    QFETCH(int, lastStep);
    RecordingCanvas canvas;
    drawAnimationUpTo(kDefaults, lastStep, canvas);
    const bool whole = lastStep == kSteps;
    QCOMPARE(canvas.batches.size(), std::size_t(1 + lastStep + (whole ? 1 : 0)));
    QVERIFY(canvas.batches[lastStep] == stepOps(kDefaults, lastStep));
    const DrawOps axes{PenWidth{1}, scene::kUpperAxis, scene::kLowerAxis};
    QCOMPARE(canvas.batches.back() == axes, whole);
}

void TestRun::stoppedPacerEndsTheRunAtOnce()
{
    RecordingCanvas canvas;
    StoppingPacer pacer;
    pacer.stopAt = 40;
    runAnimation(kDefaults, 25ms, canvas, pacer);
    // The set-up and forty steps, and no finishing axes.
    QCOMPARE(canvas.batches.size(), std::size_t(41));
    QCOMPARE(pacer.deadlines.back(), std::chrono::nanoseconds(40 * 25ms));
}

void TestRun::pacerKeepsAbsoluteDeadlines()
{
    // Every step's drawing takes 0.4 ms of the 1 ms a step has at the fastest pace: the run
    // still ends at 1.3 s, not 1.3 s plus the drawing time.
    RecordingCanvas canvas;
    FakeClock clock;
    canvas.onDraw = [&] { clock.at += 400us; };
    CountingPacer pacer(clock);
    runAnimation(kDefaults, 1ms, canvas, pacer);
    QCOMPARE(clock.at - Clock::time_point{}, std::chrono::nanoseconds(1300ms + 2 * 400us)); // set-up and finish drawn too

    // A step whose drawing overran its deadline is not waited for again.
    FakeClock slow;
    RecordingCanvas slowCanvas;
    slowCanvas.onDraw = [&] { slow.at += 3ms; };
    CountingPacer slowPacer(slow);
    runAnimation(kDefaults, 1ms, slowCanvas, slowPacer);
    QCOMPARE(slow.at - Clock::time_point{}, std::chrono::nanoseconds((kSteps + 2) * 3ms));
}

void TestRun::pacerServicesEventsAboutOnceAFrame()
{
    RecordingCanvas canvas;
    FakeClock clock;
    CountingPacer pacer(clock);
    runAnimation(kDefaults, 1ms, canvas, pacer);
    // 1.3 s at one service a 16 ms frame, and once more to show the last drawing.
    QVERIFY2(pacer.services.size() >= 80 && pacer.services.size() <= 83, qPrintable(QString::number(pacer.services.size())));
    for (std::size_t i = 1; i + 1 < pacer.services.size(); ++i)
        QVERIFY(pacer.services[i] - pacer.services[i - 1] <= FramePacer::kFrame + 1ms);
    // Sleeping, not spinning: a sleep for each step and each service, no more.
    QVERIFY2(clock.sleeps <= kSteps + int(pacer.services.size()), qPrintable(QString::number(clock.sleeps)));

    // At the slowest pace a step lasts 100 ms, and the window is still served every frame.
    FakeClock slowClock;
    CountingPacer slowPacer(slowClock);
    slowPacer.start();
    QVERIFY(slowPacer.waitUntil(100ms));
    QVERIFY(slowPacer.services.size() >= 6);
}

void TestRun::closedWindowEndsTheRunWithinAFrame()
{
    RecordingCanvas canvas;
    FakeClock clock;
    CountingPacer pacer(clock);
    pacer.closedFrom = 3;
    runAnimation(kDefaults, 1ms, canvas, pacer);
    // Closed at the third frame, about 48 ms in: the run stops there, without its finishing axes.
    QCOMPARE(pacer.services.size(), std::size_t(3));
    QVERIFY(canvas.batches.size() >= 45 && canvas.batches.size() <= 52);
    QVERIFY(!(canvas.batches.back() == finishingOps()));
}

// Paused, moved back to step 100, and resumed: the run draws steps 101 to 1300 next, and they
// take their own time, 1200 ms, from the moment it resumes.
void TestRun::movedWhilePausedGoesOnFromThere()
{
    RecordingCanvas canvas;
    FakeClock clock;
    CountingPacer pacer(clock);
    RunCursor cursor;
    Clock::time_point resumedAt;
    std::size_t batchesWhenMoved = 0;
    pacer.onService = [&](std::size_t service) {
        if (service == 30)
            pacer.setPaused(true);
        if (service == 32) {
            QVERIFY(cursor.shown > 100);
            cursor.movedTo = cursor.shown = 100;
            batchesWhenMoved = canvas.batches.size();
        }
        if (service == 34) {
            pacer.setPaused(false);
            resumedAt = clock.now();
        }
    };
    runAnimation(kDefaults, 1ms, canvas, pacer, &cursor);
    QVERIFY(canvas.batches[batchesWhenMoved] == stepOps(kDefaults, 101));
    QCOMPARE(canvas.batches.size(), batchesWhenMoved + 1200 + 1);
    QCOMPARE(clock.at - resumedAt, std::chrono::nanoseconds(1200ms));
    QCOMPARE(cursor.shown, kSteps);
}

void TestRun::pauseStopsTheRunsClock()
{
    // Paused at the third frame and resumed at the tenth: the run ends as late as it was
    // paused, and not one step is drawn while it is.
    RecordingCanvas canvas;
    FakeClock clock;
    CountingPacer pacer(clock);
    Clock::time_point pausedAt, resumedAt;
    std::size_t stepsWhenPaused = 0;
    pacer.onService = [&](std::size_t service) {
        if (service == 3) {
            pacer.setPaused(true);
            pausedAt = clock.now();
            stepsWhenPaused = canvas.batches.size();
        }
        if (service > 3 && service < 10)
            QCOMPARE(canvas.batches.size(), stepsWhenPaused);
        if (service == 10) {
            pacer.setPaused(false);
            resumedAt = clock.now();
        }
    };
    runAnimation(kDefaults, 1ms, canvas, pacer);
    QVERIFY(resumedAt - pausedAt >= 7 * FramePacer::kFrame);
    QCOMPARE(canvas.batches.size(), std::size_t(1 + kSteps + 1));
    QCOMPARE(clock.at - Clock::time_point{}, std::chrono::nanoseconds(1300ms + (resumedAt - pausedAt)));
}

void TestRun::stopEndsTheRunAtItsNextWait()
{
    RecordingCanvas canvas;
    FakeClock clock;
    CountingPacer pacer(clock);
    pacer.onService = [&](std::size_t service) {
        if (service == 2)
            pacer.setPaused(true);
        if (service == 5)
            pacer.stop(); // stopping a paused run ends it too
    };
    runAnimation(kDefaults, 1ms, canvas, pacer);
    // Stopped where it stands, it ends as every run ends: the axes come back and are shown.
    QCOMPARE(pacer.services.size(), std::size_t(6));
    QVERIFY(canvas.batches.size() < 40);
    QVERIFY(canvas.batches.back() == finishingOps());

    // The next run starts afresh, neither paused nor stopped.
    RecordingCanvas next;
    pacer.onService = nullptr;
    runAnimation(kDefaults, 1ms, next, pacer);
    QCOMPARE(next.batches.size(), std::size_t(1 + kSteps + 1));
}

QTEST_GUILESS_MAIN(TestRun)
#include "tst_run.moc"
