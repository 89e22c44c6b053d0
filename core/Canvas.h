#pragma once

#include "DrawOp.h"

#include <cstddef>

namespace vlnokres {

// Where the scene is drawn: the window's surface, or a recording in tests. Every operation
// shows at once; a pen width holds for the operations after it.
class Canvas
{
public:
    virtual ~Canvas() = default;
    // A new scene begins: the band is about to be cleared.
    virtual void beginScene() {}
    // About so many operations will be drawn in it, which a canvas keeping them may make room for.
    virtual void expectOps(std::size_t /*count*/) {}
    virtual void draw(const DrawOps &ops) = 0;
    // A new scene of these operations, which the canvas may keep as they are rather than copy.
    virtual void drawScene(DrawOps &&sceneOps)
    {
        beginScene();
        draw(sceneOps);
    }
    // The scene becomes exactly these operations, from a cleared band.
    virtual void showScene(const DrawOps &sceneOps)
    {
        beginScene();
        draw(sceneOps);
    }
    // The scene drawn since it began becomes its first count operations, had from what the
    // canvas kept of it; false, and nothing done, where it kept too little.
    virtual bool showDrawnUpTo(std::size_t /*count*/) { return false; }
};

} // namespace vlnokres
