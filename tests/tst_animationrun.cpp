#include "TestWindow.h"
#include "app/window/PaceControl.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <cmath>
#include <numbers>

using namespace vlnokres;
using namespace std::chrono_literals;

// What a whole run leaves on the canvas for telling parameter sets, and how the pace control
// sets the pause of the next run.
class TestAnimationRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("cs_CZ"))); }
    void defaultSumPeaksAboutFiftySixPixelsHigh();
    void oppositeVectorsCancelWithinAPixel();
    void doubleFrequencyRedDotsFollowTheFormula();
    void sweptDiscsAndAxesRemainAfterTheRun();
    void paceIsReadOnceAtTheStartOfARun();
    void arrowsAndTroughStepThePace();
    void dragWritesThePaceOnlyWhenLetGo();
    void keysStepThePace();
    void focusedPaceShowsAMark();
};

namespace {

// Rows of the black pixels of the time graph, right of its vertical axis and off the lower axis.
std::pair<int, int> blackRowsOfTheGraph(const QImage &canvas)
{
    int top = canvas.height(), bottom = -1;
    for (int y = 200; y < 560; ++y)
        for (int x = 345; x <= 748; ++x)
            if (y != 390 && canvas.pixel(x, y) == kBlack) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return {top, bottom};
}
} // namespace

void TestAnimationRun::defaultSumPeaksAboutFiftySixPixelsHigh()
{
    TestWindow w;
    const auto [top, bottom] = blackRowsOfTheGraph(w.run());
    // 50 · |1 + 0.5 e^(i·1.575)| = 55.8 above y 390.5, give or take the dot.
    QVERIFY2(top >= 332 && top <= 335, qPrintable(QString::number(top)));
    QVERIFY2(bottom >= 445 && bottom <= 448, qPrintable(QString::number(bottom)));
}

void TestAnimationRun::oppositeVectorsCancelWithinAPixel()
{
    TestWindow w;
    const auto [top, bottom] = blackRowsOfTheGraph(w.run("1", "1", "180"));
    QVERIFY2(top >= 388 && bottom <= 392, qPrintable(QStringLiteral("%1..%2").arg(top).arg(bottom)));
}

void TestAnimationRun::doubleFrequencyRedDotsFollowTheFormula()
{
    TestWindow w;
    const QImage &canvas = w.run("0,5", "2", "0");
    int checked = 0;
    for (int t = 1; t <= 1300; t += 7) {
        const double a = t / 100.0;
        const double y1 = 50 * std::sin(a);
        const double y2 = 25 * std::sin(2 * a);
        // Only where no other trace and not the lower axis comes near the red dot.
        if (std::abs(y1 - y2) < 8 || std::abs(y1) < 8 || std::abs(y2) < 3)
            continue;
        const QPoint dot(int(340 + 31.4 * a), int(390.5 - y2));
        QVERIFY2(canvas.pixel(dot) == kRed, qPrintable(QStringLiteral("t = %1").arg(t)));
        ++checked;
    }
    QVERIFY(checked > 50);
}

