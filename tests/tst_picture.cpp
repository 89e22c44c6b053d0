#include "Colours.h"
#include "app/picture/AnimationGif.h"
#include "app/picture/PictureExport.h"
#include "app/picture/PictureFile.h"
#include "app/picture/ReadoutText.h"
#include "app/run/RasterPainter.h"
#include "core/Readouts.h"
#include "core/AnimationFrames.h"
#include "core/AnimationRun.h"
#include "core/Drawing.h"
#include "core/Picture.h"
#include "core/RunScene.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QPrinter>
#include <QTest>
#include <QXmlStreamReader>

#include <cmath>
#include <gif_lib.h>
#include <sys/stat.h>
#include <map>
#include <set>

using namespace vlnokres;

Q_DECLARE_METATYPE(vlnokres::Colours)

// The picture handed out to documents: what it leaves out of the drawing, and what the PNG,
// the SVG and the PDF show, the vector ones rendered by renderers that are not ours.
class TestPicture : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void erasedVectorsAreLeftOut();
    void longAxisKeepsWhatShows();
    void pngHoldsEveryTraceAtItsScale();
    void pictureAfterAStepHoldsOnlyTheTracesSoFar();
    void svgHoldsTheSameShapes();
    void perpendicularFigureIsDotsInThePlane();
    void vectorPicturesHaveCleanDiscs_data();
    void vectorPicturesHaveCleanDiscs();
    void formatFollowsTheExtension();
    void failedWriteLeavesNothing();
    void writesOnlyRegularFiles();
    void readoutsAreWordsInEveryPicture();
    void animationShowsTheRunInRealTime_data();
    void animationShowsTheRunInRealTime();
    void printsOnAnA4PageInLandscape();

private:
    DrawOps m_run; // a whole run at amplitude 0.8, frequency 3, phase 45
    QString m_caption;
};

namespace {
const SecondSinusoid kSecond{40, 3, 45};

DrawOps sceneUpTo(int step)
{
    Drawing drawing;
    drawAnimationUpTo(kSecond, step, drawing);
    return drawing.sceneOps();
}

// Scene coordinates of the dots of step t: the first wave's, the second's and the sum's.
struct Dots {
    double x, first, second, sum;
};
Dots dotsOf(int t)
{
    const double a = t / 100.0;
    const double y1 = 50 * std::sin(a), y2 = 40 * std::sin(45 * 0.0175 + 3 * a);
    return {340 + 31.4 * a, 390.5 - y1, 390.5 - y2, 390.5 - y1 - y2};
}

// A dot of the first wave that no other trace and not the axis comes near.
bool clearOfOthers(const Dots &d)
{
    return std::abs(d.first - d.second) > 6 && std::abs(d.first - d.sum) > 6 && std::abs(d.first - 390.5) > 4;
}

// The bounds of the dark pixels within the area: the "+".
QRect darkBounds(const QImage &image, const QRect &area)
{
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 60)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

QImage renderWith(const QString &tool, const QStringList &arguments, const QString &output)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QImage(output).convertToFormat(QImage::Format_RGB32);
}
} // namespace

void TestPicture::initTestCase()
{
    QLocale::setDefault(QLocale(QStringLiteral("cs_CZ")));
    m_run = sceneUpTo(1300);
    m_caption = pictureCaption({0.8, 3, 45});
    QCOMPARE(m_caption, QStringLiteral("Amplituda 0,8 · Kmitočet 3 · Fázový posun 45°"));
    // At most six significant digits: a value of three hundred would run off the picture.
    QCOMPARE(pictureCaption({-1e300, 1.23456789, 0.001}),
             QStringLiteral("Amplituda -1E+300 · Kmitočet 1,23457 · Fázový posun 0,001°"));
    // Czech words, Czech numbers, under every locale.
    QLocale::setDefault(QLocale::c());
    const QString underC = pictureCaption({0.8, 1.1, 45});
    QLocale::setDefault(QLocale(QStringLiteral("cs_CZ")));
    QCOMPARE(underC, QStringLiteral("Amplituda 0,8 · Kmitočet 1,1 · Fázový posun 45°"));
}

