// Money across clicks that come at the wrong moment and closes in the middle of a round: one
// credit per collect, a round that carries on after a restart, nothing staked that was never
// credited, and a waiting round total that stays with its player.
#include <gtest/gtest.h>

#include <memory>

#include "game/machine/melvane.h"
#include "game/profiles/optionswindow.h"
#include "game/profiles/profiles.h"
#include "platform/virtual/virtualhost.h"

namespace melvane {
namespace {

constexpr Stops kFiveOnesStops = {1, 1, 1, 1, 1};      // Scatters on reels 1-3: 50 at 25, 11 spins
constexpr Stops kFourScattersStops = {1, 1, 1, 5, 1};  // Scatters on reels 1-4: 250 at 25, 21 spins
constexpr Stops kLosingStops = {2, 10, 3, 2, 2};
constexpr int kMultiplierTwo = 15;

// A machine that can be closed and started again on the same store, as a player would.
struct Machine {
    VirtualHost host;
    std::unique_ptr<Melvane> m = std::make_unique<Melvane>(host);

    Machine()
    {
        m->coinbet = 1;
        m->waysmult = 25;
        m->g.playernumber = "1";
        m->g.machinepay = 5;
        m->g.reelspeed = 1;
        m->g.soundonoff = -1;
        m->g.winroll = 1;
        m->g.bank = 1000;
        m->g.amountinvested = 1000;
        saveprofile(*m);
    }

    void queueSpin(const Stops &stops, int multiplierDraw = 0)
    {
        host.queueStops(stops);
        if (multiplierDraw > 0)
            host.queueDraw(25, multiplierDraw);
        host.queueDraw(m->g.machinepay, 1);
    }
    void queueLosingFreeSpins(int n)
    {
        host.queueDraw(2, 1); // the round's tune
        for (int i = 0; i < n; ++i)
            queueSpin(kLosingStops, kMultiplierTwo);
    }
    bool playUntil(const std::function<bool()> &done) { return host.advanceUntil(done, 3'600'000); }

    // The close box: the program ends once the machine has finished what it was doing.
    void close()
    {
        m->shutdown();
        host.endProgram();
    }
    // A new run of the program on the same store.
    void restart()
    {
        ASSERT_TRUE(m->closed());
        m.reset();
        host.startProgram();
        m = std::make_unique<Melvane>(host);
        ASSERT_TRUE(m->load());
    }

