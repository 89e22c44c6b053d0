#pragma once

#include "core/SetUp.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <variant>
#include <vector>

namespace vlnokres {

// One scene of a lesson: the whole set-up the class is shown, with a title and the question
// it is asked. What a newer program wrote and this one does not know is kept, to be written
// again as it was.
struct LessonScene {
    SetUp setUp;
    QString title;
    QString question;
    QJsonObject unknown;
};

// A lesson as a teacher prepares it at home: a title and scenes in the order they are shown.
struct Lesson {
    QString title;
    std::vector<LessonScene> scenes;
    QJsonObject unknown;
};

// A lesson read, and what of it could not be used and was left out, one sentence each.
struct LessonRead {
    Lesson lesson;
    QStringList leftOut;
};

namespace lessonFormat {
inline constexpr auto kName = "vlnokres-lesson";
inline constexpr int kVersion = 1;
inline constexpr auto kSuffix = ".vlnokres";
// A teacher's title or question, not an essay: longer ones are cut.
inline constexpr qsizetype kLongestText = 500;
// More scenes than a lesson of several hours has are left out.
inline constexpr std::size_t kMostScenes = 200;
// A lesson of kMostScenes scenes with their longest texts is well under this.
inline constexpr qint64 kLargestFile = 4 << 20;
} // namespace lessonFormat

// The lesson a file's bytes hold, or why they hold none (a sentence that names the file).
// Values are read as the command line reads them and checked as Start checks them; a scene
// that cannot be used is left out and said so.
std::variant<LessonRead, QString> parseLesson(const QByteArray &bytes, const QString &fileName);
// The lesson as its file holds it: UTF-8 JSON, indented, each number the decimal it means.
QByteArray lessonJson(const Lesson &lesson);

// The lesson in the file, which is only read: anything but a regular file of a lesson's size
// is refused before it is opened, so that a pipe cannot hang the program.
std::variant<LessonRead, QString> readLessonFile(const QString &path);
// Written whole or not at all; why it could not be, as a sentence, or an empty string.
QString saveLessonFile(const QString &path, const Lesson &lesson);

// "„lekce.vlnokres“": the file as the messages name it.
QString lessonFileName(const QString &path);

} // namespace vlnokres
