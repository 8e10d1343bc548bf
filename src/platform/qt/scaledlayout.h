#pragma once

#include <QHash>
#include <QRectF>
#include <QSize>

class QWidget;

namespace melvane {

// The design places of a window's widgets, in design pixels inside their parents, and the one
// scale they are all shown at: changing the scale moves and sizes every widget from its design
// place again, never from where it stands, so nothing drifts however often the size changes.
class ScaledLayout {
public:
    // Places `widget` at `design` times the scale, and keeps it there when the scale changes.
    void place(QWidget *widget, const QRectF &design);
    // Takes every widget under `root` (windows of their own excepted) where it stands now, at
    // the design size, as its design place.
    void capture(QWidget &root);
    // Shows every widget placed at `scale`.
    void setScale(qreal scale);
    qreal scale() const { return scale_; }

private:
    qreal scale_ = 1.0;
    QHash<QWidget *, QRectF> design_;
};

// Moves the window `window` so that its middle is over the middle of the window `over`, kept
// inside the free area of `over`'s screen.
void centreOver(QWidget &window, const QWidget &over);

} // namespace melvane
