#pragma once

#include "Canvas.h"
#include "DrawOp.h"

#include <cstddef>
#include <span>

namespace vlnokres {

// What has been drawn and still shows, as operations: everything since the band was last
// cleared, and the few operations outside the band that a clear leaves standing (a vector
// of huge length crossing the controls' strip). Replayed in order onto a fresh surface it
// gives the picture again, at any resolution.
class Drawing final : public Canvas
{
public:
    void draw(const DrawOps &ops) override;
    // The same, the operations taken rather than copied.
    void draw(DrawOps &&ops);
    // The band is about to be cleared: what lies wholly within it is dropped, since the
    // clear covers it.
    void beginScene() override;
    void expectOps(std::size_t count) override { m_ops.reserve(m_ops.size() + count); }

    const DrawOps &ops() const { return m_ops; }
    bool empty() const { return m_ops.empty(); }
    // The operations of the last scene, from its clear on: all that shows in the band.
    DrawOps sceneOps() const;
    bool hasScene() const { return m_hasScene; }
    // The same as drawing these operations and then beginning a scene, where they are kept
    // elsewhere: only what of them lies beyond the band is copied.
    void beginSceneAfter(std::span<const DrawOp> drawn);
    // The scene, begun and empty here, becomes these operations, taken whole.
    void takeScene(DrawOps &&sceneOps);

private:
    DrawOps m_ops;
    std::size_t m_sceneStart = 0;
    bool m_hasScene = false;
};

// Whether the pixels that the operation paints, with the given pen width, all lie within the
// rectangle.
bool paintsOnlyWithin(const DrawOp &op, int penWidth, const Rect &area);

} // namespace vlnokres
