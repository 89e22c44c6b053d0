#include "HeldInput.h"

#include "AfterEvent.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>

#include <memory>

namespace vlnokres {
namespace {

// Touch and pen input that no widget takes reaches the windows as mouse events, so holding
// the mouse holds them too.
bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ContextMenu:
        return true;
    default:
        return false;
    }
}

QWidget *topWidgetOf(QWindow &window) { return QWidget::find(window.winId()); }

QWidget *widgetAt(QWidget &top, QPointF position)
{
    QWidget *child = top.childAt(position.toPoint());
    return child ? child : &top;
}

// Qt gives focus only on the window system's own presses, and a delivered press is not one.
void giveClickFocus(QWidget *target)
{
    for (QWidget *w = target; w && !w->isWindow(); w = w->parentWidget()) {
        if (w->isEnabled() && (w->focusPolicy() & Qt::ClickFocus)) {
            w->setFocus(Qt::MouseFocusReason);
            return;
        }
    }
}

} // namespace

HeldInput::HeldInput() { QApplication::instance()->installEventFilter(this); }

HeldInput::~HeldInput() = default;

HeldInput::Hold::Hold(HeldInput &input) : m_input(input) { ++m_input.m_holds; }

HeldInput::Hold::~Hold()
{
    if (--m_input.m_holds > 0 || m_input.m_queue.empty() || m_input.m_inDelivery || m_input.m_deliveryPosted)
        return;
    m_input.m_deliveryPosted = true;
    afterEvent(m_input, [input = &m_input] { input->deliver(); });
}

bool HeldInput::eventFilter(QObject *receiver, QEvent *event)
{
    if (!receiver->isWindowType() || !isUserInput(event->type()))
        return false;
    auto *window = static_cast<QWindow *>(receiver);
    // What comes before the held input is delivered goes after it.
    if (m_holds == 0 && m_deliveryPosted) {
        m_queue.push_back({window, replayOf(*event)});
        return true;
    }
    if (m_holds > 0) {
        if (QApplication::activePopupWidget())
            return false;
        switch (m_immediate ? m_immediate(*window, *event) : Immediate::No) {
        case Immediate::Handled:
            return true;
        case Immediate::PassOn:
            return false;
        case Immediate::No:
            break;
        }
        m_queue.push_back({window, replayOf(*event)});
        return true;
    }
    // A press delivered after the run has its moves and release still to come, live. They
    // take the same way as the press, to the same widget, so that press and release stay one
    // click or one drag, as they would have been without the run.
    if (m_mouseGrabber && dynamic_cast<QMouseEvent *>(event)) {
        replayOf(*event)(*window);
        return true;
    }
    return false;
}

// Pointer events are kept as plain values and delivered straight to the widget under the
// pointer, as a window would have: Qt's own route through the window reads the pointing
// device's current state, which has moved on with later input, and a held click would land
// wherever the pointer went next. Keys go to the window, which hands them to the focus.
std::function<void(QWindow &)> HeldInput::replayOf(const QEvent &event)
{
    if (event.type() == QEvent::Wheel) {
        const auto &w = static_cast<const QWheelEvent &>(event);
        return [position = w.position(), global = w.globalPosition(), pixels = w.pixelDelta(),
                angle = w.angleDelta(), buttons = w.buttons(), modifiers = w.modifiers(), phase = w.phase(),
                inverted = w.inverted()](QWindow &window) {
            QWidget *top = topWidgetOf(window);
            if (!top)
                return;
            QWidget *target = widgetAt(*top, position);
            QWheelEvent wheel(target->mapFrom(top, position), global, pixels, angle, buttons, modifiers, phase,
                              inverted);
            QApplication::sendEvent(target, &wheel);
        };
    }
    if (const auto *m = dynamic_cast<const QMouseEvent *>(&event)) {
        return [this, type = m->type(), position = m->position(), global = m->globalPosition(), button = m->button(),
                buttons = m->buttons(), modifiers = m->modifiers()](QWindow &window) {
            QWidget *top = topWidgetOf(window);
            if (!top)
                return;
            QWidget *target = m_mouseGrabber ? m_mouseGrabber.data() : widgetAt(*top, position);
            if (type == QEvent::MouseButtonPress) {
                giveClickFocus(target);
                m_mouseGrabber = target;
            }
            if (buttons == Qt::NoButton)
                m_mouseGrabber = nullptr;
            QMouseEvent mouse(type, target->mapFrom(top, position), position, global, button, buttons, modifiers);
            QApplication::sendEvent(target, &mouse);
        };
    }
    return [copy = std::shared_ptr<QEvent>(event.clone())](QWindow &window) {
        QApplication::sendEvent(&window, copy.get());
    };
}

void HeldInput::defer(QWindow &window, std::function<void()> command)
{
    m_queue.push_back({&window, [command = std::move(command)](QWindow &) { command(); }});
}

void HeldInput::deliver()
{
    // One at a time from the front: a delivery may start a run, after whose end the rest
    // follows, older input first.
    m_deliveryPosted = false;
    const QScopedValueRollback delivering(m_inDelivery, true);
    while (m_holds == 0 && !m_queue.empty()) {
        Held held = std::move(m_queue.front());
        m_queue.pop_front();
        // A window closed during the run takes no more input, as a closed window never does.
        if (held.window && held.window->isVisible())
            held.deliver(*held.window);
    }
}

} // namespace vlnokres
