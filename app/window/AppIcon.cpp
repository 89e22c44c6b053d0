#include "AppIcon.h"

namespace vlnokres {

QIcon appIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 256})
        icon.addFile(QStringLiteral(":/icons/vlnokres-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace vlnokres
