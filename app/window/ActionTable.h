#pragma once

#include <QKeySequence>
#include <QList>

#include <functional>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace vlnokres {

struct Chosen;
struct OptionChoice;
struct SetUpOption;

// The window's actions as rows of one table, and the drawing area's menu built from it in the
// table's order: a separator between parts, a submenu for the rows that name one. What a row
// does runs once the menu or the key that chose it has been handled, from the event loop.
struct ActionRow {
    enum class Part { View, Run, Picture, Lesson, Sound, Help };
    // How its keys act: wherever the focus is in the window, or only as the run's keys, which
    // the window takes while a run goes on (outside a run P types a letter).
    enum class Keys { Window, Run };

    const char *text; // the Czech source; a row whose text changes names itself later
    QList<QKeySequence> keys;
    Part part;
    std::function<void()> act;
    const char *submenu = nullptr; // UTF-8
    Keys scope = Keys::Window;
    bool checkable = false;
    int role = 0; // the window's own tag, to find the actions whose state it shows
    // The set-up's option the row offers, and which of its choices (none: a flag's item); its
    // check follows the set-up.
    const SetUpOption *option = nullptr;
    const OptionChoice *choice = nullptr;
};

// The rows that offer the option in the menu: a flag's checkable item with its keys, or a
// checkable item for each of its choices, in a submenu named for it. Each tells choose which.
std::vector<ActionRow> optionRows(const SetUpOption &option, ActionRow::Part part,
                                  const std::function<void(const SetUpOption &, const OptionChoice *)> &choose);

class ActionTable
{
public:
    // The actions are the window's, so that their keys work wherever its focus is.
    ActionTable(QWidget &window, std::vector<ActionRow> rows);

    // The rows' texts in the language chosen.
    void retranslate();
    // The actions of the rows with that role, in order.
    QList<QAction *> withRole(int role) const;
    QAction *firstWithRole(int role) const { return withRole(role).value(0); }
    // The options' items checked as the set-up stands.
    void showChosen(const Chosen &chosen);
    // The menu; fillPart fills the parts that are built elsewhere (the sound's submenu) and
    // returns whether it did.
    void fillMenu(QMenu &menu, const std::function<bool(ActionRow::Part, QMenu &)> &fillPart) const;

private:
    std::vector<ActionRow> m_rows;
    std::vector<QAction *> m_actions;
};

} // namespace vlnokres
