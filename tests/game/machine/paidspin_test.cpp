// A paid spin end to end on the virtual host: stake, captions, meters, sounds and timers.
#include <set>

#include "support/gamefixture.h"

namespace melvane {
namespace {

using testing_support::GameFixture;
using testing_support::kK40Stops;
using testing_support::kLosingStops;
using testing_support::runningTimers;


class PaidSpin : public GameFixture {
protected:
    // The animation frames of a plain losing spin on this machine as it stands.
    std::uint64_t framesOfAPlainSpin()
    {
        const std::uint64_t before = host.sleeps;
        spinWith(kLosingStops);
        return host.sleeps - before;
    }
};

TEST_F(PaidSpin, LosingSpinTakesTheStakeShowsNoWinAndSetsAutoticksTo80)
{
    spinWith(kLosingStops);
    EXPECT_EQ(host.queuedDraws(), 0u);
    EXPECT_EQ(m.g.bank, 975);
    EXPECT_EQ(m.g.wager, 25);
    EXPECT_EQ(m.g.total, 0);
    EXPECT_EQ(m.g.games, 1);
    EXPECT_EQ(m.LABWIN.caption(), "No Win");
    EXPECT_EQ(m.lblwin.caption(), "");
    EXPECT_EQ(m.LABLAST.caption(), "25");
    EXPECT_EQ(m.lbllast.caption(), "$ 0.25");
    EXPECT_EQ(m.PANELBANK.caption(), "975");
    EXPECT_EQ(m.Lblcredit.caption(), "$ 9.75");
    EXPECT_EQ(m.autoticks, 80);
    EXPECT_EQ(m.autopause, 20);
    EXPECT_EQ(m.winstep, 0);
    EXPECT_FALSE(m.doublebutton.enabled());
    EXPECT_EQ(runningTimers(m), (std::set<std::string>{"Tmrtick"}));
    EXPECT_EQ(m.keycount, 0);
    for (int i = 1; i <= 5; ++i) {
        EXPECT_TRUE(m.play[static_cast<std::size_t>(i)].enabled());
        EXPECT_TRUE(m.payline[static_cast<std::size_t>(i)].enabled());
    }
    EXPECT_TRUE(m.COINSIN.enabled());
    EXPECT_TRUE(m.cmdfastmoney.enabled());
    // The start click, the stop of the reset, then one reel-stop knock per reel.
    EXPECT_EQ(host.clipsPlayed(), (std::vector<Clip>{Clip::Click, Clip::ReelStop, Clip::ReelStop, Clip::ReelStop,
                                                        Clip::ReelStop, Clip::ReelStop}));
    ASSERT_GE(host.clips.size(), 2u);
    EXPECT_FALSE(host.clips[1].clip.has_value());
}

TEST_F(PaidSpin, LosingSpinWithSoundOffPausesFortyTicksAndIsSilent)
{
    m.g.soundonoff = 0;
    spinWith(kLosingStops);
    EXPECT_EQ(m.autopause, 40);
    EXPECT_TRUE(host.clipsPlayed().empty());
    EXPECT_EQ(host.clips.size(), 1u); // the reset still stops any clip
}

TEST_F(PaidSpin, WinIsCreditedAtOnceAndStartsThePresentation)
{
    spinWith(kK40Stops);
    EXPECT_EQ(m.spinwin, 40);
    EXPECT_EQ(m.g.bank, 1015);
    EXPECT_EQ(m.g.total, 40);
    EXPECT_EQ(m.PANELBANK.caption(), "975"); // the credit after the stake, before the win
    EXPECT_EQ(m.autopause, 15);
    EXPECT_EQ(m.winstep, 1);
    EXPECT_TRUE(m.doublebutton.enabled());
    EXPECT_EQ(runningTimers(m),
              (std::set<std::string>{"Tmrtick", "Timerflash", "Timerwincounter", "timerballflash"}));
    EXPECT_EQ(host.clipsPlayed().back(), Clip::Win60);
    EXPECT_TRUE(m.spin.won(Symbol::K));
}

TEST_F(PaidSpin, WinSoundAndPauseFollowTheSizeOfTheWin)
{
    // Coin bets turn the 40-per-coin K win into wins of every band the stops allow.
    const struct {
        int index;
        std::int32_t win;
        std::int16_t pause;
        Clip clip;
    } cases[] = {
        {1, 40, 15, Clip::Win60}, {2, 80, 30, Clip::Win100}, {3, 200, 60, Clip::Win200},
        {4, 400, 170, Clip::Win400}, {5, 800, 130, Clip::Win900},
    };
    for (const auto &c : cases) {
        spinWith(kK40Stops, c.index);
        EXPECT_EQ(m.spinwin, c.win);
        EXPECT_EQ(m.autopause, c.pause) << c.win;
        EXPECT_EQ(host.clipsPlayed().back(), c.clip) << c.win;
    }
}

TEST_F(PaidSpin, CreditShortOfTheStakeRefusesWithoutDrawing)
{
    m.g.bank = 24;
    m.autoplay = 10;
    host.queueStops(kLosingStops);
    m.play[1].press();
    EXPECT_EQ(host.queuedDraws(), 5u);
    EXPECT_TRUE(m.pannomoney.visible());
    EXPECT_EQ(m.pannomoney.caption(), "Not Enough Credit For This Bet !!");
    EXPECT_EQ(m.autoplay, 0);
    EXPECT_EQ(m.g.bank, 24);
    EXPECT_EQ(m.g.games, 0);
    EXPECT_EQ(host.clipsPlayed(), (std::vector<Clip>{Clip::Click, Clip::Refused}));
    EXPECT_TRUE(m.COINSIN.enabled());
    EXPECT_TRUE(m.autoplayon.visible());
    EXPECT_FALSE(m.autoplayon.enabled());
}

TEST_F(PaidSpin, CreditEqualToTheStakeIsEnough)
{
    m.g.bank = 500;
    spinWith(kLosingStops, 5);
    EXPECT_EQ(m.coinbet, 20);
    EXPECT_EQ(m.g.bank, 0);
    EXPECT_EQ(m.LABLAST.caption(), "500");
    EXPECT_EQ(m.lbllast.caption(), "$ 5");
}

TEST_F(PaidSpin, WaysButtonSetsCoversAndHidesFlashersOnly)
{
    m.flasher[3].show();
    m.payline[1].press();
    EXPECT_EQ(m.waysmult, 1);
    for (int cell : {4, 6, 7, 9, 10, 12, 13, 15})
        EXPECT_TRUE(m.Shape[static_cast<std::size_t>(cell)].visible()) << cell;
    EXPECT_FALSE(m.flasher[3].visible());
    m.payline[4].press();
    EXPECT_EQ(m.waysmult, 15);
    for (int cell : {4, 6, 7, 9, 10, 12})
        EXPECT_FALSE(m.Shape[static_cast<std::size_t>(cell)].visible()) << cell;
    EXPECT_TRUE(m.Shape[13].visible());
    EXPECT_TRUE(m.Shape[15].visible());
    EXPECT_TRUE(host.clips.empty());
}

TEST_F(PaidSpin, DiscardedBigWinLeavesNoTraceAndTheReplacementIsShown)
{
    std::uint64_t framesAtEnd = 0;
    queueSpin({16, 1, 8, 10, 3}, 2); // Piano and Harp: 1450 coins, payout draw 2 of 5
    queueSpin(kLosingStops, 3);      // the replacement loses; its draw does not matter
    m.play[1].press();
    framesAtEnd = host.sleeps;
    EXPECT_EQ(host.queuedDraws(), 0u);
    EXPECT_EQ(m.spinwin, 0);
    EXPECT_EQ(m.g.games, 1);
    EXPECT_EQ(m.g.wager, 25);
    EXPECT_EQ(m.g.total, 0);
    EXPECT_EQ(m.g.bank, 975);
    EXPECT_EQ(m.LABWIN.caption(), "No Win");
    EXPECT_EQ(framesAtEnd, framesOfAPlainSpin()); // one landing animation only
    for (const auto &e : host.clips)
        EXPECT_NE(e.clip, std::optional<Clip>(Clip::Win1210)) << "the discarded win made a sound";
}

TEST_F(PaidSpin, AHundredThousandDiscardsInARowAreRedrawnWithoutNesting)
{
    constexpr int kDiscards = 100'000;
    for (int i = 0; i < kDiscards; ++i)
        queueSpin({16, 1, 8, 10, 3}, 5);
    queueSpin(kK40Stops, 5); // 40 coins: at most twice the stake, stands whatever the draw
    m.play[1].press();
    EXPECT_EQ(host.queuedDraws(), 0u);
    EXPECT_EQ(m.spinwin, 40);
    EXPECT_EQ(m.g.games, 1);
    EXPECT_EQ(m.g.wager, 25);
    EXPECT_EQ(m.g.total, 40);
    EXPECT_EQ(m.g.bank, 1015);
    const std::uint64_t frames = host.sleeps;
    EXPECT_EQ(frames, framesOfAPlainSpin());
}

TEST_F(PaidSpin, BigWinStandsOnPayoutDrawOne)
{
    queueSpin({16, 1, 8, 10, 3}, 1);
    m.play[1].press();
    EXPECT_EQ(m.spinwin, 1450);
    EXPECT_EQ(m.g.bank, 1000 - 25 + 1450);
    EXPECT_EQ(host.clipsPlayed().back(), Clip::WinOver1210);
    EXPECT_EQ(m.autopause, 100);
}

TEST_F(PaidSpin, PressOfALockedPlayButtonDuringASpinDoesNothing)
{
    // Clicks arriving in the spin's yields find the buttons locked.
    host.post([this] { m.play[2].press(); });
    spinWith(kLosingStops);
    EXPECT_EQ(m.g.games, 1);
    EXPECT_EQ(m.coinbet, 1);
}

TEST_F(PaidSpin, BetButtonUnlockedDuringASpinStartsNoSpinInsideIt)
{
    // Switching autoplay off in the middle of a spin unlocks the bet buttons at once.
    host.post([this] {
        m.play[2].setEnabled(true);
        m.play[2].press();
    });
    spinWith(kLosingStops);
    EXPECT_EQ(m.g.games, 1);
    EXPECT_EQ(m.coinbet, 1);
    const std::uint64_t frames = host.sleeps;
    EXPECT_EQ(frames, framesOfAPlainSpin()); // no second spin's frames inside it
}

struct AnimationCase {
    int reelspeed;
    int spinningFrames;
    int landingFrames;
    int pause;
};

class LandingAnimation : public GameFixture, public ::testing::WithParamInterface<AnimationCase> {};

TEST_P(LandingAnimation, ReelsSpinThenLandLeftToRightAtTheChosenSpeed)
{
    const AnimationCase c = GetParam();
    m.g.reelspeed = static_cast<std::int16_t>(c.reelspeed);
    std::vector<std::array<std::int32_t, 6>> frames;
    std::vector<int> pauses;
    host.onSleep = [&](int ms) {
        frames.push_back(m.reelPosition);
        pauses.push_back(ms);
    };
    spinWith(kK40Stops);
    const std::size_t expected = static_cast<std::size_t>(c.spinningFrames + 4 * c.landingFrames + 31);
    ASSERT_EQ(frames.size(), expected);
    for (int p : pauses)
        EXPECT_EQ(p, c.pause);
    // While all spin, the five reels move together.
    for (int f = 0; f < c.spinningFrames; ++f)
        for (int r = 2; r <= 5; ++r)
            EXPECT_EQ(frames[static_cast<std::size_t>(f)][static_cast<std::size_t>(r)],
                      frames[static_cast<std::size_t>(f)][1]);
    // Each reel is at rest on its stop when the next one lands, and stays there.
    for (int r = 1; r <= 4; ++r) {
        const std::size_t endOfLanding = static_cast<std::size_t>(c.spinningFrames + r * c.landingFrames - 1);
        for (std::size_t f = endOfLanding; f < frames.size(); ++f)
            EXPECT_EQ(frames[f][static_cast<std::size_t>(r)], m.reeltop[static_cast<std::size_t>(r)]) << "reel " << r;
    }
    EXPECT_EQ(frames.back()[5], m.reeltop[5]);
    EXPECT_EQ(m.reeltop[1], -1875 * kK40Stops[0]);
}

INSTANTIATE_TEST_SUITE_P(EverySpeed, LandingAnimation,
                         ::testing::Values(AnimationCase{1, 18, 30, 2}, AnimationCase{2, 30, 30, 4},
                                           AnimationCase{4, 36, 36, 7}, AnimationCase{8, 42, 49, 12},
                                           AnimationCase{10, 66, 33, 15}, AnimationCase{3, 18, 30, 2}));

} // namespace
} // namespace melvane
