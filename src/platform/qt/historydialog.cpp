#include "platform/qt/historydialog.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <QDateTime>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>

#include "platform/qt/accessibletexts.h"
#include "platform/qt/gametexts.h"
#include "platform/qt/look.h"
#include "platform/qt/pictures/pictures.h"
#include "rules/spinevaluation.h"

namespace melvane {

namespace {

constexpr int kWindowWidth = 860;
constexpr int kMargin = 8;
constexpr int kBannerHeight = 44;
constexpr int kGamesTop = kMargin + kBannerHeight + 6;
constexpr int kGamesHeight = 150;
constexpr int kStepsTop = kGamesTop + kGamesHeight + 8;
constexpr int kStepListWidth = kWindowWidth - 3 * kMargin - RecallView::kWidth;
constexpr int kFactsTop = kStepsTop + RecallView::kHeight + 6;
constexpr int kBadgeSize = 56;
constexpr int kWindowHeight = kFactsTop + kBadgeSize + kMargin;
constexpr QSize kDesignSize(kWindowWidth, kWindowHeight);
// The widths of the game list's columns but the last, which takes the rest.
constexpr std::array<int, 4> kColumnWidths = {190, 140, 100, 170};

// The Wild multiplier badges of ImageList3, at their last sparkle frame.
int badgePicture(int wildmult)
{
    switch (wildmult) {
    case 2: return 14;
    case 3: return 18;
    case 5: return 22;
    case 10: return 26;
    default: return 0;
    }
}
// The Wild note face-on, which the badge is laid over.
constexpr int kNoteFaceOn = 5;

// A dollar caption that a line never breaks after its "$".
QString unbroken(std::int64_t coins) { return GameTexts::money(coins).replace(' ', QChar(0x00A0)); }

// A card by its number (1 hearts, 2 clubs, 3 diamonds, 4 spades), as a screen reader says it too.
QString suitName(int card) { return AccessibleTexts::suit(card); }

QString betName(GambleBet bet)
{
    switch (bet) {
    case GambleBet::Red:
        return HistoryDialog::tr("Red");
    case GambleBet::Black:
        return HistoryDialog::tr("Black");
    case GambleBet::Hearts:
        return suitName(1);
    case GambleBet::Clubs:
        return suitName(2);
    case GambleBet::Diamonds:
        return suitName(3);
    case GambleBet::Spades:
        return suitName(4);
    case GambleBet::None: break;
    }
    return QStringLiteral("-");
}

bool isSpin(const JournalStep &s) { return s.kind == StepKind::Spin || s.kind == StepKind::FreeSpin; }
// Credit put on and the credit changed outside play: no game, so no bet, ways or win.
bool isEntry(const JournalStep &s) { return melvane::isEntry(s.kind); }

// Rounded down, so a text that fits the design fits at any scale.
QFont typeOf(qreal pixels) { return gameFont(std::max(1, static_cast<int>(std::floor(pixels + 1e-6))), true); }

bool hasStops(const JournalStep &s)
{
    for (const int stop : s.stops)
        if (!isValidStop(stop))
            return false;
    return true;
}

QString freeSpinsLeft(const JournalStep &s)
{
    return HistoryDialog::tr("Freespins Remaining = %1").arg(s.freespins - s.freespinsdone);
}

// A spin's result after its name: "Spin: win $ 1.50", "Free spin x3: no win".
QString spinResult(const QString &name, const JournalStep &s)
{
    return s.win > 0 ? HistoryDialog::tr("%1: win %2").arg(name, unbroken(s.win))
                     : HistoryDialog::tr("%1: no win").arg(name);
}

bool showsReels(const JournalStep *s) { return s != nullptr && isSpin(*s) && hasStops(*s); }
// The text the view writes where it shows no reels and no gamble.
QString viewText(const JournalStep *s) { return s == nullptr ? HistoryDialog::tr("No game to recall") : stepTitle(*s); }

// What the view shows, as a screen reader reads it: a spin's reels one by one, top to bottom,
// in their columns; otherwise the step in words, over the whole view.
std::vector<DrawnText> readLines(const JournalStep *s)
{
    if (!showsReels(s))
        return {{viewText(s), QRect(0, 0, RecallView::kWidth, RecallView::kHeight)}};
    std::vector<DrawnText> reels;
    for (int reel = 1; reel <= kReels; ++reel) {
        std::vector<Symbol> shown;
        for (const Row row : kRows)
            shown.push_back(symbolAt(reel, s->stops[static_cast<std::size_t>(reel - 1)], row));
        reels.push_back({AccessibleTexts::reelShows(reel, shown),
                         RecallView::cellRect(reel, Row::Top).united(RecallView::cellRect(reel, Row::Bottom))});
    }
    return reels;
}

} // namespace

std::int64_t gameWin(const JournalGame &game)
{
    if (game.steps.empty() || isEntry(game.steps.front()))
        return 0;
    // Step by step, so that credit put on between two steps of a round is not counted.
    std::int64_t win = game.steps.front().kind == StepKind::Spin ? game.steps.front().stake : 0;
    for (const JournalStep &s : game.steps)
        win += s.creditAfter - s.creditBefore;
    return win + game.steps.back().roundTotal;
}

QStringList gameColumns(const JournalGame &game)
{
    if (game.steps.empty())
        return {};
    const JournalStep &first = game.steps.front();
    const QString time = QDateTime::fromMSecsSinceEpoch(game.startedMs()).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    const QString after = GameTexts::money(game.steps.back().creditAfter);
    // An adjustment (a fresh or cleared player, a start after a crash) carries the machine's
    // bet of the moment, but nothing was staked and nothing won.
    if (first.kind == StepKind::Adjustment)
        return {time, HistoryDialog::tr("credit adjusted"), QString(), QString(), after};
    // Credit put on is no bet and no win: it says what it added where the bet stands.
    if (isEntry(first)) {
        const QString added = GameTexts::money(first.creditAfter - first.creditBefore);
        return {time,
                first.kind == StepKind::Credit ? HistoryDialog::tr("credit +%1").arg(added)
                                               : HistoryDialog::tr("$50 +%1").arg(added),
                QString(), QString(), after};
    }
    return {time, GameTexts::money(first.stake), QString::number(waysForWaysmult(first.waysmult)),
            GameTexts::money(gameWin(game)), after};
}

QString stepTitle(const JournalStep &s)
{
    switch (s.kind) {
    case StepKind::Spin:
        return spinResult(HistoryDialog::tr("Spin"), s);
    case StepKind::FreeSpin:
        return spinResult(
            s.wildmult > 0 ? HistoryDialog::tr("Free spin x%1").arg(s.wildmult) : HistoryDialog::tr("Free spin"), s);
    case StepKind::Collect:
        return HistoryDialog::tr("Collect %1").arg(unbroken(s.creditAfter - s.creditBefore));
    case StepKind::GambleOpen:
        return HistoryDialog::tr("Gamble %1").arg(unbroken(s.amount));
    case StepKind::GambleCard:
        return (s.won ? HistoryDialog::tr("%1 on %2: won") : HistoryDialog::tr("%1 on %2: lost"))
            .arg(suitName(s.card), betName(s.bet));
    case StepKind::GambleCollect:
        return HistoryDialog::tr("Gamble collected %1").arg(unbroken(s.amount));
    case StepKind::GambleLost:
        return HistoryDialog::tr("Gamble lost %1").arg(unbroken(s.amount));
    case StepKind::Credit:
        return HistoryDialog::tr("Credit +%1").arg(unbroken(s.creditAfter - s.creditBefore));
    case StepKind::FastMoney:
        return HistoryDialog::tr("$50 +%1").arg(unbroken(s.creditAfter - s.creditBefore));
    case StepKind::Adjustment:
        return HistoryDialog::tr("Credit set to %1").arg(unbroken(s.creditAfter));
    }
    return {};
}

QString stepFacts(const JournalStep &s)
{
    // What happened, then the credit it left.
    const auto withCredit = [&s](const QString &facts) {
        return HistoryDialog::tr("%1; credit %2").arg(facts, unbroken(s.creditAfter));
    };
    switch (s.kind) {
    case StepKind::Spin: {
        QString text = HistoryDialog::tr("Bet %1 at %2 ways, win %3")
                           .arg(unbroken(s.stake), QString::number(waysForWaysmult(s.waysmult)), unbroken(s.win));
        if (s.freeSpinsAdded > 0)
            text = HistoryDialog::tr("%1, and a round of free spins: %2").arg(text, freeSpinsLeft(s));
        return withCredit(text);
    }
    case StepKind::FreeSpin:
        return HistoryDialog::tr("%1: win %2, round total %3; %4")
            .arg(s.wildmult > 0 ? HistoryDialog::tr("Free spin, Wild multiplier x%1").arg(s.wildmult)
                                : HistoryDialog::tr("Free spin"),
                 unbroken(s.win), unbroken(s.roundTotal), freeSpinsLeft(s));
    case StepKind::Collect:
        if (s.creditAfter > s.creditBefore)
            return withCredit(
                HistoryDialog::tr("Round total collected: %1").arg(unbroken(s.creditAfter - s.creditBefore)));
        return withCredit(HistoryDialog::tr("Round total kept: %1").arg(unbroken(s.roundTotal)));
    case StepKind::GambleOpen:
        return withCredit(HistoryDialog::tr("Gamble opened on %1").arg(unbroken(s.amount)));
    case StepKind::GambleCard:
        return HistoryDialog::tr("Bet on %1, the card was %2: %3")
            .arg(betName(s.bet), suitName(s.card),
                 s.won ? HistoryDialog::tr("won, %1 at risk").arg(unbroken(s.amount)) : HistoryDialog::tr("lost"));
    case StepKind::GambleCollect:
        return withCredit(HistoryDialog::tr("Gamble collected: %1").arg(unbroken(s.amount)));
    case StepKind::GambleLost:
        return withCredit(HistoryDialog::tr("Gamble lost: %1").arg(unbroken(s.amount)));
    case StepKind::Credit:
    case StepKind::FastMoney:
        return withCredit(HistoryDialog::tr("Credit put on: %1").arg(unbroken(s.creditAfter - s.creditBefore)));
    case StepKind::Adjustment:
        return withCredit(HistoryDialog::tr("The credit changed outside play (a cleared player, or a start after a "
                                            "crash): from %1")
                              .arg(unbroken(s.creditBefore)));
    }
    return {};
}

RecallView::RecallView(QWidget *parent, const Pictures &pictures)
    : QWidget(parent), pictures_(&pictures), read_(*this, {kWidth, kHeight})
{
    setObjectName(QStringLiteral("recallview"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(kWidth, kHeight);
    read_.setLines(readLines(nullptr));
}

void RecallView::setStep(const JournalStep *step)
{
    step_ = step;
    read_.setLines(readLines(step));
    update();
}

void RecallView::setLook(qreal scale, const Pictures &pictures)
{
    scale_ = scale;
    pictures_ = &pictures;
    update();
}

QRect RecallView::cellRect(int reel, Row row, qreal scale)
{
    const int cell = scaled(kCell, scale);
    return {(reel - 1) * (cell + scaled(kReelGap, scale)), static_cast<int>(row) * cell, cell, cell};
}

void RecallView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    // Pictures drawn for another scale than the window's (the main window's, when the screen
    // holds this one smaller) are resampled smoothly.
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.fillRect(rect(), QColor(22, 6, 10));
    if (showsReels(step_)) {
        paintReels(p, *step_);
        return;
    }
    if (step_ != nullptr && step_->kind >= StepKind::GambleOpen && step_->kind <= StepKind::GambleLost) {
        paintGamble(p, *step_);
        return;
    }
    p.setPen(QColor(243, 230, 196));
    p.setFont(typeOf(22 * scale_));
    p.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, viewText(step_));
}

void RecallView::paintReels(QPainter &p, const JournalStep &s)
{
    // Cell by cell, as the machine draws a reel: the symbols of the strip at the stop. The
    // machine's pictures hold the symbols but not whole strips, which only the design set has.
    for (int reel = 1; reel <= kReels; ++reel)
        for (const Row row : kRows)
            p.drawPixmap(cellRect(reel, row, scale_),
                         pictures_->symbol(symbolAt(reel, s.stops[static_cast<std::size_t>(reel - 1)], row)));
    const qreal line = std::max<qreal>(1.0, std::round(scale_));
    const SpinEvaluation e = evaluateSpin(s.stops, s.waysmult, s.coinbet, s.kind == StepKind::FreeSpin);
    const CellMarks wins = winningCells(e);
    for (int reel = 1; reel <= kReels; ++reel)
        for (const Row row : kRows) {
            const int cell = cellOf(reel, row);
            const QRect box = cellRect(reel, row, scale_);
            if (!cellInPlay(cell, s.waysmult)) {
                // Covered as the machine covers a cell out of play.
                p.fillRect(box, QColor(20, 6, 10, 200));
                p.setPen(QPen(QColor(184, 137, 44, 160), line));
                for (qreal y = box.top() + 12 * scale_; y < box.bottom(); y += 12 * scale_)
                    p.drawLine(QLineF(box.left() + 8 * scale_, y, box.right() - 8 * scale_, y));
            }
            if (wins[static_cast<std::size_t>(cell)]) {
                // A frame only: the picture inside stays as the reel showed it.
                const int inset = scaled(2, scale_);
                p.setPen(QPen(QColor(255, 213, 74), 2 * inset));
                p.setBrush(Qt::NoBrush);
                p.drawRect(box.adjusted(inset, inset, -inset, -inset));
            }
        }
}

void RecallView::paintGamble(QPainter &p, const JournalStep &s)
{
    QLinearGradient green(0, 0, 0, height());
    green.setColorAt(0, QColor(0x0d, 0x51, 0x32));
    green.setColorAt(1, QColor(0x06, 0x30, 0x1d));
    p.fillRect(rect(), green);
    // Laid out in design pixels, drawn at the view's scale.
    const auto shown = [this](qreal x, qreal y, QSize size) {
        return scaled(QRectF(QPointF(x, y), QSizeF(size)), scale_);
    };
    const qreal cardLeft = 60;
    const qreal cardTop = (kHeight - Pictures::kCardSize.height()) / 2.0;
    const QRect card = shown(cardLeft, cardTop, Pictures::kCardSize);
    // The card turned, or the joker for the card still face down when the gamble opens.
    if (s.kind == StepKind::GambleCard && s.card >= 1 && s.card <= 4)
        p.drawPixmap(card, pictures_->cards(s.card));
    else if (s.kind == StepKind::GambleOpen)
        p.drawPixmap(card, pictures_->cards(5));

    p.setFont(typeOf(20 * scale_));
    p.setPen(QColor(255, 243, 208));
    const qreal textLeft = cardLeft + Pictures::kCardSize.width() + 40;
    const QRect text = shown(textLeft, cardTop, QSize(kWidth - static_cast<int>(textLeft) - 20, 90));
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, stepTitle(s));
    const bool won = (s.kind == StepKind::GambleCard && s.won) || s.kind == StepKind::GambleCollect;
    const bool lost = (s.kind == StepKind::GambleCard && !s.won) || s.kind == StepKind::GambleLost;
    if (won || lost)
        p.drawPixmap(shown(textLeft, cardTop + 110, Pictures::kBannerSize),
                     won ? pictures_->winBanner() : pictures_->loseBanner());
}

