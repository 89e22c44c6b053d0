#include "GifEncoder.h"

#include <gif_lib.h>

#include <algorithm>
#include <vector>

namespace vlnokres {

int GifEncoder::write(GifFileType *gif, const std::uint8_t *data, int length)
{
    static_cast<GifEncoder *>(gif->UserData)->m_bytes.append(reinterpret_cast<const char *>(data), length);
    return length;
}

GifEncoder::GifEncoder(int width, int height, const animation::FixedPalette &palette)
{
    int error = 0;
    m_gif = EGifOpen(this, write, &error);
    if (!m_gif) {
        m_failed = true;
        return;
    }
    std::vector<GifColorType> colours(256);
    std::ranges::transform(palette.colours(), colours.begin(), [](std::uint32_t rgb) {
        return GifColorType{GifByteType(rgb >> 16), GifByteType(rgb >> 8), GifByteType(rgb)};
    });
    ColorMapObject *map = GifMakeMapObject(256, colours.data());
    EGifSetGifVersion(m_gif, true);
    // Played over and over: the application extension that every browser and slide program reads.
    static const GifByteType kLooping[] = {1, 0, 0};
    m_failed = !map || EGifPutScreenDesc(m_gif, width, height, 8, 0, map) == GIF_ERROR ||
               EGifPutExtensionLeader(m_gif, APPLICATION_EXT_FUNC_CODE) == GIF_ERROR ||
               EGifPutExtensionBlock(m_gif, 11, "NETSCAPE2.0") == GIF_ERROR ||
               EGifPutExtensionBlock(m_gif, 3, kLooping) == GIF_ERROR || EGifPutExtensionTrailer(m_gif) == GIF_ERROR;
    GifFreeMapObject(map);
}

GifEncoder::~GifEncoder()
{
    if (m_gif)
        EGifCloseFile(m_gif, nullptr);
}

void GifEncoder::addFrame(const animation::Area &area, std::span<const std::uint8_t> indices, int centiseconds)
{
    if (m_failed)
        return;
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT; // the next frame is laid over this one
    control.DelayTime = centiseconds;
    control.TransparentColor = animation::FixedPalette::kUnchanged;
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    m_failed = EGifPutExtension(m_gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) == GIF_ERROR ||
               EGifPutImageDesc(m_gif, area.left, area.top, area.width, area.height, false, nullptr) == GIF_ERROR;
    for (int y = 0; y < area.height && !m_failed; ++y)
        m_failed = EGifPutLine(m_gif, const_cast<GifPixelType *>(indices.data() + std::size_t(y) * area.width),
                               area.width) == GIF_ERROR;
}

QByteArray GifEncoder::finish()
{
    const bool closed = m_gif && EGifCloseFile(m_gif, nullptr) == GIF_OK;
    m_gif = nullptr;
    return closed && !m_failed ? m_bytes : QByteArray();
}

} // namespace vlnokres
