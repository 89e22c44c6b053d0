#pragma once

#include "StartCommand.h"

#include <QObject>

#include <functional>

namespace vlnokres {

// Up and Down, and the mouse wheel, over the amplitude, frequency or phase box step its value
// (with Ctrl, finely); the box then shows it as the program writes numbers, and stepped is
// told. A box whose text is not a usable number is not stepped, and nothing else changes.
class BoxStepping final : public QObject
{
    Q_OBJECT

public:
    BoxStepping(const ParameterBoxes &boxes, std::function<void()> stepped);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ParameterBoxes m_boxes;
    std::function<void()> m_stepped;
    int m_wheel = 0; // of a notch turned, not yet a step
};

} // namespace vlnokres
