#include "Mnemonics.h"

#include <QAction>
#include <QMenu>
#include <QSet>

#include <cstdint>
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
    // The item with the fewest letters still free chooses first, so that a short word such as
    // "Zvuk" is not left with none.
    QSet<QChar> used;
    std::vector<bool> done(items.size(), false);
    for (std::size_t round = 0; round < items.size(); ++round) {
        std::optional<std::size_t> next;
        std::size_t fewest = SIZE_MAX;
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (done[i])
                continue;
            std::size_t free = 0;
            for (const qsizetype at : candidates(texts[i]))
                free += !used.contains(texts[i][at].toLower());
            if (free < fewest)
                fewest = free, next = i;
        }
        done[*next] = true;
        for (const qsizetype at : candidates(texts[*next]))
            if (!used.contains(texts[*next][at].toLower())) {
                used.insert(texts[*next][at].toLower());
                texts[*next].insert(at, u'&');
                break;
            }
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        items[i]->setText(texts[i]);
        if (items[i]->menu())
            giveMnemonics(*items[i]->menu());
    }
}

} // namespace vlnokres
