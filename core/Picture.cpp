#include "Picture.h"

#include <algorithm>
#include <set>
#include <tuple>
#include <vector>

namespace vlnokres::picture {
namespace {

// A line's place, whichever way it was drawn.
using Place = std::tuple<double, double, double, double>;

Place placeOf(const Line &line)
{
    const std::pair a{line.from.x, line.from.y};
    const std::pair b{line.to.x, line.to.y};
    const auto [first, second] = std::minmax(a, b);
    return {first.first, first.second, second.first, second.second};
}

} // namespace

namespace {

DrawOps withoutCovered(const DrawOps &sceneOps, bool dropClear)
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
    std::set<std::pair<Place, int>> later; // place and the widest pen drawn there later
    for (std::size_t i = sceneOps.size(); i-- > 0;) {
        const auto *line = std::get_if<Line>(&sceneOps[i]);
        if (!line) {
            keep[i] = std::holds_alternative<Circle>(sceneOps[i]);
            continue;
        }
        if (dropClear && line->ink == Ink::BackgroundGrey)
            continue;
        const Place place = placeOf(*line);
        const auto found = later.lower_bound({place, pens[i]});
        keep[i] = found == later.end() || found->first != place;
        later.insert({place, pens[i]});
    }

    DrawOps visible;
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

} // namespace

DrawOps visibleOps(const DrawOps &sceneOps) { return withoutCovered(sceneOps, true); }

DrawOps uncoveredOps(const DrawOps &sceneOps) { return withoutCovered(sceneOps, false); }

} // namespace vlnokres::picture
