#pragma once

#include "core/StartChecks.h"
#include "core/StepOperations.h"

#include <functional>
#include <variant>

class QLineEdit;

namespace vlnokres {

class Canvas;
class RunController;

// The boxes the Start command reads: the three parameters of the second sinusoid and the
// hidden slowdown factor.
struct ParameterBoxes {
    QLineEdit *amplitude = nullptr;
    QLineEdit *frequency = nullptr;
    QLineEdit *phase = nullptr;
    QLineEdit *slowdown = nullptr;
};

// Where the Start command draws, what runs the animation, how it reads the boxes and tells the
// user what it refused, and the time graph's span.
struct StartTarget {
    Canvas &canvas;
    RunController &run;
    std::function<std::variant<Parameters, Message>()> read;
    std::function<void(const Message &)> refuse;
    TimeAxis axis;
};

// The boxes read and checked, as a run would take them, or what the user is told of them.
std::variant<Parameters, Message> checkedBoxes(const ParameterBoxes &boxes);

// Reads and checks the boxes, refuses with a message what cannot be used, and otherwise
// clears the band, draws the axes and runs the animation to its end, holding the user's input
// until then. The boxes are read once, before anything is drawn.
void runStartCommand(const ParameterBoxes &boxes, const StartTarget &target);

} // namespace vlnokres
