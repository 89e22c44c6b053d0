#include "RunScene.h"

#include "Readouts.h"
#include "SceneGeometry.h"
#include "SceneSetup.h"
#include "StepOperations.h"

#include <algorithm>
#include <iterator>

namespace vlnokres {

// At right angles no sum is drawn, nor its envelope.
DrawOps RunScene::underlay() const
{
    return readouts && !parameters.perpendicular ? readouts::envelopeOps(parameters, axis) : DrawOps{};
}

DrawOps RunScene::opening() const
{
    DrawOps ops = sceneSetup(parameters.perpendicular);
    std::ranges::copy(underlay(), std::back_inserter(ops));
    return ops;
}

DrawOps RunScene::steps(int first, int last) const
{
    const SecondSinusoid second = secondSinusoidOf(parameters);
    DrawOps ops;
    ops.reserve(std::size_t(std::max(0, last - first + 1)) * kOpsPerStep);
    for (int t = first; t <= last; ++t)
        std::ranges::copy(stepOps(second, t, axis), std::back_inserter(ops));
    return ops;
}

DrawOps RunScene::at(int step, bool ended) const
{
    DrawOps ops = opening();
    ops.reserve(ops.size() + std::size_t(step) * kOpsPerStep + finishingOps().size());
    const SecondSinusoid second = secondSinusoidOf(parameters);
    for (int t = 1; t <= step; ++t)
        std::ranges::copy(stepOps(second, t, axis), std::back_inserter(ops));
    if (ended)
        std::ranges::copy(finishingOps(), std::back_inserter(ops));
    return ops;
}

DrawOps RunScene::showing(int step, bool ended) const
{
    DrawOps ops = opening();
    if (ended)
        std::erase_if(ops, [](const DrawOp &op) {
            const auto *line = std::get_if<Line>(&op);
            return line && (*line == scene::kUpperAxis || *line == scene::kLowerAxis);
        });
    ops.reserve(ops.size() + std::size_t(std::max(0, step)) * (kOpsPerStep - 4) + 4 + finishingOps().size());
    const SecondSinusoid second = secondSinusoidOf(parameters);
    VectorsAt before = vectorsAt(second, 0);
    for (int t = 1; t <= step; ++t) {
        const VectorsAt now = vectorsAt(second, t);
        appendStepOps(ops, before, now, traceX(t, axis), t == step, second.perpendicular);
        before = now;
    }
    if (ended)
        std::ranges::copy(finishingOps(), std::back_inserter(ops));
    return ops;
}

} // namespace vlnokres
