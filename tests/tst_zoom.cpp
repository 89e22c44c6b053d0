#include "TestWindow.h"
#include "core/VectorDrag.h"

#include "app/run/PaintParts.h"
#include "app/run/RasterPainter.h"
#include "app/run/RasterSurface.h"
#include "app/run/SceneCheckpoints.h"
#include "core/Picture.h"
#include "core/RunScene.h"
#include "core/StepOperations.h"
#include "app/run/RunKeys.h"
#include "app/language/NumberText.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QScreen>
#include <QMimeData>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>

#include <cmath>

using namespace vlnokres;

Q_DECLARE_METATYPE(vlnokres::Parameters)

Q_DECLARE_METATYPE(vlnokres::RunKey)

// The classroom view: the whole content scales with the window, the picture is drawn at the
// window's resolution and never lost, the view's keys act at once, and a run can be paused
// and stopped from the keyboard.
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
    void runKeysPauseResumeAndStop();
    void runKeysOutsideARunDoNothing();
    void runKeysActOnTheRun_data();
    void runKeysActOnTheRun();
    void contextMenuOffersTheViewAndTheRun();
    void helpKeyListsTheKeys();
    void soundFollowsTheRun();
    void pointsKeptStayWithinTheirBytes();
    void sceneIsCutIntoPartsThatLieApart_data();
    void sceneIsCutIntoPartsThatLieApart();
    void wholeSceneAtOncePaintsAsStepByStep_data();
    void wholeSceneAtOncePaintsAsStepByStep();
    void pausedRunStepsBackAndForth_data();
    void pausedRunStepsBackAndForth();
    void readoutsShowBesideTheDiagram();
    void screenReaderHearsWhatThePictureShows();
    void colourBlindPaletteRedrawsTheRun();
    void soundMenuSaysWhatCannotBeHeard();
    void draggedVectorMovesTheSumAndItsSound();
};

namespace {

void showAtZoom(TestWindow &w, double zoom)
{
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    w.window.resize(QSizeF(QSizeF(MainWindow::kClientSize) * zoom).toSize());
    QTRY_COMPARE(w.window.size(), QSizeF(QSizeF(MainWindow::kClientSize) * zoom).toSize());
}

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
    showAtZoom(w, zoom);
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
    showAtZoom(changed, 0.75);
    changed.pacer->atStep = [&](int step) {
        if (step == 650)
            changed.window.resize(QSizeF(QSizeF(MainWindow::kClientSize) * 1.5).toSize());
    };
    const QImage during = changed.run();
    TestWindow steady;
    showAtZoom(steady, 1.5);
    QCOMPARE(during, steady.run());
}

// The window repaints what a dot reports it painted; at a fractional zoom a report rounded
// to whole scene pixels left its first device rows and columns out.
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

// Full screen, where no title bar says it, a paused run says its step in the drawing's free
// corner; no picture holds the words.
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

void TestZoom::runKeysPauseResumeAndStop()
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
    QVERIFY(std::get_if<Line>(&w.window.surface().drawing().ops().back()));
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

void TestZoom::runKeysActOnTheRun_data()
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

// At step 100.
void TestZoom::runKeysActOnTheRun()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, paused);
    QFETCH(RunKey, expected);
    QFETCH(int, periods);
    QVERIFY(runKeyOf(key, Qt::KeyboardModifiers(modifiers), paused, 100, {periods}) == expected);
}

void TestZoom::runKeysOutsideARunDoNothing()
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

void TestZoom::contextMenuOffersTheViewAndTheRun()
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
                offered << action->text() + u'\t' + action->shortcut().toString(QKeySequence::PortableText);
                if (action->isEnabled())
                    enabled << action->text();
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
                                   "Uložit obrázek…\tCtrl+S", "Kopírovat obrázek\tCtrl+Shift+C", "Tisk…\tCtrl+P", "Hodnoty\tCtrl+H", "Skrýt součet\tCtrl+R", "Popisky\tCtrl+L", "Příklady\t", "Časová osa\t",
                                   "Kopírovat jako příkaz\t", "Barvy\t", "Jazyk\t", "Zvuk\t",
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

