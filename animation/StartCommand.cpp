#include "StartCommand.h"

#include "AnimationRun.h"
#include "DrawingSurface.h"
#include "HeldInput.h"
#include "Pace.h"
#include "SceneGeometry.h"
#include "SceneSetup.h"
#include "StartParameters.h"
#include "app/NumberText.h"

#include <QLineEdit>

#include <variant>

namespace vlnokres {

void runStartCommand(const ParameterBoxes &boxes, const StartTarget &target)
{
    target.surface.setPenWidth(1);
    const auto checked = checkParameters({
        .amplitude = readNumber(boxes.amplitude->text()),
        .frequency = readNumber(boxes.frequency->text()),
        .phaseDegrees = readNumber(boxes.phase->text()),
    });
    if (const auto *refusal = std::get_if<Refusal>(&checked)) {
        target.surface.showMessage(messageFor(*refusal));
        return;
    }
    const Parameters &parameters = std::get<Parameters>(checked);
    if (parameters.amplitudeReplaced)
        boxes.amplitude->setText(writeNumber(parameters.amplitude));
    // Only the pace control writes the slowdown box, always a whole number from 1 to 10.
    const auto pause = pausePerStep(readNumber(boxes.slowdown->text()).value_or(kFastest));

    const HeldInput::Hold hold(target.heldInput);
    target.surface.draw(sceneSetup());
    runAnimation({scene::secondLength(parameters.amplitude), parameters.frequency, parameters.phaseDegrees}, pause,
                 target.surface, target.pacer);
}

} // namespace vlnokres
