#pragma once

// The game's type on its own: QtGui only, so that a picture drawn without the widgets (the
// math tool's plot) sets its texts as the windows do.

#include <QFont>
#include <QString>

namespace melvane {

// The game's own type, DejaVu Sans, at a size in pixels: what its drawn texts are set in.
inline QFont gameFont(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace melvane
