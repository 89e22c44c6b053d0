#include "Desktop.h"

// The program as a user meets it on a real display: the window, the Start command drawing the
// axes, the amplitude limit's message, and "Konec" ending the program.
class TestE2EStart : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startDrawsTheAxesAndKonecEnds();
    void amplitudeAboveTheLimitIsRefused();
    void closeButtonEndsTheProgram();
    void lessonOpensFromTheCommandLine();

};

void TestE2EStart::startDrawsTheAxesAndKonecEnds()
{
    Desktop desktop;
    QVERIFY(desktop.start());
    QCOMPARE(desktop.screenshot().size(), QSize(792, 573));
    QVERIFY(desktop.waitForPixel({400, 150}, kGrey));
    // A dock matches the window to its desktop entry by the window's class.
    QFile entry(QStringLiteral(DESKTOP_ENTRY));
    QVERIFY(entry.open(QIODevice::ReadOnly));
    QVERIFY(entry.readAll().contains("\nStartupWMClass=" + desktop.windowClass().toLatin1() + '\n'));

    // Start draws the upper axis, the lower axis and the time-graph axis.
    desktop.click(place::kStart);
    QVERIFY(desktop.waitForPixel({400, 150}, kBlack));
    const QImage shot = desktop.screenshot();
    QCOMPARE(shot.pixel(700, 390), kBlack);
    QCOMPARE(shot.pixel(340, 500), kBlack);
    QCOMPARE(shot.pixel(200, 280), kGrey); // the instruction label is painted over

    // Konec ends the program, successfully.
    desktop.click(place::kKonec);
    QCOMPARE(desktop.waitForExit(), 0);
}

void TestE2EStart::amplitudeAboveTheLimitIsRefused()
{
    Desktop desktop;
    QVERIFY(desktop.start());
    desktop.retype(place::kAmplitude, QStringLiteral("1,6"));
    desktop.click(place::kStart);

    // The limit's message comes up, and nothing is drawn behind it.
    const QString message = desktop.findWindow(QStringLiteral("amplitudy"));
    QVERIFY(!message.isEmpty());
    QCOMPARE(desktop.screenshot().pixel(400, 150), kGrey);
    desktop.key(QStringLiteral("Return"), message);
    QTRY_VERIFY(!desktop.hasWindow(QStringLiteral("amplitudy")));
    QCOMPARE(desktop.screenshot().pixel(400, 150), kGrey);

    // A fitting amplitude then draws the scene.
    desktop.retype(place::kAmplitude, QStringLiteral("1,5"));
    desktop.click(place::kStart);
    QVERIFY(desktop.waitForPixel({400, 150}, kBlack));
}

void TestE2EStart::closeButtonEndsTheProgram()
{
    Desktop desktop;
    QVERIFY(desktop.start());
    desktop.requestClose();
    QCOMPARE(desktop.waitForExit(), 0);
}

// The file a file manager hands over opens at the scene asked for, its picture finished and no
// run started; the next scene's key moves on.
void TestE2EStart::lessonOpensFromTheCommandLine()
{
    Desktop desktop;
    QVERIFY(desktop.startWindowManager());
    QVERIFY(desktop.start({}, {QStringLiteral(LESSON_FILE), "--scene", "3"}, QStringLiteral("3 z 7")));
    QTRY_COMPARE(desktop.windowTitle(), QStringLiteral("Scéna 3 z 7 – Opačná fáze"));
    QVERIFY(desktop.waitForPixel({400, 150}, kBlack));
    desktop.key(QStringLiteral("ctrl+Next"), desktop.mainWindow());
    QTRY_COMPARE(desktop.windowTitle(), QStringLiteral("Scéna 4 z 7 – Čtvrt periody"));
}

QTEST_MAIN(TestE2EStart)
#include "tst_e2e_start.moc"
