#include "PictureExport.h"
#include "app/language/Language.h"
#include "PictureShapes.h"

#include "core/Ink.h"
#include "core/Picture.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPagedPaintDevice>
#include <QPdfWriter>

namespace vlnokres {
namespace {

// The page's margin around the picture: enough for every printer's unprintable edge.
constexpr double kPageMarginMillimetres = 15;

void describe(QPdfWriter &pdf)
{
    pdf.setTitle(Texts::tr("Součet dvou sinusovek"));
    pdf.setCreator(QStringLiteral("Vlnokres"));
}

} // namespace

void paintPicture(QPainter &painter, const DrawOps &sceneOps, const PictureText &text, Look look, Band band)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(-picture::kArea.left, -picture::kArea.top);
    const QRectF page(picture::kArea.left, picture::kArea.top, picture::kWidth, picture::kHeight);
    painter.setClipRect(page);
    painter.fillRect(page, band == Band::Paper ? QColor(Qt::white) : QColor::fromRgb(rgbOf(Ink::BackgroundGrey, look.colours)));
    PainterSink sink(painter);
    emitPicture(sink, sceneOps, text, look);
    painter.restore();
}

QRectF pictureOnPage(const QRectF &printable)
{
    QSizeF size(picture::kWidth, picture::kHeight);
    size.scale(printable.size(), Qt::KeepAspectRatio);
    return {printable.center() - QPointF(size.width(), size.height()) / 2, size};
}

QPageLayout printedPageLayout()
{
    const double margin = kPageMarginMillimetres;
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(margin, margin, margin, margin),
                       QPageLayout::Millimeter);
}

bool paintPage(QPagedPaintDevice &device, const DrawOps &sceneOps, const PictureText &text, Look look)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRectF printable = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const QRectF target = pictureOnPage(QRectF(QPointF(), printable.size()));
    painter.translate(target.topLeft());
    painter.scale(target.width() / picture::kWidth, target.height() / picture::kHeight);
    // A page of grey would take a whole cartridge, and a page prints on white paper anyway.
    paintPicture(painter, sceneOps, text, look, Band::Paper);
    return painter.end();
}

// A page of the picture's size at 96 dots an inch, so that a scene pixel is a dot; or, for
// print, an A4 page in landscape with the picture fitted within its margins.
QByteArray picturePdf(const DrawOps &sceneOps, const PictureText &text, Look look, PdfPage page)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    describe(pdf);
    if (page == PdfPage::A4) {
        pdf.setResolution(300);
        pdf.setPageLayout(printedPageLayout());
        if (!paintPage(pdf, sceneOps, text, look))
            return {};
        return bytes;
    }
    pdf.setResolution(96);
    pdf.setPageSize(QPageSize(QSizeF(picture::kWidth, picture::kHeight) * 72.0 / 96, QPageSize::Point));
    pdf.setPageMargins(QMarginsF());
    {
        QPainter painter(&pdf);
        paintPicture(painter, sceneOps, text, look);
    }
    return bytes;
}

} // namespace vlnokres
