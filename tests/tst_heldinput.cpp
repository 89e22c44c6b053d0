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
    w.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
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
    w.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
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
    w.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
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

QTEST_MAIN(TestHeldInput)
#include "tst_heldinput.moc"
