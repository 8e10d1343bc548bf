// The win meter roll-up and the respin timer of a free-spin round, on the virtual clock.
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/gamefixture.h"

namespace melvane {
namespace {

using testing_support::GameFixture;
using testing_support::kK40Stops;
using testing_support::kLosingStops;

constexpr int kTickMs = 100;
constexpr int kAnyMultiplierDraw = 20; // x2

class Rollup : public GameFixture {
protected:
    // The resolution's start of a roll-up for a win outside a free-spin round.
    void startRollup(std::int32_t win)
    {
        m.spinwin = win;
        m.winstep = 1;
        m.wincountvalue = 0;
        m.Timerwincounter.start();
    }

    // Lets the roll-up run to its end and writes down LABWIN after each of its ticks.
    std::vector<std::string> meterReadings(int limitTicks = 200)
    {
        std::vector<std::string> readings;
        for (int i = 0; i < limitTicks && m.Timerwincounter.enabled(); ++i) {
            host.advance(kTickMs);
            readings.push_back(m.LABWIN.caption());
        }
        return readings;
    }

    // A free-spin round with spins left, the round's music already started.
    void enterRound()
    {
        m.freespins = 11;
        m.freespinsdone = 3;
        m.respinflag = 1;
        m.respinroll = 1;
    }
};

// ---- roll-up

TEST_F(Rollup, MeterCountsUpInGrowingStepsAndShowsTheCreditOnlyAtTheEnd)
{
    const struct {
        std::int16_t winroll;
        std::int32_t win;
        std::vector<std::string> meter;
        const char *dollars;
        const char *credit; // of 1000 coins and the win
    } cases[] = {
        {1, 1, {"1"}, "$ 0.01", "$ 10.01"},
        {1, 20, {"1", "2", "3", "4", "5", "6", "8", "10", "12", "16", "20"}, "$ 0.2", "$ 10.2"},
        {1, 40, {"1", "2", "3", "4", "5", "6", "8", "10", "12", "16", "24", "34", "40"}, "$ 0.4", "$ 10.4"},
        {0, 20, {"20"}, "$ 0.2", "$ 10.2"},
        {0, 5000, {"5000"}, "$ 50", "$ 60"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.win);
        m.g.winroll = c.winroll;
        m.g.bank = 1000;
        m.showBank();
        m.g.bank = 1000 + c.win; // credited by the settlement before the meter has counted

        startRollup(c.win);
        std::vector<std::string> meter;
        while (m.Timerwincounter.enabled() && meter.size() < 100) {
            EXPECT_EQ(m.PANELBANK.caption(), "1000") << "the credit waits for the count";
            host.advance(kTickMs);
            meter.push_back(m.LABWIN.caption());
        }

        EXPECT_EQ(meter, c.meter);
        EXPECT_EQ(m.lblwin.caption(), c.dollars);
        EXPECT_EQ(m.PANELBANK.caption(), std::to_string(1000 + c.win));
        EXPECT_EQ(m.Lblcredit.caption(), c.credit);
        EXPECT_EQ(m.wincountvalue, 0);
    }
}

TEST_F(Rollup, CountingUpTakesMoreTicksForBiggerWinsButFewSecondsEvenFor5000)
{
    const struct {
        std::int32_t win;
        std::size_t ticks;
    } cases[] = {{20, 11}, {100, 19}, {250, 29}, {1000, 51}, {5000, 62}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.win);
        startRollup(c.win);
        const std::vector<std::string> meter = meterReadings();
        EXPECT_EQ(meter.size(), c.ticks);
        ASSERT_FALSE(meter.empty());
        EXPECT_EQ(meter.back(), std::to_string(c.win));
        for (std::size_t i = 0; i + 1 < meter.size(); ++i)
            EXPECT_LT(std::stoi(meter[i]), c.win) << "reading " << i + 1;
    }
}

TEST_F(Rollup, WinOfAPlayedSpinCountsUpWhileTheCreditShowsTheStakeTaken)
{
    spinWith(kK40Stops); // K pays 40 on a stake of 25
    ASSERT_EQ(m.spinwin, 40);
    ASSERT_EQ(m.g.bank, 1015);

    std::vector<std::string> meter;
    while (m.Timerwincounter.enabled() && meter.size() < 100) {
        EXPECT_EQ(m.PANELBANK.caption(), "975");
        host.advance(kTickMs);
        meter.push_back(m.LABWIN.caption());
    }

    EXPECT_EQ(meter, (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "8", "10", "12", "16", "24", "34", "40"}));
    EXPECT_EQ(m.lblwin.caption(), "$ 0.4");
    EXPECT_EQ(m.PANELBANK.caption(), "1015");
    EXPECT_EQ(m.Lblcredit.caption(), "$ 10.15");
}

