#include "TestWindow.h"
#include "app/cli/CommandLine.h"
#include "app/language/NumberText.h"
#include "app/window/Application.h"
#include "app/window/ControlNames.h"
#include "app/window/MainWindow.h"
#include "app/run/RasterSurface.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

using namespace vlnokres;

// The main window as a user first sees it: its controls, fonts, colours, start-up values,
// keyboard order and exit.
class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("cs_CZ"))); }
    void controlsSitWhereDesigned_data();
    void controlsSitWhereDesigned();
    void fontsResolveToTheirTwins();
    void startUpValuesFollowTheLocale_data();
    void startUpValuesFollowTheLocale();
    void tabVisitsTheControlsInOrder();
    void keyboardAloneRunsTheAnimation();
    void enterPressesAFocusedButton();
    void keysAndWheelStepTheBoxes_data();
    void keysAndWheelStepTheBoxes();
    void longAxisShowsOnlyTheLastOfQuickChanges();
    void labelsLetClicksThroughToControls();
    void screenReaderNamesEveryControl_data();
    void screenReaderNamesEveryControl();
    void windowCarriesItsCaptionAndIcon();
    void darkThemeCannotLightenTheForm();
    void konecClosesTheWindow();
    void toolkitSpeaksCzech();
    void examplesFillTheBoxesAndRun_data();
    void examplesFillTheBoxesAndRun();
    void setUpCopiedAsACommandOpensAgain();
    void commandLineValuesFillTheBoxes_data();
    void commandLineValuesFillTheBoxes();
    void hiddenSumComesBackAsDrawn();
    void cursorsArePlacedMovedAndTakenAway();
};

void TestMainWindow::controlsSitWhereDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("points"); // 0: the window's default, not bold
    QTest::newRow("HScroll1") << "HScroll1" << "QScrollBar" << QRect(64, 40, 129, 17) << "" << 0.0;
    QTest::newRow("nPlus") << "nPlus" << "QLineEdit" << QRect(312, 136, 25, 30) << "+" << 13.5;
    QTest::newRow("nFáza") << "nFáza" << "QLineEdit" << QRect(496, 48, 49, 19) << "90" << 0.0;
    QTest::newRow("nFrekvence") << "nFrekvence" << "QLineEdit" << QRect(416, 48, 49, 19) << "1" << 0.0;
    QTest::newRow("nAmplituda") << "nAmplituda" << "QLineEdit" << QRect(336, 48, 49, 19) << "0,5" << 0.0;
    QTest::newRow("cmdKonec") << "cmdKonec" << "QPushButton" << QRect(688, 8, 65, 25) << "Konec" << 14.25;
    QTest::newRow("cmdAnimace") << "cmdAnimace" << "QPushButton" << QRect(616, 8, 65, 25) << "Start" << 15.75;
    QTest::newRow("Label2") << "Label2" << "QLabel" << QRect(160, 256, 257, 49) << "Klepněte na tlačitko Start"
                            << 15.75;
    QTest::newRow("labParametry") << "labParametry" << "QLabel" << QRect(296, 8, 313, 17)
                                  << "Parametry druhé sinusoidy (relativně k první )" << 12.0;
    QTest::newRow("labTitul") << "labTitul" << "QLabel" << QRect(40, 8, 225, 25) << "Součet dvou sinusovek" << 15.75;
    QTest::newRow("laFáza") << "laFáza" << "QLabel" << QRect(488, 32, 79, 15) << "Fázový posun" << 9.75;
    QTest::newRow("laFrekvence") << "laFrekvence" << "QLabel" << QRect(416, 32, 57, 17) << "Kmitočet" << 9.75;
    QTest::newRow("Label1") << "Label1" << "QLabel" << QRect(328, 32, 57, 17) << "Amplituda" << 9.75;
}

