#pragma once

#include <QRect>
#include <QString>

#include "game/machine/controls.h"

namespace melvane {

// Design positions and sizes are in twips; the machine is drawn at one pixel to every
// `timing::kTwipsPerPixel` twips, rounded to the nearest pixel.
int px(int twips);
QRect toPixels(const Geometry &g);

// The one style sheet of the machine's windows (resource ":/melvane.qss"), read once.
const QString &machineStyleSheet();

} // namespace melvane
