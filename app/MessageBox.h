#pragma once

#include "core/StartChecks.h"

class QWidget;

namespace vlnokres {

// A modal box over the window with the message's title and text, one OK button and no icon;
// returns when it is dismissed.
void showMessageBox(QWidget &parent, const Message &message);

} // namespace vlnokres
