#pragma once

// The main window, the Qt edge around the plain core (core/). It builds itself from the form
// description (Form.h), writes the start-up values into its boxes, and owns the exit, the pace
// control and the Start command. Data goes one way: the Start command reads the boxes through
// number text, the core checks them and turns them into the run's parameters, the run
// (RunController, the one place that knows it) draws the core's step operations onto the
// RasterSurface, and the window paints from that surface. What the user has chosen to see and
// hear, the set-up, has one owner too (SetUpModel): the boxes and the pace bar, the menu's
// checks, the drawing, the pictures, the sound and what is remembered read it and listen to
// it; none keeps a copy. Nothing flows back into the boxes but a zero amplitude's stand-in and
// the values the set-up is given.
//
// The window's whole content scales by one zoom, the largest at which the designed client
// area fits; the view's keys (full screen, original size, larger, smaller) act at once, during
// a run too, and so do the run's own keys (pause, stop) and the program's own dialogs. Every
// other input to the main window during a run waits for its end.

#include "ActionTable.h"
#include "BoxStepping.h"
#include "Form.h"
#include "FormBinding.h"
#include "PictureOverlay.h"
#include "Preferences.h"
#include "StartCommand.h"
#include "VectorDragging.h"
#include "app/lesson/LessonCommands.h"
#include "app/picture/PictureCommands.h"
#include "app/run/HeldInput.h"
#include "app/run/RasterSurface.h"
#include "app/run/RunController.h"
#include "app/setup/SetUpModel.h"
#include "app/sound/SoundCommands.h"
#include "core/Presets.h"
#include "core/SceneGeometry.h"

#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

namespace vlnokres {

class MainWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);

    static constexpr QSize kClientSize{scene::kClientWidth, scene::kClientHeight};

    const RasterSurface &surface() const { return m_surface; }
    double zoom() const { return m_zoom; }
    RunController &run() { return m_run; }
    SetUpModel &setUp() { return m_setUp; }
    bool isRunning() const { return m_run.isRunning(); }
    // Tests pace the run themselves, and may answer refusals without a modal box; the window's
    // own pacer sleeps in real time.
    void setPacer(std::unique_ptr<Pacer> pacer) { m_run.setPacer(std::move(pacer)); }
    void setRefusalHandler(std::function<void(const Message &)> refuse) { m_refuse = std::move(refuse); }
    // Tests listen with a player of their own; the window's plays through the sound output.
    void setSoundPlayer(std::unique_ptr<SoundPlayer> player) { m_sound.setPlayer(std::move(player)); }
    SoundCommands &soundCommands() { return m_sound; }
    PictureCommands &pictureCommands() { return m_picture; }
    LessonCommands &lessons() { return *m_lessons; }
    // While a run is paused: its picture drawn anew as the run shows it at that step (1 …
    // 1300), from which the run goes on when resumed.
    void moveToStep(int step) { m_run.moveToStep(step); }
    const QWidget &drawingArea() const { return *m_drawingArea; }

    // The options of the command line named, as it gives them, for this session: the boxes,
    // the pace, the view and the sound.
    void apply(const Chosen &given, const QStringList &options);
    // "Start" pressed as soon as the window shows.
    void startWhenShown();
    // The lesson opened at that scene as soon as the window shows, so that a message box
    // saying why it cannot be has the window under it.
    void openWhenShown(const QString &path, int scene);

    // The preferences kept in the store, shown from now on: the zoom, the remembered choices
    // and the save folder. What the user then chooses of them, and how the window is left, are
    // kept there; what apply() gives is not. Returns whether the window was left full screen.
    bool restore(std::unique_ptr<PreferenceStore> store);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    template <typename Control>
    Control *control(const char *name) const;
    std::unique_ptr<ActionTable> createActions();
    void listenToTheRun();
    void listenToTheSetUp();
    // Done at once, or after the run where one goes on and is not paused, as Start would be.
    void afterTheRun(const std::function<void()> &command);
    // Done at once, after the run where one goes on, or once a paused run is ended.
    void whenNoRun(const std::function<void()> &command);
    // A choice of the menu that sets the scene up anew ends a run going on, as Escape does,
    // and takes effect at its end.
    void endingTheRun(const std::function<void()> &command);
    void choose(const SetUpOption &option, const OptionChoice *choice);
    void start();
    void showBoxes();
    void showFinished(Parameters parameters);
    void dragTo(const drag::Values &values);
    void playSample();
    void applyPreset(const Preset &preset);
    void copySetUp();
    void retranslate();
    // Where a click lands on the scene.
    Point scenePoint(QPointF at) const;
    std::optional<double> cursorTimeAt(const QMouseEvent &event) const;
    // The title, the menu's run items and the screen reader's words as the run stands.
    void showRunState();
    // The drawing area's menu, at that point of the screen; none: over the drawing's centre.
    void openMenu(std::optional<QPoint> at = std::nullopt);
    // The arrow keys on the focused drawing area turn and lengthen the second vector, as a drag
    // does; false for any other key.
    bool turnByKey(const QKeyEvent &key);


    Form m_form;
    SetUpModel m_setUp;
    RasterSurface m_surface;
    HeldInput m_heldInput;
    RunController m_run;
    std::function<void(const Message &)> m_refuse;
    ParameterBoxes m_boxes;
    std::unique_ptr<FormBinding> m_formBinding;
    std::unique_ptr<BoxStepping> m_stepping;
    std::unique_ptr<VectorDragging> m_dragging;
    PictureCommands m_picture;
    SoundCommands m_sound;
    PictureOverlay m_overlay;
    double m_zoom = 1;
    std::unique_ptr<ChoicesRemembered> m_remembered; // none: nothing is kept
    std::unique_ptr<ActionTable> m_actions;
    std::unique_ptr<LessonCommands> m_lessons;
    QWidget *m_drawingArea = nullptr; // the drawing as screen readers know it
    QTimer *m_longPress = nullptr;    // a press held still opens the menu, as at a whiteboard
    QPoint m_pressedAt;
    QTimer *m_keyTurnEnds = nullptr; // the sound a key's turn glided in fades once the keys rest
};

} // namespace vlnokres
