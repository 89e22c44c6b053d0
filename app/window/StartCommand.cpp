#include "StartCommand.h"

#include "app/run/HeldInput.h"
#include "NumberText.h"
#include "core/AnimationRun.h"
#include "core/Canvas.h"
#include "core/Pace.h"
#include "core/Readouts.h"

#include <QLineEdit>

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
    const auto checked = checkedBoxes(boxes);
    if (const auto *refusal = std::get_if<Message>(&checked)) {
        target.refuse(*refusal);
        return;
    }
    const Parameters &parameters = std::get<Parameters>(checked);
    if (parameters.amplitudeReplaced)
        boxes.amplitude->setText(writeNumber(parameters.amplitude));
    // Only the pace control writes the slowdown box, always a whole number from 1 to 10.
    const auto pause = pausePerStep(readNumber(boxes.slowdown->text()).value_or(kFastest));

    const HeldInput::Hold hold(target.heldInput);
    // Told of the end before the held input is delivered, which may start the next run.
    target.running(&parameters);
    runAnimation(secondSinusoidOf(parameters), pause, target.canvas, target.pacer, target.cursor,
                 target.readouts ? readouts::envelopeOps(parameters) : DrawOps{});
    target.running(nullptr);
}

} // namespace vlnokres
