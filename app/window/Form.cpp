#include "Form.h"

#include "ControlNames.h"
#include "FormControls.h"
#include "app/language/Language.h"
#include "core/Ink.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <algorithm>
#include <string_view>
#include <vector>

namespace vlnokres {

namespace {
constexpr FontSpec kTimes(double points) { return {"Times New Roman", points}; }
} // namespace

// clang-format off
const std::array<ControlSpec, 14> kMainForm = {{
    {names::kPace,        ControlKind::ScrollBar, "",  960,  600, 1935, 255, std::nullopt,                    17,
     {.accessibleName = QT_TRANSLATE_NOOP("vlnokres::Texts", "Zpomalení")}},
    {names::kPlus,        ControlKind::TextBox,   "+", 4680, 2040, 375,  450, FontSpec{"MS Sans Serif", 13.5}, 16,
     {.greyCentred = true, .tabStop = false, .readOnly = true}},
    {names::kSlowdown,    ControlKind::TextBox,   "",  2160, 1080, 615,  285, std::nullopt,                    11, {.shown = false}},
    {names::kPhase,       ControlKind::TextBox,   "",  7440, 720,  735,  285, std::nullopt,                    10,
     {.greyCentred = true, .accessibleName = QT_TRANSLATE_NOOP("vlnokres::Texts", "Fázový posun")}},
    {names::kFrequency,   ControlKind::TextBox,   "",  6240, 720,  735,  285, std::nullopt,                    9,
     {.greyCentred = true, .accessibleName = QT_TRANSLATE_NOOP("vlnokres::Texts", "Kmitočet")}},
    {names::kAmplitude,   ControlKind::TextBox,   "",  5040, 720,  735,  285, std::nullopt,                    8,
     {.greyCentred = true, .accessibleName = QT_TRANSLATE_NOOP("vlnokres::Texts", "Amplituda")}},
    {names::kExit,        ControlKind::Button,    QT_TRANSLATE_NOOP("vlnokres::Texts", "Konec"), 10320, 120, 975, 375, kTimes(14.25),               4},
    {names::kStart,       ControlKind::Button,    QT_TRANSLATE_NOOP("vlnokres::Texts", "Start"), 9240,  120, 975, 375, kTimes(15.75),               0},
    {names::kInstruction, ControlKind::Label,     QT_TRANSLATE_NOOP("vlnokres::Texts", "Klepněte na tlačitko Start"), 2400, 3840, 3855, 735, kTimes(15.75), 7},
    {names::kParametersHeading, ControlKind::Label,     QT_TRANSLATE_NOOP("vlnokres::Texts", "Parametry druhé sinusoidy (relativně k první )"), 4440, 120, 4695, 255,
     kTimes(12), 6},
    {names::kTitle,       ControlKind::Label,     QT_TRANSLATE_NOOP("vlnokres::Texts", "Součet dvou sinusovek"), 600, 120, 3375, 375, kTimes(15.75), 5},
    {names::kPhaseLabel,  ControlKind::Label,     QT_TRANSLATE_NOOP("vlnokres::Texts", "Fázový posun"), 7320, 480, 1185, 225, kTimes(9.75), 3},
    {names::kFrequencyLabel, ControlKind::Label,     QT_TRANSLATE_NOOP("vlnokres::Texts", "Kmitočet"),     6240, 480, 855,  255, kTimes(9.75), 2},
    {names::kAmplitudeLabel, ControlKind::Label,     QT_TRANSLATE_NOOP("vlnokres::Texts", "Amplituda"),    4920, 480, 855,  255, kTimes(9.75), 1},
}};
// clang-format on

namespace {

const QColor kGrey = QColor::fromRgb(rgbOf(Ink::BackgroundGrey));

QWidget *createControl(const ControlSpec &design, QWidget &window)
{
    const QString text = Texts::tr(design.text);
    switch (design.kind) {
    case ControlKind::Label: {
        auto *label = new QLabel(text, &window);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // A label that a wider font has grown over a control must never take its clicks:
        // labels let the mouse through and stand below every control.
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->lower();
        return label;
    }
    case ControlKind::Button:
        return new FormButton(text, &window);
    case ControlKind::TextBox: {
        auto *box = new QLineEdit(text, &window);
        box->setReadOnly(design.flags.readOnly);
        if (design.flags.greyCentred) {
            box->setAlignment(Qt::AlignCenter);
            QPalette palette = box->palette();
            palette.setColor(QPalette::Base, kGrey);
            box->setPalette(palette);
        }
        return box;
    }
    case ControlKind::ScrollBar:
        return new FormScrollBar(&window);
    }
    return nullptr;
}

QFont namedFont(const FontSpec &named, double zoom)
{
    QFont font(QString::fromUtf8(named.family));
    // The constructor's size is whole points; 15.75 needs the fractional setter.
    font.setPointSizeF(named.points * zoom);
    font.setBold(true);
    return font;
}

// Our serif sets a few pixels wider than the one the form was designed with: a label grows to
// its text by up to kLabelSlack pixels rather than cut off its last letters. A font wider
// still (where the twins are missing, or where hinting widens the text at some zoom) is made
// smaller until the text fits, so that the labels keep the design's places and do not run
// into each other or under the buttons.
constexpr int kLabelSlack = 8;

void fitLabelFont(QWidget &label, int room)
{
    QFont font = label.font();
    while (label.sizeHint().width() > room && font.pointSizeF() > 4) {
        font.setPointSizeF(font.pointSizeF() * 0.97);
        label.setFont(font);
    }
}

// The design's rectangle scaled about the form's corner, with its edges rounded, so that
// neighbouring controls stay neighbours at any zoom.
QRect scaled(const QRect &design, double zoom, QPoint origin)
{
    auto at = [zoom](int v) { return int(std::lround(v * zoom)); };
    return QRect(QPoint(at(design.left()), at(design.top())),
                 QPoint(at(design.right() + 1) - 1, at(design.bottom() + 1) - 1))
        .translated(origin);
}

} // namespace

Form::Form(QWidget &window) : m_window(window), m_defaultFont(window.font())
{
    // A light grey form with black text, whatever the desktop's colour scheme.
    QPalette palette(kGrey);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Base, Qt::white);
    window.setPalette(palette);
    // The window paints its grey itself, around the picture rather than under it.
    window.setAttribute(Qt::WA_OpaquePaintEvent);

