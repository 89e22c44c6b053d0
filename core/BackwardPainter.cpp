#include "BackwardPainter.h"

#include "DotRaster.h"
#include "LineRaster.h"
#include "SceneRaster.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

namespace vlnokres {
namespace {

// The decided radii are found again after so many operations, painted back from the last:
// often at first, while the discs fill, then seldom.
constexpr std::size_t kFirstRefresh = 512;
constexpr std::size_t kLaterRefresh = 8192;
constexpr std::size_t kOftenFor = 16384;
// A pixel's centre lies a hair outside the snapped, fixed-point stepped rectangle of a line at
// most; the parts passed over are measured with this much to spare, in device pixels.
constexpr double kSpare = 0.125;

std::uint64_t bitsFrom(int first, int last) // bits first … last of a word, both within it
{
    const std::uint64_t upTo = last == 63 ? ~0ull : (1ull << (last + 1)) - 1;
    return upTo & ~((1ull << first) - 1);
}

} // namespace

BackwardPainter::BackwardPainter(const PixelRows &rows, double ratio, double sceneWidth, double sceneHeight,
                                 Look look, std::span<const Point> centres)
    : m_rows(rows), m_ratio(ratio), m_sceneWidth(sceneWidth), m_sceneHeight(sceneHeight), m_look(look),
      m_top(rows.area.firstRow / ratio), m_bottom((rows.area.lastRow + 1) / ratio), m_words((rows.area.width + 63) / 64)
{
    const int rowCount = std::max(0, rows.area.lastRow - rows.area.firstRow + 1);
    m_mask.assign(std::size_t(rowCount) * std::size_t(m_words), 0);
    // The columns past the last are never painted: decided from the start.
    if (const int past = rows.area.width % 64; past != 0)
        for (int row = rows.area.firstRow; row <= rows.area.lastRow; ++row)
            maskRow(row)[m_words - 1] = ~0ull << past;
    for (const Point &centre : centres)
        m_centres.push_back({{centre.x * ratio, centre.y * ratio}});
}

bool BackwardPainter::paintsItself(const DrawOp &op, int penWidth, double ratio)
{
    if (const auto *line = std::get_if<Line>(&op))
        return raster::isOwnLine(*line, penWidth, ratio);
    return true;
}

void BackwardPainter::paint(std::span<const DrawOp> ops, int penWidth, std::vector<bool> *adds)
{
    if (m_rows.area.firstRow > m_rows.area.lastRow)
        return;
    // The pen each operation is drawn with, from the pens set among them.
    struct PenSet {
        std::size_t at;
        int pixels;
    };
    std::vector<PenSet> pens{{0, penWidth}};
    for (std::size_t i = 0; i < ops.size(); ++i)
        if (const auto *width = std::get_if<PenWidth>(&ops[i]))
            pens.push_back({i, width->pixels});
    std::size_t painted = 0, nextRefresh = kFirstRefresh;
    for (std::size_t i = ops.size(); i-- > 0;) {
        while (pens.back().at > i)
            pens.pop_back();
        const int pen = pens.back().pixels;
        m_added = false;
        if (const auto *line = std::get_if<Line>(&ops[i]))
            paintLine(*line, pen);
        else if (const auto *circle = std::get_if<Circle>(&ops[i]))
            paintCircle(*circle, pen);
        if (adds && m_added)
            (*adds)[i] = true;
        if (++painted == nextRefresh) {
            findDecidedRadii();
            nextRefresh += painted < kOftenFor ? kFirstRefresh : kLaterRefresh;
        }
    }
}

void BackwardPainter::paintLine(const Line &line, int penWidth)
{
    if (!isPainted(line, m_look) || !raster::isOwnLine(line, penWidth, m_ratio))
        return;
    // Wholly above or below the rows painted: another painter's (a comparison with a coordinate
    // that is not a number is false, and goes on to the clipping, which drops it).
    const double reach = penWidth + 1;
    if (std::max(line.from.y, line.to.y) + reach < m_top || std::min(line.from.y, line.to.y) - reach > m_bottom)
        return;
    const auto device = raster::deviceLine(line, penWidth, m_ratio, m_sceneWidth, m_sceneHeight);
    if (!device || device->from == device->to)
        return;
    const Point from = device->from, to = device->to;
    const double width = device->width;
    const std::uint32_t colour = 0xFF000000u | rgbOf(line.ink, m_look.colours);
    const auto paintRows = [&](int firstRow, int lastRow) {
        const SpanArea rows{m_rows.area.width, std::max(firstRow, m_rows.area.firstRow),
                            std::min(lastRow, m_rows.area.lastRow)};
        if (rows.firstRow <= rows.lastRow)
            lineSpans(from, to, width, rows, [&](int row, int first, int last) { paintSpan(row, first, last, colour); });
    };

    // Along the line and across it, from its start; of the centre nearest its middle the
    // stretch along it whose whole width lies within the decided radius.
    // (Clipped near the scene, no square here can overflow.)
    const double dx = to.x - from.x, dy = to.y - from.y, length = std::sqrt(dx * dx + dy * dy);
    const double ux = dx / length, uy = dy / length, half = width / 2;
    const Point middle{(from.x + to.x) / 2, (from.y + to.y) / 2};
    const Centre *nearest = nullptr;
    double nearestDistance = std::numeric_limits<double>::infinity();
    for (const Centre &c : m_centres) {
        const double d = (c.at.x - middle.x) * (c.at.x - middle.x) + (c.at.y - middle.y) * (c.at.y - middle.y);
        if (c.decided > 0 && d < nearestDistance)
            nearest = &c, nearestDistance = d;
    }
    const double begin = -half - kSpare, end = length + half + kSpare;
    double innerFrom = end, innerTo = end; // none
    if (nearest) {
        const double along = (nearest->at.x - from.x) * ux + (nearest->at.y - from.y) * uy;
        const double across = std::abs((nearest->at.y - from.y) * ux - (nearest->at.x - from.x) * uy);
        const double reach = nearest->decided - kSpare, aside = across + half + kSpare;
        if (reach > aside) {
            const double stretch = std::sqrt(reach * reach - aside * aside);
            innerFrom = std::max(begin, along - stretch);
            innerTo = std::min(end, along + stretch);
        }
    }
    if (!(innerFrom < innerTo)) {
        paintRows(m_rows.area.firstRow, m_rows.area.lastRow);
        return;
    }
    // The rows that the line's stretch from a to b may reach: those of its four corners.
    const auto rowsOf = [&](double a, double b) {
        const double ya = from.y + uy * a, yb = from.y + uy * b, spread = std::abs(ux) * half;
        const double top = std::min(ya, yb) - spread, bottom = std::max(ya, yb) + spread;
        paintRows(int(std::floor(top)) - 1, int(std::ceil(bottom)) + 1);
    };
    if (innerFrom > begin)
        rowsOf(begin, innerFrom);
    if (innerTo < end)
        rowsOf(innerTo, end);
}

void BackwardPainter::paintCircle(const Circle &drawn, int penWidth)
{
    const auto painted = dotAsPainted(drawn, m_look);
    if (!painted)
        return;
    const Circle &circle = *painted;
    const double sceneReach = std::abs(circle.radius) + penWidth + 1;
    if (circle.centre.y + sceneReach < m_top || circle.centre.y - sceneReach > m_bottom)
        return;
    const Point centre{circle.centre.x * m_ratio, circle.centre.y * m_ratio};
    const double radius = circle.radius * m_ratio, pen = raster::devicePen(penWidth, m_ratio);
    const std::uint32_t colour = 0xFF000000u | rgbOf(circle.ink, m_look.colours);
    forEachCircleSpan(centre, radius, pen, m_rows.area,
                      [&](const PixelSpan &span) { paintSpan(span.y, span.xFirst, span.xLast, colour); });
}

void BackwardPainter::paintSpan(int row, int first, int last, std::uint32_t colour)
{
    std::uint64_t *mask = maskRow(row);
    std::uint32_t *pixels = m_rows.pixels ? m_rows.pixels + row * m_rows.stride : nullptr;
    for (int word = first / 64; word <= last / 64; ++word) {
        const std::uint64_t wanted =
            bitsFrom(word == first / 64 ? first % 64 : 0, word == last / 64 ? last % 64 : 63);
        std::uint64_t open = wanted & ~mask[word];
        m_added |= open != 0;
        if (pixels)
            for (; open != 0; open &= open - 1)
                pixels[word * 64 + std::countr_zero(open)] = colour;
        mask[word] |= wanted;
    }
}

void BackwardPainter::findDecidedRadii()
{
    for (Centre &centre : m_centres)
        centre.decided = decidedRadius(centre.at);
}

// The distance from the centre to the nearest pixel of the rows not yet decided, searched row
// by row outward from the centre's, till the rows are further off than the nearest found.
double BackwardPainter::decidedRadius(Point centre) const
{
    if (!(std::abs(centre.x) < 1e6 && std::abs(centre.y) < 1e6))
        return 0;
    const int width = m_rows.area.width;
    const int column = std::clamp(int(std::floor(centre.x)), 0, width - 1);
    double nearest = std::numeric_limits<double>::infinity(); // squared
    const auto nearestOnRow = [&](int row) {
        const std::uint64_t *mask = maskRow(row);
        double best = std::numeric_limits<double>::infinity();
        // To the right from the centre's column, a word at a time.
        for (int x = column; x < width;) {
            const std::uint64_t open = ~mask[x / 64] >> (x % 64);
            if (open != 0) {
                const int found = x + std::countr_zero(open);
                if (found < width)
                    best = std::min(best, std::abs(found + 0.5 - centre.x));
                break;
            }
            x = (x / 64 + 1) * 64;
        }
        // And to the left of it.
        for (int x = column - 1; x >= 0;) {
            const int inWord = x % 64;
            const std::uint64_t open = ~mask[x / 64] << (63 - inWord);
            if (open != 0) {
                best = std::min(best, std::abs(x - std::countl_zero(open) + 0.5 - centre.x));
                break;
            }
            x -= inWord + 1;
        }
        return best;
    };
    const int centreRow = int(std::floor(centre.y));
    const auto search = [&](int row) {
        if (row < m_rows.area.firstRow || row > m_rows.area.lastRow)
            return;
        const double rowDistance = std::abs(row + 0.5 - centre.y);
        if (rowDistance * rowDistance >= nearest)
            return;
        const double along = nearestOnRow(row);
        nearest = std::min(nearest, rowDistance * rowDistance + along * along);
    };
    search(centreRow);
    // The rows offset from the centre's lie at least offset − ½ from it.
    for (int offset = 1; (offset - 0.5) * (offset - 0.5) < nearest; ++offset) {
        if (centreRow - offset < m_rows.area.firstRow && centreRow + offset > m_rows.area.lastRow)
            break; // past both ends of the rows: every pixel of them is decided or further off
        search(centreRow - offset);
        search(centreRow + offset);
    }
    return std::sqrt(nearest);
}

} // namespace vlnokres
