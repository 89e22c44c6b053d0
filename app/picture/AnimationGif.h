#pragma once

#include "PictureShapes.h"
#include "core/TraceStyle.h"
#include "core/StartChecks.h"
#include "core/StepOperations.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace vlnokres {

// What an animation of a run is made of: the run's values and slowdown, the picture's scale,
// how it is looked at (its palette, whether the sum shows), whether the readouts and the envelope show, and the time graph's span.
struct AnimationRequest {
    Parameters parameters;
    int slowdown = 1;
    double scale = 1;
    Look look;
    bool readouts = false;
    TimeAxis axis;
    ChosenMarks marks; // over every frame, the resultant at the frame's step
};

// A GIF at a scale of 1 is as large as the window shows the picture.
inline constexpr double kAnimationScale = 1;

// Whether the file name's extension, whatever its case, is that of an animated GIF.
bool isAnimationFile(const QString &fileName);

// The whole run as an animated GIF in real time: every frame the PNG's picture at its step,
// the finished picture held at the end, looping for ever. Empty where it cannot be made.
QByteArray animationGif(const AnimationRequest &request);

} // namespace vlnokres
