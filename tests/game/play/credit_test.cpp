#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "rules/money.h"
#include "support/gamefixture.h"

namespace melvane {
namespace {

using testing_support::GameFixture;
using testing_support::kK40Stops;
using testing_support::kLosingStops;

constexpr std::int32_t kMaxCoins = std::numeric_limits<std::int32_t>::max();

class Credit : public GameFixture {};

TEST_F(Credit, ShortCreditIsRefusedUntilOneCreditPressCoversTheStake)
{
    m.g.bank = 24;
    m.play[1].press();
    ASSERT_TRUE(m.pannomoney.visible());
    ASSERT_EQ(m.g.games, 0);

    m.COINSIN.press();
    EXPECT_EQ(m.g.bank, 34);
    EXPECT_EQ(m.g.amountinvested, 10);
    EXPECT_FALSE(m.pannomoney.visible());
    EXPECT_EQ(m.PANELBANK.caption(), "34");
    EXPECT_EQ(m.Lblcredit.caption(), "$ 0.34");

    spinWith(kLosingStops);
    EXPECT_EQ(m.g.games, 1);
    EXPECT_EQ(m.g.bank, 9);
}

TEST_F(Credit, CreditButtonsAddToEachMeterOnlyWhileItStaysInRange)
{
    const struct {
        const char *what;
        Button Melvane::*button;
        std::int32_t bank, invested;
        std::int32_t bankAfter, investedAfter;
    } cases[] = {
        {"credit", &Melvane::COINSIN, 1000, 0, 1010, 10},
        {"credit up to the limit", &Melvane::COINSIN, kMaxCoins - 10, 0, kMaxCoins, 10},
        {"credit past the limit", &Melvane::COINSIN, 2147483640, 50, 2147483640, 50},
        // A full meter takes nothing, and then neither does the other: paid coins are never
        // swallowed, unpaid ones never handed out.
        {"credit with the invested meter full", &Melvane::COINSIN, 1000, kMaxCoins - 5, 1000, kMaxCoins - 5},
        {"fast money", &Melvane::cmdfastmoney, 1000, 0, 6000, 5000},
        {"fast money up to the limit", &Melvane::cmdfastmoney, kMaxCoins - 5000, 0, kMaxCoins, 5000},
        {"fast money past the limit", &Melvane::cmdfastmoney, kMaxCoins - 4999, 0, kMaxCoins - 4999, 0},
        {"fast money with the invested meter full", &Melvane::cmdfastmoney, 0, kMaxCoins, 0, kMaxCoins},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        m.g.bank = c.bank;
        m.g.amountinvested = c.invested;
        m.pannomoney.show();
        m.PANELBANK.setCaption("");
        m.Lblcredit.setCaption("");
        // A meter that cannot take the credit leaves the button dark: it does nothing at all.
        const bool taken = c.bankAfter != c.bank;
        EXPECT_EQ((m.*c.button).live(), taken);

        (m.*c.button).press();

        EXPECT_EQ(m.g.bank, c.bankAfter);
        EXPECT_EQ(m.g.amountinvested, c.investedAfter);
        EXPECT_EQ(m.PANELBANK.caption(), taken ? std::to_string(c.bankAfter) : "");
        EXPECT_EQ(m.Lblcredit.caption(), taken ? moneyCaption(c.bankAfter) : "");
        EXPECT_EQ(m.pannomoney.visible(), !taken);
    }
    EXPECT_TRUE(host.clips.empty()) << "credit is put on silently";
}

TEST_F(Credit, CreditButtonRevivesAutoplayAndHandsTheKeysBackToTheWindow)
{
    m.g.bank = 0;
    m.autoplayon.press(); // refused at its first spin for want of credit
    ASSERT_FALSE(m.autoplayon.enabled());
    ASSERT_FALSE(m.keyPreview);

    m.COINSIN.press();

    EXPECT_TRUE(m.COINSIN.enabled());
    EXPECT_TRUE(m.autoplayon.enabled());
    EXPECT_TRUE(m.keyPreview);
    EXPECT_EQ(m.focus, "");
}

TEST_F(Credit, FastMoneyLeavesFocusKeysAndAutoplayAlone)
{
    m.keyPreview = false;
    m.focus = "play(2)";
    m.autoplayon.setEnabled(false);

    m.cmdfastmoney.press();

    EXPECT_EQ(m.g.bank, 6000);
    EXPECT_FALSE(m.keyPreview);
    EXPECT_EQ(m.focus, "play(2)");
    EXPECT_FALSE(m.autoplayon.enabled());
}

TEST_F(Credit, FastMoneyIsTakenDuringAGambleWhileTheCreditKeepsRoomForTheAmountAtRisk)
{
    const struct {
        const char *what;
        std::int32_t bankBeforeGamble;
        bool taken;
    } cases[] = {
        {"room for both", 1040, true},
        {"exactly room for both", kMaxCoins - 5000, true},
        {"the amount at risk could not come back", kMaxCoins - 4999, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        m.g.bank = c.bankBeforeGamble;
        m.g.amountinvested = 0;
        m.spinwin = 40;
        m.doublebutton.setEnabled(true);
        m.doublebutton.press();
        ASSERT_TRUE(m.pandouble.visible());
        EXPECT_EQ(m.cmdfastmoney.live(), c.taken);

        m.cmdfastmoney.press();
        m.gamble.cancelbet.press();

        EXPECT_EQ(m.g.bank, c.bankBeforeGamble + (c.taken ? 5000 : 0)) << "the stake came back whole";
        EXPECT_EQ(m.g.amountinvested, c.taken ? 5000 : 0);
    }
}

TEST_F(Credit, CreditButtonsStayDarkUntilTheSpinThatAutoplayWasSwitchedOffInEnds)
{
    m.autoplay = 1;
    bool darkInTheSpin = false;
    host.onSleep = [&](int) {
        if (m.autoplay > 0)
            m.autoplayoff.press();
        darkInTheSpin = darkInTheSpin || (!m.COINSIN.live() && !m.cmdfastmoney.live());
        m.COINSIN.press();
        m.cmdfastmoney.press();
    };
    spinWith(kLosingStops);
    host.onSleep = nullptr;

    EXPECT_TRUE(darkInTheSpin);
    EXPECT_EQ(m.g.amountinvested, 0) << "no credit went into the spin";
    EXPECT_TRUE(m.COINSIN.live());
    EXPECT_TRUE(m.cmdfastmoney.live());
}

TEST_F(Credit, FastMoneyIsRefusedDuringAFreeSpinRound)
{
    m.freespins = 11;
    m.freespinsdone = 4;
    m.pannomoney.show();

    EXPECT_FALSE(m.cmdfastmoney.live());
    m.cmdfastmoney.press();

    EXPECT_EQ(m.g.bank, 1000);
    EXPECT_EQ(m.g.amountinvested, 0);
    EXPECT_TRUE(m.pannomoney.visible());
}

// A machine whose free-spin round has just been completed, as the resolution leaves it.
class Collect : public GameFixture {
protected:
    void completeRound(std::int32_t total)
    {
        m.freespins = 11;
        m.freespinsdone = 11;
        m.freespinsover = 1;
        m.freespinwin = total;
        m.respinroll = 2;
        m.respinflag = 1;
        m.autoticks = 45;
        m.wincountvalue = 7;
        m.winstep = 3;
        m.keycount = 1;
        m.keyPreview = false;
        for (std::size_t i = 1; i <= 5; ++i) {
            m.play[i].hide();
            m.play[i].setEnabled(false);
            m.payline[i].hide();
            m.payline[i].setEnabled(false);
        }
        m.COINSIN.hide();
        m.COINSIN.setEnabled(false);
        m.doublebutton.hide();
        m.doublebutton.setEnabled(false);
        m.cmdfastmoney.hide();
        m.cmdfastmoney.setEnabled(false);
        m.autoplayon.hide();
        m.autoplayon.setEnabled(false);
        m.autoplayoff.hide();
        m.autoplayoff.setEnabled(false);
        m.piclastbet.hide();
        m.lbllast.hide();
        m.LABLAST.hide();
        m.picthiswin.show();
        m.lblcurrentwin.show();
        m.spinsleft.show();
        m.takewin.show();
        m.takewin.setEnabled(true);
        m.Timerrespin.start();
        m.tmrautospin.start();
    }
};

TEST_F(Collect, CollectMovesTheRoundTotalIntoTheCreditAndEndsTheRound)
{
    m.g.bank = 100;
    completeRound(1234);

    m.takewin.press();

    EXPECT_EQ(m.g.bank, 1334);
    EXPECT_EQ(m.PANELBANK.caption(), "1334");
    EXPECT_EQ(m.Lblcredit.caption(), "$ 13.34");
    EXPECT_EQ(m.LABWIN.caption(), "1234");
    EXPECT_EQ(m.lblwin.caption(), "$ 12.34");
    EXPECT_EQ(m.freespincollected, 1234);
    EXPECT_EQ(m.freespinwin, 0);
    EXPECT_EQ(m.freespins, 0);
    EXPECT_EQ(m.freespinsdone, 0);
    EXPECT_EQ(m.freespinsover, 0);
    EXPECT_EQ(m.respinroll, 0);
    EXPECT_EQ(m.respinflag, 0);
    EXPECT_EQ(m.autoticks, 0);
    EXPECT_EQ(m.wincountvalue, 0);
    EXPECT_EQ(m.winstep, 0);
    EXPECT_EQ(m.keycount, 0);
    EXPECT_EQ(host.clipsPlayed(), std::vector<Clip>{Clip::Collect});
}

TEST_F(Collect, CollectShowsTheStakeMetersAgainAndHidesTheRoundDisplay)
{
    completeRound(500);

    m.takewin.press();

    EXPECT_TRUE(m.piclastbet.visible());
    EXPECT_TRUE(m.lbllast.visible());
    EXPECT_TRUE(m.LABLAST.visible());
    EXPECT_FALSE(m.picthiswin.visible());
    EXPECT_FALSE(m.lblcurrentwin.visible());
    EXPECT_FALSE(m.spinsleft.visible());
    EXPECT_FALSE(m.takewin.visible());
}

TEST_F(Collect, CollectWithSoundOffIsSilent)
{
    m.g.soundonoff = 0;
    completeRound(500);

    m.takewin.press();

    EXPECT_TRUE(host.clipsPlayed().empty());
    EXPECT_EQ(m.g.bank, 1500);
}

TEST_F(Collect, CollectIntoAFullCreditLeavesTheCreditAsItWasAndKeepsTheTotalForLater)
{
    m.g.bank = kMaxCoins - 100;
    completeRound(1000);

    m.takewin.press();

    EXPECT_EQ(m.g.bank, kMaxCoins - 100);
    EXPECT_EQ(m.PANELBANK.caption(), std::to_string(kMaxCoins - 100));
    EXPECT_EQ(m.LABWIN.caption(), "1000");
    EXPECT_EQ(m.freespinwin, 1000) << "the total that did not fit is kept, not thrown away";
    EXPECT_EQ(m.freespincollected, 0) << "nothing reached the credit, so the gamble has nothing to stake";
    EXPECT_EQ(m.freespins, 0) << "the round is over all the same";
    EXPECT_FALSE(m.takewin.visible());
}

TEST_F(Collect, PendingEventsDuringCollectSeeTheTotalInTheCreditAndNoLongerInTheRound)
{
    m.g.bank = 100;
    completeRound(1234);
    std::optional<std::pair<std::int32_t, std::int32_t>> seen;
    host.post([&] { seen = std::make_pair(m.g.bank, m.freespinwin); });

    m.takewin.press();

    ASSERT_TRUE(seen.has_value());
    EXPECT_EQ(seen->first, 1334);
    EXPECT_EQ(seen->second, 0) << "counted once: in the credit or in the round, never in both";
}

TEST_F(Collect, CollectReturnsToNormalPlayOrKeepsAutoplayGoing)
{
    const struct {
        const char *what;
        std::int16_t autoplay;
        std::int16_t coinbet;
        const char *focus;
        bool menusEnabled, autoplayonShown, autoplayoffShown, tmrautospinRunning;
    } cases[] = {
        {"autoplay off, 1 coin", 0, 1, "play(1)", true, true, false, false},
        {"autoplay off, 5 coins", 0, 5, "play(3)", true, true, false, false},
        {"autoplay off, 20 coins", 0, 20, "play(5)", true, true, false, false},
        {"autoplay on, 2 coins", 10, 2, "play(2)", false, false, true, true},
        {"autoplay on, 10 coins", 10, 10, "play(4)", false, false, true, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        m.autoplay = c.autoplay;
        m.coinbet = c.coinbet;
        m.focus = "";
        m.playindex = 0;
        // Autoplay locked the side windows; only collect without autoplay may unlock them.
        m.mnuplayer.setEnabled(false);
        m.mnuabout.setEnabled(false);
        m.mnuptble.setEnabled(false);
        completeRound(500);

        m.takewin.press();

        for (std::size_t i = 1; i <= 5; ++i) {
            EXPECT_TRUE(m.play[i].visible() && m.play[i].enabled()) << i;
            EXPECT_TRUE(m.payline[i].visible() && m.payline[i].enabled()) << i;
        }
        EXPECT_TRUE(m.COINSIN.visible());
        EXPECT_TRUE(m.doublebutton.visible());
        EXPECT_EQ(m.doublebutton.enabled(), c.autoplay == 0) << "autoplay never gambles";
        EXPECT_TRUE(m.cmdfastmoney.visible() && m.cmdfastmoney.enabled());
        EXPECT_TRUE(m.keyPreview);
        EXPECT_EQ(m.focus, c.focus);
        EXPECT_EQ(m.play[static_cast<std::size_t>(m.playindex)].name(), c.focus);
        if (c.autoplay > 0) {
            EXPECT_FALSE(m.Timerrespin.enabled());
        }

        EXPECT_EQ(m.mnuplayer.enabled(), c.menusEnabled);
        EXPECT_EQ(m.mnuabout.enabled(), c.menusEnabled);
        EXPECT_EQ(m.mnuptble.enabled(), c.menusEnabled);
        EXPECT_EQ(m.autoplayon.visible(), c.autoplayonShown);
        EXPECT_EQ(m.autoplayoff.visible(), c.autoplayoffShown);
        EXPECT_TRUE(c.autoplayonShown ? m.autoplayon.enabled() : m.autoplayoff.enabled());
        EXPECT_EQ(m.tmrautospin.enabled(), c.tmrautospinRunning);
        EXPECT_EQ(m.autoplay, c.autoplay);
    }
}

TEST_F(Collect, AutoplayCollectsTheCompletedRoundByItselfAndSpinsOn)
{
    // The last free spin of a round in autoplay, as the respin timer would start it.
    m.autoplay = 10;
    m.mnuplayer.setEnabled(false);
    m.mnuabout.setEnabled(false);
    m.mnuptble.setEnabled(false);
    completeRound(500);
    m.freespinsdone = 10;
    m.freespinsover = 0;
    m.takewin.hide();
    m.takewin.setEnabled(false);
    m.Timerrespin.stop();
    m.tmrautospin.stop();
    m.autopause = 0;
    queueSpin(kK40Stops, 1, 15); // K pays 40, doubled by the Wild multiplier

    m.pressPlayForCoinbet();

    EXPECT_EQ(m.freespins, 0);
    EXPECT_EQ(m.freespincollected, 580);
    EXPECT_EQ(m.g.bank, 1000 - 25 + 580) << "the last free spin is charged, the total collected";
    EXPECT_EQ(m.autoplay, 10);
    EXPECT_FALSE(m.takewin.visible());
    EXPECT_TRUE(m.autoplayoff.visible() && m.autoplayoff.enabled());
    EXPECT_FALSE(m.autoplayon.visible());
    EXPECT_FALSE(m.mnuplayer.enabled());
    EXPECT_FALSE(m.mnuabout.enabled());
    EXPECT_FALSE(m.mnuptble.enabled());
    EXPECT_TRUE(m.tmrautospin.enabled());
    EXPECT_EQ(m.g.games, 1);

    // The autoplay timer then plays on with a paid spin.
    queueSpin(kLosingStops);
    queueSpin(kK40Stops);
    host.advance(m.tmrautospin.interval());
    EXPECT_EQ(m.g.games, 3);
    EXPECT_EQ(m.g.bank, 1555 - 25 - 25 + 40);
}

} // namespace
} // namespace melvane
