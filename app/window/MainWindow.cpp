#include "MainWindow.h"

#include "AppIcon.h"
#include "ControlNames.h"
#include "KeysHelp.h"
#include "MessageBox.h"
#include "Mnemonics.h"
#include "RunInput.h"
#include "WindowSize.h"
#include "app/language/Language.h"
#include "app/language/NumberText.h"
#include "app/picture/ReadoutText.h"
#include "app/setup/SetUpOptions.h"
#include "app/run/AfterEvent.h"
#include "app/sound/SoundProcess.h"
#include "core/LessonMarks.h"
#include "core/Picture.h"
#include "core/Zoom.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QKeyEvent>
#include <QLineF>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace vlnokres {

namespace {

constexpr auto kCaption = QT_TRANSLATE_NOOP("vlnokres::Texts", "Součet dvou sinusoid - https://vlnokres.example/");
constexpr auto kPausedSuffix = QT_TRANSLATE_NOOP("vlnokres::Texts", " – pozastaveno");

// A press held this long without moving opens the drawing area's menu, as a whiteboard's
// right click; moving farther than this (designed pixels) is a drag instead.
constexpr int kLongPress = 600; // ms
constexpr double kStillWithin = 8;

// The actions whose state the window shows: which it enables or names as the run changes.
enum Role { Plain, Pause, Step, Stop, Picture, SoundOnOff, SoundSample };

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent), m_form(*this), m_surface(*this, kClientSize), m_run(*this, m_surface, m_heldInput, m_setUp),
      m_refuse([this](const Message &message) { showMessageBox(*this, message); }),
      m_picture(*this, m_surface, m_run, [this](const Message &message) { m_refuse(message); }),
      m_sound(*this, m_run, m_setUp, std::make_unique<SoundProcess>()), m_overlay(*this, m_surface, m_run, m_setUp)
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
    // In the Tab order after the boxes, so that the arrow keys can turn the vector.
    m_drawingArea->setFocusPolicy(Qt::TabFocus);
    m_boxes = {
        .amplitude = control<QLineEdit>(names::kAmplitude),
        .frequency = control<QLineEdit>(names::kFrequency),
        .phase = control<QLineEdit>(names::kPhase),
        .slowdown = control<QLineEdit>(names::kSlowdown),
    };
    m_formBinding = std::make_unique<FormBinding>(m_boxes, *control<QScrollBar>(names::kPace), m_setUp);
    m_actions = createActions();
    m_lessons = std::make_unique<LessonCommands>(
        *this, m_setUp,
        LessonCommands::Window{
            .whenFree = [this](const std::function<void()> &command) { whenNoRun(command); },
            .showSetUp = [this] { showBoxes(); },
            .tell = [this](const QString &text) { m_refuse({Texts::tr("Lekce").toStdString(), text.toStdString()}); },
            .keepRecent = [this](const QStringList &paths) { if (m_remembered) m_remembered->keepRecentLessons(paths); },
        });
    connect(m_lessons.get(), &LessonCommands::changed, this, [this] {
        showRunState();
        update();
    });
    m_picture.setQuestionSource([this] { return m_lessons->question(); });
    m_overlay.setQuestionSource([this] { return m_lessons->question(); });
    setAcceptDrops(true);
    // The menu within reach without a right click: F10 and Shift+F10 anywhere in the window,
    // the Menu key on a control too (whose own menu a right click still opens), and a press
    // held still on the drawing area.
    auto *menuKeys = new QAction(this);
    menuKeys->setShortcuts({QKeySequence(Qt::Key_F10), QKeySequence(Qt::SHIFT | Qt::Key_F10)});
    connect(menuKeys, &QAction::triggered, this, [this] { openMenu(); });
    addAction(menuKeys);
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);
    QWidget::setTabOrder(m_boxes.phase, m_drawingArea);
    m_keyTurnEnds = new QTimer(this);
    m_keyTurnEnds->setSingleShot(true);
    m_keyTurnEnds->setInterval(400);
    connect(m_keyTurnEnds, &QTimer::timeout, this, [this] { m_sound.dragEnded(); });
    m_longPress = new QTimer(this);
    m_longPress->setSingleShot(true);
    m_longPress->setInterval(kLongPress);
    connect(m_longPress, &QTimer::timeout, this, [this] { openMenu(mapToGlobal(m_pressedAt)); });
    listenToTheRun();
    listenToTheSetUp();
    m_heldInput.setImmediateInput(RunInput(*this, m_run, [this](QPointF at) { return scenePoint(at); }));

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
    resizeAtStart(*this, kClientSize, 1);
}

