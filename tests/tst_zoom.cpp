#include "TestWindow.h"
#include "app/run/RasterPainter.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QScreen>

#include <cmath>

using namespace vlnokres;

// The classroom view: the whole content scales with the window and stays centred, the picture is
// drawn at the window's resolution and never lost, and the view's keys act at once.
class TestZoom : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("cs_CZ"))); }
    void contentScalesAndIsCentred();
    void runPictureScalesWithTheZoom_data();
    void runPictureScalesWithTheZoom();
    void zoomDuringARunLosesNothing();
    void aDotRepaintsEveryPixelItPaints();
    void viewKeysResizeTheWindow();
    void fullScreenKeyTogglesAndEscapeLeaves();
    void pausedFullScreenSaysItsStep();
};

namespace {

// The green wave's dot of step t, where neither the red nor the sum dot nor an axis is near.
std::optional<QPointF> clearGreenDot(int t)
{
    const double a = t / 100.0;
    const double green = 50 * std::sin(a);
    const double red = 25 * std::sin(a + 90 * 0.0175);
    if (std::abs(green - red) < 6 || std::abs(red) < 6 || std::abs(green) < 4)
        return std::nullopt;
    return QPointF(340 + 31.4 * a, 390.5 - green);
}
} // namespace

void TestZoom::contentScalesAndIsCentred()
{
    TestWindow w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    const double boxPoints = w.box(names::kAmplitude)->font().pointSizeF();
    const int arrowWidth = w.pacePart(QStyle::SC_ScrollBarAddLine).width();
    w.window.resize(1000, 760);
    QTRY_COMPARE(w.window.size(), QSize(1000, 760));
    const double z = 1000.0 / 792; // the width limits; 37 rows of margin above and below
    QCOMPARE(w.window.zoom(), z);
    const QRect start = w.startButton()->geometry();
    QCOMPARE(start.topLeft(), QPoint(std::lround(616 * z), 18 + std::lround(8 * z)));
    QCOMPARE(start.width(), int(std::lround(681 * z) - std::lround(616 * z)));
    QVERIFY(w.startButton()->font().pointSizeF() > 15.75 * z - 0.01);
    QCOMPARE(w.box(names::kAmplitude)->font().pointSizeF(), boxPoints * z);
    QCOMPARE(w.pacePart(QStyle::SC_ScrollBarAddLine).width(), int(std::lround(arrowWidth * z)));

    w.clickStart();
    const QImage shown = w.window.grab().toImage();
    QCOMPARE(shown.pixel(700, 18 + int(390.5 * z)), kBlack); // the lower axis
    QCOMPARE(shown.pixel(500, 5), kGrey);                    // the margin above
    QCOMPARE(shown.pixel(500, 750), kGrey);                  // and below
}

void TestZoom::runPictureScalesWithTheZoom_data()
{
    QTest::addColumn<double>("zoom");
    QTest::newRow("twice") << 2.0;
    QTest::newRow("not a whole number") << 1.37;
}

void TestZoom::runPictureScalesWithTheZoom()
{
    QFETCH(double, zoom);
    TestWindow w;
    w.showAtZoom(zoom);
    const QImage &canvas = w.run();
    const double z = w.window.surface().ratio();
    QVERIFY(std::abs(z - w.window.zoom()) < 1e-9);
    QCOMPARE(canvas.size(), QSize(std::lround(792 * z), std::lround(573 * z)));

    // The axes lie z times as far down, and a one-pixel pen is z pixels thick.
    int thickness = 0;
    for (int y = int(140 * z); y < int(160 * z); ++y)
        thickness += canvas.pixel(int(600 * z), y) == kBlack;
    QVERIFY2(std::abs(thickness - z) <= 1, qPrintable(QString::number(thickness)));
    QCOMPARE(canvas.pixel(int(600 * z), int(150.5 * z)), kBlack);
    QCOMPARE(canvas.pixel(int(700 * z), int(390.5 * z)), kBlack);
    QCOMPARE(canvas.pixel(int(340 * z), int(300 * z)), kBlack);

    // Every clear dot of the green wave lies where its scene position, scaled, puts it.
    int checked = 0;
    for (int t = 1; t <= 1300; t += 13) {
        if (const auto dot = clearGreenDot(t)) {
            const QPoint at(int(dot->x() * z), int(dot->y() * z));
            QVERIFY2(canvas.pixel(at) == kGreen, qPrintable(QStringLiteral("t = %1").arg(t)));
            ++checked;
        }
    }
    QVERIFY(checked > 40);
}

void TestZoom::zoomDuringARunLosesNothing()
{
    // A run that the window was enlarged in the middle of, against one at that size all along:
    // the same picture, to the pixel.
    TestWindow changed;
    changed.showAtZoom(0.75);
    changed.pacer->atStep = [&](int step) {
        if (step == 650)
            changed.window.resize(QSizeF(QSizeF(MainWindow::kClientSize) * 1.5).toSize());
    };
    const QImage during = changed.run();
    TestWindow steady;
    steady.showAtZoom(1.5);
    QCOMPARE(during, steady.run());
}

