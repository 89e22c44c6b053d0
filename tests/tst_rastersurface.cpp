#include "app/run/RasterSurface.h"
#include "app/run/SceneCheckpoints.h"
#include "core/PaintShares.h"
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

// The raster surface: the points of a run it keeps, the row at which two painters share a
// batch, and a scene painted at once, shared and with what is painted over left out, exactly
// as step by step.
class TestRasterSurface : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("cs_CZ"))); }
    void pointsKeptStayWithinTheirBytes();
    void batchIsSharedWhereItsWorkParts_data();
    void batchIsSharedWhereItsWorkParts();
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

void TestRasterSurface::batchIsSharedWhereItsWorkParts_data()
{
    QTest::addColumn<QList<double>>("lineRows"); // the scene rows of level lines, one each
    QTest::addColumn<int>("splitFrom");
    QTest::addColumn<int>("splitTo");
    QTest::newRow("two alike, far apart") << QList<double>{20, 300} << 24 << 296;
    QTest::newRow("three above, one below") << QList<double>{20, 30, 40, 300} << 34 << 36;
    QTest::newRow("all on one row") << QList<double>{100, 100} << 96 << 104;
}

void TestRasterSurface::batchIsSharedWhereItsWorkParts()
{
    QFETCH(QList<double>, lineRows);
    QFETCH(int, splitFrom);
    QFETCH(int, splitTo);
    DrawOps ops;
    for (const double y : lineRows)
        ops.push_back(Line{{10, y}, {90, y}});
    const PaintShares shares = sharesOf(ops, 2, 1, 400);
    QVERIFY2(shares.splitRow >= splitFrom && shares.splitRow <= splitTo, qPrintable(QString::number(shares.splitRow)));
    QVERIFY(shares.reach.left <= 7 && shares.reach.right >= 93);
    // A coordinate that is not a number may reach anywhere, a label too.
    ops.push_back(Line{{std::nan(""), 5}, {6, 7}});
    QVERIFY(sharesOf(ops, 2, 1, 400).reach.bottom > 1e6);
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
        QTest::newRow("second standing still, at " + at) << ratio << Parameters{0.7, 0, 30} << false;
    }
}

void TestRasterSurface::wholeSceneAtOncePaintsAsStepByStep()
{
    QFETCH(double, ratio);
    QFETCH(Parameters, parameters);
    QFETCH(bool, envelope);
    const RunScene run{parameters, envelope, {}};
    const DrawOps scene = run.at(kSteps, true);
    QWidget blank;
    RasterSurface atOnce(blank, kClientSize), byStep(blank, kClientSize),
        zoomed(blank, kClientSize);
    for (RasterSurface *surface : {&atOnce, &byStep, &zoomed}) {
        surface->setPlacement({}, surface == &zoomed ? 1.1 : ratio);
        surface->beginScene();
    }
    atOnce.drawScene(run.showing(kSteps, true));
    zoomed.drawScene(run.showing(kSteps, true));
    zoomed.setPlacement({}, ratio);
    for (std::size_t i = 0; i < scene.size(); i += kOpsPerStep)
        byStep.draw(DrawOps(scene.begin() + std::ptrdiff_t(i), scene.begin() + std::ptrdiff_t(std::min(scene.size(), i + kOpsPerStep))));
    QVERIFY(atOnce.image() == byStep.image());
    QVERIFY(zoomed.image() == byStep.image());
}

QTEST_MAIN(TestRasterSurface)
#include "tst_rastersurface.moc"