bool MainWindow::restore(std::unique_ptr<PreferenceStore> store)
{
    m_remembered = std::make_unique<ChoicesRemembered>(m_setUp, std::move(store));
    const Preferences &p = m_remembered->kept();
    resizeAtStart(*this, kClientSize, p.zoom);
    QStringList remembered;
    for (const SetUpOption &option : setUpOptions())
        if (option.settingsKey)
            remembered << QLatin1String(option.name);
    apply(p.chosen, remembered);
    m_picture.setFolder(p.saveFolder);
    m_lessons->setRecent(p.recentLessons);
    return p.fullScreen;
}

// The view as it is left; a full-screen window's zoom is the one it goes back to.
void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!m_lessons->mayLeave()) {
        event->ignore();
        return;
    }
    if (m_remembered) {
        const QSize normal = isFullScreen() || isMaximized() ? normalGeometry().size() : size();
        m_remembered->keepPlace(zoom::toFit(normal.width(), normal.height()), isFullScreen(), m_picture.folder());
    }
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

// Every action of the window and of the drawing area's menu, in the menu's order. The view's
// act during a run too; pause, the steps and stop are the run's keys (see duringRun).
std::unique_ptr<ActionTable> MainWindow::createActions()
{
    using Part = ActionRow::Part;
    using Keys = ActionRow::Keys;
    auto key = [](QKeyCombination combination) { return QList<QKeySequence>{QKeySequence(combination)}; };
    std::vector<ActionRow> rows = {
        {QT_TRANSLATE_NOOP("vlnokres::Texts", "Celá obrazovka"), key(Qt::Key_F11), Part::View, [this] { isFullScreen() ? showNormal() : showFullScreen(); }},
        {QT_TRANSLATE_NOOP("vlnokres::Texts", "Původní velikost"), key(Qt::CTRL | Qt::Key_0), Part::View, [this] { resizeForZoom(*this, kClientSize, 1); }},
        {QT_TRANSLATE_NOOP("vlnokres::Texts", "Zvětšit"), {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)}, Part::View,
         [this] { resizeForZoom(*this, kClientSize, zoom::larger(m_zoom)); }},
        {QT_TRANSLATE_NOOP("vlnokres::Texts", "Zmenšit"), key(Qt::CTRL | Qt::Key_Minus), Part::View, [this] { resizeForZoom(*this, kClientSize, zoom::smaller(m_zoom)); }},
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
    };
    const auto choose = [this](const SetUpOption &option, const OptionChoice *choice) { this->choose(option, choice); };
    auto offer = [&](const char *option) {
        for (ActionRow &row : optionRows(setUpOption(option), Part::Lesson, choose))
            rows.push_back(std::move(row));
    };
    for (const char *option : {"values", "hide-sum", "labels", "perpendicular"})
        offer(option);
    for (const Preset &preset : kPresets)
        rows.push_back({preset.title, {}, Part::Lesson, [this, &preset] { endingTheRun([this, &preset] { applyPreset(preset); }); },
                        QT_TRANSLATE_NOOP("vlnokres::Texts", "Příklady")});
    offer("periods");
    rows.push_back({QT_TRANSLATE_NOOP("vlnokres::Texts", "Kopírovat jako příkaz"), {}, Part::Lesson, [this] { copySetUp(); }});
    offer("colours");
    offer("large-text");
    offer("language");
    rows.push_back({QT_TRANSLATE_NOOP("vlnokres::Texts", "Zvuk zapnout a vypnout"), key(Qt::CTRL | Qt::Key_M), Part::Sound, [this] { m_sound.toggle(); },
                    nullptr, Keys::Window, false, SoundOnOff});
    rows.push_back({QT_TRANSLATE_NOOP("vlnokres::Texts", "Přehrát zvuk"), key(Qt::CTRL | Qt::SHIFT | Qt::Key_M), Part::Sound, [this] { playSample(); },
                    nullptr, Keys::Window, false, SoundSample});
    rows.push_back({QT_TRANSLATE_NOOP("vlnokres::Texts", "Klávesové zkratky"), key(Qt::Key_F1), Part::Help, [this] { showKeysHelp(*this); }});
    auto table = std::make_unique<ActionTable>(*this, std::move(rows));
    table->showChosen(m_setUp.chosen());
    return table;
}

