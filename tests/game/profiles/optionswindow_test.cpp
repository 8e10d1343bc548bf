#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "game/profiles/profilefixture.h"

namespace melvane {
namespace {

using testing_support::Game;
using testing_support::inWriteOrder;
using testing_support::kAda;
using testing_support::Profile;
using testing_support::ProfileFixture;
using testing_support::with;
using testing_support::Writes;

class Options : public ProfileFixture {};

TEST_F(Options, OpeningIsRefusedSilentlyDuringABonusOrAnOpenGamble)
{
    const struct {
        const char *what;
        std::function<void(Melvane &)> arrange;
    } cases[] = {
        {"a free-spin round", [](Melvane &g) { g.freespins = 11; }},
        {"the gamble panel shown", [](Melvane &g) { g.pandouble.show(); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Game game;
        game.storeProfile(1, kAda);
        ASSERT_TRUE(game.m.load());
        game.m.doublebutton.setEnabled(true);
        c.arrange(game.m);
        game.forget();

        game.m.mnuplayer.press();

        EXPECT_FALSE(game.options.isOpen());
        EXPECT_TRUE(game.options.mainWindowEnabled);
        EXPECT_TRUE(game.m.doublebutton.enabled());
        EXPECT_TRUE(game.host.clipsPlayed().empty());
        EXPECT_TRUE(game.host.messages.empty());
        EXPECT_TRUE(game.host.recorder.log.empty());
    }
}

TEST_F(Options, OpeningIsRefusedInTheMiddleOfASpin)
{
    storeProfile(1, kAda);
    ASSERT_TRUE(m.load());
    bool openedDuringSpin = true;
    // The menu entry is clicked while the spin yields, its stake charged and its win not yet paid.
    host.post([&] {
        m.mnuplayer.press();
        openedDuringSpin = options.isOpen();
    });
    m.play[1].press();
    EXPECT_FALSE(openedDuringSpin);
}

TEST_F(Options, OpeningSavesTheProfileBeforeReadingAndShowsTheWindowOverADisabledMainWindow)
{
    storeProfile(1, kAda);
    ASSERT_TRUE(m.load());
    m.g.bank = 4650; // played since start-up
    m.doublebutton.setEnabled(true);
    forget();

    m.mnuplayer.press();

    EXPECT_TRUE(options.isOpen());
    EXPECT_EQ(options.window.geometry().left, 0);
    EXPECT_EQ(options.window.geometry().top, 0);
    EXPECT_FALSE(options.mainWindowEnabled);
    EXPECT_FALSE(m.doublebutton.enabled()) << "the gamble offer is withdrawn";
    EXPECT_EQ(host.clipsPlayed(), (std::vector<Clip>{Clip::Click, Clip::Click}));
    const auto &log = host.recorder.log;
    ASSERT_GE(log.size(), 11u);
    for (std::size_t i = 0; i < 11; ++i)
        EXPECT_TRUE(log[i].write) << "access " << i << " comes before the profile is saved";
    EXPECT_EQ(writesTo(1), inWriteOrder(with(kAda, "bank", "4650")));
    EXPECT_EQ(m.g.bank, 4650) << "reloaded from what was just written";
}

TEST_F(Options, AfterOpeningExactlyOneOptionIsSelectedInEachGroup)
{
    const struct {
        const char *soundonoff, *reelspeed, *winroll, *machinepay;
        std::size_t sound, speed, counter, payout;
    } cases[] = {
        {"-1", "1", "1", "5", 1, 0, 1, 0},
        {"0", "2", "0", "3", 2, 1, 2, 1},
        {"-1", "4", "1", "2", 1, 2, 1, 2},
        {"0", "8", "0", "5", 2, 3, 2, 0},
        {"-1", "10", "0", "3", 1, 4, 2, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string("speed ") + c.reelspeed);
        Game game;
        game.storeProfile(1, {{"soundonoff", c.soundonoff},
                              {"reelspeed", c.reelspeed},
                              {"winroll", c.winroll},
                              {"machinepay", c.machinepay},
                              {"currentplayer", "Cy"}});
        ASSERT_TRUE(game.m.load());

        game.m.mnuplayer.press();

        OptionsWindow &o = game.options;
        EXPECT_EQ(o.sounds.selectedCount(), 1);
        EXPECT_TRUE(o.sounds[c.sound].selected());
        EXPECT_EQ(o.setspeed.selectedCount(), 1);
        EXPECT_TRUE(o.setspeed[c.speed].selected());
        EXPECT_EQ(o.wincounter.selectedCount(), 1);
        EXPECT_TRUE(o.wincounter[c.counter].selected());
        EXPECT_EQ(o.Amtpayout.selectedCount(), 1);
        EXPECT_TRUE(o.Amtpayout[c.payout].selected());
        EXPECT_EQ(o.machine.selectedCount(), 1);
        EXPECT_TRUE(o.machine[1].selected());
    }
}

TEST_F(Options, AReelSpeedTheOptionsDoNotOfferLeavesNoSpeedSelected)
{
    storeProfile(1, with(kAda, "reelspeed", "3"));
    storeProfile(2, with(kAda, "reelspeed", "4"));
    ASSERT_TRUE(m.load());
    m.mnuplayer.press();
    ASSERT_EQ(m.g.reelspeed, 3);
    EXPECT_EQ(options.setspeed.selectedCount(), 0);

    options.machine.select(2);
    ASSERT_TRUE(options.setspeed[2].selected());
    options.machine.select(1);

    EXPECT_EQ(m.g.reelspeed, 3);
    EXPECT_EQ(options.setspeed.selectedCount(), 0) << "no option stays marked from the profile before";
}

TEST_F(Options, DreamMachineThenClosingStoresTwoUnderMachinepay)
{
    const struct {
        const char *how;
        std::function<void(OptionsWindow &)> close;
    } cases[] = {
        {"the close box", [](OptionsWindow &o) { o.close(); }},
        {"O.K.", [](OptionsWindow &o) { o.btnokplayer.press(); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.how);
        Game game;
        game.storeProfile(1, kAda);
        ASSERT_TRUE(game.m.load());
        game.m.mnuplayer.press();

        game.options.Amtpayout.select(2);
        c.close(game.options);

        EXPECT_EQ(game.stored(1, "machinepay"), "2");
        EXPECT_EQ(game.m.g.machinepay, 2);
        EXPECT_FALSE(game.options.isOpen());
    }
}

TEST_F(Options, EachOptionSetsItsVariable)
{
    const struct {
        const char *what;
        std::function<void(OptionsWindow &)> click;
        std::int16_t Globals::*variable;
        std::int16_t value;
    } cases[] = {
        {"sound on", [](OptionsWindow &o) { o.sounds.select(1); }, &Globals::soundonoff, -1},
        {"sound off", [](OptionsWindow &o) { o.sounds.select(2); }, &Globals::soundonoff, 0},
        {"Realistic", [](OptionsWindow &o) { o.Amtpayout.select(0); }, &Globals::machinepay, 5},
        {"Loose", [](OptionsWindow &o) { o.Amtpayout.select(1); }, &Globals::machinepay, 3},
        {"Dream Machine !!", [](OptionsWindow &o) { o.Amtpayout.select(2); }, &Globals::machinepay, 2},
        {"win counter on", [](OptionsWindow &o) { o.wincounter.select(1); }, &Globals::winroll, 1},
        {"win counter off", [](OptionsWindow &o) { o.wincounter.select(2); }, &Globals::winroll, 0},
    };
    storeProfile(1, with(with(with(kAda, "soundonoff", "7"), "machinepay", "7"), "winroll", "7"));
    ASSERT_TRUE(m.load());
    m.mnuplayer.press();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        m.g.*c.variable = 7;
        c.click(options);
        EXPECT_EQ(m.g.*c.variable, c.value);
    }
}

TEST_F(Options, SpeedOptionsSetTheReelSpeedAndTheSpeedLabel)
{
    const std::int16_t speeds[] = {1, 2, 4, 8, 10};
    ASSERT_TRUE(m.load());
    m.mnuplayer.press();
    EXPECT_EQ(options.setspeed[0].caption(), "1");
    EXPECT_EQ(options.fastslow.caption(), "<<<Faster                       Slower>>>");
    for (int i = 4; i >= 0; --i) {
        SCOPED_TRACE(i);
        options.setspeed.select(static_cast<std::size_t>(i));
        EXPECT_EQ(m.g.reelspeed, speeds[i]);
        EXPECT_EQ(options.speedlab.caption(), "Current Speed =   " + std::to_string(i + 1));
        EXPECT_EQ(options.setspeed.selectedCount(), 1);
    }
}

TEST_F(Options, TheWinCounterShowsItsStateBesideTheChosenOptionOnly)
{
    storeProfile(1, kAda); // counter on
    ASSERT_TRUE(m.load());
    m.mnuplayer.press();
    EXPECT_EQ(options.wincounter[1].caption(), " ON");
    EXPECT_EQ(options.wincounter[2].caption(), "");

    options.wincounter.select(2);
    EXPECT_EQ(options.wincounter[2].caption(), " OFF");
    EXPECT_EQ(options.wincounter[1].caption(), "");
    EXPECT_EQ(m.g.winroll, 0);

    options.wincounter.select(1);
    EXPECT_EQ(options.wincounter[1].caption(), " ON");
    EXPECT_EQ(options.wincounter[2].caption(), "");
    EXPECT_EQ(m.g.winroll, 1);
}

TEST_F(Options, TheSixProfileButtonsShowNamesInCapitalsOrVacant)
{
    storeProfile(1, kAda);
    storeProfile(3, with(kAda, "currentplayer", "bob"));
    storeProfile(6, with(kAda, "currentplayer", std::string(40, 'q')));
    storeProfile(4, with(kAda, "currentplayer", ""));
    ASSERT_TRUE(m.load());

    m.mnuplayer.press();

    const std::vector<std::string> expected = {"ADA", "Vacant", "BOB", "Vacant", "Vacant", "QQQQQQQQQQQQ"};
    for (std::size_t n = 1; n <= 6; ++n)
        EXPECT_EQ(options.machine[n].caption(), expected[n - 1]) << "machine(" << n << ")";
}

TEST_F(Options, OpeningAndClosingUntouchedRewritesTheProfileUnchangedAndGivesTheMainWindowBack)
{
    storeProfile(1, kAda);
    ASSERT_TRUE(m.load());
    m.doublebutton.setEnabled(true);
    m.flasher[3].show();
    m.flasher[11].show();
    m.mnuplayer.press();
    options.player1.setCaption("half typed");
    forget();

    options.close();

    EXPECT_FALSE(options.isOpen());
    EXPECT_TRUE(options.mainWindowEnabled);
    EXPECT_FALSE(m.doublebutton.enabled()) << "the gamble offer stays withdrawn";
    EXPECT_FALSE(m.flasher[3].visible());
    EXPECT_FALSE(m.flasher[11].visible());
    EXPECT_EQ(options.player1.caption(), "");
    EXPECT_EQ(writesTo(1), inWriteOrder(kAda));
    EXPECT_EQ(storedProfile(1), kAda);
    EXPECT_EQ(host.clipsPlayed(), std::vector<Clip>{Clip::Click});
}

TEST_F(Options, OkSavesAndThenRunsTheClosingStepsWhichSaveAgain)
{
    storeProfile(1, kAda);
    ASSERT_TRUE(m.load());
    m.mnuplayer.press();
    options.setspeed.select(4);
    forget();

    options.btnokplayer.press();

    const Profile expected = with(kAda, "reelspeed", "10");
    Writes twice = inWriteOrder(expected);
    const Writes once = twice;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(writesTo(1), twice);
    EXPECT_EQ(host.clipsPlayed(), (std::vector<Clip>{Clip::Click, Clip::Click}));
    EXPECT_FALSE(options.isOpen());
    EXPECT_TRUE(options.mainWindowEnabled);
}

TEST_F(Options, AReelSpeedOfZeroNeverSurvivesAClose)
{
    const struct {
        const char *how;
        std::function<void(Game &)> close;
    } cases[] = {
        {"the close box", [](Game &g) { g.options.close(); }},
        {"O.K.", [](Game &g) { g.options.btnokplayer.press(); }},
        {"Origonal Screen Size", [](Game &g) { g.options.cmdorigonal.press(); }},
        {"Large Size 800X600", [](Game &g) { g.options.cmdlargescreen.press(); }},
        {"No to clearing", [](Game &g) {
             g.host.queueAnswer(MessageAnswer::No);
             g.options.Btndeletedetails.press();
         }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.how);
        Game game;
        game.storeProfile(1, kAda);
        game.storeProfile(2, with(kAda, "reelspeed", "0"));
        ASSERT_TRUE(game.m.load());
        game.m.mnuplayer.press();
        game.options.machine.select(2);
        ASSERT_EQ(game.m.g.reelspeed, 0) << "a stored 0 is read as it stands";

        c.close(game);

        EXPECT_FALSE(game.options.isOpen());
        EXPECT_EQ(game.m.g.reelspeed, 1);
        EXPECT_EQ(game.stored(2, "reelspeed"), "1");
    }
}

TEST_F(Options, TheLargeScreenButtonSwitchesOnlyAScreenThatIsNotAlready800By600)
{
    const struct {
        int width, height;
        bool switches;
    } cases[] = {
        {1024, 768, true},
        {1280, 1024, true},
        {800, 480, false},
        {1280, 600, false},
        {800, 600, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        Game game;
        game.options.screenPixels = [&c] { return ScreenSize{c.width, c.height}; };
        ASSERT_TRUE(game.m.load());
        game.m.mnuplayer.press();
        game.forget();

        game.options.cmdlargescreen.press();

        EXPECT_FALSE(game.options.isOpen());
        EXPECT_TRUE(game.options.mainWindowEnabled);
        if (c.switches) {
            EXPECT_EQ(game.host.displayModeChanges, 1);
            EXPECT_EQ(game.options.mainWindowMovesToTopLeft, 1);
            EXPECT_TRUE(game.host.messages.empty());
        } else {
            EXPECT_EQ(game.host.displayModeChanges, 0);
            EXPECT_EQ(game.options.mainWindowMovesToTopLeft, 0);
            ASSERT_EQ(game.host.messages.size(), 1u);
            EXPECT_EQ(game.host.messages[0].text, "Already 800 X 600 resolution !!\r");
            EXPECT_EQ(game.host.messages[0].title, "Slot_Melvane");
            EXPECT_EQ(game.host.messages[0].icon, MessageIcon::Information);
        }
    }
}

TEST_F(Options, ARefusedModeChangeStillMovesTheMainWindowAndClosesQuietly)
{
    host.displayModeChangeWorks = false;
    options.screenPixels = [] { return ScreenSize{1024, 768}; };
    ASSERT_TRUE(m.load());
    m.mnuplayer.press();
    forget();

    options.cmdlargescreen.press();

    EXPECT_EQ(host.displayModeChanges, 1);
    EXPECT_EQ(options.mainWindowMovesToTopLeft, 1);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(options.isOpen());
}

TEST_F(Options, TheOriginalSizeButtonRestoresTheScreenEvenWhenNothingChanged)
{
    ASSERT_TRUE(m.load());
    m.mnuplayer.press();

    options.cmdorigonal.press();

    EXPECT_EQ(host.displayModeRestores, 1);
    EXPECT_EQ(host.displayModeChanges, 0);
    EXPECT_EQ(options.mainWindowMovesToTopLeft, 1);
    EXPECT_FALSE(options.isOpen());
    EXPECT_EQ(options.Text1.caption(), "Note :- Some machines \r\nmay not support this \r\noption.\r\n");
}

TEST_F(Options, TheWindowOpensAgainAfterClosingAndShowsTheChangesMade)
{
    storeProfile(1, kAda);
    ASSERT_TRUE(m.load());
    m.mnuplayer.press();
    options.sounds.select(2);
    options.setspeed.select(1);
    options.close();

    m.mnuplayer.press();

    EXPECT_TRUE(options.isOpen());
    EXPECT_TRUE(options.sounds[2].selected());
    EXPECT_EQ(options.sounds.selectedCount(), 1);
    EXPECT_TRUE(options.setspeed[1].selected());
    EXPECT_EQ(options.setspeed.selectedCount(), 1);
    EXPECT_EQ(stored(1, "soundonoff"), "0");
    EXPECT_EQ(stored(1, "reelspeed"), "2");
}

} // namespace
} // namespace melvane
