#include "MainWindow.h"

#include "AppIcon.h"
#include "ControlNames.h"
#include "KeysHelp.h"
#include "MessageBox.h"
#include "NumberText.h"
#include "PaceControl.h"
#include "SetUpCommand.h"
#include "app/language/Language.h"
#include "app/picture/PictureShapes.h"
#include "app/picture/ReadoutText.h"
#include "app/run/RunKeys.h"
#include "app/sound/SoundOutput.h"
#include "core/Picture.h"
#include "core/StartUpValues.h"
#include "core/Zoom.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace vlnokres {

namespace {

constexpr auto kCaption = QT_TRANSLATE_NOOP("vlnokres::Texts", "Součet dvou sinusoid - https://vlnokres.example/");
constexpr auto kPausedSuffix = QT_TRANSLATE_NOOP("vlnokres::Texts", " – pozastaveno");

// Room that a window manager's frame and title bar take around the client area, allowed for
// when the window's start size is chosen (the frame is not known before the window shows):
// the design's own, an 800 × 600 window around the 792 × 573 client area.
constexpr QSize kFrameAllowance{8, 27};

// The actions whose state the window shows: which it enables, checks or names as the run and
// the preferences change.
enum Role { Plain, Pause, Step, Stop, Picture, Readouts, SumHidden, Labels, Palette, Axis, Languages, SoundOnOff, SoundSample };

// The time graph's spans as the menu names them: "periody" after two to four, else "period".
const char *axisTitle(int periods)
{
    switch (periods) {
    case 2: return QT_TRANSLATE_NOOP("vlnokres::Texts", "2 periody");
    case 20: return QT_TRANSLATE_NOOP("vlnokres::Texts", "20 period");
    default: return QT_TRANSLATE_NOOP("vlnokres::Texts", "100 period");
    }
}

// How often the readouts' values are repainted while a run goes on.
constexpr int kReadoutTick = 30; // ms

// The palettes as the menu names them.
const char *paletteTitle(Colours colours)
{
    switch (colours) {
    case Colours::Standard: return QT_TRANSLATE_NOOP("vlnokres::Texts", "Původní");
    case Colours::ColourBlind: return QT_TRANSLATE_NOOP("vlnokres::Texts", "Pro barvoslepé");
    case Colours::Print: return QT_TRANSLATE_NOOP("vlnokres::Texts", "Pro tisk a projektor");
    }
    return paletteTitle(Colours::Standard);
}

// Where the resultant of the labels may lie: around the lower diagram, as far as the longest
// second vector reaches, with its arrow head.
constexpr Rect kResultantArea{38, 258, 302, 523};

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent), m_form(*this), m_surface(*this, kClientSize), m_run(*this, m_surface, m_heldInput),
      m_refuse([this](const Message &message) { showMessageBox(*this, message); }),
      m_picture(*this, m_surface.drawing(), m_run, [this](const Message &message) { m_refuse(message); }),
      m_sound(*this, m_run, std::make_unique<SoundOutput>())
{
    setObjectName(QString::fromUtf8(names::kMainWindow));
    setWindowIcon(appIcon());
    setMinimumSize(QSizeF(QSizeF(kClientSize) * zoom::kSmallest).toSize());

    for (QLabel *label : findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
        m_surface.addLabel(label, m_form.designRectOf(label));
    // The drawing is painted by the window itself; this widget, under every control, invisible
    // and letting every click through, gives it words for screen readers.
    m_drawingArea = new QWidget(this);
    m_drawingArea->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_drawingArea->setAccessibleName(Texts::tr("Kresba součtu dvou sinusoid"));
    m_drawingArea->lower();
    m_boxes = {
        .amplitude = control<QLineEdit>(names::kAmplitude),
        .frequency = control<QLineEdit>(names::kFrequency),
        .phase = control<QLineEdit>(names::kPhase),
        .slowdown = control<QLineEdit>(names::kSlowdown),
    };
    connectPaceControl(*control<QScrollBar>(names::kPace), *m_boxes.slowdown, m_axis);
    writeStartUpValues();
    m_readoutTicker = new QTimer(this);
    m_readoutTicker->setInterval(kReadoutTick);
    connect(m_readoutTicker, &QTimer::timeout, this, [this] {
        update(readoutArea());
        if (m_labels)
            update(windowArea(kResultantArea));
    });
    m_picture.setView([this] { return view(); });
    m_actions = createActions();
    listenToTheRun();
    m_sound.setChoiceListeners([this] { remember([this](Preferences &p) { p.voice = m_sound.voice(); }); },
                               [this] { remember([this](Preferences &p) { p.baseTone = m_sound.baseTone(); }); });
    m_heldInput.setImmediateInput([this](QWindow &window, QEvent &event) { return duringRun(window, event); });

    m_stepping = std::make_unique<BoxStepping>(m_boxes, [this] { showBoxes(); });
    m_dragging = std::make_unique<VectorDragging>(
        *this, m_run,
        [this](QPointF at) { return (at - QPointF(m_surface.shownArea().topLeft())) / m_zoom; },
        [this](const drag::Values &values) { dragTo(values); }, [this] { m_sound.dragEnded(); });
    // Enter in a box presses Start, the form's default action.
    for (QLineEdit *box : {m_boxes.amplitude, m_boxes.frequency, m_boxes.phase})
        connect(box, &QLineEdit::returnPressed, control<QPushButton>(names::kStart), &QPushButton::click);
    connect(control<QPushButton>(names::kStart), &QPushButton::clicked, this, &MainWindow::start);
    connect(control<QPushButton>(names::kExit), &QPushButton::clicked, this, &QWidget::close);

    showRunState();
    resizeAtStart(1);
}

// The zoom wanted, unless the screen's free area is smaller.
void MainWindow::resizeAtStart(double wanted)
{
    const QRect free = screen()->availableGeometry();
    const double zoom =
        zoom::atStart(free.width() - kFrameAllowance.width(), free.height() - kFrameAllowance.height(), wanted);
    resize(QSizeF(QSizeF(kClientSize) * zoom).toSize());
}

bool MainWindow::restore(std::unique_ptr<PreferenceStore> store)
{
    m_store = std::move(store);
    m_remembered = m_store->load();
    const Preferences &p = m_remembered;
    resizeAtStart(p.zoom);
    m_sound.setVoice(p.voice);
    m_sound.setBaseTone(p.baseTone);
    setReadouts(p.readouts);
    setColours(p.colours);
    setLanguage(p.language);
    m_picture.setFolder(p.saveFolder);
    return p.fullScreen;
}

void MainWindow::remember(const std::function<void(Preferences &)> &change)
{
    if (!m_store)
        return;
    change(m_remembered);
    m_store->save(m_remembered);
}

// The view as it is left; a full-screen window's zoom is the one it goes back to.
void MainWindow::closeEvent(QCloseEvent *event)
{
    remember([this](Preferences &p) {
        p.fullScreen = isFullScreen();
        const QSize normal = isFullScreen() || isMaximized() ? normalGeometry().size() : size();
        p.zoom = zoom::toFit(normal.width(), normal.height());
        p.saveFolder = m_picture.folder();
    });
    QWidget::closeEvent(event);
}

// The form is built from a fixed table, so a missing control is a fault of the program itself.
template <typename Control>
Control *MainWindow::control(const char *name) const
{
    auto *found = findChild<Control *>(QString::fromUtf8(name), Qt::FindDirectChildrenOnly);
    if (!found)
        qFatal("The form has no control named %s", name);
    return found;
}

void MainWindow::writeStartUpValues()
{
    m_boxes.amplitude->setText(writeNumber(startup::kAmplitude));
    m_boxes.frequency->setText(writeNumber(startup::kFrequency));
    m_boxes.phase->setText(writeNumber(startup::kPhaseDegrees));
    m_boxes.slowdown->setText(writeNumber(startup::kSlowdown));
    control<QScrollBar>(names::kPace)->setValue(startup::kSlowdown);
}

// Every action of the window and of the drawing area's menu, in the menu's order. The view's
// act during a run too; pause, the steps and stop are the run's keys (see duringRun).
std::unique_ptr<ActionTable> MainWindow::createActions()
{
    using Part = ActionRow::Part;
    using Keys = ActionRow::Keys;
    auto key = [](QKeyCombination combination) { return QList<QKeySequence>{QKeySequence(combination)}; };
    std::vector<ActionRow> rows = {
        {QT_TRANSLATE_NOOP("vlnokres::Texts", "Celá obrazovka"), key(Qt::Key_F11), Part::View, [this] { toggleFullScreen(); }},
        {QT_TRANSLATE_NOOP("vlnokres::Texts", "Původní velikost"), key(Qt::CTRL | Qt::Key_0), Part::View, [this] { resizeForZoom(1); }},
        {QT_TRANSLATE_NOOP("vlnokres::Texts", "Zvětšit"), {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)}, Part::View,
         [this] { resizeForZoom(zoom::larger(m_zoom)); }},
        {QT_TRANSLATE_NOOP("vlnokres::Texts", "Zmenšit"), key(Qt::CTRL | Qt::Key_Minus), Part::View, [this] { resizeForZoom(zoom::smaller(m_zoom)); }},
        {"", key(Qt::Key_P), Part::Run, [this] { m_run.togglePause(); }, nullptr, Keys::Run, false, Pause},
        {QT_TRANSLATE_NOOP("vlnokres::Texts", "O krok zpět"), key(Qt::Key_Left), Part::Run, [this] { m_run.moveToStep(m_run.shownStep() - 1); }, nullptr,
         Keys::Run, false, Step},
        {QT_TRANSLATE_NOOP("vlnokres::Texts", "O krok vpřed"), key(Qt::Key_Right), Part::Run, [this] { m_run.moveToStep(m_run.shownStep() + 1); }, nullptr,
         Keys::Run, false, Step},
        {QT_TRANSLATE_NOOP("vlnokres::Texts", "Zastavit"), key(Qt::Key_Escape), Part::Run, [this] { m_run.stop(); }, nullptr, Keys::Run, false, Stop},
        {QT_TRANSLATE_NOOP("vlnokres::Texts", "Uložit obrázek…"), key(Qt::CTRL | Qt::Key_S), Part::Picture, [this] { afterTheRun([this] { m_picture.save(); }); },
         nullptr, Keys::Window, false, Picture},
        {QT_TRANSLATE_NOOP("vlnokres::Texts", "Kopírovat obrázek"), key(Qt::CTRL | Qt::SHIFT | Qt::Key_C), Part::Picture,
         [this] { afterTheRun([this] { m_picture.copy(); }); }, nullptr, Keys::Window, false, Picture},
        {QT_TRANSLATE_NOOP("vlnokres::Texts", "Tisk…"), key(Qt::CTRL | Qt::Key_P), Part::Picture, [this] { afterTheRun([this] { m_picture.print(); }); }, nullptr,
         Keys::Window, false, Picture},
        {QT_TRANSLATE_NOOP("vlnokres::Texts", "Hodnoty"), key(Qt::CTRL | Qt::Key_H), Part::Lesson,
         [this] {
             setReadouts(!m_readouts);
             remember([this](Preferences &p) { p.readouts = m_readouts; });
         },
         nullptr, Keys::Window, true, Readouts},
        {QT_TRANSLATE_NOOP("vlnokres::Texts", "Skrýt součet"), key(Qt::CTRL | Qt::Key_R), Part::Lesson, [this] { setSumHidden(!m_surface.look().sumHidden); },
         nullptr, Keys::Window, true, SumHidden},
        {QT_TRANSLATE_NOOP("vlnokres::Texts", "Popisky"), key(Qt::CTRL | Qt::Key_L), Part::Lesson, [this] { setLabels(!m_labels); }, nullptr, Keys::Window,
         true, Labels},
    };
    for (const Preset &preset : kPresets)
        rows.push_back({preset.title, {}, Part::Lesson, [this, &preset] { applyPreset(preset); }, QT_TRANSLATE_NOOP("vlnokres::Texts", "Příklady")});
    for (const int periods : kAxisPeriods)
        rows.push_back({axisTitle(periods), {}, Part::Lesson, [this, periods] { setAxis({periods}); }, QT_TRANSLATE_NOOP("vlnokres::Texts", "Časová osa"),
                        Keys::Window, true, Axis});
    rows.push_back({QT_TRANSLATE_NOOP("vlnokres::Texts", "Kopírovat jako příkaz"), {}, Part::Lesson, [this] { copySetUp(); }});
    for (const ColoursName &palette : kColoursNames) {
        const Colours colours = palette.colours;
        rows.push_back({paletteTitle(colours), {}, Part::Lesson,
                        [this, colours] {
                            setColours(colours);
                            remember([colours](Preferences &p) { p.colours = colours; });
                        },
                        QT_TRANSLATE_NOOP("vlnokres::Texts", "Barvy"), Keys::Window, true, Palette});
    }
    // Each language is named in its own words, so that anyone finds theirs.
    for (const LanguageName &named : kLanguageNames) {
        const Language language = named.language;
        rows.push_back({language == Language::Czech ? "Čeština" : "English", {}, Part::Lesson,
                        [this, language] {
                            setLanguage(language);
                            remember([language](Preferences &p) { p.language = language; });
                        },
                        QT_TRANSLATE_NOOP("vlnokres::Texts", "Jazyk"), Keys::Window, true, Languages});
    }
    rows.push_back({QT_TRANSLATE_NOOP("vlnokres::Texts", "Zvuk zapnout a vypnout"), key(Qt::CTRL | Qt::Key_M), Part::Sound, [this] { m_sound.toggle(); },
                    nullptr, Keys::Window, false, SoundOnOff});
    rows.push_back({QT_TRANSLATE_NOOP("vlnokres::Texts", "Přehrát zvuk"), key(Qt::CTRL | Qt::SHIFT | Qt::Key_M), Part::Sound, [this] { playSample(); },
                    nullptr, Keys::Window, false, SoundSample});
    rows.push_back({QT_TRANSLATE_NOOP("vlnokres::Texts", "Klávesové zkratky"), key(Qt::Key_F1), Part::Help, [this] { showKeysHelp(*this); }});

    auto table = std::make_unique<ActionTable>(*this, std::move(rows));
    const QList<QAction *> palettes = table->withRole(Palette);
    for (qsizetype i = 0; i < palettes.size(); ++i)
        palettes[i]->setData(int(kColoursNames[std::size_t(i)].colours));
    palettes.first()->setChecked(true);
    const QList<QAction *> languages = table->withRole(Languages);
    for (qsizetype i = 0; i < languages.size(); ++i)
        languages[i]->setData(int(kLanguageNames[std::size_t(i)].language));
    const QList<QAction *> axes = table->withRole(Axis);
    for (qsizetype i = 0; i < axes.size(); ++i)
        axes[i]->setData(kAxisPeriods[std::size_t(i)]);
    axes.first()->setChecked(true);
    return table;
}

