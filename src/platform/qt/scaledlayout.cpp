#include "platform/qt/scaledlayout.h"

#include <algorithm>

#include <QScreen>
#include <QWidget>

#include "platform/qt/look.h"

namespace melvane {

void ScaledLayout::place(QWidget *widget, const QRectF &design)
{
    design_.insert(widget, design);
    const QRect shown = scaled(design, scale_);
    if (widget->geometry() != shown)
        widget->setGeometry(shown);
}

void ScaledLayout::capture(QWidget &root)
{
    for (QWidget *widget : root.findChildren<QWidget *>())
        if (!widget->isWindow())
            design_.insert(widget, QRectF(widget->geometry()));
}

void ScaledLayout::setScale(qreal scale)
{
    scale_ = scale;
    for (auto it = design_.cbegin(); it != design_.cend(); ++it)
        it.key()->setGeometry(scaled(it.value(), scale_));
}

void centreOver(QWidget &window, const QWidget &over)
{
    QRect outer = window.frameGeometry();
    outer.moveCenter(over.frameGeometry().center());
    if (const QScreen *screen = over.screen()) {
        const QRect free = screen->availableGeometry();
        outer.moveLeft(std::max(free.left(), std::min(outer.left(), free.right() + 1 - outer.width())));
        outer.moveTop(std::max(free.top(), std::min(outer.top(), free.bottom() + 1 - outer.height())));
    }
    window.move(outer.topLeft());
}

} // namespace melvane
