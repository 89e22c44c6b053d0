#pragma once

#include <QObject>
#include <QPointer>

#include <deque>
#include <functional>

class QEvent;
class QWidget;
class QWindow;

namespace vlnokres {

// Holds the user's input while a run goes on and delivers it, in its order, once the run has
// returned: a click on "Start" during a run starts the next run afterwards, a click on "Konec"
// ends the program afterwards, and typing appears afterwards. Everything else (painting,
// exposure, the close request, the window manager's ping) passes at once, so the window stays
// alive. Input is caught where the window system hands it to our windows, before any widget
// sees it. What the window takes at once during a run (the keys that pause or stop it, a
// right click for the menu of the view) it says through its immediate-input hook, and an
// open popup menu takes its input at once too.
class HeldInput final : public QObject
{
    Q_OBJECT

public:
    HeldInput();
    ~HeldInput() override;

    enum class Immediate {
        No,      // held until the run's end
        Handled, // dealt with by the hook itself
        PassOn,  // delivered now, as if no run were going
    };
    void setImmediateInput(std::function<Immediate(QWindow &, QEvent &)> hook) { m_immediate = std::move(hook); }
    // A command given during a run, done after it in its turn among the held input.
    void defer(QWindow &window, std::function<void()> command);

    // Input is held while a Hold exists. When the last one ends, the held input is delivered
    // from the event loop, after the run has returned, so that a run it starts never runs
    // inside the one before; input that comes meanwhile queues behind it. If a delivery starts
    // another run, input held meanwhile queues behind what was already held.
    class Hold
    {
    public:
        explicit Hold(HeldInput &input);
        ~Hold();
        Hold(const Hold &) = delete;
        Hold &operator=(const Hold &) = delete;

    private:
        HeldInput &m_input;
    };

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override;

private:
    struct Held {
        QPointer<QWindow> window;
        std::function<void(QWindow &window)> deliver;
    };

    std::function<void(QWindow &)> replayOf(const QEvent &event);
    void deliver();

    int m_holds = 0;
    bool m_deliveryPosted = false; // the run has ended, its held input not yet delivered
    bool m_inDelivery = false;
    std::function<Immediate(QWindow &, QEvent &)> m_immediate;
    std::deque<Held> m_queue;
    // The widget that took the last held press until its release, as the window system would
    // keep it for the moves and the release that follow, held or live.
    QPointer<QWidget> m_mouseGrabber;
};

} // namespace vlnokres
