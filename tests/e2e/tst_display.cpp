#include <QProcess>
#include <QTest>

// Where there is no display to show the window on, the program says so in one Czech
// sentence and ends with status 1, instead of the toolkit's abort.
class TestDisplay : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void withoutADisplayTheProgramSaysSo_data();
    void withoutADisplayTheProgramSaysSo();
    void platformNamedOnTheCommandLineIsUsed();
};

void TestDisplay::withoutADisplayTheProgramSaysSo_data()
{
    QTest::addColumn<QString>("variable");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("sentence");
    const QString none = QStringLiteral("Vlnokres potřebuje grafické prostředí, ale proměnné DISPLAY ani "
                                        "WAYLAND_DISPLAY nejsou nastaveny.\n");
    QTest::newRow("none named") << "" << "" << none;
    QTest::newRow("an X server that is not there")
        << "DISPLAY" << ":97" << "Vlnokres se nemůže připojit ke grafickému prostředí (DISPLAY=:97).\n";
    QTest::newRow("a Wayland name and no compositor")
        << "WAYLAND_DISPLAY" << "wayland-97"
        << "Vlnokres se nemůže připojit ke grafickému prostředí (WAYLAND_DISPLAY=wayland-97).\n";
}

void TestDisplay::withoutADisplayTheProgramSaysSo()
{
    QFETCH(QString, variable);
    QFETCH(QString, value);
    QFETCH(QString, sentence);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
        env.remove(QString::fromLatin1(name));
    if (!variable.isEmpty())
        env.insert(variable, value);
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(VLNOKRES_BINARY), {});
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    QCOMPARE(QString::fromUtf8(program.readAllStandardError()), sentence);
}

// The toolkit's "-platform offscreen" needs no display: the window is made there and stays.
void TestDisplay::platformNamedOnTheCommandLineIsUsed()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(VLNOKRES_BINARY), {"-platform", "offscreen", "--start"});
    QVERIFY(!program.waitForFinished(1500));
    program.kill();
    program.waitForFinished();
}

QTEST_GUILESS_MAIN(TestDisplay)
#include "tst_display.moc"
