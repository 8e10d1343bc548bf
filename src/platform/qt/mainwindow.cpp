#include "platform/qt/mainwindow.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QWindow>

#include "game/machine/melvane.h"
#include "game/machine/timing.h"
#include "game/ports/settingsstore.h"
#include "platform/qt/accessibletexts.h"
#include "platform/qt/displaymode.h"
#include "platform/qt/gametexts.h"
#include "platform/qt/look.h"
#include "platform/qt/pictures/pictures.h"
#include "platform/qt/qthost.h"
#include "rules/grid.h"
#include "rules/money.h"
#include "rules/reelstrips.h"
#include "rules/spinevaluation.h"

namespace melvane {

namespace {

constexpr QSize kCabinetSize{820, 595};
constexpr qreal kTwips = timing::kTwipsPerPixel;
// The smallest cabinet: half the design, so the window with its frame and menu fits a screen
// of 800 x 600 with room to spare.
constexpr QSize kSmallestCabinet{410, 298};
// A window frame as desktops draw it, for a window that must fit before it has a frame: title
// bars up to 36 pixels, borders up to 8 (openbox draws 20 and 5).
constexpr QMargins kFrameAllowance{8, 36, 8, 8};
// The pictures are drawn afresh once the window has kept its size this long.
constexpr int kPictureSettleMs = 150;
// Long enough for a window manager to have answered a change of the window's state.
constexpr int kWindowManagerAnswerMs = 250;

// A caption that does not fit its button on one line goes on two, broken at the blank
// nearest the middle. The margin grows with the scale, so a caption breaks alike at any size.
QString fitted(const QString &caption, const QFont &font, int width, qreal scale)
{
    const QFontMetrics metrics(font);
    const QString trimmed = caption.trimmed();
    if (metrics.horizontalAdvance(trimmed) <= width - 10 * scale)
        return caption;
    int best = -1;
    for (int i = 0; i < trimmed.size(); ++i)
        if (trimmed.at(i) == ' ' && (best < 0 || std::abs(i - trimmed.size() / 2) < std::abs(best - trimmed.size() / 2)))
            best = i;
    if (best < 0)
        return caption;
    return trimmed.left(best) + '\n' + trimmed.mid(best + 1);
}

int widestLine(const QString &text, const QFont &font)
{
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString &line : text.split('\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line.trimmed()));
    return widest;
}

// Sets a property the style sheet selects on, and has the widget drawn by it again.
void setStyleProperty(QWidget *widget, const char *name, bool value)
{
    if (widget->property(name).toBool() == value)
        return;
    widget->setProperty(name, value);
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
    widget->update();
}

// `picture` to cover `size` on a screen of `ratio`: an icon never grows past its picture's
// own size, so the picture is given the size it is shown at. One drawn at that size is only
// retagged; another is scaled.
QPixmap atSize(QPixmap picture, QSize size, qreal ratio)
{
    const QSize device = (QSizeF(size) * ratio).toSize();
    if (picture.isNull() || device.isEmpty())
        return picture;
    if (picture.size() != device)
        picture = picture.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(ratio);
    return picture;
}

int floorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// A cell of a reel window as a screen reader knows it: the reel paints its cells itself, so
// each has a widget of its own that draws nothing and lets every click through to the reel.
class ReelCell : public QWidget {
public:
    explicit ReelCell(QWidget *parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }
};

// A reel cell is read as the picture it shows.
QAccessibleInterface *reelCellInterface(const QString &, QObject *object)
{
    if (auto *cell = dynamic_cast<ReelCell *>(object))
        return new QAccessibleWidget(cell, QAccessible::Graphic);
    return nullptr;
}

} // namespace

// The window's middle: the cabinet at its scale in the centre, the ground colour around it.
class Cabinet : public QWidget {
public:
    Cabinet(QWidget *parent, MainWindow &window) : QWidget(parent), window_(window)
    {
        setObjectName(QStringLiteral("letterbox"));
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMinimumSize(kSmallestCabinet);
    }
    QSize sizeHint() const override { return kCabinetSize; }
    QSize minimumSizeHint() const override { return kSmallestCabinet; }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter p(this);
        p.fillRect(event->rect(), QColor::fromRgb(Pictures::kCabinetGround));
    }
    void resizeEvent(QResizeEvent *) override { window_.layoutCabinet(); }

private:
    MainWindow &window_;
};

// The cabinet behind everything. Painted by hand: a disabled label would grey the picture
// while a side window holds the machine.
class Backdrop : public QWidget {
public:
    Backdrop(QWidget *parent, const ScaledPictures &pictures) : QWidget(parent), pictures_(pictures)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter p(this);
        const QPixmap picture = pictures_.current().background();
        // Until the picture is drawn at this size, the one at hand stands in, scaled where it
        // is painted: a scaled copy of it would hold as much memory again.
        if (picture.size() != size() * devicePixelRatio())
            p.setRenderHint(QPainter::SmoothPixmapTransform);
        const qreal across = picture.width() / static_cast<qreal>(width());
        const qreal down = picture.height() / static_cast<qreal>(height());
        const QRect area = event->rect();
        p.drawPixmap(area, picture, QRectF(area.x() * across, area.y() * down, area.width() * across,
                                           area.height() * down));
    }

private:
    const ScaledPictures &pictures_;
};

