#include "RunInput.h"

#include "KeysHelp.h"
#include "app/run/RunController.h"
#include "app/run/RunKeys.h"
#include "core/LessonMarks.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

namespace vlnokres {

HeldInput::Immediate RunInput::operator()(QWindow &window, QEvent &event) const
{
    const bool here = &window == m_window.windowHandle();
    if (event.type() == QEvent::KeyPress || event.type() == QEvent::KeyRelease) {
        const auto &key = static_cast<const QKeyEvent &>(event);
        const RunKey runKey = runKeyOf(key.key(), key.modifiers(), m_run.isPaused(), m_run.shownStep(), m_run.axis());
        if (!here && !(runKey.act == RunKey::Act::TogglePause && isKeysHelp(window)))
            return HeldInput::Immediate::PassOn;
        if (runKey.act == RunKey::Act::None)
            return HeldInput::Immediate::No;
        // Moving repeats with a held key; pausing and stopping do not.
        if (event.type() == QEvent::KeyPress && (runKey.act == RunKey::Act::MoveTo || !key.isAutoRepeat())) {
            switch (runKey.act) {
            case RunKey::Act::TogglePause: m_run.togglePause(); break;
            case RunKey::Act::Stop: m_run.stop(); break;
            case RunKey::Act::MoveTo: m_run.moveToStep(runKey.step); break;
            case RunKey::Act::None: break;
            }
        }
        return HeldInput::Immediate::Handled;
    }
    if (!here)
        return HeldInput::Immediate::PassOn;
    if (const auto *mouse = dynamic_cast<const QMouseEvent *>(&event)) {
        const bool pressOrRelease = event.type() == QEvent::MouseButtonPress || event.type() == QEvent::MouseButtonRelease;
        const bool rightClick = (mouse->button() == Qt::RightButton || mouse->buttons() == Qt::RightButton) && pressOrRelease;
        const QPoint at = mouse->position().toPoint();
        if (rightClick && onDrawingArea(m_window, at))
            return HeldInput::Immediate::PassOn;
        // A paused run is measured on: the cursors are placed at once.
        const bool leftPress = mouse->button() == Qt::LeftButton &&
                               (event.type() == QEvent::MouseButtonPress || event.type() == QEvent::MouseButtonDblClick);
        if (leftPress && m_run.isPaused() && marks::onTimeGraph(m_toScene(mouse->position())) && onDrawingArea(m_window, at))
            return HeldInput::Immediate::PassOn;
    }
    if (event.type() == QEvent::ContextMenu)
        return HeldInput::Immediate::PassOn;
    return HeldInput::Immediate::No;
}

bool onDrawingArea(const QWidget &window, QPoint position)
{
    const QWidget *child = window.childAt(position);
    return !child || qobject_cast<const QLabel *>(child);
}

} // namespace vlnokres
