#include "core/LineRaster.h"
#include "core/RunScene.h"
#include "core/StartChecks.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace vlnokres;

// The program's own rule for wide lines, against the toolkit's as the yardstick: the scene's own
// lines at the zooms a classroom uses differ on at most a hundredth of each line's pixels, and a
// thousandth of a picture's; and the rule's edge cases.
class TestLineRaster : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sceneLinesAgreeWithTheToolkits_data();
    void sceneLinesAgreeWithTheToolkits();
    void edgeCasesAgreeOrPaintNothing_data();
    void edgeCasesAgreeOrPaintNothing();
};

namespace {

// The line painted ours and the toolkit's way onto images of its own size, its pixels' offset
// taken off; both white where nothing is painted.
struct Both {
    QImage ours, theirs;
};

void paintOurs(QImage &image, QPointF offset, const Line &line, double width, double ratio, QRgb colour)
{
    lineSpans({line.from.x * ratio - offset.x(), line.from.y * ratio - offset.y()},
              {line.to.x * ratio - offset.x(), line.to.y * ratio - offset.y()}, width * ratio,
              SpanArea::wholeOf(image.width(), image.height()), [&](int row, int first, int last) {
                  auto *pixels = reinterpret_cast<QRgb *>(image.scanLine(row));
                  std::fill(pixels + first, pixels + last + 1, colour);
              });
}

void paintTheToolkits(QImage &image, QPointF offset, const Line &line, double width, double ratio, QRgb colour)
{
    QPainter painter(&image);
    painter.setWorldTransform(QTransform::fromScale(ratio, ratio) * QTransform::fromTranslate(-offset.x(), -offset.y()));
    painter.setPen(QPen(QColor::fromRgb(colour), width, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(QPointF(line.from.x, line.from.y), QPointF(line.to.x, line.to.y));
}

// The share of the toolkit's pixels, and of ours, where the two differ.
double differingShare(const QImage &ours, const QImage &theirs)
{
    int differ = 0, inked = 0;
    for (int y = 0; y < ours.height(); ++y) {
        const auto *p = reinterpret_cast<const QRgb *>(ours.constScanLine(y));
        const auto *q = reinterpret_cast<const QRgb *>(theirs.constScanLine(y));
        for (int x = 0; x < ours.width(); ++x) {
            differ += p[x] != q[x];
            inked += q[x] != 0xFFFFFFFF;
        }
    }
    return double(differ) / std::max(1, inked);
}

} // namespace

void TestLineRaster::sceneLinesAgreeWithTheToolkits_data()
{
    QTest::addColumn<double>("ratio");
    QTest::newRow("designed") << 1.0;
    QTest::newRow("1920 × 1080") << 1.885;
    QTest::newRow("3840 × 2160") << 3.77;
}

void TestLineRaster::sceneLinesAgreeWithTheToolkits()
{
    QFETCH(double, ratio);
    const DrawOps steps = RunScene{{0.8, 1.1, 45}, false, {}}.steps(1, kSteps);
    const QSize size(int(std::lround(792 * ratio)), int(std::lround(573 * ratio)));
    QImage ours(size, QImage::Format_RGB32), theirs(size, QImage::Format_RGB32);
    ours.fill(Qt::white);
    theirs.fill(Qt::white);
    double worst = 0;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const auto *line = std::get_if<Line>(&steps[i]);
        if (!line)
            continue;
        const QRgb colour = qRgb(int(i % 199), int(i / 199 % 199), 100);
        paintOurs(ours, {}, *line, 2, ratio, colour);
        paintTheToolkits(theirs, {}, *line, 2, ratio, colour);
        if (i % 5 != 0)
            continue;
        const QRectF reach = QRectF(QPointF(line->from.x, line->from.y) * ratio, QPointF(line->to.x, line->to.y) * ratio)
                                 .normalized()
                                 .adjusted(-3 * ratio, -3 * ratio, 3 * ratio, 3 * ratio);
        const QPointF offset(std::floor(reach.left()), std::floor(reach.top()));
        Both alone{QImage(reach.size().toSize() + QSize(2, 2), QImage::Format_RGB32), {}};
        alone.ours.fill(Qt::white);
        alone.theirs = alone.ours;
        paintOurs(alone.ours, offset, *line, 2, ratio, 0xFF000000);
        paintTheToolkits(alone.theirs, offset, *line, 2, ratio, 0xFF000000);
        worst = std::max(worst, differingShare(alone.ours, alone.theirs));
    }
    const double whole = differingShare(ours, theirs);
    qInfo("worst line %.4f, whole %.5f", worst, whole);
    QVERIFY2(worst <= 0.01, qPrintable(QString::number(worst)));
    QVERIFY2(whole <= 0.001, qPrintable(QString::number(whole)));
}

void TestLineRaster::edgeCasesAgreeOrPaintNothing_data()
{
    QTest::addColumn<QPointF>("from");
    QTest::addColumn<QPointF>("to");
    QTest::addColumn<double>("width");
    QTest::newRow("level, edges on the centres") << QPointF(10, 20.5) << QPointF(60, 20.5) << 2.0;
    QTest::newRow("level, right to left") << QPointF(60.3, 20.2) << QPointF(10.1, 20.2) << 3.77;
    QTest::newRow("upright") << QPointF(30, 5) << QPointF(30, 70) << 2.0;
    QTest::newRow("upright, bottom up") << QPointF(30.7, 70.1) << QPointF(30.7, 5.3) << 3.77;
    QTest::newRow("45°") << QPointF(10, 10) << QPointF(60, 60) << 2.0;
    QTest::newRow("135°, fractional") << QPointF(60.25, 10.75) << QPointF(10.5, 60.125) << 3.77;
    QTest::newRow("all but level") << QPointF(10, 30) << QPointF(70, 30.01) << 2.0;
    QTest::newRow("sub-pixel long") << QPointF(20.2, 20.2) << QPointF(20.6, 20.9) << 2.0;
    QTest::newRow("past the left and top edges") << QPointF(-20, -15) << QPointF(40, 45) << 3.77;
    QTest::newRow("past the right and bottom edges") << QPointF(50, 60) << QPointF(95, 85) << 3.77;
    QTest::newRow("no length") << QPointF(40, 40) << QPointF(40, 40) << 2.0;
}

// Each as the toolkit paints it, to a pixel in a hundred; one of no length paints nothing,
// and nothing lands outside the image.
void TestLineRaster::edgeCasesAgreeOrPaintNothing()
{
    QFETCH(QPointF, from);
    QFETCH(QPointF, to);
    QFETCH(double, width);
    QImage ours(80, 80, QImage::Format_RGB32), theirs(80, 80, QImage::Format_RGB32);
    ours.fill(Qt::white);
    theirs.fill(Qt::white);
    const Line line{{from.x(), from.y()}, {to.x(), to.y()}, Ink::Foreground};
    int outside = 0, spans = 0;
    lineSpans(line.from, line.to, width, SpanArea::wholeOf(80, 80), [&](int row, int first, int last) {
        outside += row < 0 || row >= 80 || first < 0 || last >= 80 || first > last;
        ++spans;
    });
    QCOMPARE(outside, 0);
    // Two painters sharing the rows paint the spans of one, each within its own.
    int shared = 0;
    for (const SpanArea &share : {SpanArea{80, 0, 36}, SpanArea{80, 37, 79}})
        lineSpans(line.from, line.to, width, share, [&](int row, int, int) {
            outside += row < share.firstRow || row > share.lastRow;
            ++shared;
        });
    QCOMPARE(outside, 0);
    QCOMPARE(shared, spans);
    if (from == to) {
        QCOMPARE(spans, 0);
        return;
    }
    paintOurs(ours, {}, line, width, 1, 0xFF000000);
    paintTheToolkits(theirs, {}, line, width, 1, 0xFF000000);
    QVERIFY2(differingShare(ours, theirs) <= 0.01, qPrintable(QString::number(differingShare(ours, theirs))));
}

QTEST_MAIN(TestLineRaster)
#include "tst_lineraster.moc"
