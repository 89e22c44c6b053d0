#include "TestWindow.h"
#include "core/VectorDrag.h"

#include <QApplication>

#include <cmath>
#include <memory>

using namespace vlnokres;

// The second vector taken by its tip: the boxes, the picture and the sound follow the hand, and a
// drag that something interrupts ends.
class TestVectorDragging : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("cs_CZ"))); }
    void draggedVectorMovesTheSumAndItsSound();
    void aFingerTakesTheTipFromFartherThanTheMouse();
    void arrowKeysOnTheDrawingAreaTurnAndLengthen_data();
    void arrowKeysOnTheDrawingAreaTurnAndLengthen();
};

// The upper tip at the last step is at (439, 128): 20 pixels below it a finger takes it and
// drags it, where the mouse takes nothing.
void TestVectorDragging::aFingerTakesTheTipFromFartherThanTheMouse()
{
    TestWindow w;
    QVERIFY(w.showActive());
    w.run();
    const QPoint origin = w.window.surface().shownArea().topLeft();
    QWindow *handle = w.window.windowHandle();
    QTest::mousePress(handle, Qt::LeftButton, {}, origin + QPoint(439, 148));
    QTest::mouseMove(handle, origin + QPoint(450, 110));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, origin + QPoint(450, 110));
    QCOMPARE(w.box(names::kAmplitude)->text(), QStringLiteral("0,5"));

    // The test owns the touch screen it makes; Qt only registers it.
    const std::unique_ptr<QPointingDevice> touchScreen(QTest::createTouchDevice());
    QPointingDevice *screen = touchScreen.get();
    QTest::touchEvent(handle, screen).press(0, origin + QPoint(439, 148));
    QTest::touchEvent(handle, screen).move(0, origin + QPoint(450, 110));
    QCOMPARE(w.box(names::kAmplitude)->text(), QStringLiteral("0,81"));
    QCOMPARE(w.box(names::kPhase)->text(), QStringLiteral("65"));
    // A second finger meanwhile moves nothing.
    QTest::touchEvent(handle, screen).move(0, origin + QPoint(450, 110)).press(1, origin + QPoint(200, 400));
    QTest::touchEvent(handle, screen).move(0, origin + QPoint(450, 110)).move(1, origin + QPoint(100, 300));
    QCOMPARE(w.box(names::kAmplitude)->text(), QStringLiteral("0,81"));
    QTest::touchEvent(handle, screen).release(0, origin + QPoint(450, 110)).release(1, origin + QPoint(100, 300));
    QCOMPARE(w.box(names::kPhase)->text(), QStringLiteral("65"));
}

void TestVectorDragging::arrowKeysOnTheDrawingAreaTurnAndLengthen_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("ctrl");
    QTest::addColumn<QString>("amplitude");
    QTest::addColumn<QString>("phase");
    QTest::newRow("Left turns on by 15°") << int(Qt::Key_Left) << false << "0,5" << "105";
    QTest::newRow("Right turns back") << int(Qt::Key_Right) << false << "0,5" << "75";
    QTest::newRow("Ctrl+Right by 1°") << int(Qt::Key_Right) << true << "0,5" << "89";
    QTest::newRow("Up lengthens by 0,1") << int(Qt::Key_Up) << false << "0,6" << "90";
    QTest::newRow("Ctrl+Down shortens by 0,01") << int(Qt::Key_Down) << true << "0,49" << "90";
}

// Tab reaches the drawing area after the boxes; its arrow keys move the vector as a drag does,
// the picture following at once; during a paused run they step it instead.
void TestVectorDragging::arrowKeysOnTheDrawingAreaTurnAndLengthen()
{
    QFETCH(int, key);
    QFETCH(bool, ctrl);
    QFETCH(QString, amplitude);
    QFETCH(QString, phase);
    TestWindow w;
    QVERIFY(w.showActive());
    w.run();
    w.box(names::kPhase)->setFocus();
    QTest::keyClick(w.window.windowHandle(), Qt::Key_Tab);
    QVERIFY(w.window.drawingArea().hasFocus());
    const QImage before = w.window.surface().image();
    QTest::keyClick(w.window.windowHandle(), Qt::Key(key), ctrl ? Qt::ControlModifier : Qt::NoModifier);
    QCOMPARE(w.box(names::kAmplitude)->text(), amplitude);
    QCOMPARE(w.box(names::kPhase)->text(), phase);
    QVERIFY(w.window.surface().image() != before);

    int shownWhenPaused = 0;
    w.pacer->atStep = [&](int step) {
        if (step != 100)
            return;
        w.window.run().togglePause();
        QTest::keyClick(w.window.windowHandle(), Qt::Key_Left);
        shownWhenPaused = w.window.run().shownStep();
        w.window.run().stop();
    };
    w.clickStart();
    QCOMPARE(shownWhenPaused, 99);
    QCOMPARE(w.box(names::kPhase)->text(), phase);
}

