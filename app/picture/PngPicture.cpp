#include "PictureExport.h"
#include "PictureShapes.h"

#include "app/run/RasterPainter.h"
#include "core/Ink.h"
#include "core/Picture.h"
#include "core/SceneGeometry.h"

#include <QPainter>

#include <cmath>

namespace vlnokres {

QImage blankScene(double scale)
{
    QImage scene(QSize(int(std::lround(scene::kClientWidth * scale)), int(std::lround(scene::kClientHeight * scale))),
                 QImage::Format_RGB32);
    scene.fill(QColor::fromRgb(rgbOf(Ink::BackgroundGrey)));
    return scene;
}

QImage pictureOfScene(const QImage &scene, const PictureText &text, double scale)
{
    const Rect &a = picture::kArea;
    QImage image = scene.copy(QRect(QPoint(0, int(std::lround(a.top * scale))),
                                    QSize(int(std::lround(picture::kWidth * scale)),
                                          int(std::lround(picture::kHeight * scale)))));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    painter.translate(-a.left, -a.top);
    PainterSink sink(painter);
    emitOverlay(sink, text);
    return image;
}

// The band as the window draws it at this zoom, cut from the whole scene, then the "+" box
// and the caption on top, as the window shows them.
QImage pictureImage(const DrawOps &sceneOps, const PictureText &text, double scale, Look look)
{
    QImage scene = blankScene(scale);
    paintShared(scene, scale, QSize(scene::kClientWidth, scene::kClientHeight), 1, look, sceneOps);
    return pictureOfScene(scene, text, scale);
}

} // namespace vlnokres
