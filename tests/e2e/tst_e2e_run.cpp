#include "Desktop.h"

// A run as a user lives it: input given during a run waits and then takes effect in order,
// and closing the window during a run ends the program at once.
class TestE2ERun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startAndTypingDuringARunTakeEffectAfterIt();
    void startThenKonecDuringARunEndAfterTheNextRun();
    void closeDuringARunEndsTheProgramPromptly();

};

namespace {

// The highest row of a black dot: about 335 for the start-up values, 320 with amplitude 1.
int tracePeak(const QImage &shot)
{
    for (int y = 230; y < 389; ++y)
        for (int x = 343; x <= 760; ++x)
            if (shot.pixel(x, y) == kBlack)
                return y;
    return 1000;
}

// Starts the program, slows the pace to 2 (5.2 s a run) and starts a run.
bool startSlowRun(Desktop &desktop)
{
    if (!desktop.start())
        return false;
    desktop.click(place::kSlowerArrow);
    desktop.click(place::kStart);
    return desktop.waitForPixel({400, 150}, kBlack);
}

} // namespace

void TestE2ERun::startAndTypingDuringARunTakeEffectAfterIt()
{
    Desktop desktop;
    QVERIFY(startSlowRun(desktop));

    desktop.retype(place::kAmplitude, QStringLiteral("1"));
    desktop.click(place::kStart);
    // The run goes on undisturbed: neither the new amplitude nor a new run shows yet.
    QVERIFY(desktop.waitFor([](const QImage &shot) { return traceEnd(shot) > 420; }));
    QVERIFY(tracePeak(desktop.screenshot()) > 326);

    // Then exactly one more run, with the amplitude typed meanwhile.
    QVERIFY(desktop.waitFor([](const QImage &shot) { return finished(shot) && tracePeak(shot) < 326; }, 20000));
    const QDeadlineTimer calm(1500);
    while (!calm.hasExpired()) {
        QVERIFY(finished(desktop.screenshot()));
        QTest::qWait(50);
    }
}

void TestE2ERun::startThenKonecDuringARunEndAfterTheNextRun()
{
    Desktop desktop;
    QVERIFY(startSlowRun(desktop));
    desktop.click(place::kStart);
    desktop.click(place::kKonec);

    // The first run reaches its end, the second starts from a cleared band, and only then
    // does the program end, successfully.
    QVERIFY(desktop.waitFor([](const QImage &shot) { return traceEnd(shot) > 700; }, 20000));
    QVERIFY(desktop.waitFor([](const QImage &shot) { return traceEnd(shot) < 450; }, 20000));
    QCOMPARE(desktop.waitForExit(), 0);
}

void TestE2ERun::closeDuringARunEndsTheProgramPromptly()
{
    Desktop desktop;
    QVERIFY(startSlowRun(desktop));
    desktop.click(place::kStart); // held, and dropped with the closed window
    desktop.requestClose();
    QCOMPARE(desktop.waitForExit(1000), 0);
}

QTEST_MAIN(TestE2ERun)
#include "tst_e2e_run.moc"
