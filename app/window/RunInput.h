#pragma once

#include "app/run/HeldInput.h"
#include "core/DrawOp.h"

#include <QPointF>

#include <functional>

class QEvent;
class QWidget;
class QWindow;

namespace vlnokres {

class RunController;

// What of the user's input acts at once during a run, as the held input asks it: P and Pause
// pause or resume the run, Escape stops it, the step keys move a paused one, and a right click
// on the drawing area opens the view's menu; a click on the time graph of a paused run places
// a cursor. The rest of the main window's input waits for the run's end. The program's own
// dialogs take their input at once, Escape closing them and not the run, and while the key
// help is open, P and Pause still pause and resume the run.
class RunInput
{
public:
    // toScene: a point of the window as the scene's pixels.
    RunInput(QWidget &window, RunController &run, std::function<Point(QPointF)> toScene)
        : m_window(window), m_run(run), m_toScene(std::move(toScene))
    {
    }

    HeldInput::Immediate operator()(QWindow &window, QEvent &event) const;

private:
    QWidget &m_window;
    RunController &m_run;
    std::function<Point(QPointF)> m_toScene;
};

// Whether the point of the window lies on the drawing area: on no control, or on a label the
// drawing covers.
bool onDrawingArea(const QWidget &window, QPoint position);

} // namespace vlnokres