void TestMainWindow::controlsSitWhereDesigned()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(double, points);

    MainWindow window;
    QCOMPARE(window.objectName(), QStringLiteral("Vlnokres"));
    QCOMPARE(window.size(), QSize(792, 573));
    auto *control = window.findChild<QWidget *>(name);
    QVERIFY(control);
    QVERIFY2(control->inherits(className.toLatin1()), control->metaObject()->className());
    QCOMPARE(control->pos(), geometry.topLeft());
    QCOMPARE(control->height(), geometry.height());
    // Labels grow to their text, a few pixels; nothing else moves or resizes.
    if (className == QLatin1String("QLabel")) {
        QVERIFY(control->width() >= geometry.width() && control->width() <= geometry.width() + 8);
        QVERIFY(control->width() >= control->sizeHint().width());
    }
    else
        QCOMPARE(control->width(), geometry.width());
    if (auto *label = qobject_cast<QLabel *>(control))
        QCOMPARE(label->text(), text);
    if (auto *box = qobject_cast<QLineEdit *>(control))
        QCOMPARE(box->text(), text);
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        QCOMPARE(button->text(), text);
    QCOMPARE(control->font().bold(), points > 0);
    if (points > 0)
        QCOMPARE(control->font().pointSizeF(), points);
}

void TestMainWindow::fontsResolveToTheirTwins()
{
    MainWindow window;
    const QFontInfo title(window.findChild<QLabel *>(QString::fromUtf8(names::kTitle))->font());
    QCOMPARE(title.family(), QStringLiteral("Liberation Serif"));
    QCOMPARE(title.pixelSize(), 21);
    QVERIFY(title.bold());
}

void TestMainWindow::startUpValuesFollowTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("amplitude");
    QTest::newRow("Czech") << "cs_CZ" << "0,5";
    QTest::newRow("English") << "en_GB" << "0.5";
}

void TestMainWindow::startUpValuesFollowTheLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, amplitude);
    QLocale::setDefault(QLocale(locale));
    MainWindow window;
    QLocale::setDefault(QLocale(QStringLiteral("cs_CZ")));
    auto text = [&](const char *name) { return window.findChild<QLineEdit *>(QString::fromUtf8(name))->text(); };
    QCOMPARE(text(names::kAmplitude), amplitude);
    QCOMPARE(text(names::kFrequency), QStringLiteral("1"));
    QCOMPARE(text(names::kPhase), QStringLiteral("90"));
    QCOMPARE(text(names::kSlowdown), QStringLiteral("1"));
    QCOMPARE(window.findChild<QScrollBar *>(QString::fromUtf8(names::kPace))->value(), 1);
}

void TestMainWindow::tabVisitsTheControlsInOrder()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(window.findChild<QWidget *>(QString::fromUtf8(names::kSlowdown))->isHidden());
    QVERIFY(window.findChild<QLineEdit *>(QString::fromUtf8(names::kPlus))->isReadOnly());

    const auto name = [&window] {
        QWidget *focused = QApplication::focusWidget();
        return focused == &window.drawingArea() ? QStringLiteral("(drawing)") : focused->objectName();
    };
    QStringList visited{name()};
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << name();
    }
    // The drawing area after the boxes, for its arrow keys.
    const QStringList expected{"cmdAnimace", "cmdKonec", "nAmplituda", "nFrekvence", "nFáza", "(drawing)", "HScroll1",
                               "cmdAnimace"};
    QCOMPARE(visited, expected);
}

void TestMainWindow::keyboardAloneRunsTheAnimation()
{
    TestWindow w;
    QVERIFY(w.showActive());
    auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    };
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.box(names::kAmplitude));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1,2")); // Tab selected the old text
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromUtf8(names::kStart));
    press(Qt::Key_Space);
    QCOMPARE(w.box(names::kAmplitude)->text(), QStringLiteral("1,2"));
    QCOMPARE(w.pacer->deadlines.size(), std::size_t(1300));
}

void TestMainWindow::enterPressesAFocusedButton()
{
    TestWindow w;
    QVERIFY(w.showActive());
    QCOMPARE(QApplication::focusWidget(), w.startButton());
    QTest::keyClick(w.window.windowHandle(), Qt::Key_Return);
    QTRY_COMPARE(w.pacer->finishes, 1);
    w.find<QWidget>(names::kExit)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w.window.windowHandle(), Qt::Key_Enter, Qt::KeypadModifier);
    QTRY_VERIFY(!w.window.isVisible());
}

