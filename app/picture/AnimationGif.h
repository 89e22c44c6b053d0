#pragma once

#include "core/SetUp.h"
#include "core/StartChecks.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace vlnokres {

// What an animation of a run is made of: the run's values as checked, the set-up it is shown
// in (its slowdown, the time graph's span, the palette and the hidden sum, the readouts and
// the envelope, the labels, with the resultant at each frame's step, and the cursors), and the
// picture's scale.
struct AnimationRequest {
    Parameters parameters;
    SetUp setUp;
    double scale = 1;
    QString question; // a lesson's, on every frame
};

// A GIF at a scale of 1 is as large as the window shows the picture.
inline constexpr double kAnimationScale = 1;

// Whether the file name's extension, whatever its case, is that of an animated GIF.
bool isAnimationFile(const QString &fileName);

// The whole run as an animated GIF in real time: every frame the PNG's picture at its step,
// the finished picture held at the end, looping for ever. Empty where it cannot be made.
QByteArray animationGif(const AnimationRequest &request);

} // namespace vlnokres
