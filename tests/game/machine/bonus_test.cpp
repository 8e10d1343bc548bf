// A free-spin bonus from the trigger to the collect, with a retrigger, on virtual time.
#include <functional>

#include "support/gamefixture.h"

namespace melvane {
namespace {

using testing_support::GameFixture;
using testing_support::kLosingStops;
using testing_support::kThreeScattersStops;
using testing_support::kFourScattersStops;
using testing_support::kMultiplierTwo;
using testing_support::kMultiplierFive;


class Bonus : public GameFixture {
protected:
    // Plays free spins until `done` spins of the round have been counted.
    void playFreeSpinsUntil(int done)
    {
        ASSERT_TRUE(host.advanceUntil([&] { return m.freespinsdone >= done; }, 600'000)) << m.freespinsdone;
    }
    int count(Clip clip) const
    {
        int n = 0;
        for (Clip c : host.clipsPlayed())
            n += c == clip ? 1 : 0;
        return n;
    }
};

TEST_F(Bonus, TriggerRetriggerAndCollectChargeExactlyOneStake)
{
    std::string captionDuringFirstWait, captionDuringSecondWait;
    std::int64_t firstWaitMs = 0;
    host.postAt(5'000, [&] { captionDuringFirstWait = m.spinsleft.caption(); });

    queueSpin(kThreeScattersStops);
    const std::int64_t started = host.now();
    m.play[1].press();
    firstWaitMs = host.now() - started;

    // The trigger: scatter pay, spins awarded, the triggering spin counted and refunded.
    EXPECT_EQ(m.scatterwin, 50);
    EXPECT_EQ(m.freespins, 11);
    EXPECT_EQ(m.freespinsdone, 1);
    EXPECT_EQ(m.g.howmanyspins, 1);
    EXPECT_EQ(m.freespinwin, 50);
    EXPECT_EQ(captionDuringFirstWait, "     Freespins Remaining = 11");
    EXPECT_EQ(m.spinsleft.caption(), "     Freespins Remaining = 10");
    EXPECT_GE(firstWaitMs, 11'000);
    EXPECT_LT(firstWaitMs, 12'500);
    EXPECT_EQ(m.g.bank, 1000);
    EXPECT_EQ(m.g.wager, 0);
    EXPECT_EQ(m.g.games, 0);
    EXPECT_EQ(m.g.total, 50);
    EXPECT_EQ(m.LABWIN.caption(), "50");
    EXPECT_EQ(m.lblwin.caption(), "$ 0.5");
    EXPECT_FALSE(m.play[1].visible());
    EXPECT_FALSE(m.payline[5].visible());
    EXPECT_FALSE(m.COINSIN.visible());
    EXPECT_FALSE(m.keyPreview);
    EXPECT_TRUE(m.Timerrespin.enabled());
    EXPECT_EQ(count(Clip::FreeSpinFanfare), 1);

    // The first respin tick chooses the round's music, then three losing free spins, then
    // four Scatters again in the fourth.
    host.queueDraw(2, 1);
    for (int i = 0; i < 3; ++i)
        queueSpin(kLosingStops, 1, kMultiplierTwo);
    queueSpin(kFourScattersStops, 1, kMultiplierFive);
    bool sawSecondWait = false;
    playFreeSpinsUntil(4);
    EXPECT_EQ(m.LABLAST.caption(), "25"); // free spins never change the stake shown
    // Catch the retrigger's captions while its wait runs: a look every 100 ms.
    std::function<void()> watch = [&] {
        if (m.freespins == 32 && m.freespinsdone == 4) {
            sawSecondWait = true;
            captionDuringSecondWait = m.spinsleft.caption();
        } else if (m.freespinsdone < 5) {
            host.postAt(host.now() + 100, watch);
        }
    };
    host.post(watch);
    playFreeSpinsUntil(5);
    EXPECT_TRUE(sawSecondWait);
    EXPECT_EQ(captionDuringSecondWait, "     Freespins Remaining = 28");
    EXPECT_EQ(m.freespins, 32);
    EXPECT_EQ(m.freespinsdone, 5);
    EXPECT_EQ(m.spinsleft.caption(), "     Freespins Remaining = 27");
    EXPECT_EQ(m.wildmult, 5);
    EXPECT_EQ(m.spinwin, 1250); // the scatter pay multiplied like any free-spin win
    EXPECT_EQ(m.freespinwin, 1300);
    EXPECT_EQ(count(Clip::FreeSpinFanfare), 1); // the award music only at the first trigger
    EXPECT_EQ(count(Clip::ReelStop), 5); // reel-stop knocks only in the paid spin

    // The rest of the round loses; the last free spin is not refunded.
    for (int i = 0; i < 27; ++i)
        queueSpin(kLosingStops, 1, kMultiplierTwo);
    playFreeSpinsUntil(32);
    EXPECT_EQ(host.queuedDraws(), 0u);
    EXPECT_EQ(m.freespinsover, 1);
    EXPECT_TRUE(m.takewin.visible());
    EXPECT_TRUE(m.takewin.enabled());
    EXPECT_FALSE(m.spinsleft.visible());
    EXPECT_FALSE(m.Timerrespin.enabled());
    EXPECT_EQ(m.LABWIN.caption(), "1300");
    EXPECT_EQ(m.lblwin.caption(), "$ 13");
    EXPECT_EQ(m.g.bank, 975);
    EXPECT_EQ(m.g.wager, 25);
    EXPECT_EQ(m.g.games, 1);
    EXPECT_EQ(m.g.total, 1300);
    EXPECT_EQ(count(Clip::FreeSpinTuneA), 1);
    EXPECT_EQ(count(Clip::FreeSpinTuneB), 0);

    m.takewin.press();
    EXPECT_EQ(m.g.bank, 975 + 1300);
    EXPECT_EQ(m.freespins, 0);
    EXPECT_EQ(m.freespinwin, 0);
    EXPECT_EQ(m.freespincollected, 1300);
    EXPECT_TRUE(m.play[1].visible());
    EXPECT_TRUE(m.play[1].enabled());
}

TEST_F(Bonus, FreeSpinPlaysNoStartClickAndChecksNoCredit)
{
    queueSpin(kThreeScattersStops);
    m.play[1].press();
    m.g.bank = 0; // a free spin needs no credit
    host.queueDraw(2, 2);
    const std::size_t clipsBefore = host.clips.size();
    queueSpin(kLosingStops, 1, kMultiplierTwo);
    playFreeSpinsUntil(2);
    for (std::size_t i = clipsBefore; i < host.clips.size(); ++i) {
        EXPECT_NE(host.clips[i].clip, std::optional<Clip>(Clip::Click));
        EXPECT_NE(host.clips[i].clip, std::optional<Clip>(Clip::Refused));
    }
    EXPECT_FALSE(m.pannomoney.visible());
    EXPECT_EQ(m.g.bank, 0); // charged and refunded
}

TEST_F(Bonus, AwardWaitEndsOnTheMonotonicClockWhateverTheTimeOfDay)
{
    // An award a moment before a whole second: the wait still ends within twelve seconds.
    host.advance(86'399'900);
    std::int64_t awarded = 0; // the award follows the last frame of the landing
    host.onSleep = [&](int) { awarded = host.now(); };
    queueSpin(kThreeScattersStops);
    m.play[1].press();
    EXPECT_EQ(m.freespinsdone, 1);
    EXPECT_LE(host.now() - awarded, 12'000);
    EXPECT_GT(host.now() - awarded, 11'000);
}

} // namespace
} // namespace melvane
