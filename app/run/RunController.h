#pragma once

#include "core/Clock.h"
#include "core/Pacer.h"
#include "core/RunCursor.h"
#include "core/RunScene.h"
#include "core/SetUp.h"
#include "core/StartChecks.h"

#include <QObject>

#include <memory>
#include <optional>

class QWidget;

namespace vlnokres {

class Canvas;
class HeldInput;

class SetUpModel;

// What a run was asked for, as it was when it started: its values, its slowdown and the time
// graph's span.
struct RunRequest {
    Parameters parameters;
    int slowdown = 1;
    TimeAxis axis;
};

// The run as the one place that knows it: whether one goes on and is paused, the step it
// shows, and what the last one was asked for. The window's title and menus, the sound and the
// pictures ask it and listen to its signals; none keeps a copy. The envelope under its
// picture is the set-up's readouts: turned on or off, the picture standing still is drawn
// anew with it or without; a picture being animated gets it with the next run.
class RunController final : public QObject
{
    Q_OBJECT

public:
    RunController(QWidget &window, Canvas &canvas, HeldInput &heldInput, const SetUpModel &setUp);
    ~RunController() override;

    // Tests pace the run themselves; the window's own pacer sleeps in real time.
    void setPacer(std::unique_ptr<Pacer> pacer) { m_pacer = std::move(pacer); }

    bool isRunning() const { return m_running; }
    bool isPaused() const { return m_running && m_paused; }
    // The step whose picture shows: 1 … the run's steps once a run has drawn, 0 before.
    int shownStep() const { return m_cursor.shown; }
    // The time axis of the run going on or the last one; the designed one before the first.
    TimeAxis axis() const { return m_last ? m_last->axis : TimeAxis{}; }
    // The run going on, or the last one; none before the first.
    const std::optional<RunRequest> &lastRun() const { return m_last; }
    // The set-up as its picture shows it: the view chosen now (the palette and the hidden sum,
    // the labels, the readouts, the cursors, the sound) over the last run's values, pace and
    // span.
    SetUp shownSetUp() const;

    // Runs to the end, pacing each step, and holds the main window's input meanwhile: it is
    // delivered after ended() is told, and may start the next run.
    void run(const RunRequest &request);
    // The run's own commands; they do nothing where no run goes on (moving, where it is not
    // paused). A paused run that is moved goes on from the step it was moved to.
    void togglePause();
    void stop();
    void moveToStep(int step);
    // Where no run goes on: the finished picture of the request, exactly as its run would end,
    // which is the last run from now on. On the designed axis it is drawn at once; on a longer
    // one once the events already waiting are handled, the latest request replacing earlier ones.
    void show(const RunRequest &request);
    // Whether a finished picture is still to be drawn.
    bool isFinishedPictureWaiting() const { return m_finishedWaiting; }

Q_SIGNALS:
    void started();
    void pausedChanged(bool paused);
    void stepShown(int step); // a paused run moved, or a finished picture shown
    void ended();

private:
    // The last run's scene, with the envelope as the readouts stand now.
    RunScene scene() const;
    // The picture drawn anew at the step shown while it stands still (paused or ended).
    void redraw();
    void showWaiting();
    void showFinished();

    Canvas &m_canvas;
    HeldInput &m_heldInput;
    const SetUpModel &m_setUp;
    SteadyClock m_clock;
    std::unique_ptr<Pacer> m_pacer;
    RunCursor m_cursor;
    std::optional<RunRequest> m_last;
    bool m_running = false;
    bool m_paused = false;
    bool m_finishedWaiting = false;
};

} // namespace vlnokres
