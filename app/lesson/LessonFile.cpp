#include "Lesson.h"

#include "app/language/Language.h"
#include "app/picture/PictureFile.h"
#include "app/setup/SetUpOptions.h"
#include "core/StartChecks.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>

#include <cmath>

namespace vlnokres {
namespace {

// How a set-up's option stands in a scene: its value as JSON, by the option's kind.
enum class Kind { Flag, Number, Text, Times };

Kind kindOf(const SetUpOption &option)
{
    const QLatin1String name(option.name);
    if (option.flag)
        return Kind::Flag;
    if (name == u"cursors")
        return Kind::Times;
    if (name == u"sound" || name == u"colours")
        return Kind::Text;
    return Kind::Number;
}

// The options a scene holds: all but the language, which is the program's, not the lesson's.
// The language and the text's size are the room's, not the scene's.
bool inScene(const SetUpOption &option)
{
    const QLatin1String name(option.name);
    return name != u"language" && name != u"large-text";
}

QString numberText(double value) { return QString::number(value, 'g', QLocale::FloatingPointShortest); }

// The option's value as the command line would give it; none where the JSON is of no kind
// the option takes. A teacher may write a number as text too ("0,5").
std::optional<QString> optionText(const SetUpOption &option, const QJsonValue &value)
{
    if (value.isString())
        return value.toString();
    switch (kindOf(option)) {
    case Kind::Flag:
        if (value.isBool())
            return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
        break;
    case Kind::Number:
        if (value.isDouble())
            return numberText(value.toDouble());
        break;
    case Kind::Times:
        if (value.isArray()) {
            QStringList times;
            for (const QJsonValue &time : value.toArray()) {
                if (!time.isDouble())
                    return std::nullopt;
                times << numberText(time.toDouble());
            }
            return times.join(u':');
        }
        break;
    case Kind::Text:
        break;
    }
    return std::nullopt;
}

QJsonValue optionJson(const SetUpOption &option, const Chosen &chosen)
{
    const QString text = option.write(chosen, QLocale::c());
    switch (kindOf(option)) {
    case Kind::Flag:
        return text == u"true";
    case Kind::Number: {
        // The values as the set-up holds them: the boxes' notation would round the smallest.
        const QLatin1String name(option.name);
        const SetUp &s = chosen.setUp;
        if (name == u"amplitude")
            return s.values.amplitude;
        if (name == u"frequency")
            return s.values.frequency;
        if (name == u"phase")
            return s.values.phaseDegrees;
        if (name == u"tone")
            return s.baseTone;
        return text.toDouble();
    }
    case Kind::Times: {
        // Only the cursors that lie on the scene's time graph, as the copied command has them.
        QJsonArray times;
        for (const QString &time : text.split(u':', Qt::SkipEmptyParts))
            times.append(time.toDouble());
        return times;
    }
    case Kind::Text:
        break;
    }
    return text;
}

// A title or a question: text, and not longer than a sheet has room for.
QString shortText(const QJsonValue &value, const QString &where, QStringList &leftOut)
{
    if (!value.isString() && !value.isUndefined())
        leftOut << Texts::tr("%1: titulek a otázka musí být text.").arg(where);
    QString text = value.toString();
    if (text.size() > lessonFormat::kLongestText) {
        leftOut << Texts::tr("%1: text delší než %2 znaků je zkrácen.").arg(where).arg(lessonFormat::kLongestText);
        text = text.left(lessonFormat::kLongestText);
    }
    return text;
}

// The scene, or why it cannot be shown: every option read as the command line reads it, then
// the values checked as Start checks them.
std::variant<LessonScene, QString> sceneOf(const QJsonObject &json, const QString &where, QStringList &leftOut)
{
    LessonScene scene;
    Chosen chosen;
    QJsonObject unknown = json;
    unknown.remove(QStringLiteral("title"));
    unknown.remove(QStringLiteral("question"));
    for (const SetUpOption &option : setUpOptions()) {
        if (!inScene(option))
            continue;
        const QString key = QLatin1String(option.name);
        unknown.remove(key);
        if (!json.contains(key))
            continue;
        const auto text = optionText(option, json.value(key));
        if (!text)
            return Texts::tr("%1: hodnota „%2“ nemá správný druh.").arg(where, key);
        if (kindOf(option) == Kind::Times && text->isEmpty())
            continue; // no cursors
        if (const auto refused = option.read(chosen, *text))
            return where + QStringLiteral(": ") + refused->message;
    }
    const SecondValues &v = chosen.setUp.values;
    const auto checked = checkParameters({v.amplitude, v.frequency, v.phaseDegrees});
    if (const auto *refusal = std::get_if<Refusal>(&checked))
        return where + QStringLiteral(": ") + Texts::tr(messageFor(*refusal).text.c_str());
    scene.setUp = chosen.setUp;
    scene.title = shortText(json.value(QStringLiteral("title")), where, leftOut);
    scene.question = shortText(json.value(QStringLiteral("question")), where, leftOut);
    scene.unknown = unknown;
    return scene;
}

QString cannotOpen(const QString &fileName, const QString &reason)
{
    return Texts::tr("Lekci %1 nelze otevřít: %2.").arg(lessonFileName(fileName), reason);
}

} // namespace

QString lessonFileName(const QString &path) { return quotedValue(QFileInfo(path).fileName()); }

std::variant<LessonRead, QString> parseLesson(const QByteArray &bytes, const QString &fileName)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return cannotOpen(fileName, Texts::tr("není to lekce, soubor JSON je poškozený u znaku %1").arg(error.offset));
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(QStringLiteral("format")).toString() != QLatin1String(lessonFormat::kName))
        return cannotOpen(fileName, Texts::tr("není to lekce programu Vlnokres"));
    const QJsonValue version = root.value(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() < 1 || version.toDouble() != std::floor(version.toDouble()))
        return cannotOpen(fileName, Texts::tr("lekce neudává verzi svého formátu"));
    if (version.toDouble() > lessonFormat::kVersion)
        return cannotOpen(fileName, Texts::tr("lekci zapsala novější verze programu (formát %1, tato verze čte formát %2)")
                                        .arg(numberText(version.toDouble()))
                                        .arg(lessonFormat::kVersion));
    const QJsonValue scenes = root.value(QStringLiteral("scenes"));
    if (!scenes.isArray())
        return cannotOpen(fileName, Texts::tr("lekce nemá seznam scén"));

    LessonRead read;
    Lesson &lesson = read.lesson;
    lesson.title = shortText(root.value(QStringLiteral("title")), Texts::tr("Lekce"), read.leftOut);
    lesson.unknown = root;
    for (const char *known : {"format", "version", "title", "scenes"})
        lesson.unknown.remove(QLatin1String(known));
    const QJsonArray list = scenes.toArray();
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString where = Texts::tr("Scéna %1").arg(i + 1);
        if (lesson.scenes.size() == lessonFormat::kMostScenes) {
            read.leftOut << Texts::tr("Scény od %1. dál jsou vynechány: lekce má nejvýš %2 scén.")
                                .arg(i + 1)
                                .arg(lessonFormat::kMostScenes);
            break;
        }
        if (!list[i].isObject()) {
            read.leftOut << Texts::tr("%1 není scéna a je vynechána.").arg(where);
            continue;
        }
        auto scene = sceneOf(list[i].toObject(), where, read.leftOut);
        if (auto *refused = std::get_if<QString>(&scene))
            read.leftOut << Texts::tr("%1 Scéna je vynechána.").arg(*refused);
        else
            lesson.scenes.push_back(std::move(std::get<LessonScene>(scene)));
    }
    if (lesson.scenes.empty())
        return cannotOpen(fileName, read.leftOut.isEmpty() ? Texts::tr("lekce nemá žádnou scénu")
                                                           : Texts::tr("žádnou scénu nelze použít (%1)").arg(read.leftOut.first()));
    return read;
}

