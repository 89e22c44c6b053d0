#include "StartCommand.h"

#include "app/language/NumberText.h"
#include "app/run/RunController.h"
#include "core/Canvas.h"
#include "core/Pace.h"

#include <QLineEdit>

#include <algorithm>

namespace vlnokres {
namespace {

// A box's text that is no number may be one that reads two ways; then the user is told both.
Message messageOf(Refusal refusal, const ParameterBoxes &boxes)
{
    const QLineEdit *box = refusal == Refusal::AmplitudeNotNumber   ? boxes.amplitude
                           : refusal == Refusal::FrequencyNotNumber ? boxes.frequency
                           : refusal == Refusal::PhaseNotNumber     ? boxes.phase
                                                                    : nullptr;
    if (box)
        if (auto ambiguity = ambiguityOf(box->text()))
            return *ambiguity;
    return messageFor(refusal);
}

} // namespace

std::variant<Parameters, Message> checkedBoxes(const ParameterBoxes &boxes)
{
    const auto checked = checkParameters({
        .amplitude = readNumber(boxes.amplitude->text()),
        .frequency = readNumber(boxes.frequency->text()),
        .phaseDegrees = readNumber(boxes.phase->text()),
    });
    if (const auto *refusal = std::get_if<Refusal>(&checked))
        return messageOf(*refusal, boxes);
    return std::get<Parameters>(checked);
}

void runStartCommand(const ParameterBoxes &boxes, const StartTarget &target)
{
    target.canvas.draw({PenWidth{1}});
    const auto checked = target.read();
    if (const auto *refusal = std::get_if<Message>(&checked)) {
        target.refuse(*refusal);
        return;
    }
    const Parameters &parameters = std::get<Parameters>(checked);
    if (parameters.amplitudeReplaced)
        boxes.amplitude->setText(writeNumber(parameters.amplitude));
    // Only the pace control writes the slowdown box, always a whole number from 1 to 10.
    const double slowdown = readNumber(boxes.slowdown->text()).value_or(kFastest);
    target.run.run({parameters, int(std::clamp(slowdown, double(kFastest), double(kSlowest))), target.axis});
}

} // namespace vlnokres
