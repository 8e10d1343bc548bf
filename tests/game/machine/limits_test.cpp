// Meters and counters at the edge of their widths: the credit at 2,147,483,647, the 16-bit
// counters at 32767. Nothing wraps, nothing is lost, and a step that would not fit is skipped.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>

#include "support/gamefixture.h"

namespace melvane {
namespace {

using testing_support::GameFixture;
using testing_support::kK40Stops;
using testing_support::kLosingStops;
using testing_support::kThreeScattersStops;
using testing_support::kFourScattersStops;
using testing_support::kMultiplierTwo;

constexpr std::int32_t kMaxCoins = std::numeric_limits<std::int32_t>::max();
constexpr std::int16_t kMaxCount = std::numeric_limits<std::int16_t>::max();

class Limits : public GameFixture {
protected:
    // bank + bonus total still to collect = put in - staked + won
    std::int64_t imbalance() const
    {
        return static_cast<std::int64_t>(m.g.bank) + m.freespinwin - m.g.amountinvested + m.g.wager - m.g.total;
    }

    // The machine as the resolution leaves it after the last free spin of a round.
    void completeRound(std::int32_t total)
    {
        m.freespins = 11;
        m.freespinsdone = 11;
        m.freespinsover = 1;
        m.freespinwin = total;
        m.takewin.show();
        m.takewin.setEnabled(true);
    }

