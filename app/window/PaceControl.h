#pragma once

#include "core/StepOperations.h"

#include <QString>

namespace vlnokres {

// What the pace bar's tooltip says it sets: the slowdown and how long a run on the axis then
// lasts ("Zpomalení 3: běh trvá 11,7 s").
QString paceText(int slowdown, TimeAxis axis = {});

} // namespace vlnokres
