#pragma once

#include "core/AnimationFrames.h"

#include <QByteArray>

#include <cstdint>
#include <span>

struct GifFileType;

namespace vlnokres {

// An animated GIF written into memory through giflib: one fixed palette, the animation looping
// for ever, and each frame an area of palette indices laid over the frames before it, its
// index 0 letting them show through. A failure of the library leaves bytes() empty.
class GifEncoder
{
public:
    GifEncoder(int width, int height, const animation::FixedPalette &palette);
    ~GifEncoder();
    GifEncoder(const GifEncoder &) = delete;
    GifEncoder &operator=(const GifEncoder &) = delete;

    void addFrame(const animation::Area &area, std::span<const std::uint8_t> indices, int centiseconds);
    // Ends the file; the bytes are whole only after it.
    QByteArray finish();

private:
    static int write(GifFileType *gif, const std::uint8_t *data, int length);

    GifFileType *m_gif = nullptr;
    QByteArray m_bytes;
    bool m_failed = false;
};

} // namespace vlnokres
