#include "platform/qt/sidedialog.h"

#include <QWindow>

#include "platform/qt/look.h"

namespace melvane {

SideDialog::SideDialog(const char *name, QSize design) : QDialog(nullptr), design_(design)
{
    setObjectName(QString::fromLatin1(name));
    // Closing the main window ends the game even while this one is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(design);
}

void SideDialog::setLook(qreal scale, const Pictures &) { setScale(scale); }

void SideDialog::setStyled(QWidget *styled)
{
    styled_ = styled;
    styled_->setStyleSheet(machineStyleSheet());
}

QWidget *SideDialog::addSurface(const char *name)
{
    auto *surface = new QWidget(this);
    surface->setObjectName(QString::fromLatin1(name));
    surface->setAttribute(Qt::WA_StyledBackground);
    surface->setGeometry(QRect(QPoint(0, 0), design_));
    setStyled(surface);
    return surface;
}

void SideDialog::captureDesign()
{
    layout_.capture(*this);
    styled_->ensurePolished();
}

QSize SideDialog::sizeAt(qreal scale) const { return {scaled(design_.width(), scale), scaled(design_.height(), scale)}; }

bool SideDialog::setScale(qreal scale)
{
    if (scale == layout_.scale())
        return false;
    setFixedSize(sizeAt(scale));
    styled_->setStyleSheet(scaledStyleSheet(machineStyleSheet(), scale));
    layout_.setScale(scale);
    return true;
}

void SideDialog::handled()
{
    if (afterHandler_)
        afterHandler_();
    else
        refresh();
}

void SideDialog::keepAboveMainWindow()
{
    if (windowHandle() != nullptr && mainWindow_ != nullptr && mainWindow_->windowHandle() != nullptr)
        windowHandle()->setTransientParent(mainWindow_->windowHandle());
}

void SideDialog::showOverMainWindow()
{
    show();
    if (mainWindow_ != nullptr)
        centreOver(*this, *mainWindow_);
    keepAboveMainWindow();
}

} // namespace melvane