    std::vector<std::pair<int, QWidget *>> tabChain;
    for (const ControlSpec &design : kMainForm) {
        QWidget *control = createControl(design, window);
        control->setObjectName(QString::fromUtf8(design.name));
        Placed placed{control, &design,
                      QRect(design.left / kTwipsPerPixel, design.top / kTwipsPerPixel,
                            design.width / kTwipsPerPixel, design.height / kTwipsPerPixel)};
        control->setGeometry(placed.designRect);
        if (design.font)
            control->setFont(namedFont(*design.font, 1));
        if (design.kind == ControlKind::Label) {
            const int room = control->width() + kLabelSlack;
            fitLabelFont(*control, room);
            placed.designRect.setWidth(std::clamp(control->sizeHint().width(), control->width(), room));
            control->setGeometry(placed.designRect);
        }
        m_controls.push_back(placed);
        control->setVisible(design.flags.shown);
        if (design.flags.accessibleName)
            control->setAccessibleName(Texts::tr(design.flags.accessibleName));
        if (!design.flags.tabStop)
            control->setFocusPolicy(Qt::ClickFocus);
        if (design.flags.shown && design.flags.tabStop && control->focusPolicy() & Qt::TabFocus)
            tabChain.emplace_back(design.tabIndex, control);
    }
    std::ranges::sort(tabChain, {}, &std::pair<int, QWidget *>::first);
    for (std::size_t i = 1; i < tabChain.size(); ++i)
        QWidget::setTabOrder(tabChain[i - 1].second, tabChain[i].second);
    if (!tabChain.empty())
        tabChain.front().second->setFocus();
}

void Form::place(double zoom, QPoint origin)
{
    if (zoom == m_zoom && origin == m_origin)
        return;
    if (zoom != m_zoom) {
        QFont font = m_defaultFont;
        font.setPointSizeF(m_defaultFont.pointSizeF() * zoom);
        m_window.setFont(font);
    }
    for (const Placed &placed : m_controls) {
        const QRect rect = scaled(placed.designRect, zoom, origin);
        placed.control->setGeometry(rect);
        if (auto *bar = qobject_cast<FormScrollBar *>(placed.control))
            bar->setZoom(zoom);
        if (zoom != m_zoom && placed.design->font) {
            placed.control->setFont(namedFont(*placed.design->font, zoom));
            if (placed.design->kind == ControlKind::Label)
                fitLabelFont(*placed.control, rect.width());
        }
    }
    m_zoom = zoom;
    m_origin = origin;
}

// The texts in the language chosen; a label is laid out anew for its text at zoom 1, as it
// was made, so that going back to a language gives back its form exactly.
void Form::retranslate()
{
    for (Placed &placed : m_controls) {
        const ControlSpec &design = *placed.design;
        if (design.flags.accessibleName)
            placed.control->setAccessibleName(Texts::tr(design.flags.accessibleName));
        if (auto *button = qobject_cast<QAbstractButton *>(placed.control))
            button->setText(Texts::tr(design.text));
        auto *label = qobject_cast<QLabel *>(placed.control);
        if (!label)
            continue;
        const bool retitled = m_title && std::string_view(design.name) == names::kTitle;
        label->setText(Texts::tr(retitled ? m_title : design.text));
        label->setFont(namedFont(*design.font, 1));
        const int width = design.width / kTwipsPerPixel;
        fitLabelFont(*label, width + kLabelSlack);
        placed.designRect.setWidth(std::clamp(label->sizeHint().width(), width, width + kLabelSlack));
    }
    const double zoom = m_zoom;
    m_zoom = 0; // every control laid out and its font set again
    place(zoom, m_origin);
}

QRect Form::designRectOf(const QWidget *control) const
{
    for (const Placed &placed : m_controls)
        if (placed.control == control)
            return placed.designRect;
    return {};
}

} // namespace vlnokres
