#include "MessageCatcher.h"
#include "TestWindow.h"
#include "app/window/MessageBox.h"
#include "app/language/NumberText.h"
#include "core/SceneSetup.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace vlnokres;

Q_DECLARE_METATYPE(vlnokres::Refusal)

// What a click on "Start" does with the values in the boxes: which it refuses and how, and
// what it draws on the canvas when it accepts them.
class TestStartCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("cs_CZ"))); }
    void setupPaintsTheBandAndTheAxes();
    void acceptedAmplitudeRunsTheScene_data();
    void acceptedAmplitudeRunsTheScene();
    void refusedValuesDrawNothing_data();
    void refusedValuesDrawNothing();
    void dotTextReadsUnderGermanUnlessItGroups();
    void refusalIsAModalBoxWithOneButtonAndNoIcon();
    void refusalBoxIsWideEnoughForItsTitle();
    void drawingSurvivesARepaint();
};

namespace {

QImage freshCanvas()
{
    const MainWindow window;
    return window.surface().image();
}
} // namespace

void TestStartCommand::setupPaintsTheBandAndTheAxes()
{
    MainWindow window;
    RasterSurface surface(window, MainWindow::kClientSize);
    surface.draw(sceneSetup());
    QCOMPARE(surface.penWidth(), 2);
    const QImage &canvas = surface.image();
    // The three axes, one pixel wide, and nothing beyond their ends.
    for (int x = 50; x < 750; ++x)
        QCOMPARE(canvas.pixel(x, 150), kBlack);
    for (int x = 50; x < 770; ++x)
        QCOMPARE(canvas.pixel(x, 390), kBlack);
    for (int y = 231; y < 550; ++y)
        QCOMPARE(canvas.pixel(340, y), kBlack);
    QCOMPARE(canvas.pixel(45, 150), kGrey);
    QCOMPARE(canvas.pixel(400, 149), kGrey);
    QCOMPARE(canvas.pixel(400, 151), kGrey);
    QCOMPARE(canvas.pixel(341, 300), kGrey);
    QCOMPARE(canvas.pixel(340, 225), kGrey);
}

void TestStartCommand::acceptedAmplitudeRunsTheScene_data()
{
    QTest::addColumn<QString>("amplitude");
    QTest::addColumn<QString>("afterwards");
    QTest::newRow("at the limit") << "1,5" << "1,5";
    QTest::newRow("negative") << "-1" << "-1";
    QTest::newRow("plain C notation") << " 0.5 " << " 0.5 ";
    QTest::newRow("zero becomes a thousandth") << "0" << "0,001";
    QTest::newRow("written zero too") << "0,0" << "0,001";
    QTest::newRow("huge negative") << "-1e300" << "-1e300";
}

void TestStartCommand::acceptedAmplitudeRunsTheScene()
{
    QFETCH(QString, amplitude);
    QFETCH(QString, afterwards);
    TestWindow w;
    w.box(names::kAmplitude)->setText(amplitude);
    w.clickStart();
    QCOMPARE(w.refusals, QStringList());
    QCOMPARE(w.box(names::kAmplitude)->text(), afterwards);
    QCOMPARE(w.pacer->deadlines.size(), std::size_t(1300));
    QCOMPARE(w.pacer->finishes, 1);

    const QImage &canvas = w.window.surface().image();
    // The instruction label is painted over, and is gone for good.
    QVERIFY(w.find<QLabel>(names::kInstruction)->isHidden());
    for (int y = 256; y < 305; ++y)
        for (int x = 160; x < 330; ++x) // left of the time graph
            QVERIFY(canvas.pixel(x, y) != kBlack);
    // The horizontal axes are drawn again on top at the end.
    QCOMPARE(canvas.pixel(600, 150), kBlack);
    QCOMPARE(canvas.pixel(700, 390), kBlack);
}

