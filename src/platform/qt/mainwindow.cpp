#include "platform/qt/mainwindow.h"

#include <cstdlib>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>

#include "machine/melvane.h"
#include "machine/timing.h"
#include "platform/qt/pictures/pictures.h"
#include "platform/qt/qthost.h"

namespace melvane {

namespace {

constexpr int kSurfaceWidth = 820;
constexpr int kSurfaceHeight = 595;
constexpr int kCellPixels = 125;

int px(int twips) { return (twips + timing::kTwipsPerPixel / 2) / timing::kTwipsPerPixel; }

// A caption that does not fit its button on one line goes on two, broken at the blank
// nearest the middle.
QString fitted(const QString &caption, const QFont &font, int width)
{
    const QFontMetrics metrics(font);
    const QString trimmed = caption.trimmed();
    if (metrics.horizontalAdvance(trimmed) <= width - 10)
        return caption;
    int best = -1;
    for (int i = 0; i < trimmed.size(); ++i)
        if (trimmed.at(i) == ' ' && (best < 0 || std::abs(i - trimmed.size() / 2) < std::abs(best - trimmed.size() / 2)))
            best = i;
    if (best < 0)
        return caption;
    return trimmed.left(best) + '\n' + trimmed.mid(best + 1);
}

QRect toPixels(const Geometry &g) { return {px(g.left), px(g.top), px(g.width), px(g.height)}; }

const QString kMeterStyle = QStringLiteral(
    "QLabel { color: #ffd54a; background: #160808; border: 2px solid #b8892c; border-radius: 6px;"
    " font-family: 'DejaVu Sans'; font-weight: bold; font-size: 18px; }");
const QString kMoneyStyle = QStringLiteral(
    "QLabel { color: #f3e6c4; background: transparent; font-family: 'DejaVu Sans'; font-size: 12px; }");
const QString kHeadingStyle = QStringLiteral(
    "QLabel { color: #e9c46a; background: transparent; font-family: 'DejaVu Sans'; font-weight: bold;"
    " font-size: 11px; letter-spacing: 2px; }");
const QString kPanelStyle = QStringLiteral(
    "QLabel { color: #fff3d0; background: rgba(120, 10, 20, 230); border: 2px solid #ffd54a;"
    " border-radius: 8px; font-family: 'DejaVu Sans'; font-weight: bold; font-size: 16px; }");
const QString kButtonStyle = QStringLiteral(
    "QPushButton { color: #2b1100; font-family: 'DejaVu Sans'; font-weight: bold; font-size: 12px;"
    " border: 2px solid #6b3d00; border-radius: 7px;"
    " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fff1b8, stop:0.45 #f2c14e, stop:1 #b7791f); }"
    "QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fffbe6, stop:0.45 #ffd873,"
    " stop:1 #d08f22); }"
    "QPushButton:pressed { background: #b7791f; }"
    "QPushButton:disabled { color: #6f6251; border-color: #4b3b2a;"
    " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #d9d0bf, stop:1 #8f846f); }"
    "QPushButton:focus { border-color: #fff7d6; }");
const QString kPictureButtonStyle = QStringLiteral(
    "QPushButton { border: none; background: transparent; padding: 0; }"
    "QPushButton:disabled { background: rgba(0, 0, 0, 110); border-radius: 7px; }");

} // namespace

// The cabinet behind everything. Painted by hand: a disabled label would grey the picture
// while a side window holds the machine.
class Backdrop : public QWidget {
public:
    Backdrop(QWidget *parent, QPixmap picture) : QWidget(parent), picture_(std::move(picture)) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.drawPixmap(0, 0, picture_);
    }

private:
    QPixmap picture_;
};

// One reel window: the strip picture at the reel's position, the cell boxes laid over it and
// the covers of the cells out of play.
class ReelWindow : public QWidget {
public:
    ReelWindow(QWidget *parent, Melvane &m, const MainWindow &window, const Pictures &pictures, int reel)
        : QWidget(parent), m_(m), window_(window), pictures_(pictures), reel_(reel)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const int top = px(m_.reelPosition[static_cast<std::size_t>(reel_)]);
        p.drawPixmap(0, top, pictures_.reelStrip(reel_));
        for (Row row : kRows) {
            const int cell = cellOf(reel_, row);
            const QRect box(0, kCellPixels * static_cast<int>(row), kCellPixels, kCellPixels);
            const PictureBox &flasher = m_.flasher[static_cast<std::size_t>(cell)];
            if (flasher.visible())
                p.drawPixmap(box, window_.pixmapFor(flasher.picture()));
            if (m_.Shape[static_cast<std::size_t>(cell)].visible()) {
                p.fillRect(box, QColor(20, 6, 10, 200));
                p.setPen(QPen(QColor(184, 137, 44, 160), 1));
                for (int y = box.top() + 12; y < box.bottom(); y += 12)
                    p.drawLine(box.left() + 8, y, box.right() - 8, y);
            }
        }
        // A thin frame and a shade at the top and bottom make the reel look curved.
        QLinearGradient shade(0, 0, 0, height());
        shade.setColorAt(0.0, QColor(0, 0, 0, 110));
        shade.setColorAt(0.12, QColor(0, 0, 0, 0));
        shade.setColorAt(0.88, QColor(0, 0, 0, 0));
        shade.setColorAt(1.0, QColor(0, 0, 0, 110));
        p.fillRect(rect(), shade);
    }

