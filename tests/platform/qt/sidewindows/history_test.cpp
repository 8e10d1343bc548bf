// The last-game recall on screen, over a journal in its SQLite file: the player's games newest
// first, and a chosen game's steps with its reels drawn cell by cell as the machine draws them.
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>

#include <cstdlib>

#include "platform/qt/historydialog.h"
#include "platform/sqlite/sqlitejournal.h"
#include "rules/money.h"
#include "rules/spinevaluation.h"
#include "screen.h"

namespace melvane {
namespace {

using testing_support::pictures;
using testing_support::Screen;

JournalStep spin(StepKind kind, const Stops &stops, std::int64_t creditBefore, int wildmult = 0)
{
    const SpinEvaluation e = evaluateSpin(stops, 25, 1, kind == StepKind::FreeSpin);
    JournalStep s;
    s.kind = kind;
    s.player = 1;
    s.coinbet = 1;
    s.waysmult = 25;
    s.stake = kind == StepKind::Spin ? 25 : 0;
    s.stops = stops;
    s.wildmult = wildmult;
    s.win = e.spinwin * (wildmult > 0 ? wildmult : 1);
    s.creditBefore = creditBefore;
    s.creditAfter = creditBefore - s.stake + (kind == StepKind::Spin ? s.win : 0);
    s.roundTotal = kind == StepKind::FreeSpin ? s.win : 0;
    return s;
}

JournalStep other(StepKind kind, std::int64_t amount, std::int64_t creditBefore, std::int64_t creditAfter)
{
    JournalStep s;
    s.kind = kind;
    s.player = 1;
    s.amount = amount;
    s.creditBefore = creditBefore;
    s.creditAfter = creditAfter;
    return s;
}

// How far a drawn cell is from a picture brought to the cell's size: the mean difference of
// their colour channels (0..255), leaving out the border a winning cell's frame covers.
double difference(const QImage &shot, const QRect &cell, const QPixmap &picture)
{
    const int border = cell.width() / 16 + 1;
    const QRect inside = QRect(QPoint(0, 0), cell.size()).adjusted(border, border, -border, -border);
    const QImage x = shot.copy(cell).copy(inside).convertToFormat(QImage::Format_RGB32);
    const QImage y = picture.toImage()
                         .scaled(cell.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         .copy(inside)
                         .convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int column = 0; column < x.width(); ++column) {
            const QRgb a = x.pixel(column, row);
            const QRgb b = y.pixel(column, row);
            sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
        }
    return sum / (3.0 * x.width() * x.height());
}

class HistoryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(s.loaded);
        ASSERT_TRUE(journal.open());
        s.m.journal = &journal;
    }
    void open()
    {
        s.choose("mnuhistory");
        ASSERT_TRUE(s.sides.history.isVisible());
    }
    // Clicks row `row` of a list as the player would.
    static void clickRow(QTreeWidget *list, int row)
    {
        const QRect box = list->visualItemRect(list->topLevelItem(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box.center());
    }

    Screen s;
    QTemporaryDir folder;
    SqliteJournal journal{folder.path() + "/journal.sqlite"};
};

TEST_F(HistoryTest, AChosenGameShowsItsReelsCellByCellWithTheWinningCellsFramed)
{
    const Stops kWin = {12, 2, 9, 1, 5}; // a K win with a Wild on reel 2
    journal.record(spin(StepKind::Spin, kWin, 5000));
    journal.record(other(StepKind::Credit, 0, 5002, 5012));
    journal.record(spin(StepKind::Spin, {2, 10, 3, 2, 2}, 5012));
    journal.record([] {
        JournalStep elsewhere = spin(StepKind::Spin, {1, 1, 1, 1, 1}, 900);
        elsewhere.player = 2;
        return elsewhere;
    }());
    open();
    QDialog &d = s.sides.history;

    auto *games = Screen::child<QTreeWidget>(d, "gamelist");
    ASSERT_EQ(games->topLevelItemCount(), 3) << "player 1's games only";
    const auto row = [games](int i) {
        QStringList texts;
        for (int c = 1; c < 5; ++c)
            texts << games->topLevelItem(i)->text(c);
        return texts;
    };
    EXPECT_EQ(row(1), QStringList({"credit +$ 0.1", "", "", "$ 50.12"})) << "newest first";
    const JournalStep first = spin(StepKind::Spin, kWin, 5000);
    EXPECT_EQ(row(2), QStringList({"$ 0.25", "243", QString::fromStdString(moneyCaption(first.win)),
                                   QString::fromStdString(moneyCaption(first.creditAfter))}));
    EXPECT_EQ(Screen::child<QLabel>(d, "lblrecall")->text(), QStringLiteral("RECALL"));
    EXPECT_TRUE(Screen::child<QLabel>(d, "lblrecall")->isVisible());

    clickRow(games, 2);
    EXPECT_EQ(s.sides.historyWindow.chosen, 2);
    EXPECT_EQ(s.sides.history.shownStep(), 0);

    auto *view = Screen::child<QWidget>(d, "recallview");
    const QImage shot = d.grab().toImage();
    const QPoint origin = view->mapTo(&d, QPoint(0, 0));
    const CellMarks wins = winningCells(evaluateSpin(kWin, 25, 1));
    int won = 0;
    bool anotherStopDiffers = false;
    for (int reel = 1; reel <= kReels; ++reel) {
        for (const Row r : kRows) {
            SCOPED_TRACE("reel " + std::to_string(reel) + " row " + std::to_string(static_cast<int>(r)));
            const QRect cell = RecallView::cellRect(reel, r, s.sides.history.scale()).translated(origin);
            const int stop = kWin[static_cast<std::size_t>(reel - 1)];
            EXPECT_LT(difference(shot, cell, pictures().symbol(symbolAt(reel, stop, r))), 3.0);
            anotherStopDiffers =
                anotherStopDiffers || difference(shot, cell, pictures().symbol(symbolAt(reel, stop + 1, r))) > 20.0;
            // The frame of a winning cell is gold; other cells show their symbol to their edge.
            const bool framed = shot.pixelColor(cell.left() + 1, cell.center().y()) == QColor(255, 213, 74);
            EXPECT_EQ(framed, wins[static_cast<std::size_t>(cellOf(reel, r))]);
            won += framed ? 1 : 0;
        }
    }
    EXPECT_TRUE(anotherStopDiffers) << "the comparison can tell stops apart";
    EXPECT_GT(won, 2);
}

TEST_F(HistoryTest, EachFreeSpinAndGambleStepIsShownInTurnAndEscapeCloses)
{
    journal.record(spin(StepKind::Spin, {2, 10, 3, 2, 2}, 5000));
    JournalStep free = spin(StepKind::FreeSpin, {12, 2, 9, 1, 5}, 4975, 3);
    free.freespins = 11;
    free.freespinsdone = 4;
    journal.record(free);
    journal.record(other(StepKind::Collect, 0, 4975, 4975 + free.win));
    const JournalStep won = spin(StepKind::Spin, {12, 2, 9, 1, 5}, 5000);
    const std::int64_t w = won.win;
    journal.record(won);
    journal.record(other(StepKind::GambleOpen, w, won.creditAfter, won.creditAfter - w));
    JournalStep card = other(StepKind::GambleCard, 2 * w, won.creditAfter - w, won.creditAfter - w);
    card.bet = GambleBet::Red;
    card.card = 1;
    card.won = true;
    journal.record(card);
    journal.record(other(StepKind::GambleCollect, 2 * w, won.creditAfter - w, won.creditAfter + w));
    open();
    QDialog &d = s.sides.history;
    auto *steps = Screen::child<QListWidget>(d, "steplist");
    auto *facts = Screen::child<QLabel>(d, "lblstep");

    ASSERT_EQ(steps->count(), 4) << "the newest game is chosen at opening";
    const auto plain = [](QString text) { return text.replace(QChar(0x00A0), ' '); };
    EXPECT_EQ(steps->item(2)->text(), QStringLiteral("3. Hearts on Red: won"));
    steps->setCurrentRow(2);
    EXPECT_EQ(s.sides.history.shownStep(), 2);
    const QString doubled = QString::fromStdString(moneyCaption(2 * w));
    EXPECT_EQ(plain(facts->text()), QStringLiteral("Bet on Red, the card was Hearts: won, ") + doubled + " at risk");
    EXPECT_EQ(Screen::child<QTreeWidget>(d, "gamelist")->topLevelItem(0)->text(3), doubled) << "the game's win";

    clickRow(Screen::child<QTreeWidget>(d, "gamelist"), 1);
    ASSERT_EQ(steps->count(), 3);
    EXPECT_EQ(plain(steps->item(2)->text()), QStringLiteral("3. Collect ") + QString::fromStdString(moneyCaption(free.win)));
    steps->setCurrentRow(1);
    EXPECT_TRUE(facts->text().startsWith(QStringLiteral("Free spin, Wild multiplier x3: win ")));
    EXPECT_TRUE(facts->text().endsWith(QStringLiteral("Freespins Remaining = 7")));
    EXPECT_TRUE(Screen::child<QLabel>(d, "picbadge")->isVisible());
    steps->setCurrentRow(0);
    EXPECT_FALSE(Screen::child<QLabel>(d, "picbadge")->isVisible());

    QTest::keyClick(steps, Qt::Key_Escape);
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(s.window.isEnabled());
}

// Only a paid spin's game has a bet, ways and a win; an entry of its own says what it was.
TEST(HistoryRows, OnlyAGameShowsABetWaysAndAWin)
{
    // The machine journals every entry with its bet of the moment: 25 coins at 243 ways.
    const auto entry = [](StepKind kind, std::int64_t before, std::int64_t after) {
        JournalStep s = other(kind, 0, before, after);
        s.coinbet = 1;
        s.waysmult = 25;
        s.stake = 25;
        return s;
    };
    const JournalStep won = spin(StepKind::Spin, {12, 2, 9, 1, 5}, 5000);
    const QString money = QString::fromStdString(moneyCaption(won.win));
    const struct {
        const char *what;
        JournalStep step;
        QStringList columns; // bet, ways, win, credit after
        std::int64_t win;
    } cases[] = {
        {"a paid spin", won, {"$ 0.25", "243", money, QString::fromStdString(moneyCaption(won.creditAfter))}, won.win},
        {"credit put on", entry(StepKind::Credit, 5000, 5010), {"credit +$ 0.1", "", "", "$ 50.1"}, 0},
        {"the $50 button", entry(StepKind::FastMoney, 0, 5000), {"$50 +$ 50", "", "", "$ 50"}, 0},
        {"a fresh player", entry(StepKind::Adjustment, 0, 5000), {"credit adjusted", "", "", "$ 50"}, 0},
        {"a cleared player", entry(StepKind::Adjustment, 5010, 25), {"credit adjusted", "", "", "$ 0.25"}, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const JournalGame game{1, 1, {c.step}};
        EXPECT_EQ(gameColumns(game).mid(1).join(" | ").toStdString(), c.columns.join(" | ").toStdString());
        EXPECT_EQ(gameWin(game), c.win);
    }
}

// The window takes the main window's scale, as the other side windows do, but never more than
// the screen holds: on this 800 x 600 screen the design size (860 x 661) is too large.
TEST_F(HistoryTest, FitsTheScreenWithItsCloseButtonAndGrowsWithTheMachine)
{
    journal.record(spin(StepKind::Spin, {12, 2, 9, 1, 5}, 5000));
    QDialog &d = s.sides.history;
    struct Seen {
        int width;
        qreal machineScale;
    };
    std::vector<Seen> seen;
    for (const QSize machine : {QSize(500, 380), QSize(1500, 1100)}) {
        SCOPED_TRACE(machine.width());
        s.window.resize(machine);
        QCoreApplication::processEvents();
        open();
        const QRect free = s.window.screen()->availableGeometry();
        auto *close = Screen::child<QPushButton>(d, "cmdclose");
        EXPECT_TRUE(free.contains(d.frameGeometry())) << d.frameGeometry().width() << "x" << d.frameGeometry().height();
        EXPECT_TRUE(free.contains(QRect(close->mapToGlobal(QPoint(0, 0)), close->size())));
        seen.push_back({d.width(), s.window.scale()});
        QTest::keyClick(&d, Qt::Key_Escape);
    }
    EXPECT_NEAR(seen[0].width, 860 * seen[0].machineScale, 1.0) << "as large as the machine where the screen holds it";
    EXPECT_GT(seen[1].width, seen[0].width * 1.4);
}

} // namespace
} // namespace melvane
