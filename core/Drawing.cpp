#include "Drawing.h"

#include "SceneGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>

namespace vlnokres {

bool paintsOnlyWithin(const DrawOp &op, int penWidth, const Rect &area)
{
    // A line's square caps and a circle's pen reach half the pen beyond the geometry; the
    // corners of a slanting line's caps reach √2 times as far.
    double minX = 0, maxX = 0, minY = 0, maxY = 0;
    if (const auto *line = std::get_if<Line>(&op)) {
        std::tie(minX, maxX) = std::minmax(line->from.x, line->to.x);
        std::tie(minY, maxY) = std::minmax(line->from.y, line->to.y);
        const bool straight = line->from.x == line->to.x || line->from.y == line->to.y;
        const double reach = penWidth / 2.0 * (straight ? 1 : std::numbers::sqrt2);
        minX -= reach, minY -= reach, maxX += reach, maxY += reach;
    } else if (const auto *circle = std::get_if<Circle>(&op)) {
        const double reach = std::abs(circle->radius) + penWidth / 2.0;
        minX = circle->centre.x - reach, maxX = circle->centre.x + reach;
        minY = circle->centre.y - reach, maxY = circle->centre.y + reach;
    } else {
        return false;
    }
    return minX >= area.left && maxX <= area.right && minY >= area.top && maxY <= area.bottom;
}

// A pen width set again before anything is drawn with the last one replaces it, so that
// Starts that are refused (each sets the pen first) do not pile up.
void Drawing::draw(const DrawOps &ops)
{
    for (const DrawOp &op : ops) {
        if (std::holds_alternative<PenWidth>(op) && !m_ops.empty() && std::holds_alternative<PenWidth>(m_ops.back()) &&
            m_ops.size() > m_sceneStart)
            m_ops.back() = op;
        else
            m_ops.push_back(op);
    }
}

void Drawing::draw(DrawOps &&ops)
{
    if (!m_ops.empty()) {
        m_ops.reserve(m_ops.size() + ops.size());
        draw(ops);
        return;
    }
    // Taken whole, then pens set again one after another folded into the last, in place.
    m_ops = std::move(ops);
    std::size_t kept = 0;
    for (std::size_t i = 0; i < m_ops.size(); ++i) {
        const bool foldable = kept > m_sceneStart && std::holds_alternative<PenWidth>(m_ops[i]) &&
                              std::holds_alternative<PenWidth>(m_ops[kept - 1]);
        m_ops[foldable ? kept - 1 : kept++] = m_ops[i];
    }
    m_ops.resize(kept);
}

void Drawing::takeScene(DrawOps &&sceneOps)
{
    // What stands from before the scene goes in front; mostly there is nothing.
    m_ops.resize(m_sceneStart);
    sceneOps.insert(sceneOps.begin(), m_ops.begin(), m_ops.end());
    m_ops = std::move(sceneOps);
}

DrawOps Drawing::sceneOps() const
{
    return m_hasScene ? DrawOps(m_ops.begin() + std::ptrdiff_t(m_sceneStart), m_ops.end()) : DrawOps{};
}

void Drawing::beginScene() { beginSceneAfter({}); }

void Drawing::beginSceneAfter(std::span<const DrawOp> drawn)
{
    using namespace scene;
    DrawOps kept;
    int width = 1;     // as drawn
    int keptWidth = 1; // as the kept operations would be drawn
    for (const std::span<const DrawOp> ops : {std::span<const DrawOp>(m_ops), drawn}) {
        for (const DrawOp &op : ops) {
            if (const auto *pen = std::get_if<PenWidth>(&op)) {
                width = pen->pixels;
                continue;
            }
            if (paintsOnlyWithin(op, width, kClearedBand))
                continue;
            if (width != keptWidth || kept.empty()) {
                kept.push_back(PenWidth{width});
                keptWidth = width;
            }
            kept.push_back(op);
        }
    }
    m_ops = std::move(kept);
    m_sceneStart = m_ops.size();
    m_hasScene = true;
}

} // namespace vlnokres
