#pragma once

#include <QSize>

class QWidget;

namespace vlnokres {

// The window's size for a zoom of its designed client area: the zoom wanted, unless the
// screen's free area is smaller; the largest that fits it then, never below the smallest.
// At the start the window's frame is allowed for as the design's own, as it is not known yet.
void resizeAtStart(QWidget &window, QSize client, double wanted);
// Ctrl++, Ctrl+− and Ctrl+0: the window leaves full screen, and one that would reach past the
// screen's free area once grown is moved back into it, as not every window manager does.
void resizeForZoom(QWidget &window, QSize client, double wanted);

} // namespace vlnokres
