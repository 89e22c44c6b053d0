#include "MainWindow.h"

#include "AppIcon.h"
#include "ControlNames.h"
#include "KeysHelp.h"
#include "MessageBox.h"
#include "NumberText.h"
#include "PaceControl.h"
#include "SetUpCommand.h"
#include "app/sound/SoundOutput.h"
#include "app/picture/PictureShapes.h"
#include "app/picture/ReadoutText.h"
#include "core/Picture.h"
#include "core/Readouts.h"
#include "core/SceneSetup.h"
#include "core/StartUpValues.h"
#include "core/Zoom.h"

#include <QAction>
#include <QActionGroup>
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
#include <iterator>

namespace vlnokres {

namespace {

constexpr auto kCaption = "Součet dvou sinusoid - https://vlnokres.example/";
constexpr auto kPausedSuffix = " – pozastaveno";

// Room that a window manager's frame and title bar take around the client area, allowed for
// when the window's start size is chosen (the frame is not known before the window shows):
// the design's own, an 800 × 600 window around the 792 × 573 client area.
constexpr QSize kFrameAllowance{8, 27};

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent), m_form(*this), m_surface(*this, kClientSize),
      m_pacer(std::make_unique<EventLoopPacer>(*this, m_clock)),
      m_refuse([this](const Message &message) { showMessageBox(*this, message); }),
      m_picture(*this, m_surface.drawing(), [this](const Message &message) { m_refuse(message); }),
      m_sound(*this, std::make_unique<SoundOutput>())
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
    m_drawingArea->setAccessibleName(QStringLiteral("Kresba součtu dvou sinusoid"));
    m_drawingArea->lower();
    m_boxes = {
        .amplitude = control<QLineEdit>(names::kAmplitude),
        .frequency = control<QLineEdit>(names::kFrequency),
        .phase = control<QLineEdit>(names::kPhase),
        .slowdown = control<QLineEdit>(names::kSlowdown),
    };
    connectPaceControl(*control<QScrollBar>(names::kPace), *m_boxes.slowdown);
    writeStartUpValues();
    createActions();
    m_sound.setChoiceListeners([this] { remember([this](Preferences &p) { p.voice = m_sound.voice(); }); },
                               [this] { remember([this](Preferences &p) { p.baseTone = m_sound.baseTone(); }); });
    m_heldInput.setImmediateInput([this](QWindow &window, QEvent &event) { return duringRun(window, event); });

    connect(control<QPushButton>(names::kStart), &QPushButton::clicked, this, &MainWindow::start);
    connect(control<QPushButton>(names::kExit), &QPushButton::clicked, this, &QWidget::close);

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

QAction *MainWindow::addWindowAction(const char *text, const QList<QKeySequence> &keys, std::function<void()> act)
{
    auto *action = new QAction(QString::fromUtf8(text), this);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, std::move(act));
    addAction(action);
    return action;
}

QAction *MainWindow::addWindowAction(const char *text, const QList<QKeySequence> &keys, void (MainWindow::*act)())
{
    return addWindowAction(text, keys, [this, act] { (this->*act)(); });
}

