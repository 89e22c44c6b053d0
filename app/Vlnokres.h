#pragma once

// The main window. app/ builds it from the form description (Form.h), writes the start-up
// values into its boxes and owns the exit; animation/ draws on its client area through the
// DrawingSurface the window owns and paints from. The Start button hands the boxes to the
// Start command, which reads them, checks them and draws; nothing flows back.

#include "animation/DrawingSurface.h"
#include "animation/StartCommand.h"

#include <QWidget>

class QPushButton;
class QScrollBar;

namespace vlnokres {

class Vlnokres : public QWidget
{
    Q_OBJECT

public:
    explicit Vlnokres(QWidget *parent = nullptr);

    // The client area as designed: 11,880 × 8,595 twips.
    static constexpr QSize kClientSize{792, 573};

    const DrawingSurface &surface() const { return m_surface; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    template <typename Control>
    Control *control(const char *name) const;
    void writeStartUpValues();

    DrawingSurface m_surface;
    ParameterBoxes m_boxes;
};

} // namespace vlnokres
