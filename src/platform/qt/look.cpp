#include "platform/qt/look.h"

#include <QFile>

#include "game/machine/timing.h"

namespace melvane {

int px(int twips)
{
    // To the nearest pixel on both sides of 0: a reel at rest stands at a negative position, and
    // division rounds toward 0, which drew it one pixel below its cells.
    constexpr int kHalf = timing::kTwipsPerPixel / 2;
    return twips >= 0 ? (twips + kHalf) / timing::kTwipsPerPixel : -((kHalf - twips) / timing::kTwipsPerPixel);
}

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