// The busy pointer says that what users click now waits for the run's end; the readouts'
// ticker repaints their values while the steps go by, and stands still with a paused run.
void MainWindow::listenToTheRun()
{
    connect(&m_run, &RunController::started, this, [this] {
        QApplication::setOverrideCursor(Qt::BusyCursor);
        showRunState();
    });
    connect(&m_run, &RunController::pausedChanged, this, [this] { showRunState(); });
    connect(&m_run, &RunController::stepShown, this, [this] { showRunState(); });
    connect(&m_run, &RunController::ended, this, [this] {
        QApplication::restoreOverrideCursor();
        showRunState();
    });
}

// Saving and copying wait for a run's end, as Start does, so that they take its final picture;
// a paused run's picture they take at once.
void MainWindow::afterTheRun(const std::function<void()> &command)
{
    if (m_run.isRunning() && !m_run.isPaused())
        m_heldInput.defer(*windowHandle(), command);
    else
        command();
}

void MainWindow::apply(const WindowOptions &options)
{
    if (options.amplitude)
        m_boxes.amplitude->setText(writeNumber(*options.amplitude));
    if (options.frequency)
        m_boxes.frequency->setText(writeNumber(*options.frequency));
    if (options.phaseDegrees)
        m_boxes.phase->setText(writeNumber(*options.phaseDegrees));
    if (options.slowdown)
        control<QScrollBar>(names::kPace)->setValue(*options.slowdown);
    if (options.sound)
        m_sound.setVoice(options.sound);
    if (options.baseTone)
        m_sound.setBaseTone(*options.baseTone);
    if (options.readouts)
        setReadouts(true);
    if (options.colours)
        setColours(*options.colours);
    if (options.hideSum)
        setSumHidden(true);
    if (options.labels)
        setLabels(true);
    if (!options.cursors.empty())
        setCursors(options.cursors);
    if (options.periods)
        setAxis({*options.periods});
    if (options.language)
        setLanguage(*options.language);
    if (options.start)
        QTimer::singleShot(0, this, [this] { control<QPushButton>(names::kStart)->click(); });
}