// An option chosen in the menu or by its key, as its user chooses it. A new time axis sets the
// scene up anew.
void MainWindow::choose(const SetUpOption &option, const OptionChoice *choice)
{
    const auto apply = [this, &option, choice] {
        const QString value = valueChosen(option, choice, m_setUp.chosen());
        m_setUp.change([&](Chosen &c) { option.read(c, value); }, Origin::User, option.aspect);
    };
    if (option.aspect == Aspect::Perpendicular) {
        // The finished picture of the last run shows at once in the other mode.
        endingTheRun([this, apply] {
            apply();
            if (const auto &last = m_run.lastRun())
                showFinished(last->parameters);
        });
        return;
    }
    option.aspect == Aspect::Axis ? endingTheRun(apply) : apply();
}

// The busy pointer says that what users click now waits for the run's end.
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

// The drawing, the menu's checks and the words shown follow the set-up; the readouts, labels
// and cursors show at once over the picture.
void MainWindow::listenToTheSetUp()
{
    connect(&m_setUp, &SetUpModel::changed, this, [this](Aspects aspects) {
        if (aspects & kLook)
            m_surface.setLook(m_setUp.setUp().look());
        if (aspects & Aspect::Perpendicular) {
            m_form.setTitle(m_setUp.setUp().perpendicular ? QT_TRANSLATE_NOOP("vlnokres::Texts", "Skládání kolmých kmitů")
                                                          : nullptr);
            m_form.retranslate();
        }
        if (aspects & Aspect::Language)
            retranslate();
        m_actions->showChosen(m_setUp.chosen());
        showRunState();
        update();
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

void MainWindow::endingTheRun(const std::function<void()> &command)
{
    if (!m_run.isRunning()) {
        command();
        return;
    }
    m_run.stop();
    m_heldInput.defer(*windowHandle(), command);
}

void MainWindow::whenNoRun(const std::function<void()> &command)
{
    if (m_run.isPaused())
        endingTheRun(command);
    else
        afterTheRun(command);
}

void MainWindow::apply(const Chosen &given, const QStringList &options)
{
    m_setUp.change(
        [&](Chosen &c) {
            for (const QString &name : options) {
                const SetUpOption &option = setUpOption(name.toStdString());
                option.read(c, option.write(given, QLocale::c()));
            }
        },
        Origin::Session);
}

void MainWindow::startWhenShown()
{
    QTimer::singleShot(0, this, [this] { control<QPushButton>(names::kStart)->click(); });
}

void MainWindow::openWhenShown(const QString &path, int scene)
{
    QTimer::singleShot(0, this, [this, path, scene] { m_lessons->open(path, scene); });
}

// A few seconds of the boxes' values, checked as Start checks them; like Start, it waits for
// a run's end.
void MainWindow::playSample()
{
    if (m_run.isRunning()) {
        m_heldInput.defer(*windowHandle(), [this] { playSample(); });
        return;
    }
    const auto checked = m_formBinding->read();
    if (const auto *refusal = std::get_if<Message>(&checked))
        m_refuse(*refusal);
    else
        m_sound.playSample(std::get<Parameters>(checked));
}

// An example fills the boxes as if typed and sets the time graph's span (the slowdown stays),
// and starts its run.
void MainWindow::applyPreset(const Preset &preset)
{
    m_setUp.change([&preset](Chosen &c) {
        c.setUp.values = {preset.amplitude, preset.frequency, preset.phaseDegrees};
        c.setUp.axis = {preset.periods};
        c.setUp.perpendicular = preset.perpendicular;
    });
    control<QPushButton>(names::kStart)->click();
}

// The boxes as Start reads them: what it would refuse is refused here too, so that the command
// copied always opens.
void MainWindow::copySetUp()
{
    const auto checked = m_formBinding->read();
    if (const auto *refusal = std::get_if<Message>(&checked)) {
        m_refuse(*refusal);
        return;
    }
    QApplication::clipboard()->setText(commandFor(m_setUp.chosen()));
}

void MainWindow::start()
{
    runStartCommand(m_boxes, {m_surface, m_run, [this] { return m_formBinding->read(); }, m_refuse, m_setUp.setUp().axis});
}

// The dragged vector's values go into the boxes, and the picture and the sound follow; the
// frequency stays the picture's own, whatever the box holds meanwhile.
void MainWindow::dragTo(const drag::Values &values)
{
    const double frequency = m_run.lastRun()->parameters.frequency;
    m_setUp.change([&](Chosen &c) {
        c.setUp.values.amplitude = values.amplitude;
        c.setUp.values.phaseDegrees = values.phaseDegrees;
    });
    const auto checked = checkParameters({values.amplitude, frequency, values.phaseDegrees});
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
    const auto checked = m_formBinding->read();
    if (const auto *parameters = std::get_if<Parameters>(&checked))
        showFinished(*parameters);
}

// At the pace and on the axis that a run started now would take.
void MainWindow::showFinished(Parameters parameters)
{
    parameters.perpendicular = m_setUp.setUp().perpendicular;
    m_run.show({parameters, m_setUp.setUp().slowdown, m_setUp.setUp().axis});
}

// Every text of the window, its menus, its dialogs and the toolkit's own at once, in the
// language chosen; the key help, if open, opens again in it.
void MainWindow::retranslate()
{
    m_form.retranslate();
    m_actions->retranslate();
    m_sound.retranslate();
    m_lessons->retranslate();
    if (forgetKeysHelp(*this))
        showKeysHelp(*this);
    m_drawingArea->setAccessibleName(Texts::tr("Kresba součtu dvou sinusoid"));
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
    const QString lesson = m_lessons->title();
    setWindowTitle((lesson.isEmpty() ? Texts::tr(kCaption) : lesson) + (paused ? where + Texts::tr(kPausedSuffix) : QString()));
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
    const QString question = m_lessons->question();
    m_drawingArea->setAccessibleDescription(
        pictureDescription(last ? &last->parameters : nullptr, running && !paused ? 0 : m_run.shownStep(), paused,
                           m_run.axis(), !m_setUp.setUp().sumHidden) +
        (question.isEmpty() ? QString() : QStringLiteral(" ") + Texts::tr("Otázka: %1").arg(question)));
    m_overlay.follow();
}

void MainWindow::contextMenuEvent(QContextMenuEvent *event)
{
    if (event->reason() == QContextMenuEvent::Mouse && !onDrawingArea(*this, event->pos()))
        return;
    openMenu(event->reason() == QContextMenuEvent::Mouse ? std::optional(event->globalPos()) : std::nullopt);
}

// The Menu key on a box opens the drawing area's menu, not the box's own.
bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_drawingArea) {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
            update(m_drawingArea->geometry().adjusted(-8, -8, 8, 8));
        if (event->type() == QEvent::KeyPress && turnByKey(*static_cast<QKeyEvent *>(event)))
            return true;
    }
    if (event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent *>(event)->reason() == QContextMenuEvent::Keyboard) {
        openMenu();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// Left and Right turn the vector by 15° (Ctrl: 1°) one way and the other, Up and Down lengthen
// and shorten it by 0,1 (Ctrl: 0,01), within the amplitude's limit; during a run, paused too,
// the run's own keys have them.
bool MainWindow::turnByKey(const QKeyEvent &key)
{
    const bool fine = key.modifiers() & Qt::ControlModifier;
    double turn = 0, lengthen = 0;
    switch (key.key()) {
    case Qt::Key_Left: turn = fine ? 1 : 15; break;
    case Qt::Key_Right: turn = fine ? -1 : -15; break;
    case Qt::Key_Up: lengthen = fine ? 0.01 : 0.1; break;
    case Qt::Key_Down: lengthen = fine ? -0.01 : -0.1; break;
    default: return false;
    }
    if (m_run.isRunning())
        return false;
    const SecondValues was = m_setUp.setUp().values;
    if (!std::isfinite(was.amplitude) || !std::isfinite(was.phaseDegrees))
        return true;
    const double amplitude = std::clamp(std::round((was.amplitude + lengthen) * 100) / 100, 0.0, kAmplitudeLimit);
    double phase = std::round(was.phaseDegrees + turn);
    if (phase > 180)
        phase -= 360;
    if (phase <= -180)
        phase += 360;
    m_setUp.change([&](Chosen &c) { c.setUp.values.amplitude = amplitude, c.setUp.values.phaseDegrees = phase; });
    const auto checked = checkParameters({amplitude, was.frequency, phase});
    if (const auto *parameters = std::get_if<Parameters>(&checked)) {
        showFinished(*parameters);
        m_sound.dragMoved(*parameters);
        m_keyTurnEnds->start();
    }
    return true;
}

void MainWindow::openMenu(std::optional<QPoint> at)
{
    m_longPress->stop();
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setAccessibleName(Texts::tr("Zobrazení"));
    m_actions->fillMenu(*menu, [this](ActionRow::Part part, QMenu &into) {
        if (part == ActionRow::Part::Lesson)
            m_lessons->fillMenu(into);
        if (part != ActionRow::Part::Sound)
            return false;
        m_sound.fillMenu(*into.addMenu(Texts::tr("Zvuk")), m_actions->firstWithRole(SoundOnOff),
                         m_actions->firstWithRole(SoundSample), readNumber(m_boxes.frequency->text()));
        return true;
    });
    giveMnemonics(*menu);
    // Not exec(): a run going on must not stop while the menu is open.
    menu->popup(at.value_or(mapToGlobal(m_surface.shownArea().center())));
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    // Escape takes the cursors away first; the next leaves full screen.
    if (event->key() == Qt::Key_Escape && !m_setUp.setUp().cursors.empty() && !m_run.isRunning()) {
        m_setUp.change([](Chosen &c) { c.setUp.cursors.clear(); });
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
    if (event->button() == Qt::LeftButton && onDrawingArea(*this, event->position().toPoint())) {
        m_pressedAt = event->position().toPoint();
        m_longPress->start();
    }
    const auto time = cursorTimeAt(*event);
    if (!time) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_setUp.change([&](Chosen &c) { c.setUp.cursors = marks::clickedAt(c.setUp.cursors, *time); });
}

// A double click's first click placed a cursor; the second takes it to the sum's nearest turn.
void MainWindow::mouseDoubleClickEvent(QMouseEvent *event)
{
    const auto time = cursorTimeAt(*event);
    if (!time) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    const RunRequest &last = *m_run.lastRun();
    m_setUp.change([&](Chosen &c) {
        c.setUp.cursors = marks::snappedAt(c.setUp.cursors, *time, last.parameters, last.axis);
    });
}

// The time under a left click on the time graph, where no run goes on or where it is paused.
std::optional<double> MainWindow::cursorTimeAt(const QMouseEvent &event) const
{
    const auto &last = m_run.lastRun();
    const Point at = scenePoint(event.position());
    if (event.button() != Qt::LeftButton || !last || (m_run.isRunning() && !m_run.isPaused()) ||
        !marks::onTimeGraph(at))
        return std::nullopt;
    return marks::timeAtX(at.x, last->axis);
}

// A lesson's file dropped on the window opens, as from the menu.
static QString droppedLesson(const QMimeData *data)
{
    const QList<QUrl> urls = data ? data->urls() : QList<QUrl>();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return {};
    const QString path = urls.first().toLocalFile();
    return path.endsWith(QLatin1String(lessonFormat::kSuffix), Qt::CaseInsensitive) ? path : QString();
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedLesson(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QString path = droppedLesson(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    afterEvent(*this, [this, path] { whenNoRun([this, path] { m_lessons->open(path); }); });
}

void MainWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (QLineF(event->position(), m_pressedAt).length() > kStillWithin * m_zoom)
        m_longPress->stop();
    QWidget::mouseMoveEvent(event);
}

void MainWindow::mouseReleaseEvent(QMouseEvent *event)
{
    m_longPress->stop();
    QWidget::mouseReleaseEvent(event);
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
    m_overlay.paint(painter, m_zoom);
    // The drawing area's keyboard focus, as a frame around the picture, never thinner than 2 px.
    if (m_drawingArea->hasFocus()) {
        const double width = std::max(2.0, std::round(2 * m_zoom));
        painter.setPen(QPen(palette().highlight().color(), width));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(m_drawingArea->geometry()).adjusted(width / 2, width / 2, -width / 2, -width / 2));
    }
}

} // namespace vlnokres
