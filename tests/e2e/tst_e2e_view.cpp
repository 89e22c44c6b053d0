#include "Desktop.h"

#include <cmath>

// The classroom view on a real display with a window manager: full screen on a projector's
// 1920 × 1080, a window resized in the middle of a run, a netbook's 800 × 480 screen, and a
// run paused and resumed from the keyboard.
class TestE2EView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fullScreenScalesAndCentresThePicture();
    void windowResizedDuringARunFinishesItWithoutGaps();
    void pauseKeyHoldsTheRunAndResumesIt();
    void smallScreenStartsScaledDownAndStartWorks();
};

namespace {

// Where a point of the designed client area shows in the window at the given zoom and origin.
QPoint at(QPointF design, double zoom, QPointF origin = {})
{
    return (origin + design * zoom).toPoint();
}

struct View {
    double zoom;
    QPointF origin;
};

View viewOf(QSize window)
{
    const double zoom = std::min(window.width() / 792.0, window.height() / 573.0);
    return {zoom, QPointF((window.width() - 792 * zoom) / 2, (window.height() - 573 * zoom) / 2)};
}

// The rightmost column with a black dot of the time graph, at the given view.
int scaledTraceEnd(const QImage &shot, const View &view)
{
    const int top = at({0, 235}, view.zoom, view.origin).y(), bottom = at({0, 545}, view.zoom, view.origin).y();
    const int axisTop = at({0, 388}, view.zoom, view.origin).y(), axisBottom = at({0, 393}, view.zoom, view.origin).y();
    for (int x = at({760, 0}, view.zoom, view.origin).x(); x > at({343, 0}, view.zoom, view.origin).x(); --x)
        for (int y = top; y < bottom; ++y)
            if ((y < axisTop || y > axisBottom) && shot.pixel(x, y) == kBlack)
                return x;
    return 0;
}

} // namespace

void TestE2EView::fullScreenScalesAndCentresThePicture()
{
    Desktop desktop;
    QVERIFY(desktop.startWindowManager());
    QVERIFY(desktop.start());
    desktop.key(QStringLiteral("F11"), desktop.mainWindow());
    QVERIFY(desktop.waitFor([](const QImage &shot) { return shot.size() == QSize(1920, 1080); }));
    const View view = viewOf({1920, 1080}); // the height limits: a margin left and right
    QVERIFY(view.origin.x() > 200);

    desktop.click(at({648, 20}, view.zoom, view.origin));
    QVERIFY(desktop.waitFor([&](const QImage &shot) { return scaledTraceEnd(shot, view) >= at({746, 0}, view.zoom, view.origin).x(); }));
    const QImage shot = desktop.screenshot();
    // The axes where the design puts them, scaled and centred; grey margins either side.
    QCOMPARE(shot.pixel(at({60, 150.5}, view.zoom, view.origin)), kBlack);
    QCOMPARE(shot.pixel(at({740, 150.5}, view.zoom, view.origin)), kBlack);
    QCOMPARE(shot.pixel(at({765, 390.5}, view.zoom, view.origin)), kBlack);
    QCOMPARE(shot.pixel(at({340, 540}, view.zoom, view.origin)), kBlack);
    for (int y = 0; y < 1080; y += 7) {
        QCOMPARE(shot.pixel(100, y), kGrey);
        QCOMPARE(shot.pixel(1820, y), kGrey);
    }
    // A two-pixel vector is 2 × zoom pixels wide: the green one at its last angle, 13 rad.
    const double slope = std::tan(std::fmod(13.0, 2 * M_PI));
    const QPoint across = at({200, 150.5 - 30 * slope}, view.zoom, view.origin);
    int green = 0;
    for (int dy = -12; dy <= 12; ++dy)
        green += shot.pixel(across.x(), across.y() + dy) == 0xFF00C000;
    QVERIFY2(green >= 2 * view.zoom && green <= 2 * view.zoom * 1.3 + 1, qPrintable(QString::number(green)));
}