void TestZoom::helpKeyListsTheKeys()
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

// A long scene, each point of it a picture wholly new: past what they may keep, every other
// point goes and the rest are kept further apart, and each left still restores its picture.
void TestZoom::pointsKeptStayWithinTheirBytes()
{
    QImage image(2048, 2048, QImage::Format_RGB32);
    SceneCheckpoints points;
    const auto colourAt = [](std::size_t opCount) { return QRgb(0xFF000000u | opCount); };
    for (std::size_t opCount = 1; opCount <= 12; ++opCount) {
        image.fill(colourAt(opCount));
        points.touch(image.rect());
        points.take(image, opCount);
        QVERIFY(points.bytes() <= SceneCheckpoints::kKeptBytes);
    }
    QCOMPARE(points.opCounts(), (std::vector<std::size_t>{10, 12})); // three of 16 MB are all it may keep
    QCOMPARE(points.spread(), std::size_t(32));
    for (std::size_t i : {std::size_t(0), std::size_t(1), std::size_t(0)}) {
        points.restore(image, i);
        QCOMPARE(image.pixel(1000, 2047), colourAt(points.opCounts()[i]));
    }
}

// Operations, as the scene pixels each may touch, and the parts they are cut into, each listed
// in order, the costliest part first (all cost alike here).
void TestZoom::sceneIsCutIntoPartsThatLieApart_data()
{
    QTest::addColumn<QList<QRect>>("reaches");
    QTest::addColumn<QList<QList<int>>>("parts");
    const QRect upperLeft(10, 10, 50, 50), upperRight(300, 10, 50, 50), lowerLeft(10, 300, 50, 50);
    QTest::newRow("one alone") << QList{upperLeft} << QList<QList<int>>{{0}};
    QTest::newRow("overlapping") << QList{upperLeft, upperLeft.translated(40, 40)} << QList<QList<int>>{{0, 1}};
    QTest::newRow("two rows apart") << QList{upperLeft, lowerLeft, upperLeft} << QList<QList<int>>{{0, 2}, {1}};
    QTest::newRow("four corners, the larger first")
        << QList{upperLeft, upperRight, lowerLeft, lowerLeft.translated(290, 0), upperRight}
        << QList<QList<int>>{{1, 4}, {0}, {2}, {3}};
    QTest::newRow("within the margin of each other")
        << QList{upperLeft, upperLeft.translated(52, 0)} << QList<QList<int>>{{0, 1}};
    QTest::newRow("one spanning the others") << QList{upperLeft, lowerLeft, QRect(0, 0, 20, 400)}
                                             << QList<QList<int>>{{0, 1, 2}};
    QTest::newRow("one outside the scene is in none")
        << QList{upperLeft, QRect(-100, -100, 10, 10), lowerLeft} << QList<QList<int>>{{0}, {2}};
}

void TestZoom::sceneIsCutIntoPartsThatLieApart()
{
    QFETCH(QList<QRect>, reaches);
    QFETCH(QList<QList<int>>, parts);
    const std::vector<double> costs(std::size_t(reaches.size()), 1.0);
    QList<QList<int>> found;
    for (const std::vector<std::size_t> &part : paintParts(reaches, costs, QSize(400, 400), 2))
        found.append(QList<int>(part.begin(), part.end()));
    QCOMPARE(found, parts);
}

