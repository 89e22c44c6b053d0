#include "TestWindow.h"
#include "app/lesson/Lesson.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMimeData>
#include <QUrl>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace vlnokres;

// Lessons as a teacher writes them and the window shows them: the file's every key read back
// as written, each way a file is refused or read in part, and the window opening a lesson and
// moving through it, adding and removing scenes.
class TestLessonFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("cs_CZ"))); }
    void everyKeyIsReadBackAsWritten();
    void badFilesAreRefusedOrReadInPart_data();
    void badFilesAreRefusedOrReadInPart();
    void onlyRegularFilesOfALessonsSizeAreOpened();
    void aFailedSaveSaysWhyAndLeavesTheFile();
    void theWindowMovesThroughALesson();
};

namespace {

QByteArray lessonWith(const QJsonArray &scenes, int version = 1)
{
    return QJsonDocument(QJsonObject{{"format", "vlnokres-lesson"}, {"version", version}, {"title", "T"}, {"scenes", scenes}})
        .toJson();
}

const QJsonObject kPlainScene{{"amplitude", 0.5}};

} // namespace

void TestLessonFile::everyKeyIsReadBackAsWritten()
{
    LessonScene scene;
    SetUp &s = scene.setUp;
    s.values = {0.1 + 0.2, -3.25, 45.5};
    s.slowdown = 7;
    s.axis = {20};
    s.colours = Colours::Print;
    s.sumHidden = s.labels = s.readouts = true;
    s.cursors = {0.62, 12.5};
    s.voice = sound::Voice::Stereo;
    s.baseTone = 440;
    scene.title = QStringLiteral("Zázněje");
    scene.question = QStringLiteral("Co uslyšíte?");
    scene.unknown = QJsonObject{{"drawing", "later"}};
    Lesson lesson{QStringLiteral("Skládání kmitů"), {scene, LessonScene{}}, QJsonObject{{"author", "M. K."}}};

    const QByteArray bytes = lessonJson(lesson);
    // A number is written as the decimal it means, not rounded.
    QVERIFY(bytes.contains("0.30000000000000004"));
    const auto read = parseLesson(bytes, "x.vlnokres");
    QVERIFY(std::holds_alternative<LessonRead>(read));
    const LessonRead &back = std::get<LessonRead>(read);
    QVERIFY2(back.leftOut.isEmpty(), qPrintable(back.leftOut.join(u'\n')));
    QCOMPARE(back.lesson.title, lesson.title);
    QCOMPARE(back.lesson.scenes.size(), std::size_t(2));
    QVERIFY(back.lesson.scenes[0].setUp == s);
    QVERIFY(back.lesson.scenes[1].setUp == SetUp{});
    QCOMPARE(back.lesson.scenes[0].title, scene.title);
    QCOMPARE(back.lesson.scenes[0].question, scene.question);
    // What a newer program wrote is written again as it was.
    QCOMPARE(back.lesson.unknown, lesson.unknown);
    QCOMPARE(back.lesson.scenes[0].unknown, scene.unknown);
    QCOMPARE(lessonJson(back.lesson), bytes);
}

