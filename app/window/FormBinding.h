#pragma once

#include "StartCommand.h"
#include "app/setup/SetUpModel.h"

#include <QObject>

#include <variant>

class QScrollBar;

namespace vlnokres {

// The form's editors of the set-up: the three parameter boxes and the pace bar with its hidden
// slowdown box. The pace bar's settled value is the set-up's slowdown at once; a box's text is
// read when a command needs it (Start, a key on a box, a drag, a copy), as typing keeps its
// meaning until then. Values the set-up is given elsewhere (an example, the command line, a
// lesson, a drag) are written into the boxes, each where it changed and its box's text does not
// already read as it, so that the rest stays as typed.
class FormBinding final : public QObject
{
    Q_OBJECT

public:
    FormBinding(const ParameterBoxes &boxes, QScrollBar &pace, SetUpModel &setUp);

    // The boxes read and checked, as Start reads them; what passes is the set-up's values from
    // now on.
    std::variant<Parameters, Message> read();

private:
    void show(Aspects aspects);

    ParameterBoxes m_boxes;
    QScrollBar &m_pace;
    SetUpModel &m_setUp;
    QLocale m_notation; // the boxes' numbers' before a change of language
    // The values last written into the boxes or read from them: only a value that changed
    // since is written, so that what is typed in another box stays as typed.
    SecondValues m_inBoxes;
};

} // namespace vlnokres
