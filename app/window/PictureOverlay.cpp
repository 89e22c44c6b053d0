#include "PictureOverlay.h"

#include "app/language/Language.h"
#include "app/picture/ReadoutText.h"
#include "app/run/RasterSurface.h"
#include "app/run/RunController.h"
#include "app/setup/SetUpModel.h"
#include "core/Picture.h"

#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace vlnokres {
namespace {

// How often the readouts' values and the resultant are repainted while a run goes on.
constexpr int kTick = 30; // ms

// Where the resultant of the labels may lie: around the lower diagram, as far as the longest
// second vector reaches, with its arrow head.
constexpr Rect kResultantArea{38, 258, 302, 523};
// A paused run's step, full screen, in the band's free top-left corner, where a picture has
// its caption, and clear of the pace bar above it.
constexpr Rect kStepArea{0, 58, 330, 84};
constexpr Point kStepAt{8, 76};

} // namespace

PictureOverlay::PictureOverlay(QWidget &window, const RasterSurface &surface, const RunController &run,
                               const SetUpModel &setUp)
    : m_window(window), m_surface(surface), m_run(run), m_setUp(setUp), m_ticker(new QTimer(&window))
{
    m_ticker->setInterval(kTick);
    connect(m_ticker, &QTimer::timeout, this, &PictureOverlay::repaintMoving);
}

QRect PictureOverlay::windowArea(const Rect &a, double zoom) const
{
    const QRectF design(a.left, a.top, a.right - a.left, a.bottom - a.top);
    const QRect shown = m_surface.shownArea();
    return QRectF(shown.topLeft() + design.topLeft() * zoom, design.size() * zoom).toAlignedRect();
}

void PictureOverlay::repaintMoving()
{
    const double zoom = m_surface.ratio() / m_window.devicePixelRatio();
    m_window.update(windowArea(picture::kReadoutArea, zoom));
    if (m_setUp.setUp().labels)
        m_window.update(windowArea(kResultantArea, zoom));
    m_window.update(windowArea(kStepArea, zoom));
}

void PictureOverlay::follow()
{
    const SetUp &s = m_setUp.setUp();
    const bool moving = s.readouts || s.labels;
    m_run.isRunning() && !m_run.isPaused() && moving ? m_ticker->start() : m_ticker->stop();
    repaintMoving();
}

PictureText PictureOverlay::text() const
{
    const auto &last = m_run.lastRun();
    if (!last)
        return {};
    return overlayText(last->parameters, std::max(1, m_run.shownStep()), m_run.shownSetUp());
}

void PictureOverlay::paint(QPainter &painter, double zoom) const
{
    const SetUp &s = m_setUp.setUp();
    const bool stepShown = m_window.isFullScreen() && m_run.isPaused();
    const QString question = m_question ? m_question() : QString();
    // Nothing over the picture: a run's repaints do no more than before.
    if (!s.readouts && !s.labels && s.cursors.empty() && !stepShown && question.isEmpty())
        return;
    const PictureText over = text();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(m_surface.shownArea().topLeft());
    painter.scale(zoom, zoom);
    PainterSink sink(painter);
    emitMarks(sink, over);
    emitReadouts(sink, over);
    emitQuestion(sink, question);
    if (stepShown)
        sink.text(kStepAt,
                  Texts::tr(" – krok %1 z %2").arg(m_run.shownStep()).arg(m_run.axis().steps()).mid(3) +
                      Texts::tr(" – pozastaveno"),
                  pictureStyle::kCaptionPixels, std::nullopt);
    painter.restore();
}

} // namespace vlnokres
