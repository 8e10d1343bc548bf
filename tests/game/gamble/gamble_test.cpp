#include <array>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "support/gamefixture.h"

namespace melvane {
namespace {

using testing_support::GameFixture;
using testing_support::kK40Stops;

constexpr std::int32_t kMaxCoins = std::numeric_limits<std::int32_t>::max();

enum class Press { Red, Black, Hearts, Clubs, Diamonds, Spades };

const char *nameOf(Press p)
{
    constexpr std::array<const char *, 6> names = {"red", "black", "hearts", "clubs", "diamonds", "spades"};
    return names[static_cast<std::size_t>(p)];
}

// Left, top, width and height of a control, in twips.
std::array<int, 4> placeOf(const Control &c)
{
    const Geometry &g = c.geometry();
    return {g.left, g.top, g.width, g.height};
}

Picture ace(int index) { return {ImageList::Cards, index, 0}; }
Picture tile(int index) { return {ImageList::Cards, index, 0}; }

class Gamble : public GameFixture {
protected:
    // The machine right after a win of `win` coins has been credited and the gamble offered.
    void offer(std::int32_t win, std::int32_t bankWithWin, std::int32_t collected = 0)
    {
        m.spinwin = win;
        m.freespincollected = collected;
        m.g.bank = bankWithWin;
        m.doublebutton.setEnabled(true);
    }

    void open(std::int32_t win, std::int32_t bankWithWin, std::int32_t collected = 0)
    {
        offer(win, bankWithWin, collected);
        m.doublebutton.press();
    }

    Button &button(Press p)
    {
        switch (p) {
        case Press::Red:
            return m.gamble.betred;
        case Press::Black:
            return m.gamble.betblack;
        default:
            return m.gamble.suitbet[static_cast<std::size_t>(p) - 1];
        }
    }

    // Presses a bet button with the next card scripted.
    void bet(Press p, int card)
    {
        host.queueDraw(4, card);
        button(p).press();
    }

    std::vector<Clip> clipsSince(std::size_t from) const
    {
        const std::vector<Clip> all = host.clipsPlayed();
        return {all.begin() + static_cast<std::ptrdiff_t>(from), all.end()};
    }

    bool machineLocked()
    {
        for (std::size_t i = 1; i <= 5; ++i)
            if (m.play[i].enabled() || m.payline[i].enabled())
                return false;
        return !m.COINSIN.enabled() && !m.doublebutton.enabled() && !m.keyPreview;
    }

