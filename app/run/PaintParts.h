#pragma once

#include <QRect>
#include <QSize>

#include <span>
#include <vector>

namespace vlnokres {

// A long batch of operations shared between painters at once. The scene is cut along rows and
// columns that no operation comes within a margin of, into a few parts; no pixel that an
// operation of one part paints is one that an operation of another paints, so that the parts
// can be painted in any order, or at once, each in its own order, and the picture is exactly
// the one painted in order.
//
// Each operation comes with the scene pixels it may touch (empty for one that touches none:
// it is in no part) and what painting it costs. The parts, the costliest first, list their
// operations in order; there is one alone where nothing parts the work.
std::vector<std::vector<std::size_t>> paintParts(std::span<const QRect> reaches, std::span<const double> costs,
                                                 QSize sceneSize, int margin);

} // namespace vlnokres
