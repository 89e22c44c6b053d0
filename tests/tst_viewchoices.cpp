#include "TestWindow.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
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

QTEST_MAIN(TestViewChoices)
#include "tst_viewchoices.moc"