// One reel window: the cells of the strip at the reel's position, the cell boxes laid over them
// and the covers of the cells out of play.
class ReelWindow : public QWidget {
public:
    ReelWindow(QWidget *parent, Melvane &m, MainWindow &window, int reel)
        : QWidget(parent), m_(m), window_(window), reel_(reel)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAccessibleName(AccessibleTexts::reel(reel));
        for (ReelCell *&cell : cells_)
            cell = new ReelCell(this);
    }

    // What the reel shows differs from what it showed when it was painted last.
    bool changed() const { return !(shown() == painted_); }

    // Names each cell by its place and what it shows: the symbol once the reel rests where
    // the game stopped it, the Wild's multiplier while its badge shows, and whether the cell
    // is out of play.
    void nameCells()
    {
        const auto r = static_cast<std::size_t>(reel_);
        const int position = m_.reelPosition[r];
        const bool resting = position == m_.reeltop[r] && position % kCellTwips == 0;
        for (Row row : kRows) {
            const auto c = static_cast<std::size_t>(cellOf(reel_, row));
            const int strip = -position / kCellTwips + static_cast<int>(row);
            std::optional<Symbol> shows;
            if (resting && strip >= 0 && strip < kStripCells)
                shows = stripSymbol(reel_, strip);
            const PictureBox &flasher = m_.flasher[c];
            const int multiplier = flasher.visible() && flasher.picture().overlay > 0 ? m_.wildmult : 0;
            const QString name = AccessibleTexts::cell(reel_, row, shows, multiplier, m_.Shape[c].visible());
            ReelCell *cell = cells_[static_cast<std::size_t>(row)];
            if (cell->accessibleName() != name)
                cell->setAccessibleName(name);
        }
    }

protected:
    void resizeEvent(QResizeEvent *) override
    {
        for (Row row : kRows)
            cells_[static_cast<std::size_t>(row)]->setGeometry(0, width() * static_cast<int>(row), width(), width());
    }

    void paintEvent(QPaintEvent *) override
    {
        painted_ = shown();
        QPainter p(this);
        const qreal scale = window_.scale();
        const ScaledPictures &pictures = window_.pictures();
        if (!pictures.sharp())
            p.setRenderHint(QPainter::SmoothPixmapTransform);
        const int cell = width();
        const int top = scaled(m_.reelPosition[static_cast<std::size_t>(reel_)] / kTwips, scale);
        // Cell k of the strip stands at top + k cells; only the ones in view are drawn.
        for (int k = floorDiv(-top, cell); k <= floorDiv(height() - 1 - top, cell); ++k) {
            const QRect box(0, top + cell * k, cell, cell);
            if (k >= 0 && k < kStripCells)
                p.drawPixmap(box, pictures.current().symbol(stripSymbol(reel_, k)));
            else
                p.fillRect(box, Qt::black);
        }
        const CellMarks marked = steadyMarks();
        for (Row row : kRows) {
            const int c = cellOf(reel_, row);
            const QRect box(0, cell * static_cast<int>(row), cell, cell);
            const PictureBox &flasher = m_.flasher[static_cast<std::size_t>(c)];
            if (const std::optional<Picture> picture = shownPicture(row, flasher))
                p.drawPixmap(box, window_.pixmapFor(*picture));
            if (marked[static_cast<std::size_t>(c)]) {
                // Wide and light enough to stand out against the gold of the cell frames.
                const qreal line = std::max<qreal>(3.0, std::round(6 * scale));
                p.setPen(QPen(QColor(255, 240, 160), line));
                p.setBrush(Qt::NoBrush);
                p.drawRect(QRectF(box).adjusted(line / 2, line / 2, -line / 2, -line / 2));
            }
            if (m_.Shape[static_cast<std::size_t>(c)].visible()) {
                p.fillRect(box, QColor(20, 6, 10, 200));
                p.setPen(QPen(QColor(184, 137, 44, 160), std::max<qreal>(1.0, std::round(scale))));
                for (qreal y = box.top() + 12 * scale; y < box.bottom(); y += 12 * scale)
                    p.drawLine(QLineF(box.left() + 8 * scale, y, box.right() - 8 * scale, y));
            }
        }
        // A shade at the top and bottom makes the reel look curved; the middle stays clear.
        QLinearGradient shade(0, 0, 0, height());
        shade.setColorAt(0.0, QColor(0, 0, 0, 110));
        shade.setColorAt(0.12, QColor(0, 0, 0, 0));
        shade.setColorAt(0.88, QColor(0, 0, 0, 0));
        shade.setColorAt(1.0, QColor(0, 0, 0, 110));
        const int band = static_cast<int>(std::ceil(height() * 0.12));
        p.fillRect(QRect(0, 0, width(), band), shade);
        p.fillRect(QRect(0, height() - band, width(), band), shade);
    }

