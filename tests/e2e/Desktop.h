#pragma once

#include <QDeadlineTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <functional>
#include <cstring>

// Where a user clicks, in the main window's pixels, and the colours the tests look for.
namespace place {
constexpr QPoint kStart{648, 20};
constexpr QPoint kKonec{720, 20};
constexpr QPoint kAmplitude{360, 57};
constexpr QPoint kSlowerArrow{185, 48}; // the pace scroll bar's right arrow
constexpr QRect kPaceBar{64, 40, 129, 17};
constexpr QRect kStartButton{616, 8, 65, 25};
} // namespace place
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kGrey = 0xFFC0C0C0;
constexpr QRgb kGreen = 0xFF00C000;

// The rightmost column of the time graph that has a black dot: how far the run has come.
inline int traceEnd(const QImage &shot)
{
    for (int x = 760; x >= 343; --x)
        for (int y = 230; y < 550; ++y)
            if ((y < 389 || y > 391) && shot.pixel(x, y) == kBlack)
                return x;
    return 0;
}

inline bool finished(const QImage &shot) { return traceEnd(shot) >= 746; }

// The real program, started as a user starts it, and the X display it runs on, driven with
// xdotool. Windows are found by their titles; every wait has a deadline.
class Desktop
{
public:
    static constexpr auto kMainTitle = "sinusoid - "; // xdotool's patterns are ASCII-safe

    ~Desktop()
    {
        for (QProcess *process : {&m_program, &m_windowManager}) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished();
            }
        }
    }

    // A window manager on the display, as a desktop has: frames, title bars, full screen.
    bool startWindowManager()
    {
        m_windowManager.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_windowManager.start(QStringLiteral(OPENBOX), {QStringLiteral("--sm-disable")});
        if (!m_windowManager.waitForStarted())
            return false;
        // A window manager owns the screen's WM_S0 selection while it runs; the X server
        // releases it when one ends, unlike the properties it leaves on the root window.
        const xcb_atom_t selection = atom("WM_S0");
        xcb_connection_t *connection = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
        const QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired()) {
            auto *reply = xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr);
            const bool managed = reply && reply->owner != XCB_NONE;
            std::free(reply);
            if (managed)
                return true;
            QTest::qWait(50);
        }
        return false;
    }

    QString windowTitle() { return xdotool({"getwindowname", m_window}); }

    // Starts the program under a Czech locale, with the arguments, and waits for its main window,
    // found by its title.
    bool start(const QProcessEnvironment &extra = {}, const QStringList &arguments = {},
               const QString &title = QString::fromLatin1(kMainTitle))
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(extra);
        env.insert(QStringLiteral("LANG"), QStringLiteral("cs_CZ.UTF-8"));
        env.remove(QStringLiteral("LC_ALL"));
        m_program.setProcessEnvironment(env);
        m_program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // The build's program, unless the test is pointed at an installed one.
        const QString binary = env.value(QStringLiteral("VLNOKRES_BINARY"), QStringLiteral(VLNOKRES_BINARY));
        m_program.start(binary, arguments);
        if (!m_program.waitForStarted())
            return false;
        m_window = findWindow(title, 20000);
        return !m_window.isEmpty();
    }

    // The id of the first visible window whose title matches, once it is there, or "".
    QString findWindow(const QString &titlePattern, int timeoutMs = 10000)
    {
        const QDeadlineTimer deadline(timeoutMs);
        while (!deadline.hasExpired()) {
            const QString found = xdotool({"search", "--onlyvisible", "--name", titlePattern}).section('\n', 0, 0);
            if (!found.isEmpty())
                return found;
            QTest::qWait(50);
        }
        return {};
    }

    bool hasWindow(const QString &titlePattern)
    {
        return !xdotool({"search", "--onlyvisible", "--name", titlePattern}).isEmpty();
    }

    void click(QPoint at, const QString &window = {})
    {
        xdotool({"mousemove", "--window", window.isEmpty() ? m_window : window, QString::number(at.x()),
                 QString::number(at.y()), "click", "1"});
    }

    // A press and, separately, its release, as a user holding the button down.
    void press(QPoint at)
    {
        xdotool({"mousemove", "--window", m_window, QString::number(at.x()), QString::number(at.y()), "mousedown",
                 "1"});
    }
    void release() { xdotool({"mouseup", "1"}); }
    void movePointer(QPoint at)
    {
        xdotool({"mousemove", "--window", m_window, QString::number(at.x()), QString::number(at.y())});
    }

    // Replaces the text of the box at the given point, as a user selecting it all would.
    void retype(QPoint box, const QString &text)
    {
        click(box);
        xdotool({"key", "--clearmodifiers", "ctrl+a"});
        xdotool({"type", "--delay", "20", text});
    }

    // What a window manager sends when the user clicks the title bar's close button.
    void requestClose()
    {
        auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        xcb_connection_t *connection = x11->connection();
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = m_window.toUInt();
        event.type = atom("WM_PROTOCOLS");
        event.data.data32[0] = atom("WM_DELETE_WINDOW");
        event.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(connection, 0, event.window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&event));
        xcb_flush(connection);
    }

    void key(const QString &keys, const QString &window) { xdotool({"key", "--window", window, keys}); }

    QImage screenshot(const QString &window = {})
    {
        const QString id = window.isEmpty() ? m_window : window;
        return QGuiApplication::primaryScreen()->grabWindow(id.toULongLong()).toImage();
    }

    // Waits until a screenshot of the main window shows what the predicate looks for. A window
    // that is gone shows nothing (its empty shot would pass any "no dot beyond" test).
    bool waitFor(const std::function<bool(const QImage &)> &shows, int timeoutMs = 10000)
    {
        const QDeadlineTimer deadline(timeoutMs);
        while (!deadline.hasExpired()) {
            const QImage shot = screenshot();
            if (!shot.isNull() && shows(shot))
                return true;
            QTest::qWait(30);
        }
        return false;
    }

    bool waitForPixel(QPoint at, QRgb colour, int timeoutMs = 10000)
    {
        return waitFor([&](const QImage &shot) { return shot.valid(at) && shot.pixel(at) == colour; }, timeoutMs);
    }

    // The program's exit status once it has ended by itself, or -1 if it is still running.
    int waitForExit(int timeoutMs = 20000)
    {
        // waitForFinished() is false for a process that ended while the event loop ran.
        const bool ended = m_program.state() == QProcess::NotRunning || m_program.waitForFinished(timeoutMs);
        if (!ended || m_program.exitStatus() != QProcess::NormalExit)
            return -1;
        return m_program.exitCode();
    }

    const QString &mainWindow() const { return m_window; }

    // The class in the main window's WM_CLASS, by which a dock finds the window's desktop entry.
    QString windowClass()
    {
        xcb_connection_t *connection = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
        auto *reply = xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, m_window.toUInt(), XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 256),
            nullptr);
        const QByteArray value = reply ? QByteArray(static_cast<const char *>(xcb_get_property_value(reply)),
                                                    xcb_get_property_value_length(reply))
                                       : QByteArray();
        std::free(reply);
        return QString::fromLatin1(value.split('\0').value(1));
    }

private:
    static xcb_atom_t atom(const char *name)
    {
        xcb_connection_t *connection = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
        auto *reply = xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
        const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return found;
    }

public:
    static QString xdotool(const QStringList &arguments)
    {
        QProcess tool;
        tool.start(QStringLiteral(XDOTOOL), arguments);
        tool.waitForFinished(10000);
        return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
    }

private:
    QProcess m_program;
    QProcess m_windowManager;
    QString m_window;
};
