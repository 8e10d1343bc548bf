#include <optional>
#include <string>
#include <vector>

#include "game/profiles/profilefixture.h"

namespace melvane {
namespace {

using testing_support::Game;
using testing_support::inWriteOrder;
using testing_support::kAda;
using testing_support::kKeysInOrder;
using testing_support::Profile;
using testing_support::ProfileFixture;
using testing_support::with;
using testing_support::without;

class StartUp : public ProfileFixture {};

TEST_F(StartUp, AFirstRunOnAnEmptyStoreStartsPlayerOneSilentWithTheDefaults)
{
    host.pointer = MousePointer::Busy;

    ASSERT_TRUE(m.load());

    EXPECT_EQ(m.caption, "Current Player       ");
    EXPECT_EQ(m.PANELBANK.caption(), "0");
    EXPECT_EQ(m.Lblcredit.caption(), "$ 0");
    EXPECT_TRUE(host.clipsPlayed().empty());
    EXPECT_EQ(m.g.playernumber, "1");
    EXPECT_EQ(m.g.soundonoff, 0);
    EXPECT_EQ(m.g.machinepay, 5);
    EXPECT_EQ(m.g.reelspeed, 1);
    EXPECT_EQ(m.g.winroll, 0);
    EXPECT_EQ(m.g.bank, 0);
    EXPECT_EQ(m.g.currentplayer, "");
    EXPECT_EQ(m.coinbet, 1);
    EXPECT_EQ(m.waysmult, 25);
    EXPECT_EQ(m.focus, "play(1)");
    EXPECT_EQ(m.g.screendpi, 96);
    EXPECT_EQ(host.clipLoads, 1);
    EXPECT_EQ(host.pointer, MousePointer::Default);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(writeCount(), 0u) << "start-up only reads";
    std::vector<std::string> keysRead;
    for (const auto &a : host.recorder.log) {
        if (a.section == "key/play")
            continue; // the machine's play options, beside the profiles
        EXPECT_EQ(a.section, "keys/player1");
        keysRead.push_back(a.key);
    }
    // The designed keys first, in their order; keys added since come after them.
    ASSERT_GE(keysRead.size(), kKeysInOrder.size());
    keysRead.resize(kKeysInOrder.size());
    EXPECT_EQ(keysRead, kKeysInOrder);
}

TEST_F(StartUp, AStoredProfileOneIsLoadedWithItsNameAsStoredAndItsWelcomeClip)
{
    storeProfile(1, kAda);
    storeProfile(2, with(kAda, "currentplayer", "Bob"));

    ASSERT_TRUE(m.load());

    EXPECT_EQ(m.caption, "Current Player       Ada") << "the caption shows the name as stored, not in capitals";
    EXPECT_EQ(m.PANELBANK.caption(), "4700");
    EXPECT_EQ(m.Lblcredit.caption(), "$ 47");
    EXPECT_EQ(m.g.howmanyspins, 3);
    EXPECT_EQ(m.g.soundonoff, -1);
    EXPECT_EQ(m.g.machinepay, 3);
    EXPECT_EQ(m.g.winroll, 1);
    EXPECT_EQ(m.g.reelspeed, 4);
    EXPECT_EQ(m.g.amountinvested, 5000);
    EXPECT_EQ(m.g.wager, 1200);
    EXPECT_EQ(m.g.total, 900);
    EXPECT_EQ(m.g.games, 48);
    EXPECT_EQ(host.clipsPlayed(), std::vector<Clip>{Clip::StartUp});
}

TEST_F(StartUp, TheChosenStartUpPlayerIsLoadedAndAnyOtherChoiceStartsPlayerOne)
{
    const struct {
        int chosen;
        const char *loaded;
    } cases[] = {{1, "1"}, {3, "3"}, {6, "6"}, {0, "1"}, {7, "1"}, {-2, "1"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.chosen);
        Game game;
        for (int n = 1; n <= 6; ++n)
            game.storeProfile(n, with(with(kAda, "currentplayer", "P" + std::to_string(n)), "bank", std::to_string(n * 100)));
        game.m.startupPlayer = c.chosen;

        ASSERT_TRUE(game.m.load());

        EXPECT_EQ(game.m.g.playernumber, c.loaded);
        EXPECT_EQ(game.m.caption, std::string("Current Player       P") + c.loaded);
        EXPECT_EQ(game.m.g.bank, std::stoi(c.loaded) * 100);
        for (const auto &a : game.host.recorder.log) {
            if (a.section != "key/play") {
                EXPECT_EQ(a.section, std::string("keys/player") + c.loaded) << "only the chosen profile is read";
            }
        }
    }
}

TEST_F(StartUp, AScreenThatIsNotAtNinetySixDotsPerInchEndsStartUpWithNothingReadOrSaved)
{
    for (const int dpi : {120, 72, 144}) {
        SCOPED_TRACE(dpi);
        Game game;
        game.storeProfile(1, kAda);
        game.host.logicalDpi = dpi;

        EXPECT_FALSE(game.m.load());

        ASSERT_EQ(game.host.messages.size(), 1u);
        const MessageBoxRequest &box = game.host.messages[0];
        EXPECT_EQ(box.title, "               LARGE FONTS BEING USED !!!");
        EXPECT_EQ(box.text, "You are still using Large Fonts!!,This Game Will Not Run Correctly.\r"
                            "There is no facility in this software to change them.\r"
                            "To Change Manually :-\r"
                            "Right Click On DeskTop\r"
                            "Select Properties\r"
                            "Select Settings\r"
                            "Click Advanced Button\r"
                            "Select SMALL Fonts (or 96 DPI)\r"
                            "A Re-Boot Is Then Required\r"
                            "\r"
                            "To Change Back After Do The Reverse :-\r");
        EXPECT_EQ(box.icon, MessageIcon::Information);
        EXPECT_EQ(box.buttons, MessageButtons::Ok);
        EXPECT_EQ(game.m.g.screendpi, dpi);
        EXPECT_TRUE(game.host.recorder.log.empty()) << "nothing read or saved";
        EXPECT_EQ(game.host.clipLoads, 0);
        EXPECT_TRUE(game.host.clipsPlayed().empty());
        EXPECT_EQ(game.m.caption, "Slots Melvane");
        EXPECT_EQ(game.m.g.bank, 0);
    }
}

TEST_F(StartUp, AStartUpThatEndsEarlyReadsWritesAndOpensNothing)
{
    struct CountingJournal : InMemoryJournal {
        int opens = 0;
        bool open() override { return ++opens > 0; }
    };
    const struct {
        const char *what;
        int dpi;
        bool heldElsewhere;
    } cases[] = {
        {"a screen the game refuses", 120, false},
        {"another copy of the game on the same settings", 96, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Game game;
        game.storeProfile(1, kAda);
        game.host.logicalDpi = c.dpi;
        game.host.settingsHeldElsewhere = c.heldElsewhere;
        CountingJournal journal;
        game.m.journal = &journal;

        EXPECT_FALSE(game.m.load());

        EXPECT_TRUE(game.host.recorder.log.empty()) << "nothing read or saved";
        EXPECT_EQ(journal.opens, 0);
        EXPECT_EQ(game.host.clipLoads, 0);
    }
}

// One value of profile 1 spoiled as a person editing the store might leave it.
struct SpoiledValue {
    const char *what;
    std::string key;
    std::optional<std::string> text; // nullopt: the key is missing
    std::string savedAs;             // what the next save writes under the key
    // A money value that does not read refuses the profile: the game plays player 2 and
    // leaves player 1 as it is on disk.
    bool refused = false;
};

void PrintTo(const SpoiledValue &v, std::ostream *os) { *os << v.what; }

class StartUpWithASpoiledValue : public ::testing::TestWithParam<SpoiledValue> {};

TEST_P(StartUpWithASpoiledValue, TakesOnlyWholeNumbersThatFitAndSavesCleanValues)
{
    const SpoiledValue &v = GetParam();
    Game game;
    game.storeProfile(1, v.text ? with(kAda, v.key, *v.text) : without(kAda, v.key));
    game.storeProfile(2, with(kAda, "currentplayer", "Bob"));

    ASSERT_TRUE(game.m.load());
    const std::vector<MessageBoxRequest> told = game.host.messages;
    game.forget();
    game.m.shutdown();

    if (v.refused) {
        EXPECT_TRUE(game.writesTo(1).empty()) << "a profile whose money does not read is never saved over";
        ASSERT_EQ(told.size(), 1u);
        EXPECT_NE(told[0].text.find("\"" + v.key + "\""), std::string::npos) << "names the value";
        EXPECT_EQ(game.m.caption, "Current Player       Bob") << "the next profile plays";
        return;
    }
    EXPECT_EQ(game.writesTo(1), inWriteOrder(with(kAda, v.key, v.savedAs)))
        << "the spoiled value keeps the start-up value, every other value survives";
    const std::string name = v.key == "currentplayer" ? v.savedAs : "Ada";
    EXPECT_EQ(game.m.caption, "Current Player       " + name);
}

const std::string kFiveHundredLetters(500, 'x');

INSTANTIATE_TEST_SUITE_P(
    BadInput, StartUpWithASpoiledValue,
    ::testing::Values(
        SpoiledValue{"a missing bank", "bank", std::nullopt, "0"},
        SpoiledValue{"an empty bank", "bank", "", "0", true},
        SpoiledValue{"letters", "bank", "abc", "0", true},
        SpoiledValue{"a fraction", "bank", "1.5", "0", true},
        SpoiledValue{"a leading blank", "bank", " 7", "0", true},
        SpoiledValue{"a trailing blank", "bank", "7 ", "0", true},
        SpoiledValue{"a plus sign", "bank", "+7", "0", true},
        SpoiledValue{"hexadecimal", "bank", "0x10", "0", true},
        SpoiledValue{"a negative bank", "bank", "-250", "-250"},
        SpoiledValue{"eleven digits for a 32-bit value", "games", "99999999999", "0"},
        SpoiledValue{"a small number behind twenty-one zeros", "games", "0000000000000000000001770", "1770"},
        SpoiledValue{"a number far beyond 64 bits", "games", "123456789012345678901234567890", "0"},
        SpoiledValue{"one past the 32-bit range", "wager", "2147483648", "0", true},
        SpoiledValue{"twenty digits of credit", "bank", "12345678901234567890", "0", true},
        SpoiledValue{"the largest 32-bit value", "wager", "2147483647", "2147483647"},
        SpoiledValue{"the smallest 32-bit value", "total", "-2147483648", "-2147483648"},
        SpoiledValue{"40000 for the 16-bit award count", "howmanyspins", "40000", "0"},
        SpoiledValue{"the largest 16-bit value", "howmanyspins", "32767", "32767"},
        SpoiledValue{"40000 for the payout setting", "machinepay", "40000", "5"},
        SpoiledValue{"40000 for the reel speed", "reelspeed", "40000", "1"},
        SpoiledValue{"a negative reel speed", "reelspeed", "-3", "1"},
        SpoiledValue{"40000 for the sound switch", "soundonoff", "40000", "0"},
        SpoiledValue{"a missing name", "currentplayer", std::nullopt, ""},
        SpoiledValue{"a 500-character name", "currentplayer", kFiveHundredLetters, "xxxxxxxxxxxx"},
        SpoiledValue{"a twelve-character name of accented letters", "currentplayer", "Zoë Ångström",
                     "Zoë Ångström"},
        SpoiledValue{"a fourteen-character name of two-byte letters", "currentplayer", "ÅÅÅÅÅÅÅÅÅÅÅÅÅÅ",
                     "ÅÅÅÅÅÅÅÅÅÅÅÅ"}));

TEST_F(StartUp, ShutdownPlaysItsClipSavesAndReturnsTheScreenToItsMode)
{
    storeProfile(1, kAda);
    ASSERT_TRUE(m.load());
    m.g.bank = 4100;
    m.g.games = 60;
    forget();

    m.shutdown();

    EXPECT_EQ(host.clipsPlayed(), std::vector<Clip>{Clip::Click});
    EXPECT_EQ(writesTo(1), inWriteOrder(with(with(kAda, "bank", "4100"), "games", "60")));
    EXPECT_EQ(host.displayModeRestores, 1);
}

TEST_F(StartUp, TheValuesWrittenAtShutdownAreTheCurrentPlayersInTheirOwnSection)
{
    const Profile bob = {
        {"howmanyspins", "1"}, {"soundonoff", "0"},      {"machinepay", "2"}, {"winroll", "0"},
        {"reelspeed", "10"},   {"amountinvested", "10"}, {"wager", "75"},     {"total", "20"},
        {"bank", "-45"},       {"games", "3"},           {"currentplayer", "bob"},
    };
    storeProfile(1, kAda);
    storeProfile(3, bob);
    ASSERT_TRUE(m.load());
    m.mnuplayer.press();
    options.machine.select(3);
    options.btnokplayer.press();
    m.g.bank = 500;
    forget();

    m.shutdown();

    EXPECT_EQ(writesTo(3), inWriteOrder(with(bob, "bank", "500")));
    EXPECT_EQ(writeCount(), kKeysInOrder.size()) << "only the current player's section is written";
    EXPECT_EQ(storedProfile(1), kAda);
}

TEST(Shutdown, TheCloseBoxAndExitWriteTheSameValuesInTheSameOrder)
{
    Game closeBox;
    Game exitMenu;
    for (Game *game : {&closeBox, &exitMenu}) {
        game->storeProfile(1, kAda);
        ASSERT_TRUE(game->m.load());
        game->m.g.bank = 4725;
        game->m.g.currentplayer = "Ada L.";
        game->forget();
    }

    closeBox.m.shutdown();
    exitMenu.m.mnuexit.press();

    EXPECT_EQ(exitMenu.host.recorder.log, closeBox.host.recorder.log);
    EXPECT_EQ(closeBox.writesTo(1), inWriteOrder(with(with(kAda, "bank", "4725"), "currentplayer", "Ada L.")));
    EXPECT_EQ(exitMenu.host.clipsPlayed(), closeBox.host.clipsPlayed());
    EXPECT_EQ(exitMenu.host.displayModeRestores, 1);
    EXPECT_EQ(closeBox.host.displayModeRestores, 1);
}

} // namespace
} // namespace melvane
