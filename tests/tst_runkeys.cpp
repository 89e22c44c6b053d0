#include "TestWindow.h"
#include "app/run/RasterSurface.h"
#include "app/run/RunKeys.h"
#include "core/RunScene.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>

#include <cmath>

using namespace vlnokres;

Q_DECLARE_METATYPE(vlnokres::RunKey)

// The run from the keyboard and the menu: paused, moved step by step and stopped, its keys listed
// in the menu and in the key help.
class TestRunKeys : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("cs_CZ"))); }
    void runKeysPauseResumeAndStop();
    void runKeysOutsideARunDoNothing();
    void runKeysActOnTheRun_data();
    void runKeysActOnTheRun();
    void contextMenuOffersTheViewAndTheRun();
    void menuOpensWithoutARightClick();
    void helpKeyListsTheKeys();
    void pausedRunStepsBackAndForth_data();
    void pausedRunStepsBackAndForth();
    void longAxisKeysReachItsEnds();
};

void TestRunKeys::runKeysPauseResumeAndStop()
{
    TestWindow w;
    QVERIFY(w.showActive());
    QWindow *handle = w.window.windowHandle();
    w.box(names::kAmplitude)->setFocus();
    const QString title = w.window.windowTitle();
    QStringList titles;
    bool pausedAt20 = false;
    w.pacer->atStep = [&](int step) {
        if (step == 10)
            QTest::keyClick(handle, Qt::Key_P);
        if (step == 11)
            titles << w.window.windowTitle();
        if (step == 20) {
            pausedAt20 = w.pacer->paused;
            QTest::keyClick(handle, Qt::Key_Pause);
            titles << w.window.windowTitle();
        }
        if (step == 30) {
            QTest::keyClick(handle, Qt::Key_P);
            QTest::keyClick(handle, Qt::Key_Home);
            QTest::keyClick(handle, Qt::Key_Escape);
        }
    };
    w.clickStart();
    QCOMPARE(titles, QStringList({title + QStringLiteral(" – krok 10 z 1300 – pozastaveno"), title}));
    QVERIFY(pausedAt20);
    // Stopped while paused at step 30 and moved: the picture stands as it was, and the run
    // ends as every run does, with the axes drawn again and the title no longer paused.
    QCOMPARE(w.pacer->deadlines.size(), std::size_t(30));
    QCOMPARE(w.pacer->finishes, 1);
    QCOMPARE(w.window.windowTitle(), title);
    QVERIFY(std::get_if<Line>(&w.window.surface().ops().back()));
    QVERIFY(!w.window.isRunning());
    // The run's keys were the run's: none of them reached the focused box.
    QCOMPARE(w.box(names::kAmplitude)->text(), QStringLiteral("0,5"));

    // The next run runs: its title, its menu and its first P say so.
    QStringList next;
    w.pacer->atStep = [&](int step) {
        if (step != 5)
            return;
        next << w.window.windowTitle();
        for (const QAction *action : w.window.findChildren<QAction *>())
            if (action->shortcut() == QKeySequence(Qt::Key_P))
                next << action->text();
        QTest::keyClick(handle, Qt::Key_P);
        next << w.window.windowTitle().section(u'–', 2);
        QTest::keyClick(handle, Qt::Key_Escape);
    };
    w.clickStart();
    QCOMPARE(next, QStringList({title, "Pozastavit", " pozastaveno"}));
}

void TestRunKeys::runKeysOutsideARunDoNothing()
{
    TestWindow w;
    QVERIFY(w.showActive());
    const QString title = w.window.windowTitle();
    QTest::keyClick(w.window.windowHandle(), Qt::Key_P);
    QTest::keyClick(w.window.windowHandle(), Qt::Key_Pause);
    QTest::keyClick(w.window.windowHandle(), Qt::Key_Escape);
    QCOMPARE(w.window.windowTitle(), title);
    QVERIFY(!w.pacer->paused && !w.pacer->stopped);
    QCOMPARE(w.pacer->finishes, 0);
}

