#include "platform/qt/mainwindow.h"

#include <cstdlib>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QStyle>
#include <QPushButton>

#include "game/machine/melvane.h"
#include "game/machine/timing.h"
#include "platform/qt/look.h"
#include "platform/qt/pictures/pictures.h"
#include "platform/qt/qthost.h"

namespace melvane {

namespace {

constexpr int kSurfaceWidth = 820;
constexpr int kSurfaceHeight = 595;
constexpr int kCellPixels = 125;

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
    surface_->setObjectName(QStringLiteral("cabinet"));
    surface_->setStyleSheet(machineStyleSheet());
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
    creditHeading->setProperty("role", "heading");
    creditHeading->setGeometry(62, 3, 180, 12);
    addLabel(m_.PANELBANK, surface_, {58, 15, 186, 28}, "meter");
    addLabel(m_.Lblcredit, surface_, {58, 43, 186, 14}, "money");
    addPicture(m_.piclastbet, surface_, {556, 3, 92, 12});
    addPicture(m_.picthiswin, surface_, {556, 3, 92, 12});
    addLabel(m_.LABLAST, surface_, {556, 15, 92, 28}, "meter");
    addLabel(m_.lbllast, surface_, {556, 43, 92, 14}, "money");
    addLabel(m_.lblcurrentwin, surface_, {556, 15, 92, 28}, "meter");
    auto *winHeading = new QLabel(QStringLiteral("WIN"), surface_);
    winHeading->setProperty("role", "heading");
    winHeading->setGeometry(660, 3, 130, 12);
    addLabel(m_.LABWIN, surface_, {654, 15, 136, 28}, "meter");
    addLabel(m_.lblwin, surface_, {654, 43, 136, 14}, "money");

    addLabel(m_.pannomoney, surface_, toPixels(m_.pannomoney.geometry()), "panel");
    addLabel(m_.spinsleft, surface_, toPixels(m_.spinsleft.geometry()), "panel");

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
    // The last-game recall, beside the designed menu.
    entry(m_.mnuhistory, [this] { m_.mnuhistory.press(); });
}

void MainWindow::buildGamblePanel()
{
    GamblePanel &g = m_.gamble;
    gamblePanel_ = new QWidget(surface_);
    gamblePanel_->setObjectName(QStringLiteral("pandouble"));
    gamblePanel_->setGeometry(toPixels(m_.pandouble.geometry()));
    gamblePanel_->setAttribute(Qt::WA_StyledBackground);
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
    const char *small = "gamble";
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
        widget->setProperty("role", "picture");
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

QLabel *MainWindow::addLabel(Control &label, QWidget *parent, const QRect &pixels, const char *role,
                             Qt::Alignment alignment)
{
    auto *widget = new QLabel(parent);
    widget->setObjectName(QString::fromStdString(label.name()));
    widget->setGeometry(pixels);
    widget->setProperty("role", role);
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
                                 if (widget->property("role").toString() != QStringLiteral("heading")) {
                                     widget->setProperty("role", "heading");
                                     widget->style()->polish(widget);
                                 }
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
    // Printable keys, Enter and Backspace reach the game as the characters they are; Escape and
    // the other keys stay with the window.
    const QString text = static_cast<QKeyEvent *>(event)->text();
    const bool enterOrBackspace = text == QStringLiteral("\r") || text == QStringLiteral("\b");
    if (text.isEmpty() || !(text.at(0).isPrint() || enterOrBackspace))
        return QMainWindow::eventFilter(watched, event);
    const QChar key = text.at(0);
    m_.keyPress(key.unicode() < 128 ? static_cast<char>(key.unicode()) : '?');
    refresh();
    // The key has done its work here; a space passed on to a focused button would click it a
    // second time.
    return true;
}

} // namespace melvane
