#include "LessonCommands.h"

#include "Worksheet.h"

#include "app/language/Language.h"
#include "app/run/AfterEvent.h"
#include "app/setup/SetUpModel.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

#include <algorithm>

namespace vlnokres {
namespace {

constexpr int kRecentKept = 5;
constexpr auto kExamplesFolder = ":/lessons";

// The submenu's fixed items, in its order; the recent and the example lessons are listed
// between the first and the second.
struct Row {
    const char *text; // the Czech source
    QKeySequence key;
};
enum Item { Open, AddScene, RemoveScene, Save, SaveAs, Next, Previous, Print };
const Row kRows[] = {
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Otevřít lekci…"), QKeySequence(Qt::CTRL | Qt::Key_O)},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Přidat scénu…"), {}},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Odebrat scénu"), {}},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Uložit lekci"), {}},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Uložit lekci jako…"), {}},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Další scéna"), QKeySequence(Qt::CTRL | Qt::Key_PageDown)},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Předchozí scéna"), QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
    {QT_TRANSLATE_NOOP("vlnokres::Texts", "Tisk lekce…"), {}},
};

QString filter() { return Texts::tr("Lekce (*%1)").arg(QLatin1String(lessonFormat::kSuffix)); }

// An example lesson's title, where it is written in the language the program speaks (its
// "language" key): each language has its own.
std::optional<QString> exampleTitle(const QString &path)
{
    const auto read = readLessonFile(path);
    const auto *lesson = std::get_if<LessonRead>(&read);
    if (!lesson || lesson->lesson.unknown.value(QStringLiteral("language")).toString() != QLatin1String(nameOf(language())))
        return std::nullopt;
    return lesson->lesson.title;
}

} // namespace

LessonCommands::LessonCommands(QWidget &window, SetUpModel &setUp, Window hooks)
    : m_window(window), m_setUp(setUp), m_hooks(std::move(hooks))
{
    const std::function<void()> acts[] = {
        [this] { askAndOpen(); },
        [this] { askAndAddScene(); },
        [this] { m_hooks.whenFree([this] { removeScene(); }); },
        [this] { save(); },
        [this] { askAndSaveAs(); },
        [this] { m_hooks.whenFree([this] { showScene(shownScene() + 1); }); },
        [this] { m_hooks.whenFree([this] { showScene(shownScene() - 1); }); },
        [this] { m_hooks.whenFree([this] { print(); }); },
    };
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        auto *action = new QAction(Texts::tr(kRows[i].text), &window);
        if (!kRows[i].key.isEmpty())
            action->setShortcut(kRows[i].key);
        connect(action, &QAction::triggered, &window, [this, act = acts[i]] { afterEvent(m_window, act); });
        window.addAction(action);
        m_actions << action;
    }
    showEnabled();
}

QStringList LessonCommands::examples()
{
    QStringList paths;
    for (const QString &name : QDir(QLatin1String(kExamplesFolder)).entryList(QDir::Files, QDir::Name))
        paths << QLatin1String(kExamplesFolder) + u'/' + name;
    return paths;
}

bool LessonCommands::open(const QString &path, int scene)
{
    if (!mayLeave())
        return false;
    auto read = readLessonFile(path);
    if (const auto *refused = std::get_if<QString>(&read)) {
        m_hooks.tell(*refused);
        return false;
    }
    LessonRead &lesson = std::get<LessonRead>(read);
    if (!lesson.leftOut.isEmpty())
        m_hooks.tell(Texts::tr("Z lekce %1 nelze použít všechno:\n%2")
                         .arg(lessonFileName(path), lesson.leftOut.mid(0, 10).join(u'\n')));
    m_lesson = std::move(lesson.lesson);
    m_modified = false;
    // The examples are the program's own: saving one asks for a file of the user's.
    m_path = path.startsWith(u':') ? QString() : QFileInfo(path).absoluteFilePath();
    if (!m_path.isEmpty())
        remember(m_path);
    m_shown = -1;
    showScene(std::clamp(scene, 1, int(m_lesson->scenes.size())));
    return true;
}