void TestE2EView::windowResizedDuringARunFinishesItWithoutGaps()
{
    Desktop desktop;
    QVERIFY(desktop.start());
    desktop.click(place::kSlowerArrow); // slowdown 2: a run of 5.2 s
    desktop.click(place::kStart);
    QVERIFY(desktop.waitFor([](const QImage &shot) { return traceEnd(shot) > 420; }));
    Desktop::xdotool({"windowsize", desktop.mainWindow(), "1188", "860"});
    QVERIFY(desktop.waitFor([](const QImage &shot) { return shot.size() == QSize(1188, 860); }));
    const View view = viewOf({1188, 860});
    QCOMPARE(view.zoom, 1.5);
    QVERIFY(desktop.waitFor([&](const QImage &shot) { return scaledTraceEnd(shot, view) >= at({747, 0}, 1.5).x(); }, 15000));

    // The sum's dots advance 0.314 design pixels a step, under half a window pixel: every
    // column of the graph, before the resize and after it, holds one.
    const QImage shot = desktop.screenshot();
    for (int x = at({341, 0}, 1.5).x(); x < at({747, 0}, 1.5).x(); ++x) {
        bool dot = false;
        for (int y = at({0, 320}, 1.5).y(); y < at({0, 460}, 1.5).y() && !dot; ++y)
            dot = shot.pixel(x, y) == kBlack && std::abs(y - 390.5 * 1.5) > 2;
        QVERIFY2(dot, qPrintable(QStringLiteral("no sum dot in column %1").arg(x)));
    }
}

void TestE2EView::pauseKeyHoldsTheRunAndResumesIt()
{
    Desktop desktop;
    QVERIFY(desktop.startWindowManager());
    QVERIFY(desktop.start());
    desktop.click(place::kSlowerArrow);
    desktop.click(place::kStart);
    QVERIFY(desktop.waitFor([](const QImage &shot) { return traceEnd(shot) > 400; }));
    desktop.key(QStringLiteral("p"), desktop.mainWindow());
    QTRY_VERIFY(desktop.windowTitle().endsWith(QStringLiteral(" – pozastaveno")));
    const int pausedAt = traceEnd(desktop.screenshot());
    QTest::qWait(1500);
    QCOMPARE(traceEnd(desktop.screenshot()), pausedAt);
    QVERIFY(pausedAt < 700);

    desktop.key(QStringLiteral("p"), desktop.mainWindow());
    QTRY_VERIFY(!desktop.windowTitle().contains(QStringLiteral("pozastaveno")));
    QVERIFY(desktop.waitFor([&](const QImage &shot) { return traceEnd(shot) > pausedAt + 20; }));
    QVERIFY(desktop.waitFor(finished, 10000));
}

void TestE2EView::smallScreenStartsScaledDownAndStartWorks()
{
    if (QGuiApplication::primaryScreen()->size() != QSize(800, 480))
        QSKIP("for an 800 × 480 screen");
    Desktop desktop;
    QVERIFY(desktop.startWindowManager());
    QVERIFY(desktop.start());
    const QSize size = desktop.screenshot().size();
    QVERIFY2(size.height() < 460 && size.width() < 792, qPrintable(QStringLiteral("%1 × %2").arg(size.width()).arg(size.height())));
    const View view = viewOf(size);
    desktop.click(at({648, 20}, view.zoom, view.origin));
    // The upper axis, a pixel thick, within a pixel of where the zoom puts it.
    const QPoint axis = at({400, 150.5}, view.zoom, view.origin);
    QVERIFY(desktop.waitFor([&](const QImage &shot) {
        return shot.pixel(axis) == kBlack || shot.pixel(axis - QPoint(0, 1)) == kBlack;
    }));
}

QTEST_MAIN(TestE2EView)
#include "tst_e2e_view.moc"