void TestRunKeys::runKeysActOnTheRun_data()
{
    using Act = RunKey::Act;
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("paused");
    QTest::addColumn<RunKey>("expected");
    QTest::addColumn<int>("periods");
    const int none = Qt::NoModifier;
    QTest::newRow("P pauses") << int(Qt::Key_P) << none << false << RunKey{Act::TogglePause} << 2;
    QTest::newRow("P on the keypad") << int(Qt::Key_P) << int(Qt::KeypadModifier) << true << RunKey{Act::TogglePause} << 2;
    QTest::newRow("Shift+P is a letter") << int(Qt::Key_P) << int(Qt::ShiftModifier) << false << RunKey{} << 2;
    QTest::newRow("Pause") << int(Qt::Key_Pause) << int(Qt::ControlModifier) << true << RunKey{Act::TogglePause} << 2;
    QTest::newRow("Escape stops") << int(Qt::Key_Escape) << none << true << RunKey{Act::Stop} << 2;
    QTest::newRow("arrows only while paused") << int(Qt::Key_Left) << none << false << RunKey{} << 2;
    QTest::newRow("back a step") << int(Qt::Key_Left) << none << true << RunKey{Act::MoveTo, 99} << 2;
    QTest::newRow("on a step") << int(Qt::Key_Right) << none << true << RunKey{Act::MoveTo, 101} << 2;
    QTest::newRow("fifty back") << int(Qt::Key_PageUp) << none << true << RunKey{Act::MoveTo, 50} << 2;
    QTest::newRow("fifty on") << int(Qt::Key_PageDown) << none << true << RunKey{Act::MoveTo, 150} << 2;
    QTest::newRow("first") << int(Qt::Key_Home) << none << true << RunKey{Act::MoveTo, 1} << 2;
    QTest::newRow("last") << int(Qt::Key_End) << none << true << RunKey{Act::MoveTo, 1300} << 2;
    QTest::newRow("any other") << int(Qt::Key_A) << none << true << RunKey{} << 2;
    QTest::newRow("a 26th on, at 100 periods") << int(Qt::Key_PageDown) << none << true << RunKey{Act::MoveTo, 2600} << 100;
    QTest::newRow("last, at 20 periods") << int(Qt::Key_End) << none << true << RunKey{Act::MoveTo, 13000} << 20;
}

void TestRunKeys::runKeysActOnTheRun()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, paused);
    QFETCH(RunKey, expected);
    QFETCH(int, periods);
    QVERIFY(runKeyOf(key, Qt::KeyboardModifiers(modifiers), paused, 100, {periods}) == expected);
}

// At a whiteboard or from the keyboard: F10 and Shift+F10 anywhere, the Menu key in a box (not
// the box's own edit menu), and a press held still for 0,6 s on the drawing area, but not one
// that moves.
void TestRunKeys::menuOpensWithoutARightClick()
{
    TestWindow w;
    QVERIFY(w.showActive());
    const auto drawingMenuShown = [] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        const bool ours = menu && menu->accessibleName() == QStringLiteral("Zobrazení");
        if (menu)
            menu->close();
        QCoreApplication::processEvents();
        return ours;
    };
    QLineEdit *box = w.box(names::kPhase);
    box->setFocus();
    for (const QKeyCombination key : {QKeyCombination(Qt::Key_F10), Qt::SHIFT | Qt::Key_F10}) {
        QTest::keyClick(w.window.windowHandle(), key.key(), key.keyboardModifiers());
        QVERIFY(drawingMenuShown());
    }
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(5, 5), box->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(box, &menuKey);
    QVERIFY(drawingMenuShown());

    const QPoint still(300, 450);
    QTest::mousePress(&w.window, Qt::LeftButton, {}, still);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QVERIFY(drawingMenuShown());
    QTest::mouseRelease(&w.window, Qt::LeftButton, {}, still);
    QTest::mousePress(&w.window, Qt::LeftButton, {}, still);
    QTest::mouseMove(&w.window, still + QPoint(40, 0));
    QTest::qWait(800);
    QVERIFY(!QApplication::activePopupWidget());
    QTest::mouseRelease(&w.window, Qt::LeftButton, {}, still + QPoint(40, 0));
}