void TestLessonFile::badFilesAreRefusedOrReadInPart_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("said");  // in the refusal, or in the first sentence of what was left out
    QTest::addColumn<int>("scenes");   // read; 0: refused
    const QByteArray whole = lessonWith({kPlainScene, kPlainScene});
    QJsonArray many;
    for (int i = 0; i < 10000; ++i)
        many.append(kPlainScene);
    QTest::newRow("not JSON") << QByteArray("Skládání kmitů") << "soubor JSON je poškozený u znaku" << 0;
    QTest::newRow("truncated") << whole.left(whole.size() / 2) << "soubor JSON je poškozený" << 0;
    QTest::newRow("binary") << QByteArray("\x00\xff\xfe\x01", 4) << "soubor JSON je poškozený" << 0;
    QTest::newRow("another JSON") << QByteArray(R"({"scenes": []})") << "není to lekce programu Vlnokres" << 0;
    QTest::newRow("a newer format") << lessonWith({kPlainScene}, 2) << "novější verze programu (formát 2" << 0;
    QTest::newRow("no version") << QByteArray(R"({"format": "vlnokres-lesson", "scenes": []})") << "neudává verzi" << 0;
    QTest::newRow("no scene") << lessonWith({}) << "nemá žádnou scénu" << 0;
    QTest::newRow("only a refused value") << lessonWith({QJsonObject{{"amplitude", 2}}})
                                           << "Scéna 1: Aplikace nedovoluje větší amplitudu než 1,5" << 0;
    QTest::newRow("a refused value beside a good one")
        << lessonWith({kPlainScene, QJsonObject{{"amplitude", 2}}}) << "Scéna 2: Aplikace nedovoluje" << 1;
    QTest::newRow("infinite frequency") << lessonWith({kPlainScene, QJsonObject{{"frequency", "1e400"}}})
                                        << "Scéna 2: Kmitočet je mimo rozsah" << 1;
    QTest::newRow("a value of the wrong kind") << lessonWith({kPlainScene, QJsonObject{{"amplitude", QJsonArray{1}}}})
                                               << "Scéna 2: hodnota „amplitude“ nemá správný druh" << 1;
    QTest::newRow("an unknown palette") << lessonWith({kPlainScene, QJsonObject{{"colours", "pink"}}})
                                        << "Scéna 2: Barvy „pink“ neznám" << 1;
    QTest::newRow("a scene that is no object") << lessonWith({kPlainScene, 3}) << "Scéna 2 není scéna" << 1;
    QTest::newRow("a question too long") << lessonWith({QJsonObject{{"question", QString(10000, u'?')}}})
                                         << "Scéna 1: text delší než 500 znaků je zkrácen" << 1;
    QTest::newRow("ten thousand scenes") << lessonWith(many) << "Scény od 201. dál jsou vynechány" << 200;
}

void TestLessonFile::badFilesAreRefusedOrReadInPart()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, said);
    QFETCH(int, scenes);
    const auto read = parseLesson(bytes, "/home/učitel/lekce.vlnokres");
    if (scenes == 0) {
        QVERIFY(std::holds_alternative<QString>(read));
        const QString refusal = std::get<QString>(read);
        QVERIFY2(refusal.startsWith(QStringLiteral("Lekci „lekce.vlnokres“ nelze otevřít: ")), qPrintable(refusal));
        QVERIFY2(refusal.contains(said), qPrintable(refusal));
        return;
    }
    QVERIFY(std::holds_alternative<LessonRead>(read));
    const LessonRead &lesson = std::get<LessonRead>(read);
    QCOMPARE(int(lesson.lesson.scenes.size()), scenes);
    QVERIFY(!lesson.leftOut.isEmpty());
    QVERIFY2(lesson.leftOut.first().contains(said), qPrintable(lesson.leftOut.first()));
}

void TestLessonFile::onlyRegularFilesOfALessonsSizeAreOpened()
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("pipe.vlnokres");
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QFile big(dir.filePath("big.vlnokres"));
    QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(100 << 20));
    big.close();
    for (const auto &[path, reason] : {std::pair{fifo, "není to obyčejný soubor"}, {dir.path(), "je to složka"},
                                       {dir.filePath("none.vlnokres"), "soubor neexistuje"},
                                       {big.fileName(), "příliš velký (nejvýš 4 MB)"}}) {
        const auto read = readLessonFile(path);
        QVERIFY(std::holds_alternative<QString>(read));
        QVERIFY2(std::get<QString>(read).contains(QString::fromUtf8(reason)), qPrintable(std::get<QString>(read)));
    }
}

void TestLessonFile::aFailedSaveSaysWhyAndLeavesTheFile()
{
    QTemporaryDir dir;
    const Lesson lesson{QStringLiteral("L"), {LessonScene{}}, {}};
    QCOMPARE(saveLessonFile(dir.path(), lesson), QStringLiteral("Lekci „%1“ nelze uložit: je to složka.").arg(QFileInfo(dir.path()).fileName()));
    const QString path = dir.filePath("l.vlnokres");
    QCOMPARE(saveLessonFile(path, lesson), QString());
    const QString missing = dir.filePath("none/l.vlnokres");
    QVERIFY2(saveLessonFile(missing, lesson).contains(QStringLiteral("neexistuje")), qPrintable(saveLessonFile(missing, lesson)));
    QVERIFY(std::holds_alternative<LessonRead>(readLessonFile(path)));
}