// The actions of the view, the picture and the help are the window's own, so that their keys
// work wherever the focus is; the view's act during a run too. Pause and stop are listed in the menu with their keys, but those keys are
// the run's (see duringRun): outside a run P types a letter.
void MainWindow::createActions()
{
    m_viewActions = {
        addWindowAction("Celá obrazovka", {QKeySequence(Qt::Key_F11)}, &MainWindow::toggleFullScreen),
        addWindowAction("Původní velikost", {QKeySequence(Qt::CTRL | Qt::Key_0)}, &MainWindow::showOriginalSize),
        addWindowAction("Zvětšit", {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
                        &MainWindow::zoomIn),
        addWindowAction("Zmenšit", {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, &MainWindow::zoomOut),
    };
    m_pictureActions = {
        addWindowAction("Uložit obrázek…", {QKeySequence(Qt::CTRL | Qt::Key_S)},
                        [this] { command(&PictureCommands::save); }),
        addWindowAction("Kopírovat obrázek", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
                        [this] { command(&PictureCommands::copy); }),
    };
    m_soundActions = {
        addWindowAction("Zvuk zapnout a vypnout", {QKeySequence(Qt::CTRL | Qt::Key_M)}, [this] { m_sound.toggle(); }),
        addWindowAction("Přehrát zvuk", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M)}, &MainWindow::playSample),
    };
    for (const Preset &preset : kPresets)
        m_presetActions << addWindowAction(preset.title, {}, [this, &preset] { applyPreset(preset); });
    m_copySetUpAction = addWindowAction("Kopírovat jako příkaz", {}, &MainWindow::copySetUp);
    m_readoutsAction = addWindowAction("Hodnoty", {QKeySequence(Qt::CTRL | Qt::Key_H)}, [this] {
        setReadouts(!m_readouts);
        remember([this](Preferences &p) { p.readouts = m_readouts; });
    });
    m_readoutsAction->setCheckable(true);
    m_readoutTicker = new QTimer(this);
    m_readoutTicker->setInterval(30);
    connect(m_readoutTicker, &QTimer::timeout, this, [this] { update(readoutArea()); });
    m_picture.setReadouts([this] { return readoutLines(); });
    m_helpAction = addWindowAction("Klávesové zkratky", {QKeySequence(Qt::Key_F1)}, &MainWindow::showKeys);
    auto *palettes = new QActionGroup(this);
    for (const auto &palette : {std::pair{"Původní", Colours::Standard}, {"Pro barvoslepé", Colours::ColourBlind}}) {
        const Colours colours = palette.second;
        QAction *action = addWindowAction(palette.first, {}, [this, colours] {
            setColours(colours);
            remember([colours](Preferences &p) { p.colours = colours; });
        });
        action->setCheckable(true);
        action->setChecked(colours == Colours::Standard);
        action->setData(int(colours));
        palettes->addAction(action);
        m_colourActions << action;
    }

    m_pauseAction = new QAction(this); // named by showPauseState
    m_pauseAction->setShortcut(QKeySequence(Qt::Key_P));
    m_pauseAction->setShortcutContext(Qt::WidgetShortcut); // shown in the menu, taken by duringRun
    connect(m_pauseAction, &QAction::triggered, this, &MainWindow::togglePause);
    m_stepActions = {new QAction(QStringLiteral("O krok zpět"), this), new QAction(QStringLiteral("O krok vpřed"), this)};
    for (int i = 0; i < 2; ++i) {
        m_stepActions[i]->setShortcut(QKeySequence(i == 0 ? Qt::Key_Left : Qt::Key_Right));
        m_stepActions[i]->setShortcutContext(Qt::WidgetShortcut); // shown in the menu, taken by duringRun
        connect(m_stepActions[i], &QAction::triggered, this, [this, i] { moveToStep(m_cursor.shown + (i == 0 ? -1 : 1)); });
    }
    m_stopAction = new QAction(QStringLiteral("Zastavit"), this);
    m_stopAction->setShortcut(QKeySequence(Qt::Key_Escape));
    m_stopAction->setShortcutContext(Qt::WidgetShortcut);
    connect(m_stopAction, &QAction::triggered, this, &MainWindow::stopRun);
    setRunning(nullptr);
}

// Saving and copying wait for a run's end, as Start does, so that they take its final picture;
// a paused run's picture they take at once.
void MainWindow::command(void (PictureCommands::*act)())
{
    if (m_running && !m_pacer->isPaused())
        m_heldInput.defer(*windowHandle(), [this, act] { (m_picture.*act)(); });
    else
        (m_picture.*act)();
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
    if (options.start)
        QTimer::singleShot(0, this, [this] { control<QPushButton>(names::kStart)->click(); });
}

// A few seconds of the boxes' values, checked as Start checks them; like Start, it waits for
// a run's end.
void MainWindow::playSample()
{
    if (m_running) {
        m_heldInput.defer(*windowHandle(), [this] { playSample(); });
        return;
    }
    const auto checked = checkedBoxes(m_boxes);
    if (const auto *refusal = std::get_if<Message>(&checked))
        m_refuse(*refusal);
    else
        m_sound.playSample(std::get<Parameters>(checked));
}

// An example fills the boxes as if typed (the slowdown stays) and starts its run; like typing
// and Start, it waits for a run's end.
void MainWindow::applyPreset(const Preset &preset)
{
    if (m_running) {
        m_heldInput.defer(*windowHandle(), [this, &preset] { applyPreset(preset); });
        return;
    }
    m_boxes.amplitude->setText(writeNumber(preset.amplitude));
    m_boxes.frequency->setText(writeNumber(preset.frequency));
    m_boxes.phase->setText(writeNumber(preset.phaseDegrees));
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
    }));
}

void MainWindow::start()
{
    runStartCommand(m_boxes, {m_surface, *m_pacer, m_heldInput, m_refuse,
                              [this](const Parameters *running) { setRunning(running); }, &m_cursor, m_readouts});
}

