#pragma once

#include <memory>

class QApplication;

namespace vlnokres {

// Connects to the desktop's display, or ends the program with one plain Czech sentence on
// the standard error and status 1 where there is none to connect to: no display named at all,
// or one named that is not there. The toolkit itself would abort with its own messages.
std::unique_ptr<QApplication> connectToDisplay(int &argc, char **argv);

} // namespace vlnokres
