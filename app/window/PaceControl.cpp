#include "PaceControl.h"

#include "NumberText.h"
#include "core/Pace.h"

#include <QLineEdit>
#include <QScrollBar>

namespace vlnokres {

void connectPaceControl(QScrollBar &bar, QLineEdit &slowdownBox)
{
    bar.setRange(kFastest, kSlowest);
    bar.setSingleStep(1);
    bar.setPageStep(1);
    // Without tracking, valueChanged comes after an arrow or trough click and at the end of
    // a drag, never during one.
    bar.setTracking(false);
    QObject::connect(&bar, &QScrollBar::valueChanged, &slowdownBox,
                     [&slowdownBox](int value) { slowdownBox.setText(writeNumber(value)); });
}

} // namespace vlnokres
