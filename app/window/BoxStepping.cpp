#include "BoxStepping.h"

#include "app/language/NumberText.h"
#include "core/BoxSteps.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

#include <cmath>

namespace vlnokres {
namespace {

// A wheel's notch turns this much.
constexpr int kNotch = 120;

} // namespace

BoxStepping::BoxStepping(const ParameterBoxes &boxes, std::function<void()> stepped)
    : m_boxes(boxes), m_stepped(std::move(stepped))
{
    for (QLineEdit *box : {m_boxes.amplitude, m_boxes.frequency, m_boxes.phase})
        box->installEventFilter(this);
}

bool BoxStepping::eventFilter(QObject *watched, QEvent *event)
{
    int steps = 0;
    Qt::KeyboardModifiers modifiers;
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        steps = key->key() == Qt::Key_Up ? 1 : key->key() == Qt::Key_Down ? -1 : 0;
        modifiers = key->modifiers();
    } else if (event->type() == QEvent::Wheel) {
        // A touchpad sends parts of a notch; they add up to whole steps.
        const auto *wheel = static_cast<QWheelEvent *>(event);
        m_wheel += wheel->angleDelta().y();
        steps = m_wheel / kNotch;
        m_wheel -= steps * kNotch;
        modifiers = wheel->modifiers();
        if (steps == 0)
            return true;
    }
    if (steps == 0)
        return false;
    auto *box = static_cast<QLineEdit *>(watched);
    const SteppedBox which = box == m_boxes.amplitude   ? SteppedBox::Amplitude
                             : box == m_boxes.frequency ? SteppedBox::Frequency
                                                        : SteppedBox::Phase;
    const auto value = readNumber(box->text());
    if (!value || !std::isfinite(*value))
        return true;
    box->setText(writeNumber(steppedValue(which, *value, steps, modifiers & Qt::ControlModifier)));
    m_stepped();
    return true;
}

} // namespace vlnokres
