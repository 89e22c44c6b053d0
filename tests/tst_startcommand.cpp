#include "MessageCatcher.h"
#include "TestWindow.h"
#include "animation/SceneSetup.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace vlnokres;

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
    void drawingSurvivesARepaint();
};

namespace {
const QRgb kGrey = 0xFFC0C0C0;
const QRgb kBlack = 0xFF000000;

QImage freshCanvas()
{
    Vlnokres window;
    return window.surface().image();
}
} // namespace

void TestStartCommand::setupPaintsTheBandAndTheAxes()
{
    Vlnokres window;
    DrawingSurface surface(window, Vlnokres::kClientSize);
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
    w.box("nAmplituda")->setText(amplitude);
    const CaughtMessage message = catchMessage([&] { w.clickStart(); });
    QVERIFY(!message.shown);
    QCOMPARE(w.box("nAmplituda")->text(), afterwards);
    QCOMPARE(w.pacer->deadlines.size(), std::size_t(1300));
    QCOMPARE(w.pacer->finishes, 1);

    const QImage &canvas = w.window.surface().image();
    // The instruction label is painted over, and is gone for good.
    QVERIFY(w.window.findChild<QLabel *>(QStringLiteral("Label2"))->isHidden());
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
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    const QString limit = QStringLiteral("Omezení amplitudy");
    const QString limitText = QStringLiteral("Aplikace nedovoluje větší amplitudu než 1,5");
    const QString notNumber = QStringLiteral("Neplatná hodnota");
    QTest::newRow("above the limit") << "1,6" << "1" << "90" << limit << limitText;
    QTest::newRow("huge") << "1e300" << "1" << "90" << limit << limitText;
    QTest::newRow("amplitude not a number") << "abc" << "1" << "90" << notNumber << "Amplituda musí být číslo.";
    QTest::newRow("amplitude inf") << "inf" << "1" << "90" << notNumber << "Amplituda musí být číslo.";
    QTest::newRow("frequency empty, zero amplitude kept") << "0" << "" << "90" << notNumber
                                                          << "Kmitočet musí být číslo.";
    QTest::newRow("phase nan") << "0,5" << "1" << "nan" << notNumber << "Fázový posun musí být číslo.";
}

void TestStartCommand::refusedValuesDrawNothing()
{
    QFETCH(QString, amplitude);
    QFETCH(QString, frequency);
    QFETCH(QString, phase);
    QFETCH(QString, title);
    QFETCH(QString, text);
    TestWindow w;
    w.box("nAmplituda")->setText(amplitude);
    w.box("nFrekvence")->setText(frequency);
    w.box("nFáza")->setText(phase);

    const CaughtMessage message = catchMessage([&] { w.clickStart(); });
    QVERIFY(message.shown);
    QCOMPARE(message.title, title);
    QCOMPARE(message.text, text);
    QCOMPARE(message.icon, QMessageBox::NoIcon);
    QCOMPARE(message.buttons, 1);

    QCOMPARE(w.box("nAmplituda")->text(), amplitude);
    QCOMPARE(w.box("nFrekvence")->text(), frequency);
    QCOMPARE(w.box("nFáza")->text(), phase);
    QVERIFY(!w.window.findChild<QLabel *>(QStringLiteral("Label2"))->isHidden());
    QCOMPARE(w.window.surface().image(), freshCanvas());
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
