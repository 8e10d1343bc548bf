// The session beside the game: its net position over a scripted session, the reality check on
// virtual time, and the "Play" menu's stored choices.
#include <gtest/gtest.h>

#include <string>

#include "game/machine/melvane.h"
#include "game/profiles/optionswindow.h"
#include "game/profiles/profiles.h"
#include "platform/virtual/virtualhost.h"
#include "support/gamefixture.h"

namespace melvane {
namespace {

using testing_support::kK40Stops;
using testing_support::kLosingStops;
using testing_support::kFiveOnesStops;
using testing_support::kMultiplierTwo;

constexpr int kHearts = 1;

struct Session : ::testing::Test {
    VirtualHost host;
    Melvane m{host};

    Session()
    {
        host.store.setValue("keys", "player1", "bank", "1000");
        host.store.setValue("keys", "player1", "amountinvested", "1000");
        host.store.setValue("keys", "player1", "soundonoff", "-1");
        EXPECT_TRUE(m.load());
    }
    void spin(const Stops &stops)
    {
        host.queueStops(stops);
        host.queueDraw(5, 1);
        m.play[1].press();
        host.advance(10'000);
    }
    void gamble(Button &bet, int card)
    {
        m.doublebutton.press();
        ASSERT_TRUE(m.pandouble.visible());
        host.queueDraw(4, card);
        bet.press();
        host.advance(5000);
        if (m.pandouble.visible())
            m.gamble.cancelbet.press();
    }
};

TEST_F(Session, TheNetCountsWinsCollectsAndGamblesButNotCreditPutOn)
{
    const struct {
        const char *step;
        std::function<void()> play;
        std::int64_t net;
    } steps[] = {
        {"credit put on", [&] { m.COINSIN.press(); }, 0},
        {"a losing spin", [&] { spin(kLosingStops); }, -25},
        {"a win of 40", [&] { spin(kK40Stops); }, -10},
        {"the 40 doubled on red", [&] { gamble(m.gamble.betred, kHearts); }, 30},
        {"another 40", [&] { spin(kK40Stops); }, 45},
        {"the 40 lost on black", [&] { gamble(m.gamble.betblack, kHearts); }, 5},
        {"fast money", [&] { m.cmdfastmoney.press(); }, 5},
        {"free spins won, their total not collected yet",
         [&] {
             host.queueStops(kFiveOnesStops);
             host.queueDraw(5, 1);
             host.queueDraw(2, 1);
             for (int i = 0; i < 10; ++i) {
                 host.queueStops(kLosingStops);
                 host.queueDraw(25, kMultiplierTwo);
                 host.queueDraw(5, 1);
             }
             m.play[1].press();
             ASSERT_TRUE(host.advanceUntil([&] { return m.takewin.visible(); }, 600'000));
         },
         -20},
        {"the round collected", [&] { m.takewin.press(); }, 30},
    };
    for (const auto &s : steps) {
        SCOPED_TRACE(s.step);
        s.play();
        EXPECT_EQ(m.session.net(), s.net);
        host.advance(1000);
        EXPECT_EQ(m.lblsession.caption(), "Session " + clockText(host.now()) + "     Net " + signedCoinsText(s.net).english());
    }
    EXPECT_EQ(m.session.staked(), 100);
    EXPECT_EQ(m.session.won(), 130);
    EXPECT_EQ(m.session.games(), 4);
    EXPECT_TRUE(m.lblsession.visible());
}

TEST_F(Session, TheLineShowsTheClockAndNetAndGoesOnAcrossPlayers)
{
    host.advance(3'723'000);
    EXPECT_EQ(m.lblsession.caption(), "Session 1:02:03     Net 0 coins ($ 0)");
    spin(kLosingStops);

    OptionsWindow options(m);
    m.mnuplayer.press();
    options.machine.select(2); // a player with nothing: counting goes on from their meters
    options.btnokplayer.press();
    m.cmdfastmoney.press();
    spin(kK40Stops);
    EXPECT_EQ(m.session.net(), -25 + 15);
    EXPECT_EQ(m.lblsession.caption().substr(m.lblsession.caption().find("Net")), "Net -10 coins ($ -0.1)");

    m.setSessionLineShown(false);
    EXPECT_FALSE(m.lblsession.visible());
    EXPECT_FALSE(readPlayOptions(host.store).sessionLine);
}

TEST_F(Session, TheRealityCheckComesAtItsIntervalBetweenGamesAndStopCanEndAutoplay)
{
    m.setRealityCheckMinutes(15);
    host.advance(15 * 60'000 - 1500);
    EXPECT_TRUE(host.messages.empty()) << "not before its time";
    host.advance(1500);
    ASSERT_EQ(host.messages.size(), 1u) << "idle: at once";
    const MessageBoxRequest &first = host.messages[0];
    EXPECT_EQ(first.yesText, "Keep playing");
    EXPECT_EQ(first.noText, "Stop");
    EXPECT_EQ(first.text, "Reality check\r\rYou have been playing for 0:15:00.\r\rGames: 0\r"
                          "Staked: 0 coins ($ 0)\rWon: 0 coins ($ 0)\rNet: 0 coins ($ 0)");

    // In autoplay it waits for the end of the game in progress, and "Stop" ends autoplay.
    host.store.setValue("key", "notice", "autoplay", "-1");
    for (int i = 0; i < 400; ++i) {
        host.queueStops(kK40Stops);
        host.queueDraw(5, 1);
    }
    bool reelsAtRest = false;
    host.onMessage = [&](const MessageBoxRequest &) {
        reelsAtRest = m.reelPosition == m.reeltop && m.Tmrtick.enabled() && !m.Timerrespin.enabled();
    };
    host.queueAnswer(MessageAnswer::No);
    m.autoplayon.press();
    ASSERT_TRUE(host.advanceUntil([&] { return host.messages.size() == 2; }, 20 * 60'000));
    EXPECT_TRUE(reelsAtRest);
    EXPECT_GE(host.now(), 30 * 60'000);
    EXPECT_EQ(m.autoplay, 0);
    EXPECT_EQ(m.autoplayStopped, AutoplayStop::RealityCheck);
    const std::int32_t games = m.g.games;
    host.advance(60'000);
    EXPECT_EQ(m.g.games, games) << "the machine is left idle";
}

TEST(PlayOptionsStore, EachBadStoredValueIsRefusedOnItsOwn)
{
    const PlayOptions good{true, false, 30};
    const struct {
        const char *key;
        const char *value;
        PlayOptions expected;
    } cases[] = {
        {"quickstop", "1", {false, false, 30}},     {"quickstop", "yes", {false, false, 30}},
        {"sessionline", "", {true, true, 30}},      {"sessionline", "-2", {true, true, 30}},
        {"realitycheck", "20", {true, false, 0}},   {"realitycheck", "-15", {true, false, 0}},
        {"realitycheck", "abc", {true, false, 0}},  {"realitycheck", "60", {true, false, 60}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.value);
        InMemorySettingsStore store;
        writePlayOptions(store, good);
        store.setValue("key", "play", c.key, c.value);
        EXPECT_EQ(readPlayOptions(store), c.expected);
    }
}

} // namespace
} // namespace melvane
