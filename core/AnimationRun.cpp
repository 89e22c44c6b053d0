#include "AnimationRun.h"

#include "Canvas.h"
#include "Pacer.h"
#include "SceneSetup.h"

namespace vlnokres {

void runAnimation(const SecondSinusoid &second, std::chrono::nanoseconds pausePerStep, Canvas &canvas,
                  Pacer &pacer, RunCursor *cursor, const DrawOps &underlay, TimeAxis axis)
{
    RunCursor own;
    RunCursor &at = cursor ? *cursor : own;
    at = {};
    canvas.beginScene();
    const DrawOps setup = sceneSetup(second.perpendicular), finishing = finishingOps();
    // Room made at once: a long axis's hundreds of thousands of operations, grown step by step,
    // would be copied as they grow and take up to twice their room.
    canvas.expectOps(setup.size() + underlay.size() + std::size_t(axis.steps()) * kOpsPerStep + finishing.size());
    canvas.draw(setup);
    if (!underlay.empty())
        canvas.draw(underlay);
    pacer.start();
    for (int t = 1; t <= axis.steps(); ++t) {
        canvas.draw(stepOps(second, t, axis));
        at.shown = t;
        const bool goOn = pacer.waitUntil(t * pausePerStep);
        if (at.movedTo) {
            // The picture was drawn anew at that step; step t's deadline is now its.
            pacer.shift((t - *at.movedTo) * pausePerStep);
            t = *at.movedTo;
            at.movedTo.reset();
        }
        if (goOn)
            continue;
        // A run stopped by its user ends as every run ends; a closed window needs no more.
        if (!pacer.isStopped())
            return;
        break;
    }
    canvas.draw(finishing);
    pacer.finish();
}

namespace {

// Never waits; ends the run after its last step.
class StopAfter final : public Pacer
{
public:
    StopAfter(int lastStep, int steps) : m_lastStep(lastStep), m_steps(steps) {}
    void start() override { m_step = 0; }
    bool waitUntil(std::chrono::nanoseconds) override { return ++m_step < m_lastStep || m_lastStep == m_steps; }
    void finish() override {}

private:
    int m_lastStep;
    int m_steps;
    int m_step = 0;
};

} // namespace

void drawAnimationUpTo(const SecondSinusoid &second, int lastStep, Canvas &canvas, const DrawOps &underlay,
                       TimeAxis axis)
{
    StopAfter pacer(lastStep, axis.steps());
    runAnimation(second, std::chrono::nanoseconds(0), canvas, pacer, nullptr, underlay, axis);
}

} // namespace vlnokres