// A few seconds of the boxes' values, checked as Start checks them; like Start, it waits for
// a run's end.
void MainWindow::playSample()
{
    if (m_run.isRunning()) {
        m_heldInput.defer(*windowHandle(), [this] { playSample(); });
        return;
    }
    const auto checked = checkedBoxes(m_boxes);
    if (const auto *refusal = std::get_if<Message>(&checked))
        m_refuse(*refusal);
    else
        m_sound.playSample(std::get<Parameters>(checked));
}

// An example fills the boxes as if typed and sets the time graph's span (the slowdown stays),
// and starts its run; like typing and Start, it waits for a run's end.
void MainWindow::applyPreset(const Preset &preset)
{
    if (m_run.isRunning()) {
        m_heldInput.defer(*windowHandle(), [this, &preset] { applyPreset(preset); });
        return;
    }
    m_boxes.amplitude->setText(writeNumber(preset.amplitude));
    m_boxes.frequency->setText(writeNumber(preset.frequency));
    m_boxes.phase->setText(writeNumber(preset.phaseDegrees));
    setAxis({preset.periods});
    control<QPushButton>(names::kStart)->click();
}

void MainWindow::copySetUp()
{
    QApplication::clipboard()->setText(commandFor({
        .amplitude = m_boxes.amplitude->text(),
        .frequency = m_boxes.frequency->text(),
        .phase = m_boxes.phase->text(),
        .slowdown = control<QScrollBar>(names::kPace)->value(),
        .voice = m_sound.voice(),
        .baseTone = m_sound.baseTone(),
        .readouts = m_readouts,
        .colours = m_surface.colours(),
        .periods = m_axis.periods,
        .sumHidden = m_surface.look().sumHidden,
        .labels = m_labels,
        .cursors = m_cursors,
    }));
}

