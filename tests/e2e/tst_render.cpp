#include <QDir>
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
    void worksheetHasAPageForEachScene();
    void unwritableFileIsNamedAndLeavesNothing_data();
    void unwritableFileIsNamedAndLeavesNothing();
    void readmePictureIsCurrent();

private:
    struct Result {
        int status;
        QString out;
        QString err;
    };
    Result run(const QStringList &arguments, const QString &lang = QStringLiteral("cs_CZ.UTF-8"),
               const QString &program = QStringLiteral(VLNOKRES_BINARY));
    QTemporaryDir m_dir;
};

TestRender::Result TestRender::run(const QStringList &arguments, const QString &lang, const QString &program)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // No display at all, and a Czech user.
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("LANG"), lang);
    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(m_dir.path());
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return {-1, {}, {}};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

void TestRender::writesEachFormat_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("pngSize");
    QTest::addColumn<QString>("lang");
    const QString czech = QStringLiteral("cs_CZ.UTF-8");
    QTest::newRow("PNG at twice the size") << QStringList{"--render", "a.png", "--amplitude", "0,8"} << "a.png"
                                           << QSize(1584, 1044) << czech;
    QTest::newRow("PNG at scale 1, C notation") << QStringList{"--render", "b.png", "--scale", "1", "--phase", "45.5"}
                                                << "b.png" << QSize(792, 522) << czech;
    QTest::newRow("SVG, zero amplitude") << QStringList{"--amplitude", "0", "--render", "c.svg"} << "c.svg" << QSize()
                                         << czech;
    QTest::newRow("PDF after step 650") << QStringList{"--render", "d.PDF", "--step", "650"} << "d.PDF" << QSize()
                                        << czech;
    // Scripts run under English and C locales: a decimal comma means the same there.
    QTest::newRow("decimal comma in English") << QStringList{"--render", "e.png", "--amplitude", "0,8", "--scale", "0,5"}
                                              << "e.png" << QSize(396, 261) << "en_US.UTF-8";
    QTest::newRow("an example, its phase given") << QStringList{"--preset", "obdelnik", "--phase", "30", "--render", "h.svg"}
                                                 << "h.svg" << QSize() << czech;
    QTest::newRow("readouts and envelope") << QStringList{"--render", "i.pdf", "--values", "--step", "650"} << "i.pdf"
                                           << QSize() << czech;
    QTest::newRow("WAV of the second voice, no sound server")
        << QStringList{"--render", "g.wav", "--sound", "second", "--duration", "0,5", "--tone", "440"} << "g.wav"
        << QSize() << czech;
    QTest::newRow("GIF at scale 1, colour-blind") << QStringList{"--render", "j.gif", "--colours", "colour-blind"} << "j.gif"
                                                  << QSize(792, 522) << czech;
    QTest::newRow("decimal comma in C, toolkit options")
        << QStringList{"-style", "fusion", "--render", "f.png", "-reverse", "--platform", "xcb", "--amplitude", "0,8"}
        << "f.png" << QSize(1584, 1044) << "C.UTF-8";
}

