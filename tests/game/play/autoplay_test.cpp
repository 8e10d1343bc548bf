#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "support/gamefixture.h"

namespace melvane {
namespace {

using testing_support::GameFixture;
using testing_support::kK40Stops;
using testing_support::kLosingStops;

constexpr const char *kNoticeText = " ..............PLEASE READ.................\r"
                                    " When you use this function all other Functions are\r"
                                    "   unavailable to you until you turn the Autoplay OFF \r"
                                    " To turn Autoplay OFF Click on the Autoplayoff button.\r"
                                    "  \r"
                                    "  This message will not appear again";

std::optional<std::string> storedNotice(const VirtualHost &host)
{
    return host.store.value("key", "notice", "autoplay");
}

// A machine of its own, for cases that each need a fresh start; no credit, so switching
// autoplay on stops at its first press without spinning.
struct FreshMachine {
    VirtualHost host;
    Melvane m{host};
    FreshMachine()
    {
        m.coinbet = 1;
        m.waysmult = 25;
        m.g.soundonoff = -1;
        m.g.machinepay = 5;
        m.g.reelspeed = 1;
    }
};

class Autoplay : public GameFixture {};

TEST_F(Autoplay, FirstSwitchOnShowsTheNoticeAndNeverAgainInThisRun)
{
    queueSpin(kK40Stops);
    m.autoplayon.press();

    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Slots Melvane");
    EXPECT_EQ(host.messages[0].text, kNoticeText);
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(host.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(storedNotice(host), "-1");
    EXPECT_EQ(m.autonotice, -1);

    m.autoplayoff.press();
    queueSpin(kK40Stops);
    m.autoplayon.press();
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(m.g.games, 2);
}

TEST_F(Autoplay, NoticeIsNotShownAgainInALaterRunOnTheSameStore)
{
    m.g.bank = 0;
    m.autoplayon.press();
    ASSERT_EQ(host.messages.size(), 1u);

    FreshMachine later;
    later.host.store = host.store;
    later.m.autoplayon.press();

    EXPECT_TRUE(later.host.messages.empty());
}

TEST_F(Autoplay, NoticeFlagOnceReadIsKeptForTheRun)
{
    m.g.bank = 0;
    m.autoplayon.press();
    ASSERT_EQ(host.messages.size(), 1u);
    host.store.setValue("key", "notice", "autoplay", "");

    m.autoplayonClick();

    EXPECT_EQ(host.messages.size(), 1u) << "an unreadable flag leaves the one already read";
    EXPECT_EQ(storedNotice(host), "-1");
}

TEST(AutoplayNotice, StoredFlagDecidesWhetherTheNoticeIsShown)
{
    const struct {
        std::optional<std::string> stored;
        bool shown;
    } cases[] = {
        {std::nullopt, true}, {"-1", false}, {"0", true},    {"abc", true},
        {"", true},           {"1", false},  {"99999", true}, // too large for the flag: not taken
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.stored.value_or("(missing)"));
        FreshMachine f;
        if (c.stored)
            f.host.store.setValue("key", "notice", "autoplay", *c.stored);

        f.m.autoplayon.press();

        EXPECT_EQ(f.host.messages.size(), c.shown ? 1u : 0u);
        EXPECT_EQ(f.m.autonotice, -1);
        EXPECT_EQ(storedNotice(f.host), "-1");
    }
}

TEST_F(Autoplay, SwitchingOnPressesTheBetButtonOfTheCoinBet)
{
    const struct {
        std::int16_t coinbet;
        const char *stake;
    } cases[] = {{1, "25"}, {2, "50"}, {5, "125"}, {10, "250"}, {20, "500"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.coinbet);
        m.coinbet = c.coinbet;
        m.g.bank = 1000;
        const std::int32_t games = m.g.games;
        queueSpin(kK40Stops); // a win, so autoplay then waits

        m.autoplayon.press();

        EXPECT_EQ(m.g.games, games + 1);
        EXPECT_EQ(m.coinbet, c.coinbet);
        EXPECT_EQ(m.LABLAST.caption(), c.stake);
        m.autoplayoff.press();
    }
}

TEST_F(Autoplay, SwitchingOnLocksThePlayerOutOfEverythingButOff)
{
    queueSpin(kK40Stops);

    m.autoplayon.press();

    EXPECT_EQ(m.autoplay, 10);
    EXPECT_FALSE(m.keyPreview);
    EXPECT_FALSE(m.mnuplayer.enabled());
    EXPECT_FALSE(m.mnuabout.enabled());
    EXPECT_FALSE(m.mnuptble.enabled());
    EXPECT_TRUE(m.autoplayoff.visible() && m.autoplayoff.enabled());
    EXPECT_FALSE(m.autoplayon.visible());
    EXPECT_TRUE(m.tmrautospin.enabled());
    for (std::size_t i = 1; i <= 5; ++i) {
        EXPECT_FALSE(m.play[i].enabled()) << i;
        EXPECT_FALSE(m.payline[i].enabled()) << i;
    }
    EXPECT_FALSE(m.COINSIN.enabled());
    EXPECT_FALSE(m.cmdfastmoney.enabled());
}

TEST_F(Autoplay, SwitchingOnWithACoinBetNoButtonOffersDoesNotStart)
{
    m.coinbet = 3;

    m.autoplayon.press();

    EXPECT_EQ(m.autoplay, 0);
    EXPECT_EQ(m.g.games, 0);
    EXPECT_TRUE(m.autoplayon.visible());
    EXPECT_FALSE(m.autoplayoff.visible());
}

TEST_F(Autoplay, ShortCreditEndsAutoplayAtTheFirstPress)
{
    m.g.bank = 24;

    m.autoplayon.press();

    EXPECT_EQ(m.autoplay, 0);
    EXPECT_EQ(m.g.games, 0);
    EXPECT_TRUE(m.pannomoney.visible());
    EXPECT_TRUE(m.autoplayon.visible());
    EXPECT_FALSE(m.autoplayon.enabled());
    EXPECT_TRUE(m.autoplayoff.visible() && m.autoplayoff.enabled());
    EXPECT_TRUE(m.COINSIN.enabled());
    EXPECT_TRUE(m.cmdfastmoney.enabled());
    EXPECT_FALSE(m.mnuplayer.enabled());
    EXPECT_FALSE(m.keyPreview);

    host.advance(5000);
    EXPECT_EQ(m.g.games, 0) << "the autoplay timer spins only while autoplay is on";

    m.autoplayoff.press();
    EXPECT_TRUE(m.autoplayon.visible());
    EXPECT_FALSE(m.autoplayoff.visible());
    EXPECT_TRUE(m.mnuplayer.enabled());
    EXPECT_TRUE(m.keyPreview);
    EXPECT_FALSE(m.tmrautospin.enabled());
}

TEST_F(Autoplay, LosingSpinStartsTheNextSpinAtOnce)
{
    // With the autoplay timer silenced, only the play sequence can start the second spin.
    m.tmrautospin.setAction([] {});
    queueSpin(kLosingStops);
    queueSpin(kK40Stops);

    m.autoplayon.press();

    EXPECT_EQ(m.g.games, 2);
    EXPECT_EQ(host.queuedDraws(), 0u);
    EXPECT_EQ(m.spinwin, 40);
    EXPECT_EQ(m.g.bank, 1000 - 25 - 25 + 40);
}

TEST_F(Autoplay, WinWaitsForThePauseBeforeTheTimerSpinsAgain)
{
    struct Tick {
        std::int16_t autoticks, autopause;
        bool spun;
    };
    std::vector<Tick> ticks;
    m.tmrautospin.setAction([&] {
        const Tick seen{m.autoticks, m.autopause, false};
        const std::int32_t games = m.g.games;
        m.tickTmrautospin();
        ticks.push_back({seen.autoticks, seen.autopause, m.g.games != games});
    });
    queueSpin(kK40Stops);
    queueSpin(kK40Stops);

    m.autoplayon.press();
    ASSERT_EQ(m.g.games, 1);
    ASSERT_EQ(m.autopause, 15) << "a win of 40 coins pauses 15 ticks";

    ASSERT_TRUE(host.advanceUntil([&] { return m.g.games == 2; }, 20000));

    ASSERT_GE(ticks.size(), 2u) << "at least one tick found the pause still running";
    for (std::size_t i = 0; i + 1 < ticks.size(); ++i) {
        EXPECT_LT(ticks[i].autoticks, ticks[i].autopause) << "tick " << i;
        EXPECT_FALSE(ticks[i].spun) << "tick " << i;
    }
    EXPECT_GE(ticks.back().autoticks, 15);
    EXPECT_TRUE(ticks.back().spun);
}

TEST_F(Autoplay, SwitchingOffDuringThePauseMeansNoFurtherSpin)
{
    m.coinbet = 10;
    queueSpin(kK40Stops);
    m.autoplayon.press();
    host.advance(400);
    ASSERT_EQ(m.g.games, 1);
    ASSERT_LT(m.autoticks, m.autopause) << "still pausing";

    m.autoplayoff.press();
    host.advance(30000);

    EXPECT_EQ(m.g.games, 1);
    EXPECT_EQ(m.autoplay, 0);
    EXPECT_FALSE(m.tmrautospin.enabled());
    EXPECT_TRUE(m.autoplayon.visible());
    EXPECT_FALSE(m.autoplayoff.visible());
    EXPECT_TRUE(m.mnuplayer.enabled());
    EXPECT_TRUE(m.mnuabout.enabled());
    EXPECT_TRUE(m.mnuptble.enabled());
    for (std::size_t i = 1; i <= 5; ++i) {
        EXPECT_TRUE(m.play[i].enabled()) << i;
        EXPECT_TRUE(m.payline[i].enabled()) << i;
    }
    EXPECT_TRUE(m.COINSIN.enabled());
    EXPECT_TRUE(m.cmdfastmoney.enabled());
    EXPECT_TRUE(m.keyPreview);
    EXPECT_EQ(m.focus, "play(4)");
}

TEST_F(Autoplay, SwitchingOffDuringALosingSpinLetsItEndWithoutAnother)
{
    host.post([&] { m.autoplayoff.press(); });
    queueSpin(kLosingStops);

    m.autoplayon.press();

    EXPECT_EQ(m.g.games, 1);
    EXPECT_EQ(m.autoplay, 0);
    EXPECT_EQ(m.LABWIN.caption(), "No Win") << "the spin ran to its end";
    EXPECT_TRUE(m.play[1].enabled());
}

TEST_F(Autoplay, AutoplayTimerPressesOnlyWhileOnAndOnceThePauseIsCounted)
{
    const struct {
        std::int16_t autoplay, autoticks, autopause;
        bool spins;
    } cases[] = {
        {0, 100, 0, false},
        {10, 14, 15, false},
        {10, 15, 15, true},
        {10, 80, 20, true}, // after a loss the next check spins
        {10, 0, 0, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.autoplay << " " << c.autoticks << "/" << c.autopause);
        m.autoplay = c.autoplay;
        m.autoticks = c.autoticks;
        m.autopause = c.autopause;
        const std::int32_t games = m.g.games;
        if (c.spins)
            queueSpin(kK40Stops);
        // Only the autoplay timer runs here: nothing else may move the count meanwhile.
        m.Tmrtick.stop();
        m.Timerflash.stop();
        m.tmrautospin.start();

        host.advance(m.tmrautospin.interval());
        m.tmrautospin.stop();

        EXPECT_EQ(m.g.games, games + (c.spins ? 1 : 0));
    }
}

TEST_F(Autoplay, TickCounterCountsEveryTmrtickAndHoldsAtItsLargestValue)
{
    const struct {
        std::int16_t from;
        int ms;
        std::int16_t to;
    } cases[] = {
        {0, 300, 1}, {0, 900, 3}, {0, 299, 0}, {32766, 300, 32767}, {32767, 300, 32767}, {32766, 900, 32767},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << " after " << c.ms << " ms");
        m.autoticks = c.from;
        m.Tmrtick.start();

        host.advance(c.ms);
        m.Tmrtick.stop();

        EXPECT_EQ(m.autoticks, c.to);
    }
}

} // namespace
} // namespace melvane