private:
    Melvane &m_;
    const MainWindow &window_;
    const Pictures &pictures_;
    int reel_;
};

MainWindow::MainWindow(Melvane &machine, QtHost &host, const Pictures &pictures)
    : m_(machine), host_(host), pictures_(pictures)
{
    setObjectName(QStringLiteral("melvane"));
    surface_ = new QWidget(this);
    surface_->setFixedSize(kSurfaceWidth, kSurfaceHeight);
    auto *background = new Backdrop(surface_, pictures_.background());
    background->setGeometry(0, 0, kSurfaceWidth, kSurfaceHeight);
    setCentralWidget(surface_);

    for (int r = 1; r <= kReels; ++r) {
        const PictureBox &top = m_.flasher[static_cast<std::size_t>(cellOf(r, Row::Top))];
        auto *reel = new ReelWindow(surface_, m_, *this, pictures_, r);
        reel->setGeometry(px(top.geometry().left), px(top.geometry().top), kCellPixels, 3 * kCellPixels);
        reels_[static_cast<std::size_t>(r)] = reel;
    }

    for (int i = 1; i <= 5; ++i) {
        addButton(m_.payline[static_cast<std::size_t>(i)], surface_);
        addButton(m_.play[static_cast<std::size_t>(i)], surface_);
    }
    addButton(m_.COINSIN, surface_);
    addButton(m_.doublebutton, surface_);
    addButton(m_.cmdfastmoney, surface_, pictures_.fastMoneyButton());
    addButton(m_.autoplayon, surface_, pictures_.autoplayOnButton());
    addButton(m_.autoplayoff, surface_, pictures_.autoplayOffButton());
    addButton(m_.takewin, surface_, pictures_.collectButton());

    // The meters across the top: credit, the last bet (or this free spin's win), the win.
    // The title plate stands in the middle of the top; the meters keep to its sides.
    auto *creditHeading = new QLabel(QStringLiteral("CREDIT"), surface_);
    creditHeading->setStyleSheet(kHeadingStyle);
    creditHeading->setGeometry(62, 3, 180, 12);
    addLabel(m_.PANELBANK, surface_, {58, 15, 186, 28}, kMeterStyle);
    addLabel(m_.Lblcredit, surface_, {58, 43, 186, 14}, kMoneyStyle);
    addPicture(m_.piclastbet, surface_, {556, 3, 92, 12});
    addPicture(m_.picthiswin, surface_, {556, 3, 92, 12});
    addLabel(m_.LABLAST, surface_, {556, 15, 92, 28}, kMeterStyle);
    addLabel(m_.lbllast, surface_, {556, 43, 92, 14}, kMoneyStyle);
    addLabel(m_.lblcurrentwin, surface_, {556, 15, 92, 28}, kMeterStyle);
    auto *winHeading = new QLabel(QStringLiteral("WIN"), surface_);
    winHeading->setStyleSheet(kHeadingStyle);
    winHeading->setGeometry(660, 3, 130, 12);
    addLabel(m_.LABWIN, surface_, {654, 15, 136, 28}, kMeterStyle);
    addLabel(m_.lblwin, surface_, {654, 43, 136, 14}, kMoneyStyle);

    addLabel(m_.pannomoney, surface_, toPixels(m_.pannomoney.geometry()), kPanelStyle);
    addLabel(m_.spinsleft, surface_, toPixels(m_.spinsleft.geometry()), kPanelStyle);

    buildGamblePanel();
    buildMenu();
    setFixedSize(sizeHint());
    qApp->installEventFilter(this);
    refresh();
}

MainWindow::~MainWindow() { qApp->removeEventFilter(this); }

