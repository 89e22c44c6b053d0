#include "PictureExport.h"
#include "PictureShapes.h"

#include "core/Ink.h"
#include "core/Picture.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace vlnokres {

// A page of the picture's size at 96 dots an inch, so that a scene pixel is a dot.
QByteArray picturePdf(const DrawOps &sceneOps, const PictureText &text, Colours colours)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(QStringLiteral("Součet dvou sinusovek"));
        pdf.setCreator(QStringLiteral("Vlnokres"));
        pdf.setResolution(96);
        pdf.setPageSize(QPageSize(QSizeF(picture::kWidth, picture::kHeight) * 72.0 / 96, QPageSize::Point));
        pdf.setPageMargins(QMarginsF());
        QPainter painter(&pdf);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(-picture::kArea.left, -picture::kArea.top);
        const QRectF page(picture::kArea.left, picture::kArea.top, picture::kWidth, picture::kHeight);
        painter.setClipRect(page);
        painter.fillRect(page, QColor::fromRgb(rgbOf(Ink::BackgroundGrey)));
        PainterSink sink(painter);
        emitPicture(sink, sceneOps, text, colours);
    }
    return bytes;
}

} // namespace vlnokres
