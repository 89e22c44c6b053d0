#include "SceneCheckpoints.h"

#include <algorithm>
#include <set>

namespace vlnokres {

void SceneCheckpoints::clear()
{
    m_opCounts.clear();
    m_points.clear();
    m_reached.reset();
    m_touched.clear();
    m_tileBytes = 0;
    m_thinnings = 0;
}

QRect SceneCheckpoints::tileRect(std::size_t tile) const
{
    const int column = int(tile % std::size_t(m_columns)), row = int(tile / std::size_t(m_columns));
    return QRect(column * kTile, row * kTile, kTile, kTile) & QRect({}, m_size);
}

SceneCheckpoints::Tile SceneCheckpoints::copyOf(const QImage &image, std::size_t tile)
{
    const QRect area = tileRect(tile);
    auto pixels = std::make_shared<std::vector<QRgb>>(std::size_t(area.width()) * std::size_t(area.height()));
    for (int y = 0; y < area.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(area.top() + y)) + area.left();
        std::copy(row, row + area.width(), pixels->begin() + std::ptrdiff_t(y) * area.width());
    }
    m_tileBytes += pixels->size() * sizeof(QRgb);
    return pixels;
}

// Every other point goes, the last stays; a tile no point holds any more is freed.
void SceneCheckpoints::thin()
{
    std::vector<Tiles> points;
    std::vector<std::size_t> opCounts;
    std::optional<std::size_t> reached;
    for (std::size_t i = 0; i < m_points.size(); ++i) {
        if (i % 2 == 1 || i + 1 == m_points.size()) {
            if (m_reached == i)
                reached = points.size();
            points.push_back(std::move(m_points[i]));
            opCounts.push_back(m_opCounts[i]);
            continue;
        }
        for (const Tile &tile : m_points[i])
            if (tile.use_count() == 1)
                m_tileBytes -= tile->size() * sizeof(QRgb);
    }
    m_points = std::move(points);
    m_opCounts = std::move(opCounts);
    m_reached = reached;
    ++m_thinnings;
}

void SceneCheckpoints::take(const QImage &image, std::size_t opCount)
{
    if (m_points.empty()) {
        m_size = image.size();
        m_columns = (m_size.width() + kTile - 1) / kTile;
    }
    const std::size_t tiles = std::size_t(m_columns) * std::size_t((m_size.height() + kTile - 1) / kTile);
    // Only from the last point can the tiles touched since be all that changed.
    const bool fromLast = !m_points.empty() && m_reached == m_points.size() - 1;
    Tiles table = fromLast ? m_points.back() : Tiles(tiles);
    for (std::size_t tile = 0; tile < tiles; ++tile)
        if (!fromLast || m_touched[tile])
            table[tile] = copyOf(image, tile);
    m_points.push_back(std::move(table));
    m_opCounts.push_back(opCount);
    m_reached = m_points.size() - 1;
    m_touched.assign(tiles, false);
    if (m_tileBytes > kKeptBytes)
        thin();
}

void SceneCheckpoints::touch(const QRect &deviceArea)
{
    if (m_touched.empty())
        return;
    const QRect area = deviceArea & QRect({}, m_size);
    if (area.isEmpty())
        return;
    for (int row = area.top() / kTile; row <= area.bottom() / kTile; ++row)
        for (int column = area.left() / kTile; column <= area.right() / kTile; ++column)
            m_touched[std::size_t(row) * std::size_t(m_columns) + std::size_t(column)] = true;
}

void SceneCheckpoints::arrive(std::size_t index)
{
    m_reached = index;
    std::fill(m_touched.begin(), m_touched.end(), false);
}

QRegion SceneCheckpoints::restore(QImage &image, std::size_t index)
{
    const Tiles &target = m_points[index];
    QRegion region;
    std::vector<QRect> row; // the row's restored tiles, those side by side joined
    const auto endRow = [&] {
        QRegion band;
        band.setRects(row.data(), int(row.size()));
        region += band;
        row.clear();
    };
    for (std::size_t tile = 0; tile < target.size(); ++tile) {
        if (tile % std::size_t(m_columns) == 0)
            endRow();
        if (m_reached && !m_touched[tile] && m_points[*m_reached][tile] == target[tile])
            continue;
        const QRect area = tileRect(tile);
        const QRgb *pixels = target[tile]->data();
        for (int y = 0; y < area.height(); ++y)
            std::copy(pixels + std::ptrdiff_t(y) * area.width(), pixels + std::ptrdiff_t(y + 1) * area.width(),
                      reinterpret_cast<QRgb *>(image.scanLine(area.top() + y)) + area.left());
        if (!row.empty() && row.back().right() + 1 == area.left())
            row.back().setRight(area.right());
        else
            row.push_back(area);
    }
    endRow();
    arrive(index);
    return region;
}

void SceneCheckpoints::dropAfter(std::size_t index)
{
    if (index + 1 >= m_points.size())
        return;
    for (std::size_t i = index + 1; i < m_points.size(); ++i)
        for (const Tile &tile : m_points[i])
            if (tile.use_count() == 1)
                m_tileBytes -= tile->size() * sizeof(QRgb);
    m_points.resize(index + 1);
    m_opCounts.resize(index + 1);
    if (m_reached && *m_reached > index)
        m_reached.reset(); // the picture's relation to any point is lost: a restore copies all
}

std::size_t SceneCheckpoints::bytes() const
{
    std::set<const std::vector<QRgb> *> kept;
    std::size_t total = 0;
    for (const Tiles &table : m_points)
        for (const Tile &tile : table)
            if (kept.insert(tile.get()).second)
                total += tile->size() * sizeof(QRgb);
    return total;
}

} // namespace vlnokres
