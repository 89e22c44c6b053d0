#include "SceneSetup.h"

#include "SceneGeometry.h"

namespace vlnokres {

DrawOps sceneSetup(bool perpendicular)
{
    using namespace scene;
    DrawOps ops;
    ops.reserve(kClearedRows + 5);
    ops.push_back(PenWidth{1});
    for (int i = 1; i <= kClearedRows; ++i) {
        const double y = kBaseHeight - i;
        ops.push_back(Line{{kClearLeft, y}, {kClearRight, y}, Ink::BackgroundGrey});
    }
    ops.push_back(kUpperAxis);
    ops.push_back(kLowerAxis);
    ops.push_back(kTimeAxis);
    if (perpendicular)
        ops.push_back(kPlaneAxis);
    ops.push_back(PenWidth{2});
    return ops;
}

} // namespace vlnokres
