#include "WindowSize.h"

#include "core/Zoom.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace vlnokres {
namespace {

// Room that a window manager's frame and title bar take around the client area, allowed for
// when the window's start size is chosen (the frame is not known before the window shows):
// the design's own, an 800 × 600 window around the 792 × 573 client area.
constexpr QSize kFrameAllowance{8, 27};

QSize scaled(QSize client, double zoom) { return QSizeF(QSizeF(client) * zoom).toSize(); }

} // namespace

void resizeAtStart(QWidget &window, QSize client, double wanted)
{
    const QRect free = window.screen()->availableGeometry();
    const double zoom =
        zoom::atStart(free.width() - kFrameAllowance.width(), free.height() - kFrameAllowance.height(), wanted);
    window.resize(scaled(client, zoom));
}

void resizeForZoom(QWidget &window, QSize client, double wanted)
{
    if (window.isFullScreen() || window.isMaximized())
        window.showNormal();
    const QRect free = window.screen()->availableGeometry();
    const QSize frame = window.frameGeometry().size() - window.size();
    const double fitting = zoom::toFit(free.width() - frame.width(), free.height() - frame.height());
    const QSize size = scaled(client, std::max(zoom::kSmallest, std::min(wanted, fitting)));
    const QRect grown(window.frameGeometry().topLeft(), size + frame);
    window.resize(size);
    const QPoint inside(std::clamp(grown.left(), free.left(), std::max(free.left(), free.right() + 1 - grown.width())),
                        std::clamp(grown.top(), free.top(), std::max(free.top(), free.bottom() + 1 - grown.height())));
    if (inside != grown.topLeft())
        window.move(inside);
}

} // namespace vlnokres
