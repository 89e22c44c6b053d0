#pragma once

#include "core/StartChecks.h"

class QString;
class QWidget;

namespace vlnokres {

// A modal box over the window with the message's title and text, one OK button and no icon,
// wide enough for its whole title; returns when it is dismissed.
void showMessageBox(QWidget &parent, const Message &message);

// The least width of a window whose title bar shows the whole title.
int widthForTitle(const QString &title);

} // namespace vlnokres