// A whole scene drawn at once, shared between two painters where rows and columns part it, or
// drawn again at a new zoom, gives the pixels of the same operations drawn a step at a time
// by one.
void TestZoom::wholeSceneAtOncePaintsAsStepByStep_data()
{
    QTest::addColumn<double>("ratio");
    QTest::addColumn<Parameters>("parameters");
    QTest::addColumn<bool>("envelope");
    for (const double ratio : {0.5, 1.0, 1.37, 2160.0 / 573}) {
        const QByteArray at = QByteArray::number(ratio, 'g', 3);
        QTest::newRow("defaults at " + at) << ratio << Parameters{0.5, 1, 90} << false;
        QTest::newRow("widest second, envelope, at " + at) << ratio << Parameters{1.5, 1.1, 30} << true;
        QTest::newRow("long second, at " + at) << ratio << Parameters{-4, 3, 10} << false;
    }
}

void TestZoom::wholeSceneAtOncePaintsAsStepByStep()
{
    QFETCH(double, ratio);
    QFETCH(Parameters, parameters);
    QFETCH(bool, envelope);
    const DrawOps scene = picture::uncoveredOps(RunScene{parameters, envelope, {}}.at(kSteps, true));
    QWidget blank;
    RasterSurface atOnce(blank, MainWindow::kClientSize), byStep(blank, MainWindow::kClientSize),
        zoomed(blank, MainWindow::kClientSize);
    for (RasterSurface *surface : {&atOnce, &byStep, &zoomed}) {
        surface->setPlacement({}, surface == &zoomed ? 1.1 : ratio);
        surface->beginScene();
    }
    atOnce.draw(scene);
    zoomed.draw(scene);
    zoomed.setPlacement({}, ratio);
    for (std::size_t i = 0; i < scene.size(); i += kOpsPerStep)
        byStep.draw(DrawOps(scene.begin() + std::ptrdiff_t(i), scene.begin() + std::ptrdiff_t(std::min(scene.size(), i + kOpsPerStep))));
    QVERIFY(atOnce.image() == byStep.image());
    QVERIFY(zoomed.image() == byStep.image());
}

// While paused, the step keys move the run; the picture is the run's own at that step, drawn
// afresh, whatever way it was reached, and the run goes on from the step shown.
void TestZoom::pausedRunStepsBackAndForth_data()
{
    QTest::addColumn<double>("zoom");
    QTest::newRow("designed") << 1.0;
    QTest::newRow("not a whole number") << 1.37;
}