// Opening, next, previous, add and remove, each with the title, the boxes and the question it
// leaves; a bad file keeps the lesson shown; a move during a run waits for its end.
void TestLessonFile::theWindowMovesThroughALesson()
{
    TestWindow w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    QTemporaryDir dir;
    const QString bad = dir.filePath("bad.vlnokres");
    QFile file(bad);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("{") == 1);
    file.close();
    LessonCommands &lessons = w.window.lessons();
    struct Row {
        std::function<void()> act;
        QString title;
        QString frequency;
        qsizetype refusals;
    };
    const std::vector<Row> rows = {
        {[&] { lessons.open(":/lessons/skladani-kmitu.vlnokres"); }, "Scéna 1 z 7 – Stejná fáze", "1", 0},
        {[&] { w.trigger("Další scéna"); }, "Scéna 2 z 7 – Stejná fáze – řešení", "1", 0},
        {[&] { w.trigger("Další scéna"), w.trigger("Další scéna"), w.trigger("Další scéna"); }, "Scéna 5 z 7 – Zázněje", "1,1", 0},
        {[&] { w.trigger("Předchozí scéna"); }, "Scéna 4 z 7 – Čtvrt periody", "1", 0},
        {[&] { lessons.open(bad); }, "Scéna 4 z 7 – Čtvrt periody", "1", 1},
        {[&] { w.box(names::kFrequency)->setText("3"), lessons.addScene("Třetí harmonická", "Kolik vrcholů?"); },
         "Scéna 5 z 8 – Třetí harmonická", "3", 1},
        {[&] { w.trigger("Další scéna"); }, "Scéna 6 z 8 – Zázněje", "1,1", 1},
        {[&] { w.trigger("Odebrat scénu"); }, "Scéna 6 z 7 – Zázněje slyšet", "1,02", 1},
        {[&] { lessons.showScene(1); }, "Scéna 1 z 7 – Stejná fáze", "1", 1},
    };
    for (const Row &row : rows) {
        row.act();
        QCoreApplication::processEvents();
        QCOMPARE(w.window.windowTitle(), row.title);
        QCOMPARE(w.box(names::kFrequency)->text(), row.frequency);
        QCOMPARE(w.refusals.size(), row.refusals);
    }
    QVERIFY(w.refusals.first().contains(QStringLiteral("„bad.vlnokres“ nelze otevřít")));
    // A scene with the sound on sets the voice, and plays nothing until asked.
    QVERIFY2(w.sounds.isEmpty(), qPrintable(w.sounds.join(u'\n')));
    QCOMPARE(lessons.question(), QStringLiteral("Dvě stejné vlny ve stejné fázi: jak bude vypadat jejich součet? Nakreslete ho."));
    QVERIFY(w.window.drawingArea().accessibleDescription().contains(lessons.question()));
    QVERIFY(w.window.surface().hasScene());
    QVERIFY(!w.window.isRunning());

    // Saved, and dropped on the window, the file opens at its first scene.
    const QString saved = dir.filePath("moje");
    QVERIFY(lessons.saveAs(saved));
    QCOMPARE(lessons.path(), saved + QStringLiteral(".vlnokres"));
    lessons.showScene(3);
    QMimeData dropped;
    dropped.setUrls({QUrl::fromLocalFile(lessons.path())});
    QDragEnterEvent enter(QPoint(400, 300), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w.window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(400, 300), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w.window, &drop);
    QTRY_COMPARE(w.window.windowTitle(), QStringLiteral("Scéna 1 z 7 – Stejná fáze"));

    // During a run, the next scene waits for its end.
    w.pacer->atStep = [&](int step) {
        if (step == 10)
            w.trigger("Další scéna");
        if (step == 20)
            QCOMPARE(w.window.windowTitle(), QStringLiteral("Scéna 1 z 7 – Stejná fáze"));
    };
    w.clickStart();
    QCOMPARE(w.window.windowTitle(), QStringLiteral("Scéna 2 z 7 – Stejná fáze – řešení"));
}

QTEST_MAIN(TestLessonFile)
#include "tst_lessonfile.moc"