void TestRunKeys::contextMenuOffersTheViewAndTheRun()
{
    TestWindow w;
    QVERIFY(w.showActive());
    QStringList offered;
    QStringList enabledDuringTheRun;
    bool closedByKey = true;
    auto openMenu = [&] {
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(300, 400), w.window.mapToGlobal(QPoint(300, 400)));
        QApplication::sendEvent(&w.window, &click);
        QPointer<QMenu> menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QStringList enabled;
        if (menu) {
            offered.clear();
            for (QAction *action : menu->actions()) {
                if (action->isSeparator())
                    continue;
                offered << QString(action->text()).remove(u'&') + u'\t' + action->shortcut().toString(QKeySequence::PortableText);
                if (action->isEnabled())
                    enabled << QString(action->text()).remove(u'&');
            }
            // An open menu takes the keys at once, during a run too: Escape closes it.
            QTest::keyClick(w.window.windowHandle(), Qt::Key_Escape);
            closedByKey &= !menu || !menu->isVisible();
            if (menu)
                menu->close();
        }
        return enabled;
    };
    const QStringList enabledOutside = openMenu();
    QCOMPARE(offered, QStringList({"Celá obrazovka\tF11", "Původní velikost\tCtrl+0", "Zvětšit\tCtrl++",
                                   "Zmenšit\tCtrl+-", "Pozastavit\tP", "O krok zpět\tLeft",
                                   "O krok vpřed\tRight", "Zastavit\tEsc",
                                   "Uložit obrázek…\tCtrl+S", "Kopírovat obrázek\tCtrl+Shift+C", "Tisk…\tCtrl+P", "Lekce\t", "Hodnoty\tCtrl+H", "Skrýt součet\tCtrl+R", "Popisky\tCtrl+L", "Kolmé kmity\t", "Příklady\t", "Časová osa\t",
                                   "Kopírovat jako příkaz\t", "Barvy\t", "Velké písmo\t", "Jazyk\t", "Zvuk\t",
                                   "Klávesové zkratky\tF1"}));
    // Before the first run there is nothing to pause, stop, save or copy.
    for (const char *idle : {"Pozastavit", "Zastavit", "Uložit obrázek…", "Kopírovat obrázek"})
        QVERIFY2(!enabledOutside.contains(QString::fromUtf8(idle)), idle);
    w.pacer->atStep = [&](int step) {
        if (step == 5)
            enabledDuringTheRun = openMenu();
    };
    w.clickStart();
    QVERIFY(enabledDuringTheRun.contains(QStringLiteral("Pozastavit")));
    QVERIFY(enabledDuringTheRun.contains(QStringLiteral("Uložit obrázek…")));
    QVERIFY(closedByKey);
    QVERIFY(enabledDuringTheRun.contains(QStringLiteral("Zastavit")));
}

void TestRunKeys::helpKeyListsTheKeys()
{
    TestWindow w;
    QVERIFY(w.showActive());
    QTest::keyClick(w.window.windowHandle(), Qt::Key_F1);
    QWidget *help = nullptr;
    QTRY_VERIFY((help = QApplication::activeWindow()) && help != &w.window);
    QCOMPARE(help->windowTitle(), QStringLiteral("Klávesové zkratky"));
    const QString text = help->findChild<QLabel *>()->text();
    for (const char *key : {"F11", "Esc", "Ctrl+0", "Ctrl++", "P, Pause", "F1"})
        QVERIFY2(text.contains(QString::fromUtf8(key)), key);
    // Every key of the window is there, spelt as the menu spells it.
    QStringList listed;
    for (const QRegularExpressionMatch &key : QRegularExpression(QStringLiteral("<b>(.*?)</b>")).globalMatch(text))
        listed << key.captured(1).split(QStringLiteral(", "));
    for (const QAction *action : w.window.actions())
        if (!action->shortcut().isEmpty())
            QVERIFY2(listed.contains(action->shortcut().toString(QKeySequence::NativeText)), qPrintable(action->text()));
}

