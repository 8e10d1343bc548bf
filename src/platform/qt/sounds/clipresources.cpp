#include "platform/qt/sounds/clipresources.h"

namespace melvane {

QString clipResourcePath(int clipNumber)
{
    return QStringLiteral(":/sounds/RESOURCE_ID_%1.wav").arg(clipNumber);
}

} // namespace melvane