void TestStartCommand::refusedValuesDrawNothing_data()
{
    QTest::addColumn<QString>("amplitude");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("phase");
    QTest::addColumn<Refusal>("refusal");
    QTest::newRow("above the limit") << "1,6" << "1" << "90" << Refusal::AmplitudeAboveLimit;
    QTest::newRow("huge") << "1e300" << "1" << "90" << Refusal::AmplitudeAboveLimit;
    QTest::newRow("too large for a double") << "1e309" << "1" << "90" << Refusal::AmplitudeAboveLimit;
    QTest::newRow("thirty thousand ones") << QString(30000, u'1') << "1" << "90" << Refusal::AmplitudeAboveLimit;
    QTest::newRow("amplitude not a number") << "abc" << "1" << "90" << Refusal::AmplitudeNotNumber;
    QTest::newRow("amplitude inf") << "inf" << "1" << "90" << Refusal::AmplitudeNotNumber;
    QTest::newRow("frequency empty, zero amplitude kept") << "0" << "" << "90" << Refusal::FrequencyNotNumber;
    QTest::newRow("phase nan") << "0,5" << "1" << "nan" << Refusal::PhaseNotNumber;
}

void TestStartCommand::refusedValuesDrawNothing()
{
    QFETCH(QString, amplitude);
    QFETCH(QString, frequency);
    QFETCH(QString, phase);
    QFETCH(Refusal, refusal);
    TestWindow w;
    w.box(names::kAmplitude)->setText(amplitude);
    w.box(names::kFrequency)->setText(frequency);
    w.box(names::kPhase)->setText(phase);
    w.clickStart();

    const Message expected = messageFor(refusal);
    QCOMPARE(w.refusals, QStringList(refusalLine(expected)));
    QCOMPARE(w.box(names::kAmplitude)->text(), amplitude);
    QCOMPARE(w.box(names::kFrequency)->text(), frequency);
    QCOMPARE(w.box(names::kPhase)->text(), phase);
    QVERIFY(!w.find<QLabel>(names::kInstruction)->isHidden());
    QCOMPARE(w.window.surface().image(), freshCanvas());
}

// Where a dot groups digits, "0.8" is still eight tenths, and "1.500" is told as ambiguous.
void TestStartCommand::dotTextReadsUnderGermanUnlessItGroups()
{
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    TestWindow w;
    w.run(QStringLiteral("0.8"), QStringLiteral("1"), QStringLiteral("90"));
    QCOMPARE(w.pacer->finishes, 1);
    w.box(names::kFrequency)->setText(QStringLiteral("1.500"));
    w.clickStart();
    QLocale::setDefault(QLocale(QStringLiteral("cs_CZ")));
    QCOMPARE(w.refusals, QStringList(refusalLine(*ambiguityOf(QStringLiteral("1.500"), QLocale(QStringLiteral("de_DE"))))));
    QCOMPARE(w.pacer->finishes, 1);
}

void TestStartCommand::refusalIsAModalBoxWithOneButtonAndNoIcon()
{
    MainWindow window;
    window.findChild<QLineEdit *>(QString::fromUtf8(names::kAmplitude))->setText(QStringLiteral("1,6"));
    auto *start = window.findChild<QPushButton *>(QString::fromUtf8(names::kStart));
    const CaughtMessage message = catchMessage([&] { QTest::mouseClick(start, Qt::LeftButton); });
    const Message expected = messageFor(Refusal::AmplitudeAboveLimit);
    QVERIFY(message.shown);
    QCOMPARE(message.title, QString::fromUtf8(expected.title));
    QCOMPARE(message.text, QString::fromUtf8(expected.text));
    QCOMPARE(message.icon, QMessageBox::NoIcon);
    QCOMPARE(message.buttons, 1);
}

void TestStartCommand::refusalBoxIsWideEnoughForItsTitle()
{
    MainWindow window;
    window.findChild<QLineEdit *>(QString::fromUtf8(names::kAmplitude))->setText(QStringLiteral("x"));
    auto *start = window.findChild<QPushButton *>(QString::fromUtf8(names::kStart));
    const CaughtMessage message = catchMessage([&] { QTest::mouseClick(start, Qt::LeftButton); });
    QCOMPARE(message.title, QString::fromUtf8(messageFor(Refusal::AmplitudeNotNumber).title));
    QVERIFY2(message.width >= widthForTitle(message.title), qPrintable(QString::number(message.width)));
}

void TestStartCommand::drawingSurvivesARepaint()
{
    TestWindow w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    w.clickStart();
    w.window.hide();
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    const QImage shown = w.window.grab().toImage();
    QCOMPARE(shown.pixel(400, 150), kBlack);
    QCOMPARE(shown.pixel(340, 300), kBlack);
    QCOMPARE(shown.pixel(200, 280), kGrey); // where the instruction label was
}

QTEST_MAIN(TestStartCommand)
#include "tst_startcommand.moc"