void TestZoom::aDotRepaintsEveryPixelItPaints()
{
    for (const double ratio : {1.37, 2.0, 3.0}) {
        for (const double x : {150.25, 150.5, 150.75}) {
            QImage image(QSize(std::lround(792 * ratio), std::lround(573 * ratio)), QImage::Format_RGB32);
            image.fill(kGrey);
            RasterPainter painter(image, ratio, MainWindow::kClientSize, 2);
            const QRect reported = painter.paint(Circle{{x, x}, 1, Ink::Green});
            painter.painter().end();
            QRect painted;
            const QRect around(QPoint(int((x - 10) * ratio), int((x - 10) * ratio)),
                               QSize(int(20 * ratio), int(20 * ratio)));
            for (int y = around.top(); y <= around.bottom(); ++y)
                for (int px = around.left(); px <= around.right(); ++px)
                    if (image.pixel(px, y) != kGrey)
                        painted |= QRect(px, y, 1, 1);
            const QRect deviceReported(
                QPoint(int(std::floor(reported.left() * ratio)), int(std::floor(reported.top() * ratio))),
                QPoint(int(std::ceil((reported.right() + 1) * ratio)) - 1,
                       int(std::ceil((reported.bottom() + 1) * ratio)) - 1));
            QVERIFY2(!painted.isEmpty() && deviceReported.contains(painted),
                     qPrintable(QStringLiteral("ratio %1, x %2").arg(ratio).arg(x)));
        }
    }
}

void TestZoom::viewKeysResizeTheWindow()
{
    TestWindow w;
    QVERIFY(w.showActive());
    QWindow *handle = w.window.windowHandle();
    auto zoomAfter = [&](Qt::Key key) {
        QTest::keyClick(handle, key, Qt::ControlModifier);
        QTest::qWait(20);
        return w.window.zoom();
    };
    QVERIFY(std::abs(zoomAfter(Qt::Key_Minus) - 0.8) < 0.01);
    QVERIFY(std::abs(zoomAfter(Qt::Key_Minus) - 0.64) < 0.01);
    zoomAfter(Qt::Key_Minus);
    QCOMPARE(zoomAfter(Qt::Key_Minus), 0.5); // the smallest
    QCOMPARE(zoomAfter(Qt::Key_Minus), 0.5);
    QVERIFY(std::abs(zoomAfter(Qt::Key_Plus) - 0.625) < 0.01);
    QCOMPARE(zoomAfter(Qt::Key_0), 1.0);
    QCOMPARE(w.window.size(), MainWindow::kClientSize);
    // Larger than the screen (800 × 600 here) it does not go, nor past its edge where it
    // grows.
    w.window.move(300, 200);
    QVERIFY(zoomAfter(Qt::Key_Plus) <= 1.01);
    QVERIFY2(w.window.screen()->availableGeometry().contains(w.window.frameGeometry()),
             qPrintable(QStringLiteral("%1,%2").arg(w.window.frameGeometry().x()).arg(w.window.frameGeometry().y())));
}

void TestZoom::fullScreenKeyTogglesAndEscapeLeaves()
{
    TestWindow w;
    QVERIFY(w.showActive());
    QWindow *handle = w.window.windowHandle();
    QTest::keyClick(handle, Qt::Key_F11);
    QTRY_VERIFY(w.window.isFullScreen());
    QTest::keyClick(handle, Qt::Key_F11);
    QTRY_VERIFY(!w.window.isFullScreen());
    QTest::keyClick(handle, Qt::Key_F11);
    QTRY_VERIFY(w.window.isFullScreen());
    QTest::keyClick(handle, Qt::Key_Escape);
    QTRY_VERIFY(!w.window.isFullScreen());
}

void TestZoom::pausedFullScreenSaysItsStep()
{
    TestWindow w;
    QVERIFY(w.showActive());
    w.window.showFullScreen();
    QTRY_VERIFY(w.window.isFullScreen());
    auto cornerInk = [&] {
        const double zoom = w.window.zoom();
        const QPoint corner = w.window.surface().shownArea().topLeft() + QPoint(0, int(std::ceil(58 * zoom)));
        const QImage shown = w.window.grab(QRect(corner, QSize(int(330 * zoom), int(26 * zoom)))).toImage();
        int ink = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                ink += qGray(shown.pixel(x, y)) < 100;
        return ink;
    };
    int paused = 0, going = -1;
    QString picture;
    w.pacer->atStep = [&](int step) {
        if (step == 10)
            going = cornerInk();
        if (step != 20)
            return;
        QTest::keyClick(w.window.windowHandle(), Qt::Key_P);
        paused = cornerInk();
        w.window.pictureCommands().copy();
        picture = QString::fromUtf8(QApplication::clipboard()->mimeData()->data(QStringLiteral("image/svg+xml")));
        QTest::keyClick(w.window.windowHandle(), Qt::Key_P);
    };
    w.clickStart();
    QCOMPARE(going, 0);
    QVERIFY(paused > 20);
    QVERIFY(!picture.isEmpty() && !picture.contains(QStringLiteral("pozastaveno")));
    QCOMPARE(cornerInk(), 0);
    w.window.showNormal();
}

QTEST_MAIN(TestZoom)
#include "tst_zoom.moc"
