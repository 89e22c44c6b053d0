#pragma once

#include "PictureShapes.h"
#include "core/StartChecks.h"

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

namespace vlnokres {

class RasterSurface;
class RunController;

// Saving the picture to a file and copying it to the clipboard, for the window. The picture is
// the last scene as it stands, with a caption of the values it was run with, shown as the
// window shows it (RunController::shownSetUp); an animation runs the last run again, at its
// slowdown.
class PictureCommands
{
public:
    // tell shows the user a message: why a picture was not saved.
    PictureCommands(QWidget &window, const RasterSurface &drawing, const RunController &run,
                    std::function<void(const Message &)> tell)
        : m_window(window), m_drawing(drawing), m_run(run), m_tell(std::move(tell))
    {
    }

    bool available() const;

    // Asks where, in a file dialog that starts in the pictures folder (or the folder chosen
    // last), and writes the file whole or not at all; a failure is told in a message box. A
    // name ending in .gif gets the whole run as an animation.
    void save();
    // Puts the picture on the clipboard as an image, and as SVG too.
    void copy();
    // Prints the picture on one A4 page in landscape, through the system's print dialog; a
    // printer that cannot be painted on is told in a message box.
    void print();
    // The same on a printer already set up; returns whether it was printed.
    bool printOn(QPrinter &printer) const;

    // The folder a picture was saved in last, where the file dialog starts.
    const QString &folder() const { return m_folder; }
    void setFolder(const QString &folder) { m_folder = folder; }
    // Where the file dialog starts: the folder chosen last, or else the pictures folder.
    QString suggestedPath() const;
    // Writes the picture to the path, in the format its extension names; returns the Czech
    // reason it failed, or an empty string.
    QString saveTo(const QString &path);
    // Where the question of a lesson's scene shown is had, to be written on the picture.
    void setQuestionSource(std::function<QString()> question) { m_question = std::move(question); }

private:
    PictureText text() const;
    void tell(const QString &text);

    QWidget &m_window;
    const RasterSurface &m_drawing; // its scene's operations
    const RunController &m_run;
    std::function<void(const Message &)> m_tell;
    std::function<QString()> m_question;
    QString m_folder;
};

} // namespace vlnokres
