#pragma once

// The main window, the Qt edge around the plain core (core/). It builds itself from the form
// description (Form.h), writes the start-up values into its boxes, and owns the exit, the pace
// control and the Start command. Data goes one way: the Start command reads the boxes through
// number text, the core checks them and turns them into the run's parameters, the core's run
// loop draws step operations onto the RasterSurface, and the window paints from that surface.
// Nothing flows back into the boxes but a zero amplitude's stand-in.
//
// The window's whole content scales by one zoom, the largest at which the designed client
// area fits; the view's keys (full screen, original size, larger, smaller) act at once, during
// a run too, and so do the run's own keys (pause, stop) and the program's own dialogs. Every
// other input to the main window during a run waits for its end.

#include "Form.h"
#include "Preferences.h"
#include "SoundCommands.h"
#include "StartCommand.h"
#include "WindowOptions.h"
#include "app/picture/PictureCommands.h"
#include "app/run/EventLoopPacer.h"
#include "app/run/HeldInput.h"
#include "app/run/RasterSurface.h"
#include "core/Presets.h"
#include "core/SceneGeometry.h"

#include <QWidget>

#include <functional>
#include <memory>

class QAction;
class QTimer;

namespace vlnokres {

class MainWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);

    static constexpr QSize kClientSize{scene::kClientWidth, scene::kClientHeight};

    const RasterSurface &surface() const { return m_surface; }
    double zoom() const { return m_zoom; }
    bool isRunning() const { return m_running; }
    // Tests pace the run themselves, and may answer refusals without a modal box; the window's
    // own pacer sleeps in real time.
    void setPacer(std::unique_ptr<Pacer> pacer) { m_pacer = std::move(pacer); }
    void setRefusalHandler(std::function<void(const Message &)> refuse) { m_refuse = std::move(refuse); }
    // Tests listen with a player of their own; the window's plays through the sound output.
    void setSoundPlayer(std::unique_ptr<SoundPlayer> player) { m_sound.setPlayer(std::move(player)); }
    SoundCommands &soundCommands() { return m_sound; }

    // The run's own keys: pause and resume, and stop. They act only while a run goes on.
    void togglePause();
    void stopRun();
    // While a run is paused: its picture drawn anew as the run shows it at that step (1 …
    // 1300), from which the run goes on when resumed.
    void moveToStep(int step);
    int shownStep() const { return m_cursor.shown; }
    const QWidget &drawingArea() const { return *m_drawingArea; }

    // The values the command line gave, written into the boxes and the pace control; with
    // start, "Start" is pressed as soon as the window shows.
    void apply(const WindowOptions &options);
    PictureCommands &pictureCommands() { return m_picture; }

    // The preferences kept in the store, shown from now on: the zoom, the sound, the readouts,
    // the palette and the save folder. What the user then changes in the menu, and how the
    // window is left, are kept there; what apply() gives is not. Returns whether the window
    // was left full screen.
    bool restore(std::unique_ptr<PreferenceStore> store);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    template <typename Control>
    Control *control(const char *name) const;
    void writeStartUpValues();
    void createActions();
    QAction *addWindowAction(const char *text, const QList<QKeySequence> &keys, std::function<void()> act);
    QAction *addWindowAction(const char *text, const QList<QKeySequence> &keys, void (MainWindow::*act)());
    void start();
    void setRunning(const Parameters *running);
    // Done at once, or after the run when one goes on and is not paused, as Start would be.
    void command(void (PictureCommands::*act)());
    void playSample();
    void applyPreset(const Preset &preset);
    void copySetUp();
    void setReadouts(bool on);
    void setColours(Colours colours);
    void remember(const std::function<void(Preferences &)> &change);
    QStringList readoutLines() const;
    QRect readoutArea() const;
    // The scene drawn anew as it stands at the step, with the envelope where the readouts are
    // on; a run that has ended gets its closing axes.
    void redrawAt(int step, bool ended);
    void showPauseState();
    HeldInput::Immediate duringRun(QWindow &window, QEvent &event);
    bool onDrawingArea(QPoint position) const;
    static std::optional<int> stepKeyTarget(int key, int shown);

    void toggleFullScreen();
    void showOriginalSize();
    void zoomIn();
    void zoomOut();
    void resizeForZoom(double zoom);
    void resizeAtStart(double wanted);
    void showKeys();

    Form m_form;
    RasterSurface m_surface;
    HeldInput m_heldInput;
    SteadyClock m_clock;
    std::unique_ptr<Pacer> m_pacer;
    std::function<void(const Message &)> m_refuse;
    ParameterBoxes m_boxes;
    PictureCommands m_picture;
    SoundCommands m_sound;
    double m_zoom = 1;
    std::unique_ptr<PreferenceStore> m_store; // none: nothing is kept
    Preferences m_remembered;
    bool m_running = false;
    RunCursor m_cursor;
    std::optional<Parameters> m_lastRun; // the run's, while one goes on, or the last one's
    bool m_readouts = false;
    QAction *m_readoutsAction = nullptr;
    QTimer *m_readoutTicker = nullptr; // repaints the values as the run's steps go by
    QAction *m_pauseAction = nullptr;
    QAction *m_stopAction = nullptr;
    QList<QAction *> m_stepActions; // back and forward, while paused
    QList<QAction *> m_viewActions;
    QList<QAction *> m_pictureActions;
    QList<QAction *> m_soundActions; // on and off, and the sample
    QList<QAction *> m_presetActions;
    QList<QAction *> m_colourActions; // the original palette and the colour-blind one
    QAction *m_copySetUpAction = nullptr;
    QAction *m_helpAction = nullptr;
    QWidget *m_drawingArea = nullptr; // the drawing as screen readers know it
};

} // namespace vlnokres
