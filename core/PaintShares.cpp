#include "PaintShares.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

namespace vlnokres {
namespace {

// Setting up a line or a dot costs about as much as painting this many of its rows.
constexpr double kSettingUpRows = 12;

} // namespace

PaintShares sharesOf(std::span<const DrawOp> ops, int penWidth, double ratio, int deviceRows)
{
    PaintShares shares{0, {1e300, 1e300, -1e300, -1e300}};
    if (deviceRows <= 0)
        return shares;
    // Work starting at a row, and work per row from it on (difference by difference).
    std::vector<double> startingAt(std::size_t(deviceRows) + 1, 0), perRowChange(std::size_t(deviceRows) + 1, 0);
    const auto add = [&](double top, double bottom, double reach) {
        const double first = std::clamp(std::floor((top - reach) * ratio), 0.0, double(deviceRows - 1));
        const double last = std::clamp(std::ceil((bottom + reach) * ratio), 0.0, double(deviceRows - 1));
        if (!(first <= last)) // not a number: the painter paints nothing of it
            return;
        startingAt[std::size_t(first)] += kSettingUpRows;
        perRowChange[std::size_t(first)] += 1;
        perRowChange[std::size_t(last) + 1] -= 1;
    };
    for (const DrawOp &op : ops) {
        if (const auto *width = std::get_if<PenWidth>(&op)) {
            penWidth = width->pixels;
            continue;
        }
        const double reach = penWidth + 1;
        double left = 0, right = 0, top = 0, bottom = 0;
        if (const auto *line = std::get_if<Line>(&op)) {
            std::tie(left, right) = std::minmax(line->from.x, line->to.x);
            std::tie(top, bottom) = std::minmax(line->from.y, line->to.y);
        } else {
            const auto &circle = std::get<Circle>(op);
            const double r = std::abs(circle.radius);
            left = circle.centre.x - r, right = circle.centre.x + r, top = circle.centre.y - r, bottom = circle.centre.y + r;
        }
        Rect &all = shares.reach;
        // A coordinate that is not a number may reach anywhere.
        if (std::isnan(left + right + top + bottom))
            left = top = -1e300, right = bottom = 1e300;
        all = {std::min(all.left, left - reach), std::min(all.top, top - reach), std::max(all.right, right + reach),
               std::max(all.bottom, bottom + reach)};
        add(top, bottom, reach);
    }
    double total = 0, perRow = 0;
    std::vector<double> workAt(static_cast<std::size_t>(deviceRows));
    for (std::size_t row = 0; row < workAt.size(); ++row) {
        perRow += perRowChange[row];
        workAt[row] = startingAt[row] + perRow;
        total += workAt[row];
    }
    double above = 0;
    for (std::size_t row = 0; row < workAt.size(); ++row) {
        if (above + workAt[row] / 2 >= total / 2) {
            shares.splitRow = int(row);
            return shares;
        }
        above += workAt[row];
    }
    shares.splitRow = deviceRows / 2;
    return shares;
}

} // namespace vlnokres
