#include "platform/qt/look.h"

#include <QFile>

#include "game/machine/timing.h"

namespace melvane {

int px(int twips) { return (twips + timing::kTwipsPerPixel / 2) / timing::kTwipsPerPixel; }

QRect toPixels(const Geometry &g) { return {px(g.left), px(g.top), px(g.width), px(g.height)}; }

const QString &machineStyleSheet()
{
    static const QString sheet = [] {
        QFile file(QStringLiteral(":/melvane.qss"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }();
    return sheet;
}

} // namespace melvane
