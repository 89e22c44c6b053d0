#include "Picture.h"

#include "BackwardPainter.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace vlnokres::picture {
namespace {

// A line's place, whichever way it was drawn; -0 is taken as 0, as a comparison takes it.
struct Place {
    double x1, y1, x2, y2;
    bool operator==(const Place &) const = default;
};

struct PlaceHash {
    std::size_t operator()(const Place &p) const
    {
        std::uint64_t h = 0;
        for (double v : {p.x1, p.y1, p.x2, p.y2})
            h = (h ^ std::bit_cast<std::uint64_t>(v + 0.0)) * 0x100000001b3ull;
        return std::size_t(h ^ (h >> 29));
    }
};

Place placeOf(const Line &line)
{
    const std::pair a{line.from.x, line.from.y};
    const std::pair b{line.to.x, line.to.y};
    const auto [first, second] = std::minmax(a, b);
    return {first.first + 0.0, first.second + 0.0, second.first + 0.0, second.second + 0.0};
}

DrawOps withoutCovered(const DrawOps &sceneOps)
{
    // The pen each operation is drawn with.
    std::vector<int> pens(sceneOps.size());
    int pen = 1;
    for (std::size_t i = 0; i < sceneOps.size(); ++i) {
        if (const auto *width = std::get_if<PenWidth>(&sceneOps[i]))
            pen = width->pixels;
        pens[i] = pen;
    }

    // From the last operation back: a line is covered when a later line lies exactly over it
    // with a pen at least as wide.
    std::vector<bool> keep(sceneOps.size(), false);
    std::unordered_map<Place, int, PlaceHash> widestLater; // the widest pen drawn there later
    widestLater.reserve(sceneOps.size());
    for (std::size_t i = sceneOps.size(); i-- > 0;) {
        const auto *line = std::get_if<Line>(&sceneOps[i]);
        if (!line) {
            keep[i] = std::holds_alternative<Circle>(sceneOps[i]);
            continue;
        }
        if (line->ink == Ink::BackgroundGrey)
            continue;
        const auto [found, isNew] = widestLater.try_emplace(placeOf(*line), pens[i]);
        keep[i] = isNew || found->second < pens[i];
        found->second = std::max(found->second, pens[i]);
    }

    DrawOps visible;
    visible.reserve(sceneOps.size());
    int keptPen = 0;
    for (std::size_t i = 0; i < sceneOps.size(); ++i) {
        if (!keep[i])
            continue;
        if (pens[i] != keptPen) {
            visible.push_back(PenWidth{pens[i]});
            keptPen = pens[i];
        }
        visible.push_back(sceneOps[i]);
    }
    return visible;
}

// A long axis's scene (hundreds of thousands of operations, the designed run's some nine
// thousand) keeps only what adds a pixel to its finished picture, painted as the designed
// window shows it and finer than a page printed at 300 dpi is (about 3.3 device pixels a scene
// pixel): a few thousand of the swept discs' quarter of a million lines, and the dots that
// still show.
constexpr std::size_t kLongScene = 50'000;
constexpr double kDecidingRatios[] = {1, 4};

DrawOps addingPixels(const DrawOps &sceneOps, Look look)
{
    std::vector<bool> adds(sceneOps.size(), false);
    for (const double ratio : kDecidingRatios) {
        const int width = int(std::ceil(scene::kClientWidth * ratio));
        const int height = int(std::ceil(scene::kClientHeight * ratio));
        BackwardPainter decider({nullptr, 0, SpanArea::wholeOf(width, height)}, ratio, scene::kClientWidth,
                                scene::kClientHeight, look, scene::kDiscCentres);
        decider.paint(sceneOps, 1, &adds);
    }
    DrawOps kept;
    int pen = 1;
    for (std::size_t i = 0; i < sceneOps.size(); ++i) {
        const DrawOp &op = sceneOps[i];
        if (const auto *width = std::get_if<PenWidth>(&op))
            pen = width->pixels;
        // What a decider does not paint (thin and zero-length lines) is left to the rule below.
        if (adds[i] || std::holds_alternative<PenWidth>(op) ||
            !std::ranges::all_of(kDecidingRatios, [&](double ratio) { return BackwardPainter::paintsItself(op, pen, ratio); }))
            kept.push_back(op);
    }
    return kept;
}

} // namespace

DrawOps visibleOps(const DrawOps &sceneOps, Look look)
{
    if (sceneOps.size() < kLongScene)
        return withoutCovered(sceneOps);
    return withoutCovered(addingPixels(sceneOps, look));
}


} // namespace vlnokres::picture
