#include "app/cli/CommandLine.h"
#include "app/cli/RenderCommand.h"
#include "app/sound/SoundOutput.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace vlnokres;

// The command line read in-process: what each option hands the window and the render
// commands, what is refused as misplaced or out of range, and a sound file that would be silent.
class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void refuses_data();
    void refuses();
    void handsOnWhatWasGiven();
    void examplesShowWhatTheyName_data();
    void examplesShowWhatTheyName();
    void silentVoiceIsNotWritten();
};

namespace {
std::variant<CommandLine, CommandLineError> parsed(QStringList arguments)
{
    arguments.prepend(QStringLiteral("vlnokres"));
    return parseCommandLine(arguments);
}
} // namespace

void TestCommandLine::refuses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    const QString forSound = QStringLiteral("platí jen pro okno nebo s volbou „--render“ do souboru .wav.");
    QTest::newRow("a voice for a picture") << QStringList{"--render", "x.png", "--sound", "sum"}
                                           << "Volba „--sound“ " + forSound;
    QTest::newRow("a tone for an animation") << QStringList{"--render", "x.gif", "--tone", "440"}
                                             << "Volba „--tone“ " + forSound;
    QTest::newRow("start with a file") << QStringList{"--render", "x.wav", "--start"}
                                       << "Volba „--start“ platí jen pro okno, ne s volbou „--render“.";
    QTest::newRow("tone too high") << QStringList{"--tone", "1760,5"} << "Základní tón musí být číslo od 55 do 1760 (Hz).";
    QTest::newRow("duration too short") << QStringList{"--render", "x.wav", "--duration", "0,09"}
                                        << "Délka zvuku musí být číslo od 0,1 do 60 (sekund).";
    QTest::newRow("scale too small") << QStringList{"--render", "x.png", "--scale", "0,2"}
                                     << "Měřítko musí být číslo od 0,25 do 8.";
    QTest::newRow("a voice's name begun") << QStringList{"--sound", "su"}
                                          << "Hlas „su“ neznám: volba „--sound“ bere off, first, second, sum nebo stereo.";
    QTest::newRow("a voice's name and more") << QStringList{"--sound", "summ"}
                                             << "Hlas „summ“ neznám: volba „--sound“ bere off, first, second, sum nebo stereo.";
    QTest::newRow("a span not offered") << QStringList{"--periods", "10"}
                                        << "Časovou osu „10“ neznám: volba „--periods“ bere 2, 20 nebo 100.";
    QTest::newRow("a span for a sound file")
        << QStringList{"--render", "x.wav", "--periods", "20"}
        << "Volba „--periods“ platí jen pro okno nebo s volbou „--render“ do obrázku.";
    QTest::newRow("a step beyond the longer axis") << QStringList{"--render", "x.png", "--periods", "20", "--step", "13001"}
                                                   << "Krok musí být celé číslo od 1 do 13000.";
    QTest::newRow("a palette's name begun") << QStringList{"--colours", "colour"}
                                            << "Barvy „colour“ neznám: volba „--colours“ bere standard, colour-blind nebo print.";
    const QString cursors = QStringLiteral(": volba „--cursors“ bere jeden nebo dva časy od 0 do 2,06 period první "
                                           "sinusoidy, oddělené dvojtečkou (0,62:0,87).");
    QTest::newRow("three cursors") << QStringList{"--cursors", "0,1:0,2:0,3"} << "Kurzory „0,1:0,2:0,3“ nelze použít" + cursors;
    QTest::newRow("a cursor past the graph") << QStringList{"--cursors", "2,07"} << "Kurzory „2,07“ nelze použít" + cursors;
    QTest::newRow("a cursor not a number") << QStringList{"--cursors", "nan:1"} << "Kurzory „nan:1“ nelze použít" + cursors;
    QTest::newRow("a page for a PNG") << QStringList{"--render", "x.png", "--page", "a4"}
                                      << "Volba „--page“ platí jen spolu s volbou „--render“ do souboru .pdf.";
    QTest::newRow("a page not offered") << QStringList{"--render", "x.pdf", "--page", "a3"}
                                        << "Stránku „a3“ neznám: volba „--page“ bere a4.";
    QTest::newRow("labels for a sound file") << QStringList{"--render", "x.wav", "--labels"}
                                             << "Volba „--labels“ platí jen pro okno nebo s volbou „--render“ do obrázku.";
    // What would do nothing where it is given.
    const QString rasters = QStringLiteral("platí jen spolu s volbou „--render“ do souboru .png nebo .gif.");
    QTest::newRow("a scale for a vector picture") << QStringList{"--render", "x.svg", "--scale", "2"} << "Volba „--scale“ " + rasters;
    QTest::newRow("a scale for a PDF") << QStringList{"--render", "x.pdf", "--scale", "2"} << "Volba „--scale“ " + rasters;
    const QString pictures = QStringLiteral("platí jen pro okno nebo s volbou „--render“ do obrázku.");
    QTest::newRow("readouts for a sound file") << QStringList{"--render", "x.wav", "--values"} << "Volba „--values“ " + pictures;
    QTest::newRow("colours for a sound file") << QStringList{"--render", "x.wav", "--colours", "print"}
                                              << "Volba „--colours“ " + pictures;
    const QString paced = QStringLiteral("platí jen pro okno nebo s volbou „--render“ do souboru .gif.");
    for (const char *file : {"x.png", "x.svg", "x.pdf", "x.wav"})
        QTest::newRow(qPrintable(QStringLiteral("a slowdown for %1").arg(QLatin1String(file))))
            << QStringList{"--render", file, "--slowdown", "2"} << "Volba „--slowdown“ " + paced;
    QTest::newRow("a long value cut short") << QStringList{"--colours", QString(10000, u'x')}
                                            << "Barvy „" + QString(40, u'x') + "…“ neznám: volba „--colours“ bere standard, colour-blind nebo print.";
}