    void playOutTheRound()
    {
        ASSERT_TRUE(host.advanceUntil([&] { return m.freespinsover == 1; }, 24 * 3'600'000LL, 1'000));
    }
};

TEST_F(Limits, TheCreditButtonsFillTheCreditToItsLimitAndNoFurther)
{
    m.g.bank = 0;
    int presses = 0;
    while (presses < 500'000) {
        const std::int32_t before = m.g.bank;
        m.cmdfastmoney.press();
        ++presses;
        if (m.g.bank == before)
            break;
        ASSERT_EQ(m.g.bank, before + 5000);
    }
    EXPECT_EQ(m.g.bank, 2'147'480'000) << "the last 3647 coins do not take a whole fast-money press";
    EXPECT_EQ(presses, 429'497);
    while (m.g.bank <= kMaxCoins - 10)
        m.COINSIN.press();
    EXPECT_EQ(m.g.bank, 2'147'483'640);
    m.COINSIN.press();
    m.cmdfastmoney.press();
    EXPECT_EQ(m.g.bank, 2'147'483'640);
    EXPECT_EQ(m.PANELBANK.caption(), "2147483640");
    EXPECT_EQ(m.Lblcredit.caption(), "$ 21474836.4");
    EXPECT_EQ(m.g.amountinvested, kMaxCoins - 7) << "the invested meter counts every press it could take";
}

TEST_F(Limits, AWinAFullCreditCannotTakeIsNotCreditedAndNotOfferedToTheGamble)
{
    m.g.bank = kMaxCoins - 10; // 25 staked, 40 won: 5 past the limit
    spinWith(kK40Stops);

    EXPECT_EQ(m.spinwin, 40);
    EXPECT_EQ(m.g.bank, kMaxCoins - 35);
    EXPECT_FALSE(m.doublebutton.enabled()) << "the gamble would stake coins the win never put in the credit";
    m.doublebutton.press();
    EXPECT_FALSE(m.pandouble.visible());
    EXPECT_EQ(m.g.bank, kMaxCoins - 35);

    m.g.bank = kMaxCoins - 15; // 25 staked, 40 won: fits exactly
    spinWith(kK40Stops);
    EXPECT_EQ(m.g.bank, kMaxCoins);
    EXPECT_TRUE(m.doublebutton.enabled());
}

TEST_F(Limits, ALongGambleStreakStopsGrowingWhereTheCreditCouldNoLongerTakeItBack)
{
    const struct {
        const char *what;
        std::int32_t creditBesides; // credit that is not at risk
        bool suits;
        std::int32_t largest;
    } cases[] = {
        {"colours, nothing else in the credit", 0, false, 1 << 30},
        {"colours beside a large credit", 1'100'000'000, false, 1 << 29},
        {"suits, nothing else in the credit", 0, true, 1 << 30},
        {"suits beside a large credit", 2'000'000'000, true, 1 << 26},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        m.spinwin = 1;
        m.freespincollected = 0;
        m.g.bank = c.creditBesides + 1;
        m.g.total = 0; // only the credit limits the streak here
        m.doublebutton.setEnabled(true);
        m.doublebutton.press();
        ASSERT_TRUE(m.pandouble.visible());
        std::int32_t previous = m.gambleamount;
        for (int card = 0; card < 40; ++card) {
            host.queueDraw(4, 1); // hearts: red and the first suit win
            if (c.suits)
                m.gamble.suitbet[1].press();
            else
                m.gamble.betred.press();
            ASSERT_TRUE(m.pandouble.visible());
            ASSERT_GE(m.gambleamount, previous) << "after card " << card;
            previous = m.gambleamount;
        }
        EXPECT_EQ(m.gambleamount, c.largest);
        EXPECT_EQ(m.g.bank, c.creditBesides);
        m.gamble.cancelbet.press();
        EXPECT_EQ(m.g.bank, static_cast<std::int64_t>(c.creditBesides) + c.largest);
        EXPECT_FALSE(m.pandouble.visible());
    }
}

TEST_F(Limits, ACollectThatWouldPassTheLimitKeepsTheTotalUntilACollectCanTakeItWhole)
{
    m.g.amountinvested = kMaxCoins;
    m.g.bank = kMaxCoins - 100;
    m.g.wager = 100;
    m.g.total = 0;
    completeRound(1000);
    m.g.total = 1000;
    ASSERT_EQ(imbalance(), 0);

    m.takewin.press();
    EXPECT_EQ(m.g.bank, kMaxCoins - 100);
    EXPECT_EQ(m.freespinwin, 1000);
    EXPECT_EQ(m.LABWIN.caption(), "1000") << "the total stays on the win meter";
    EXPECT_EQ(imbalance(), 0);

    // Later the credit has room again (as if it had been spent on games); paid games go on and
    // the total waits through them.
    m.g.bank = 5000;
    m.g.wager = 100'000;
    m.g.amountinvested = m.g.bank + m.freespinwin + m.g.wager - m.g.total;
    ASSERT_EQ(imbalance(), 0);
    for (int i = 0; i < 3; ++i)
        spinWith(kLosingStops);
    EXPECT_EQ(m.freespinwin, 1000);
    EXPECT_EQ(imbalance(), 0);

    // The next round's total is added to it, and this collect takes it all.
    queueSpin(kThreeScattersStops);
    m.play[1].press();
    host.queueDraw(2, 1);
    for (int i = 0; i < 10; ++i)
        queueSpin(kLosingStops, 1, kMultiplierTwo);
    playOutTheRound();
    EXPECT_EQ(m.freespinwin, 1050);
    const std::int32_t before = m.g.bank;
    m.takewin.press();
    EXPECT_EQ(m.g.bank, before + 1050);
    EXPECT_EQ(m.freespinwin, 0);
    EXPECT_EQ(m.freespincollected, 1050);
    EXPECT_EQ(imbalance(), 0);
}

TEST_F(Limits, AChargeAFullMeterCouldNotTakeIsNeverTakenBack)
{
    const struct {
        const char *what;
        std::int32_t wager, games, total;
        std::int32_t wagerAfter, gamesAfter, totalAfter, bankAfter;
    } cases[] = {
        // A stake the staked meter cannot count does not leave the credit either.
        {"the staked meter full", kMaxCoins - 10, 5, 0, kMaxCoins - 10, 6, 0, 10'000},
        {"the games meter full", 500, kMaxCoins, 0, 525, kMaxCoins, 0, 10'000 - 25},
        // The discarded 250 never reached the won meter, so it must not be taken out of it.
        {"the won meter full", 500, 5, kMaxCoins - 100, 525, 6, kMaxCoins - 100, 10'000 - 25},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        m.g.wager = c.wager;
        m.g.games = c.games;
        m.g.total = c.total;
        m.g.bank = 10'000;
        // A big win drawn again by the payout control, then a losing spin that stands.
        queueSpin(kFourScattersStops, 2);
        queueSpin(kLosingStops, 1);
        m.play[1].press();
        EXPECT_EQ(m.g.bank, c.bankAfter);
        EXPECT_EQ(m.g.wager, c.wagerAfter);
        EXPECT_EQ(m.g.games, c.gamesAfter);
        EXPECT_EQ(m.g.total, c.totalAfter);
    }

    // A bonus played with the staked meter full: the free spins' refunds never lower it.
    m.g.wager = kMaxCoins - 10;
    m.g.games = 0;
    m.g.total = 0;
    m.g.bank = 10'000;
    std::int32_t lowestWager = m.g.wager;
    m.onResolved = [&] { lowestWager = std::min(lowestWager, m.g.wager); };
    queueSpin(kThreeScattersStops);
    m.play[1].press();
    host.queueDraw(2, 1);
    for (int i = 0; i < 10; ++i)
        queueSpin(kLosingStops, 1, kMultiplierTwo);
    playOutTheRound();
    EXPECT_EQ(lowestWager, kMaxCoins - 10);
    EXPECT_EQ(m.g.wager, kMaxCoins - 10);
    EXPECT_EQ(m.g.games, 1);
    EXPECT_EQ(m.g.bank, 10'000) << "nor does the last free spin's stake";
}

TEST_F(Limits, ARetriggerChainAtTheTopOfSixteenBitsStopsAddingSpinsAndStillEnds)
{
    // Deep into a chain of retriggers (each adds 11 spins and counts one award): a few more
    // retriggers take the round and the award count to the top of their 16 bits.
    m.g.howmanyspins = kMaxCount - 2;
    queueSpin(kThreeScattersStops);
    m.play[1].press();
    ASSERT_EQ(m.freespins, 11);
    m.freespins = 32'740;
    m.freespinsdone = 32'735;
    host.queueDraw(2, 1);
    for (int i = 0; i < 4; ++i)
        queueSpin(kThreeScattersStops, 1, kMultiplierTwo);

    std::int16_t largest = m.freespins;
    bool wrapped = false;
    std::function<void()> watch = [&] {
        wrapped = wrapped || m.freespins < 0 || m.freespinsdone < 0 || m.g.howmanyspins < 0 ||
                  m.freespinsdone > m.freespins;
        largest = std::max(largest, m.freespins);
        if (m.freespinsover == 0)
            host.postAt(host.now() + 100, watch);
    };
    host.post(watch);
    for (int i = 0; i < 40; ++i)
        queueSpin(kLosingStops, 1, kMultiplierTwo);
    playOutTheRound();

    EXPECT_FALSE(wrapped);
    EXPECT_EQ(largest, 32'762) << "32,740 + 11 + 11; the third retrigger would pass 32,767";
    EXPECT_EQ(m.freespins, 32'762);
    EXPECT_EQ(m.freespinsdone, 32'762);
    EXPECT_EQ(m.g.howmanyspins, kMaxCount);
    EXPECT_TRUE(m.takewin.visible());
    m.takewin.press();
    EXPECT_EQ(m.freespins, 0);
    EXPECT_GT(m.g.bank, 0);
}

TEST_F(Limits, TheTickCounterHoldsAtItsTopAndStillLetsAutoplayAndTheRespinTimerGoOn)
{
    m.autoticks = kMaxCount - 1;
    m.Tmrtick.start();
    m.Timerflash.start();
    for (int i = 0; i < 5; ++i) {
        m.Tmrtick.fire();
        m.Timerflash.fire();
    }
    EXPECT_EQ(m.autoticks, kMaxCount);
    m.Tmrtick.stop();
    m.Timerflash.stop();

    // Autoplay spins once the count has reached the pause, whatever the count.
    m.g.bank = 10'000;
    m.autoplay = 10;
    m.autopause = 40;
    queueSpin(kK40Stops); // a win, so autoplay waits after it rather than spinning on
    m.tmrautospin.start();
    m.tmrautospin.fire();
    EXPECT_EQ(m.g.games, 1);
    m.tmrautospin.stop();

    // In a round the respin timer presses for the next free spin past 60, and 32767 is past 60.
    m.autoplay = 0;
    m.freespins = 11;
    m.freespinsdone = 3;
    m.respinflag = 1;
    m.autoticks = kMaxCount;
    queueSpin(kLosingStops, 1, kMultiplierTwo);
    m.Timerrespin.start();
    m.Timerrespin.fire();
    EXPECT_EQ(m.freespinsdone, 4);
}

} // namespace
} // namespace melvane
