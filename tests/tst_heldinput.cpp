#include "TestWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

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
    void everyEnterOnStartIsOnePress();
    void dialogsAnswerDuringARun();
    void savingWhilePausedAnswersAtOnce();
    void exampleChosenFromTheMenuRunsAfterTheMenu();
    void sceneChosenDuringARunEndsIt();
};

namespace {
QPoint centreOf(TestWindow &w, const char *name) { return w.find<QWidget>(name)->geometry().center(); }

int darkPixels(const QImage &image, const QRect &area)
{
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            dark += qGray(image.pixel(x, y)) < 100;
    return dark;
}

// Opens the drawing area's menu, as a right click does, and clicks an item of one of its
// submenus, as a user does; returns once the click has been handled. Whether the menu was
// deleted while its click was still being handled is told to deletedInItsClick.
void chooseFromTheMenu(TestWindow &w, const QString &submenu, const QString &item, bool *deletedInItsClick = nullptr)
{
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(300, 400), w.window.mapToGlobal(QPoint(300, 400)));
    QApplication::sendEvent(&w.window, &click);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu && QTest::qWaitForWindowExposed(menu));
    auto clicking = std::make_shared<bool>(false);
    QObject::connect(menu, &QObject::destroyed, [clicking, deletedInItsClick] {
        if (deletedInItsClick && *clicking)
            *deletedInItsClick = true;
    });
    for (QAction *action : menu->actions()) {
        if (QString(action->text()).remove(u'&') != submenu)
            continue;
        QTest::mouseMove(menu, menu->actionGeometry(action).center());
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        QMenu *items = action->menu();
        QTRY_VERIFY(items->isVisible());
        for (QAction *choice : items->actions())
            if (QString(choice->text()).remove(u'&') == item) {
                QTest::mouseMove(items, items->actionGeometry(choice).center());
                *clicking = true;
                QTest::mouseClick(items, Qt::LeftButton, {}, items->actionGeometry(choice).center());
                *clicking = false;
                return;
            }
    }
    QFAIL("no such item in the menu");
}

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
    // there. The second run must read the frequency as it was when Start was clicked, and run
    // after the first has returned, not inside its end.
    bool firstReturned = false, secondAfterTheFirst = false;
    w.pacer->atStep = [&](int step) {
        if (w.pacer->finishes == 0 && step == 5) {
            QTest::mouseClick(handle, Qt::LeftButton, {}, centreOf(w, names::kStart));
            QTest::mouseClick(handle, Qt::LeftButton, {}, centreOf(w, names::kFrequency));
            QTest::keyClick(handle, Qt::Key_End);
            QTest::keyClick(handle, 'x');
        }
        if (w.pacer->finishes == 1 && step == 1)
            secondAfterTheFirst = firstReturned;
    };
    QTest::mouseClick(w.startButton(), Qt::LeftButton);
    firstReturned = true;
    QCoreApplication::processEvents();
    QCOMPARE(w.pacer->finishes, 2);
    QVERIFY(secondAfterTheFirst);
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

    // Released over a box after the run: the release is Start's, which is let go unclicked.
    w.pacer->atStep = [&](int step) {
        if (step == 5)
            QTest::mousePress(handle, Qt::LeftButton, {}, start);
    };
    w.clickStart();
    QTest::mouseRelease(handle, Qt::LeftButton, {}, centreOf(w, names::kAmplitude));
    QVERIFY(!w.startButton()->isDown());
    QCOMPARE(w.pacer->finishes, 3);
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

// Four Enters on a focused Start during a run are four more runs, as four clicks would be.
void TestHeldInput::everyEnterOnStartIsOnePress()
{
    TestWindow w;
    QVERIFY(w.showActive());
    w.startButton()->setFocus();
    w.pacer->atStep = [&](int step) {
        if (w.pacer->finishes == 0 && step == 5)
            for (int i = 0; i < 4; ++i)
                QTest::keyClick(w.window.windowHandle(), i % 2 ? Qt::Key_Enter : Qt::Key_Return);
    };
    w.clickStart();
    QCOMPARE(w.pacer->finishes, 5);
}

// The key help opened during a run takes its keys at once: P there still pauses the run, and
// Escape closes the help, not the run, giving the keyboard back to the main window.
void TestHeldInput::dialogsAnswerDuringARun()
{
    TestWindow w;
    QVERIFY(w.showActive());
    QWidget *help = nullptr;
    bool pausedFromTheHelp = false, helpClosed = false, focusBack = false;
    w.pacer->atStep = [&](int step) {
        if (step == 5)
            QTest::keyClick(w.window.windowHandle(), Qt::Key_F1);
        if (step == 6 && (help = QApplication::activeWindow()) != &w.window) {
            QTest::keyClick(help->windowHandle(), Qt::Key_P);
            pausedFromTheHelp = w.pacer->paused;
            QTest::keyClick(help->windowHandle(), Qt::Key_P);
            QTest::keyClick(help->windowHandle(), Qt::Key_Escape);
            helpClosed = !help->isVisible();
            focusBack = QTest::qWaitFor([&] { return QApplication::activeWindow() == &w.window; });
        }
    };
    w.clickStart();
    QVERIFY(help && help != &w.window);
    QVERIFY(pausedFromTheHelp);
    QVERIFY(helpClosed);
    QVERIFY(focusBack);
    QCOMPARE(w.pacer->deadlines.size(), std::size_t(kSteps));
}