    bool machineFree()
    {
        for (std::size_t i = 1; i <= 5; ++i)
            if (!m.play[i].enabled() || !m.payline[i].enabled())
                return false;
        return m.COINSIN.enabled() && !m.doublebutton.enabled() && m.keyPreview && m.focus.empty();
    }
};

TEST_F(Gamble, EnteringStakesTheWinOrTheCollectedFreeSpinTotalAndTakesItFromTheCredit)
{
    const struct {
        const char *what;
        std::int32_t spinwin, collected, bank;
        std::int32_t staked, bankAfter;
        const char *credit, *labwin, *lblwin, *risk, *colour, *suit;
    } cases[] = {
        {"a spin win", 250, 0, 1000, 250, 750, "$ 7.5", "250", "$ 2.5", "At Risk  250", "Black/Red Win = 500",
         "Suit Win = 1000"},
        {"a collected free-spin total", 40, 1234, 5000, 1234, 3766, "$ 37.66", "1234", "$ 12.34", "At Risk  1234",
         "Black/Red Win = 2468", "Suit Win = 4936"},
        {"a win that is the whole credit", 300, 0, 300, 300, 0, "$ 0", "300", "$ 3", "At Risk  300", "Black/Red Win = 600",
         "Suit Win = 1200"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        open(c.spinwin, c.bank, c.collected);
        EXPECT_EQ(m.gambleamount, c.staked);
        EXPECT_EQ(m.freespincollected, 0);
        EXPECT_EQ(m.g.bank, c.bankAfter);
        EXPECT_EQ(m.PANELBANK.caption(), std::to_string(c.bankAfter));
        EXPECT_EQ(m.Lblcredit.caption(), c.credit);
        EXPECT_EQ(m.LABWIN.caption(), c.labwin);
        EXPECT_EQ(m.lblwin.caption(), c.lblwin);
        EXPECT_EQ(m.gamble.risklab.caption(), c.risk);
        EXPECT_EQ(m.gamble.lblblackred.caption(), c.colour);
        EXPECT_EQ(m.gamble.lblsuit.caption(), c.suit);
        m.gamble.cancelbet.press();
    }
}

TEST_F(Gamble, EnteringAfterAWinningSpinLocksTheMachineAndDealsFromTheJoker)
{
    spinWith(kK40Stops);
    ASSERT_EQ(m.spinwin, 40);
    ASSERT_TRUE(m.doublebutton.enabled());
    host.advance(250); // the win is flashing and counting
    ASSERT_TRUE(m.Timerwincounter.enabled());
    const std::int32_t bank = m.g.bank;
    const std::size_t clips = host.clipsPlayed().size();

    m.doublebutton.press();

    EXPECT_EQ(m.g.bank, bank - 40);
    EXPECT_EQ(clipsSince(clips), std::vector<Clip>{Clip::Click});
    EXPECT_TRUE(m.pandouble.visible());
    EXPECT_TRUE(machineLocked());
    EXPECT_FALSE(m.Timerwincounter.enabled());
    for (std::size_t c = 1; c <= 15; ++c)
        EXPECT_FALSE(m.flasher[c].visible()) << "flasher(" << c << ")";
    EXPECT_EQ(m.gamble.piccardholder.picture(), ace(5));
    const std::array<int, 5> suitTiles = {0, 6, 7, 8, 9};
    for (std::size_t i = 1; i <= 4; ++i)
        EXPECT_EQ(m.gamble.suitbet[i].picture(), tile(suitTiles[i])) << "suitbet(" << i << ")";
    EXPECT_TRUE(m.gamble.betred.enabled());
    EXPECT_TRUE(m.gamble.betblack.enabled());
    EXPECT_TRUE(m.gamble.cancelbet.enabled());
    EXPECT_FALSE(m.gamble.gamblewin.visible());
    EXPECT_FALSE(m.gamble.gamblelose.visible());
}

TEST_F(Gamble, EachBetWinsOnlyOnItsCardsAndSoundsItsOutcome)
{
    const struct {
        Press press;
        int card;
        bool wins;
        std::int32_t amountAfter;
        Clip outcomeClip;
    } cases[] = {
        {Press::Red, 1, true, 200, Clip::GambleWon},        {Press::Red, 2, false, 100, Clip::GambleLost},
        {Press::Red, 3, true, 200, Clip::GambleWon},        {Press::Red, 4, false, 100, Clip::GambleLost},
        {Press::Black, 1, false, 100, Clip::GambleLost},     {Press::Black, 2, true, 200, Clip::GambleWonBlack},
        {Press::Black, 3, false, 100, Clip::GambleLost},     {Press::Black, 4, true, 200, Clip::GambleWonBlack},
        {Press::Hearts, 1, true, 400, Clip::GambleWon},     {Press::Hearts, 2, false, 100, Clip::GambleLost},
        {Press::Hearts, 3, false, 100, Clip::GambleLost},    {Press::Hearts, 4, false, 100, Clip::GambleLost},
        {Press::Clubs, 1, false, 100, Clip::GambleLost},     {Press::Clubs, 2, true, 400, Clip::GambleWon},
        {Press::Clubs, 3, false, 100, Clip::GambleLost},     {Press::Clubs, 4, false, 100, Clip::GambleLost},
        {Press::Diamonds, 1, false, 100, Clip::GambleLost},  {Press::Diamonds, 2, false, 100, Clip::GambleLost},
        {Press::Diamonds, 3, true, 400, Clip::GambleWon},   {Press::Diamonds, 4, false, 100, Clip::GambleLost},
        {Press::Spades, 1, false, 100, Clip::GambleLost},    {Press::Spades, 2, false, 100, Clip::GambleLost},
        {Press::Spades, 3, false, 100, Clip::GambleLost},    {Press::Spades, 4, true, 400, Clip::GambleWon},
    };
    const std::array<int, 4> restingBanner = {700, 4800, 2250, 450};
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(nameOf(c.press)) + " on card " + std::to_string(c.card));
        m.g.total = 5000;
        open(100, 1100);
        const std::int64_t slept = host.sleptMs;
        const std::size_t clips = host.clipsPlayed().size();

        bet(c.press, c.card);

        EXPECT_EQ(m.gamble.piccardholder.picture(), ace(c.card));
        EXPECT_EQ(clipsSince(clips), (std::vector<Clip>{Clip::Click, c.outcomeClip}));
        EXPECT_EQ(m.gambleamount, c.amountAfter);
        EXPECT_EQ(m.g.bank, 1000);
        EXPECT_EQ(m.g.total, 5000);
        EXPECT_EQ(m.LABWIN.caption(), c.wins ? "100" : "No Win");
        if (c.wins) {
            const std::string amount = std::to_string(c.amountAfter);
            EXPECT_TRUE(m.pandouble.visible());
            EXPECT_TRUE(machineLocked());
            EXPECT_TRUE(m.gamble.gamblewin.visible());
            EXPECT_EQ(placeOf(m.gamble.gamblewin), restingBanner);
            EXPECT_FALSE(m.gamble.gamblelose.visible());
            EXPECT_EQ(m.gamble.risklab.caption(), "At Risk  " + amount);
            EXPECT_EQ(m.gamble.lblblackred.caption(), "Black/Red Win = " + std::to_string(2 * c.amountAfter));
            EXPECT_EQ(m.gamble.lblsuit.caption(), "Suit Win = " + std::to_string(4 * c.amountAfter));
            EXPECT_TRUE(m.gamble.betred.enabled() && m.gamble.betblack.enabled() && m.gamble.cancelbet.enabled());
            EXPECT_EQ(host.sleptMs, slept);
            m.gamble.cancelbet.press();
        } else {
            EXPECT_FALSE(m.pandouble.visible());
            EXPECT_TRUE(machineFree());
            EXPECT_TRUE(m.gamble.gamblelose.visible());
            EXPECT_EQ(placeOf(m.gamble.gamblelose), restingBanner);
            EXPECT_FALSE(m.gamble.gamblewin.visible());
            EXPECT_EQ(m.gamble.risklab.caption(), "No Win  ");
            EXPECT_FALSE(m.gamble.lblblackred.visible());
            EXPECT_FALSE(m.gamble.lblsuit.visible());
            EXPECT_FALSE(m.gamble.betred.enabled() || m.gamble.betblack.enabled() || m.gamble.cancelbet.enabled());
            EXPECT_EQ(m.lblwin.caption(), " ");
            EXPECT_EQ(m.PANELBANK.caption(), "1000");
            EXPECT_EQ(m.Lblcredit.caption(), "$ 10");
        }
    }
}

TEST_F(Gamble, TwoColourWinsTurn250Into1000AndCollectingCreditsIt)
{
    m.g.total = 7000;
    open(250, 1000);
    bet(Press::Red, 3);
    EXPECT_EQ(m.gambleamount, 500);
    bet(Press::Black, 4);
    EXPECT_EQ(m.gambleamount, 1000);
    EXPECT_EQ(m.gamble.risklab.caption(), "At Risk  1000");
    EXPECT_EQ(m.g.bank, 750);
    const std::size_t clips = host.clipsPlayed().size();

    m.gamble.cancelbet.press();

    EXPECT_EQ(m.g.bank, 1750);
    EXPECT_EQ(m.g.total, 7750);
    EXPECT_EQ(clipsSince(clips), std::vector<Clip>{Clip::GambleTaken});
    EXPECT_FALSE(m.pandouble.visible());
    EXPECT_TRUE(machineFree());
    EXPECT_EQ(m.PANELBANK.caption(), "1750");
    EXPECT_EQ(m.Lblcredit.caption(), "$ 17.5");
    EXPECT_EQ(m.LABWIN.caption(), "1000");
    EXPECT_EQ(m.lblwin.caption(), "$ 10");
}

TEST_F(Gamble, CollectingCountsOnlyWhatTheCardsAddedToTheStakeAsWon)
{
    // The stake was counted in the total when it was won, by the spin or over the free spins.
    const struct {
        const char *what;
        std::int32_t spinwin, collected;
        std::vector<int> redCards; // each one wins a doubling
        std::int32_t totalGain, bankGain;
    } cases[] = {
        {"a spin win taken at once", 250, 0, {}, 0, 0},
        {"a spin win doubled twice", 250, 0, {1, 3}, 750, 750},
        {"a free-spin total taken at once", 40, 1234, {}, 0, 0},
        {"a free-spin total doubled once", 40, 1234, {3}, 1234, 1234},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        m.g.total = 10000;
        open(c.spinwin, 5000, c.collected);
        for (int card : c.redCards)
            bet(Press::Red, card);
        m.gamble.cancelbet.press();
        EXPECT_EQ(m.g.total, 10000 + c.totalGain);
        EXPECT_EQ(m.g.bank, 5000 + c.bankGain);
    }
}

TEST_F(Gamble, TheStripShowsTheLastFiveCardsOldestOnTheLeft)
{
    // Suit bets on the card that comes always win, so one gamble draws all eleven cards.
    const std::array<int, 11> cards = {2, 4, 1, 3, 4, 1, 2, 3, 2, 4, 3};
    struct Box {
        int left;
        int tile; // 0: hidden
    };
    const struct {
        int drawn;
        std::int16_t cardcount;
        std::array<Box, 5> boxes; // historypic(1..5)
    } checkpoints[] = {
        {1, 1, {{{360, 7}, {960, 0}, {1560, 0}, {2160, 0}, {2760, 0}}}},
        {5, 5, {{{360, 7}, {960, 9}, {1560, 6}, {2160, 8}, {2760, 9}}}},
        {6, 6, {{{2760, 6}, {360, 9}, {960, 6}, {1560, 8}, {2160, 9}}}},
        {10, 10, {{{360, 6}, {960, 7}, {1560, 8}, {2160, 7}, {2760, 9}}}},
        {11, 6, {{{2760, 8}, {360, 7}, {960, 8}, {1560, 7}, {2160, 9}}}},
    };
    open(1, 1000);
    int drawn = 0;
    for (const auto &c : checkpoints) {
        while (drawn < c.drawn) {
            const int card = cards[static_cast<std::size_t>(drawn)];
            bet(static_cast<Press>(card + 1), card);
            ++drawn;
        }
        SCOPED_TRACE("after " + std::to_string(c.drawn) + " cards");
        ASSERT_TRUE(m.pandouble.visible());
        EXPECT_EQ(m.cardcount, c.cardcount);
        for (std::size_t i = 1; i <= 5; ++i) {
            const Box &want = c.boxes[i - 1];
            const PictureBox &box = m.gamble.historypic[i];
            SCOPED_TRACE("historypic(" + std::to_string(i) + ")");
            EXPECT_EQ(box.visible(), want.tile != 0);
            EXPECT_EQ(placeOf(box), (std::array<int, 4>{want.left, 3960, 495, 495}));
            if (want.tile != 0) {
                EXPECT_EQ(box.picture(), tile(want.tile));
            }
        }
    }
}

TEST_F(Gamble, AfterALossTheNextGambleOpensWithTheJokerAndFreshOdds)
{
    open(100, 1000);
    bet(Press::Hearts, 1);
    bet(Press::Black, 3); // lost: the gamble closes with the odds hidden and the bets locked

    open(60, 1000);
    EXPECT_EQ(m.gamble.piccardholder.picture(), ace(5));
    EXPECT_EQ(m.gamble.risklab.caption(), "At Risk  60");
    EXPECT_TRUE(m.gamble.lblblackred.visible());
    EXPECT_TRUE(m.gamble.lblsuit.visible());
    EXPECT_EQ(m.gamble.lblblackred.caption(), "Black/Red Win = 120");
    EXPECT_EQ(m.gamble.lblsuit.caption(), "Suit Win = 240");
    EXPECT_FALSE(m.gamble.gamblelose.visible());
    EXPECT_FALSE(m.gamble.gamblewin.visible());
    EXPECT_TRUE(m.gamble.betred.enabled() && m.gamble.betblack.enabled() && m.gamble.cancelbet.enabled());
    EXPECT_EQ(m.gambleamount, 60);
}

TEST_F(Gamble, TheStripKeepsItsCardsFromOneGambleToTheNext)
{
    open(100, 1000);
    bet(Press::Clubs, 2);
    bet(Press::Red, 4); // lost: the gamble closes

    open(100, 1000);
    EXPECT_EQ(m.gamble.historypic[1].picture(), tile(7));
    EXPECT_EQ(m.gamble.historypic[2].picture(), tile(9));
    EXPECT_TRUE(m.gamble.historypic[1].visible() && m.gamble.historypic[2].visible());
    EXPECT_FALSE(m.gamble.historypic[3].visible());

    bet(Press::Black, 3);
    EXPECT_EQ(m.cardcount, 3);
    EXPECT_TRUE(m.gamble.historypic[3].visible());
    EXPECT_EQ(m.gamble.historypic[3].picture(), tile(8));
    EXPECT_EQ(m.gamble.historypic[3].geometry().left, 1560);
}

TEST_F(Gamble, AnAmountThatWouldPassThirtyTwoBitsIsSkippedAndItsCaptionKept)
{
    const struct {
        const char *what;
        std::int32_t staked;
        Press press;
        int card;
        std::int32_t amountAfter;
        const char *colourOnEntry, *suitOnEntry;
        const char *colourAfter, *suitAfter;
    } cases[] = {
        {"a doubling that just fits", 1073741823, Press::Red, 1, 2147483646, "Black/Red Win = 2147483646", "kept",
         "Black/Red Win = 2147483646", "kept"},
        {"a doubling one past the limit", 1073741824, Press::Black, 2, 1073741824, "kept", "kept", "kept", "kept"},
        {"a quadrupling that just fits", 536870911, Press::Diamonds, 3, 2147483644, "Black/Red Win = 1073741822",
         "Suit Win = 2147483644", "Black/Red Win = 1073741822", "Suit Win = 2147483644"},
        {"a quadrupling one past the limit", 536870912, Press::Spades, 4, 536870912, "Black/Red Win = 1073741824",
         "kept", "Black/Red Win = 1073741824", "kept"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        m.gamble.lblblackred.setCaption("kept");
        m.gamble.lblsuit.setCaption("kept");
        m.g.total = 0;
        open(c.staked, c.staked); // nothing else in the credit, so only the 32 bits limit the amount
        EXPECT_EQ(m.gamble.lblblackred.caption(), c.colourOnEntry);
        EXPECT_EQ(m.gamble.lblsuit.caption(), c.suitOnEntry);

        bet(c.press, c.card);

        EXPECT_EQ(m.gambleamount, c.amountAfter);
        EXPECT_TRUE(m.pandouble.visible()); // a skipped doubling is still a win: play goes on
        EXPECT_EQ(m.gamble.risklab.caption(), "At Risk  " + std::to_string(c.amountAfter));
        EXPECT_EQ(m.gamble.lblblackred.caption(), c.colourAfter);
        EXPECT_EQ(m.gamble.lblsuit.caption(), c.suitAfter);
        EXPECT_EQ(m.g.bank, 0);
        m.gamble.cancelbet.press();
        EXPECT_EQ(m.g.bank, c.amountAfter);
    }
}

TEST_F(Gamble, AWinTheFullCreditCouldNotTakeBackKeepsTheAmountAtRiskSoCollectingLosesNothing)
{
    open(150, kMaxCoins);
    bet(Press::Red, 1);
    EXPECT_EQ(m.gambleamount, 150);
    EXPECT_TRUE(m.pandouble.visible()); // still a win: the player may go on or take it
    m.gamble.cancelbet.press();
    EXPECT_EQ(m.g.bank, kMaxCoins);
    EXPECT_EQ(m.LABWIN.caption(), "150");
    EXPECT_FALSE(m.pandouble.visible());
}

TEST_F(Gamble, ALostCardStaysOnScreenForThreeSecondsOfHostTimeBeforeThePanelCloses)
{
    open(100, 1100);
    const std::uint64_t sleeps = host.sleeps;
    const std::int64_t slept = host.sleptMs;
    bool panelShownDuringHold = false;
    bool lockedDuringHold = false;
    std::string riskDuringHold;
    std::optional<std::string> savedLossDuringHold;
    host.onSleep = [&](int) {
        panelShownDuringHold = m.pandouble.visible() && m.gamble.gamblelose.visible();
        lockedDuringHold = machineLocked() && !m.gamble.betred.enabled() && !m.gamble.cancelbet.enabled();
        riskDuringHold = m.gamble.risklab.caption();
        // A game killed now must not give the stake back at its next start.
        savedLossDuringHold = host.store.value("keys", "player1", "gamblelost");
    };

    bet(Press::Red, 2);

    EXPECT_EQ(host.sleeps - sleeps, 1u);
    EXPECT_EQ(host.sleptMs - slept, 3000);
    EXPECT_TRUE(panelShownDuringHold);
    EXPECT_TRUE(lockedDuringHold);
    EXPECT_EQ(riskDuringHold, "No Win  ");
    EXPECT_EQ(savedLossDuringHold, std::optional<std::string>("100"));
    EXPECT_FALSE(m.pandouble.visible());
}

TEST_F(Gamble, AClickWhileACardIsBeingResolvedWaitsForThatCard)
{
    open(100, 1100);
    host.queueDraw(4, 1); // the red bet's card
    host.queueDraw(4, 2); // the card of the black bet clicked meanwhile
    host.post([this] { m.gamble.betblack.press(); });
    const std::size_t clips = host.clipsPlayed().size();

    m.gamble.betred.press();

    // The red card is settled and sounded before the black bet draws its card.
    EXPECT_EQ(clipsSince(clips), (std::vector<Clip>{Clip::Click, Clip::GambleWon, Clip::Click, Clip::GambleWonBlack}));
    EXPECT_EQ(m.gambleamount, 400);
    EXPECT_EQ(m.cardcount, 2);
    EXPECT_EQ(m.gamble.piccardholder.picture(), ace(2));
}

TEST_F(Gamble, AClickWaitingForALostCardReachesNothing)
{
    open(100, 1100);
    host.queueDraw(4, 1); // the black bet's card: lost
    host.queueDraw(4, 1); // would be drawn if the hearts bet clicked meanwhile ran
    host.post([this] { m.gamble.suitbet[1].press(); });

    m.gamble.betblack.press();

    EXPECT_EQ(m.cardcount, 1);
    EXPECT_EQ(host.queuedDraws(), 1u);
    EXPECT_FALSE(m.pandouble.visible());
    EXPECT_EQ(m.LABWIN.caption(), "No Win");
}

TEST_F(Gamble, WithTheSoundOffTheGambleIsSilent)
{
    m.g.soundonoff = 0;
    open(100, 1100);
    bet(Press::Red, 1);
    bet(Press::Hearts, 1);
    m.gamble.cancelbet.press();
    open(100, 1100);
    bet(Press::Black, 1);
    EXPECT_TRUE(host.clipsPlayed().empty());
}

} // namespace
} // namespace melvane

