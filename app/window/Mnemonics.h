#pragma once

class QMenu;

namespace vlnokres {

// Gives every item of the menu and of its submenus one underlined letter, unique within its
// menu, in whatever language the texts are: the first letter of a word where it is free, else
// any free letter, else a free digit. Made anew each time, as the texts change with the run's
// state and the language.
void giveMnemonics(QMenu &menu);

} // namespace vlnokres