void TestPicture::erasedVectorsAreLeftOut()
{
    const DrawOps visible = picture::visibleOps(m_run);
    std::set<std::tuple<double, double, double, double>> places;
    int dots = 0;
    for (const DrawOp &op : visible) {
        if (const auto *line = std::get_if<Line>(&op)) {
            QVERIFY(line->ink != Ink::BackgroundGrey);
            // No line lies exactly over another: each was kept only where nothing covers it.
            QVERIFY(places.insert({line->from.x, line->from.y, line->to.x, line->to.y}).second);
        }
        dots += std::holds_alternative<Circle>(op);
    }
    QCOMPARE(dots, 3 * 1300);
    // Of the four vectors drawn each step only the last positions stay; the erasing lines
    // (white and light yellow) stay, as they make the swept discs.
    int coloured = 0;
    for (const DrawOp &op : visible)
        if (const auto *line = std::get_if<Line>(&op))
            coloured += line->ink == Ink::Green || line->ink == Ink::Red;
    QCOMPARE(coloured, 4);
}

// The beats at 100 periods: of some 450,000 operations only what adds a pixel stays in a
// vector picture (a few thousand of the swept discs' lines), which looks as the whole scene
// does, on the screen and on a page printed at 300 dpi.
void TestPicture::longAxisKeepsWhatShows()
{
    const TimeAxis axis{100};
    const DrawOps scene = RunScene{{1, 1.02, 0}, false, axis}.showing(axis.steps(), true);
    const DrawOps kept = picture::visibleOps(scene);
    const auto lines = std::ranges::count_if(kept, [](const DrawOp &op) { return std::holds_alternative<Line>(op); });
    QVERIFY2(lines < 10'000, qPrintable(QString::number(lines))); // of 260,000
    const auto painted = [](const DrawOps &ops, double ratio) {
        QImage image = blankScene(ratio);
        paintShared(image, ratio, QSize(scene::kClientWidth, scene::kClientHeight), 1, {}, ops);
        return image;
    };
    for (const double ratio : {1.0, 3.3}) {
        const QImage whole = painted(scene, ratio), shown = painted(kept, ratio);
        qsizetype differ = 0;
        for (int y = 0; y < whole.height(); ++y)
            for (int x = 0; x < whole.width(); ++x)
                differ += whole.pixel(x, y) != shown.pixel(x, y);
        QVERIFY2(differ <= whole.width() * whole.height() / 1000, qPrintable(QString::number(differ)));
    }
}

void TestPicture::pngHoldsEveryTraceAtItsScale()
{
    for (double scale : {2.0, 1.0}) {
        const QImage image = pictureImage(m_run, m_caption, scale).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(image.size(), QSize(std::lround(792 * scale), std::lround(522 * scale)));
        auto at = [scale](double x, double y) { return QPoint(int(x * scale), int((y - 51) * scale)); };
        QCOMPARE(image.pixel(at(600, 150.5)), kBlack);
        QCOMPARE(image.pixel(at(700, 390.5)), kBlack);
        QCOMPARE(image.pixel(at(340, 300)), kBlack);
        int checked = 0;
        for (int t = 1; t <= 1300; t += 9) {
            const Dots d = dotsOf(t);
            if (!clearOfOthers(d))
                continue;
            // Within a pixel of where the scene puts it: at scale 1 a dot is two or three wide.
            bool green = false;
            for (int dx = -1; dx <= 1; ++dx)
                for (int dy = -1; dy <= 1; ++dy)
                    green |= image.pixel(at(d.x, d.first) + QPoint(dx, dy)) == kGreen;
            QVERIFY2(green, qPrintable(QStringLiteral("t = %1").arg(t)));
            ++checked;
        }
        QVERIFY(checked > 60);
        // The caption's dark text in the top-left corner, and the "+" box's grey face.
        int dark = 0;
        for (int y = int((56 - 51) * scale); y < int((72 - 51) * scale); ++y)
            for (int x = int(8 * scale); x < int(200 * scale); ++x)
                dark += qGray(image.pixel(x, y)) < 100;
        QVERIFY2(dark > 40 * scale * scale, qPrintable(QString::number(dark)));
        QCOMPARE(image.pixel(at(316, 140)), kGrey);
    }
}

void TestPicture::pictureAfterAStepHoldsOnlyTheTracesSoFar()
{
    const QImage half = pictureImage(sceneUpTo(650), {}, 1).convertToFormat(QImage::Format_RGB32);
    auto blackIn = [&](int x) {
        for (int y = 235 - 51; y < 545 - 51; ++y)
            if (std::abs(y + 51 - 390.5) > 2 && half.pixel(x, y) == kBlack)
                return true;
        return false;
    };
    QVERIFY(blackIn(int(dotsOf(600).x)));
    QVERIFY(blackIn(int(dotsOf(649).x)));
    QVERIFY(!blackIn(int(dotsOf(660).x)));
    QVERIFY(!blackIn(int(dotsOf(1200).x)));
}

void TestPicture::svgHoldsTheSameShapes()
{
    QXmlStreamReader svg(pictureSvg(m_run, m_caption));
    int lines = 0;
    std::map<double, double> firstWave; // x → y of the green dots
    QString caption, green;
    while (!svg.atEnd()) {
        if (svg.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto attributes = svg.attributes();
        if (svg.name() == u"svg")
            QCOMPARE(attributes.value(QLatin1String("viewBox")).toString(), QStringLiteral("0 51 792 522"));
        lines += svg.name() == u"line";
        // A dot is a use of its colour's circle.
        if (svg.name() == u"circle" && attributes.value(QLatin1String("fill")) == u"#00c000")
            green = QStringLiteral("#") + attributes.value(QLatin1String("id")).toString();
        if (svg.name() == u"use" && attributes.value(QLatin1String("href")) == green)
            firstWave[attributes.value(QLatin1String("x")).toDouble()] = attributes.value(QLatin1String("y")).toDouble();
        if (svg.name() == u"text") {
            const QString text = svg.readElementText();
            if (text != u"+")
                caption = text;
        }
    }
    QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
    QCOMPARE(caption, m_caption);
    QCOMPARE(int(firstWave.size()), 1300);
    for (int t : {1, 400, 1300}) {
        const Dots d = dotsOf(t);
        const auto found = firstWave.lower_bound(d.x - 0.006);
        QVERIFY(found != firstWave.end() && std::abs(found->first - d.x) < 0.006);
        QVERIFY(std::abs(found->second - d.first) < 0.006);
    }
    QVERIFY(lines > 2600);
}

// At right angles the SVG holds the figure as the sum's dots, each where the first wave's
// height along x and the second's along y meet, and none of the sum on the time graph.
void TestPicture::perpendicularFigureIsDotsInThePlane()
{
    const Parameters crossed{1, 1.5, 90, false, true};
    QXmlStreamReader svg(pictureSvg(RunScene{crossed, false, {}}.showing(kSteps, true), PictureText(), Look(Colours::Print)));
    QString black;
    int figureDots = 0, graphDots = 0;
    while (!svg.atEnd()) {
        if (svg.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto at = svg.attributes();
        if (svg.name() == u"circle" && at.value(QLatin1String("fill")) == u"#000000")
            black = QStringLiteral("#") + at.value(QLatin1String("id")).toString();
        if (svg.name() != u"use")
            continue;
        const double x = at.value(QLatin1String("x")).toDouble(), y = at.value(QLatin1String("y")).toDouble();
        if (at.value(QLatin1String("href")) != black || black.isEmpty()) {
            graphDots += x > 330;
            continue;
        }
        // Step by step, in order: x = C1 + 50 · sin a, y = YL − 50 · sin(1,5 a + 90°).
        const double a = (figureDots + 1) / 100.0;
        QVERIFY2(std::abs(x - (170 + 50 * std::sin(a))) < 0.006 &&
                     std::abs(y - (390.5 - 50 * std::sin(1.5 * a + 90 * 0.0175))) < 0.006,
                 qPrintable(QStringLiteral("%1 %2").arg(x).arg(y)));
        ++figureDots;
    }
    QCOMPARE(figureDots, kSteps);
    QVERIFY(graphDots > 0 && graphDots <= 2 * kSteps);
}

void TestPicture::vectorPicturesHaveCleanDiscs_data()
{
    QTest::addColumn<QString>("format");
    QTest::newRow("SVG by rsvg-convert") << "svg";
    QTest::newRow("PDF by pdftoppm") << "pdf";
}

// Each step draws white and light yellow over the previous vectors. Rendered by a viewer that
// antialiases, no green or red may show in the discs they sweep, but where the last vectors lie.
void TestPicture::vectorPicturesHaveCleanDiscs()
{
    QFETCH(QString, format);
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("picture.") + format);
    QVERIFY(writeWhole(input, format == u"svg" ? pictureSvg(m_run, m_caption) : picturePdf(m_run, m_caption)).isEmpty());
    const QString output = dir.filePath(QStringLiteral("rendered.png"));
    const QImage image = format == u"svg"
        ? renderWith(QStringLiteral(RSVG_CONVERT), {QStringLiteral("-z"), QStringLiteral("2"), input, QStringLiteral("-o"), output}, output)
        : renderWith(QStringLiteral(PDFTOPPM), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("192"), QStringLiteral("-singlefile"), input, output.chopped(4)}, output);
    QVERIFY(!image.isNull());
    QVERIFY(std::abs(image.width() - 1584) <= 2);
    auto pixelAt = [&](double x, double y) { return image.pixel(int(x * 2), int((y - 51) * 2)); };

    // The "+" is as large as the PNG's, whatever fonts the renderer has.
    const QRect plusBox(312 * 2, (136 - 51) * 2, 25 * 2, 30 * 2);
    const QSize plus = darkBounds(image, plusBox).size();
    const QSize pngPlus = darkBounds(pictureImage(m_run, m_caption, 2), plusBox).size();
    QVERIFY2(std::abs(plus.width() - pngPlus.width()) <= 2 && std::abs(plus.height() - pngPlus.height()) <= 2,
             qPrintable(QStringLiteral("%1×%2, PNG %3×%4").arg(plus.width()).arg(plus.height()).arg(pngPlus.width()).arg(pngPlus.height())));

    // The upper first vector's white disc (radius 50) and the second's light-yellow one (40),
    // away from the axis and from the vectors' last positions.
    const double lastFirst = std::fmod(13.0, 2 * M_PI), lastSecond = std::fmod(45 * 0.0175 + 39.0, 2 * M_PI);
    int looked = 0;
    for (const auto &[cx, radius, last, expected] :
         {std::tuple{170.0, 50.0, lastFirst, QColor(0xFF, 0xFF, 0xFF)}, std::tuple{450.0, 40.0, lastSecond, QColor(0xFF, 0xFF, 0xC0)}}) {
        for (double angle = 0; angle < 2 * M_PI; angle += 0.02) {
            for (double r = 6; r < radius - 3; r += 2.5) {
                if (std::abs(r * std::sin(angle)) < 2.5)
                    continue; // the axis
                if (std::cos(angle - last) > 0 && std::abs(r * std::sin(angle - last)) < 3)
                    continue; // the vector at its last angle
                const QColor seen(pixelAt(cx + r * std::cos(angle), 150.5 - r * std::sin(angle)));
                const int off = std::abs(seen.red() - expected.red()) + std::abs(seen.green() - expected.green()) +
                                std::abs(seen.blue() - expected.blue());
                QVERIFY2(off < 24, qPrintable(QStringLiteral("%1 at %2,%3: %4").arg(format).arg(cx + r * std::cos(angle)).arg(150.5 - r * std::sin(angle)).arg(seen.name())));
                ++looked;
            }
        }
    }
    QVERIFY(looked > 3000);
    // And the traces are where the scene puts them, as in the PNG.
    int checked = 0;
    for (int t = 1; t <= 1300; t += 23) {
        const Dots d = dotsOf(t);
        if (!clearOfOthers(d))
            continue;
        const QColor seen(pixelAt(d.x, d.first));
        QVERIFY2(seen.green() > 150 && seen.red() < 90, qPrintable(QStringLiteral("t = %1: %2").arg(t).arg(seen.name())));
        ++checked;
    }
    QVERIFY(checked > 20);
}

void TestPicture::formatFollowsTheExtension()
{
    QCOMPARE(pictureFormatOf(QStringLiteral("a.png")), std::optional(PictureFormat::Png));
    QCOMPARE(pictureFormatOf(QStringLiteral("/x/Obrázek.SVG")), std::optional(PictureFormat::Svg));
    QCOMPARE(pictureFormatOf(QStringLiteral("b.pdf")), std::optional(PictureFormat::Pdf));
    QCOMPARE(pictureFormatOf(QStringLiteral("c.jpg")), std::nullopt);
    QCOMPARE(pictureFormatOf(QStringLiteral("png")), std::nullopt);
}

void TestPicture::failedWriteLeavesNothing()
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("gone/picture.png"));
    const QString reason = writeWhole(missing, "data");
    QVERIFY(reason.contains(QStringLiteral("neexistuje")));
    QVERIFY(!QFileInfo::exists(missing));
    // Too long for the system: said so, in Czech, not as a folder that does not exist.
    QCOMPARE(writeWhole(dir.filePath(QString(300, u'ř') + QStringLiteral(".png")), "data"),
             QStringLiteral("název je příliš dlouhý"));
    QCOMPARE(writeWhole(dir.filePath(QStringLiteral("a/").repeated(2100) + QStringLiteral("x.png")), "data"),
             QStringLiteral("cesta je příliš dlouhá"));
    // A file of the name that was there stays as it was when writing fails midway is not
    // something a test can cause here; a successful write replaces it whole.
    const QString existing = dir.filePath(QStringLiteral("picture.svg"));
    QVERIFY(writeWhole(existing, "old").isEmpty());
    QVERIFY(writeWhole(existing, "new").isEmpty());
    QFile file(existing);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("new"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({QStringLiteral("picture.svg")}));
}