private:
    // With flashing reduced, the winning cells the cover would blink over are framed steadily
    // for as long as the blinking would go on.
    CellMarks steadyMarks() const
    {
        if (!window_.reduceFlashing() || !m_.Timerflash.enabled() || m_.spinwin < 1)
            return {};
        CellMarks marks = paidSymbolCells(m_.spin);
        // A Wild's cell shows its own animation instead.
        for (std::size_t c = 1; c <= kCells; ++c)
            marks[c] = marks[c] && m_.spin.wildcell[c] < 1;
        return marks;
    }

    // What a cell's flasher is drawn as. With flashing reduced the blinking cover is left out
    // and an animation (a Wild's note and badge, a Scatter's clef) stands still at the first
    // picture it showed; the game's ticks go on unchanged underneath.
    std::optional<Picture> shownPicture(Row row, const PictureBox &flasher)
    {
        std::optional<Picture> &still = still_[static_cast<std::size_t>(row)];
        if (!flasher.visible()) {
            still.reset();
            return std::nullopt;
        }
        if (!window_.reduceFlashing())
            return flasher.picture();
        if (flasher.picture() == kCoverPicture)
            return std::nullopt;
        if (!still)
            still = flasher.picture();
        return still;
    }

    struct Shown {
        int position = 0;
        std::array<unsigned, 3> flashers{};
        std::array<unsigned, 3> covers{};
        const Pictures *pictures = nullptr;
        QSize size;
        bool calm = false;
        CellMarks marks{};
        bool operator==(const Shown &) const = default;
    };
    static Shown notPainted()
    {
        Shown s;
        s.position = -1;
        return s;
    }
    Shown shown() const
    {
        Shown s;
        s.position = m_.reelPosition[static_cast<std::size_t>(reel_)];
        for (Row row : kRows) {
            const auto c = static_cast<std::size_t>(cellOf(reel_, row));
            s.flashers[static_cast<std::size_t>(row)] = m_.flasher[c].revision();
            s.covers[static_cast<std::size_t>(row)] = m_.Shape[c].revision();
        }
        s.pictures = &window_.pictures().current();
        s.size = size();
        s.calm = window_.reduceFlashing();
        s.marks = steadyMarks();
        return s;
    }

    Melvane &m_;
    MainWindow &window_;
    int reel_;
    Shown painted_ = notPainted();
    std::array<ReelCell *, 3> cells_{};
    std::array<std::optional<Picture>, 3> still_{};
};

MainWindow::MainWindow(Melvane &machine, QtHost &host, const Pictures &pictures)
    : m_(machine), host_(host), pictures_(pictures)
{
    setObjectName(QStringLiteral("melvane"));
    static const bool cellsReadable = (QAccessible::installFactory(reelCellInterface), true);
    Q_UNUSED(cellsReadable);
    cabinet_ = new Cabinet(this, *this);
    surface_ = new QWidget(cabinet_);
    surface_->setObjectName(QStringLiteral("cabinet"));
    surface_->setStyleSheet(machineStyleSheet());
    surface_->setGeometry(QRect(QPoint(0, 0), kCabinetSize));
    announcer_ = std::make_unique<Announcer>(surface_);
    backdrop_ = new Backdrop(surface_, pictures_);
    layout_.place(backdrop_, QRectF(QPointF(0, 0), kCabinetSize));
    setCentralWidget(cabinet_);

    for (int r = 1; r <= kReels; ++r) {
        auto *reel = new ReelWindow(surface_, m_, *this, r);
        reel->setObjectName(QStringLiteral("reel(%1)").arg(r));
        reels_[static_cast<std::size_t>(r)] = reel;
    }

    for (int i = 1; i <= 5; ++i) {
        const auto k = static_cast<std::size_t>(i);
        paylineButtons_[k] = addButton(m_.payline[k], surface_);
        playButtons_[k] = addButton(m_.play[k], surface_);
    }
    addButton(m_.COINSIN, surface_);
    addButton(m_.doublebutton, surface_);
    // The picture buttons have no caption to be read: they are named by what they do.
    addButton(m_.cmdfastmoney, surface_, [this] { return pictures_.current().fastMoneyButton(); })
        ->setAccessibleName(AccessibleTexts::fastMoney());
    addButton(m_.autoplayon, surface_, [this] { return pictures_.current().autoplayOnButton(); })
        ->setAccessibleName(AccessibleTexts::autoplayOn());
    addButton(m_.autoplayoff, surface_, [this] { return pictures_.current().autoplayOffButton(); })
        ->setAccessibleName(AccessibleTexts::autoplayOff());
    addButton(m_.takewin, surface_, [this] { return pictures_.current().collectButton(); })
        ->setAccessibleName(AccessibleTexts::collect());

    // The meters across the top: credit, the last bet (or this free spin's win), the win.
    // The title plate stands in the middle of the top; the meters keep to its sides.
    const Qt::Alignment heading = Qt::AlignLeft | Qt::AlignVCenter;
    addText(tr("CREDIT"), surface_, {62, 3, 180, 12}, "heading", nullptr, heading);
    // A meter is read with the name of what it counts, the coins and the money together.
    const auto meter = [this](Label &coins, Label &money, const QRectF &at, const QRectF &moneyAt,
                              QString (*title)()) {
        speak(addLabel(coins, surface_, at, "meter"),
              [&coins, &money, title] { return AccessibleTexts::meter(title(), coins.caption(), money.caption()); });
        speak(addLabel(money, surface_, moneyAt, "money"),
              [&money, title] { return AccessibleTexts::meter(title(), money.caption()); });
    };
    meter(m_.PANELBANK, m_.Lblcredit, {58, 15, 186, 28}, {58, 43, 186, 14}, &AccessibleTexts::credit);
    addPicture(m_.piclastbet, surface_, {556, 3, 92, 12});
    addPicture(m_.picthiswin, surface_, {556, 3, 92, 12});
    meter(m_.LABLAST, m_.lbllast, {556, 15, 92, 28}, {556, 43, 92, 14}, &AccessibleTexts::lastBet);
    speak(addLabel(m_.lblcurrentwin, surface_, {556, 15, 92, 28}, "meter"),
          [this] { return AccessibleTexts::meter(AccessibleTexts::thisWin(), m_.lblcurrentwin.caption()); });
    addText(tr("WIN"), surface_, {660, 3, 130, 12}, "heading", nullptr, heading);
    meter(m_.LABWIN, m_.lblwin, {654, 15, 136, 28}, {654, 43, 136, 14}, &AccessibleTexts::win);

    addLabel(m_.pannomoney, surface_, designRect(m_.pannomoney.geometry()), "panel");
    speak(addLabel(m_.spinsleft, surface_, designRect(m_.spinsleft.geometry()), "panel"),
          [this] { return AccessibleTexts::spinsLeft(m_.spinsleft.caption()); });
    // The session clock and why autoplay stopped, on plates over the keyboard strip.
    for (Label *line : {&m_.lblsession, &m_.lblautoplay})
        addLabel(*line, surface_, designRect(line->geometry()), "session")
            ->setAttribute(Qt::WA_TransparentForMouseEvents);

    buildStake();
    buildGamblePanel();
    reduceFlashing_ = readReduceFlashing(host_.settings());
    buildMenu();

    // Where the display mode cannot be switched, the options window's screen sizes are the
    // window's: full screen, and back to the design size.
    if (!displayModeSwitches())
        host_.setDisplayModeRoutines(
            [this](int, int) {
                setFullScreen(true);
                return true;
            },
            [this] {
                // Shutdown restores the display too; the window is going then.
                if (!closing_)
                    showDesignSize();
            });

    host_.setMainWindow(this, [this] { return scale(); });
    host_.setStopInput([this](QObject *receiver, QEvent *event) { return isQuickStop(receiver, event); });
    pictureRequest_.setSingleShot(true);
    pictureRequest_.setInterval(kPictureSettleMs);
    connect(&pictureRequest_, &QTimer::timeout, this,
            [this] { pictures_.request(scale() * devicePixelRatio()); });
    pictures_.setOnChange([this] { picturesChanged(); });

    // Captions are fitted in the sheet's type, which a widget takes when it is polished.
    surface_->ensurePolished();
    // Everything stands at the design scale until the window is shown at another size.
    placeReels();
    orderTabs();
    laidOut_ = true;
    resize(designSize());
    normalGeometry_ = geometry();
    qApp->installEventFilter(this);
    refresh();
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
    host_.setMainWindow(nullptr, {});
    host_.setStopInput({});
    if (!displayModeSwitches())
        host_.setDisplayModeRoutines(setdisplaymode, [] { restoredisplaymode(); });
}

