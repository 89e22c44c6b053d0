#include "PaceControl.h"

#include "app/language/Language.h"
#include "core/Pace.h"

namespace vlnokres {

QString paceText(int slowdown, TimeAxis axis)
{
    const double seconds = axis.steps() * double(pausePerStep(slowdown).count()) / 1e9;
    return Texts::tr("Zpomalení %1: běh trvá %2 s").arg(slowdown).arg(textLocale().toString(seconds, 'g', 4));
}

} // namespace vlnokres