void MainWindow::start() { runStartCommand(m_boxes, {m_surface, m_run, m_refuse, m_readouts, m_axis}); }

// The dragged vector's values go into the boxes, and the picture and the sound follow; the
// frequency stays the picture's own, whatever the box holds meanwhile.
void MainWindow::dragTo(const drag::Values &values)
{
    m_boxes.amplitude->setText(writeNumber(values.amplitude));
    m_boxes.phase->setText(writeNumber(values.phaseDegrees));
    const auto checked = checkParameters({values.amplitude, m_run.lastRun()->parameters.frequency, values.phaseDegrees});
    const auto *parameters = std::get_if<Parameters>(&checked);
    if (!parameters)
        return;
    showFinished(*parameters);
    m_sound.dragMoved(*parameters);
}

// A stepped box shows the finished run of the boxes' values at once; values that Start would
// refuse show nothing new, and Start still says why.
void MainWindow::showBoxes()
{
    const auto checked = checkedBoxes(m_boxes);
    if (const auto *parameters = std::get_if<Parameters>(&checked))
        showFinished(*parameters);
}

// At the pace and with the readouts that a run started now would take.
void MainWindow::showFinished(const Parameters &parameters)
{
    m_run.show({parameters, control<QScrollBar>(names::kPace)->value(), m_readouts, m_axis});
}