void TestMainWindow::keysAndWheelStepTheBoxes_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("key");     // or 0: the wheel, a notch up
    QTest::addColumn<bool>("control");
    QTest::addColumn<QString>("shown");
    QTest::newRow("amplitude up") << "nAmplituda" << "0,5" << int(Qt::Key_Up) << false << "0,6";
    QTest::newRow("amplitude at the limit") << "nAmplituda" << "1,45" << int(Qt::Key_Up) << false << "1,5";
    QTest::newRow("frequency finely down") << "nFrekvence" << "1" << int(Qt::Key_Down) << true << "0,99";
    QTest::newRow("phase by the wheel") << "nFáza" << "90" << 0 << false << "105";
    QTest::newRow("phase finely by the wheel") << "nFáza" << "90" << 0 << true << "91";
    QTest::newRow("not a number stays") << "nFrekvence" << "abc" << int(Qt::Key_Up) << false << "abc";
}

// Up, Down and the wheel step a box's value, and the picture is at once the one that a run of
// the boxes' values ends with; Enter in a box then presses Start.
void TestMainWindow::keysAndWheelStepTheBoxes()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(int, key);
    QFETCH(bool, control);
    QFETCH(QString, shown);
    TestWindow w;
    QVERIFY(w.showActive());
    QLineEdit *edit = w.box(box.toUtf8().constData());
    edit->setText(text);
    edit->setFocus();
    const auto modifiers = control ? Qt::ControlModifier : Qt::NoModifier;
    if (key) {
        QTest::keyClick(edit, Qt::Key(key), modifiers);
    } else {
        QWheelEvent notch(QPointF(5, 5), edit->mapToGlobal(QPointF(5, 5)), {}, {0, 120}, Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(edit, &notch);
    }
    QCOMPARE(edit->text(), shown);
    QCOMPARE(w.pacer->finishes, 0);
    if (shown == text) {
        QVERIFY(!w.window.surface().hasScene());
        return;
    }
    const QImage stepped = w.window.surface().image();
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(w.pacer->finishes, 1);
    QVERIFY(w.window.surface().image() == stepped);
}

// On a long axis, where a picture takes a while, changes that come faster than pictures (a
// drag, the wheel) replace the one waiting: one picture, of the last values, as its run ends.
void TestMainWindow::longAxisShowsOnlyTheLastOfQuickChanges()
{
    TestWindow w;
    QVERIFY(w.showActive());
    w.window.setUp().change([](Chosen &c) { c.setUp.axis = {100}; });
    QLineEdit *edit = w.box(names::kAmplitude);
    edit->setText(QStringLiteral("0,5"));
    edit->setFocus();
    int pictures = 0;
    connect(&w.window.run(), &RunController::stepShown, this, [&] { ++pictures; });
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(edit, Qt::Key_Up);
    QCOMPARE(pictures, 0);
    QTRY_COMPARE(pictures, 1);
    QCOMPARE(w.window.run().lastRun()->parameters.amplitude, 1.0);
    const QImage shown = w.window.surface().image();
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(w.window.surface().image() == shown);
    QCOMPARE(pictures, 1);
}

void TestMainWindow::labelsLetClicksThroughToControls()
{
    // As a wider font grows a label over a control: the click still reaches the control.
    TestWindow w;
    QVERIFY(w.showActive());
    QWidget *heading = w.find<QWidget>(names::kParametersHeading);
    heading->setGeometry(heading->x(), 0, 500, 60);
    QVERIFY(heading->geometry().contains(w.startButton()->geometry()));
    const QPoint start = w.startButton()->geometry().center();
    QCOMPARE(w.window.childAt(start), w.startButton());
    QTest::mouseClick(w.window.windowHandle(), Qt::LeftButton, {}, start);
    QCOMPARE(w.pacer->finishes, 1);
}

void TestMainWindow::screenReaderNamesEveryControl_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("amplitude") << "nAmplituda" << "Amplituda";
    QTest::newRow("frequency") << "nFrekvence" << "Kmitočet";
    QTest::newRow("phase") << "nFáza" << "Fázový posun";
    QTest::newRow("pace") << "HScroll1" << "Zpomalení";
    QTest::newRow("start") << "cmdAnimace" << "Start";
    QTest::newRow("exit") << "cmdKonec" << "Konec";
}

