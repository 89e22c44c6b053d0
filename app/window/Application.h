#pragma once

class QApplication;

namespace vlnokres {

// The desktop entry's name, which a dock matches to the window's class (the entry names
// the class in StartupWMClass) to show the program's icon and pin it.
inline constexpr char kDesktopFileName[] = "example.vlnokres.Vlnokres";

// What every window of the program needs of the application: the toolkit's own texts (the
// file dialog, the buttons of dialogs and boxes, the boxes' context menu) in the program's
// language, Czech unless English is asked for, whatever the desktop's language; one style everywhere, so that
// the form's grey bevels do not follow the desktop's theme; and the desktop entry's name.
void setUpApplication(QApplication &app);

} // namespace vlnokres
