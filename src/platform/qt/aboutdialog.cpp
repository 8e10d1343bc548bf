#include "platform/qt/aboutdialog.h"

#include <algorithm>

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QWindow>

#include "game/sidewindows/menuwindow.h"
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
    : QDialog(nullptr), model_(model), host_(host)
{
    // A window of its own, not a child of the main window, which is disabled while this is open.
    setObjectName(QStringLiteral("aboutmelvane"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("About ") + QString::fromUtf8(kProgramTitle));
    // The look belongs to the window's own widgets, not to the message a refused link brings up.
    surface_ = new QWidget(this);
    auto *surface = surface_;
    surface->setObjectName(QStringLiteral("aboutsurface"));
    surface->setAttribute(Qt::WA_StyledBackground);
    surface->setGeometry(0, 0, kWindowWidth, px(kWindowHeightTwips));
    surface->setStyleSheet(machineStyleSheet());

    picIcon_ = new QLabel(surface);
    auto *picIcon = picIcon_;
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(8, 6, 44, 44);
    picIcon->setScaledContents(true);
    picIcon->setPixmap(pictures.symbol(Symbol::Scatter));

    lblTitle_ = new QLabel(surface);
    lblTitle_->setObjectName(QStringLiteral("lblTitle"));
    lblTitle_->setGeometry(60, 14, 212, 28);
    lblTitle_->setText(QString::fromUtf8(kProgramTitle) + QStringLiteral("  version ") +
                       QString::fromStdString(programVersion()));
    lblTitle_->hide();

    auto *cmdOK = new QPushButton(QStringLiteral("OK"), surface);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(px(4200), px(240), 96, 26);
    connect(cmdOK, &QPushButton::clicked, this, [this] { reject(); });

    auto *line1 = new QFrame(surface);
    line1->setObjectName(QStringLiteral("Line1"));
    line1->setFrameShape(QFrame::HLine);
    line1->setGeometry(4, 54, kWindowWidth - 8, 2);

    auto *label2 = new QLabel(QStringLiteral("See More Slots At :-"), surface);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setIndent(4);
    label2->setGeometry(px(60), px(960), px(2280) - px(60) - 4, px(315));

    auto *cmdkestraslots = new QPushButton(QStringLiteral("Kestra_Slots"), surface);
    cmdkestraslots->setObjectName(QStringLiteral("cmdkestraslots"));
    cmdkestraslots->setGeometry(px(2280), px(960), px(3375), px(315));
    connect(cmdkestraslots, &QPushButton::clicked, this, [this] {
        openlink(host_, host_.linkHandler(), makerPage());
        handled();
    });
    cmdOK->setDefault(true);

    setFixedSize(kWindowWidth, px(kWindowHeightTwips));
    // Everything stands at the design size now: the design every scale starts from. Polished
    // now, a sheet set for another scale takes at once: one set on a widget not yet polished
    // is not read again.
    layout_.capture(*this);
    surface->ensurePolished();
    model_.onChange = [this] { handled(); };
}

void AboutDialog::setLook(qreal scale, const Pictures &pictures)
{
    picIcon_->setPixmap(pictures.symbol(Symbol::Scatter));
    if (scale == layout_.scale())
        return;
    surface_->setStyleSheet(scaledStyleSheet(machineStyleSheet(), scale));
    layout_.setScale(scale);
    fitHeight();
}

void AboutDialog::fitHeight()
{
    // The height is the window's outer height; the title bar and borders come out of it.
    const int outer = scaled(px(kWindowHeightTwips), layout_.scale());
    const int frame = isVisible() ? frameGeometry().height() - geometry().height() : 0;
    setFixedSize(scaled(kWindowWidth, layout_.scale()), outer - std::max(frame, 0));
}

AboutDialog::~AboutDialog() { model_.onChange = nullptr; }

bool AboutDialog::blocksMainWindow() const { return model_.isOpen(); }

void AboutDialog::refresh()
{
    if (model_.isOpen() && !isVisible()) {
        show();
        if (windowHandle() != nullptr && mainWindow_ != nullptr && mainWindow_->windowHandle() != nullptr)
            windowHandle()->setTransientParent(mainWindow_->windowHandle());
        lblTitle_->show();
        fitHeight();
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

void AboutDialog::handled()
{
    if (afterHandler_)
        afterHandler_();
    else
        refresh();
}

} // namespace melvane