void MainWindow::buildMenu()
{
    // A menu entry presses its item in the game, so an entry the game has disabled stays dead
    // even when a shortcut or the platform's menu triggers it.
    const auto entry = [this](MenuItem &item, std::function<void()> choose) {
        QAction *action = menuBar()->addAction(QString::fromStdString(item.caption()));
        action->setObjectName(QString::fromStdString(item.name()));
        connect(action, &QAction::triggered, this, [this, choose = std::move(choose)] {
            choose();
            refresh();
        });
        bindings_.push_back({&item, nullptr, ~0u, [action, &item] { action->setEnabled(item.enabled()); }});
    };
    entry(m_.mnuabout, [this] { m_.mnuabout.press(); });
    entry(m_.mnuptble, [this] { m_.mnuptble.press(); });
    entry(m_.mnuplayer, [this] { m_.mnuplayer.press(); });
    // Exit closes the window, which runs the shutdown once, as the close box does.
    entry(m_.mnuexit, [this] {
        if (m_.mnuexit.enabled())
            close();
    });
}

void MainWindow::buildGamblePanel()
{
    GamblePanel &g = m_.gamble;
    gamblePanel_ = new QWidget(surface_);
    gamblePanel_->setObjectName(QStringLiteral("pandouble"));
    gamblePanel_->setGeometry(toPixels(m_.pandouble.geometry()));
    gamblePanel_->setAttribute(Qt::WA_StyledBackground);
    gamblePanel_->setStyleSheet(QStringLiteral(
        "#pandouble { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #0d5132, stop:1 #06301d);"
        " border: 3px solid #d4a73a; border-radius: 10px; }"));
    bindings_.push_back({&m_.pandouble, gamblePanel_, ~0u, [this] {
                             gamblePanel_->setVisible(m_.pandouble.visible());
                             if (m_.pandouble.visible())
                                 gamblePanel_->raise();
                         }});
    addPicture(g.piccardholder, gamblePanel_, toPixels(g.piccardholder.geometry()));
    addButton(g.betred, gamblePanel_);
    addButton(g.betblack, gamblePanel_);
    for (int i = 1; i <= 4; ++i) {
        PictureButton &suit = g.suitbet[static_cast<std::size_t>(i)];
        addButton(suit, gamblePanel_, pixmapFor(suit.picture()), &suit);
    }
    addButton(g.cancelbet, gamblePanel_);
    const QString small = QStringLiteral(
        "QLabel { color: #fff3d0; background: transparent; font-family: 'DejaVu Sans'; font-weight: bold;"
        " font-size: 12px; }");
    addLabel(g.risklab, gamblePanel_, toPixels(g.risklab.geometry()), small, Qt::AlignLeft | Qt::AlignVCenter);
    addLabel(g.lblblackred, gamblePanel_, toPixels(g.lblblackred.geometry()), small, Qt::AlignLeft | Qt::AlignVCenter);
    addLabel(g.lblsuit, gamblePanel_, toPixels(g.lblsuit.geometry()), small, Qt::AlignLeft | Qt::AlignVCenter);
    addLabel(g.Label1, gamblePanel_, toPixels(g.Label1.geometry()), small, Qt::AlignLeft | Qt::AlignVCenter);
    for (int k = 1; k <= 5; ++k) {
        PictureBox &place = g.historypic[static_cast<std::size_t>(k)];
        addPicture(place, gamblePanel_, toPixels(place.geometry()));
    }
    addPicture(g.gamblewin, gamblePanel_, toPixels(g.gamblewin.geometry()));
    addPicture(g.gamblelose, gamblePanel_, toPixels(g.gamblelose.geometry()));
}

QAbstractButton *MainWindow::addButton(Button &button, QWidget *parent, const QPixmap &face,
                                       const PictureButton *pictured)
{
    auto *widget = new QPushButton(parent);
    widget->setObjectName(QString::fromStdString(button.name()));
    widget->setGeometry(toPixels(button.geometry()));
    widget->setFocusPolicy(Qt::StrongFocus);
    if (!face.isNull()) {
        widget->setIcon(QIcon(face));
        widget->setIconSize(widget->size());
        widget->setStyleSheet(kPictureButtonStyle);
    } else {
        widget->setStyleSheet(kButtonStyle);
    }
    connect(widget, &QPushButton::clicked, this, [this, &button] { onClick(button); });
    bindings_.push_back({&button, widget, ~0u, [this, widget, &button, face, pictured] {
                             widget->setGeometry(toPixels(button.geometry()));
                             if (face.isNull())
                                 widget->setText(fitted(QString::fromStdString(button.caption()), widget->font(),
                                                        widget->width()));
                             if (pictured != nullptr)
                                 widget->setIcon(QIcon(pixmapFor(pictured->picture())));
                             widget->setEnabled(button.enabled());
                             widget->setVisible(button.visible());
                         }});
    return widget;
}

