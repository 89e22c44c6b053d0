#include "Mnemonics.h"

#include <QAction>
#include <QMenu>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

namespace vlnokres {
namespace {

// The text without its mnemonic, where it has one; "&&" stands for a written ampersand.
QString plain(const QString &text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) {
            if (text[i + 1] == u'&')
                out += QStringLiteral("&&");
            ++i;
            if (text[i] == u'&')
                continue;
        }
        out += text[i];
    }
    return out;
}

// Where a letter may be underlined, best first: the first letters of words, then any letter,
// then any digit; none twice.
std::vector<qsizetype> candidates(const QString &text)
{
    std::vector<qsizetype> marks;
    QSet<QChar> seen;
    const auto add = [&](qsizetype i) {
        if (!seen.contains(text[i].toLower()))
            seen.insert(text[i].toLower()), marks.push_back(i);
    };
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i].isLetter() && (i == 0 || text[i - 1].isSpace()))
            add(i);
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i].isLetter())
            add(i);
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i].isDigit())
            add(i);
    return marks;
}

} // namespace

void giveMnemonics(QMenu &menu)
{
    std::vector<QAction *> items;
    std::vector<QString> texts;
    for (QAction *action : menu.actions())
        if (!action->isSeparator()) {
            items.push_back(action);
            texts.push_back(plain(action->text()));
        }
    // Each item takes its best letter that is free, or one that another item can give up for
    // a letter of its own (a matching of items to letters, found path by path), the items with
    // the fewest letters first, so that a short word such as "Zvuk" is not left with none.
    std::vector<std::vector<qsizetype>> offered;
    for (const QString &text : texts)
        offered.push_back(candidates(text));
    std::vector<std::size_t> order(items.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return offered[a].size() < offered[b].size(); });
    QHash<QChar, std::size_t> holder; // a letter and the item that has it
    std::vector<std::optional<qsizetype>> chosen(items.size());
    std::function<bool(std::size_t, QSet<QChar> &)> take = [&](std::size_t item, QSet<QChar> &tried) {
        for (const qsizetype at : offered[item]) {
            const QChar letter = texts[item][at].toLower();
            if (tried.contains(letter))
                continue;
            tried.insert(letter);
            const auto held = holder.constFind(letter);
            if (held == holder.constEnd() || take(*held, tried)) {
                holder[letter] = item;
                chosen[item] = at;
                return true;
            }
        }
        return false;
    };
    for (const std::size_t item : order) {
        QSet<QChar> tried;
        take(item, tried);
    }
    for (std::size_t i = 0; i < items.size(); ++i)
        if (chosen[i])
            texts[i].insert(*chosen[i], u'&');
    for (std::size_t i = 0; i < items.size(); ++i) {
        items[i]->setText(texts[i]);
        if (items[i]->menu())
            giveMnemonics(*items[i]->menu());
    }
}

} // namespace vlnokres