HistoryDialog::HistoryDialog(HistoryWindow &model, const Pictures &pictures)
    : ModelDialog(model, "melvanehistory", kDesignSize), pictures_(&pictures)
{
    setWindowTitle(tr("History"));
    QWidget *surface = addSurface("historysurface");

    auto *banner = new QLabel(tr("RECALL"), surface);
    banner->setObjectName(QStringLiteral("lblrecall"));
    banner->setAlignment(Qt::AlignCenter);
    banner->setGeometry(kMargin, kMargin, kWindowWidth - 2 * kMargin, kBannerHeight);

    games_ = new QTreeWidget(surface);
    games_->setAccessibleName(tr("Games"));
    games_->setObjectName(QStringLiteral("gamelist"));
    games_->setGeometry(kMargin, kGamesTop, kWindowWidth - 2 * kMargin, kGamesHeight);
    games_->setColumnCount(5);
    games_->setHeaderLabels({tr("Time"), tr("Bet"), tr("Ways"), tr("Win"), tr("Credit after")});
    games_->setRootIsDecorated(false);
    games_->setAlternatingRowColors(true);
    games_->setUniformRowHeights(true);
    games_->setAllColumnsShowFocus(true);
    games_->header()->setStretchLastSection(true);
    games_->header()->setSectionsMovable(false);
    for (std::size_t column = 0; column < kColumnWidths.size(); ++column)
        games_->setColumnWidth(static_cast<int>(column), kColumnWidths[column]);
    // The money and the ways stand right-aligned under headings aligned with them.
    for (int column = 1; column < 5; ++column)
        games_->headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    connect(games_, &QTreeWidget::currentItemChanged, this, [this] {
        if (!filling_)
            model_.choose(games_->indexOfTopLevelItem(games_->currentItem()));
    });

    steps_ = new QListWidget(surface);
    steps_->setAccessibleName(tr("Steps"));
    steps_->setObjectName(QStringLiteral("steplist"));
    steps_->setGeometry(kMargin, kStepsTop, kStepListWidth, RecallView::kHeight);
    steps_->setWordWrap(true);
    steps_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(steps_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!filling_)
            showStep(row);
    });

    view_ = new RecallView(surface, *pictures_);
    view_->setAccessibleName(tr("Recall"));
    view_->move(kMargin * 2 + kStepListWidth, kStepsTop);

    facts_ = new QLabel(surface);
    facts_->setObjectName(QStringLiteral("lblstep"));
    facts_->setGeometry(view_->x(), kFactsTop, RecallView::kWidth - kBadgeSize - 6, kBadgeSize);
    facts_->setWordWrap(true);
    badge_ = new QLabel(surface);
    badge_->setObjectName(QStringLiteral("picbadge"));
    badge_->setGeometry(view_->x() + RecallView::kWidth - kBadgeSize, kFactsTop, kBadgeSize, kBadgeSize);
    badge_->setScaledContents(true);
    badge_->hide();

    auto *close = new QPushButton(tr("Close"), surface);
    close->setObjectName(QStringLiteral("cmdclose"));
    close->setGeometry(kMargin, kFactsTop + 9, 96, 26);
    // Enter in a list chooses nothing more; it does not close the window.
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, [this] { reject(); });

    captureDesign();
    bindModel();
}

