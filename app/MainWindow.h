#pragma once

// The main window, the Qt edge around the plain core (core/). It builds itself from the form
// description (Form.h), writes the start-up values into its boxes, and owns the exit, the pace
// control and the Start command. Data goes one way: the Start command reads the boxes through
// number text, the core checks them and turns them into the run's parameters, the core's run
// loop draws step operations onto the RasterSurface, and the window paints from that surface.
// Nothing flows back into the boxes but a zero amplitude's stand-in.

#include "EventLoopPacer.h"
#include "HeldInput.h"
#include "RasterSurface.h"
#include "StartCommand.h"

#include <QWidget>

#include <functional>
#include <memory>

namespace vlnokres {

class MainWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);

    // The client area as designed: 11,880 × 8,595 twips.
    static constexpr QSize kClientSize{792, 573};

    const RasterSurface &surface() const { return m_surface; }
    // Tests pace the run themselves, and may answer refusals without a modal box; the window's
    // own pacer sleeps in real time.
    void setPacer(std::unique_ptr<Pacer> pacer) { m_pacer = std::move(pacer); }
    void setRefusalHandler(std::function<void(const Message &)> refuse) { m_refuse = std::move(refuse); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    template <typename Control>
    Control *control(const char *name) const;
    void writeStartUpValues();
    void start();

    RasterSurface m_surface;
    HeldInput m_heldInput;
    SteadyClock m_clock;
    std::unique_ptr<Pacer> m_pacer;
    std::function<void(const Message &)> m_refuse;
    ParameterBoxes m_boxes;
};

} // namespace vlnokres
