#include "app/run/PaintParts.h"
#include "app/run/RasterSurface.h"
#include "app/run/SceneCheckpoints.h"
#include "core/Picture.h"
#include "core/RunScene.h"
#include "core/SceneGeometry.h"
#include "core/StepOperations.h"

#include <QTest>
#include <QWidget>

#include <cmath>

using namespace vlnokres;

Q_DECLARE_METATYPE(vlnokres::Parameters)

namespace {
constexpr QSize kClientSize{scene::kClientWidth, scene::kClientHeight};
} // namespace

// The raster surface: the points of a run it keeps, a whole scene cut into parts two painters
// share, and a scene painted at once exactly as step by step.
class TestRasterSurface : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("cs_CZ"))); }
    void pointsKeptStayWithinTheirBytes();
    void sceneIsCutIntoPartsThatLieApart_data();
    void sceneIsCutIntoPartsThatLieApart();
    void wholeSceneAtOncePaintsAsStepByStep_data();
    void wholeSceneAtOncePaintsAsStepByStep();
};

void TestRasterSurface::pointsKeptStayWithinTheirBytes()
{
    QImage image(2048, 2048, QImage::Format_RGB32);
    SceneCheckpoints points;
    const auto colourAt = [](std::size_t opCount) { return QRgb(0xFF000000u | opCount); };
    for (std::size_t opCount = 1; opCount <= 12; ++opCount) {
        image.fill(colourAt(opCount));
        points.touch(image.rect());
        points.take(image, opCount);
        QVERIFY(points.bytes() <= SceneCheckpoints::kKeptBytes);
    }
    QCOMPARE(points.opCounts(), (std::vector<std::size_t>{10, 12})); // three of 16 MB are all it may keep
    QCOMPARE(points.spread(), std::size_t(32));
    for (std::size_t i : {std::size_t(0), std::size_t(1), std::size_t(0)}) {
        points.restore(image, i);
        QCOMPARE(image.pixel(1000, 2047), colourAt(points.opCounts()[i]));
    }
}

void TestRasterSurface::sceneIsCutIntoPartsThatLieApart_data()
{
    QTest::addColumn<QList<QRect>>("reaches");
    QTest::addColumn<QList<QList<int>>>("parts");
    const QRect upperLeft(10, 10, 50, 50), upperRight(300, 10, 50, 50), lowerLeft(10, 300, 50, 50);
    QTest::newRow("one alone") << QList{upperLeft} << QList<QList<int>>{{0}};
    QTest::newRow("overlapping") << QList{upperLeft, upperLeft.translated(40, 40)} << QList<QList<int>>{{0, 1}};
    QTest::newRow("two rows apart") << QList{upperLeft, lowerLeft, upperLeft} << QList<QList<int>>{{0, 2}, {1}};
    QTest::newRow("four corners, the larger first")
        << QList{upperLeft, upperRight, lowerLeft, lowerLeft.translated(290, 0), upperRight}
        << QList<QList<int>>{{1, 4}, {0}, {2}, {3}};
    QTest::newRow("within the margin of each other")
        << QList{upperLeft, upperLeft.translated(52, 0)} << QList<QList<int>>{{0, 1}};
    QTest::newRow("one spanning the others") << QList{upperLeft, lowerLeft, QRect(0, 0, 20, 400)}
                                             << QList<QList<int>>{{0, 1, 2}};
    QTest::newRow("one outside the scene is in none")
        << QList{upperLeft, QRect(-100, -100, 10, 10), lowerLeft} << QList<QList<int>>{{0}, {2}};
}

void TestRasterSurface::sceneIsCutIntoPartsThatLieApart()
{
    QFETCH(QList<QRect>, reaches);
    QFETCH(QList<QList<int>>, parts);
    const std::vector<double> costs(std::size_t(reaches.size()), 1.0);
    QList<QList<int>> found;
    for (const std::vector<std::size_t> &part : paintParts(reaches, costs, QSize(400, 400), 2))
        found.append(QList<int>(part.begin(), part.end()));
    QCOMPARE(found, parts);
}

void TestRasterSurface::wholeSceneAtOncePaintsAsStepByStep_data()
{
    QTest::addColumn<double>("ratio");
    QTest::addColumn<Parameters>("parameters");
    QTest::addColumn<bool>("envelope");
    for (const double ratio : {0.5, 1.0, 1.37, 2160.0 / 573}) {
        const QByteArray at = QByteArray::number(ratio, 'g', 3);
        QTest::newRow("defaults at " + at) << ratio << Parameters{0.5, 1, 90} << false;
        QTest::newRow("widest second, envelope, at " + at) << ratio << Parameters{1.5, 1.1, 30} << true;
        QTest::newRow("long second, at " + at) << ratio << Parameters{-4, 3, 10} << false;
    }
}

void TestRasterSurface::wholeSceneAtOncePaintsAsStepByStep()
{
    QFETCH(double, ratio);
    QFETCH(Parameters, parameters);
    QFETCH(bool, envelope);
    const DrawOps scene = picture::uncoveredOps(RunScene{parameters, envelope, {}}.at(kSteps, true));
    QWidget blank;
    RasterSurface atOnce(blank, kClientSize), byStep(blank, kClientSize),
        zoomed(blank, kClientSize);
    for (RasterSurface *surface : {&atOnce, &byStep, &zoomed}) {
        surface->setPlacement({}, surface == &zoomed ? 1.1 : ratio);
        surface->beginScene();
    }
    atOnce.draw(scene);
    zoomed.draw(scene);
    zoomed.setPlacement({}, ratio);
    for (std::size_t i = 0; i < scene.size(); i += kOpsPerStep)
        byStep.draw(DrawOps(scene.begin() + std::ptrdiff_t(i), scene.begin() + std::ptrdiff_t(std::min(scene.size(), i + kOpsPerStep))));
    QVERIFY(atOnce.image() == byStep.image());
    QVERIFY(zoomed.image() == byStep.image());
}

QTEST_MAIN(TestRasterSurface)
#include "tst_rastersurface.moc"
