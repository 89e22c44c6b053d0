#include "RunKeys.h"

#include "core/StepOperations.h"

namespace vlnokres {

RunKey runKeyOf(int key, Qt::KeyboardModifiers modifiers, bool paused, int shownStep, TimeAxis axis)
{
    using Act = RunKey::Act;
    if ((key == Qt::Key_P && !(modifiers & ~Qt::KeypadModifier)) || key == Qt::Key_Pause)
        return {Act::TogglePause};
    if (key == Qt::Key_Escape)
        return {Act::Stop};
    if (!paused)
        return {};
    switch (key) {
    case Qt::Key_Left: return {Act::MoveTo, shownStep - 1};
    case Qt::Key_Right: return {Act::MoveTo, shownStep + 1};
    case Qt::Key_PageUp: return {Act::MoveTo, shownStep - axis.pageSteps()};
    case Qt::Key_PageDown: return {Act::MoveTo, shownStep + axis.pageSteps()};
    case Qt::Key_Home: return {Act::MoveTo, 1};
    case Qt::Key_End: return {Act::MoveTo, axis.steps()};
    default: return {};
    }
}

} // namespace vlnokres
