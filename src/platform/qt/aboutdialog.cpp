#include "platform/qt/aboutdialog.h"

#include <algorithm>

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "platform/qt/accessibletexts.h"
#include "platform/qt/look.h"
#include "platform/qt/linkopener.h"
#include "platform/qt/pictures/pictures.h"
#include "platform/qt/qthost.h"

#ifndef MELVANE_VERSION
#error "MELVANE_VERSION comes from the project's version in CMake"
#endif
#ifndef MELVANE_MAKER_PAGE
#error "MELVANE_MAKER_PAGE comes from CMake"
#endif

namespace melvane {

namespace {

constexpr int kWindowWidth = 392;
// The window's whole height, title bar and borders included.
constexpr int kWindowHeightTwips = 1815;

} // namespace

std::string programVersion() { return MELVANE_VERSION; }
std::string makerPage() { return MELVANE_MAKER_PAGE; }

AboutDialog::AboutDialog(AboutWindow &model, QtHost &host, const Pictures &pictures)
    : ModelDialog(model, "aboutmelvane", {kWindowWidth, px(kWindowHeightTwips)}), host_(host)
{
    setWindowTitle(tr("About %1").arg(QString::fromUtf8(kProgramTitle)));
    // The look belongs to the window's own widgets, not to the message a refused link brings up.
    QWidget *surface = addSurface("aboutsurface");

    picIcon_ = new QLabel(surface);
    auto *picIcon = picIcon_;
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(8, 6, 44, 44);
    picIcon->setScaledContents(true);
    picIcon->setPixmap(pictures.symbol(Symbol::Scatter));
    picIcon->setAccessibleName(AccessibleTexts::symbol(Symbol::Scatter));

    lblTitle_ = new QLabel(surface);
    lblTitle_->setObjectName(QStringLiteral("lblTitle"));
    lblTitle_->setGeometry(60, 14, 212, 28);
    lblTitle_->setText(
        tr("%1  version %2").arg(QString::fromUtf8(kProgramTitle), QString::fromStdString(programVersion())));
    lblTitle_->hide();

    auto *cmdOK = new QPushButton(tr("OK"), surface);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(px(4200), px(240), 96, 26);
    connect(cmdOK, &QPushButton::clicked, this, [this] { reject(); });

    auto *line1 = new QFrame(surface);
    line1->setObjectName(QStringLiteral("Line1"));
    line1->setFrameShape(QFrame::HLine);
    line1->setGeometry(4, 54, kWindowWidth - 8, 2);

    auto *label2 = new QLabel(tr("See More Slots At :-"), surface);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setIndent(4);
    label2->setGeometry(px(60), px(960), px(2280) - px(60) - 4, px(315));

    auto *cmdkestraslots = new QPushButton(QStringLiteral("Kestra_Slots"), surface);
    cmdkestraslots->setObjectName(QStringLiteral("cmdkestraslots"));
    cmdkestraslots->setGeometry(px(2280), px(960), px(3375), px(315));
    cmdkestraslots->setAccessibleName(AccessibleTexts::title(cmdkestraslots->text()));
    cmdkestraslots->setAccessibleDescription(AccessibleTexts::makerLinkDoes());
    connect(cmdkestraslots, &QPushButton::clicked, this, [this] {
        openlink(host_, host_.linkHandler(), makerPage());
        handled();
    });
    cmdOK->setDefault(true);

    captureDesign();
    bindModel();
}

void AboutDialog::setLook(qreal scale, const Pictures &pictures)
{
    picIcon_->setPixmap(pictures.symbol(Symbol::Scatter));
    setScale(scale);
}

QSize AboutDialog::sizeAt(qreal scale) const
{
    const int outer = scaled(px(kWindowHeightTwips), scale);
    const int frame = isVisible() ? frameGeometry().height() - geometry().height() : 0;
    return {scaled(kWindowWidth, scale), outer - std::max(frame, 0)};
}

void AboutDialog::refresh()
{
    if (model_.isOpen() && !isVisible()) {
        show();
        keepAboveMainWindow();
        lblTitle_->show();
        // Shown, the window knows its frame.
        setFixedSize(sizeAt(scale()));
        if (!placed_) {
            placed_ = true;
            centreform();
        }
    } else if (!model_.isOpen() && isVisible()) {
        hide();
        placed_ = false;
    }
}

void AboutDialog::centreform()
{
    if (mainWindow_ != nullptr) {
        centreOver(*this, *mainWindow_);
        return;
    }
    const QSize screen = host_.screenSize();
    const QRect outer = frameGeometry();
    move((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2);
}

void AboutDialog::reject() { model_.close(); }

} // namespace melvane