void TestRunKeys::pausedRunStepsBackAndForth_data()
{
    QTest::addColumn<double>("zoom");
    QTest::newRow("designed") << 1.0;
    QTest::newRow("not a whole number") << 1.37;
}

void TestRunKeys::pausedRunStepsBackAndForth()
{
    QFETCH(double, zoom);
    TestWindow w;
    w.showAtZoom(zoom);
    QWindow *handle = w.window.windowHandle();
    const auto afresh = [&](int step, bool ended = false) {
        QWidget blank;
        RasterSurface surface(blank, MainWindow::kClientSize);
        surface.setPlacement({}, w.window.zoom());
        surface.beginScene();
        surface.draw(RunScene{{0.5, 1, 90}, false, {}}.at(step, ended));
        return surface.image();
    };
    QStringList titles, wrong;
    const auto move = [&](Qt::Key key, int times = 1) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(handle, key);
        const int step = w.window.run().shownStep();
        if (w.window.surface().image() != afresh(step))
            wrong << QStringLiteral("%1 at step %2").arg(QKeySequence(key).toString()).arg(step);
    };
    w.pacer->atStep = [&](int) {
        if (w.pacer->deadlines.size() != 650)
            return;
        QTest::keyClick(handle, Qt::Key_P);
        for (Qt::Key key : {Qt::Key_Left, Qt::Key_End, Qt::Key_Home, Qt::Key_PageDown, Qt::Key_Right, Qt::Key_Left})
            move(key);
        titles << w.window.windowTitle().section(u'–', 1);
        for (Qt::Key key : {Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_End, Qt::Key_PageUp, Qt::Key_Left, Qt::Key_Home})
            move(key);
        move(Qt::Key_Right, 648);
        for (int i = 0; i < 3; ++i)
            move(Qt::Key_PageDown);
        move(Qt::Key_Left, 60);
        QTest::keyClick(handle, Qt::Key_P);
    };
    w.clickStart();
    QCOMPARE(titles, QStringList(QStringLiteral(" krok 51 z 1300 – pozastaveno")));
    QCOMPARE(wrong.join(u','), QString());
    // 650 steps, then from step 739 on: 561 more; and it ends as a run never paused does.
    QCOMPARE(w.pacer->deadlines.size(), std::size_t(650 + 561));
    QVERIFY(w.window.surface().image() == afresh(kSteps, true));
}

// On a longer axis End goes to its own last step and Page Down a twenty-sixth of its run.
void TestRunKeys::longAxisKeysReachItsEnds()
{
    for (const int periods : {20, 100}) {
        TestWindow w;
        QVERIFY(w.showActive());
        w.window.setUp().change([periods](Chosen &c) { c.setUp.axis = {periods}; });
        QList<int> shown;
        w.pacer->atStep = [&](int step) {
            if (step != 10)
                return;
            QWindow *handle = w.window.windowHandle();
            QTest::keyClick(handle, Qt::Key_P);
            for (const Qt::Key key : {Qt::Key_End, Qt::Key_Home, Qt::Key_PageDown}) {
                QTest::keyClick(handle, key);
                shown << w.window.run().shownStep();
            }
            QTest::keyClick(handle, Qt::Key_Escape);
        };
        w.clickStart();
        const TimeAxis axis{periods};
        QCOMPARE(shown, QList<int>({axis.steps(), 1, 1 + axis.pageSteps()}));
    }
}

QTEST_MAIN(TestRunKeys)
#include "tst_runkeys.moc"