void TestMainWindow::screenReaderNamesEveryControl()
{
    QFETCH(QString, name);
    QFETCH(QString, spoken);
    MainWindow window;
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(window.findChild<QWidget *>(name));
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), spoken);
}

void TestMainWindow::windowCarriesItsCaptionAndIcon()
{
    MainWindow window;
    QVERIFY(window.windowTitle().startsWith(QStringLiteral("Součet dvou sinusoid - ")));
    const QList<QSize> sizes = window.windowIcon().availableSizes();
    for (int size : {16, 32, 48, 256})
        QVERIFY(sizes.contains(QSize(size, size)));
}

void TestMainWindow::darkThemeCannotLightenTheForm()
{
    const QPalette original = QApplication::palette();
    QPalette dark(QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Text, Qt::white);
    QApplication::setPalette(dark);
    MainWindow window;
    QApplication::setPalette(original);

    const QColor grey(0xC0, 0xC0, 0xC0);
    QCOMPARE(window.palette().color(QPalette::Window), grey);
    for (const char *name : {names::kTitle, names::kStart, names::kAmplitude}) {
        const QWidget *control = window.findChild<QWidget *>(QString::fromUtf8(name));
        QCOMPARE(control->palette().color(control->foregroundRole()), QColor(Qt::black));
    }
    QCOMPARE(window.findChild<QWidget *>(QString::fromUtf8(names::kAmplitude))->palette().color(QPalette::Base), grey);
}

void TestMainWindow::konecClosesTheWindow()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(window.findChild<QAbstractButton *>(QString::fromUtf8(names::kExit)), Qt::LeftButton);
    QVERIFY(!window.isVisible());
}

// The toolkit's own texts, its dialogs' buttons among them, are Czech as the rest is, and the
// application names its desktop entry.
void TestMainWindow::toolkitSpeaksCzech()
{
    setUpApplication(*qApp);
    QDialogButtonBox buttons(QDialogButtonBox::Close | QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Close)->text().remove(u'&'), QStringLiteral("Zavřít"));
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text().remove(u'&'), QStringLiteral("Zrušit"));
    QCOMPARE(QGuiApplication::desktopFileName(), QString::fromLatin1(kDesktopFileName));
}

void TestMainWindow::examplesFillTheBoxesAndRun_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<int>("steps");
    QTest::newRow("beats, on 20 periods") << "Zázněje" << QStringList{"1", "1,1", "0"} << 13000;
    QTest::newRow("square wave's start") << "Začátek obdélníkového průběhu" << QStringList{"0,333", "3", "0"} << 1300;
}

// An example fills the three boxes as if typed, sets the time axis it needs, leaves the
// slowdown, and runs.
void TestMainWindow::examplesFillTheBoxesAndRun()
{
    QFETCH(QString, title);
    QFETCH(QStringList, boxes);
    QFETCH(int, steps);
    TestWindow w;
    w.pace()->setValue(3);
    w.trigger(title);
    QCOMPARE(QStringList({w.box(names::kAmplitude)->text(), w.box(names::kFrequency)->text(), w.box(names::kPhase)->text()}),
             boxes);
    QCOMPARE(w.pace()->value(), 3);
    QCOMPARE(w.pacer->finishes, 1);
    QCOMPARE(int(w.pacer->deadlines.size()), steps);
}