// While a run is paused, saving and copying take the picture as it stands, with its caption,
// and the save dialog takes its keys: a name typed without an extension gets the chosen
// format's before the dialog asks whether to replace that file, and an extension that no
// format has is refused with the formats that can be written.
void TestHeldInput::savingWhilePausedAnswersAtOnce()
{
    QTemporaryDir dir;
    QFile(dir.filePath("obrazek.png")).open(QIODevice::WriteOnly);
    TestWindow w;
    QVERIFY(w.showActive());
    QStringList asked;
    QImage copied;
    // Answers each dialog as it comes, through its window; one that never answers is given up.
    const QStringList names{"obrazek.jpg", dir.filePath("obrazek")};
    int polls = 0;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            asked << box->text();
            box->button(QMessageBox::Yes)->click();
        } else if (auto *dialog = qobject_cast<QFileDialog *>(modal); dialog && ++polls < 100) {
            dialog->findChild<QLineEdit *>("fileNameEdit")->setText(names.value(asked.size()));
            asked << QStringLiteral("dialog");
            // Later, so that this poll goes on through the question the dialog may ask.
            QTimer::singleShot(0, dialog, [window = dialog->windowHandle()] { QTest::keyClick(window, Qt::Key_Return); });
        } else if (dialog) {
            dialog->reject();
        }
    });
    w.pacer->atStep = [&](int step) {
        if (step != 650)
            return;
        QTest::keyClick(w.window.windowHandle(), Qt::Key_P);
        QTest::keyClick(w.window.windowHandle(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        copied = QApplication::clipboard()->image();
        poll.start();
        QTest::keyClick(w.window.windowHandle(), Qt::Key_S, Qt::ControlModifier);
        poll.stop();
        QTest::keyClick(w.window.windowHandle(), Qt::Key_P);
    };
    w.clickStart();
    QVERIFY(!copied.isNull());
    QVERIFY2(darkPixels(copied, QRect(16, 14, 500, 26)) > 100, "the caption");
    QCOMPARE(asked.size(), 3);
    QVERIFY2(asked.at(2).contains(QStringLiteral("obrazek.png")), qPrintable(asked.at(2)));
    QVERIFY(w.refusals.value(0).contains(QStringLiteral(".png, .svg, .pdf ani .gif")));
    QVERIFY(QFileInfo(dir.filePath("obrazek.png")).size() > 1000);
    QVERIFY(!QFileInfo::exists(dir.filePath("obrazek")));
}

// An example chosen from the menu runs once the menu has handled the click and closed: never
// inside its handling, where the run's events would delete the closed menu under the code
// still handling its click, which then writes into it. One chosen during a run ends it.
void TestHeldInput::exampleChosenFromTheMenuRunsAfterTheMenu()
{
    TestWindow w;
    QVERIFY(w.showActive());
    bool clickHandled = false, deletedInItsClick = false;
    QList<bool> startedAfterTheClick;
    QStringList frequencies;
    w.pacer->atStep = [&](int step) {
        if (step == 1) {
            startedAfterTheClick << clickHandled;
            frequencies << w.box(names::kFrequency)->text();
        }
        if (step == 30 && frequencies.size() == 1) {
            clickHandled = false;
            chooseFromTheMenu(w, QStringLiteral("Příklady"), QStringLiteral("Stejná fáze"), &deletedInItsClick);
            clickHandled = true;
            QCoreApplication::processEvents();
        }
        if (step == 60)
            w.window.run().stop();
    };
    chooseFromTheMenu(w, QStringLiteral("Příklady"), QStringLiteral("Slyšitelné zázněje"), &deletedInItsClick);
    clickHandled = true;
    QTRY_COMPARE(startedAfterTheClick.size(), 2);
    QCOMPARE(startedAfterTheClick, QList<bool>({true, true}));
    QVERIFY(!deletedInItsClick);
    QCOMPARE(frequencies, QStringList({"1,02", "1"}));
    QVERIFY(!QApplication::activePopupWidget());
}

// A choice of the menu that sets the scene up anew (the time axis) ends a run going on, as
// Escape does, and takes effect at once; one that changes how the scene is looked at takes
// effect during the run.
void TestHeldInput::sceneChosenDuringARunEndsIt()
{
    TestWindow w;
    QVERIFY(w.showActive());
    bool readoutsDuringTheRun = false;
    w.pacer->atStep = [&](int step) {
        if (step != 10)
            return;
        w.trigger(QStringLiteral("Hodnoty"));
        readoutsDuringTheRun = w.window.setUp().setUp().readouts && !w.pacer->stopped;
        w.trigger(QStringLiteral("20 period"));
    };
    w.clickStart();
    QVERIFY(readoutsDuringTheRun);
    QCOMPARE(w.pacer->deadlines.size(), std::size_t(10));
    QCOMPARE(w.window.setUp().setUp().axis, TimeAxis{20});
    QVERIFY(!w.window.isRunning());
}

QTEST_MAIN(TestHeldInput)
#include "tst_heldinput.moc"
