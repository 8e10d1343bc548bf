// Autoplay with the limits of the autoplay window: where each one stops, a stop asked for with
// a key, and the choices stored with the player.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/profiles/profiles.h"
#include "support/gamefixture.h"
#include "game/sidewindows/autoplaywindow.h"

namespace melvane {
namespace {

using testing_support::kK40Stops;
using testing_support::kLosingStops;
using testing_support::kFiveOnesStops;
using testing_support::kMultiplierTwo;


// A machine as after start-up, with the autoplay window hooked and its notice already seen.
struct Bench {
    VirtualHost host;
    Melvane m{host};
    AutoplayWindow window{m};

    Bench()
    {
        testing_support::setUpAsStarted(m);
        host.store.setValue("key", "notice", "autoplay", "-1");
    }
    void queueSpin(const Stops &stops, int payoutDraw = 1, int multiplierDraw = 0)
    {
        host.queueStops(stops);
        if (multiplierDraw > 0)
            host.queueDraw(25, multiplierDraw);
        host.queueDraw(m.g.machinepay, payoutDraw);
    }

    void queueLosing(int n)
    {
        for (int i = 0; i < n; ++i)
            queueSpin(kLosingStops);
    }
    // A round of three Scatters whose free spins all lose.
    void queueRound()
    {
        queueSpin(kFiveOnesStops);
        host.queueDraw(2, 1); // the round's tune
        for (int i = 0; i < 10; ++i)
            queueSpin(kLosingStops, 1, kMultiplierTwo);
    }
    void startWith(const AutoplayLimits &limits)
    {
        m.autoplayon.press();
        ASSERT_TRUE(window.isOpen());
        window.choice = limits;
        window.start();
    }
    bool runUntilStopped() { return host.advanceUntil([&] { return m.autoplay == 0; }, 3'600'000); }
};

class AutoplayLimitsTest : public ::testing::Test, protected Bench {};

TEST(AutoplayLimits, EachLimitStopsAutoplayAtTheEndOfTheGameThatReachedIt)
{
    struct Case {
        const char *name;
        AutoplayLimits limits;
        std::int16_t coinbet;
        std::vector<Stops> spins; // then losing spins
        std::int32_t games;       // paid games played when it stopped
        AutoplayStop reason;
        const char *line;
    };
    const Case cases[] = {
        {"ten spins", {10, 0, 0, false}, 1, {}, 10, AutoplayStop::Spins, "Autoplay stopped: 10 spins played"},
        // 25 a spin: down 100 after four spins is not more than 100; the fifth passes it.
        {"loss limit", {0, 100, 0, false}, 1, {}, 5, AutoplayStop::LossLimit,
         "Autoplay stopped: credit down more than 100 coins"},
        // 40 a coin at 20 coins: a win of 800 stops it; a win under the limit does not.
        {"single win", {0, 0, 500, false}, 20, {kLosingStops, kLosingStops, kK40Stops}, 3, AutoplayStop::WinLimit,
         "Autoplay stopped: a win of 500 coins or more"},
        {"win under the limit", {3, 0, 1000, false}, 20, {kK40Stops}, 3, AutoplayStop::Spins,
         "Autoplay stopped: 3 spins played"},
        {"the first limit of several", {25, 250, 0, false}, 1, {}, 11, AutoplayStop::LossLimit,
         "Autoplay stopped: credit down more than 250 coins"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Bench b;
        Melvane &m = b.m;
        m.coinbet = c.coinbet;
        m.g.bank = 100000;
        for (const Stops &s : c.spins)
            b.queueSpin(s);
        b.queueLosing(40);

        b.startWith(c.limits);
        ASSERT_TRUE(b.runUntilStopped());

        EXPECT_EQ(m.g.games, c.games);
        EXPECT_EQ(m.autoplayStopped, c.reason);
        EXPECT_EQ(m.lblautoplay.caption(), c.line);
        EXPECT_TRUE(m.lblautoplay.visible());
        EXPECT_TRUE(m.autoplayon.visible() && !m.autoplayoff.visible());
        EXPECT_TRUE(m.play[1].enabled() && m.mnuplayer.enabled() && m.keyPreview);
        EXPECT_FALSE(m.tmrautospin.enabled());
        b.host.advance(60'000);
        EXPECT_EQ(m.g.games, c.games) << "nothing spins after the stop";
        b.queueSpin(kLosingStops);
        m.play[1].press();
        EXPECT_FALSE(m.lblautoplay.visible()) << "the player's own spin clears the reason";
    }
}

TEST(AutoplayLimits, ALimitReachedInAFreeSpinRoundStopsOnlyOnceTheRoundIsCollected)
{
    const struct {
        const char *name;
        AutoplayLimits limits;
        AutoplayStop reason;
    } cases[] = {
        {"spins", {1, 0, 0, false}, AutoplayStop::Spins},
        {"free spins", {0, 0, 0, true}, AutoplayStop::Bonus},
        {"a round total as a single win", {0, 0, 50, false}, AutoplayStop::WinLimit},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Bench b;
        Melvane &m = b.m;
        b.queueRound();
        b.queueLosing(5);

        b.startWith(c.limits);
        ASSERT_TRUE(b.runUntilStopped());

        EXPECT_EQ(m.autoplayStopped, c.reason);
        EXPECT_EQ(m.freespins, 0) << "the round was played to its end";
        EXPECT_EQ(m.freespinwin, 0) << "and collected";
        EXPECT_EQ(m.g.bank, 1000 - 25 + 50);
        EXPECT_EQ(m.g.games, 1);
        b.host.advance(60'000);
        EXPECT_EQ(m.g.games, 1);
    }
}

TEST_F(AutoplayLimitsTest, AKeyStopsAutoplayAtTheEndOfTheSpinInProgressOrAtOnceBetweenSpins)
{
    queueSpin(kK40Stops); // a win: autoplay waits its pause
    queueLosing(20);
    startWith({});
    ASSERT_EQ(m.g.games, 1);
    ASSERT_EQ(m.autoplay, 10);

    EXPECT_TRUE(m.stopAutoplayKey()) << "between spins it stops at once";
    EXPECT_EQ(m.autoplay, 0);
    EXPECT_EQ(m.lblautoplay.caption(), "Autoplay stopped as asked");
    EXPECT_FALSE(m.stopAutoplayKey()) << "not running: the key is not autoplay's";

    // Inside a spin: the spin ends, then no other follows.
    bool asked = false;
    host.onSleep = [&](int) {
        if (!asked && m.spinRunning()) {
            asked = true;
            EXPECT_TRUE(m.stopAutoplayKey());
            EXPECT_EQ(m.autoplay, 10) << "not in the middle of the spin";
        }
    };
    m.autoplayon.press();
    window.start();
    ASSERT_TRUE(runUntilStopped());
    EXPECT_EQ(m.g.games, 2);
    EXPECT_EQ(m.autoplayStopped, AutoplayStop::Key);
}

TEST_F(AutoplayLimitsTest, TheWindowRemembersTheChoicePerPlayerAndCancelLeavesAutoplayOff)
{
    m.autoplayon.press();
    ASSERT_TRUE(window.isOpen());
    EXPECT_EQ(window.choice, AutoplayLimits{}) << "nothing chosen before: the game as designed";
    EXPECT_TRUE(m.keyPreview);
    window.cancel();
    EXPECT_FALSE(window.isOpen());
    EXPECT_EQ(m.autoplay, 0);
    EXPECT_EQ(m.g.games, 0);
    EXPECT_TRUE(m.keyPreview);

    m.autoplayon.press();
    window.chooseSpins(25);
    window.chooseSpins(7); // not offered: ignored
    window.chooseLossLimit(500);
    window.chooseWinLimit(2500);
    window.chooseStopOnBonus(true);
    queueLosing(30);
    window.start();
    ASSERT_TRUE(runUntilStopped());

    const AutoplayLimits chosen{25, 500, 2500, true};
    EXPECT_EQ(readAutoplayLimits(host.store, 1), chosen);
    EXPECT_EQ(readAutoplayLimits(host.store, 2), AutoplayLimits{}) << "another player keeps their own";
    m.autoplayon.press();
    EXPECT_EQ(window.choice, chosen);
}

TEST(AutoplayLimitsStore, EachBadStoredValueIsRefusedOnItsOwn)
{
    const struct {
        const char *key;
        const char *value;
    } bad[] = {
        {"autoplayspins", "7"},          {"autoplayspins", "-10"},       {"autoplayspins", "abc"},
        {"autoplaylosslimit", "123"},    {"autoplaylosslimit", ""},      {"autoplaylosslimit", "99999999999"},
        {"autoplaywinlimit", "1.5"},     {"autoplaywinlimit", "-500"},   {"autoplaystoponbonus", "1"},
        {"autoplaystoponbonus", "true"},
    };
    const AutoplayLimits good{50, 1000, 250, true};
    for (const auto &b : bad) {
        SCOPED_TRACE(std::string(b.key) + "=" + b.value);
        InMemorySettingsStore store;
        writeAutoplayLimits(store, 3, good);
        store.setValue("keys", "player3", b.key, b.value);

        const AutoplayLimits read = readAutoplayLimits(store, 3);

        AutoplayLimits expected = good;
        const std::string key = b.key;
        if (key == "autoplayspins")
            expected.spins = 0;
        else if (key == "autoplaylosslimit")
            expected.lossLimit = 0;
        else if (key == "autoplaywinlimit")
            expected.winLimit = 0;
        else
            expected.stopOnBonus = false;
        EXPECT_EQ(read, expected);
    }
}

} // namespace
} // namespace melvane
