#pragma once

#include <QImage>

namespace melvane {

class Pictures;

// One picture showing every picture of the library, labelled, for looking at the artwork:
// the symbols and their cell cards, the start of every strip, both image lists with some
// badge overlays, the cards, banners, button faces and the background. `scale` enlarges the
// sheet; pictures made at that device-pixel ratio then show every one of their pixels.
QImage contactSheet(const Pictures &pictures, qreal scale = 1.0);

} // namespace melvane
