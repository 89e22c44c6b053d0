#pragma once

class QWidget;
class QWindow;

namespace vlnokres {

// A small window, in the language chosen, that lists every key the program knows. It stays open beside the
// main window until it is closed; asking again brings the same window to the front. Closed,
// it gives the keyboard back to the main window.
void showKeysHelp(QWidget &parent);
// Closes it for good, so that it is made anew in another language; returns whether it was open.
bool forgetKeysHelp(QWidget &parent);

// Whether the window is that of the key help.
bool isKeysHelp(const QWindow &window);

} // namespace vlnokres
