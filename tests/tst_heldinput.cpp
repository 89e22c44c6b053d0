#include "TestWindow.h"

#include <QApplication>

using namespace vlnokres;

// Input that reaches the window during a run waits for the run's end and then takes effect in
// its order, as a user who clicks and types meanwhile expects. The input here is sent through
// the window, as the window system sends it, in the middle of a run's steps.
class TestHeldInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("cs_CZ"))); }
    void typingDuringARunAppearsAfterIt();
    void startAmongHeldInputRunsBeforeWhatFollows();
    void closedWindowDropsItsHeldInput();
    void pressHeldReleasedAfterTheRunClicksOnce();
    void arrowHeldAcrossTheEndStepsOnce();
    void thumbDragAcrossTheEndEndsWhereLetGo();
};

namespace {
QPoint centreOf(TestWindow &w, const char *name) { return w.find<QWidget>(name)->geometry().center(); }

void typeThroughWindow(QWindow *window, const QString &text)
{
    for (QChar c : text)
        QTest::keyClick(window, c.toLatin1());
}
} // namespace

void TestHeldInput::typingDuringARunAppearsAfterIt()
{
    TestWindow w;
    QVERIFY(w.showActive());
    QLineEdit *amplitude = w.box(names::kAmplitude);
    QString duringTheRun;
    w.pacer->atStep = [&](int step) {
        if (step == 5) {
            QTest::mouseClick(w.window.windowHandle(), Qt::LeftButton, {}, centreOf(w, names::kAmplitude));
            QTest::keyClick(w.window.windowHandle(), Qt::Key_End);
            typeThroughWindow(w.window.windowHandle(), QStringLiteral("73"));
        }
        if (step == 6)
            duringTheRun = amplitude->text();
    };
    w.clickStart();
    QCOMPARE(duringTheRun, QStringLiteral("0,5"));
    QCOMPARE(amplitude->text(), QStringLiteral("0,573"));
}

void TestHeldInput::startAmongHeldInputRunsBeforeWhatFollows()
{
    TestWindow w;
    QVERIFY(w.showActive());
    QWindow *handle = w.window.windowHandle();
    // During the first run: Start, then a click into the frequency box and a letter typed
    // there. The second run must read the frequency as it was when Start was clicked.
    w.pacer->atStep = [&](int step) {
        if (w.pacer->finishes == 0 && step == 5) {
            QTest::mouseClick(handle, Qt::LeftButton, {}, centreOf(w, names::kStart));
            QTest::mouseClick(handle, Qt::LeftButton, {}, centreOf(w, names::kFrequency));
            QTest::keyClick(handle, Qt::Key_End);
            QTest::keyClick(handle, 'x');
        }
    };
    w.clickStart();
    QCOMPARE(w.pacer->finishes, 2);
    QCOMPARE(w.refusals, QStringList());
    QCOMPARE(w.box(names::kFrequency)->text(), QStringLiteral("1x"));
}

void TestHeldInput::closedWindowDropsItsHeldInput()
{
    TestWindow w;
    QVERIFY(w.showActive());
    w.pacer->atStep = [&](int step) {
        if (step == 5) {
            QTest::mouseClick(w.window.windowHandle(), Qt::LeftButton, {}, centreOf(w, names::kStart));
            QTest::mouseClick(w.window.windowHandle(), Qt::LeftButton, {}, centreOf(w, names::kAmplitude));
            typeThroughWindow(w.window.windowHandle(), QStringLiteral("9"));
            w.window.close();
        }
    };
    w.clickStart();
    QCOMPARE(w.pacer->finishes, 1);
    QCOMPARE(w.box(names::kAmplitude)->text(), QStringLiteral("0,5"));
}

// A press during a run and its release after it: the press waits for the run's end, and the
// release must reach the same control, so that together they are one click.
void TestHeldInput::pressHeldReleasedAfterTheRunClicksOnce()
{
    TestWindow w;
    QVERIFY(w.showActive());
    QWindow *handle = w.window.windowHandle();
    const QPoint start = centreOf(w, names::kStart);
    w.pacer->atStep = [&](int step) {
        if (w.pacer->finishes == 0 && step == 5)
            QTest::mousePress(handle, Qt::LeftButton, {}, start);
    };
    w.clickStart();
    QCOMPARE(w.pacer->finishes, 1);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, start);
    QCOMPARE(w.pacer->finishes, 2);
    QVERIFY(!w.startButton()->isDown());
    QTest::qWait(50);
    QCOMPARE(w.pacer->finishes, 2);
}

void TestHeldInput::arrowHeldAcrossTheEndStepsOnce()
{
    TestWindow w;
    QVERIFY(w.showActive());
    QWindow *handle = w.window.windowHandle();
    QScrollBar *bar = w.pace();
    const QPoint slower = bar->mapTo(&w.window, QPoint(bar->width() - 4, bar->height() / 2));
    w.pacer->atStep = [&](int step) {
        if (step == 5)
            QTest::mousePress(handle, Qt::LeftButton, {}, slower);
    };
    w.clickStart();
    QTest::mouseRelease(handle, Qt::LeftButton, {}, slower);
    QCOMPARE(bar->value(), 2);
    QCOMPARE(w.box(names::kSlowdown)->text(), QStringLiteral("2"));
    // Longer than the scroll bar's repeat delay: nothing goes on repeating.
    QTest::qWait(700);
    QCOMPARE(bar->value(), 2);
}

void TestHeldInput::thumbDragAcrossTheEndEndsWhereLetGo()
{
    TestWindow w;
    QVERIFY(w.showActive());
    QWindow *handle = w.window.windowHandle();
    QScrollBar *bar = w.pace();
    const QRect thumb = w.pacePart(QStyle::SC_ScrollBarSlider);
    const QRect groove = w.pacePart(QStyle::SC_ScrollBarGroove);
    const QPoint from = bar->mapTo(&w.window, thumb.center());
    const QPoint to = bar->mapTo(&w.window, QPoint(groove.right() - thumb.width() / 2, thumb.center().y()));
    w.pacer->atStep = [&](int step) {
        if (step == 5) {
            QTest::mousePress(handle, Qt::LeftButton, {}, from);
            QTest::mouseMove(handle, (from + to) / 2);
        }
    };
    w.clickStart();
    QTest::mouseMove(handle, to);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, to);
    QCOMPARE(bar->value(), 10);
    QCOMPARE(w.box(names::kSlowdown)->text(), QStringLiteral("10"));
    QVERIFY(!bar->isSliderDown());
}

QTEST_MAIN(TestHeldInput)
#include "tst_heldinput.moc"