void TestZoom::pausedRunStepsBackAndForth()
{
    QFETCH(double, zoom);
    TestWindow w;
    showAtZoom(w, zoom);
    QWindow *handle = w.window.windowHandle();
    const auto afresh = [&](int step, bool ended = false) {
        QWidget blank;
        RasterSurface surface(blank, MainWindow::kClientSize);
        surface.setPlacement({}, w.window.zoom());
        surface.beginScene();
        surface.draw(picture::uncoveredOps(RunScene{{0.5, 1, 90}, false, {}}.at(step, ended)));
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

// Ctrl+H shows the readouts beside the upper diagram and the envelope under the run, and
// takes them away again; the set-up copied as a command keeps them.
void TestZoom::readoutsShowBesideTheDiagram()
{
    TestWindow w;
    QVERIFY(w.showActive());
    w.run(QStringLiteral("1"), QStringLiteral("1,1"), QStringLiteral("0"));
    auto dark = [&] {
        const QImage shown = w.window.grab(QRect(540, 60, 250, 80)).toImage();
        int count = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                count += qGray(shown.pixel(x, y)) < 80;
        return count;
    };
    const QPoint dash(342, 290); // the upper envelope's first dash, 50 · 2 above the zero line
    QCOMPARE(dark(), 0);
    QTest::keyClick(w.window.windowHandle(), Qt::Key_H, Qt::ControlModifier);
    QVERIFY(dark() > 100);
    // Their values are repainted as the steps go by, and not while the run stands paused.
    QList<bool> ticking;
    w.pacer->atStep = [&](int step) {
        if (step != 10)
            return;
        auto ticker = [&] {
            for (const QTimer *timer : w.window.findChildren<QTimer *>())
                if (timer->interval() == 30)
                    return timer->isActive();
            return false;
        };
        ticking << ticker();
        QTest::keyClick(w.window.windowHandle(), Qt::Key_P);
        ticking << ticker();
        QTest::keyClick(w.window.windowHandle(), Qt::Key_P);
        ticking << ticker();
    };
    w.clickStart();
    QCOMPARE(ticking, QList<bool>({true, false, true}));
    QCOMPARE(w.window.surface().image().pixel(dash), 0xFF808080);
    w.trigger(QStringLiteral("Kopírovat jako příkaz"));
    QVERIFY(QApplication::clipboard()->text().endsWith(QStringLiteral(" --values")));
    QTest::keyClick(w.window.windowHandle(), Qt::Key_H, Qt::ControlModifier);
    QCOMPARE(dark(), 0);
    QCOMPARE(w.window.surface().image().pixel(dash), kGrey);
}

// The drawing area's description follows the run: at a pause, at each step while paused, and
// at its end, with the readouts' numbers.
void TestZoom::screenReaderHearsWhatThePictureShows()
{
    TestWindow w;
    QVERIFY(w.showActive());
    QAccessibleInterface *area = QAccessible::queryAccessibleInterface(const_cast<QWidget *>(&w.window.drawingArea()));
    QCOMPARE(area->text(QAccessible::Name), QStringLiteral("Kresba součtu dvou sinusoid"));
    QVERIFY(area->text(QAccessible::Description).startsWith(QStringLiteral("Zatím prázdná")));
    QStringList heard;
    w.pacer->atStep = [&](int step) {
        if (step != 100)
            return;
        QTest::keyClick(w.window.windowHandle(), Qt::Key_P);
        heard << area->text(QAccessible::Description).section(u'.', -2);
        QTest::keyClick(w.window.windowHandle(), Qt::Key_Right);
        heard << area->text(QAccessible::Description).section(u'.', -2);
        QTest::keyClick(w.window.windowHandle(), Qt::Key_P);
    };
    w.run();
    QCOMPARE(heard, QStringList({" Krok 100 z 1300, pozastaveno.", " Krok 101 z 1300, pozastaveno."}));
    QCOMPARE(area->text(QAccessible::Description),
             QStringLiteral("Amplituda 0,5, kmitočet 1, fázový posun 90°. Součet: amplituda 1,12, fázový posun 26,5°. "
                            "Krok 1300 z 1300."));
}

// The palette for colour-blind eyes draws the run again at once: no green is left, and the
// first wave is blue.
void TestZoom::colourBlindPaletteRedrawsTheRun()
{
    TestWindow w;
    QVERIFY(w.showActive());
    w.run();
    auto count = [&](QRgb colour) {
        const QImage &shown = w.window.surface().image();
        const auto *pixels = reinterpret_cast<const QRgb *>(shown.constBits());
        return std::count(pixels, pixels + shown.width() * shown.height(), colour);
    };
    const auto green = count(kGreen);
    QVERIFY(green > 200);
    w.trigger(QStringLiteral("Pro barvoslepé"));
    QCOMPARE(count(kGreen), 0);
    QCOMPARE(count(0xFF0072B2), green);
}

// Ctrl+M turns the sound on with the sum; it starts with the run, pauses and resumes with it,
// and stops when the run is stopped. The sample waits for the run's end, as Start would.
void TestZoom::soundFollowsTheRun()
{
    TestWindow w;
    QVERIFY(w.showActive());
    QWindow *handle = w.window.windowHandle();
    QTest::keyClick(handle, Qt::Key_M, Qt::ControlModifier);
    w.pacer->atStep = [&](int step) {
        if (step == 10 || step == 11)
            QTest::keyClick(handle, Qt::Key_P);
        if (step == 12)
            QTest::keyClick(handle, Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);
        if (step == 20)
            QTest::keyClick(handle, Qt::Key_Escape);
    };
    w.clickStart();
    const QString run = QStringLiteral("play 2 at 220 Hz, A 0.5 f 1 90°");
    QCOMPARE(w.sounds, QStringList({run, "pause", "resume", "stop", run + " for 4000 ms"}));

    // A voice or a tone chosen while paused waits, paused, for the run to go on; the sample
    // plays the voice chosen.
    w.sounds.clear();
    w.pacer->atStep = [&](int step) {
        if (step != 10)
            return;
        QTest::keyClick(handle, Qt::Key_P);
        for (QAction *action : w.window.findChildren<QAction *>())
            if (action->text() == QStringLiteral("Druhá sinusoida") || action->text() == QStringLiteral("Základní tón 440 Hz"))
                action->trigger();
        QTest::keyClick(handle, Qt::Key_Escape);
    };
    w.clickStart();
    QTest::keyClick(handle, Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(w.sounds, QStringList({run, "pause", "play 1 at 220 Hz, A 0.5 f 1 90°", "pause",
                                    "play 1 at 440 Hz, A 0.5 f 1 90°", "pause", "stop",
                                    "play 1 at 440 Hz, A 0.5 f 1 90° for 4000 ms"}));

    // Off, and on again with the voice chosen last.
    w.window.soundCommands().setVoice(sound::Voice::Second);
    QTest::keyClick(handle, Qt::Key_M, Qt::ControlModifier);
    QCOMPARE(w.window.soundCommands().voice(), std::nullopt);
    QTest::keyClick(handle, Qt::Key_M, Qt::ControlModifier);
    QCOMPARE(w.window.soundCommands().voice(), std::optional(sound::Voice::Second));
}

// The submenu names the second tone where it is out of hearing; with no sound output its
// items are disabled, and it says so.
void TestZoom::soundMenuSaysWhatCannotBeHeard()
{
    TestWindow w;
    QVERIFY(w.showActive());
    auto soundMenu = [&] {
        QMenu menu;
        w.window.soundCommands().fillMenu(menu, new QAction(QStringLiteral("Ctrl+M"), &menu), new QAction(&menu),
                                          readNumber(w.box(names::kFrequency)->text()));
        QStringList items;
        for (const QAction *action : menu.actions())
            if (!action->isSeparator())
                items << QString((action->isEnabled() ? QString() : QStringLiteral("(off) ")) + action->text()).replace(QChar(0xA0), u' ');
        return items;
    };
    w.box(names::kFrequency)->setText(QStringLiteral("200"));
    // In Czech notation under every locale.
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    const QStringList items = soundMenu();
    QLocale::setDefault(QLocale(QStringLiteral("cs_CZ")));
    // What the class will hear is told in readable words, not greyed as an item that cannot
    // be chosen.
    QVERIFY(items.contains(QStringLiteral("Druhý tón (44 000 Hz) je mimo slyšitelné pásmo")));
    w.player->present = false;
    QCOMPARE(soundMenu().mid(0, 3), QStringList({"Zvuk není k dispozici", "(off) Ctrl+M", "(off) Vypnuto"}));
    QTest::keyClick(w.window.windowHandle(), Qt::Key_M, Qt::ControlModifier);
    QCOMPARE(w.window.soundCommands().voice(), std::nullopt);
}

// After a run, the second vector's tip is taken with the mouse: the boxes, the picture and the
// sound follow the pointer (with Ctrl, in coarse steps), and the sound fades when let go.
void TestZoom::draggedVectorMovesTheSumAndItsSound()
{
    TestWindow w;
    QVERIFY(w.showActive());
    QWindow *handle = w.window.windowHandle();
    QTest::keyClick(handle, Qt::Key_M, Qt::ControlModifier);
    w.run();
    w.sounds.clear();
    const QPoint origin = w.window.surface().shownArea().topLeft();
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

QTEST_MAIN(TestZoom)
#include "tst_zoom.moc"