// A folder, or a pipe (as a device) of the name, also through a link, is never replaced by a
// file; a link to a file writes the file and stays a link.
void TestPicture::writesOnlyRegularFiles()
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath("pipe.png"), folder = dir.filePath("folder.png"), linkedPipe = dir.filePath("linked-pipe.png"),
                  target = dir.filePath("target.png"), link = dir.filePath("link.png");
    QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QVERIFY(QDir(dir.path()).mkdir("folder.png"));
    QVERIFY(QFile::link(pipe, linkedPipe));
    QVERIFY(writeWhole(target, "old").isEmpty());
    QVERIFY(QFile::link(target, link));
    const std::pair<QString, QString> cases[] = {
        {pipe, "není to obyčejný soubor"}, {linkedPipe, "není to obyčejný soubor"}, {folder, "je to složka"}, {link, ""}};
    for (const auto &[path, reason] : cases)
        QCOMPARE(writeWhole(path, "new"), reason);
    QVERIFY(!QFileInfo(pipe).isFile() && QFileInfo(folder).isDir() && QFileInfo(link).isSymLink());
    QFile written(target);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), QByteArray("new"));
}

// The readouts in Czech notation with a true minus sign; in a vector picture they are text,
// and the envelope is drawn in mid-grey.
void TestPicture::readoutsAreWordsInEveryPicture()
{
    // The cursors' values from the waves' formulas, the sum's left out while it is hidden.
    QCOMPARE(cursorValueLines({0.5, 1, 90}, {0.25, 0.5}),
             QStringList({"A: t = 0,25 T₁   y₁ = 1,00   y₂ = 0,00   y = 1,00", "B: t = 0,50 T₁   y₁ = 0,00   y₂ = −0,50   y = −0,50",
                          "Δt = 0,25 T₁ (90,0°)", "1/Δt = 4 f₁ = 880,0 Hz při 220 Hz"}));
    // What a lab measures of beats: their period, as a frequency and in hertz at the base tone.
    QCOMPARE(cursorValueLines({1, 1.02, 0}, {1.5, 52.78}, {100}, true, 440).last(),
             QStringLiteral("1/Δt = 0,0195 f₁ = 8,6 Hz při 440 Hz"));
    QCOMPARE(cursorValueLines({0.5, 1, 90}, {0.25}, {}, false), QStringList({"A: t = 0,25 T₁   y₁ = 1,00   y₂ = 0,00"}));
    // Cursors placed on a longer axis that lie beyond the one shown are not told, nor the time
    // between them.
    QCOMPARE(cursorValueLines({0.5, 1, 90}, {25.97, 0.25}), QStringList({"B: t = 0,25 T₁   y₁ = 1,00   y₂ = 0,00   y = 1,00"}));
    QCOMPARE(cursorValueLines({0.5, 1, 90}, {25.97, 77.34}), QStringList());
    QCOMPARE(cursorValueLines({0.5, 1, 90}, {25.97, 77.34}, {100}).size(), 4);
    QCOMPARE(readoutLines({1, 1, 0}, 400), QStringList({"Součet: amplituda 2,00, fázový posun 0,0°",
                                                        "y₁ = −0,76   y₂ = −0,76   y = −1,51"}));
    QCOMPARE(readoutLines({1, 1, 0}, 400, {}, false), QStringList({"y₁ = −0,76   y₂ = −0,76"}));
    QCOMPARE(readoutLines({1, 1, 0, false, true}, 400, {}, false), QStringList({"x = −0,76   y = −0,76"}));
    QCOMPARE(cursorValueLines({0.5, 1, 90, false, true}, {0.25}), QStringList({"A: t = 0,25 T₁   x = 1,00   y = 0,00"}));
    const std::pair<Parameters, const char *> sums[] = {
        {{1, 1.1, 0}, "Obálka součtu: 0,00 až 2,00, perioda 10,0 T₁"},
        {{0.5, -1, 90}, "Součet: amplituda 1,12, fázový posun 26,4°"},
        {{1, 1, 180}, "Součet: amplituda 0,01, fázový posun neurčen"},
        {{0.5, 1.3, 0}, "Obálka součtu: 0,50 až 1,50, perioda 3,33 T₁"},
        {{0.5, 1.0002, 0}, "Obálka součtu: 0,50 až 1,50, perioda 5000 T₁"},
        {{0.5, 1.0000000001, 0}, "Obálka součtu: 0,50 až 1,50, perioda delší než 10 000 T₁"},
        {{0.5, 2, 0}, "Rozsah součtu: −1,30 až 1,30"},
        {{0.5, 25, 0}, "Rozsah součtu: −1,50 až 1,50"},
        // At right angles, the figure the point traces.
        {{1, 1, 90, false, true}, "Poměr kmitočtů 1 : 1: kružnice"},
        {{1, -1, -90, false, true}, "Poměr kmitočtů 1 : 1: kružnice"},
        {{1, 1.0004, 180, false, true}, "Poměr kmitočtů 1 : 1: úsečka"},
        {{0.5, 1, 45, false, true}, "Poměr kmitočtů 1 : 1: elipsa"},
        {{1, 2, 0, false, true}, "Poměr kmitočtů 1 : 2: obrazec se uzavře po 1 periodě první vlny"},
        {{1, 1.5, 90, false, true}, "Poměr kmitočtů 2 : 3: obrazec se uzavře po 2 periodách první vlny"},
        {{1, 1.41421356, 0, false, true}, "Poměr kmitočtů 1 : 1,414: obrazec se neuzavře"},
    };
    for (const auto &[parameters, line] : sums)
        QCOMPARE(readoutLines(parameters, 1).first(), QString::fromUtf8(line));
    Drawing drawing;
    drawAnimationUpTo(kSecond, kSteps, drawing, readouts::envelopeOps({0.8, 1.1, 45}));
    const QStringList lines = readoutLines({0.8, 1.1, 45}, kSteps);
    const QString svg = QString::fromUtf8(pictureSvg(drawing.sceneOps(), PictureText(m_caption, lines)));
    QVERIFY(svg.contains(lines[0].toHtmlEscaped()) && svg.contains(lines[1]));
    QVERIFY(svg.contains(QStringLiteral("#808080;stroke-width:1")));

    // Twice as large for the back of a room, every word still lies within the picture, broken
    // to its width where it would run past it, and outlined in the band's colour where it may
    // cross a trace; the cursors' values come under the readouts.
    SetUp large;
    large.readouts = large.labels = large.largeText = true;
    large.cursors = {0.3, 1.5};
    const QString largeSvg =
        QString::fromUtf8(pictureSvg(drawing.sceneOps(), overlayText({0.8, 1.1, 45}, kSteps, large)));
    QXmlStreamReader xml(largeSvg);
    double lowestReadout = 0, highestValue = 1e9;
    int largeWords = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"text")
            continue;
        const auto at = xml.attributes();
        const int pixels = at.value(QLatin1String("font-size")).toInt();
        const double x = at.value(QLatin1String("x")).toDouble(), y = at.value(QLatin1String("y")).toDouble();
        QFont font(QStringLiteral("Times New Roman"));
        font.setPixelSize(pixels);
        const QString words = xml.readElementText();
        QVERIFY2(x + QFontMetricsF(font).horizontalAdvance(words) <= picture::kArea.right, qPrintable(words));
        if (pixels < 22)
            continue;
        ++largeWords;
        QCOMPARE(at.value(QLatin1String("stroke")).toString(), QStringLiteral("#c0c0c0"));
        if (x == picture::kReadoutsAt.x)
            lowestReadout = std::max(lowestReadout, y);
        else if (x == picture::kCursorValuesAt.x)
            highestValue = std::min(highestValue, y);
    }
    QVERIFY(largeWords > 10 && lowestReadout < highestValue);
}