void TestAnimationRun::sweptDiscsAndAxesRemainAfterTheRun()
{
    TestWindow w;
    const QImage &canvas = w.run();
    // The upper first vector has swept a white disc of radius 50, but for its last position.
    const double last = std::fmod(13.0, 2 * std::numbers::pi);
    for (double angle = 0; angle < 2 * std::numbers::pi; angle += 0.05) {
        for (double r = 5; r <= 47; r += 6) {
            const bool onLastVector = std::cos(angle - last) > 0 && std::abs(r * std::sin(angle - last)) < 2.5;
            const QPoint p(int(170 + r * std::cos(angle)), int(150.5 - r * std::sin(angle)));
            if (!onLastVector && p.y() != 150)
                QVERIFY2(canvas.pixel(p) == kWhite, qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
        }
    }
    // The upper second vector (length 25, a full turn at frequency 1) has swept a light-yellow
    // disc about its origin, but for its last position at 13 + 1.575 rad.
    const double lastSecond = std::fmod(13.0 + 90 * 0.0175, 2 * std::numbers::pi);
    int yellow = 0;
    for (double angle = 0; angle < 2 * std::numbers::pi; angle += 0.05) {
        for (double r = 5; r <= 22; r += 4) {
            const bool onLastVector =
                std::cos(angle - lastSecond) > 0 && std::abs(r * std::sin(angle - lastSecond)) < 2.5;
            const QPoint p(int(450 + r * std::cos(angle)), int(150.5 - r * std::sin(angle)));
            if (onLastVector || p.y() == 150)
                continue;
            QVERIFY2(canvas.pixel(p) == kLightYellow, qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
            ++yellow;
        }
    }
    QVERIFY(yellow > 300);
    // Both horizontal axes are whole and black on top.
    for (int x = 50; x < 750; ++x)
        QCOMPARE(canvas.pixel(x, 150), kBlack);
    for (int x = 50; x < 770; ++x)
        QCOMPARE(canvas.pixel(x, 390), kBlack);
}

void TestAnimationRun::paceIsReadOnceAtTheStartOfARun()
{
    TestWindow w;
    // The pace moved to 4 during a run: that run keeps 1 ms a step, the next takes 16 ms.
    w.pacer->atStep = [&](int step) {
        if (step == 10)
            w.pace()->setValue(4);
    };
    w.run();
    QCOMPARE(w.box(names::kSlowdown)->text(), QStringLiteral("4"));
    QCOMPARE(w.pacer->deadlines.size(), std::size_t(1300));
    for (std::size_t i = 0; i < w.pacer->deadlines.size(); ++i)
        QCOMPARE(w.pacer->deadlines[i], std::chrono::nanoseconds((i + 1) * 1ms));

    w.pacer->atStep = nullptr;
    w.run();
    QCOMPARE(w.pacer->deadlines.back(), std::chrono::nanoseconds(1300 * 16ms));
    w.pace()->setValue(10);
    w.run();
    QCOMPARE(w.pacer->deadlines.front(), std::chrono::nanoseconds(100ms));
}

void TestAnimationRun::arrowsAndTroughStepThePace()
{
    TestWindow w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    QScrollBar *bar = w.pace();
    auto centreOf = [&](QStyle::SubControl part) { return w.pacePart(part).center(); };

    for (int expected = 2; expected <= 10; ++expected) {
        QTest::mouseClick(bar, Qt::LeftButton, {}, centreOf(QStyle::SC_ScrollBarAddLine));
        QCOMPARE(w.box(names::kSlowdown)->text(), QString::number(expected));
    }
    QTest::mouseClick(bar, Qt::LeftButton, {}, centreOf(QStyle::SC_ScrollBarAddLine));
    QCOMPARE(bar->value(), 10);

    QTest::mouseClick(bar, Qt::LeftButton, {}, centreOf(QStyle::SC_ScrollBarSubPage));
    QCOMPARE(w.box(names::kSlowdown)->text(), QStringLiteral("9"));
    for (int i = 0; i < 10; ++i)
        QTest::mouseClick(bar, Qt::LeftButton, {}, centreOf(QStyle::SC_ScrollBarSubLine));
    QCOMPARE(bar->value(), 1);
    QCOMPARE(w.box(names::kSlowdown)->text(), QStringLiteral("1"));
}

void TestAnimationRun::dragWritesThePaceOnlyWhenLetGo()
{
    TestWindow w;
    QScrollBar *bar = w.pace();
    bar->setSliderDown(true);
    bar->setSliderPosition(7);
    QCOMPARE(w.box(names::kSlowdown)->text(), QStringLiteral("1"));
    bar->setSliderDown(false);
    QCOMPARE(w.box(names::kSlowdown)->text(), QStringLiteral("7"));
}

void TestAnimationRun::keysStepThePace()
{
    TestWindow w;
    QVERIFY(w.showActive());
    QScrollBar *bar = w.pace();
    bar->setFocus(Qt::TabFocusReason);
    const std::pair<Qt::Key, int> presses[] = {
        {Qt::Key_Right, 2}, {Qt::Key_Right, 3}, {Qt::Key_Up, 4}, {Qt::Key_Left, 3}, {Qt::Key_Down, 2},
        {Qt::Key_End, 10}, {Qt::Key_Right, 10}, {Qt::Key_Home, 1}, {Qt::Key_Left, 1},
    };
    for (const auto &[key, expected] : presses) {
        QTest::keyClick(w.window.windowHandle(), key);
        QCOMPARE(bar->value(), expected);
        QCOMPARE(w.box(names::kSlowdown)->text(), QString::number(expected));
    }
    // The bar says what it sets.
    QCOMPARE(bar->toolTip(), QStringLiteral("Zpomalení 1: běh trvá 1,3 s"));
    QTest::keyClick(w.window.windowHandle(), Qt::Key_End);
    QCOMPARE(bar->toolTip(), QStringLiteral("Zpomalení 10: běh trvá 130 s"));
    QCOMPARE(paceText(3), QStringLiteral("Zpomalení 3: běh trvá 11,7 s"));
}

void TestAnimationRun::focusedPaceShowsAMark()
{
    TestWindow w;
    QVERIFY(w.showActive());
    QScrollBar *bar = w.pace();
    w.startButton()->setFocus(Qt::TabFocusReason);
    // Pixels near the highlight colour along the bar's edge: the mark's, and only with focus.
    auto marked = [bar] {
        const QImage image = bar->grab().toImage();
        const QColor mark = bar->palette().color(QPalette::Highlight);
        int near = 0;
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, 0);
            near += std::abs(c.red() - mark.red()) + std::abs(c.green() - mark.green()) + std::abs(c.blue() - mark.blue()) < 90;
        }
        return near;
    };
    QCOMPARE(marked(), 0);
    bar->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(bar->hasFocus());
    QVERIFY(marked() > bar->width() / 2);
}

QTEST_MAIN(TestAnimationRun)
#include "tst_animationrun.moc"
