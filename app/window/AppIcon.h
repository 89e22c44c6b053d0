#pragma once

#include <QIcon>

namespace vlnokres {

// Two phasors tip to tail on a grey disc, rendered at build time from app/icon/vlnokres.svg.
QIcon appIcon();

} // namespace vlnokres
