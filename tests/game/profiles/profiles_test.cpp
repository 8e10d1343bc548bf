#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "game/profiles/profilefixture.h"
#include "game/profiles/profiles.h"

namespace melvane {
namespace {

using testing_support::Game;
using testing_support::inWriteOrder;
using testing_support::kAda;
using testing_support::Profile;
using testing_support::ProfileFixture;
using testing_support::with;
using testing_support::without;
using testing_support::Writes;

class Profiles : public ProfileFixture {};

TEST(ProfileNumber, OnlyTheDigitsOneToSixNameAProfile)
{
    const struct {
        const char *playernumber;
        int expected;
    } cases[] = {{"1", 1}, {"6", 6}, {"0", 0}, {"7", 0}, {"01", 0}, {"1 ", 0}, {"", 0}, {"a", 0}};
    for (const auto &c : cases)
        EXPECT_EQ(profileNumber(c.playernumber), c.expected) << '"' << c.playernumber << '"';
}

TEST_F(Profiles, SaveprofileWritesAllElevenKeysInOrderAsPlainDecimalText)
{
    m.g.playernumber = "4";
    m.g.howmanyspins = std::numeric_limits<std::int16_t>::min();
    m.g.soundonoff = -1;
    m.g.machinepay = 2;
    m.g.winroll = 0;
    m.g.reelspeed = 10;
    m.g.amountinvested = std::numeric_limits<std::int32_t>::max();
    m.g.wager = 1000000;
    m.g.total = 0;
    m.g.bank = -45;
    m.g.games = 7;
    m.g.currentplayer = "Zoë";

    saveprofile(m);

    EXPECT_EQ(writesTo(4), (Writes{{"howmanyspins", "-32768"},
                                   {"soundonoff", "-1"},
                                   {"machinepay", "2"},
                                   {"winroll", "0"},
                                   {"reelspeed", "10"},
                                   {"amountinvested", "2147483647"},
                                   {"wager", "1000000"},
                                   {"total", "0"},
                                   {"bank", "-45"},
                                   {"games", "7"},
                                   {"currentplayer", "Zoë"}}));
    EXPECT_EQ(writeCount(), 11u);
}

TEST_F(Profiles, SelectingAVacantProfileAfterANamedOneCarriesSoundPayoutAndAwardsOver)
{
    storeProfile(1, kAda);
    ASSERT_TRUE(m.load());
    m.mnuplayer.press();

    options.machine.select(2);

    EXPECT_EQ(m.g.playernumber, "2");
    EXPECT_EQ(m.g.currentplayer, "");
    EXPECT_EQ(options.machine[2].caption(), "Vacant");
    EXPECT_EQ(m.g.bank, 0);
    EXPECT_EQ(m.g.amountinvested, 0);
    EXPECT_EQ(m.g.wager, 0);
    EXPECT_EQ(m.g.total, 0);
    EXPECT_EQ(m.g.games, 0);
    EXPECT_EQ(m.g.winroll, 0);
    EXPECT_EQ(m.g.reelspeed, 1);
    EXPECT_EQ(m.g.soundonoff, -1) << "carried over from Ada";
    EXPECT_EQ(m.g.machinepay, 3) << "carried over from Ada";
    EXPECT_EQ(m.g.howmanyspins, 3) << "carried over from Ada";
    EXPECT_EQ(m.PANELBANK.caption(), "0");
    EXPECT_EQ(m.Lblcredit.caption(), "$ 0");
    EXPECT_EQ(m.caption, "Current Player       ");
    EXPECT_TRUE(options.wincounter[2].selected());
    EXPECT_EQ(options.wincounter[2].caption(), " OFF");
    EXPECT_TRUE(options.setspeed[0].selected());
    EXPECT_EQ(options.speedlab.caption(), "Current Speed =   1");
}

TEST_F(Profiles, SelectingANamedProfileShowsItsNameInCapitalsEverywhere)
{
    storeProfile(1, kAda);
    storeProfile(5, with(kAda, "currentplayer", "zoë"));
    ASSERT_TRUE(m.load());
    m.mnuplayer.press();

    options.machine.select(5);

    EXPECT_EQ(m.g.currentplayer, "zoë") << "kept as stored";
    EXPECT_EQ(options.machine[5].caption(), "ZOË");
    EXPECT_EQ(m.caption, "Current Player       ZOË");
    EXPECT_EQ(options.lblcurrentplayer.caption(), "Current Player   ZOË");
    EXPECT_EQ(m.PANELBANK.caption(), "4700");
}

TEST_F(Profiles, AnyUnusableValueOfASelectedProfileSetsTheReelSpeedToOne)
{
    const Profile bob = with(with(kAda, "currentplayer", "Bob"), "reelspeed", "8");
    const struct {
        const char *what;
        Profile stored;
        std::int16_t reelspeed;
        std::int32_t bank;
    } cases[] = {
        {"every value usable", bob, 8, 4700},
        {"the games unreadable, after the speed", with(bob, "games", "abc"), 1, 4700},
        {"the games missing, after the speed", without(bob, "games"), 1, 4700},
        {"the award count missing, before the speed is read", without(bob, "howmanyspins"), 8, 4700},
        {"the speed itself stored as 0", with(bob, "reelspeed", "0"), 0, 4700},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Game game;
        game.storeProfile(1, kAda);
        game.storeProfile(2, c.stored);
        ASSERT_TRUE(game.m.load());
        game.m.mnuplayer.press();

        game.options.machine.select(2);

        EXPECT_EQ(game.m.g.reelspeed, c.reelspeed);
        EXPECT_EQ(game.m.g.bank, c.bank);
        EXPECT_EQ(game.m.g.currentplayer, "Bob");
    }
}

TEST_F(Profiles, AProfileWhoseMoneyDoesNotReadIsRefusedAndLeftAsItIs)
{
    Game game;
    game.storeProfile(1, kAda);
    game.storeProfile(2, with(with(kAda, "currentplayer", "Bob"), "amountinvested", "50\xff" "00"));
    ASSERT_TRUE(game.m.load());
    game.m.mnuplayer.press();
    game.forget();

    game.options.machine.select(2);
    game.m.shutdown();

    ASSERT_EQ(game.host.messages.size(), 1u);
    EXPECT_NE(game.host.messages[0].text.find("\"amountinvested\""), std::string::npos);
    EXPECT_EQ(game.m.g.currentplayer, "Ada") << "the player in use plays on";
    EXPECT_EQ(game.m.g.bank, 4700);
    EXPECT_TRUE(game.writesTo(2).empty());
    EXPECT_EQ(game.writesTo(1), inWriteOrder(kAda));
}

TEST_F(Profiles, NamesOfUpToTwelveCharactersAreTakenAndOthersRefused)
{
    const struct {
        const char *what;
        std::string typed;
        const char *refusal; // nullptr: taken
        std::string capitals;
    } cases[] = {
        {"twelve letters", "Abcdefghijkl", nullptr, "ABCDEFGHIJKL"},
        {"thirteen letters", "Abcdefghijklm", "Name Too Long", ""},
        {"twelve two-byte letters (24 bytes)", "ÅåÅåÅåÅåÅåÅå", nullptr, "ÅÅÅÅÅÅÅÅÅÅÅÅ"},
        {"thirteen two-byte letters", "ÅåÅåÅåÅåÅåÅåÅ", "Name Too Long", ""},
        {"twelve characters with a three-byte one", "Ivan €uro II", nullptr, "IVAN €URO II"},
        {"an empty box", "", "Nothing Entered", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Game game;
        game.storeProfile(1, kAda);
        ASSERT_TRUE(game.m.load());
        game.m.mnuplayer.press();
        game.forget();

        game.typeNameAndEnter(c.typed);

        EXPECT_EQ(game.options.player1.caption(), "") << "the box is cleared either way";
        if (c.refusal != nullptr) {
            ASSERT_EQ(game.host.messages.size(), 1u);
            EXPECT_EQ(game.host.messages[0].text, c.refusal);
            EXPECT_EQ(game.host.messages[0].title, "Slot_Melvane");
            EXPECT_EQ(game.host.messages[0].icon, MessageIcon::Information);
            EXPECT_EQ(game.m.g.currentplayer, "Ada");
            EXPECT_EQ(game.options.lblcurrentplayer.caption(), "Current Player  ADA");
            EXPECT_EQ(game.writeCount(), 0u) << "nothing is saved";
        } else {
            EXPECT_TRUE(game.host.messages.empty());
            EXPECT_EQ(game.m.g.currentplayer, c.typed);
            EXPECT_EQ(game.options.lblcurrentplayer.caption(), "Current Player  " + c.capitals);
            EXPECT_EQ(game.m.caption, "Current Player       " + c.capitals);
            EXPECT_EQ(game.options.machine[1].caption(), c.capitals);
            EXPECT_EQ(game.writesTo(1), inWriteOrder(with(kAda, "currentplayer", c.typed)))
                << "stored as typed, not in capitals";
        }
    }
}

TEST_F(Profiles, KeysOtherThanEnterGoToTheNameBoxAndDoNothingElse)
{
    ASSERT_TRUE(m.load());
    m.mnuplayer.press();
    options.player1.setCaption("Ad");
    forget();

    for (const int key : {int{'a'}, int{' '}, 8, 10, 27}) {
        SCOPED_TRACE(key);
        EXPECT_EQ(options.player1KeyPress(key), key);
    }

    EXPECT_EQ(options.player1.caption(), "Ad");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(writeCount(), 0u);
    EXPECT_EQ(m.g.currentplayer, "");
}

TEST_F(Profiles, NamesAreShownInCapitalsLetterByLetter)
{
    const struct {
        const char *name;
        const char *capitals;
    } cases[] = {
        {"ada lovelace", "ADA LOVELACE"},
        {"zoë ångström", "ZOË ÅNGSTRÖM"},
        {"łódź", "ŁÓDŹ"},
        {"straße", "STRASSE"},
        {"ÿves", "ŸVES"},
        {"yılmaz", "YILMAZ"}, // the dotless i's capital is the plain I, in one byte
        {"иван", "ИВАН"},
        {"ёж", "ЁЖ"},
        {"σοφος", "ΣΟΦΟΣ"},
        {"Γιώργος", "ΓΙΏΡΓΟΣ"},
        {"ștefan țepeș", "ȘTEFAN ȚEPEȘ"},
        {"nguyễn thị", "NGUYỄN THỊ"},
        {"ґанна", "ҐАННА"},
        {"արամ", "ԱՐԱՄ"},
        {"r2-d2 €", "R2-D2 €"},
        {"bad \xff byte", "BAD \xff BYTE"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(inCapitals(c.name), c.capitals);
    }
}

TEST_F(Profiles, ClearingKeepsTheNameAndSettingsAndZerosCreditAndStatistics)
{
    storeProfile(1, kAda);
    ASSERT_TRUE(m.load());
    m.mnuplayer.press();
    forget();
    host.queueAnswer(MessageAnswer::Yes);

    options.Btndeletedetails.press();

    ASSERT_EQ(host.messages.size(), 1u);
    const MessageBoxRequest &question = host.messages[0];
    EXPECT_EQ(question.text, "Are you sure you want to Delete Current Player's Details ?");
    EXPECT_EQ(question.title, "Slots_Melvane");
    EXPECT_EQ(question.icon, MessageIcon::Critical);
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(question.defaultAnswer, MessageAnswer::No);
    const Profile cleared = with(with(with(with(with(with(kAda, "amountinvested", "0"), "games", "0"), "wager", "0"),
                                                "total", "0"),
                                           "bank", "0"),
                                      "howmanyspins", "0");
    EXPECT_EQ(storedProfile(1), cleared);
    EXPECT_EQ(m.PANELBANK.caption(), "");
    EXPECT_EQ(m.Lblcredit.caption(), "");
    EXPECT_EQ(options.lblgames.caption(), "Games Played            0");
    EXPECT_FALSE(options.isOpen());
    EXPECT_TRUE(options.mainWindowEnabled);

    Game nextRun;
    nextRun.storeProfile(1, storedProfile(1));
    ASSERT_TRUE(nextRun.m.load());
    EXPECT_EQ(nextRun.m.g.bank, 0);
    EXPECT_EQ(nextRun.m.g.games, 0);
    EXPECT_EQ(nextRun.m.caption, "Current Player       Ada");
    EXPECT_EQ(nextRun.m.g.reelspeed, 4);
}

TEST_F(Profiles, AnsweringNoToClearingClosesTheWindowAndKeepsEverything)
{
    storeProfile(1, kAda);
    ASSERT_TRUE(m.load());
    m.mnuplayer.press();
    host.queueAnswer(MessageAnswer::No);

    options.Btndeletedetails.press();

    EXPECT_FALSE(options.isOpen());
    EXPECT_TRUE(options.mainWindowEnabled);
    EXPECT_EQ(storedProfile(1), kAda);
    EXPECT_EQ(m.g.bank, 4700);
    EXPECT_EQ(m.PANELBANK.caption(), "4700");
}

} // namespace
} // namespace melvane
