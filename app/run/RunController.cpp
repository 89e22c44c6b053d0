#include "RunController.h"

#include "EventLoopPacer.h"
#include "HeldInput.h"
#include "app/setup/SetUpModel.h"
#include "core/AnimationRun.h"
#include "core/Canvas.h"
#include "core/Pace.h"

#include <algorithm>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace vlnokres {

RunController::RunController(QWidget &window, Canvas &canvas, HeldInput &heldInput, const SetUpModel &setUp)
    : m_canvas(canvas), m_heldInput(heldInput), m_setUp(setUp), m_pacer(std::make_unique<EventLoopPacer>(window, m_clock))
{
    connect(&setUp, &SetUpModel::changed, this, [this](Aspects aspects) {
        if (aspects & Aspect::Readouts)
            redraw();
    });
}

SetUp RunController::shownSetUp() const
{
    SetUp shown = m_setUp.setUp();
    if (m_last) {
        const Parameters &p = m_last->parameters;
        shown.values = {p.amplitude, p.frequency, p.phaseDegrees};
        shown.slowdown = m_last->slowdown;
        shown.axis = m_last->axis;
        shown.perpendicular = p.perpendicular;
    }
    return shown;
}

RunScene RunController::scene() const { return {m_last->parameters, m_setUp.setUp().readouts, m_last->axis}; }

RunController::~RunController() = default;

void RunController::run(const RunRequest &request)
{
    const HeldInput::Hold hold(m_heldInput);
    m_last = request;
    m_running = true;
    m_finishedWaiting = false; // the run draws its own picture
    Q_EMIT started();
    runAnimation(secondSinusoidOf(request.parameters), pausePerStep(request.slowdown), m_canvas, *m_pacer, &m_cursor,
                 scene().underlay(), request.axis);
    m_running = false;
    m_paused = false; // a run stopped while paused is paused no longer
#ifdef __GLIBC__
    // A long run's hundreds of thousands of operations, grown and copied, leave freed room that
    // the allocator would otherwise hold from run to run.
    malloc_trim(0);
#endif
    // Told of the end before the held input is delivered, which may start the next run.
    Q_EMIT ended();
}

void RunController::togglePause()
{
    if (!m_running)
        return;
    m_paused = !m_paused;
    m_pacer->setPaused(m_paused);
    Q_EMIT pausedChanged(m_paused);
}

void RunController::stop()
{
    if (m_running)
        m_pacer->stop();
}

void RunController::moveToStep(int step)
{
    if (!isPaused())
        return;
    step = std::clamp(step, 1, axis().steps());
    if (step == m_cursor.shown)
        return;
    // One step on is what the run itself would draw next; any other is the scene at that step,
    // which the surface has from the nearest point of the run it kept: of what the run drew,
    // with no scene made anew, where the step was drawn (every step draws as many operations).
    const RunScene shown = scene();
    if (step == m_cursor.shown + 1)
        m_canvas.draw(shown.steps(step, step));
    else if (!m_canvas.showDrawnUpTo(shown.opening().size() + std::size_t(step) * kOpsPerStep))
        m_canvas.showScene(shown.at(step, false));
    m_cursor.shown = step;
    m_cursor.movedTo = step;
    Q_EMIT stepShown(step);
}

void RunController::show(const RunRequest &request)
{
    if (m_running)
        return;
    m_last = request;
    m_cursor = {request.axis.steps(), std::nullopt};
    if (request.axis.steps() <= kSteps) {
        showFinished();
        return;
    }
    // A long axis's picture takes a while: what a drag or the wheel changes meanwhile replaces
    // the request waiting, so the window shows the latest values rather than a backlog.
    if (!m_finishedWaiting) {
        m_finishedWaiting = true;
        QMetaObject::invokeMethod(this, &RunController::showWaiting, Qt::QueuedConnection);
    }
}

void RunController::showWaiting()
{
    if (!m_finishedWaiting)
        return;
    m_finishedWaiting = false;
    showFinished();
}

void RunController::showFinished()
{
    m_canvas.drawScene(scene().showing(m_cursor.shown, true));
    Q_EMIT stepShown(m_cursor.shown);
}

void RunController::redraw()
{
    // A finished picture waiting is drawn with the readouts as they will be then.
    if (!m_last || m_cursor.shown == 0 || (m_running && !m_paused) || m_finishedWaiting)
        return;
    m_canvas.drawScene(scene().showing(m_cursor.shown, !m_running));
}

} // namespace vlnokres