TEST_F(Rollup, FirstTickInAFreeSpinRoundStopsAtOnceAndLeavesTheMeterShowingWinsAtOnce)
{
    enterRound();
    m.g.winroll = 1;
    m.takewin.setEnabled(true);
    m.LABWIN.setCaption("150");
    m.lblwin.setCaption("$ 1.5");
    startRollup(60);

    host.advance(kTickMs);

    EXPECT_FALSE(m.Timerwincounter.enabled());
    EXPECT_EQ(m.g.winroll, 0);
    EXPECT_EQ(m.wincountvalue, 0);
    EXPECT_EQ(m.winstep, 0);
    EXPECT_FALSE(m.takewin.enabled());
    EXPECT_EQ(m.LABWIN.caption(), "150") << "the round keeps its own captions";
    EXPECT_EQ(m.lblwin.caption(), "$ 1.5");

    // The round is over and collected; the next paid win is shown whole at the first tick.
    m.freespins = 0;
    m.freespinsdone = 0;
    startRollup(40);
    EXPECT_EQ(meterReadings(), (std::vector<std::string>{"40"}));
}

TEST_F(Rollup, TickAfterTheLastFreeSpinShowsTheRoundTotalAndTheLastSpinsWin)
{
    m.freespins = 11;
    m.freespinsdone = 11;
    m.freespinsover = 1;
    m.freespinwin = 1234;
    m.g.bank = 5000;
    m.PANELBANK.setCaption("975");
    startRollup(60);
    m.wincountvalue = 7;

    host.advance(kTickMs);

    EXPECT_FALSE(m.Timerwincounter.enabled());
    EXPECT_EQ(m.LABWIN.caption(), "1234");
    EXPECT_EQ(m.lblwin.caption(), "$ 12.34");
    EXPECT_EQ(m.lblcurrentwin.caption(), "60");
    EXPECT_EQ(m.wincountvalue, 0);
    EXPECT_EQ(m.winstep, 0);
    EXPECT_EQ(m.PANELBANK.caption(), "975") << "collect shows the credit, not the roll-up";
}

// ---- respin

TEST_F(Rollup, FirstRespinTickDrawsTheRoundsTuneAndPlaysItLoopedWhenSoundIsOn)
{
    const struct {
        std::int16_t soundonoff;
        int draw;
        std::optional<Clip> clip;
    } cases[] = {
        {-1, 1, Clip::FreeSpinTuneA},
        {-1, 2, Clip::FreeSpinTuneB},
        {0, 1, std::nullopt},
        {0, 2, std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "sound " << c.soundonoff << ", draw " << c.draw);
        enterRound();
        m.respinflag = 0;
        m.respinroll = 0;
        m.autoticks = 0;
        m.g.soundonoff = c.soundonoff;
        host.clips.clear();
        host.queueDraw(2, c.draw);

        m.tickTimerrespin();

        EXPECT_EQ(host.queuedDraws(), 0U);
        EXPECT_EQ(m.respinroll, c.draw);
        EXPECT_EQ(m.respinflag, 1);
        if (c.clip) {
            ASSERT_EQ(host.clips.size(), 1U);
            EXPECT_EQ(host.clips[0].clip, c.clip);
            EXPECT_TRUE(host.clips[0].looped);
        } else {
            EXPECT_TRUE(host.clips.empty());
        }
    }
}

