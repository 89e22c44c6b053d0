#pragma once

#include "core/StepOperations.h"

#include <QString>

class QLineEdit;
class QScrollBar;

namespace vlnokres {

// The scroll bar sets the slowdown factor, 1 at its left end and 10 at its right, one step
// per arrow or trough click. Each settled value is written into the hidden slowdown box,
// which the next run reads; a thumb being dragged writes nothing until it is let go.
// Its tooltip says what it sets: the slowdown and how long a run on the axis (the window's,
// which outlives the bar) then lasts.
void connectPaceControl(QScrollBar &bar, QLineEdit &slowdownBox, const TimeAxis &axis);
QString paceText(int slowdown, TimeAxis axis = {});

} // namespace vlnokres
