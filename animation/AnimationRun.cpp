#include "AnimationRun.h"

#include "DrawingSurface.h"
#include "Pacer.h"

namespace vlnokres {

void runAnimation(const SecondSinusoid &second, std::chrono::nanoseconds pausePerStep, DrawingSurface &surface,
                  Pacer &pacer)
{
    pacer.start();
    for (int t = 1; t <= kSteps; ++t) {
        surface.draw(stepOps(second, t));
        if (!pacer.waitUntil(t * pausePerStep))
            return;
    }
    surface.draw(finishingOps());
    pacer.finish();
}

} // namespace vlnokres