void TestPicture::animationShowsTheRunInRealTime_data()
{
    QTest::addColumn<int>("slowdown");
    QTest::addColumn<Colours>("colours");
    QTest::addColumn<bool>("readouts");
    QTest::addColumn<int>("periods");
    QTest::newRow("original") << 1 << Colours::Standard << false << 2;
    QTest::newRow("colour-blind, readouts, slower") << 3 << Colours::ColourBlind << true << 2;
    QTest::newRow("twenty periods, readouts") << 1 << Colours::Standard << true << 20;
}

// Laid frame over frame as a player does, every frame is the PNG's picture at its step in the
// GIF's palette, and the frames before the last last as long as the run.
void TestPicture::animationShowsTheRunInRealTime()
{
    QFETCH(int, slowdown);
    QFETCH(Colours, colours);
    QFETCH(bool, readouts);
    QFETCH(int, periods);
    const Parameters parameters{0.8, 3, 45};
    const TimeAxis axis{periods};
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("run.gif"));
    SetUp view;
    view.axis = axis;
    view.slowdown = slowdown;
    view.colours = colours;
    view.readouts = readouts;
    QCOMPARE(writeWhole(path, animationGif({parameters, view, 1, {}})), QString());
    int error = 0;
    GifFileType *file = DGifOpenFileName(QFile::encodeName(path).constData(), &error);
    QVERIFY(file && DGifSlurp(file) == GIF_OK);
    const SavedImage &first = file->SavedImages[0];
    QVERIFY(first.ExtensionBlockCount >= 2 && first.ExtensionBlocks[0].Function == APPLICATION_EXT_FUNC_CODE);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(first.ExtensionBlocks[1].Bytes), 3), QByteArray("\x01\0\0", 3));

    QImage shown(file->SWidth, file->SHeight, QImage::Format_RGB32);
    const auto frames = animation::framesOf(slowdown, axis);
    QCOMPARE(file->ImageCount, int(frames.size()));
    int runCentiseconds = 0;
    for (int i = 0; i < file->ImageCount; ++i) {
        const SavedImage &frame = file->SavedImages[i];
        GraphicsControlBlock control;
        DGifSavedExtensionToGCB(file, i, &control);
        QVERIFY(control.DelayTime >= animation::kShortestFrame);
        QCOMPARE(control.DisposalMode, DISPOSE_DO_NOT); // laid over the frame before, never blanked
        runCentiseconds += i + 1 < file->ImageCount ? control.DelayTime : 0;
        const GifImageDesc &d = frame.ImageDesc;
        for (int y = 0; y < d.Height; ++y)
            for (int x = 0; x < d.Width; ++x)
                if (const int index = frame.RasterBits[y * d.Width + x]; index != control.TransparentColor) {
                    const GifColorType c = file->SColorMap->Colors[index];
                    shown.setPixel(d.Left + x, d.Top + y, qRgb(c.Red, c.Green, c.Blue));
                }
        if (i != file->ImageCount / 2 && i + 1 != file->ImageCount)
            continue;
        const int step = frames[std::size_t(i)].step;
        Drawing drawing;
        drawAnimationUpTo(secondSinusoidOf(parameters), step, drawing,
                          readouts ? readouts::envelopeOps(parameters, axis) : DrawOps{}, axis);
        const QImage png = pictureImage(
            drawing.sceneOps(), {pictureCaption(parameters), readouts ? readoutLines(parameters, step, axis) : QStringList()},
            1, colours);
        QCOMPARE(shown.size(), png.size());
        // Exact colours; the text's anti-aliased greys may take the nearest grey.
        int differing = 0;
        for (int y = 0; y < png.height(); ++y)
            for (int x = 0; x < png.width(); ++x) {
                const QRgb want = png.pixel(x, y), got = shown.pixel(x, y);
                const bool grey = qRed(want) == qGreen(want) && qGreen(want) == qBlue(want);
                differing += grey ? std::abs(qRed(got) - qRed(want)) > 1 || qRed(got) != qBlue(got) : got != want;
            }
        QCOMPARE(differing, 0);
    }
    QCOMPARE(runCentiseconds, 130 * slowdown * slowdown * periods / 2);
    QCOMPARE(frames.back().step, axis.steps());
    QCOMPARE(frames.back().centiseconds, 300);
    DGifCloseFile(file, &error);
    // The original palette's first wave is green, the other's blue; in every format.
    const QString svg = QString::fromUtf8(pictureSvg(m_run, {}, colours));
    QCOMPARE(svg.contains(u"#00c000"), colours == Colours::Standard);
    QCOMPARE(svg.contains(u"#0072b2"), colours == Colours::ColourBlind);
    QCOMPARE(svg.contains(u"#d55e00"), colours == Colours::ColourBlind);
}

