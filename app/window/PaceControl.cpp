#include "PaceControl.h"

#include "NumberText.h"
#include "app/language/Language.h"
#include "core/Pace.h"
#include "core/StepOperations.h"

#include <QLocale>

#include <QLineEdit>
#include <QScrollBar>

namespace vlnokres {

void connectPaceControl(QScrollBar &bar, QLineEdit &slowdownBox, const TimeAxis &axis)
{
    bar.setRange(kFastest, kSlowest);
    bar.setSingleStep(1);
    bar.setPageStep(1);
    // Without tracking, valueChanged comes after an arrow or trough click and at the end of
    // a drag, never during one.
    bar.setTracking(false);
    QObject::connect(&bar, &QScrollBar::valueChanged, &slowdownBox, [&bar, &slowdownBox, &axis](int value) {
        slowdownBox.setText(writeNumber(value));
        bar.setToolTip(paceText(value, axis));
    });
    bar.setToolTip(paceText(bar.value(), axis));
}

QString paceText(int slowdown, TimeAxis axis)
{
    const double seconds = axis.steps() * double(pausePerStep(slowdown).count()) / 1e9;
    return Texts::tr("Zpomalení %1: běh trvá %2 s").arg(slowdown).arg(textLocale().toString(seconds, 'g', 4));
}

} // namespace vlnokres