QLabel *MainWindow::addLabel(Control &label, QWidget *parent, const QRect &pixels, const QString &style,
                             Qt::Alignment alignment)
{
    auto *widget = new QLabel(parent);
    widget->setObjectName(QString::fromStdString(label.name()));
    widget->setGeometry(pixels);
    widget->setStyleSheet(style);
    widget->setAlignment(alignment);
    bindings_.push_back({&label, widget, ~0u, [widget, &label] {
                             widget->setText(QString::fromStdString(label.caption()));
                             widget->setVisible(label.visible());
                             widget->setEnabled(label.enabled());
                         }});
    return widget;
}

QLabel *MainWindow::addPicture(PictureBox &box, QWidget *parent, const QRect &pixels)
{
    auto *widget = new QLabel(parent);
    widget->setObjectName(QString::fromStdString(box.name()));
    widget->setGeometry(pixels);
    widget->setScaledContents(true);
    bindings_.push_back({&box, widget, ~0u, [this, widget, &box] {
                             if (box.geometry().width > 0)
                                 widget->setGeometry(toPixels(box.geometry()));
                             // The banners of the gamble are pictures of their own; a picture box
                             // without a picture is a heading drawn as text.
                             if (&box == &m_.gamble.gamblewin || &box == &m_.gamble.gamblelose) {
                                 widget->setPixmap(&box == &m_.gamble.gamblewin ? pictures_.winBanner()
                                                                                 : pictures_.loseBanner());
                             } else if (box.picture().list == ImageList::None) {
                                 widget->setStyleSheet(kHeadingStyle);
                                 widget->setText(QString::fromStdString(box.caption()));
                             } else {
                                 widget->setPixmap(pixmapFor(box.picture()));
                             }
                             widget->setVisible(box.visible());
                             if (box.visible())
                                 widget->raise();
                         }});
    return widget;
}

QPixmap MainWindow::pixmapFor(const Picture &picture) const
{
    switch (picture.list) {
    case ImageList::ImageList3:
        if (picture.overlay > 0)
            return pictures_.overlay3(picture.overlay, picture.index);
        return pictures_.imageList3(picture.index);
    case ImageList::ImageList1:
        return pictures_.imageList1(picture.index);
    case ImageList::Cards:
        return pictures_.cards(picture.index);
    case ImageList::None:
        break;
    }
    return {};
}

void MainWindow::onClick(Button &button)
{
    button.press();
    refresh();
}

void MainWindow::addSideWindow(std::function<void()> refresh, std::function<bool()> blocksInput)
{
    sideWindows_.push_back({std::move(refresh), std::move(blocksInput)});
}

void MainWindow::removeSideWindows()
{
    sideWindows_.clear();
    setEnabled(true);
}

void MainWindow::refresh()
{
    // Showing a side window can deliver events that ask for a refresh again; the side windows
    // are brought up to date once.
    if (!refreshingSideWindows_) {
        refreshingSideWindows_ = true;
        bool blocked = false;
        for (const SideWindow &side : sideWindows_) {
            side.refresh();
            blocked = blocked || side.blocksInput();
        }
        if (isEnabled() == blocked)
            setEnabled(!blocked);
        refreshingSideWindows_ = false;
    }
    for (Binding &b : bindings_) {
        if (b.control->revision() == b.seen)
            continue;
        b.seen = b.control->revision();
        b.apply();
    }
    if (m_.caption != shownCaption_) {
        shownCaption_ = m_.caption;
        setWindowTitle(QString::fromStdString(m_.caption));
    }
    for (ReelWindow *reel : reels_)
        if (reel != nullptr)
            reel->update();
    // The game names the control that should have the focus.
    for (const Binding &b : bindings_)
        if (b.widget != nullptr && b.control->name() == m_.focus && !b.widget->hasFocus() && b.widget->isVisible() &&
            b.widget->isEnabled())
            b.widget->setFocus();
}

void MainWindow::repaintReels()
{
    for (ReelWindow *reel : reels_)
        if (reel != nullptr)
            reel->repaint();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The close box, "&Exit", a signal or the end of the session all end here, once.
    if (!closing_) {
        closing_ = true;
        m_.shutdown();
    }
    event->accept();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // While a side window holds this window disabled, its keys are the side window's.
    if (event->type() != QEvent::KeyPress || !m_.keyPreview || !isEnabled())
        return QMainWindow::eventFilter(watched, event);
    auto *widget = qobject_cast<QWidget *>(watched);
    if (widget == nullptr || widget->window() != this)
        return QMainWindow::eventFilter(watched, event);
    const QString text = static_cast<QKeyEvent *>(event)->text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return QMainWindow::eventFilter(watched, event);
    const QChar key = text.at(0);
    m_.keyPress(key.unicode() < 128 ? static_cast<char>(key.unicode()) : '?');
    refresh();
    // The key has done its work here; a space passed on to a focused button would click it a
    // second time.
    return true;
}

} // namespace melvane
