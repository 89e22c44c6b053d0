#include "AnimationRun.h"

#include "Canvas.h"
#include "Pacer.h"
#include "SceneSetup.h"

namespace vlnokres {

void runAnimation(const SecondSinusoid &second, std::chrono::nanoseconds pausePerStep, Canvas &canvas,
                  Pacer &pacer)
{
    canvas.beginScene();
    canvas.draw(sceneSetup());
    pacer.start();
    for (int t = 1; t <= kSteps; ++t) {
        canvas.draw(stepOps(second, t));
        if (!pacer.waitUntil(t * pausePerStep))
            return;
    }
    canvas.draw(finishingOps());
    pacer.finish();
}

} // namespace vlnokres
