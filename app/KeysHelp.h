#pragma once

class QWidget;

namespace vlnokres {

// A small window, in Czech, that lists every key the program knows. It stays open beside the
// main window until it is closed; asking again brings the same window to the front.
void showKeysHelp(QWidget &parent);

} // namespace vlnokres