// The readouts show at once; the envelope, drawn under the run, comes with the picture drawn
// anew, now where no run is animating, or with the next run.
void MainWindow::setReadouts(bool on)
{
    m_readouts = on;
    m_actions->firstWithRole(Readouts)->setChecked(on);
    m_run.redraw(on);
    showRunState();
}

// The drawing, the pictures and the animations all take the palette from now on.
void MainWindow::setColours(Colours colours)
{
    m_surface.setColours(colours);
    for (QAction *action : m_actions->withRole(Palette))
        action->setChecked(Colours(action->data().toInt()) == colours);
    update();
}

// The sum's trace, its envelope and readouts and the resultant go, or come back at once as
// the run drew them at the step shown; runs, steps and pictures go on without them.
void MainWindow::setSumHidden(bool hidden)
{
    m_surface.setLook({m_surface.colours(), hidden});
    m_actions->firstWithRole(SumHidden)->setChecked(hidden);
    showRunState();
    update();
}

// Every text of the window, its menus, its dialogs and the toolkit's own at once, and the
// boxes' numbers in the language's notation.
void MainWindow::setLanguage(Language language)
{
    const QLocale before;
    vlnokres::setLanguage(language);
    // A number keeps its digits; only its decimal sign changes.
    for (QLineEdit *box : {m_boxes.amplitude, m_boxes.frequency, m_boxes.phase})
        if (readNumber(box->text(), before))
            box->setText(QString(box->text()).replace(before.decimalPoint(), QLocale().decimalPoint()));
    m_form.retranslate();
    m_actions->retranslate();
    m_sound.retranslate();
    forgetKeysHelp(*this);
    m_drawingArea->setAccessibleName(Texts::tr("Kresba součtu dvou sinusoid"));
    auto *pace = control<QScrollBar>(names::kPace);
    pace->setToolTip(paceText(pace->value(), m_axis));
    for (QAction *action : m_actions->withRole(Languages))
        action->setChecked(Language(action->data().toInt()) == language);
    showRunState();
    update();
}