// While a run goes on the pointer is the busy one, so that users see that what they click now
// waits for the run's end. Once a run has drawn, there is a picture to save and copy.
void MainWindow::setRunning(const Parameters *parameters)
{
    const bool running = parameters;
    if (running && !m_running)
        QApplication::setOverrideCursor(Qt::BusyCursor);
    else if (!running && m_running)
        QApplication::restoreOverrideCursor();
    if (parameters) {
        m_picture.setRunParameters(*parameters, control<QScrollBar>(names::kPace)->value());
        m_lastRun = *parameters;
    }
    running && m_readouts ? m_readoutTicker->start() : m_readoutTicker->stop();
    update(readoutArea());
    if (parameters && !m_running)
        m_sound.runStarted(*parameters);
    else if (!running && m_running)
        m_sound.runEnded();
    for (QAction *action : std::as_const(m_pictureActions))
        action->setEnabled(m_picture.available() || running);
    m_running = running;
    m_pauseAction->setEnabled(running);
    m_stopAction->setEnabled(running);
    showPauseState();
}

void MainWindow::moveToStep(int step)
{
    if (!m_running || !m_pacer->isPaused())
        return;
    step = std::clamp(step, 1, kSteps);
    if (step == m_cursor.shown)
        return;
    // One step on is what the run itself would draw next; any other is drawn from the start.
    if (step == m_cursor.shown + 1)
        m_surface.draw(stepOps(secondSinusoidOf(*m_lastRun), step));
    else
        redrawAt(step, false);
    m_cursor.shown = step;
    m_cursor.movedTo = step;
    showPauseState();
    update(readoutArea());
}

void MainWindow::redrawAt(int step, bool ended)
{
    const SecondSinusoid second = secondSinusoidOf(*m_lastRun);
    DrawOps ops = sceneSetup();
    if (m_readouts)
        std::ranges::copy(readouts::envelopeOps(*m_lastRun), std::back_inserter(ops));
    for (int t = 1; t <= step; ++t)
        std::ranges::copy(stepOps(second, t), std::back_inserter(ops));
    if (ended)
        std::ranges::copy(finishingOps(), std::back_inserter(ops));
    m_surface.beginScene();
    m_surface.draw(picture::uncoveredOps(ops));
}

// The readouts show at once; the envelope, drawn under the run, comes with the picture drawn
// anew, now where no run is going on, or with the next run.
void MainWindow::setReadouts(bool on)
{
    m_readouts = on;
    m_readoutsAction->setChecked(on);
    if (m_lastRun && m_cursor.shown > 0 && (!m_running || m_pacer->isPaused()))
        redrawAt(m_cursor.shown, !m_running);
    m_running && on ? m_readoutTicker->start() : m_readoutTicker->stop();
    update(readoutArea());
}

// The drawing, the pictures and the animations all take the palette from now on.
void MainWindow::setColours(Colours colours)
{
    m_surface.setColours(colours);
    m_picture.setColours(colours);
    for (QAction *action : std::as_const(m_colourActions))
        action->setChecked(Colours(action->data().toInt()) == colours);
}

QStringList MainWindow::readoutLines() const
{
    if (!m_readouts || !m_lastRun)
        return {};
    return vlnokres::readoutLines(*m_lastRun, std::max(1, m_cursor.shown));
}

QRect MainWindow::readoutArea() const
{
    const Rect &a = picture::kReadoutArea;
    const QRectF design(a.left, a.top, a.right - a.left, a.bottom - a.top);
    const QRect shown = m_surface.shownArea();
    return QRectF(shown.topLeft() + design.topLeft() * m_zoom, design.size() * m_zoom).toAlignedRect();
}

void MainWindow::togglePause()
{
    if (!m_running)
        return;
    m_pacer->setPaused(!m_pacer->isPaused());
    m_sound.runPaused(m_pacer->isPaused());
    showPauseState();
}

void MainWindow::stopRun()
{
    if (m_running)
        m_pacer->stop();
}

// The title and the menu's pause item say whether the run is paused.
void MainWindow::showPauseState()
{
    const bool paused = m_running && m_pacer->isPaused();
    const QString where = QStringLiteral(" – krok %1 z %2").arg(m_cursor.shown).arg(kSteps);
    setWindowTitle(QString::fromUtf8(kCaption) + (paused ? where + QString::fromUtf8(kPausedSuffix) : QString()));
    for (QAction *action : std::as_const(m_stepActions))
        action->setEnabled(paused);
    m_pauseAction->setText(paused ? QStringLiteral("Pokračovat") : QStringLiteral("Pozastavit"));
    m_drawingArea->setAccessibleDescription(
        pictureDescription(m_lastRun ? &*m_lastRun : nullptr, m_running && !paused ? 0 : m_cursor.shown, paused));
}

