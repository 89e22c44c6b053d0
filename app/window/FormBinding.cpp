#include "FormBinding.h"

#include "PaceControl.h"
#include "app/language/NumberText.h"
#include "core/Pace.h"

#include <QLineEdit>
#include <QScrollBar>

namespace vlnokres {

FormBinding::FormBinding(const ParameterBoxes &boxes, QScrollBar &pace, SetUpModel &setUp)
    : m_boxes(boxes), m_pace(pace), m_setUp(setUp)
{
    pace.setRange(kFastest, kSlowest);
    pace.setSingleStep(1);
    pace.setPageStep(1);
    // Without tracking, valueChanged comes after an arrow or trough click and at the end of a
    // drag, never during one.
    pace.setTracking(false);
    connect(&pace, &QScrollBar::valueChanged, this,
            [this](int value) { m_setUp.change([value](Chosen &c) { c.setUp.slowdown = value; }); });
    connect(&setUp, &SetUpModel::changed, this, &FormBinding::show);
    m_inBoxes = {qQNaN(), qQNaN(), qQNaN()}; // none written yet
    show(Aspect::Values | Aspect::Slowdown);
}

void FormBinding::show(Aspects aspects)
{
    const SetUp &s = m_setUp.setUp();
    // A number keeps its digits in another language; only its decimal sign changes.
    if (aspects & Aspect::Language) {
        for (QLineEdit *box : {m_boxes.amplitude, m_boxes.frequency, m_boxes.phase})
            if (readNumber(box->text(), m_notation))
                box->setText(QString(box->text()).replace(m_notation.decimalPoint(), QLocale().decimalPoint()));
    }
    m_notation = QLocale();
    if (aspects & Aspect::Values) {
        const std::pair<QLineEdit *, double SecondValues::*> boxes[] = {{m_boxes.amplitude, &SecondValues::amplitude},
                                                                        {m_boxes.frequency, &SecondValues::frequency},
                                                                        {m_boxes.phase, &SecondValues::phaseDegrees}};
        for (const auto &[box, value] : boxes)
            if (s.values.*value != m_inBoxes.*value && readNumber(box->text()) != s.values.*value)
                box->setText(writeNumber(s.values.*value));
        m_inBoxes = s.values;
    }
    if (aspects & Aspect::Slowdown) {
        m_pace.setValue(s.slowdown);
        m_boxes.slowdown->setText(writeNumber(s.slowdown));
    }
    if (aspects & (Aspect::Slowdown | Aspect::Axis | Aspect::Language))
        m_pace.setToolTip(paceText(s.slowdown, s.axis));
}

std::variant<Parameters, Message> FormBinding::read()
{
    auto checked = checkedBoxes(m_boxes);
    if (auto *parameters = std::get_if<Parameters>(&checked)) {
        parameters->perpendicular = m_setUp.setUp().perpendicular;
        // The box's zero, not its stand-in, which only Start writes into the box.
        const SecondValues values{parameters->amplitudeReplaced ? 0 : parameters->amplitude, parameters->frequency,
                                  parameters->phaseDegrees};
        m_inBoxes = values;
        m_setUp.change([&values](Chosen &c) { c.setUp.values = values; });
    }
    return checked;
}

} // namespace vlnokres
