#include "TestWindow.h"
#include "app/language/NumberText.h"

#include <QAction>
#include <QMenu>

using namespace vlnokres;

// The sound as the window offers it: following the run, its voices and tones chosen during it, and
// the menu saying what cannot be heard.
class TestSoundCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("cs_CZ"))); }
    void soundFollowsTheRun();
    void soundMenuSaysWhatCannotBeHeard();
};

void TestSoundCommands::soundFollowsTheRun()
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

void TestSoundCommands::soundMenuSaysWhatCannotBeHeard()
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

QTEST_MAIN(TestSoundCommands)
#include "tst_soundcommands.moc"
