#include "Desktop.h"

#include <cmath>

// On a screen of twice the density the window keeps its layout at twice the size, and the
// drawing uses the finer pixels: a one-pixel pen is two device pixels, a two-pixel pen four.
class TestE2EHiDpi : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void drawingIsCrispAtScaleTwo();
};

namespace {

int blackRowsAt(const QImage &shot, int x, int from, int to)
{
    int rows = 0;
    for (int y = from; y < to; ++y)
        rows += shot.pixel(x, y) == kBlack;
    return rows;
}
} // namespace

void TestE2EHiDpi::drawingIsCrispAtScaleTwo()
{
    Desktop desktop;
    QProcessEnvironment scaled;
    scaled.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
    QVERIFY(desktop.start(scaled));
    QCOMPARE(desktop.screenshot().size(), QSize(1584, 1146));

    desktop.click(place::kStart * 2);
    // The upper green vector's last position (13 rad) crosses x 200 at y 136.6: four device
    // pixels wide across its length, a little over four down a column at its slope. A
    // one-pixel-wide vector scaled up would give two or three.
    const double y = 150.5 - 30 * std::tan(std::fmod(13.0, 2 * M_PI));
    auto greenAcrossTheLastVector = [y](const QImage &shot) {
        int green = 0;
        for (int dy = -8; dy <= 8; ++dy)
            green += shot.pixel(400, int(std::round(2 * y)) + dy) == kGreen;
        return green;
    };
    QVERIFY(desktop.waitFor([&](const QImage &shot) { return greenAcrossTheLastVector(shot) >= 4; }));
    const QImage shot = desktop.screenshot();
    QVERIFY2(greenAcrossTheLastVector(shot) <= 5, qPrintable(QString::number(greenAcrossTheLastVector(shot))));

    // The axes at y 150.5 and 390.5 are two device rows each, at 300–301 and 780–781.
    QCOMPARE(blackRowsAt(shot, 1400, 290, 312), 2);
    QCOMPARE(shot.pixel(1400, 300), kBlack);
    QCOMPARE(blackRowsAt(shot, 1500, 770, 792), 2);
    QCOMPARE(shot.pixel(1500, 781), kBlack);
}

QTEST_MAIN(TestE2EHiDpi)
#include "tst_e2e_hidpi.moc"