TEST_F(Rollup, TheTuneIsDrawnOnceAndPlaysOnUnlessChimesCutItOff)
{
    enterRound();
    m.respinflag = 0;
    m.respinroll = 0;
    m.autoticks = 0;
    host.queueDraw(2, 2);
    host.queueDraw(2, 1); // must stay unused: one tune for the whole round
    m.Timerrespin.start();

    host.advance(10 * kTickMs);
    EXPECT_EQ(host.queuedDraws(), 1U);
    ASSERT_EQ(host.clipsPlayed(), std::vector<Clip>{Clip::FreeSpinTuneB});
    EXPECT_TRUE(host.clips.back().looped);

    // Five Scatters' chimes take the sound; the tune comes back at the next tick, the same tune.
    m.sound(Clip::Chime5);
    host.advance(kTickMs);
    EXPECT_EQ(host.clipsPlayed(), (std::vector<Clip>{Clip::FreeSpinTuneB, Clip::Chime5, Clip::FreeSpinTuneB}));
    host.advance(5 * kTickMs);
    EXPECT_EQ(host.clipsPlayed().size(), 3U);
}

TEST_F(Rollup, RespinPressesForTheNextFreeSpinOnlyOnceAutoticksHasPassed60)
{
    const struct {
        std::int16_t autoticks;
        bool presses;
    } cases[] = {{0, false}, {59, false}, {60, false}, {61, true}, {200, true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.autoticks);
        enterRound();
        m.autoticks = c.autoticks;
        m.lblcurrentwin.setCaption("30");
        queueSpin(kLosingStops, 1, kAnyMultiplierDraw);
        const std::size_t drawsBefore = host.queuedDraws();
        // What the window shows while the pressed spin's reels turn.
        std::optional<std::string> duringSpin;
        host.onSleep = [&](int) {
            if (!duringSpin)
                duringSpin = m.lblcurrentwin.caption();
        };

        m.tickTimerrespin();

        host.onSleep = nullptr;
        if (c.presses) {
            EXPECT_EQ(m.freespinsdone, 4);
            EXPECT_EQ(host.queuedDraws(), 0U);
            ASSERT_TRUE(duringSpin.has_value());
            EXPECT_EQ(*duringSpin, "");
        } else {
            EXPECT_EQ(m.freespinsdone, 3);
            EXPECT_EQ(m.autoticks, c.autoticks);
            EXPECT_EQ(host.queuedDraws(), drawsBefore);
            EXPECT_EQ(m.lblcurrentwin.caption(), "30");
            // Drop the unused draws so the next case starts from an empty script.
            while (host.queuedDraws() > 0)
                host.uniform();
        }
    }
}

TEST_F(Rollup, RespinPressesTheBetButtonThatBelongsToTheCoinBet)
{
    // Outside a round the bet button also sets the coin bet, so a wrong button would show.
    const struct {
        std::int16_t coinbet;
        const char *stakeShown;
    } cases[] = {{1, "25"}, {2, "50"}, {5, "125"}, {10, "250"}, {20, "500"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.coinbet);
        m.coinbet = c.coinbet;
        m.g.bank = 100000;
        m.respinflag = 1;
        m.autoticks = 61;
        queueSpin(kLosingStops);

        m.tickTimerrespin();

        EXPECT_EQ(host.queuedDraws(), 0U) << "a spin was played";
        EXPECT_EQ(m.coinbet, c.coinbet);
        EXPECT_EQ(m.LABLAST.caption(), c.stakeShown);
    }
}

TEST_F(Rollup, NextFreeSpinFollowsALosingOneAtOnceAndAWinningOneAfter4600Ms)
{
    const struct {
        const char *what;
        Stops stops;
        int steps; // 100 ms steps from the end of the spin to the press of the next
    } cases[] = {
        {"losing", kLosingStops, 1},
        // 46 ticks of Timerflash and 15 of Tmrtick take autoticks past 60.
        {"winning", kK40Stops, 46},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        enterRound();
        m.autoticks = 61;
        queueSpin(c.stops, 1, kAnyMultiplierDraw);
        queueSpin(kLosingStops, 1, kAnyMultiplierDraw);
        m.tickTimerrespin();
        ASSERT_EQ(m.freespinsdone, 4);
        ASSERT_TRUE(m.Timerrespin.enabled());

        int steps = 0;
        while (m.freespinsdone == 4 && steps < 100) {
            host.advance(kTickMs);
            ++steps;
        }
        EXPECT_EQ(m.freespinsdone, 5);
        EXPECT_EQ(steps, c.steps);
    }
}

} // namespace
} // namespace melvane