QSize MainWindow::designSize() const
{
    return {kCabinetSize.width(), kCabinetSize.height() + menuBar()->sizeHint().height()};
}

void MainWindow::buildMenu()
{
    // A menu entry presses its item in the game, so an entry the game has disabled stays dead
    // even when a shortcut or the platform's menu triggers it.
    const auto entry = [this](MenuItem &item, std::function<void()> choose) {
        QAction *action = menuBar()->addAction(GameTexts::caption(item));
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
    // The player's own controls beside the designed menu; the check marks are the machine's.
    // "&Paytable" has the P, so Play takes its second letter.
    QMenu *play = menuBar()->addMenu(tr("P&lay"));
    play->setObjectName(QStringLiteral("mnuplay"));
    const auto toggle = [this, play](const QString &text, const char *name, std::function<void(bool)> choose) {
        QAction *action = play->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, choose = std::move(choose)](bool on) {
            choose(on);
            refresh();
        });
        return action;
    };
    quickStopAction_ = toggle(tr("&Quick Stop"), "mnuquickstop", [this](bool on) { m_.setQuickStop(on); });
    sessionClockAction_ =
        toggle(tr("&Session Clock"), "mnusessionclock", [this](bool on) { m_.setSessionLineShown(on); });
    QMenu *reality = play->addMenu(tr("&Reality Check"));
    reality->setObjectName(QStringLiteral("mnurealitycheck"));
    auto *intervals = new QActionGroup(reality);
    std::vector<int> choices{0};
    choices.insert(choices.end(), std::begin(kRealityCheckChoices), std::end(kRealityCheckChoices));
    for (const int minutes : choices) {
        QAction *action = reality->addAction(minutes == 0 ? tr("&Off") : tr("Every &%n Minutes", nullptr, minutes));
        action->setObjectName(QStringLiteral("mnureality%1").arg(minutes));
        action->setCheckable(true);
        action->setActionGroup(intervals);
        connect(action, &QAction::triggered, this, [this, minutes] {
            m_.setRealityCheckMinutes(minutes);
            refresh();
        });
        realityCheckActions_.emplace_back(minutes, action);
    }

    // The window's own entries come after the game's. F11 is handled with the other window
    // keys, so the text only names it.
    QMenu *view = menuBar()->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("mnuview"));
    fullScreenAction_ = view->addAction(tr("&Full Screen\tF11"));
    fullScreenAction_->setObjectName(QStringLiteral("mnufullscreen"));
    fullScreenAction_->setCheckable(true);
    connect(fullScreenAction_, &QAction::triggered, this, [this](bool on) { setFullScreen(on); });
    // Remembered at once with the window's settings: a player who needs it needs it from the
    // first spin of the next start too.
    reduceFlashingAction_ = view->addAction(tr("&Reduce Flashing"));
    reduceFlashingAction_->setObjectName(QStringLiteral("mnureduceflashing"));
    reduceFlashingAction_->setCheckable(true);
    reduceFlashingAction_->setChecked(reduceFlashing_);
    connect(reduceFlashingAction_, &QAction::triggered, this, [this](bool on) {
        reduceFlashing_ = on;
        writeReduceFlashing(host_.settings(), on);
        host_.settings().flush();
        repaintReels();
    });
}