void TestRender::writesEachFormat()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, file);
    QFETCH(QSize, pngSize);
    QFETCH(QString, lang);
    const Result result = run(arguments, lang);
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
    QTest::newRow("slowdown beyond 10") << QStringList{"--slowdown", "11", "--render", "x.gif"} << 2
                                        << "Zpomalení musí být celé číslo od 1 do 10." << true;
    QTest::newRow("slowdown not whole") << QStringList{"--slowdown", "2,5", "--render", "x.gif"} << 2
                                        << "Zpomalení musí být celé číslo od 1 do 10." << true;
    QTest::newRow("step zero") << QStringList{"--render", "x.png", "--step", "0"} << 2
                               << "Krok musí být celé číslo od 1 do 1300." << true;
    QTest::newRow("step beyond the run") << QStringList{"--render", "x.png", "--step", "1301"} << 2
                                         << "Krok musí být celé číslo od 1 do 1300." << true;
    QTest::newRow("unknown extension") << QStringList{"--render", "x.jpg"} << 2
                                       << "Soubor „x.jpg“ nemá příponu .png, .svg, .pdf, .gif ani .wav." << true;
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
    QTest::newRow("scale beyond 8") << QStringList{"--render", "x.png", "--scale", "8,5"} << 2
                                    << "Měřítko musí být číslo od 0,25 do 8." << true;
    QTest::newRow("step without render") << QStringList{"--step", "5"} << 2
                                         << "Volba „--step“ platí jen spolu s volbou „--render“ do obrázku." << true;
    QTest::newRow("scale without render") << QStringList{"--scale", "1"} << 2
                                          << "Volba „--scale“ platí jen spolu s volbou „--render“ do souboru .png nebo .gif." << true;
    QTest::newRow("a value for a switch") << QStringList{"--start=1"} << 2 << "Volba „--start“ nemá hodnotu." << true;
    QTest::newRow("a value for help") << QStringList{"--help=x"} << 2 << "Volba „--help“ nemá hodnotu." << true;
    QTest::newRow("sound file, sound off") << QStringList{"--render", "x.wav", "--sound", "off"} << 2
                                           << "Se zvukem vypnutým („--sound off“) nelze zapsat soubor .wav." << true;
    QTest::newRow("unknown voice") << QStringList{"--sound", "treti"} << 2
                                   << "Hlas „treti“ neznám: volba „--sound“ bere off, first, second, sum nebo stereo." << true;
    QTest::newRow("tone too low") << QStringList{"--tone", "50"} << 2
                                  << "Základní tón musí být číslo od 55 do 1760 (Hz)." << true;
    QTest::newRow("duration too long") << QStringList{"--render", "x.wav", "--duration", "61"} << 2
                                       << "Délka zvuku musí být číslo od 0,1 do 60 (sekund)." << true;
    QTest::newRow("duration of a picture") << QStringList{"--render", "x.png", "--duration", "2"} << 2
                                           << "Volba „--duration“ platí jen spolu s volbou „--render“ do souboru .wav."
                                           << true;
    QTest::newRow("sound file, values refused") << QStringList{"--render", "x.wav", "--amplitude", "2"} << 2
                                                << "Aplikace nedovoluje větší amplitudu než 1,5" << false;
    QTest::newRow("unknown palette") << QStringList{"--colours", "red"} << 2
                                     << "Barvy „red“ neznám: volba „--colours“ bere standard, colour-blind nebo print." << true;
    QTest::newRow("animation too large") << QStringList{"--render", "x.gif", "--scale", "3"} << 2
                                         << "Měřítko animace GIF musí být číslo od 0,25 do 2." << true;
    QTest::newRow("step of an animation") << QStringList{"--render", "x.gif", "--step", "5"} << 2
                                          << "Animace GIF ukazuje celý běh; volba „--step“ platí jen pro obrázek." << true;
    QTest::newRow("unknown example") << QStringList{"--preset", "ctvrt"} << 2
                                     << "Příklad „ctvrt“ neznám; příklady jsou: stejna-faze, opacna-faze, ctvrt-periody, "
                                        "zazneje, zazneje-slysitelne, druha-harmonicka, obdelnik, kruznice, usecka, elipsa, pomer-1-2, pomer-2-3." << true;
    QTest::newRow("a lesson into a PNG") << QStringList{"--render", "x.png", "a.vlnokres"} << 2
                                         << "Lekci lze otevřít v okně, nebo s volbou „--render“ zapsat jako pracovní list do souboru .pdf."
                                         << true;
    QTest::newRow("a scene without a lesson") << QStringList{"--scene", "2"} << 2
                                              << "Volba „--scene“ platí jen s lekcí (vlnokres LEKCE.vlnokres)." << true;
    QTest::newRow("a worksheet of no lesson") << QStringList{"--render", "x.pdf", "none.vlnokres"} << 2
                                              << "Lekci „none.vlnokres“ nelze otevřít: soubor neexistuje." << false;
    QTest::newRow("groups on the command line") << QStringList{"--render", "x.png", "--phase", "1.000.000"} << 2
                                                << "Fázový posun musí být číslo." << false;
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
    QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("x.wav"))));
    QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("x.pdf"))));
}

// A worksheet has a page for each scene; the sums, hidden for the pupils to sketch, are there
// in the answers, which are the darker pages.
void TestRender::worksheetHasAPageForEachScene()
{
    for (const char *answers : {"", "--answers"}) {
        QStringList arguments{"--render", "sheet.pdf", QStringLiteral(LESSON_FILE)};
        if (*answers)
            arguments << QLatin1String(answers);
        QCOMPARE(run(arguments).status, 0);
        QCOMPARE(QProcess::execute(QStringLiteral(PDFTOPPM), {"-r", "30", "-png", m_dir.filePath("sheet.pdf"),
                                                               m_dir.filePath(*answers ? "answer" : "sheet")}),
                 0);
    }
    const QStringList sheets = QDir(m_dir.path()).entryList({"sheet-*.png"});
    QCOMPARE(sheets.size(), 7);
    QCOMPARE(QDir(m_dir.path()).entryList({"answer-*.png"}).size(), 7);
    const auto darkPixels = [this](const QString &file) {
        const QImage page(m_dir.filePath(file));
        qsizetype dark = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                dark += qGray(page.pixel(x, y)) < 64;
        return dark;
    };
    // The first scene: two equal waves, and their sum of twice the height only in the answers.
    QVERIFY(darkPixels("answer-1.png") > darkPixels("sheet-1.png") + 100);
}

