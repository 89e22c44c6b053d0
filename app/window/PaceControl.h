#pragma once

#include <QString>

class QLineEdit;
class QScrollBar;

namespace vlnokres {

// The scroll bar sets the slowdown factor, 1 at its left end and 10 at its right, one step
// per arrow or trough click. Each settled value is written into the hidden slowdown box,
// which the next run reads; a thumb being dragged writes nothing until it is let go.
// Its tooltip says what it sets: the slowdown and how long a run then lasts.
void connectPaceControl(QScrollBar &bar, QLineEdit &slowdownBox);
QString paceText(int slowdown);

} // namespace vlnokres