void TestCommandLine::refuses()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const auto line = parsed(arguments);
    QVERIFY(std::holds_alternative<CommandLineError>(line));
    QCOMPARE(std::get<CommandLineError>(line).message, message);
}

// The values given win over an example's; the example's fill the rest; the window gets them
// all, and the readouts, and what a file is written with.
void TestCommandLine::handsOnWhatWasGiven()
{
    const auto line = parsed({"--preset", "druha-harmonicka", "--phase", "30", "--values", "--tone", "110"});
    QVERIFY(std::holds_alternative<CommandLine>(line));
    const CommandLine &l = std::get<CommandLine>(line);
    const SetUp &u = l.chosen.setUp;
    QCOMPARE(u.values, (SecondValues{0.5, 2, 30}));
    QCOMPARE(u.baseTone, 110.0);
    QCOMPARE(l.given, QStringList({"amplitude", "frequency", "phase", "periods", "perpendicular", "tone", "values"}));
    QVERIFY(u.readouts && !l.start && !u.voice);
    QCOMPARE(l.parameters.phaseDegrees, 30.0);
    QCOMPARE(l.action, CommandLine::Action::Window);

    const auto sound = parsed({"--render", "x.wav", "--sound", "first", "--tone", "1760", "--duration", "0,1"});
    QVERIFY(std::holds_alternative<CommandLine>(sound));
    const CommandLine &s = std::get<CommandLine>(sound);
    QCOMPARE(s.voice(), sound::Voice::First);
    QCOMPARE(s.chosen.setUp.baseTone, 1760.0);
    QCOMPARE(s.duration, 0.1);
    QCOMPARE(s.action, CommandLine::Action::RenderSound);
    // The last step of a longer axis is a step to show.
    const auto last = parsed({"--render", "x.png", "--periods", "20", "--step", "13000"});
    QCOMPARE(std::get<CommandLine>(last).step, 13000);

    // The lesson's tools, for the window and for a page as printed; cursors to hundredths.
    const auto lesson = parsed({"--render", "x.pdf", "--page", "A4", "--hide-sum", "--labels", "--cursors", "0.624:1,5",
                                "--colours", "print", "--periods", "20"});
    QVERIFY(std::holds_alternative<CommandLine>(lesson));
    const CommandLine &t = std::get<CommandLine>(lesson);
    QVERIFY(t.a4Page && t.chosen.setUp.sumHidden && t.chosen.setUp.labels);
    QCOMPARE(t.chosen.setUp.cursors, (std::vector<double>{0.62, 1.5}));
    QCOMPARE(t.chosen.setUp.colours, Colours::Print);

    // A file name whose bytes are no text would be written under another name.
    const char *const bytes[] = {"vlnokres", "--render", "x\xff.png"};
    QVERIFY(std::holds_alternative<CommandLineError>(argumentsOf(3, bytes)));
    QCOMPARE(std::get<QStringList>(argumentsOf(2, bytes)), QStringList({"vlnokres", "--render"}));
}

// Each example's values and the time graph's span it needs to show what it names; a span
// given wins over the example's.
void TestCommandLine::examplesShowWhatTheyName_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<double>("frequency");
    QTest::addColumn<int>("periods");
    const QList<std::tuple<const char *, double, int>> examples = {
        {"stejna-faze", 1, 2},      {"opacna-faze", 1, 2},         {"ctvrt-periody", 1, 2},
        {"zazneje", 1.1, 20},       {"zazneje-slysitelne", 1.02, 100}, {"druha-harmonicka", 2, 2},
        {"obdelnik", 3, 2}};
    for (const auto &[name, frequency, periods] : examples)
        QTest::newRow(name) << QStringList{"--preset", name} << frequency << periods;
    QTest::newRow("a span given wins") << QStringList{"--preset", "zazneje", "--periods", "2"} << 1.1 << 2;
}

void TestCommandLine::examplesShowWhatTheyName()
{
    QFETCH(QStringList, arguments);
    QFETCH(double, frequency);
    QFETCH(int, periods);
    const auto line = parsed(arguments);
    QVERIFY(std::holds_alternative<CommandLine>(line));
    const CommandLine &l = std::get<CommandLine>(line);
    QCOMPARE(l.parameters.frequency, frequency);
    QCOMPARE(l.chosen.setUp.axis.periods, periods);
    QVERIFY(l.given.contains(QStringLiteral("periods")));
    QCOMPARE(l.step, 1300 * periods / 2);
}

// A voice with nothing to hear is refused with status 2 and no file; a sum whose second tone
// is out of hearing is written, with its first alone.
void TestCommandLine::silentVoiceIsNotWritten()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("w.wav"));
    const auto second = parsed({"--render", path, "--sound", "second", "--frequency", "1000"});
    QCOMPARE(renderSound(std::get<CommandLine>(second)), 2);
    QVERIFY(!QFileInfo::exists(path));
    const auto sum = parsed({"--render", path, "--frequency", "1000"});
    QCOMPARE(renderSound(std::get<CommandLine>(sum)), 0);
    QVERIFY(QFileInfo(path).size() > 4 * 48000);
    // The two waves apart are two channels, in the file as on the output.
    QCOMPARE(renderSound(std::get<CommandLine>(parsed({"--render", path, "--sound", "stereo"}))), 0);
    QFile stereo(path);
    QVERIFY(stereo.open(QIODevice::ReadOnly));
    QCOMPARE(stereo.read(24).mid(22, 2), QByteArray("\x02\0", 2));
    QCOMPARE(wantedSoundFormat().channelCount(), 2);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
