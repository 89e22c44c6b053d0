#include "DotRaster.h"

namespace vlnokres {

std::vector<PixelSpan> circleSpans(Point centre, double radius, double penWidth, int width, int height)
{
    std::vector<PixelSpan> spans;
    forEachCircleSpan(centre, radius, penWidth, SpanArea::wholeOf(width, height),
                      [&spans](const PixelSpan &span) { spans.push_back(span); });
    return spans;
}

} // namespace vlnokres
