#pragma once

class QLineEdit;

namespace vlnokres {

class DrawingSurface;

// The boxes the Start command reads: the three parameters of the second sinusoid and the
// hidden slowdown factor.
struct ParameterBoxes {
    QLineEdit *amplitude = nullptr;
    QLineEdit *frequency = nullptr;
    QLineEdit *phase = nullptr;
    QLineEdit *slowdown = nullptr;
};

// Reads and checks the boxes, refuses with a message what cannot be used, and otherwise
// clears the band and draws the axes. Runs to its end before returning to the event loop.
void runStartCommand(const ParameterBoxes &boxes, DrawingSurface &surface);

} // namespace vlnokres
