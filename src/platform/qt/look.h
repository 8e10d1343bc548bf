#pragma once

#include <QRect>
#include <QRectF>
#include <QSize>
#include <QString>

#include "game/machine/controls.h"
#include "platform/qt/gamefont.h"

namespace melvane {

// Design pixels of a reel cell: the unit the scale is counted in.
inline constexpr int kCellPixels = 125;

// Design positions and sizes are in twips; the machine is drawn at one pixel to every
// `timing::kTwipsPerPixel` twips, rounded to the nearest pixel.
int px(int twips);
QRect toPixels(const Geometry &g);

// A design position in design pixels, unrounded.
QRectF designRect(const Geometry &g);

// The one transform from the design to the screen: a design rectangle `scale` times as large,
// each edge rounded to the nearest pixel, so controls that meet in the design meet on screen.
QRect scaled(const QRectF &design, qreal scale);
int scaled(qreal design, qreal scale);

// The largest scale at which `design` fits into `area`, whole in both directions. It is a
// whole number of device pixels to every 125 design pixels (at `deviceRatio` device pixels
// to a pixel of the window), so a reel cell of 125 design pixels covers whole device pixels
// and its picture is copied, never resampled. Never below 1/125.
qreal fittingScale(QSize area, QSize design, qreal deviceRatio = 1.0);

// `sheet` with every length in pixels (fonts, borders, corners, padding) `scale` times as
// large, so the text and the frames grow with the controls: type rounded down, so it never
// outgrows its control, the rest to the nearest pixel; a length that was not 0 stays at least
// 1 pixel.
QString scaledStyleSheet(const QString &sheet, qreal scale);

// The one style sheet of the machine's windows (resource ":/melvane.qss"), read once.
const QString &machineStyleSheet();

} // namespace melvane
