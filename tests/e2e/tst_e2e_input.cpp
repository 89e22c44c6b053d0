#include "Desktop.h"

#include <QTemporaryDir>

// Input as a user gives it in a real X server: a press that crosses the end of a run, the
// keyboard on the pace scroll bar, the form with another font than it was designed for, and
// the second vector dragged by its tip.
class TestE2EInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startPressedDuringARunAndReleasedAfterItRunsOnceMore();
    void arrowHeldAcrossTheEndStepsAsItWouldWithoutARun();
    void arrowKeysSetTheNextRunsPace();
    void controlsTakeTheirClicksWithAnotherFont();
    void draggedVectorFollowsThePointer();
};

namespace {

bool waitUntilFinished(Desktop &desktop, int timeoutMs = 10000) { return desktop.waitFor(finished, timeoutMs); }

// Keeps watching a region for a while; true if it never changed.
bool staysTheSame(Desktop &desktop, const QRect &region, int forMs)
{
    const QImage first = desktop.screenshot().copy(region);
    const QDeadlineTimer deadline(forMs);
    while (!deadline.hasExpired()) {
        if (desktop.screenshot().copy(region) != first)
            return false;
        QTest::qWait(50);
    }
    return true;
}

} // namespace

void TestE2EInput::startPressedDuringARunAndReleasedAfterItRunsOnceMore()
{
    Desktop desktop;
    QVERIFY(desktop.start());
    desktop.movePointer({400, 300});
    const QImage released = desktop.screenshot().copy(place::kStartButton);
    desktop.click(place::kStart);
    QVERIFY(desktop.waitForPixel({400, 150}, kBlack));
    QTest::qWait(400);
    desktop.press(place::kStart);
    QVERIFY(waitUntilFinished(desktop));
    QTest::qWait(300);
    desktop.release();

    // Exactly one more run, from a cleared band to its end; then the button is up again.
    QVERIFY(desktop.waitFor([](const QImage &shot) { return traceEnd(shot) < 450; }, 5000));
    QVERIFY(waitUntilFinished(desktop));
    QTest::qWait(300); // the last steps
    QVERIFY(staysTheSame(desktop, QRect(340, 230, 420, 320), 1500));
    desktop.movePointer({400, 300});
    QTRY_COMPARE(desktop.screenshot().copy(place::kStartButton), released);
}

void TestE2EInput::arrowHeldAcrossTheEndStepsAsItWouldWithoutARun()
{
    Desktop desktop;
    QVERIFY(desktop.start());
    desktop.click(place::kStart);
    QVERIFY(desktop.waitForPixel({400, 150}, kBlack));
    QTest::qWait(900);
    const QImage beforeThePress = desktop.screenshot().copy(place::kPaceBar);
    desktop.press(place::kSlowerArrow);
    QVERIFY(waitUntilFinished(desktop));
    QTest::qWait(150);
    desktop.release();
    desktop.movePointer({400, 300});
    // Once the held press has stepped the bar, however late a busy machine shows it, nothing
    // steps it again.
    QVERIFY(desktop.waitFor([&](const QImage &shot) { return shot.copy(place::kPaceBar) != beforeThePress; }));
    QTest::qWait(300); // its release, delivered with it
    QVERIFY(staysTheSame(desktop, place::kPaceBar, 1500));
    const QImage afterThePress = desktop.screenshot().copy(place::kPaceBar);

    // The same bar set to 2 from the keyboard (it has the focus from the press): the same picture.
    desktop.key(QStringLiteral("Home"), desktop.mainWindow());
    desktop.key(QStringLiteral("Right"), desktop.mainWindow());
    QTRY_COMPARE(desktop.screenshot().copy(place::kPaceBar), afterThePress);
}

void TestE2EInput::arrowKeysSetTheNextRunsPace()
{
    Desktop desktop;
    QVERIFY(desktop.start());
    for (int i = 0; i < 6; ++i) // Start, Konec, the three boxes, the drawing area, then the scroll bar
        desktop.key(QStringLiteral("Tab"), desktop.mainWindow());
    for (const char *key : {"Right", "Right", "Right", "Left"})
        desktop.key(QString::fromLatin1(key), desktop.mainWindow());
    desktop.click(place::kStart);
    // At slowdown 3 a run lasts 11.7 s, and 2.5 s into it the traces have come about 87
    // pixels; at slowdown 2 they would have come 196, and at 1 the run would be over.
    QVERIFY(desktop.waitForPixel({400, 150}, kBlack));
    QTest::qWait(2500);
    const int reached = traceEnd(desktop.screenshot());
    QVERIFY2(reached > 405 && reached < 480, qPrintable(QString::number(reached)));
}

void TestE2EInput::controlsTakeTheirClicksWithAnotherFont()
{
    QTemporaryDir dir;
    QFile config(dir.filePath(QStringLiteral("fonts.conf")));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write(QStringLiteral("<?xml version=\"1.0\"?>\n<fontconfig><dir>/usr/share/fonts/truetype/dejavu</dir>"
                                "<cachedir>%1</cachedir></fontconfig>\n")
                     .arg(dir.path())
                     .toUtf8());
    config.close();
    QProcessEnvironment onlyDejaVu;
    onlyDejaVu.insert(QStringLiteral("FONTCONFIG_FILE"), config.fileName());

    Desktop desktop;
    QVERIFY(desktop.start(onlyDejaVu));
    desktop.click(place::kStart);
    QVERIFY(desktop.waitForPixel({400, 150}, kBlack));
    QVERIFY(waitUntilFinished(desktop));
    desktop.click(place::kKonec);
    QCOMPARE(desktop.waitForExit(), 0);
}

// After a run, the upper red vector's tip, taken and moved straight up above its centre, ends
// there in the picture shown at once.
void TestE2EInput::draggedVectorFollowsThePointer()
{
    Desktop desktop;
    QVERIFY(desktop.start({}, {"--start"}));
    QVERIFY(waitUntilFinished(desktop));
    QTest::qWait(300);
    const QPoint above{450, 118};
    QCOMPARE(desktop.screenshot().pixel(above), kGrey);
    desktop.press({439, 128}); // the tip at the run's last step
    for (const QPoint at : {QPoint(444, 120), QPoint(448, 114), QPoint(450, 110)}) {
        desktop.movePointer(at);
        QTest::qWait(50);
    }
    desktop.release();
    QVERIFY(desktop.waitForPixel(above, 0xFFFF0000, 5000));
    QVERIFY(finished(desktop.screenshot()));
}

QTEST_MAIN(TestE2EInput)
#include "tst_e2e_input.moc"
