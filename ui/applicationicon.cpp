#include "ui/applicationicon.h"

namespace velmora {

QIcon applicationIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/velmora-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/velmora-32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icons/velmora-64.png"), QSize(64, 64));
    return icon;
}

} // namespace velmora
