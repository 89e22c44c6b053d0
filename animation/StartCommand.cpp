#include "StartCommand.h"

#include "DrawingSurface.h"
#include "SceneSetup.h"
#include "StartParameters.h"
#include "app/NumberText.h"

#include <QLineEdit>

#include <variant>

namespace vlnokres {

void runStartCommand(const ParameterBoxes &boxes, DrawingSurface &surface)
{
    surface.setPenWidth(1);
    const auto checked = checkParameters({
        .amplitude = readNumber(boxes.amplitude->text()),
        .frequency = readNumber(boxes.frequency->text()),
        .phaseDegrees = readNumber(boxes.phase->text()),
    });
    if (const auto *refusal = std::get_if<Refusal>(&checked)) {
        surface.showMessage(messageFor(*refusal));
        return;
    }
    const Parameters &parameters = std::get<Parameters>(checked);
    if (parameters.amplitudeReplaced)
        boxes.amplitude->setText(writeNumber(parameters.amplitude));

    surface.draw(sceneSetup());
}

} // namespace vlnokres
