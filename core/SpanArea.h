#pragma once

namespace vlnokres {

// Where spans may fall in an image: columns 0 … width − 1 of rows firstRow … lastRow. Two
// painters that share an image by its rows each paint only their own; every pixel is still
// painted by the operations that reach it, in their order.
struct SpanArea {
    int width = 0;
    int firstRow = 0;
    int lastRow = -1;
    static constexpr SpanArea wholeOf(int width, int height) { return {width, 0, height - 1}; }
};

} // namespace vlnokres
