#include "Desktop.h"

#include <QClipboard>
#include <QMimeData>
#include <QTemporaryDir>

#include <cmath>

// The picture from the window: copied to the clipboard, saved when asked for during a run (after
// the run, with its final picture), and a failed save told and leaving nothing.
class TestE2EPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void copyPutsThePictureOnTheClipboard();
    void saveAskedDuringARunSavesTheFinalPicture();
    void saveIntoAMissingFolderSaysSoAndLeavesNothing();
};

namespace {


// The first wave's dot of step t in a picture of the given scale, where no other trace is near.
std::optional<QPoint> greenDot(int t, double scale)
{
    const double a = t / 100.0, y1 = 50 * std::sin(a), y2 = 25 * std::sin(90 * 0.0175 + a);
    if (std::abs(y1 - y2) < 6 || std::abs(y2) < 6 || std::abs(y1) < 4)
        return std::nullopt;
    return QPoint(int((340 + 31.4 * a) * scale), int((390.5 - y1 - 51) * scale));
}

bool holdsTheWholeRun(const QImage &picture)
{
    int found = 0, looked = 0;
    for (int t = 1000; t <= 1300; t += 7)
        if (const auto dot = greenDot(t, 2)) {
            ++looked;
            found += picture.valid(*dot) && picture.pixel(*dot) == kGreen;
        }
    return looked > 5 && found == looked;
}

// Ctrl+S, then the file's path typed into the dialog that comes.
bool saveAs(Desktop &desktop, const QString &path)
{
    const QString dialog = desktop.findWindow(QStringLiteral("obr"), 15000);
    if (dialog.isEmpty())
        return false;
    Desktop::xdotool({"key", "--clearmodifiers", "ctrl+a"});
    Desktop::xdotool({"type", "--delay", "10", path});
    Desktop::xdotool({"key", "Return"});
    return true;
}

} // namespace

void TestE2EPictures::copyPutsThePictureOnTheClipboard()
{
    Desktop desktop;
    QVERIFY(desktop.startWindowManager());
    QVERIFY(desktop.start());
    desktop.click(place::kStart);
    QVERIFY(desktop.waitFor(finished));
    QGuiApplication::clipboard()->clear();
    desktop.key(QStringLiteral("ctrl+shift+c"), desktop.mainWindow());
    QTRY_VERIFY_WITH_TIMEOUT(QGuiApplication::clipboard()->mimeData()->hasImage(), 10000);
    const QImage copied = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(copied.size(), QSize(1584, 1044));
    QVERIFY(holdsTheWholeRun(copied));
    QVERIFY(QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("image/svg+xml")).startsWith("<?xml"));
}

void TestE2EPictures::saveAskedDuringARunSavesTheFinalPicture()
{
    QTemporaryDir dir;
    Desktop desktop;
    QVERIFY(desktop.startWindowManager());
    QVERIFY(desktop.start());
    desktop.click(place::kSlowerArrow); // a run of 5.2 s
    desktop.click(place::kStart);
    QVERIFY(desktop.waitFor([](const QImage &shot) { return traceEnd(shot) > 400; }));
    desktop.key(QStringLiteral("ctrl+s"), desktop.mainWindow());
    // The dialog waits for the run's end, as a click on Start would.
    QTest::qWait(1000);
    QVERIFY(!desktop.hasWindow(QStringLiteral("Uložit")));
    QVERIFY(!finished(desktop.screenshot()));
    const QString path = dir.filePath(QStringLiteral("konec-behu.png"));
    QVERIFY(saveAs(desktop, path));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(path), 10000);
    QVERIFY(holdsTheWholeRun(QImage(path).convertToFormat(QImage::Format_RGB32)));
}

void TestE2EPictures::saveIntoAMissingFolderSaysSoAndLeavesNothing()
{
    QTemporaryDir dir;
    Desktop desktop;
    QVERIFY(desktop.startWindowManager());
    QVERIFY(desktop.start());
    desktop.click(place::kStart);
    QVERIFY(desktop.waitFor(finished));
    desktop.key(QStringLiteral("ctrl+s"), desktop.mainWindow());
    const QString path = dir.filePath(QStringLiteral("smazana/obrazek.svg"));
    QVERIFY(saveAs(desktop, path));
    const QString message = desktop.findWindow(QStringLiteral("nelze"));
    QVERIFY(!message.isEmpty());
    desktop.key(QStringLiteral("Return"), message);
    QTRY_VERIFY(!desktop.hasWindow(QStringLiteral("nelze")));
    QVERIFY(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

QTEST_MAIN(TestE2EPictures)
#include "tst_e2e_pictures.moc"
