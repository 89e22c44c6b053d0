#pragma once

#include "Lesson.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QAction;
class QMenu;
class QWidget;

namespace vlnokres {

class SetUpModel;

// The lesson open in the window, the one place that knows it: its file, its scenes and the
// scene shown. Showing a scene sets the whole set-up at once, for this session; the window's
// title, its question over the picture, the pictures and the screen reader read it here and
// listen to changed(). Nothing changes until a lesson is opened or a scene is added.
class LessonCommands final : public QObject
{
    Q_OBJECT

public:
    struct Window {
        // Runs the command now, or when a run going on has ended (a paused one is ended first).
        std::function<void(const std::function<void()> &)> whenFree;
        // The finished picture of the set-up as it stands, as a key on a box shows it.
        std::function<void()> showSetUp;
        // Tells the user why something could not be done.
        std::function<void(const QString &)> tell;
        // Keeps the recent lessons' paths between sessions.
        std::function<void(const QStringList &)> keepRecent;
    };
    LessonCommands(QWidget &window, SetUpModel &setUp, Window hooks);

    // Opens the lesson at that scene (1 …), or tells why it cannot; what was shown before stays.
    bool open(const QString &path, int scene = 1);
    bool isOpen() const { return m_lesson.has_value(); }
    const Lesson *lesson() const { return m_lesson ? &*m_lesson : nullptr; }
    int shownScene() const { return m_shown + 1; }
    const QString &path() const { return m_path; }
    void showScene(int scene);
    // The set-up as it stands, added after the scene shown (a new lesson where none is open).
    void addScene(const QString &title, const QString &question);
    void removeScene();
    // Saves to the lesson's file, or asks for one; a lesson of the program's own examples is
    // saved as a new file.
    void save();
    bool saveAs(const QString &path);
    // Whether the lesson's changes may go: none made since it was opened or saved, or the user,
    // asked, saved them or let them go.
    bool mayLeave();

    // "Scéna 2 z 5 – Zázněje", or nothing where no lesson is open.
    QString title() const;
    // The question for the class in the scene shown.
    QString question() const;
    const QStringList &recent() const { return m_recent; }
    void setRecent(const QStringList &paths) { m_recent = paths.mid(0, 5); }

    // The "Lekce" submenu, in the language chosen.
    void fillMenu(QMenu &menu);
    void retranslate();
    // The worksheet's pages through the print dialog.
    void print();

    // The example lessons installed with the program: their paths.
    static QStringList examples();

Q_SIGNALS:
    void changed();

private:
    void askAndAddScene();
    void askAndSaveAs();
    void askAndOpen();
    void remember(const QString &path);
    void showEnabled();

    QWidget &m_window;
    SetUpModel &m_setUp;
    Window m_hooks;
    std::optional<Lesson> m_lesson;
    QString m_path; // none: not saved yet, or one of the examples
    int m_shown = 0;
    bool m_modified = false; // scenes added or removed since it was opened or saved
    QStringList m_recent;
    QList<QAction *> m_actions; // in the order of kRows
};

} // namespace vlnokres
