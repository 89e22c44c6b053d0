#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>

#include <array>
#include <optional>
#include <vector>

class QWidget;

namespace vlnokres {

// The main window as it was designed: every control with its place in twips from the
// client area's top-left corner (15 twips to a pixel), its font and its tab index.
inline constexpr int kTwipsPerPixel = 15;

enum class ControlKind { Label, Button, TextBox, ScrollBar };

// Every named font is bold; a control without one uses the window's default font.
struct FontSpec {
    const char *family;
    double points;
};

struct ControlFlags {
    bool greyCentred = false; // the parameter boxes and the "+" between the vectors
    bool shown = true;
    bool tabStop = true;
    bool readOnly = false;
    // What a screen reader calls the control where no caption of its own names it: a box by
    // the label over it, the scroll bar by what it sets.
    const char *accessibleName = nullptr;
};

struct ControlSpec {
    const char *name; // UTF-8, as the code refers to it
    ControlKind kind;
    const char *text; // UTF-8
    int left, top, width, height;
    std::optional<FontSpec> font;
    int tabIndex;
    ControlFlags flags = {};
};

extern const std::array<ControlSpec, 14> kMainForm;

// The controls of the form, built as children of the window with their tab order, and placed
// for any zoom: at zoom z every control's rectangle and font is z times the design's, so that
// the whole form scales as one picture.
class Form
{
public:
    explicit Form(QWidget &window);

    void place(double zoom, QPoint origin);
    void retranslate();
    // The title label's text, the Czech source (none: the design's), shown from the next
    // retranslate() on.
    void setTitle(const char *text) { m_title = text; }
    // In the design's pixels, as the control was laid out at zoom 1.
    QRect designRectOf(const QWidget *control) const;

private:
    struct Placed {
        QWidget *control;
        const ControlSpec *design;
        QRect designRect; // a label's as wide as its text needs at zoom 1
    };

    QWidget &m_window;
    QFont m_defaultFont;
    std::vector<Placed> m_controls;
    double m_zoom = 1;
    QPoint m_origin;
    const char *m_title = nullptr;
};

} // namespace vlnokres
