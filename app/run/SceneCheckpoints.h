#pragma once

#include <QImage>
#include <QRegion>

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

namespace vlnokres {

// The raster picture as it stood at points of a scene drawn operation by operation, kept tile
// by tile, a tile shared with the point before when nothing touched it since. A paused run
// moved to another step is had again by restoring the tiles that differ from the nearest
// earlier point and painting the few steps after it, rather than by drawing the whole scene
// again: a tenth of the pixels, and of the time.
class SceneCheckpoints
{
public:
    static constexpr int kTile = 32; // device pixels a side
    // Past this many bytes of tiles, every other point is let go and the points are kept
    // twice as far apart: a long run keeps as much as a designed one, further apart.
    static constexpr std::size_t kKeptBytes = std::size_t(48) << 20;

    // Nothing kept: a new scene, or the picture drawn anew at another resolution.
    void clear();
    // The points kept, in order, each the number of the scene's operations drawn at it.
    const std::vector<std::size_t> &opCounts() const { return m_opCounts; }
    // The picture in image now stands after opCount operations, past every point kept.
    void take(const QImage &image, std::size_t opCount);
    // Painting changed these device pixels since the picture stood at the last point reached.
    void touch(const QRect &deviceArea);
    // The picture stands at point index again, as it was painted to it once more.
    void arrive(std::size_t index);
    // Restores in image the tiles that differ from point index; the device pixels restored.
    QRegion restore(QImage &image, std::size_t index);
    // Forgets the points after index.
    void dropAfter(std::size_t index);
    std::size_t bytes() const;
    // How many times further apart than at first the points are now kept.
    std::size_t spread() const { return std::size_t(1) << m_thinnings; }

private:
    using Tile = std::shared_ptr<const std::vector<QRgb>>;
    using Tiles = std::vector<Tile>;

    QRect tileRect(std::size_t tile) const;
    Tile copyOf(const QImage &image, std::size_t tile);
    void thin();

    QSize m_size;
    int m_columns = 0;
    std::vector<std::size_t> m_opCounts;
    std::vector<Tiles> m_points;
    std::optional<std::size_t> m_reached; // the point the picture differs from only in m_touched
    std::vector<bool> m_touched;
    std::size_t m_tileBytes = 0;
    int m_thinnings = 0;
};

} // namespace vlnokres
