#include "VectorPicture.h"

#include "core/Clip.h"
#include "core/Picture.h"

#include <cmath>

namespace vlnokres {

void emitPicture(ShapeSink &sink, const DrawOps &sceneOps, const QString &caption)
{
    // A margin keeps the caps at the picture's edges; beyond it nothing shows.
    constexpr double kMargin = 8;
    const Rect area{picture::kArea.left - kMargin, picture::kArea.top - kMargin, picture::kArea.right + kMargin,
                    picture::kArea.bottom + kMargin};
    int pen = 1;
    for (const DrawOp &op : picture::visibleOps(sceneOps)) {
        if (const auto *width = std::get_if<PenWidth>(&op)) {
            pen = width->pixels;
        } else if (const auto *line = std::get_if<Line>(&op)) {
            if (const auto clipped = clipSegment(line->from, line->to, area))
                sink.line(clipped->first, clipped->second, pen, rgbOf(line->ink));
        } else {
            const auto &circle = std::get<Circle>(op);
            const double radius = std::abs(circle.radius);
            const double reach = radius + pen / 2.0;
            const Point c = circle.centre;
            if (!std::isfinite(c.x) || !std::isfinite(c.y) || !std::isfinite(reach) || c.x + reach < area.left ||
                c.x - reach > area.right || c.y + reach < area.top || c.y - reach > area.bottom)
                continue;
            if (radius <= pen / 2.0)
                sink.disc(c, reach, rgbOf(circle.ink));
            else
                sink.ring(c, radius, pen, rgbOf(circle.ink));
        }
    }
    sink.plusBox(picture::kPlusBox);
    if (!caption.isEmpty())
        sink.caption(picture::kCaptionAt, caption);
}

} // namespace vlnokres
