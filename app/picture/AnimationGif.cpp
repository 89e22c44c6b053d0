#include "AnimationGif.h"

#include "GifEncoder.h"
#include "PictureExport.h"
#include "ReadoutText.h"
#include "app/run/RasterPainter.h"
#include "core/AnimationFrames.h"
#include "core/RunScene.h"
#include "core/SceneGeometry.h"

#include <QFileInfo>

#include <array>

namespace vlnokres {
namespace {

std::span<const std::uint32_t> pixelsOf(const QImage &image)
{
    return {reinterpret_cast<const std::uint32_t *>(image.constBits()), std::size_t(image.width()) * image.height()};
}

// Every colour the scene draws in at this palette, and the "+" box's edge; text takes greys.
animation::FixedPalette paletteFor(Colours colours)
{
    constexpr std::array kInks{Ink::Foreground, Ink::BackgroundGrey, Ink::White, Ink::Green,
                               Ink::LightYellow, Ink::Red,           Ink::MidGrey};
    std::vector<std::uint32_t> rgb;
    for (Ink ink : kInks)
        rgb.push_back(rgbOf(ink, colours));
    rgb.push_back(pictureStyle::kBoxEdge);
    return animation::FixedPalette(rgb);
}

} // namespace

bool isAnimationFile(const QString &fileName) { return QFileInfo(fileName).suffix().toLower() == u"gif"; }

// The run is drawn once, step by step, on one raster; each frame is the picture cut from it as
// it stands, and only what changed since the frame before is stored.
QByteArray animationGif(const AnimationRequest &request)
{
    const Parameters &parameters = request.parameters;
    const SetUp &view = request.setUp;
    const RunScene run{parameters, view.readouts, view.axis};
    QImage scene = blankScene(request.scale);
    RasterPainter painter(scene, request.scale, QSize(scene::kClientWidth, scene::kClientHeight), 1, {}, view.look());
    auto paint = [&](const DrawOps &ops) {
        for (const DrawOp &op : ops)
            painter.paint(op);
    };
    paint(run.opening());

    const animation::FixedPalette palette = paletteFor(view.colours);
    const QString caption = pictureCaption(parameters);
    std::optional<GifEncoder> encoder;
    QImage before;
    int drawn = 0;
    for (const animation::Frame &frame : animation::framesOf(view.slowdown, view.axis)) {
        paint(run.steps(drawn + 1, frame.step));
        drawn = frame.step;
        if (frame.finished)
            paint(finishingOps());
        PictureText text = overlayText(parameters, frame.step, view);
        text.caption = caption;
        text.question = request.question;
        const QImage picture = pictureOfScene(scene, text, request.scale);
        if (!encoder)
            encoder.emplace(picture.width(), picture.height(), palette);
        const auto pixels = pixelsOf(picture);
        const auto previous = before.isNull() ? std::span<const std::uint32_t>() : pixelsOf(before);
        // A frame that changes nothing still holds its time, as one unchanged pixel.
        const animation::Area area = previous.empty()
                                         ? animation::Area{0, 0, picture.width(), picture.height()}
                                         : animation::changedArea(previous, pixels, picture.width())
                                               .value_or(animation::Area{0, 0, 1, 1});
        encoder->addFrame(area, animation::indexedArea(previous, pixels, picture.width(), area, palette),
                          frame.centiseconds);
        before = picture;
    }
    return encoder->finish();
}

} // namespace vlnokres
