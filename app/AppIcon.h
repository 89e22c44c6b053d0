#pragma once

#include <QIcon>

namespace vlnokres {

// Two phasors, a green one and a red one, from a common origin on a grey disc.
QIcon appIcon();

} // namespace vlnokres