void TestVectorDragging::draggedVectorMovesTheSumAndItsSound()
{
    TestWindow w;
    QVERIFY(w.showActive());
    QWindow *handle = w.window.windowHandle();
    QTest::keyClick(handle, Qt::Key_M, Qt::ControlModifier);
    w.run();
    w.sounds.clear();
    const QPoint origin = w.window.surface().shownArea().topLeft();
    // What is typed in the frequency box meanwhile stays as typed: the picture's frequency is
    // the one the vector turns with.
    w.box(names::kFrequency)->setText(QStringLiteral("2,5"));
    QTest::mouseMove(handle, origin + QPoint(439, 128)); // the upper tip at step 1300
    QCOMPARE(w.window.cursor().shape(), Qt::OpenHandCursor);
    QTest::mousePress(handle, Qt::LeftButton, {}, origin + QPoint(439, 128));
    QCOMPARE(w.window.cursor().shape(), Qt::ClosedHandCursor);
    QTest::mouseMove(handle, origin + QPoint(450, 110)); // 40,5 pixels straight up
    QCOMPARE(w.box(names::kAmplitude)->text(), QStringLiteral("0,81"));
    QCOMPARE(w.box(names::kPhase)->text(), QStringLiteral("65"));
    QTest::mouseEvent(QTest::MouseMove, handle, Qt::NoButton, Qt::ControlModifier, origin + QPoint(493, 150));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, origin + QPoint(493, 150));
    QCOMPARE(w.box(names::kAmplitude)->text(), QStringLiteral("0,9"));
    QCOMPARE(w.box(names::kPhase)->text(), QStringLiteral("-30"));
    QCOMPARE(w.sounds, QStringList({"play 2 at 220 Hz, A 0.81 f 1 65°", "glide to A 0.9 -30°", "stop"}));
    QCOMPARE(w.box(names::kFrequency)->text(), QStringLiteral("2,5"));
    w.box(names::kFrequency)->setText(QStringLiteral("1"));
    // The picture shown is the one a run of the values ends with.
    const QImage dragged = w.window.surface().image();
    w.sounds.clear();
    w.clickStart();
    QVERIFY(w.window.surface().image() == dragged);

    // A drag that something interrupts ends there: another button pressed, or its own let go
    // where the window did not see it (on a menu another button opened).
    const Point tip = drag::secondTip(drag::Diagram::Upper, 0.9, 1, -30, kSteps);
    const QPoint at = origin + QPoint(int(std::lround(tip.x)), int(std::lround(tip.y)));
    for (const bool otherButton : {true, false}) {
        QTest::mousePress(handle, Qt::LeftButton, {}, at);
        QTest::mouseMove(handle, at + QPoint(0, -5));
        const QString dragging = w.box(names::kPhase)->text();
        if (otherButton) {
            QTest::mousePress(handle, Qt::MiddleButton, {}, at + QPoint(0, -5));
            QTest::mouseRelease(handle, Qt::MiddleButton, {}, at + QPoint(0, -5));
        }
        QMouseEvent moved(QEvent::MouseMove, at + QPoint(30, 30), at + QPoint(30, 30), QPointF(), Qt::NoButton,
                          otherButton ? Qt::LeftButton : Qt::NoButton, {});
        QApplication::sendEvent(&w.window, &moved);
        QTest::mouseRelease(handle, Qt::LeftButton, {}, at + QPoint(30, 30));
        QCOMPARE(w.box(names::kPhase)->text(), dragging);
        QTest::mouseMove(handle, at + QPoint(40, 0));
        QCOMPARE(w.box(names::kPhase)->text(), dragging);
        w.clickStart();
    }
}

QTEST_MAIN(TestVectorDragging)
#include "tst_vectordragging.moc"