// The command copied from the menu opens the same set-up: the boxes as they were (a text a
// shell would split, quoted), the slowdown and the sound.
void TestMainWindow::setUpCopiedAsACommandOpensAgain()
{
    TestWindow w;
    w.box(names::kAmplitude)->setText(QStringLiteral("0,8"));
    w.box(names::kPhase)->setText(QStringLiteral("1 5"));
    w.pace()->setValue(2);
    w.window.soundCommands().setVoice(vlnokres::sound::Voice::Second);
    w.window.soundCommands().setBaseTone(110);
    auto trigger = [&](const QString &text) { w.trigger(text); };
    auto copy = [&] {
        trigger(QStringLiteral("Kopírovat jako příkaz"));
        return QApplication::clipboard()->text();
    };
    // What Start would refuse is refused here too, so that what is copied always opens.
    QApplication::clipboard()->clear();
    QCOMPARE(copy(), QString());
    QCOMPARE(w.refusals, QStringList("Neplatná hodnota: Fázový posun musí být číslo."));
    w.box(names::kPhase)->setText(QStringLiteral("15"));
    QCOMPARE(copy(), QStringLiteral("vlnokres --amplitude 0,8 --frequency 1 --phase 15 --slowdown 2 --sound second --tone 110"));
    trigger(QStringLiteral("20 period"));
    QVERIFY(copy().endsWith(QStringLiteral(" --tone 110 --periods 20")));
    trigger(QStringLiteral("2 periody"));
    // Digits of another script, as typed under Arabic, read back on the command line.
    QLocale::setDefault(QLocale(QStringLiteral("ar_EG")));
    w.box(names::kAmplitude)->setText(writeNumber(0.8));
    w.box(names::kPhase)->setText(QStringLiteral("-١٢٫٧٥"));
    const QString arabic = copy();
    QLocale::setDefault(QLocale(QStringLiteral("cs_CZ")));
    QVERIFY2(arabic.contains(QStringLiteral(" --phase -12.75 ")), qPrintable(arabic));
    w.box(names::kPhase)->setText(QStringLiteral("45"));
    for (const QString &text : {QStringLiteral("Pro barvoslepé"), QStringLiteral("Kopírovat jako příkaz")})
        w.trigger(text);
    const auto again = parseCommandLine(QApplication::clipboard()->text().split(u' '));
    QVERIFY(std::holds_alternative<CommandLine>(again));
    TestWindow other;
    other.apply(std::get<CommandLine>(again));
    QCOMPARE(other.box(names::kAmplitude)->text(), QStringLiteral("0,8"));
    QCOMPARE(other.box(names::kPhase)->text(), QStringLiteral("45"));
    QCOMPARE(other.pace()->value(), 2);
    QCOMPARE(other.window.soundCommands().voice(), std::optional(vlnokres::sound::Voice::Second));
    QCOMPARE(other.window.surface().colours(), Colours::ColourBlind);

    // Cursors placed on a long axis stay for it, but what is copied on a shorter one holds only
    // those on its graph, and always opens.
    w.window.setUp().change([](Chosen &c) {
        c.setUp.axis = {100};
        c.setUp.cursors = {101.63, 15.46};
    });
    QVERIFY(copy().endsWith(QStringLiteral(" --periods 100 --cursors 101,63:15,46")));
    trigger(QStringLiteral("2 periody"));
    const QString shorter = copy();
    QVERIFY2(!shorter.contains(QStringLiteral("--cursors")), qPrintable(shorter));
    QVERIFY(std::holds_alternative<CommandLine>(parseCommandLine(shorter.split(u' '))));
}

// Given on the command line with a comma or a dot under any locale, shown in the user's;
// what was not given keeps its start-up value, --start runs at once, and its sound is heard.
void TestMainWindow::commandLineValuesFillTheBoxes_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("Czech") << "cs_CZ";
    QTest::newRow("English") << "en_US";
    QTest::newRow("C") << "C";
}

void TestMainWindow::commandLineValuesFillTheBoxes()
{
    QFETCH(QString, locale);
    QLocale::setDefault(QLocale(locale));
    const auto parsed = parseCommandLine({"vlnokres", "--amplitude", "0,8", "--frequency", "1.5", "--phase", "-45,5",
                                          "--slowdown", "4", "--start", "--sound", "second", "--tone", "440"});
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::Czechia));
    QVERIFY(std::holds_alternative<CommandLine>(parsed));
    TestWindow w;
    w.apply(std::get<CommandLine>(parsed));
    QCOMPARE(w.box(names::kAmplitude)->text(), QStringLiteral("0,8"));
    QCOMPARE(w.box(names::kFrequency)->text(), QStringLiteral("1,5"));
    QCOMPARE(w.box(names::kPhase)->text(), QStringLiteral("-45,5"));
    QCOMPARE(w.pace()->value(), 4);
    QCOMPARE(w.box(names::kSlowdown)->text(), QStringLiteral("4"));
    QTRY_COMPARE(w.pacer->deadlines.size(), std::size_t(vlnokres::kSteps));
    QCOMPARE(w.sounds.value(0), QStringLiteral("play 1 at 440 Hz, A 0.8 f 1.5 -45.5°"));
}