void MainWindow::buildStake()
{
    // The stake in force beside the buttons that set it, before a spin takes it.
    stake_[0] = addText(tr("STAKE"), surface_, {753, 476, 37, 11}, "stakeheading");
    stakeCoins_ = addText(QString(), surface_, {755, 489, 33, 24}, "stake", "stakeinforce");
    stakeMoney_ = addText(QString(), surface_, {753, 515, 37, 12}, "stakemoney", "stakemoney");
    stake_[1] = stakeCoins_;
    stake_[2] = stakeMoney_;
    speak(stakeCoins_, [this] {
        return AccessibleTexts::meter(AccessibleTexts::stake(), std::to_string(m_.stake()), moneyCaption(m_.stake()));
    });
    speak(stakeMoney_, [this] { return AccessibleTexts::meter(AccessibleTexts::stake(), moneyCaption(m_.stake())); });
}

void MainWindow::buildGamblePanel()
{
    GamblePanel &g = m_.gamble;
    gamblePanel_ = new QWidget(surface_);
    gamblePanel_->setObjectName(QStringLiteral("pandouble"));
    gamblePanel_->setAccessibleName(AccessibleTexts::gamble());
    layout_.place(gamblePanel_, designRect(m_.pandouble.geometry()));
    gamblePanel_->setAttribute(Qt::WA_StyledBackground);
    bindings_.push_back({&m_.pandouble, gamblePanel_, ~0u, [this] {
                             layout_.place(gamblePanel_, designRect(m_.pandouble.geometry()));
                             gamblePanel_->setVisible(m_.pandouble.visible());
                             if (m_.pandouble.visible())
                                 gamblePanel_->raise();
                         }});
    // The card pictures are read as the cards they show: the aces by their card number, the
    // joker as a card not drawn yet; the strip of past cards shows the suit tiles.
    speak(addPicture(g.piccardholder, gamblePanel_, designRect(g.piccardholder.geometry())), [&g] {
        const Picture &card = g.piccardholder.picture();
        return AccessibleTexts::drawnCard(card.index <= kCards ? card.index : 0);
    });
    addButton(g.betred, gamblePanel_);
    addButton(g.betblack, gamblePanel_);
    for (int i = 1; i <= kCards; ++i) {
        PictureButton &suit = g.suitbet[static_cast<std::size_t>(i)];
        addButton(suit, gamblePanel_, [this, &suit] { return pixmapFor(suit.picture()); })
            ->setAccessibleName(AccessibleTexts::suit(i));
    }
    addButton(g.cancelbet, gamblePanel_);
    const char *small = "gamble";
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    for (const auto &[label, title] : {std::pair{&g.risklab, &AccessibleTexts::atRisk},
                                       std::pair{&g.lblblackred, &AccessibleTexts::colourWin},
                                       std::pair{&g.lblsuit, &AccessibleTexts::suitWin}})
        speak(addLabel(*label, gamblePanel_, designRect(label->geometry()), small, left),
              [label = label, title = title] { return AccessibleTexts::countLine(title(), label->caption()); });
    addLabel(g.Label1, gamblePanel_, designRect(g.Label1.geometry()), small, left);
    for (int k = 1; k <= 5; ++k) {
        PictureBox &place = g.historypic[static_cast<std::size_t>(k)];
        speak(addPicture(place, gamblePanel_, designRect(place.geometry())),
              [&place] { return AccessibleTexts::pastCard(place.picture().index - kJokerPicture); });
    }
    addPicture(g.gamblewin, gamblePanel_, designRect(g.gamblewin.geometry()))
        ->setAccessibleName(AccessibleTexts::gambleWon());
    addPicture(g.gamblelose, gamblePanel_, designRect(g.gamblelose.geometry()))
        ->setAccessibleName(AccessibleTexts::gambleLost());
}

void MainWindow::speak(QWidget *widget, std::function<QString()> name)
{
    spoken_.push_back({widget, std::move(name)});
}

void MainWindow::showAccessibleNames()
{
    // Set only when it differs: a change of name is an event a screen reader hears.
    for (const auto &[widget, name] : spoken_)
        if (const QString now = name(); widget->accessibleName() != now)
            widget->setAccessibleName(now);
    for (ReelWindow *reel : reels_)
        if (reel != nullptr)
            reel->nameCells();
}

QPushButton *MainWindow::addButton(Button &button, QWidget *parent, std::function<QPixmap()> face)
{
    auto *widget = new QPushButton(parent);
    widget->setObjectName(QString::fromStdString(button.name()));
    layout_.place(widget, designRect(button.geometry()));
    widget->setFocusPolicy(Qt::StrongFocus);
    if (face)
        widget->setProperty("role", "picture");
    connect(widget, &QPushButton::clicked, this, [this, &button] { onClick(button); });
    bindings_.push_back({&button, widget, ~0u, [this, widget, &button, face = std::move(face)] {
                             layout_.place(widget, designRect(button.geometry()));
                             if (face) {
                                 widget->setIcon(QIcon(atSize(face(), widget->size(), widget->devicePixelRatio())));
                                 widget->setIconSize(widget->size());
                             } else {
                                 const QString caption = GameTexts::caption(button);
                                 // A word too long for the button in another language is set a
                                 // size smaller; the English always fits at the design's size.
                                 setStyleProperty(widget, "tight", false);
                                 QString shown = fitted(caption, widget->font(), widget->width(), scale());
                                 if (widestLine(shown, widget->font()) > widget->width()) {
                                     setStyleProperty(widget, "tight", true);
                                     shown = fitted(caption, widget->font(), widget->width(), scale());
                                 }
                                 widget->setText(shown);
                                 widget->setAccessibleName(caption.simplified());
                             }
                             widget->setEnabled(button.live());
                             widget->setVisible(button.visible());
                         }});
    if (button.hasPressCondition())
        conditionalButtons_.emplace_back(&button, widget);
    return widget;
}