void TestRender::helpAndVersion()
{
    const Result help = run({QStringLiteral("--help")});
    QCOMPARE(help.status, 0);
    for (const char *option : {"--amplitude", "--frequency", "--phase", "--slowdown", "--start", "--render", "--step",
                               "--scale", "--sound", "--tone", "--duration", "--version"})
        QVERIFY2(help.out.contains(QString::fromLatin1(option)), option);
    QVERIFY(help.out.startsWith(QStringLiteral("Použití: vlnokres")));
    const Result version = run({QStringLiteral("--version")});
    QCOMPARE(version.status, 0);
    QVERIFY(version.out.startsWith(QStringLiteral("vlnokres ")));
}

void TestRender::unwritableFileIsNamedAndLeavesNothing_data()
{
    QTest::addColumn<QString>("mount"); // tmpfs options for a disk of the test's own, or none
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing folder") << "" << "missing/folder/y.svg" << "složka %1/missing/folder neexistuje";
    QTest::newRow("full disk") << "size=4k" << "disk/y.png" << "disk je plný";
    QTest::newRow("full disk, an animation") << "size=16k" << "disk/y.gif" << "disk je plný";
    QTest::newRow("read-only disk") << "ro" << "disk/y.png" << "systém souborů je jen pro čtení";
}

// The reason is told in Czech, and nothing is left behind. A full or read-only disk is a small
// file system mounted for the program alone, in a namespace of its own.
void TestRender::unwritableFileIsNamedAndLeavesNothing()
{
    QFETCH(QString, mount);
    QFETCH(QString, file);
    QFETCH(QString, reason);
    const QString path = m_dir.filePath(file);
    Result result;
    if (mount.isEmpty()) {
        result = run({QStringLiteral("--render"), path});
    } else {
        QVERIFY(QDir(m_dir.path()).mkpath(QFileInfo(path).path()));
        result = run({"--map-root-user", "--mount", "sh", "-c",
                      "mount -t tmpfs -o \"$2\" vlnokres-test \"$(dirname \"$0\")\" || exit 77; exec \"$1\" --render \"$0\"",
                      path, VLNOKRES_BINARY, mount},
                     QStringLiteral("cs_CZ.UTF-8"), QStringLiteral("unshare"));
        if (result.status == 77 || result.status == -1 || result.err.startsWith(QStringLiteral("unshare")))
            QSKIP("No mount namespace can be made here");
    }
    QCOMPARE(result.status, 1);
    const QString what = path.endsWith(u".gif") ? QStringLiteral("Animaci") : QStringLiteral("Obrázek");
    const QString said = QStringLiteral("%1 „%2“ nelze uložit: %3.\n").arg(what, path, QString(reason).replace(QStringLiteral("%1"), m_dir.path()));
    QCOMPARE(result.err, said);
    QVERIFY(!QFileInfo::exists(path));
}

// The README shows a picture made by the program itself; made again now it must be the same,
// pixel for pixel, but for the anti-aliased edges of the text (the caption and the "+"), where
// another version of a font sets them a little differently: there only ink must stand where
// ink stood.
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
    const QRect text[] = {QRect(4, 2, 440, 22), QRect(312, 85, 26, 31)}; // caption, "+" box
    constexpr QRgb kGrey = 0xFFC0C0C0;
    QStringList differing;
    for (int y = 0; y < now.height(); ++y)
        for (int x = 0; x < now.width(); ++x) {
            const bool inText = text[0].contains(x, y) || text[1].contains(x, y);
            const bool same = inText ? (now.pixel(x, y) == kGrey) == (shown.pixel(x, y) == kGrey)
                                     : now.pixel(x, y) == shown.pixel(x, y);
            if (!same)
                differing << QStringLiteral("%1,%2").arg(x).arg(y);
        }
    QVERIFY2(differing.isEmpty(), qPrintable(differing.mid(0, 10).join(u' ') + QStringLiteral(" of %1").arg(differing.size())));
}

QTEST_GUILESS_MAIN(TestRender)
#include "tst_render.moc"
