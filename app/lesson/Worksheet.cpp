#include "Worksheet.h"

#include "app/language/Language.h"
#include "app/picture/PictureExport.h"
#include "app/picture/ReadoutText.h"
#include "core/Picture.h"
#include "core/RunScene.h"
#include "core/StartChecks.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace vlnokres {
namespace {

constexpr double kMarginMillimetres = 15;
constexpr int kNoteLines = 4;

QFont font(int points, bool bold = false)
{
    QFont f(QStringLiteral("Liberation Serif"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// Text wrapped to the width from the top; returns where the next line starts.
double paragraph(QPainter &painter, double top, double width, const QString &text, const QFont &f,
                 Qt::Alignment align = Qt::AlignLeft)
{
    if (text.isEmpty())
        return top;
    painter.setFont(f);
    const QRectF area(0, top, width, 1e6);
    const QRectF used = painter.boundingRect(area, int(align | Qt::TextWordWrap), text);
    painter.drawText(area, int(align | Qt::TextWordWrap), text);
    return used.bottom();
}

// The scene's finished picture as the print palette shows it, with the sum hidden unless the
// answers are asked for; its values were checked when the lesson was read.
void paintScene(QPainter &painter, const QRectF &target, const LessonScene &scene, bool answers)
{
    SetUp view = scene.setUp;
    view.colours = Colours::Print;
    view.sumHidden = !answers;
    const SecondValues &v = view.values;
    auto checked = checkParameters({v.amplitude, v.frequency, v.phaseDegrees});
    auto *parameters = std::get_if<Parameters>(&checked);
    if (!parameters)
        return;
    parameters->perpendicular = view.perpendicular;
    const int last = view.axis.steps();
    const DrawOps ops = RunScene{*parameters, view.readouts, view.axis}.showing(last, true);
    PictureText text = overlayText(*parameters, last, view);
    text.caption = pictureCaption(*parameters);
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / picture::kWidth, target.height() / picture::kHeight);
    paintPicture(painter, ops, text, view.look(), Band::Paper);
    painter.restore();
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(target);
}

} // namespace

bool paintWorksheet(QPagedPaintDevice &device, const Lesson &lesson, bool answers)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
                                     QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRectF page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const double width = page.width();
    const double gap = width / 60;
    for (std::size_t i = 0; i < lesson.scenes.size(); ++i) {
        if (i > 0 && !device.newPage())
            return false;
        const LessonScene &scene = lesson.scenes[i];
        painter.setPen(Qt::black);
        paragraph(painter, 0, width, Texts::tr("Jméno: ____________________"), font(10), Qt::AlignRight);
        double y = paragraph(painter, 0, width * 0.6, lesson.title, font(16, true));
        const QString where = Texts::tr("Scéna %1 z %2").arg(i + 1).arg(lesson.scenes.size());
        y = paragraph(painter, y + gap, width, scene.title.isEmpty() ? where : where + QStringLiteral(": ") + scene.title,
                      font(13, true));
        y = paragraph(painter, y + gap, width, scene.question, font(12));
        const QRectF picture(0, y + 2 * gap, width, width * picture::kHeight / picture::kWidth);
        paintScene(painter, picture, scene, answers);
        y = paragraph(painter, picture.bottom() + 2 * gap, width,
                      answers ? Texts::tr("Řešení: součet je zobrazen.")
                              : Texts::tr("Do časového grafu nakreslete, jak bude vypadat součet. Poznámky:"),
                      font(11));
        painter.setPen(QPen(Qt::gray, 0));
        const double spacing = std::min((page.height() - y) / (kNoteLines + 1), width / 18);
        for (int line = 1; line <= kNoteLines; ++line)
            painter.drawLine(QPointF(0, y + line * spacing), QPointF(width, y + line * spacing));
    }
    return painter.end();
}

QByteArray worksheetPdf(const Lesson &lesson, bool answers)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setTitle(lesson.title.isEmpty() ? Texts::tr("Pracovní list") : lesson.title);
    pdf.setCreator(QStringLiteral("Vlnokres"));
    pdf.setResolution(300);
    if (!paintWorksheet(pdf, lesson, answers))
        return {};
    return bytes;
}

} // namespace vlnokres
