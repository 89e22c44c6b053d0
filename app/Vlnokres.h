#pragma once

// The main window. app/ builds it from the form description (Form.h), writes the start-up
// values into its boxes, and owns the exit and the pace control; animation/ draws on its
// client area through the DrawingSurface the window owns and paints from. The Start button
// hands the boxes to the Start command, which reads them once, checks them, and draws the
// scene and its run step by step, paced by the Pacer; nothing flows back into the boxes but a
// zero amplitude's stand-in.

#include "animation/DrawingSurface.h"
#include "animation/HeldInput.h"
#include "animation/Pacer.h"
#include "animation/StartCommand.h"

#include <QWidget>

#include <memory>

namespace vlnokres {

class Vlnokres : public QWidget
{
    Q_OBJECT

public:
    explicit Vlnokres(QWidget *parent = nullptr);

    // The client area as designed: 11,880 × 8,595 twips.
    static constexpr QSize kClientSize{792, 573};

    const DrawingSurface &surface() const { return m_surface; }
    // Tests pace the run themselves; the window's own pacer sleeps in real time.
    void setPacer(std::unique_ptr<Pacer> pacer) { m_pacer = std::move(pacer); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    template <typename Control>
    Control *control(const char *name) const;
    void writeStartUpValues();

    DrawingSurface m_surface;
    HeldInput m_heldInput;
    std::unique_ptr<Pacer> m_pacer;
    ParameterBoxes m_boxes;
};

} // namespace vlnokres