namespace melvane {
namespace {

using testing_support::GameFixture;
using testing_support::kK40Stops;

class GambleGuards : public GameFixture {};

TEST_F(GambleGuards, TheGambleDoesNotOpenUnderAutoplayNorInTheMiddleOfASpin)
{
    // In autoplay a win enables the button, but autoplay would spin under the panel.
    spinWith(kK40Stops);
    m.autoplay = 10;
    m.doublebutton.press();
    EXPECT_FALSE(m.pandouble.visible());
    EXPECT_EQ(m.g.bank, 1015);

    // A click in the pause for the win sound arrives before the win is settled.
    m.autoplay = 0;
    bool clicked = false;
    std::function<void()> watch = [&] {
        if (m.doublebutton.enabled()) {
            clicked = true;
            m.doublebutton.press();
        } else {
            host.post(watch);
        }
    };
    host.post(watch);
    spinWith(kK40Stops);
    EXPECT_TRUE(clicked);
    EXPECT_FALSE(m.pandouble.visible());
    EXPECT_EQ(m.g.bank, 1015 - 25 + 40);

    // Open once; a second press stakes nothing more.
    m.doublebutton.setEnabled(true);
    m.doublebutton.press();
    ASSERT_TRUE(m.pandouble.visible());
    const std::int32_t bank = m.g.bank;
    m.doublebutton.setEnabled(true);
    m.doublebutton.press();
    EXPECT_EQ(m.g.bank, bank);
    EXPECT_EQ(m.gambleamount, 40);
}

TEST_F(GambleGuards, ClosingTheWindowDuringAGambleCreditsTheAmountAtRisk)
{
    spinWith(kK40Stops);
    m.doublebutton.press();
    ASSERT_TRUE(m.pandouble.visible());
    ASSERT_EQ(m.g.bank, 1015 - 40);
    m.g.playernumber = "1";
    m.shutdown();
    EXPECT_FALSE(m.pandouble.visible());
    EXPECT_EQ(m.g.bank, 1015);
    EXPECT_EQ(host.store.value("keys", "player1", "bank"), std::optional<std::string>("1015"));
}

TEST_F(GambleGuards, NeitherAutoplayNorTheMachineSpinsUnderAnOpenGamble)
{
    spinWith(kK40Stops);
    m.doublebutton.press();
    ASSERT_TRUE(m.pandouble.visible());
    m.autoplayon.setEnabled(true);
    m.autoplayon.press();
    EXPECT_EQ(m.autoplay, 0);
    m.pressPlayForCoinbet();
    host.advance(10'000);
    EXPECT_EQ(m.g.games, 1);
    EXPECT_EQ(m.gambleamount, 40);
}

} // namespace
} // namespace melvane
