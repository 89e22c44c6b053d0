#include "VectorDragging.h"

#include "app/run/RunController.h"

#include <QMouseEvent>
#include <QPointingDevice>
#include <QWidget>

namespace vlnokres {

VectorDragging::VectorDragging(QWidget &window, const RunController &run, std::function<QPointF(QPointF)> toScene,
                               std::function<void(const drag::Values &)> moved, std::function<void()> released)
    : m_window(window), m_run(run), m_toScene(std::move(toScene)), m_moved(std::move(moved)),
      m_released(std::move(released))
{
    window.setMouseTracking(true);
    window.installEventFilter(this);
}

// A tip can be taken once the picture shows the second vector and while it stands still.
std::optional<drag::Diagram> VectorDragging::tipAt(QPointF position, double radius) const
{
    const auto &last = m_run.lastRun();
    if (!last || m_run.isRunning() || m_run.shownStep() == 0)
        return std::nullopt;
    const QPointF at = m_toScene(position);
    const Parameters &p = last->parameters;
    const auto grabbed = drag::grabbed({at.x(), at.y()}, p.amplitude, p.frequency, p.phaseDegrees, m_run.shownStep(), radius);
    // At right angles the lower diagram shows no vectors to take.
    if (p.perpendicular && grabbed == drag::Diagram::Lower)
        return std::nullopt;
    return grabbed;
}

void VectorDragging::release()
{
    m_dragging.reset();
    m_window.setCursor(Qt::OpenHandCursor);
    m_released();
}

bool VectorDragging::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_window)
        return false;
    const auto type = event->type();
    const bool interrupted = type == QEvent::ContextMenu || type == QEvent::WindowDeactivate || type == QEvent::Hide;
    if (interrupted && m_dragging)
        release();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return false;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton && !m_dragging) {
        // A touch reaches the window as the toolkit's mouse events made from its first point;
        // a second finger makes none.
        const bool touch = mouse->pointingDevice() && mouse->pointingDevice()->type() == QInputDevice::DeviceType::TouchScreen;
        m_dragging = tipAt(mouse->position(), touch ? drag::kTouchGrabRadius : drag::kGrabRadius);
        if (m_dragging)
            m_window.setCursor(Qt::ClosedHandCursor);
        return bool(m_dragging);
    }
    // Let go, or its button no longer held when the release went elsewhere (to a menu that
    // another button opened): the drag ends.
    if (m_dragging && (type == QEvent::MouseButtonPress || !(mouse->buttons() & Qt::LeftButton))) {
        release();
        return type != QEvent::MouseButtonPress;
    }
    if (type != QEvent::MouseMove)
        return false;
    if (m_dragging) {
        const QPointF at = m_toScene(mouse->position());
        // Shift keeps the length the vector has now: it only turns.
        const Parameters &shown = m_run.lastRun()->parameters;
        m_moved(drag::valuesFor(*m_dragging, {at.x(), at.y()}, shown.frequency, m_run.shownStep(),
                                mouse->modifiers() & Qt::ControlModifier,
                                mouse->modifiers() & Qt::ShiftModifier ? std::optional(shown.amplitude) : std::nullopt));
        return true;
    }
    const bool overTip = bool(tipAt(mouse->position()));
    if (overTip != m_handShown) {
        overTip ? m_window.setCursor(Qt::OpenHandCursor) : m_window.unsetCursor();
        m_handShown = overTip;
    }
    return false;
}

} // namespace vlnokres