QLabel *MainWindow::addLabel(Control &label, QWidget *parent, const QRectF &design, const char *role,
                             Qt::Alignment alignment)
{
    auto *widget = new QLabel(parent);
    widget->setObjectName(QString::fromStdString(label.name()));
    layout_.place(widget, design);
    widget->setProperty("role", role);
    widget->setAlignment(alignment);
    bindings_.push_back({&label, widget, ~0u, [widget, &label] {
                             widget->setText(GameTexts::caption(label));
                             widget->setVisible(label.visible());
                             widget->setEnabled(label.enabled());
                         }});
    return widget;
}

QLabel *MainWindow::addText(const QString &text, QWidget *parent, const QRectF &design, const char *role,
                            const char *name, Qt::Alignment alignment)
{
    auto *widget = new QLabel(text, parent);
    if (name != nullptr)
        widget->setObjectName(QString::fromLatin1(name));
    widget->setProperty("role", role);
    widget->setAlignment(alignment);
    layout_.place(widget, design);
    return widget;
}

QLabel *MainWindow::addPicture(PictureBox &box, QWidget *parent, const QRectF &design)
{
    auto *widget = new QLabel(parent);
    widget->setObjectName(QString::fromStdString(box.name()));
    layout_.place(widget, design);
    widget->setScaledContents(true);
    bindings_.push_back({&box, widget, ~0u, [this, widget, &box] {
                             if (box.geometry().width > 0)
                                 layout_.place(widget, designRect(box.geometry()));
                             // The banners of the gamble are pictures of their own; a picture box
                             // without a picture is a heading drawn as text.
                             const Pictures &pictures = pictures_.current();
                             if (&box == &m_.gamble.gamblewin || &box == &m_.gamble.gamblelose) {
                                 widget->setPixmap(&box == &m_.gamble.gamblewin ? pictures.winBanner()
                                                                                 : pictures.loseBanner());
                             } else if (box.picture().list == ImageList::None) {
                                 if (widget->property("role").toString() != QStringLiteral("heading")) {
                                     widget->setProperty("role", "heading");
                                     widget->style()->polish(widget);
                                 }
                                 widget->setText(GameTexts::caption(box));
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
    const Pictures &pictures = pictures_.current();
    switch (picture.list) {
    case ImageList::ImageList3:
        if (picture.overlay > 0)
            return pictures.overlay3(picture.overlay, picture.index);
        return pictures.imageList3(picture.index);
    case ImageList::ImageList1:
        return pictures.imageList1(picture.index);
    case ImageList::Cards:
        return pictures.cards(picture.index);
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
    // A button lit only while the machine would take its press follows the machine's state,
    // not just its own control.
    for (const auto &[button, widget] : conditionalButtons_)
        if (widget->isEnabled() != button->live())
            widget->setEnabled(button->live());
    showBetInForce();
    showPlayOptions();
    if (m_.caption != shownCaption_) {
        shownCaption_ = m_.caption;
        setWindowTitle(GameTexts::text(m_.captionWording));
    }
    for (ReelWindow *reel : reels_)
        if (reel != nullptr && reel->changed())
            reel->update();
    showAccessibleNames();
    giveRequestedFocus();
    announcer_->watch(m_);
}

void MainWindow::orderTabs()
{
    // Tab walks the buttons in reading order, row by row and left to right in a row, the gamble
    // panel's among them where they stand; Qt skips the hidden and the disabled ones itself.
    // A button starts a new row once its top is below the middle of the row's first button.
    std::vector<std::pair<QPoint, QWidget *>> buttons;
    for (const Binding &b : bindings_)
        if (auto *button = qobject_cast<QPushButton *>(b.widget))
            buttons.emplace_back(button->mapTo(surface_, QPoint(0, 0)), button);
    std::stable_sort(buttons.begin(), buttons.end(), [](const auto &a, const auto &b) { return a.first.y() < b.first.y(); });
    for (auto row = buttons.begin(); row != buttons.end();) {
        const int middle = row->first.y() + row->second->height() / 2;
        const auto end = std::find_if(row, buttons.end(), [middle](const auto &p) { return p.first.y() > middle; });
        std::stable_sort(row, end, [](const auto &a, const auto &b) { return a.first.x() < b.first.x(); });
        row = end;
    }
    for (std::size_t i = 1; i < buttons.size(); ++i)
        QWidget::setTabOrder(buttons[i - 1].second, buttons[i].second);
}

bool MainWindow::enterKey(QObject *watched, QKeyEvent *key)
{
    // Enter or Return on a focused button presses it. The key is a key like any other first: the
    // game's key handler sees it when it previews keys (a refusal for short credit, the lock of
    // fast money), then the button gets it and is pressed if it still can be, as a click would.
    // The space bar stays the game's spin.
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    auto *button = qobject_cast<QPushButton *>(watched);
    if (button == nullptr || button->window() != this || !isEnabled() || !button->hasFocus())
        return false;
    // A held key presses once, as a held mouse button does.
    if (key->isAutoRepeat())
        return true;
    if (m_.keyPreview) {
        m_.keyPress('\r');
        // The player put the focus here and is using it: a refusal does not take it away.
        focusServed_ = m_.focus.serial();
    }
    if (button->isEnabled() && button->isVisible())
        button->click();
    refresh();
    return true;
}

void MainWindow::giveRequestedFocus()
{
    // The game asks for the focus now and then (at start-up, after a collect...); each request
    // is granted once, so the focus stays where the player moves it meanwhile. A request waits
    // while the window cannot take the focus at all.
    if (m_.focus.serial() == focusServed_ || !isVisible() || !isEnabled())
        return;
    focusServed_ = m_.focus.serial();
    for (const Binding &b : bindings_)
        if (b.widget != nullptr && b.control->name() == m_.focus.name() && b.widget->isVisible() &&
            b.widget->isEnabled()) {
            b.widget->setFocus(Qt::OtherFocusReason);
            return;
        }
    // The window itself, or a control that cannot take it now: the machine holds the focus, so
    // no button (a collect, say) is left to catch a space bar the game does not see.
    cabinet_->setFocus(Qt::OtherFocusReason);
}

void MainWindow::showBetInForce()
{
    // Shown only: the buttons of the coins and the ways in force are lit, and the stake they
    // make stands beside them. Nothing of the game changes.
    const int play = Melvane::playIndexFor(m_.coinbet);
    const int payline = buttonFor(kWaysMults, m_.waysmult);
    if (play != shownPlay_ || payline != shownPayline_) {
        shownPlay_ = play;
        shownPayline_ = payline;
        for (int i = 1; i <= 5; ++i) {
            setStyleProperty(playButtons_[static_cast<std::size_t>(i)], "inForce", i == play);
            setStyleProperty(paylineButtons_[static_cast<std::size_t>(i)], "inForce", i == payline);
            playButtons_[static_cast<std::size_t>(i)]->setAccessibleDescription(i == play ? AccessibleTexts::inForce()
                                                                                           : QString());
            paylineButtons_[static_cast<std::size_t>(i)]->setAccessibleDescription(
                i == payline ? AccessibleTexts::inForce() : QString());
        }
    }
    // The stake goes with the buttons that set it: a bonus hides them, and it.
    const bool betShown = m_.play[1].visible();
    for (QWidget *stake : stake_)
        if (stake->isVisible() != betShown)
            stake->setVisible(betShown);
    if (m_.stake() != shownStake_) {
        shownStake_ = m_.stake();
        stakeCoins_->setText(QString::number(shownStake_));
        stakeMoney_->setText(GameTexts::money(shownStake_));
    }
}

void MainWindow::showPlayOptions()
{
    const PlayOptions &options = m_.playOptions;
    if (quickStopAction_->isChecked() != options.quickStop)
        quickStopAction_->setChecked(options.quickStop);
    if (sessionClockAction_->isChecked() != options.sessionLine)
        sessionClockAction_->setChecked(options.sessionLine);
    // The entries are exclusive: checking the one in force clears the others.
    for (const auto &[minutes, action] : realityCheckActions_)
        if (minutes == options.realityCheckMinutes && !action->isChecked())
            action->setChecked(true);
}

void MainWindow::repaintReels()
{
    // Only the reels that moved or changed a cell: the others show the same picture.
    for (ReelWindow *reel : reels_)
        if (reel != nullptr && reel->changed())
            reel->repaint();
}

void MainWindow::layoutCabinet()
{
    const QSize area = cabinet_->size();
    const qreal scale = fittingScale(area, kCabinetSize, devicePixelRatio());
    const QSize shown(melvane::scaled(kCabinetSize.width(), scale), melvane::scaled(kCabinetSize.height(), scale));
    surface_->setGeometry(QRect(QPoint((area.width() - shown.width()) / 2, (area.height() - shown.height()) / 2), shown));
    if (laidOut_ && scale == layout_.scale())
        return;
    laidOut_ = true;
    surface_->setStyleSheet(scaledStyleSheet(machineStyleSheet(), scale));
    surface_->ensurePolished();
    layout_.setScale(scale);
    placeReels();
    // Captions are fitted and pictures chosen again at the new size.
    for (Binding &b : bindings_)
        b.seen = ~0u;
    refresh();
    pictureRequest_.start();
    if (onScaleChange_)
        onScaleChange_();
}

void MainWindow::placeReels()
{
    // A reel is whole cells high, so the cells of the strip meet exactly.
    const qreal scale = layout_.scale();
    const int cell = melvane::scaled(kCellPixels, scale);
    for (int r = 1; r <= kReels; ++r) {
        const QRectF top = designRect(m_.flasher[static_cast<std::size_t>(cellOf(r, Row::Top))].geometry());
        reels_[static_cast<std::size_t>(r)]->setGeometry(melvane::scaled(top.left(), scale),
                                                         melvane::scaled(top.top(), scale), cell, 3 * cell);
    }
}

void MainWindow::picturesChanged()
{
    for (Binding &b : bindings_)
        b.seen = ~0u;
    refresh();
    backdrop_->update();
    for (ReelWindow *reel : reels_)
        if (reel != nullptr)
            reel->update();
    if (onScaleChange_)
        onScaleChange_();
}

void MainWindow::setFullScreen(bool on)
{
    if (on == isFullScreen())
        return;
    if (on) {
        maximizedBeforeFullScreen_ = isMaximized();
        // A window manager (one frames the window) makes a full-screen window fill its screen,
        // and a geometry set meanwhile would take the window out of full screen again. Without
        // one, nobody does it for the window, so it takes the screen's geometry itself, through
        // its platform window: a widget given a geometry leaves full screen.
        const bool managed = windowHandle() != nullptr && !windowHandle()->frameMargins().isNull();
        showFullScreen();
        if (const QScreen *s = screen();
            !managed && s != nullptr && windowHandle() != nullptr && geometry() != s->geometry())
            windowHandle()->setGeometry(s->geometry());
        return;
    }
    if (maximizedBeforeFullScreen_) {
        showMaximized();
        return;
    }
    showNormal();
    // The window manager puts the window back where it stood by itself, and may do so after
    // this; the place is checked again once it has answered.
    restoreNormalGeometry();
    QTimer::singleShot(kWindowManagerAnswerMs, this, [this] { restoreNormalGeometry(); });
}

void MainWindow::restoreNormalGeometry()
{
    if (windowState() == Qt::WindowNoState && geometry() != normalGeometry_)
        setGeometry(normalGeometry_);
}

void MainWindow::showDesignSize()
{
    maximizedBeforeFullScreen_ = false;
    if (isFullScreen() || isMaximized())
        showNormal();
    const QRect free = screen() != nullptr ? screen()->availableGeometry() : QRect(QPoint(0, 0), designSize());
    const QSize size =
        fittingWindowSize(designSize(), minimumSizeHint(), free.marginsRemoved(kFrameAllowance).size());
    setGeometry(QRect(normalGeometry_.topLeft(), size));
}

WindowPlacement MainWindow::placement() const { return {normalGeometry_, isFullScreen(), isMaximized()}; }

void MainWindow::showAtRememberedPlace()
{
    std::vector<QRect> screens;
    const QScreen *primary = QGuiApplication::primaryScreen();
    if (primary != nullptr)
        screens.push_back(primary->availableGeometry());
    for (const QScreen *s : QGuiApplication::screens())
        if (s != primary)
            screens.push_back(s->availableGeometry());
    const WindowPlacement at = restoredPlacement(readPlacement(host_.settings()), screens, designSize(),
                                                 minimumSizeHint(), kFrameAllowance);
    setGeometry(at.geometry);
    normalGeometry_ = at.geometry;
    if (at.fullScreen)
        setFullScreen(true);
    else if (at.maximized)
        showMaximized();
    else
        show();
}

void MainWindow::noteNormalGeometry()
{
    // Only the normal state's geometry is worth keeping: the others come back by themselves.
    // A platform may report full screen after the window has been made as large as the
    // screen, so that size is never taken for the normal one.
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    if (screen() != nullptr && geometry() == screen()->geometry())
        return;
    normalGeometry_ = geometry();
}

void MainWindow::moveEvent(QMoveEvent *event)
{
    noteNormalGeometry();
    QMainWindow::moveEvent(event);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    noteNormalGeometry();
    QMainWindow::resizeEvent(event);
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowStateChange && fullScreenAction_ != nullptr)
        fullScreenAction_->setChecked(isFullScreen());
    QMainWindow::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The close box, "&Exit", a signal or the end of the session all end here, once.
    if (!closing_) {
        closing_ = true;
        writePlacement(host_.settings(), placement());
        m_.shutdown();
        host_.settings().flush();
    }
    event->accept();
}

bool MainWindow::windowKey(QObject *watched, QKeyEvent *key)
{
    // F11 switches full screen and Escape leaves it; they are the window's, never the game's.
    auto *widget = qobject_cast<QWidget *>(watched);
    if (widget == nullptr || widget->window() != this || !isEnabled())
        return false;
    if (key->key() == Qt::Key_F11) {
        if (!key->isAutoRepeat())
            setFullScreen(!isFullScreen());
        return true;
    }
    if (key->key() == Qt::Key_Escape && isFullScreen()) {
        setFullScreen(false);
        return true;
    }
    return false;
}

bool MainWindow::isMine(QObject *receiver) const
{
    if (auto *widget = qobject_cast<QWidget *>(receiver))
        return widget->window() == this;
    return receiver != nullptr && receiver == windowHandle();
}

bool MainWindow::isQuickStop(QObject *receiver, QEvent *event) const
{
    if (!isMine(receiver) || !isEnabled())
        return false;
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        return key->key() == Qt::Key_Space && !key->isAutoRepeat();
    }
    if (event->type() != QEvent::MouseButtonPress)
        return false;
    const auto *press = static_cast<QMouseEvent *>(event);
    if (press->button() != Qt::LeftButton)
        return false;
    // The reel the player sees there: a panel over a reel takes its own clicks.
    const QWidget *at = childAt(mapFromGlobal(press->globalPosition().toPoint()));
    return at != nullptr && std::find(reels_.begin(), reels_.end(), at) != reels_.end();
}

bool MainWindow::autoplayKey(QObject *watched, QKeyEvent *key)
{
    // While autoplay runs, Space and Escape stop it: Escape before it would leave full screen,
    // Space instead of pressing the button that has the focus.
    if (m_.autoplay < 1 || (key->key() != Qt::Key_Space && key->key() != Qt::Key_Escape))
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (widget == nullptr || widget->window() != this || !isEnabled())
        return false;
    if (!key->isAutoRepeat()) {
        m_.stopAutoplayKey();
        refresh();
    }
    return true;
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && autoplayKey(watched, static_cast<QKeyEvent *>(event)))
        return true;
    if (event->type() == QEvent::KeyPress && windowKey(watched, static_cast<QKeyEvent *>(event)))
        return true;
    if (event->type() == QEvent::KeyPress && enterKey(watched, static_cast<QKeyEvent *>(event)))
        return true;
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
