#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The program from the command line: pictures written without a window or a display, and every
// command line that cannot be used refused with a Czech sentence, its status, and no file.
class TestRender : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesEachFormat_data();
    void writesEachFormat();
    void refusesWhatCannotBeUsed_data();
    void refusesWhatCannotBeUsed();
    void helpAndVersion();
    void unwritableFileIsNamedAndLeavesNothing();
    void readmePictureIsCurrent();

private:
    struct Result {
        int status;
        QString out;
        QString err;
    };
    Result run(const QStringList &arguments);
    QTemporaryDir m_dir;
};

TestRender::Result TestRender::run(const QStringList &arguments)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // No display at all, and a Czech user.
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("LANG"), QStringLiteral("cs_CZ.UTF-8"));
    QProcess program;
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(m_dir.path());
    program.start(QStringLiteral(VLNOKRES_BINARY), arguments);
    if (!program.waitForFinished(30000) || program.exitStatus() != QProcess::NormalExit)
        return {-1, {}, {}};
    return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

void TestRender::writesEachFormat_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("pngSize");
    QTest::newRow("PNG at twice the size") << QStringList{"--render", "a.png", "--amplitude", "0,8"} << "a.png"
                                           << QSize(1584, 1044);
    QTest::newRow("PNG at scale 1, C notation") << QStringList{"--render", "b.png", "--scale", "1", "--phase", "45.5"}
                                                << "b.png" << QSize(792, 522);
    QTest::newRow("SVG, zero amplitude") << QStringList{"--amplitude", "0", "--render", "c.svg"} << "c.svg" << QSize();
    QTest::newRow("PDF after step 650") << QStringList{"--render", "d.PDF", "--step", "650"} << "d.PDF" << QSize();
}

void TestRender::writesEachFormat()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, file);
    QFETCH(QSize, pngSize);
    const Result result = run(arguments);
    QCOMPARE(result.err, QString());
    QCOMPARE(result.status, 0);
    const QFileInfo written(m_dir.filePath(file));
    QVERIFY(written.exists());
    QVERIFY(written.size() > 1000 && written.size() <= 2 * 1024 * 1024);
    if (pngSize.isValid())
        QCOMPARE(QImage(written.filePath()).size(), pngSize);
}

void TestRender::refusesWhatCannotBeUsed_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("firstLine");
    QTest::addColumn<bool>("usage");
    QTest::newRow("unknown option") << QStringList{"--render", "x.png", "--colour", "red"} << 2
                                    << "Neznámá volba „--colour“." << true;
    QTest::newRow("missing value") << QStringList{"--render", "x.png", "--amplitude"} << 2
                                   << "Volbě „--amplitude“ chybí hodnota." << true;
    QTest::newRow("slowdown beyond 10") << QStringList{"--slowdown", "11", "--render", "x.png"} << 2
                                        << "Zpomalení musí být celé číslo od 1 do 10." << true;
    QTest::newRow("slowdown not whole") << QStringList{"--slowdown", "2,5", "--render", "x.png"} << 2
                                        << "Zpomalení musí být celé číslo od 1 do 10." << true;
    QTest::newRow("step zero") << QStringList{"--render", "x.png", "--step", "0"} << 2
                               << "Krok musí být celé číslo od 1 do 1300." << true;
    QTest::newRow("step beyond the run") << QStringList{"--render", "x.png", "--step", "1301"} << 2
                                         << "Krok musí být celé číslo od 1 do 1300." << true;
    QTest::newRow("unknown extension") << QStringList{"--render", "x.jpg"} << 2
                                       << "Soubor „x.jpg“ nemá příponu .png, .svg ani .pdf." << true;
    QTest::newRow("a stray argument") << QStringList{"--render", "x.png", "more"} << 2
                                      << "Nečekaný argument „more“." << true;
    QTest::newRow("amplitude over the limit") << QStringList{"--render", "x.png", "--amplitude", "1,6"} << 2
                                              << "Aplikace nedovoluje větší amplitudu než 1,5" << false;
    QTest::newRow("amplitude not a number") << QStringList{"--render", "x.png", "--amplitude", "abc"} << 2
                                            << "Amplituda musí být číslo." << false;
    QTest::newRow("phase nan") << QStringList{"--render", "x.png", "--phase", "nan"} << 2
                               << "Fázový posun musí být číslo." << false;
    QTest::newRow("frequency too large") << QStringList{"--render", "x.png", "--frequency", "1e999"} << 2
                                         << "Kmitočet je mimo rozsah čísel, se kterými program počítá." << false;
}

void TestRender::refusesWhatCannotBeUsed()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, firstLine);
    QFETCH(bool, usage);
    const Result result = run(arguments);
    QCOMPARE(result.status, status);
    const QStringList lines = result.err.split(u'\n', Qt::SkipEmptyParts);
    QVERIFY(!lines.isEmpty());
    QCOMPARE(lines.first(), firstLine);
    QCOMPARE(lines.size() > 1 && lines.at(1).startsWith(QStringLiteral("Použití: vlnokres")), usage);
    QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("x.png"))));
    QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("x.jpg"))));
}

void TestRender::helpAndVersion()
{
    const Result help = run({QStringLiteral("--help")});
    QCOMPARE(help.status, 0);
    for (const char *option : {"--amplitude", "--frequency", "--phase", "--slowdown", "--start", "--render", "--step",
                               "--scale", "--version"})
        QVERIFY2(help.out.contains(QString::fromLatin1(option)), option);
    QVERIFY(help.out.startsWith(QStringLiteral("Použití: vlnokres")));
    const Result version = run({QStringLiteral("--version")});
    QCOMPARE(version.status, 0);
    QVERIFY(version.out.startsWith(QStringLiteral("vlnokres ")));
}

void TestRender::unwritableFileIsNamedAndLeavesNothing()
{
    const QString file = m_dir.filePath(QStringLiteral("missing/folder/y.svg"));
    const Result result = run({QStringLiteral("--render"), file});
    QCOMPARE(result.status, 1);
    QVERIFY2(result.err.contains(QStringLiteral("Obrázek „%1“ nelze uložit").arg(file)), qPrintable(result.err));
    QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("missing"))));
}

// The README shows a picture made by the program itself; made again now it must be the same,
// but for a few pixels of text where another version of a font sets it a little differently.
void TestRender::readmePictureIsCurrent()
{
    const Result result = run({QStringLiteral("--render"), QStringLiteral("readme.png"), QStringLiteral("--amplitude"),
                               QStringLiteral("0,8"), QStringLiteral("--frequency"), QStringLiteral("3"),
                               QStringLiteral("--phase"), QStringLiteral("45"), QStringLiteral("--scale"),
                               QStringLiteral("1")});
    QCOMPARE(result.status, 0);
    const QImage now = QImage(m_dir.filePath(QStringLiteral("readme.png"))).convertToFormat(QImage::Format_RGB32);
    const QImage shown = QImage(QStringLiteral(README_PICTURE)).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(now.size(), shown.size());
    int differing = 0;
    for (int y = 0; y < now.height(); ++y)
        for (int x = 0; x < now.width(); ++x)
            differing += now.pixel(x, y) != shown.pixel(x, y);
    QVERIFY2(differing <= now.width() * now.height() / 200, qPrintable(QString::number(differing)));
}

QTEST_GUILESS_MAIN(TestRender)
#include "tst_render.moc"
