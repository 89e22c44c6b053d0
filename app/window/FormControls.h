#pragma once

#include <QPushButton>
#include <QScrollBar>

namespace vlnokres {

// A button that Enter presses too, as Space does: desktop users expect both on a focused
// button, and Qt's own button takes Enter only in a dialog. Every Enter is one press, also
// when several come at once, as held presses do after a run.
class FormButton final : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// A scroll bar whose arrow keys go the way its arrows do (Right and Up towards the right end,
// Left and Down towards the left one, Home and End to the ends), and that shows a focus mark
// as the buttons and boxes do, so that a keyboard user can see where they are. Its arrow
// buttons grow with the window's zoom, as everything else does, so that they stay easy to hit
// on a projector's screen.
class FormScrollBar final : public QScrollBar
{
    Q_OBJECT

public:
    explicit FormScrollBar(QWidget *parent);

    double zoom() const { return m_zoom; }
    void setZoom(double zoom);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double m_zoom = 1;
};

} // namespace vlnokres