QByteArray lessonJson(const Lesson &lesson)
{
    QJsonObject root = lesson.unknown;
    root.insert(QStringLiteral("format"), QLatin1String(lessonFormat::kName));
    root.insert(QStringLiteral("version"), lessonFormat::kVersion);
    root.insert(QStringLiteral("title"), lesson.title);
    QJsonArray scenes;
    for (const LessonScene &scene : lesson.scenes) {
        QJsonObject json = scene.unknown;
        json.insert(QStringLiteral("title"), scene.title);
        json.insert(QStringLiteral("question"), scene.question);
        const Chosen chosen{scene.setUp};
        for (const SetUpOption &option : setUpOptions())
            if (inScene(option))
                json.insert(QLatin1String(option.name), optionJson(option, chosen));
        scenes.append(json);
    }
    root.insert(QStringLiteral("scenes"), scenes);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::variant<LessonRead, QString> readLessonFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return cannotOpen(path, Texts::tr("soubor neexistuje"));
    if (info.isDir())
        return cannotOpen(path, Texts::tr("je to složka"));
    if (!info.isFile())
        return cannotOpen(path, Texts::tr("není to obyčejný soubor"));
    if (info.size() > lessonFormat::kLargestFile)
        return cannotOpen(path, Texts::tr("soubor je na lekci příliš velký (nejvýš %1 MB)").arg(lessonFormat::kLargestFile >> 20));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return cannotOpen(path, file.error() == QFileDevice::PermissionsError ? Texts::tr("chybí oprávnění ke čtení")
                                                                               : Texts::tr("soubor nelze číst"));
    // read() rather than readAll(): a file that grew since it was measured is not read whole.
    const QByteArray bytes = file.read(lessonFormat::kLargestFile + 1);
    if (bytes.size() > lessonFormat::kLargestFile)
        return cannotOpen(path, Texts::tr("soubor je na lekci příliš velký (nejvýš %1 MB)").arg(lessonFormat::kLargestFile >> 20));
    if (file.error() != QFileDevice::NoError)
        return cannotOpen(path, Texts::tr("soubor nelze číst"));
    return parseLesson(bytes, path);
}

QString saveLessonFile(const QString &path, const Lesson &lesson)
{
    const QString reason = writeWhole(path, lessonJson(lesson));
    return reason.isEmpty() ? QString() : Texts::tr("Lekci %1 nelze uložit: %2.").arg(lessonFileName(path), reason);
}

} // namespace vlnokres
