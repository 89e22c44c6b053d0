#include "TestWindow.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QTimer>

#include <cmath>

using namespace vlnokres;

// What the user chooses to see over and in the picture: the readouts, the palette, and the words a
// screen reader hears.
class TestViewChoices : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("cs_CZ"))); }
    void readoutsShowBesideTheDiagram();
    void screenReaderHearsWhatThePictureShows();
    void colourBlindPaletteRedrawsTheRun();
    void perpendicularModeTracesTheFigure();
};

void TestViewChoices::readoutsShowBesideTheDiagram()
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

void TestViewChoices::screenReaderHearsWhatThePictureShows()
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

void TestViewChoices::colourBlindPaletteRedrawsTheRun()
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


// "Kolmé kmity" turns the lower diagram into the x–y plane at once, the finished figure in it
// and no sum on the time graph; a wheel step on a box shows the next figure, and the mode goes
// with the copied command.
void TestViewChoices::perpendicularModeTracesTheFigure()
{
    TestWindow w;
    QVERIFY(w.showActive());
    w.run();
    // Black pixels in a scene rectangle: the figure's, off the plane's vertical axis above the
    // x axis, and the designed sum's crests, 56 pixels above the graph's zero line.
    auto black = [](const QImage &shown, const QRect &area) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += std::abs(x - 170) > 2 && shown.pixel(x, y) == 0xFF000000;
        return count;
    };
    const QRect plane(115, 330, 110, 58), crests(345, 330, 395, 8);
    auto figureDots = [&] { return black(w.window.surface().image(), plane); };
    const QImage summed = w.window.surface().image();
    QVERIFY(figureDots() == 0 && black(summed, crests) > 0);
    w.trigger(QStringLiteral("Kolmé kmity"));
    QCOMPARE(w.find<QLabel>(names::kTitle)->text(), QStringLiteral("Skládání kolmých kmitů"));
    const QImage figure = w.window.surface().image();
    QVERIFY(figureDots() > 50 && black(figure, crests) == 0);

    QLineEdit *phase = w.box(names::kPhase);
    phase->setFocus();
    QWheelEvent notch(QPointF(5, 5), phase->mapToGlobal(QPointF(5, 5)), {}, {0, 120}, Qt::NoButton, {}, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(phase, &notch);
    QCOMPARE(phase->text(), QStringLiteral("105"));
    QVERIFY(w.window.surface().image() != figure && figureDots() > 50);
    w.trigger(QStringLiteral("Kopírovat jako příkaz"));
    QVERIFY(QApplication::clipboard()->text().contains(QStringLiteral(" --perpendicular")));
    w.trigger(QStringLiteral("Kolmé kmity"));
    QCOMPARE(w.find<QLabel>(names::kTitle)->text(), QStringLiteral("Součet dvou sinusovek"));
    QCOMPARE(figureDots(), 0);
}

QTEST_MAIN(TestViewChoices)
#include "tst_viewchoices.moc"