void LessonCommands::showScene(int scene)
{
    if (!m_lesson || scene < 1 || scene > int(m_lesson->scenes.size()) || scene - 1 == m_shown)
        return;
    m_shown = scene - 1;
    SetUp shown = m_lesson->scenes[std::size_t(m_shown)].setUp;
    // The room's text size is the teacher's, not the scene's.
    shown.largeText = m_setUp.setUp().largeText;
    m_setUp.change([&shown](Chosen &c) { c.setUp = shown; }, Origin::Lesson);
    m_hooks.showSetUp();
    showEnabled();
    Q_EMIT changed();
}

void LessonCommands::addScene(const QString &title, const QString &question)
{
    if (!m_lesson) {
        m_lesson = Lesson{Texts::tr("Nová lekce"), {}, {}};
        m_path.clear();
        m_shown = -1;
    }
    LessonScene scene{m_setUp.setUp(), title.left(lessonFormat::kLongestText), question.left(lessonFormat::kLongestText), {}};
    m_lesson->scenes.insert(m_lesson->scenes.begin() + (m_shown + 1), std::move(scene));
    ++m_shown;
    m_modified = true;
    showEnabled();
    Q_EMIT changed();
}

// The last scene removed closes the lesson; the set-up shown stays as it is.
void LessonCommands::removeScene()
{
    if (!m_lesson)
        return;
    m_lesson->scenes.erase(m_lesson->scenes.begin() + m_shown);
    m_modified = true;
    if (m_lesson->scenes.empty()) {
        m_lesson.reset();
        m_path.clear();
        m_shown = 0;
        m_modified = false; // nothing is left to save
        showEnabled();
        Q_EMIT changed();
        return;
    }
    const int next = std::min(m_shown, int(m_lesson->scenes.size()) - 1) + 1;
    m_shown = -1;
    showScene(next);
}

void LessonCommands::save()
{
    if (!m_lesson)
        return;
    if (m_path.isEmpty()) {
        askAndSaveAs();
        return;
    }
    saveAs(m_path);
}

bool LessonCommands::saveAs(const QString &path)
{
    if (!m_lesson)
        return false;
    QString named = path;
    if (!named.endsWith(QLatin1String(lessonFormat::kSuffix), Qt::CaseInsensitive))
        named += QLatin1String(lessonFormat::kSuffix);
    if (const QString refused = saveLessonFile(named, *m_lesson); !refused.isEmpty()) {
        m_hooks.tell(refused);
        return false;
    }
    m_path = QFileInfo(named).absoluteFilePath();
    m_modified = false;
    remember(m_path);
    return true;
}

