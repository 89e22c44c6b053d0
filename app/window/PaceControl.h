#pragma once

class QLineEdit;
class QScrollBar;

namespace vlnokres {

// The scroll bar sets the slowdown factor, 1 at its left end and 10 at its right, one step
// per arrow or trough click. Each settled value is written into the hidden slowdown box,
// which the next run reads; a thumb being dragged writes nothing until it is let go.
void connectPaceControl(QScrollBar &bar, QLineEdit &slowdownBox);

} // namespace vlnokres
