#include "TestWindow.h"
#include "app/setup/SetUpOptions.h"
#include "app/window/Preferences.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace vlnokres;

Q_DECLARE_METATYPE(vlnokres::Preferences)

// What the program remembers between sessions, and what it never does.
class TestPreferences : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("cs_CZ"))); }
    void settingsFileGivesWhatItCanUse_data();
    void settingsFileGivesWhatItCanUse();
    void settingsFileKeepsOtherWindowsChoices();
    void windowKeepsItsViewButNeverTheValues();
    void fileDialogLeavesNoFileOfItsOwn();
};

namespace {

struct MemoryStore final : PreferenceStore {
    Preferences *kept;
    int *saves;
    MemoryStore(Preferences *kept, int *saves) : kept(kept), saves(saves) {}
    Preferences load() const override { return *kept; }
    void save(const Preferences &p, const QStringList &) override
    {
        *kept = p;
        ++*saves;
    }
};

Preferences preferences(double zoom, bool fullScreen, std::optional<sound::Voice> voice, double baseTone, bool readouts,
                        Colours colours, Language language, const QString &folder)
{
    Preferences p{zoom, fullScreen, {}, folder, {}};
    p.chosen.setUp.voice = voice;
    p.chosen.setUp.baseTone = baseTone;
    p.chosen.setUp.readouts = readouts;
    p.chosen.setUp.colours = colours;
    p.chosen.language = language;
    return p;
}

const Preferences kChanged =
    preferences(1.5625, true, sound::Voice::Second, 440, true, Colours::ColourBlind, Language::English, QStringLiteral("/tmp/ř"));

// Every key a settings file holds.
QStringList allKeys()
{
    QStringList keys{preferenceKeys::kZoom, preferenceKeys::kFullScreen, preferenceKeys::kSaveFolder};
    for (const SetUpOption &option : setUpOptions())
        if (option.settingsKey)
            keys << QLatin1String(option.settingsKey);
    return keys;
}

} // namespace

void TestPreferences::settingsFileGivesWhatItCanUse_data()
{
    QTest::addColumn<QByteArray>("content"); // of the file, or of a file where its folder should be
    QTest::addColumn<bool>("folderIsAFile");
    QTest::addColumn<qint64>("size"); // the file made that large, zeros after its content
    QTest::addColumn<Preferences>("expected");
    QTest::newRow("none yet") << QByteArray() << false << qint64(0) << Preferences{};
    QTest::newRow("as saved") << QByteArray("saved") << false << qint64(0) << kChanged;
    QTest::newRow("corrupt") << QByteArray("[view]\nzoom=nan\nfullScreen=maybe\ncolours=pink\n[sound]\nbaseTone=1e400\n"
                                           "voice=")
                                    + QByteArray(10000, '\xff')
                             << false << qint64(0) << Preferences{};
    QTest::newRow("half usable") << QByteArray("[view]\nzoom=0,8\nreadouts=true\n[sound]\nvoice=first\nbaseTone=20000\n")
                                 << false << qint64(0)
                                 << preferences(1, false, sound::Voice::First, 220, true, Colours::Standard, Language::Czech, {});
    QTest::newRow("folder is a file") << QByteArray("x") << true << qint64(0) << Preferences{};
    // Larger than any the program writes: read, a sparse file of gigabytes would stall the start.
    QTest::newRow("too large") << QByteArray("[view]\nreadouts=true\n") << false << qint64(2) * 1024 * 1024
                               << Preferences{};
}

// Whatever the file holds, and wherever it cannot be, the program gets preferences it can use.
void TestPreferences::settingsFileGivesWhatItCanUse()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, folderIsAFile);
    QFETCH(qint64, size);
    QFETCH(Preferences, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath(folderIsAFile ? QStringLiteral("config/vlnokres.conf") : QStringLiteral("vlnokres.conf"));
    QFile file(folderIsAFile ? dir.filePath(QStringLiteral("config")) : path);
    if (content == "saved")
        SettingsFile(path).save(kChanged, allKeys());
    else if (!content.isEmpty())
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && (!size || file.resize(size)));
    file.close();
    QCOMPARE(SettingsFile(path).load(), expected);
    if (folderIsAFile) {
        SettingsFile(path).save(kChanged, allKeys());
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList("config"));
    }
}