void MainWindow::setLabels(bool on)
{
    m_labels = on;
    m_actions->firstWithRole(Labels)->setChecked(on);
    showRunState(); // the resultant follows a run's steps
    update();
}

void MainWindow::setCursors(std::vector<double> cursors)
{
    m_cursors = std::move(cursors);
    update();
}

PictureText MainWindow::overlay() const
{
    const auto &last = m_run.lastRun();
    if (!last)
        return {};
    const PictureView shown = view();
    return overlayText(last->parameters, std::max(1, m_run.shownStep()), last->axis, shown.look, shown.readouts,
                       shown.marks);
}

// The span of the graph the next run takes, like the boxes' values; like typing, a choice
// made during a run waits for its end.
void MainWindow::setAxis(TimeAxis axis)
{
    if (m_run.isRunning()) {
        m_heldInput.defer(*windowHandle(), [this, axis] { setAxis(axis); });
        showRunState();
        return;
    }
    m_axis = axis;
    auto *pace = control<QScrollBar>(names::kPace);
    pace->setToolTip(paceText(pace->value(), axis));
    showRunState();
}

QRect MainWindow::readoutArea() const { return windowArea(picture::kReadoutArea); }

QRect MainWindow::windowArea(const Rect &a) const
{
    const QRectF design(a.left, a.top, a.right - a.left, a.bottom - a.top);
    const QRect shown = m_surface.shownArea();
    return QRectF(shown.topLeft() + design.topLeft() * m_zoom, design.size() * m_zoom).toAlignedRect();
}

Point MainWindow::scenePoint(QPointF at) const
{
    const QPointF scene = (at - QPointF(m_surface.shownArea().topLeft())) / m_zoom;
    return {scene.x(), scene.y()};
}