// Printed through the toolkit's print support to a PDF file: one A4 page in landscape, the
// picture inside its margins and filling their width, on white in the palette for print.
void TestPicture::printsOnAnA4PageInLandscape()
{
    QTemporaryDir dir;
    const QString printed = dir.filePath(QStringLiteral("printed.pdf")), written = dir.filePath(QStringLiteral("a4.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printed);
    printer.setPageLayout(printedPageLayout());
    // In the window's palette: on paper the band is white, whatever the palette.
    QVERIFY(paintPage(printer, m_run, PictureText(m_caption), Look()));
    QCOMPARE(writeWhole(written, picturePdf(m_run, PictureText(m_caption), Look(), PdfPage::A4)), QString());
    for (const QString &path : {printed, written}) {
        const QString output = dir.filePath(QStringLiteral("page.png"));
        const QImage page = renderWith(QStringLiteral(PDFTOPPM), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("36"),
                                       QStringLiteral("-singlefile"), path, output.chopped(4)}, output);
        QVERIFY(!page.isNull());
        QVERIFY2(std::abs(page.width() - 421) <= 1 && std::abs(page.height() - 298) <= 1,
                 qPrintable(QStringLiteral("%1×%2").arg(page.width()).arg(page.height())));
        QRect inked;
        int dark = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (qGray(page.pixel(x, y)) < 240) {
                    inked |= QRect(x, y, 1, 1);
                    ++dark;
                }
        const int margin = int(15 / 25.4 * 36); // 15 mm
        QVERIFY2(QRect(margin, margin, page.width() - 2 * margin, page.height() - 2 * margin).contains(inked),
                 qPrintable(QStringLiteral("%1,%2 %3×%4").arg(inked.x()).arg(inked.y()).arg(inked.width()).arg(inked.height())));
        QVERIFY(inked.width() > 0.9 * (page.width() - 2 * margin));
        QVERIFY2(dark < inked.width() * inked.height() / 3, qPrintable(QString::number(dark)));
    }
    // Fitted and centred on the printable area, whichever way it is larger.
    for (const QRectF &printable : {QRectF(10, 20, 1000, 300), QRectF(0, 0, 300, 1000)}) {
        const QRectF placed = pictureOnPage(printable);
        QCOMPARE(placed.center(), printable.center());
        QVERIFY(printable.adjusted(-1e-9, -1e-9, 1e-9, 1e-9).contains(placed));
        QVERIFY(qFuzzyCompare(placed.width(), printable.width()) || qFuzzyCompare(placed.height(), printable.height()));
    }
}

QTEST_MAIN(TestPicture)
#include "tst_picture.moc"