void HistoryDialog::setLook(qreal scale, const Pictures &pictures)
{
    windowScale_ = scale;
    pictures_ = &pictures;
    if (isVisible()) {
        fit();
        showStep(shownStep_);
    }
}

void HistoryDialog::fit()
{
    const QWidget &over = mainWindow_ != nullptr ? *mainWindow_ : *this;
    qreal scale = windowScale_;
    if (const QScreen *screen = over.screen()) {
        // The title bar and borders come out of the free area: this window's own once shown,
        // the main window's before (a full-screen main window has none to lend).
        QSize frame = isVisible() ? frameGeometry().size() - size() : QSize();
        if (!over.isFullScreen())
            frame = frame.expandedTo(over.frameGeometry().size() - over.size());
        const QSize free = screen->availableGeometry().size() - frame.expandedTo(QSize(0, 0));
        scale = std::min(scale, fittingScale(free, kDesignSize, screen->devicePixelRatio()));
    }
    view_->setLook(scale, *pictures_);
    if (!setScale(scale))
        return;
    for (std::size_t column = 0; column < kColumnWidths.size(); ++column)
        games_->setColumnWidth(static_cast<int>(column), scaled(kColumnWidths[column], scale));
}

void HistoryDialog::refresh()
{
    if (model_.isOpen() && !isVisible()) {
        fit();
        fillGames();
        fillSteps();
        // Over the middle of the machine, inside the free area of its screen.
        if (mainWindow_ != nullptr)
            centreOver(*this, *mainWindow_);
        show();
        keepAboveMainWindow();
        // Shown, the window knows its own frame: fitted and placed again with it.
        fit();
        if (mainWindow_ != nullptr)
            centreOver(*this, *mainWindow_);
        games_->setFocus();
    } else if (model_.isOpen() && listedGame_ != model_.chosen) {
        fillSteps();
    } else if (!model_.isOpen() && isVisible()) {
        hide();
        // The model's games are read afresh at the next opening.
        view_->setStep(nullptr);
        listedGame_ = -2;
    }
}

