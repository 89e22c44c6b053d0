#pragma once

#include "SpanArea.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace vlnokres {

// 32-bit pixels, 0xFFRRGGBB, row after row: what the core paints spans into, and what the
// edge wraps as an image.
struct PixelRows {
    std::uint32_t *pixels = nullptr;
    std::ptrdiff_t stride = 0; // pixels from one row to the next
    SpanArea area;             // the rows and columns that may be painted

    void fill(int row, int first, int last, std::uint32_t colour) const
    {
        std::uint32_t *at = pixels + row * stride;
        std::fill(at + first, at + last + 1, colour);
    }
};

} // namespace vlnokres
