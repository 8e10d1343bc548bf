#include <functional>
#include <set>
#include <utility>

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "game/profiles/profiles.h"
#include "platform/qt/look.h"
#include "windowsession.h"

namespace melvane::window_testing {
namespace {

constexpr Stops kLosingStops = {2, 10, 3, 2, 2};
constexpr Stops kK40Stops = {12, 2, 9, 1, 5};

class RealWindow : public ::testing::Test {
protected:
    WindowSession s;
    void credit(int presses)
    {
        for (int i = 0; i < presses; ++i)
            s.click("COINSIN");
    }
};

TEST_F(RealWindow, StartsWithTheDesignCaptionsAndAnEmptyCredit)
{
    EXPECT_EQ(s.window.windowTitle(), QStringLiteral("Current Player       "));
    EXPECT_EQ(s.text("PANELBANK"), QStringLiteral("0"));
    EXPECT_EQ(s.text("Lblcredit"), QStringLiteral("$ 0"));
    EXPECT_EQ(s.button("play(5)")->text(), QStringLiteral("Bet 20 Coins"));
    EXPECT_EQ(s.button("payline(1)")->text(), QStringLiteral(" Play 3 Lines"));
    EXPECT_FALSE(s.button("doublebutton")->isEnabled());
    EXPECT_FALSE(s.button("takewin")->isVisible());
}

TEST_F(RealWindow, ABetButtonClickSpinsTheReelsAndShowsTheOutcome)
{
    credit(3);
    EXPECT_EQ(s.text("PANELBANK"), QStringLiteral("30"));
    s.queueSpin(kLosingStops);
    s.click("play(1)");
    EXPECT_TRUE(s.draws.empty());
    EXPECT_EQ(s.text("LABWIN"), QStringLiteral("No Win"));
    EXPECT_EQ(s.text("LABLAST"), QStringLiteral("25"));
    EXPECT_EQ(s.text("PANELBANK"), QStringLiteral("5"));
    EXPECT_EQ(s.m.reelPosition[1], -1875 * kLosingStops[0]);
    EXPECT_TRUE(s.button("play(1)")->isEnabled());
}

TEST_F(RealWindow, ShortCreditShowsThePanelAndSpinsNothing)
{
    credit(1);
    s.queueSpin(kLosingStops);
    s.click("play(1)");
    const auto *panel = s.window.findChild<QLabel *>(QStringLiteral("pannomoney"));
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->text(), QStringLiteral("Not Enough Credit For This Bet !!"));
    EXPECT_EQ(s.draws.size(), 6u);
}

TEST_F(RealWindow, ThreeWaysCoversTheOuterRowsOfReelsTwoToFive)
{
    const QImage before = s.window.grab().toImage();
    s.click("payline(1)");
    const QImage after = s.window.grab().toImage();
    // Centre of cell 6 (reel 2, top row) darkens under its cover; cell 1 (reel 1) does not.
    const QWidget *surface = s.window.centralWidget();
    const QPoint offset = surface->mapTo(&s.window, QPoint(0, 0));
    const QPoint cell6 = offset + QPoint(201 + 62, 68 + 62);
    const QPoint cell1 = offset + QPoint(65 + 62, 68 + 62);
    EXPECT_LT(qGray(after.pixel(cell6)) + 20, qGray(before.pixel(cell6)) + 0);
    EXPECT_EQ(after.pixel(cell1), before.pixel(cell1));
}

TEST_F(RealWindow, AWinOffersTheGambleAndItsPanelShowsTheStake)
{
    credit(3);
    s.queueSpin(kK40Stops);
    s.click("play(1)");
    EXPECT_EQ(s.m.spinwin, 40);
    ASSERT_TRUE(s.button("doublebutton")->isEnabled());
    s.click("doublebutton");
    const QWidget *panel = s.window.findChild<QWidget *>(QStringLiteral("pandouble"));
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(s.text("risklab").contains(QStringLiteral("40")));
    EXPECT_TRUE(s.button("betred")->isVisible());
}

TEST_F(RealWindow, TheSpaceBarPlaysTheCurrentBet)
{
    credit(3);
    s.queueSpin(kLosingStops);
    QTest::keyClick(&s.window, Qt::Key_Space);
    EXPECT_TRUE(s.draws.empty());
    EXPECT_EQ(s.text("LABWIN"), QStringLiteral("No Win"));
    EXPECT_EQ(s.m.g.games, 1); // one spin: the key never reaches a focused button as well
}

TEST_F(RealWindow, EnterAndBackspaceReachTheKeyHandlerAndEscapeDoesNot)
{
    const struct {
        Qt::Key key;
        bool refused; // with short credit the handler shows the panel
    } cases[] = {{Qt::Key_Return, true}, {Qt::Key_Enter, true}, {Qt::Key_Backspace, true}, {Qt::Key_Escape, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.key);
        s.m.pannomoney.hide();
        s.window.refresh();
        QTest::keyClick(&s.window, c.key);
        EXPECT_EQ(s.m.pannomoney.visible(), c.refused);
    }
}

TEST_F(RealWindow, EveryPictureTheGameCanAskForExists)
{
    for (int i = 1; i <= 27; ++i)
        EXPECT_FALSE(s.window.pixmapFor({ImageList::ImageList3, i, 0}).isNull()) << "ImageList3 " << i;
    for (int badge = 11; badge <= 26; ++badge)
        for (int note = 1; note <= 10; ++note)
            EXPECT_FALSE(s.window.pixmapFor({ImageList::ImageList3, note, badge}).isNull());
    // A multiplier of 0 asks for badge picture 3 over the note.
    EXPECT_FALSE(s.window.pixmapFor({ImageList::ImageList3, 1, 3}).isNull());
    for (int i = 1; i <= 17; ++i)
        EXPECT_FALSE(s.window.pixmapFor({ImageList::ImageList1, i, 0}).isNull()) << "ImageList1 " << i;
    for (int i = 1; i <= 9; ++i)
        EXPECT_FALSE(s.window.pixmapFor({ImageList::Cards, i, 0}).isNull()) << "card " << i;
}

TEST_F(RealWindow, AClosedWindowInTheMiddleOfASpinSavesTheSpinSettled)
{
    credit(5);
    s.queueSpin(kK40Stops);
    // The close box is clicked while the spin yields, before its stops are drawn.
    QTimer::singleShot(0, &s.window, [this] { s.window.close(); });
    s.click("play(1)");
    EXPECT_FALSE(s.window.isVisible());
    EXPECT_EQ(s.store.value("keys", "player1", "bank"), std::optional<std::string>("65")) << "50 - 25 + 40";
    EXPECT_EQ(s.store.value("keys", "player1", "total"), std::optional<std::string>("40"));
}

TEST_F(RealWindow, TheCloseBoxSavesTheProfile)
{
    credit(2);
    s.window.close();
    EXPECT_EQ(s.store.value("keys", "player1", "bank"), std::optional<std::string>("20"));
}

TEST_F(RealWindow, AfterALostGambleTheWinningCellsGoOnBlinkingUntilTheNextSpin)
{
    credit(5);
    s.queueSpin(kK40Stops); // K on reels 1 to 3: cells 3, 5 and 9 win, the Wild in cell 6 turns
    s.click("play(1)");
    s.click("doublebutton");
    s.queueDraw(4, 1); // hearts: a black bet loses
    s.click("betblack");
    ASSERT_FALSE(s.m.pandouble.visible());

    std::set<int> covered, uncovered;
    for (int tick = 0; tick < 12; ++tick) {
        QTest::qWait(100);
        for (const int cell : {3, 5, 9})
            (s.m.flasher[static_cast<std::size_t>(cell)].visible() ? covered : uncovered).insert(cell);
    }
    EXPECT_EQ(covered, (std::set<int>{3, 5, 9}));
    EXPECT_EQ(uncovered, (std::set<int>{3, 5, 9})) << "no winning cell may stay under its cover";
}

TEST(Focus, TabMovesTheFocusAndTheSessionClockLeavesItThere)
{
    WindowSession s;
    QApplication::setActiveWindow(&s.window);
    ASSERT_TRUE(s.button("play(1)")->hasFocus()) << "start-up gives it to the first bet button";

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget *moved = QApplication::focusWidget();
    ASSERT_NE(moved, s.button("play(1)"));
    for (int second = 0; second < 3; ++second) {
        s.m.tmrsession.fire();
        s.window.refresh();
    }

    EXPECT_EQ(QApplication::focusWidget(), moved);
}

TEST(Focus, AStartIntoAFinishedRoundLeavesNoButtonToCatchTheSpaceBar)
{
    InMemorySettingsStore stored;
    for (const auto &[key, value] : {std::pair{"bank", "100"}, {"roundspins", "11"}, {"rounddone", "11"},
                                     {"roundwin", "250"}, {"roundcoinbet", "1"}, {"roundwaysmult", "25"},
                                     {"roundtune", "1"}, {"roundwildmult", "2"}, {"roundstops", "1,1,1,1,1"}})
        stored.setValue(kProfileApplication, "player1", key, value);
    WindowSession s(std::move(stored));
    QApplication::setActiveWindow(&s.window);
    ASSERT_TRUE(s.button("takewin")->isVisible());

    QWidget *focused = QApplication::focusWidget();
    QTest::keyClick(focused != nullptr ? focused : &s.window, Qt::Key_Space);

    EXPECT_NE(focused, s.button("takewin"));
    EXPECT_EQ(s.m.freespinwin, 250) << "the round waits for the player's own collect";
}

TEST(Focus, AKeyboardOnlySessionPlaysAndTheFocusStaysWhereThePlayerPutsIt)
{
    WindowSession s;
    QApplication::setActiveWindow(&s.window);
    const auto tabTo = [&s](const char *name) {
        for (int i = 0; i < 60 && QApplication::focusWidget() != s.button(name); ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        return QApplication::focusWidget() == s.button(name);
    };
    const auto bank = [&s] { return int{s.m.g.bank}; };
    const struct {
        const char *button;
        std::function<int()> reading;
        int before, after;
    } presses[] = {{"COINSIN", bank, 0, 10},
                   {"cmdfastmoney", bank, 10, 5010},
                   {"payline(2)", [&s] { return int{s.m.waysmult}; }, 25, 3},
                   {"play(2)", [&s] { return int{s.m.coinbet}; }, 1, 2}}; // and a spin
    s.queueSpin(kLosingStops);
    for (const auto &p : presses) {
        SCOPED_TRACE(p.button);
        EXPECT_EQ(p.reading(), p.before);
        ASSERT_TRUE(tabTo(p.button));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(p.reading(), p.after);
    }
    s.queueSpin(kLosingStops);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(s.m.g.games, 2);

    ASSERT_TRUE(tabTo("payline(3)"));
    QTest::qWait(3000); // the session clock and the machine's timers run meanwhile
    EXPECT_EQ(QApplication::focusWidget(), s.button("payline(3)"));
}

} // namespace
} // namespace melvane::window_testing

namespace melvane {
namespace {

// Every window takes its look from the one built-in sheet; without it the machine is grey.
TEST(Look, TheStyleSheetIsBuiltIntoTheProgram) { EXPECT_TRUE(machineStyleSheet().contains(QStringLiteral("#cabinet"))); }

} // namespace
} // namespace melvane