void HistoryDialog::fillGames()
{
    filling_ = true;
    games_->clear();
    QList<QTreeWidgetItem *> items;
    items.reserve(static_cast<qsizetype>(model_.games.size()));
    for (const JournalGame &g : model_.games) {
        auto *item = new QTreeWidgetItem(gameColumns(g));
        for (int column = 1; column < 5; ++column)
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        items.push_back(item);
    }
    games_->addTopLevelItems(items);
    if (model_.chosen >= 0)
        games_->setCurrentItem(games_->topLevelItem(model_.chosen));
    filling_ = false;
}

void HistoryDialog::fillSteps()
{
    filling_ = true;
    listedGame_ = model_.chosen;
    steps_->clear();
    if (model_.chosen >= 0) {
        const JournalGame &g = model_.games[static_cast<std::size_t>(model_.chosen)];
        int n = 0;
        for (const JournalStep &s : g.steps) {
            auto *item = new QListWidgetItem(tr("%1. %2").arg(QString::number(++n), stepTitle(s)), steps_);
            // A screen reader moving down the steps hears each spin's reels with it.
            if (showsReels(&s)) {
                QStringList reels;
                for (const DrawnText &reel : readLines(&s))
                    reels << reel.text;
                item->setData(Qt::AccessibleDescriptionRole, reels.join(QStringLiteral("; ")));
            }
        }
        if (games_->currentItem() != games_->topLevelItem(model_.chosen))
            games_->setCurrentItem(games_->topLevelItem(model_.chosen));
    }
    filling_ = false;
    showStep(steps_->count() > 0 ? 0 : -1);
}

void HistoryDialog::showStep(int index)
{
    const JournalStep *step = nullptr;
    if (model_.chosen >= 0) {
        const JournalGame &g = model_.games[static_cast<std::size_t>(model_.chosen)];
        if (index >= 0 && index < static_cast<int>(g.steps.size()))
            step = &g.steps[static_cast<std::size_t>(index)];
    }
    shownStep_ = step != nullptr ? index : -1;
    if (steps_->currentRow() != shownStep_) {
        filling_ = true;
        steps_->setCurrentRow(shownStep_);
        filling_ = false;
    }
    view_->setStep(step);
    facts_->setText(step != nullptr ? stepFacts(*step) : QString());
    const int badge = step != nullptr && step->kind == StepKind::FreeSpin ? badgePicture(step->wildmult) : 0;
    if (badge > 0) {
        badge_->setPixmap(pictures_->overlay3(badge, kNoteFaceOn));
        badge_->setAccessibleName(AccessibleTexts::wildMultiplier(step->wildmult));
    }
    badge_->setVisible(badge > 0);
}

void HistoryDialog::reject() { model_.close(); }

} // namespace melvane
