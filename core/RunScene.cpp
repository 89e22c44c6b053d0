#include "RunScene.h"

#include "Readouts.h"
#include "SceneSetup.h"

#include <algorithm>
#include <iterator>

namespace vlnokres {

DrawOps RunScene::underlay() const { return readouts ? readouts::envelopeOps(parameters) : DrawOps{}; }

DrawOps RunScene::opening() const
{
    DrawOps ops = sceneSetup();
    std::ranges::copy(underlay(), std::back_inserter(ops));
    return ops;
}

DrawOps RunScene::steps(int first, int last) const
{
    const SecondSinusoid second = secondSinusoidOf(parameters);
    DrawOps ops;
    for (int t = first; t <= last; ++t)
        std::ranges::copy(stepOps(second, t), std::back_inserter(ops));
    return ops;
}

DrawOps RunScene::at(int step, bool ended) const
{
    DrawOps ops = opening();
    std::ranges::copy(steps(1, step), std::back_inserter(ops));
    if (ended)
        std::ranges::copy(finishingOps(), std::back_inserter(ops));
    return ops;
}

} // namespace vlnokres