    // bank + waiting round total + stake at risk - (invested - wager + total - gamble losses)
    std::int64_t imbalance() const
    {
        const Globals &g = m->g;
        const std::int64_t atRisk = m->pandouble.visible() ? m->gamble.stakedAmount : 0;
        return std::int64_t{g.bank} + m->freespinwin + atRisk -
               (std::int64_t{g.amountinvested} - g.wager + g.total - g.gamblelost);
    }
};

class Rounds : public ::testing::Test, protected Machine {};

TEST_F(Rounds, ASecondClickOnCollectAtItsOwnYieldCreditsNothing)
{
    queueSpin(kFiveOnesStops);
    m->play[1].press();
    queueLosingFreeSpins(10);
    ASSERT_TRUE(playUntil([&] { return m->freespinsover == 1; }));
    host.post([&] { m->takewin.press(); }); // the double click reaches the button at the yield

    m->takewin.press();

    EXPECT_EQ(m->g.bank, 1025);
    EXPECT_EQ(imbalance(), 0);
}

// Wherever the close comes, a restart carries the round on, and the round ends as it would have.
TEST_F(Rounds, ARoundInterruptedByACloseCarriesOnAfterARestart)
{
    const struct {
        const char *what;
        std::int64_t closeAfterMs; // from the trigger's click; 0: once the round is complete
        std::int16_t doneAfterRestart;
    } cases[] = {
        {"in the award's twelve-second wait", 5'000, 1},
        {"between free spins", 14'000, 0}, // some spins counted, checked below
        {"complete but not collected", 0, 21},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Machine r; // each case on a store of its own
        r.queueSpin(kFourScattersStops);
        if (c.closeAfterMs > 0)
            r.host.postAt(r.host.now() + c.closeAfterMs, [&] { r.close(); });
        r.m->play[1].press();
        r.queueLosingFreeSpins(20);
        if (c.closeAfterMs == 0) {
            ASSERT_TRUE(r.playUntil([&] { return r.m->freespinsover == 1; }));
            r.close();
        } else if (!r.host.ended()) {
            r.playUntil([&] { return r.host.ended(); });
        }
        const std::int16_t doneAtClose = r.m->freespinsdone;
        if (c.doneAfterRestart == 0) {
            ASSERT_TRUE(doneAtClose > 1 && doneAtClose < 21) << "closed between two free spins";
        }
        r.restart();

        EXPECT_EQ(r.m->freespins, 21);
        EXPECT_EQ(r.m->freespinsdone, c.doneAfterRestart > 0 ? c.doneAfterRestart : doneAtClose);
        EXPECT_EQ(r.m->freespinwin, 250);
        EXPECT_EQ(r.imbalance(), 0);
        EXPECT_FALSE(r.m->play[1].visible()) << "the round's controls, not the bet's";

        const int left = r.m->freespins - r.m->freespinsdone;
        r.queueLosingFreeSpins(left);
        ASSERT_TRUE(r.playUntil([&] { return r.m->freespinsover == 1; }));
        r.m->takewin.press();
        EXPECT_EQ(r.m->g.bank, 1000 - 25 + 250) << "one stake for the round, its whole total collected";
        EXPECT_EQ(r.imbalance(), 0);
    }
}

TEST_F(Rounds, ARunningRoundCarriesOnWhicheverPlayerStartUpWasToChoose)
{
    queueSpin(kFourScattersStops);
    host.postAt(host.now() + 5'000, [&] { close(); }); // in the award's twelve-second wait
    m->play[1].press();
    playUntil([&] { return host.ended(); });
    ASSERT_TRUE(m->closed());
    m.reset();
    host.startProgram();
    m = std::make_unique<Melvane>(host);
    m->startupPlayer = 3;

    ASSERT_TRUE(m->load());

    EXPECT_EQ(m->g.playernumber, "1") << "the stored round's player, not the chosen one";
    EXPECT_EQ(m->freespins, 21);
    EXPECT_EQ(m->freespinwin, 250);
}

TEST_F(Rounds, TheResumedRoundKeepsItsTuneBetAndReels)
{
    m->play[5].setEnabled(true);
    queueSpin(kFourScattersStops);
    m->coinbet = 1;
    m->play[1].press();
    host.queueDraw(2, 2); // the second tune
    queueSpin(kLosingStops, kMultiplierTwo);
    ASSERT_TRUE(playUntil([&] { return m->freespinsdone == 2; }));
    close();
    restart();
    host.clips.clear();

    EXPECT_EQ(m->respinroll, 2);
    EXPECT_EQ(m->reelstop[2], kLosingStops[1]);
    EXPECT_EQ(m->spinsleft.caption(), "     Freespins Remaining = 19");
    queueSpin(kLosingStops, kMultiplierTwo);
    ASSERT_TRUE(playUntil([&] { return m->freespinsdone == 3; }));
    EXPECT_EQ(host.clipsPlayed().front(), Clip::FreeSpinTuneB) << "no new draw: the round keeps its tune";
}

TEST_F(Rounds, AStoredRoundWithABadOrInconsistentValueIsRefusedAndReportedButKeepsItsTotal)
{
    const struct {
        const char *what;
        const char *key;
        const char *value;
        bool resumes;
    } cases[] = {
        {"a whole round", "", "", true},
        {"stops joined with a blank after each comma, as the store joins a list", "roundstops", "2, 10, 3, 2, 2", true},
        {"spins that are not a number", "roundspins", "x1", false},
        {"more spins done than awarded", "rounddone", "30", false},
        {"no spin counted", "rounddone", "0", false},
        {"a coin bet the machine does not offer", "roundcoinbet", "3", false},
        {"a negative total", "roundwin", "-5", false},
        {"a multiplier the draw never gives", "roundwildmult", "4", false},
        {"four stops", "roundstops", "1,2,3,4", false},
        {"a stop off the strip", "roundstops", "1,2,3,4,23", false},
        {"a missing tune", "roundtune", nullptr, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        VirtualHost h;
        Melvane writer(h);
        writer.g.playernumber = "1";
        writer.g.bank = 500;
        writer.g.amountinvested = 800;
        writer.g.wager = 300;
        writer.g.total = 0;
        saveprofile(writer, writer.g, {21, 4, 250, 1, 25, 1, 2, {2, 10, 3, 2, 2}});
        writer.g.total = 250;
        if (*c.key != '\0' && c.value != nullptr)
            h.store.setValue(kProfileApplication, "player1", c.key, c.value);
        InMemorySettingsStore copy = h.store;
        if (c.value == nullptr) { // the key was never written
            copy = InMemorySettingsStore();
            for (const char *key : {"bank", "roundspins", "rounddone", "roundwin", "roundcoinbet", "roundwaysmult",
                                    "roundwildmult", "roundstops"})
                copy.setValue(kProfileApplication, "player1", key, *h.store.value(kProfileApplication, "player1", key));
        }
        VirtualHost run;
        run.store = copy;
        Melvane started(run);
        ASSERT_TRUE(started.load());

        EXPECT_EQ(started.freespins, c.resumes ? 21 : 0);
        EXPECT_EQ(started.freespinwin, std::string(c.key) == "roundwin" ? 0 : 250)
            << "a refused round's total waits for a collect";
        EXPECT_EQ(run.messages.size(), c.resumes ? 0u : 1u);
    }
}

TEST_F(Rounds, AGambleAfterACollectTheCreditCouldNotTakeStakesNothing)
{
    m->g.bank = 2147483547;
    m->freespins = 11;
    m->freespinsdone = 11;
    m->freespinsover = 1;
    m->freespinwin = 1000;
    m->spinwin = 30;
    m->takewin.setEnabled(true);
    m->takewin.show();

    m->takewin.press();
    m->doublebutton.press();
    m->doublebuttonClick();

    EXPECT_FALSE(m->doublebutton.enabled());
    EXPECT_FALSE(m->pandouble.visible());
    EXPECT_EQ(m->g.bank, 2147483547) << "nothing left the credit that never reached it";
    EXPECT_EQ(m->freespinwin, 1000);
}

TEST_F(Rounds, ABetRefusedForWantOfCreditLeavesTheCollectedTotalToGamble)
{
    m->g.bank = 0;
    m->coinbet = 20;
    m->freespins = 11;
    m->freespinsdone = 11;
    m->freespinsover = 1;
    m->freespinwin = 100;
    m->spinwin = 0; // the round's last spin won nothing
    m->takewin.setEnabled(true);
    m->takewin.show();
    m->takewin.press();

    m->play[5].press(); // 20 coins x 25 ways: more than the credit
    ASSERT_EQ(m->g.bank, 100) << "the refused bet spun nothing";
    m->doublebutton.press();

    EXPECT_EQ(m->gambleamount, 100) << "the gamble stakes the collected total, not the last spin's nothing";
    EXPECT_EQ(m->g.bank, 0);
}

TEST_F(Rounds, AWaitingRoundTotalStaysWithItsPlayer)
{
    OptionsWindow options(*m);
    m->g.bank = 2147483547;
    m->freespinwin = 1000; // a collect the full credit could not take
    saveprofile(*m);

    m->mnuplayer.press();
    options.machine.select(2);
    EXPECT_EQ(m->freespinwin, 0) << "player 2 has no round total";
    options.machine.select(1);
    EXPECT_EQ(m->freespinwin, 1000);
    options.close();
    EXPECT_EQ(*host.store.value(kProfileApplication, "player1", "roundwin"), "1000");
}

} // namespace
} // namespace melvane