void MainWindow::showRunState()
{
    const bool running = m_run.isRunning();
    const bool paused = m_run.isPaused();
    const QString where = Texts::tr(" – krok %1 z %2").arg(m_run.shownStep()).arg(m_run.axis().steps());
    setWindowTitle(Texts::tr(kCaption) + (paused ? where + Texts::tr(kPausedSuffix) : QString()));
    QAction *pause = m_actions->firstWithRole(Pause);
    pause->setText(paused ? Texts::tr("Pokračovat") : Texts::tr("Pozastavit"));
    pause->setEnabled(running);
    m_actions->firstWithRole(Stop)->setEnabled(running);
    for (QAction *action : m_actions->withRole(Step))
        action->setEnabled(paused);
    // Once a run has drawn, there is a picture to save and copy.
    for (QAction *action : m_actions->withRole(Picture))
        action->setEnabled(m_picture.available() || running);
    const auto &last = m_run.lastRun();
    m_drawingArea->setAccessibleDescription(
        pictureDescription(last ? &last->parameters : nullptr, running && !paused ? 0 : m_run.shownStep(), paused,
                           m_run.axis(), !m_surface.look().sumHidden));
    for (QAction *action : m_actions->withRole(Axis))
        action->setChecked(action->data().toInt() == m_axis.periods);
    running && !paused && (m_readouts || m_labels) ? m_readoutTicker->start() : m_readoutTicker->stop();
    update(readoutArea());
    if (m_labels)
        update(windowArea(kResultantArea));
}

// During a run: P and Pause pause or resume it, Escape stops it, the step keys move a paused
// one, and a right click on the drawing area opens the view's menu; all at once. The rest of
// the main window's input waits for the run's end. The program's own dialogs take their input
// at once, Escape closing them and not the run, and while the key help is open, P and Pause
// still pause and resume the run.
HeldInput::Immediate MainWindow::duringRun(QWindow &window, QEvent &event)
{
    const bool keyEvent = event.type() == QEvent::KeyPress || event.type() == QEvent::KeyRelease;
    if (keyEvent) {
        const auto &key = static_cast<const QKeyEvent &>(event);
        const RunKey runKey =
            runKeyOf(key.key(), key.modifiers(), m_run.isPaused(), m_run.shownStep(), m_run.axis());
        const bool here = &window == windowHandle();
        if (!here && !(runKey.act == RunKey::Act::TogglePause && isKeysHelp(window)))
            return HeldInput::Immediate::PassOn;
        if (runKey.act == RunKey::Act::None)
            return HeldInput::Immediate::No;
        // Moving repeats with a held key; pausing and stopping do not.
        if (event.type() == QEvent::KeyPress && (runKey.act == RunKey::Act::MoveTo || !key.isAutoRepeat())) {
            switch (runKey.act) {
            case RunKey::Act::TogglePause: m_run.togglePause(); break;
            case RunKey::Act::Stop: m_run.stop(); break;
            case RunKey::Act::MoveTo: m_run.moveToStep(runKey.step); break;
            case RunKey::Act::None: break;
            }
        }
        return HeldInput::Immediate::Handled;
    }
    if (&window != windowHandle())
        return HeldInput::Immediate::PassOn;
    if (auto *mouse = dynamic_cast<QMouseEvent *>(&event)) {
        const bool rightClick = (mouse->button() == Qt::RightButton || mouse->buttons() == Qt::RightButton) &&
                                (event.type() == QEvent::MouseButtonPress || event.type() == QEvent::MouseButtonRelease);
        if (rightClick && onDrawingArea(mouse->position().toPoint()))
            return HeldInput::Immediate::PassOn;
        // A paused run is measured on: the cursors are placed at once.
        const bool leftPress = mouse->button() == Qt::LeftButton && event.type() == QEvent::MouseButtonPress;
        if (leftPress && m_run.isPaused() && marks::onTimeGraph(scenePoint(mouse->position())) &&
            onDrawingArea(mouse->position().toPoint()))
            return HeldInput::Immediate::PassOn;
    }
    if (event.type() == QEvent::ContextMenu)
        return HeldInput::Immediate::PassOn;
    return HeldInput::Immediate::No;
}