bool LessonCommands::mayLeave()
{
    if (!m_lesson || !m_modified)
        return true;
    QMessageBox box(QMessageBox::NoIcon, Texts::tr("Lekce"),
                    Texts::tr("Lekce „%1“ má neuložené změny. Uložit je?").arg(m_lesson->title),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, &m_window);
    switch (box.exec()) {
    case QMessageBox::Save:
        save();
        return !m_modified;
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

QString LessonCommands::title() const
{
    if (!m_lesson)
        return {};
    const QString where = Texts::tr("Scéna %1 z %2").arg(shownScene()).arg(m_lesson->scenes.size());
    const QString &named = m_lesson->scenes[std::size_t(m_shown)].title;
    const QString &name = named.isEmpty() ? m_lesson->title : named;
    return name.isEmpty() ? where : where + QStringLiteral(" – ") + name;
}

QString LessonCommands::question() const
{
    return m_lesson ? m_lesson->scenes[std::size_t(m_shown)].question : QString();
}

void LessonCommands::remember(const QString &path)
{
    m_recent.removeAll(path);
    m_recent.prepend(path);
    m_recent = m_recent.mid(0, kRecentKept);
    if (m_hooks.keepRecent)
        m_hooks.keepRecent(m_recent);
}

void LessonCommands::showEnabled()
{
    const bool open = m_lesson.has_value();
    for (const Item item : {RemoveScene, Save, SaveAs, Print})
        m_actions[item]->setEnabled(open);
    m_actions[Next]->setEnabled(open && m_shown + 1 < int(m_lesson->scenes.size()));
    m_actions[Previous]->setEnabled(open && m_shown > 0);
}

void LessonCommands::retranslate()
{
    for (std::size_t i = 0; i < std::size(kRows); ++i)
        m_actions[qsizetype(i)]->setText(Texts::tr(kRows[i].text));
}

void LessonCommands::fillMenu(QMenu &menu)
{
    QMenu &lessons = *menu.addMenu(Texts::tr("Lekce"));
    lessons.addAction(m_actions[Open]);
    // A file chosen from these opens once the menu has handled the click, as the rest.
    const auto offer = [this](QMenu &into, const QString &path, const QString &text) {
        QAction *item = into.addAction(text);
        connect(item, &QAction::triggered, &m_window,
                [this, path] { afterEvent(m_window, [this, path] { m_hooks.whenFree([this, path] { open(path); }); }); });
    };
    QMenu &recent = *lessons.addMenu(Texts::tr("Nedávné lekce"));
    recent.setEnabled(!m_recent.isEmpty());
    for (const QString &path : m_recent)
        offer(recent, path, QFileInfo(path).fileName());
    QMenu &examples = *lessons.addMenu(Texts::tr("Ukázkové lekce"));
    for (const QString &path : LessonCommands::examples())
        if (const auto title = exampleTitle(path))
            offer(examples, path, *title);
    lessons.addSeparator();
    for (const Item item : {Next, Previous})
        lessons.addAction(m_actions[item]);
    lessons.addSeparator();
    for (const Item item : {AddScene, RemoveScene, Save, SaveAs, Print})
        lessons.addAction(m_actions[item]);
}

void LessonCommands::askAndOpen()
{
    const QString start = m_path.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                                           : QFileInfo(m_path).absolutePath();
    const QString path = QFileDialog::getOpenFileName(&m_window, Texts::tr("Otevřít lekci"), start, filter());
    if (!path.isEmpty())
        m_hooks.whenFree([this, path] { open(path); });
}

void LessonCommands::askAndSaveAs()
{
    if (!m_lesson)
        return;
    const QString start = !m_path.isEmpty() ? m_path
                                            : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + u'/' +
                                                  Texts::tr("lekce") + QLatin1String(lessonFormat::kSuffix);
    const QString path = QFileDialog::getSaveFileName(&m_window, Texts::tr("Uložit lekci"), start, filter());
    if (!path.isEmpty())
        saveAs(path);
}

void LessonCommands::print()
{
    if (!m_lesson)
        return;
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, &m_window);
    dialog.setWindowTitle(Texts::tr("Tisk lekce"));
    if (dialog.exec() == QDialog::Accepted && !paintWorksheet(printer, *m_lesson, false))
        m_hooks.tell(Texts::tr("Tiskárnu nebo soubor, do kterého se tiskne, se nepodařilo otevřít."));
    m_window.activateWindow();
}

// A small dialog for the new scene's title and its question for the class.
void LessonCommands::askAndAddScene()
{
    QDialog dialog(&m_window);
    dialog.setWindowTitle(Texts::tr("Přidat scénu"));
    auto *form = new QFormLayout(&dialog);
    auto *title = new QLineEdit(&dialog);
    auto *question = new QLineEdit(&dialog);
    for (QLineEdit *box : {title, question})
        box->setMaxLength(int(lessonFormat::kLongestText));
    question->setMinimumWidth(360);
    form->addRow(Texts::tr("&Titulek:"), title);
    form->addRow(Texts::tr("&Otázka pro třídu:"), question);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() == QDialog::Accepted)
        addScene(title->text(), question->text());
}

} // namespace vlnokres