// During a run: P and Pause pause or resume it, Escape stops it, and a right click on the
// drawing area opens the view's menu; all at once. The rest of the main window's input waits
// for the run's end. The program's own dialogs take their input at once, Escape closing them
// and not the run, and while the key help is open, P and Pause still pause and resume the run.
HeldInput::Immediate MainWindow::duringRun(QWindow &window, QEvent &event)
{
    const bool keyEvent = event.type() == QEvent::KeyPress || event.type() == QEvent::KeyRelease;
    const auto *key = keyEvent ? static_cast<const QKeyEvent *>(&event) : nullptr;
    const bool pauseKey =
        key && ((key->key() == Qt::Key_P && !(key->modifiers() & ~Qt::KeypadModifier)) || key->key() == Qt::Key_Pause);
    if (&window != windowHandle()) {
        if (!pauseKey || !isKeysHelp(window))
            return HeldInput::Immediate::PassOn;
        if (event.type() == QEvent::KeyPress && !key->isAutoRepeat())
            togglePause();
        return HeldInput::Immediate::Handled;
    }
    if (key && m_pacer->isPaused()) {
        if (const auto to = stepKeyTarget(key->key(), m_cursor.shown)) {
            if (event.type() == QEvent::KeyPress)
                moveToStep(*to);
            return HeldInput::Immediate::Handled;
        }
    }
    if (key) {
        if (!pauseKey && key->key() != Qt::Key_Escape)
            return HeldInput::Immediate::No;
        if (event.type() == QEvent::KeyPress && !key->isAutoRepeat())
            pauseKey ? togglePause() : stopRun();
        return HeldInput::Immediate::Handled;
    }
    if (auto *mouse = dynamic_cast<QMouseEvent *>(&event)) {
        const bool rightClick = (mouse->button() == Qt::RightButton || mouse->buttons() == Qt::RightButton) &&
                                (event.type() == QEvent::MouseButtonPress || event.type() == QEvent::MouseButtonRelease);
        if (rightClick && onDrawingArea(mouse->position().toPoint()))
            return HeldInput::Immediate::PassOn;
    }
    if (event.type() == QEvent::ContextMenu)
        return HeldInput::Immediate::PassOn;
    return HeldInput::Immediate::No;
}

// The step a key moves a paused run to: one back or on, fifty back or on, the first or the last.
std::optional<int> MainWindow::stepKeyTarget(int key, int shown)
{
    switch (key) {
    case Qt::Key_Left: return shown - 1;
    case Qt::Key_Right: return shown + 1;
    case Qt::Key_PageUp: return shown - 50;
    case Qt::Key_PageDown: return shown + 50;
    case Qt::Key_Home: return 1;
    case Qt::Key_End: return kSteps;
    default: return std::nullopt;
    }
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
    menu->setAccessibleName(QStringLiteral("Zobrazení"));
    menu->addActions(m_viewActions);
    menu->addSeparator();
    menu->addAction(m_pauseAction);
    menu->addActions(m_stepActions);
    menu->addAction(m_stopAction);
    menu->addSeparator();
    menu->addActions(m_pictureActions);
    menu->addSeparator();
    menu->addAction(m_readoutsAction);
    menu->addMenu(QStringLiteral("Příklady"))->addActions(m_presetActions);
    menu->addAction(m_copySetUpAction);
    menu->addMenu(QStringLiteral("Barvy"))->addActions(m_colourActions);
    menu->addSeparator();
    QMenu *sound = menu->addMenu(QStringLiteral("Zvuk"));
    m_sound.fillMenu(*sound, m_soundActions.front(), m_soundActions.back(), readNumber(m_boxes.frequency->text()));
    menu->addSeparator();
    menu->addAction(m_helpAction);
    // Not exec(): a run going on must not stop while the menu is open.
    menu->popup(event->reason() == QContextMenuEvent::Mouse ? event->globalPos()
                                                           : mapToGlobal(m_surface.shownArea().center()));
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && isFullScreen()) {
        showNormal();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MainWindow::toggleFullScreen() { isFullScreen() ? showNormal() : showFullScreen(); }

void MainWindow::showOriginalSize() { resizeForZoom(1); }

void MainWindow::zoomIn() { resizeForZoom(zoom::larger(m_zoom)); }

void MainWindow::zoomOut() { resizeForZoom(zoom::smaller(m_zoom)); }

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

void MainWindow::showKeys() { showKeysHelp(*this); }

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
    m_surface.paint(painter, event->rect());
    if (!m_readouts || !event->rect().intersects(readoutArea()))
        return;
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(m_surface.shownArea().topLeft());
    painter.scale(m_zoom, m_zoom);
    PainterSink sink(painter);
    emitReadouts(sink, readoutLines());
}

} // namespace vlnokres