bool MainWindow::onDrawingArea(QPoint position) const
{
    const QWidget *child = childAt(position);
    return !child || qobject_cast<const QLabel *>(child);
}

void MainWindow::contextMenuEvent(QContextMenuEvent *event)
{
    if (event->reason() == QContextMenuEvent::Mouse && !onDrawingArea(event->pos()))
        return;
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setAccessibleName(Texts::tr("Zobrazení"));
    m_actions->fillMenu(*menu, [this](ActionRow::Part part, QMenu &into) {
        if (part != ActionRow::Part::Sound)
            return false;
        m_sound.fillMenu(*into.addMenu(Texts::tr("Zvuk")), m_actions->firstWithRole(SoundOnOff),
                         m_actions->firstWithRole(SoundSample), readNumber(m_boxes.frequency->text()));
        return true;
    });
    // Not exec(): a run going on must not stop while the menu is open.
    menu->popup(event->reason() == QContextMenuEvent::Mouse ? event->globalPos()
                                                           : mapToGlobal(m_surface.shownArea().center()));
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    // Escape takes the cursors away first; the next leaves full screen.
    if (event->key() == Qt::Key_Escape && !m_cursors.empty() && !m_run.isRunning()) {
        setCursors({});
        return;
    }
    if (event->key() == Qt::Key_Escape && isFullScreen()) {
        showNormal();
        return;
    }
    QWidget::keyPressEvent(event);
}

// A click on the time graph places a cursor where no run goes on, or where it is paused.
void MainWindow::mousePressEvent(QMouseEvent *event)
{
    const auto &last = m_run.lastRun();
    const Point at = scenePoint(event->position());
    if (event->button() != Qt::LeftButton || !last || (m_run.isRunning() && !m_run.isPaused()) ||
        !marks::onTimeGraph(at)) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (const auto time = marks::timeAtX(at.x, last->axis))
        setCursors(marks::clickedAt(m_cursors, *time));
}

void MainWindow::toggleFullScreen() { isFullScreen() ? showNormal() : showFullScreen(); }

// A window larger than the screen's free area is made as large as it allows.
void MainWindow::resizeForZoom(double wanted)
{
    if (isFullScreen() || isMaximized())
        showNormal();
    const QRect free = screen()->availableGeometry();
    const QSize frame = frameGeometry().size() - size();
    const double fitting = zoom::toFit(free.width() - frame.width(), free.height() - frame.height());
    const double zoom = std::max(zoom::kSmallest, std::min(wanted, fitting));
    resize(QSizeF(QSizeF(kClientSize) * zoom).toSize());
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_zoom = zoom::toFit(width(), height());
    const QSizeF content = QSizeF(kClientSize) * m_zoom;
    const QPoint origin(int(std::lround((width() - content.width()) / 2)),
                        int(std::lround((height() - content.height()) / 2)));
    m_form.place(m_zoom, origin);
    m_surface.setPlacement(origin, m_zoom);
    const Rect &band = picture::kArea;
    m_drawingArea->setGeometry(QRectF(origin + QPointF(band.left, band.top) * m_zoom,
                                      QSizeF(picture::kWidth, picture::kHeight) * m_zoom)
                                   .toAlignedRect());
    update();
}

void MainWindow::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    for (const QRect &around : event->region() - m_surface.coveredArea())
        painter.fillRect(around, palette().window());
    m_surface.paint(painter, event->rect());
    // Nothing over the picture: a run's repaints do no more than before.
    if (!m_readouts && !m_labels && m_cursors.empty())
        return;
    const PictureText over = overlay();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(m_surface.shownArea().topLeft());
    painter.scale(m_zoom, m_zoom);
    PainterSink sink(painter);
    emitMarks(sink, over.marks, over.cursorValues);
    emitReadouts(sink, over.readouts);
}

} // namespace vlnokres