namespace {
void trigger(MainWindow &window, const QString &text)
{
    for (QAction *action : window.actions())
        if (action->text() == text)
            action->trigger();
    QCoreApplication::processEvents();
}
} // namespace

// Hidden, the picture is the run's own without the sum's dots; shown again, it is the run's
// own at the step shown, in the middle of a run and at its end.
void TestMainWindow::hiddenSumComesBackAsDrawn()
{
    TestWindow w;
    int checked = 0;
    auto check = [&] {
        const QImage own = w.window.surface().image().copy();
        trigger(w.window, QStringLiteral("Skrýt součet"));
        const QImage hidden = w.window.surface().image().copy();
        // A screen reader is not told what the class is to predict.
        QVERIFY(w.window.drawingArea().accessibleDescription().contains(QStringLiteral("Součet je skrytý.")));
        trigger(w.window, QStringLiteral("Skrýt součet"));
        QCOMPARE(w.window.surface().image(), own);
        DrawOps withoutSum = w.window.surface().ops();
        // Without the sum's dots, and without the lower diagram's second vector, whose tip
        // traces the sum, and the disc it sweeps.
        std::erase_if(withoutSum, [](const DrawOp &op) {
            const auto *dot = std::get_if<Circle>(&op);
            const auto *line = std::get_if<Line>(&op);
            return (dot && dot->ink == Ink::Foreground) ||
                   (line && (line->ink == Ink::Red || line->ink == Ink::LightYellow) && line->from.y > 240);
        });
        QWidget elsewhere;
        RasterSurface expected(elsewhere, MainWindow::kClientSize);
        expected.setPlacement({}, 1);
        expected.beginScene();
        expected.draw(withoutSum);
        QCOMPARE(hidden, expected.image());
        QVERIFY(hidden != own);
        ++checked;
    };
    w.pacer->atStep = [&](int step) {
        if (step == 400)
            check();
    };
    w.run(QStringLiteral("1"), QStringLiteral("1,1"), QStringLiteral("30"));
    check();
    QCOMPARE(checked, 2);
}

// After a run, clicks on the time graph place A and then B, a third moves the nearer, the
// command line copied carries them, and Escape takes them away.
void TestMainWindow::cursorsArePlacedMovedAndTakenAway()
{
    TestWindow w;
    QVERIFY(w.showActive());
    w.run();
    auto clickAt = [&](double periods) {
        const QPointF scene(340 + 31.4 * 2 * M_PI * periods, 300);
        const QPointF at = QPointF(w.window.surface().shownArea().topLeft()) + scene * w.window.zoom();
        QTest::mouseClick(&w.window, Qt::LeftButton, {}, at.toPoint());
    };
    auto copied = [&] {
        trigger(w.window, QStringLiteral("Kopírovat jako příkaz"));
        return QApplication::clipboard()->text();
    };
    clickAt(0.5);
    clickAt(1.5);
    clickAt(0.25);
    QVERIFY2(copied().endsWith(QStringLiteral(" --cursors 0,25:1,5")), qPrintable(copied()));
    QTest::keyClick(&w.window, Qt::Key_Escape);
    QVERIFY(!copied().contains(QStringLiteral("--cursors")));
    // On a graph of 20 periods the same place is ten times the time.
    trigger(w.window, QStringLiteral("20 period"));
    w.run();
    clickAt(0.5);
    const std::vector<double> &cursors = w.window.setUp().setUp().cursors;
    QVERIFY(cursors.size() == 1 && std::abs(cursors[0] - 5) < 0.05); // a pixel is 0,016 periods there
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
