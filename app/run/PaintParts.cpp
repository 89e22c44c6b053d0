#include "PaintParts.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace vlnokres {
namespace {

struct Part {
    std::vector<std::size_t> members;
    double cost = 0;
};

struct Scene {
    std::span<const QRect> reaches; // within the scene
    std::span<const double> costs;
    QSize size;
    int margin;
};

// The part's two sides of a row (or a column) that none of its reaches comes within the margin
// of, the one that halves its cost most nearly; none where no such line parts it.
std::optional<std::pair<Part, Part>> cut(const Part &part, bool alongRow, const Scene &scene)
{
    const int extent = alongRow ? scene.size.height() : scene.size.width();
    const auto span = [&](std::size_t i) {
        const QRect &reach = scene.reaches[i];
        const int low = alongRow ? reach.top() : reach.left();
        const int high = alongRow ? reach.bottom() : reach.right();
        return std::pair{std::max(0, low - scene.margin), std::min(extent - 1, high + scene.margin)};
    };
    std::vector<int> reaching(std::size_t(extent) + 1, 0); // from one line to the next
    std::vector<double> starting(std::size_t(extent), 0);  // the cost of what starts there
    std::vector<std::size_t> startingCount(std::size_t(extent), 0);
    for (std::size_t i : part.members) {
        const auto [low, high] = span(i);
        ++reaching[std::size_t(low)];
        --reaching[std::size_t(high) + 1];
        starting[std::size_t(low)] += scene.costs[i];
        ++startingCount[std::size_t(low)];
    }
    std::optional<int> best;
    double before = 0, bestImbalance = 0;
    std::size_t countBefore = 0;
    int covering = 0;
    for (int line = 0; line < extent; ++line) {
        covering += reaching[std::size_t(line)];
        before += starting[std::size_t(line)];
        countBefore += startingCount[std::size_t(line)];
        const double imbalance = std::abs(2 * before - part.cost);
        const bool parts = countBefore > 0 && countBefore < part.members.size();
        if (covering == 0 && parts && (!best || imbalance < bestImbalance)) {
            best = line;
            bestImbalance = imbalance;
        }
    }
    if (!best)
        return std::nullopt;
    std::pair<Part, Part> sides;
    for (std::size_t i : part.members) {
        Part &side = span(i).second < *best ? sides.first : sides.second;
        side.members.push_back(i);
        side.cost += scene.costs[i];
    }
    return sides;
}

// The costliest part that a row or a column parts, cut where that halves it most nearly,
// again and again, up to a few parts: enough to share them out evenly between two.
std::vector<Part> partsOf(Part all, const Scene &scene)
{
    constexpr std::size_t kMostParts = 8;
    std::vector<Part> parts{std::move(all)};
    std::vector<bool> whole(1, false); // no line parts it
    while (parts.size() < kMostParts) {
        std::optional<std::size_t> costliest;
        for (std::size_t p = 0; p < parts.size(); ++p)
            if (!whole[p] && (!costliest || parts[p].cost > parts[*costliest].cost))
                costliest = p;
        if (!costliest)
            break;
        const auto larger = [](const std::pair<Part, Part> &sides) { return std::max(sides.first.cost, sides.second.cost); };
        auto sides = cut(parts[*costliest], true, scene);
        if (auto byColumn = cut(parts[*costliest], false, scene); byColumn && (!sides || larger(*byColumn) < larger(*sides)))
            sides = std::move(byColumn);
        if (!sides) {
            whole[*costliest] = true;
            continue;
        }
        parts[*costliest] = std::move(sides->first);
        parts.push_back(std::move(sides->second));
        whole.push_back(false);
    }
    return parts;
}

} // namespace

std::vector<std::vector<std::size_t>> paintParts(std::span<const QRect> reaches, std::span<const double> costs,
                                                 QSize sceneSize, int margin)
{
    std::vector<QRect> within(reaches.size());
    Part all;
    for (std::size_t i = 0; i < reaches.size(); ++i) {
        within[i] = reaches[i] & QRect({}, sceneSize);
        if (!within[i].isEmpty()) {
            all.members.push_back(i);
            all.cost += costs[i];
        }
    }
    std::vector<Part> parts = partsOf(std::move(all), Scene{within, costs, sceneSize, margin});
    std::ranges::stable_sort(parts, std::ranges::greater{}, &Part::cost);
    std::vector<std::vector<std::size_t>> members;
    for (Part &part : parts)
        members.push_back(std::move(part.members));
    return members;
}

} // namespace vlnokres
