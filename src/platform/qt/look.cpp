#include "platform/qt/look.h"

#include <algorithm>
#include <cmath>

#include <QFile>
#include <QRegularExpression>

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

QRectF designRect(const Geometry &g)
{
    constexpr qreal kTwips = timing::kTwipsPerPixel;
    return {g.left / kTwips, g.top / kTwips, g.width / kTwips, g.height / kTwips};
}

int scaled(qreal design, qreal scale) { return static_cast<int>(std::lround(design * scale)); }

QRect scaled(const QRectF &design, qreal scale)
{
    const int left = scaled(design.left(), scale);
    const int top = scaled(design.top(), scale);
    return {left, top, scaled(design.left() + design.width(), scale) - left,
            scaled(design.top() + design.height(), scale) - top};
}

qreal fittingScale(QSize area, QSize design, qreal deviceRatio)
{
    if (design.isEmpty() || area.isEmpty() || deviceRatio <= 0)
        return 1.0 / kCellPixels;
    const qreal fit = std::min(static_cast<qreal>(area.width()) / design.width(),
                               static_cast<qreal>(area.height()) / design.height());
    // A hair of tolerance: an area made from a scale must give that scale back.
    const qreal cells = std::floor(fit * deviceRatio * kCellPixels + 1e-6);
    return std::max<qreal>(cells, 1.0) / (kCellPixels * deviceRatio);
}

QString scaledStyleSheet(const QString &sheet, qreal scale)
{
    static const QRegularExpression length(QStringLiteral("(font-size\\s*:\\s*)?(\\d+(?:\\.\\d+)?)px\\b"));
    QString out;
    out.reserve(sheet.size());
    qsizetype from = 0;
    for (QRegularExpressionMatchIterator it = length.globalMatch(sheet); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const qreal design = match.captured(2).toDouble() * scale;
        // Type is rounded down, so a text that fits its control in the design fits it at any
        // size; every other length goes to the nearest pixel.
        const bool type = match.capturedLength(1) > 0;
        const long rounded = type ? static_cast<long>(std::floor(design + 1e-6)) : std::lround(design);
        const long pixels = design > 0 ? std::max(1L, rounded) : 0L;
        out += QStringView(sheet).mid(from, match.capturedStart(2) - from);
        out += QString::number(pixels) + QStringLiteral("px");
        from = match.capturedEnd();
    }
    out += QStringView(sheet).mid(from);
    return out;
}

const QString &machineStyleSheet()
{
    static const QString sheet = [] {
        QFile file(QStringLiteral(":/melvane.qss"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }();
    return sheet;
}

} // namespace melvane