// Two windows with one settings file keep each other's choices: each writes only what its user
// chose, and a choice even where it equals what the window loaded, since the other's may have
// come between. Anything but a regular file where the file should be is left alone.
void TestPreferences::settingsFileKeepsOtherWindowsChoices()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vlnokres.conf"));
    SettingsFile one(path), other(path);
    Preferences mine = one.load(), theirs = other.load();
    mine.chosen.setUp.colours = Colours::ColourBlind;
    one.save(mine, {QStringLiteral("view/colours")});
    theirs.chosen.setUp.voice = sound::Voice::First;
    other.save(theirs, {QStringLiteral("sound/voice")});
    theirs.chosen.setUp.voice.reset(); // the sound off
    other.save(theirs, {QStringLiteral("sound/voice")});
    Preferences both;
    both.chosen.setUp.colours = Colours::ColourBlind;
    QCOMPARE(SettingsFile(path).load(), both);

    SetUpModel first, second;
    const ChoicesRemembered firstKept(first, std::make_unique<SettingsFile>(path));
    const ChoicesRemembered secondKept(second, std::make_unique<SettingsFile>(path));
    auto choose = [](SetUpModel &window, Colours colours) {
        window.change([colours](Chosen &c) { c.setUp.colours = colours; }, Origin::User, Aspect::Colours);
    };
    choose(second, Colours::Print);
    choose(first, Colours::Standard); // as the first window has it already
    QCOMPARE(SettingsFile(path).load().chosen.setUp.colours, Colours::Standard);
    // What the command line gives is not the user's choice; the user's is, and the other
    // window's next choice keeps it.
    const auto czechAfter = qScopeGuard([] { setLanguage(Language::Czech); });
    first.change([](Chosen &c) { c.language = Language::English; }, Origin::Session);
    QCOMPARE(SettingsFile(path).load().chosen.language, Language::Czech);
    second.change([](Chosen &c) { c.language = Language::English; }, Origin::User, Aspect::Language);
    choose(first, Colours::ColourBlind);
    QCOMPARE(SettingsFile(path).load().chosen.language, Language::English);
    QCOMPARE(SettingsFile(path).load().chosen.setUp.colours, Colours::ColourBlind);

    const QString fifo = dir.filePath(QStringLiteral("fifo.conf"));
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    SettingsFile pipe(fifo);
    QCOMPARE(pipe.load(), Preferences{});
    pipe.save(kChanged, allKeys());
    QVERIFY(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
}

// Restored preferences show at once; the command line's values and the boxes are never kept;
// a choice in the menu and the zoom the window is left at are.
void TestPreferences::windowKeepsItsViewButNeverTheValues()
{
    Preferences kept = kChanged;
    int saves = 0;
    const auto czechAfter = qScopeGuard([] { setLanguage(Language::Czech); });
    TestWindow w;
    QVERIFY(w.window.restore(std::make_unique<MemoryStore>(&kept, &saves)));
    QCOMPARE(w.window.surface().colours(), Colours::ColourBlind);
    QCOMPARE(w.window.soundCommands().voice(), std::optional(sound::Voice::Second));
    QCOMPARE(w.window.soundCommands().baseTone(), 440.0);
    QCOMPARE(w.window.pictureCommands().folder(), QStringLiteral("/tmp/ř"));
    // In the language kept, English, with its decimal point.
    QCOMPARE(w.box(names::kAmplitude)->text(), QStringLiteral("0.5"));
    QCOMPARE(w.startButton()->text(), QStringLiteral("Start"));
    QCOMPARE(w.find<QPushButton>(names::kExit)->text(), QStringLiteral("Quit"));

    const auto commandLine = parseCommandLine(
        {"vlnokres", "--amplitude", "0.7", "--sound", "first", "--tone", "110", "--colours", "standard", "--values"});
    w.apply(std::get<CommandLine>(commandLine));
    QVERIFY(w.showActive());
    QTest::keyClick(w.window.windowHandle(), Qt::Key_H, Qt::ControlModifier); // readouts off
    QTest::keyClick(w.window.windowHandle(), Qt::Key_0, Qt::ControlModifier); // original size
    w.window.close();
    QCOMPARE(saves, 2);
    QCOMPARE(kept, preferences(1, false, sound::Voice::Second, 440, false, Colours::ColourBlind, Language::English,
                               QStringLiteral("/tmp/ř")));
}

// The file dialog's history and view are the toolkit's to keep, in QtProject.conf; the
// program keeps its folder itself, and no second file appears.
void TestPreferences::fileDialogLeavesNoFileOfItsOwn()
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    keepNoToolkitSettings();
    {
        QFileDialog dialog(nullptr, QStringLiteral("Uložit obrázek"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.show();
        QTest::qWait(50);
    }
    const QStringList left = QDir(config.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    QVERIFY2(left.isEmpty(), qPrintable(left.join(u' ')));
}

QTEST_MAIN(TestPreferences)
#include "tst_preferences.moc"
