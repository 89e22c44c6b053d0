#include "TestWindow.h"

#include <cmath>

using namespace vlnokres;

// On a screen of twice the density (this test runs with QT_SCALE_FACTOR=2) the drawing uses
// the finer pixels: every line and dot lands at twice its scene coordinates.
class TestHighDensity : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("cs_CZ"))); }
    void tracesLandAtTwiceTheirCoordinates();
};

void TestHighDensity::tracesLandAtTwiceTheirCoordinates()
{
    TestWindow w;
    const QImage &canvas = w.run("0,5", "2", "0");
    QCOMPARE(canvas.size(), QSize(1584, 1146));
    QCOMPARE(canvas.pixel(2 * 600, 2 * 150), kBlack); // the upper axis at y 150.5
    QCOMPARE(canvas.pixel(2 * 600, 2 * 150 + 2), kGrey);

    int checked = 0;
    for (int t = 3; t <= 1300; t += 11) {
        const double x = 340 + 31.4 * t / 100;
        const double green = 50 * std::sin(t / 100.0);
        const double red = 25 * std::sin(2 * t / 100.0);
        // Only where the red dot, the sum dot and the lower axis stay clear of the green dot.
        if (std::abs(green - red) < 6 || std::abs(red) < 6 || std::abs(green) < 4)
            continue;
        const QPoint device(int(2 * x), int(2 * (390.5 - green)));
        QVERIFY2(canvas.pixel(device) == kGreen, qPrintable(QStringLiteral("t = %1").arg(t)));
        ++checked;
    }
    QVERIFY(checked > 40);
}

QTEST_MAIN(TestHighDensity)
#include "tst_highdensity.moc"
