#include "ActionTable.h"

#include "app/language/Language.h"
#include "app/run/AfterEvent.h"
#include "app/setup/SetUpOptions.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include <map>
#include <optional>
#include <string>

namespace vlnokres {

ActionTable::ActionTable(QWidget &window, std::vector<ActionRow> rows) : m_rows(std::move(rows))
{
    for (const ActionRow &row : m_rows) {
        auto *action = new QAction(Texts::tr(row.text), &window);
        action->setShortcuts(row.keys);
        // The run's keys are listed in the menu, but taken by the window only during a run.
        action->setShortcutContext(row.scope == ActionRow::Keys::Run ? Qt::WidgetShortcut : Qt::WindowShortcut);
        action->setCheckable(row.checkable);
        // After the event: a command may start a run, or open a dialog, which must not run
        // inside the menu's own handling of the click, where the menu closing deletes itself.
        QObject::connect(action, &QAction::triggered, &window,
                         [&window, act = row.act] { afterEvent(window, act); });
        if (row.scope == ActionRow::Keys::Window)
            window.addAction(action);
        m_actions.push_back(action);
    }
}

std::vector<ActionRow> optionRows(const SetUpOption &option, ActionRow::Part part,
                                  const std::function<void(const SetUpOption &, const OptionChoice *)> &choose)
{
    using Keys = ActionRow::Keys;
    if (option.choices.empty())
        return {{option.menuText, option.keys, part, [&option, choose] { choose(option, nullptr); }, nullptr, Keys::Window,
                 true, 0, &option}};
    std::vector<ActionRow> rows;
    for (const OptionChoice &choice : option.choices)
        rows.push_back({choice.text, {}, part, [&option, &choice, choose] { choose(option, &choice); }, option.menuText,
                        Keys::Window, true, 0, &option, &choice});
    return rows;
}

void ActionTable::showChosen(const Chosen &chosen)
{
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].option)
            m_actions[i]->setChecked(isChosen(*m_rows[i].option, m_rows[i].choice, chosen));
}

void ActionTable::retranslate()
{
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (*m_rows[i].text)
            m_actions[i]->setText(Texts::tr(m_rows[i].text));
}

QList<QAction *> ActionTable::withRole(int role) const
{
    QList<QAction *> actions;
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].role == role)
            actions << m_actions[i];
    return actions;
}

void ActionTable::fillMenu(QMenu &menu, const std::function<bool(ActionRow::Part, QMenu &)> &fillPart) const
{
    std::optional<ActionRow::Part> last;
    std::map<std::string, QMenu *> submenus;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const ActionRow &row = m_rows[i];
        if (row.part == last)
            continue;
        if (last)
            menu.addSeparator();
        last = row.part;
        if (fillPart(row.part, menu))
            continue;
        for (std::size_t j = i; j < m_rows.size() && m_rows[j].part == row.part; ++j) {
            if (!m_rows[j].submenu) {
                menu.addAction(m_actions[j]);
                continue;
            }
            QMenu *&submenu = submenus[m_rows[j].submenu];
            if (!submenu)
                submenu = menu.addMenu(Texts::tr(m_rows[j].submenu));
            submenu->addAction(m_actions[j]);
        }
    }
}

} // namespace vlnokres
