#include <cstdint>
#include <vector>

#include "support/gamefixture.h"

namespace melvane {
namespace {

using testing_support::GameFixture;
using testing_support::kLosingStops;

class Keyboard : public GameFixture {};

TEST_F(Keyboard, SpaceSpinsWithTheCurrentBetAndLeavesTheKeyCountAtZero)
{
    const struct {
        std::int16_t coinbet;
        const char *stake;
    } cases[] = {{1, "25"}, {2, "50"}, {5, "125"}, {10, "250"}, {20, "500"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.coinbet);
        m.coinbet = c.coinbet;
        const std::int32_t games = m.g.games;
        queueSpin(kLosingStops);

        EXPECT_EQ(m.keyPress(' '), ' ');

        EXPECT_EQ(m.g.games, games + 1);
        EXPECT_EQ(m.coinbet, c.coinbet) << "the button of the current bet was pressed";
        EXPECT_EQ(m.LABLAST.caption(), c.stake);
        EXPECT_EQ(m.keycount, 0);
        EXPECT_EQ(host.queuedDraws(), 0u);
    }
}

TEST_F(Keyboard, SpaceWithShortCreditPlaysRefusalAndShowsPanel)
{
    const struct {
        char key;
        std::int16_t soundonoff;
        std::vector<Clip> clips;
    } cases[] = {
        {' ', -1, {Clip::Refused}},
        {'a', -1, {Clip::Refused}},
        {' ', 0, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.key);
        m.g.bank = 24;
        m.g.soundonoff = c.soundonoff;
        m.pannomoney.hide();
        m.focus = "play(1)";
        host.clips.clear();

        EXPECT_EQ(m.keyPress(c.key), c.key);

        EXPECT_EQ(host.clipsPlayed(), c.clips);
        EXPECT_TRUE(m.pannomoney.visible());
        EXPECT_EQ(m.focus, "") << "the window takes the focus";
        EXPECT_EQ(m.g.games, 0);
        EXPECT_EQ(m.keycount, 0);
        EXPECT_TRUE(m.cmdfastmoney.enabled());
    }
}

TEST_F(Keyboard, KeysDuringAFreeSpinRoundAreIgnored)
{
    const struct {
        char key;
        std::int32_t bank;
    } cases[] = {{' ', 1000}, {'a', 1000}, {' ', 0}};
    m.freespins = 11;
    m.freespinsdone = 3;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.key);
        m.g.bank = c.bank;

        EXPECT_EQ(m.keyPress(c.key), c.key);

        EXPECT_EQ(m.g.games, 0);
        EXPECT_EQ(m.keycount, 0);
        EXPECT_TRUE(m.cmdfastmoney.enabled());
        EXPECT_FALSE(m.pannomoney.visible());
        EXPECT_TRUE(host.clips.empty());
    }
}

TEST_F(Keyboard, OtherKeysArePassedOnAsASpaceWithoutSpinning)
{
    for (char key : {'a', 'Z', '5', '\r'}) {
        SCOPED_TRACE(static_cast<int>(key));
        m.cmdfastmoney.setEnabled(true);

        EXPECT_EQ(m.keyPress(key), ' ');

        EXPECT_EQ(m.keycount, 0);
        EXPECT_EQ(m.g.games, 0);
        EXPECT_FALSE(m.cmdfastmoney.enabled());
    }
}

TEST_F(Keyboard, KeysCountedPastOneGoOnUnchanged)
{
    for (char key : {' ', 'a'}) {
        SCOPED_TRACE(key);
        m.keycount = 1;

        EXPECT_EQ(m.keyPress(key), key);

        EXPECT_EQ(m.keycount, 2);
        EXPECT_EQ(m.g.games, 0);
    }
}

TEST_F(Keyboard, AcceptedKeyKeepsFastMoneyLockedUntilASpinEnds)
{
    m.keyPress('a');
    ASSERT_FALSE(m.cmdfastmoney.enabled());
    m.cmdfastmoney.press();
    EXPECT_EQ(m.g.bank, 1000);

    spinWith(kLosingStops);
    EXPECT_TRUE(m.cmdfastmoney.enabled());
}

TEST_F(Keyboard, TwoSpacesTypedDuringASpaceSpinStartNoFurtherSpin)
{
    // One space reaches the window as the reels start, the other as they land.
    std::vector<char> passedOn;
    const auto typeSpace = [&] { passedOn.push_back(m.keyPress(' ')); };
    host.post(typeSpace);
    bool typedWhileLanding = false;
    host.onSleep = [&](int) {
        if (!typedWhileLanding) {
            typedWhileLanding = true;
            host.post(typeSpace);
        }
    };
    queueSpin(kLosingStops);

    m.keyPress(' ');

    EXPECT_EQ(passedOn, (std::vector<char>{' ', ' '}));
    EXPECT_EQ(m.g.games, 1);
    EXPECT_EQ(m.keycount, 0);
    EXPECT_TRUE(m.play[1].enabled());

    // The next space after the spin plays again.
    queueSpin(kLosingStops);
    m.keyPress(' ');
    EXPECT_EQ(m.g.games, 2);
}

TEST_F(Keyboard, SpaceDuringAClickedSpinPressesTheLockedButtonInVain)
{
    int typed = 0;
    host.post([&] {
        m.keyPress(' ');
        ++typed;
    });

    spinWith(kLosingStops);

    EXPECT_EQ(typed, 1);
    EXPECT_EQ(m.g.games, 1);
    EXPECT_EQ(m.keycount, 0);
}

} // namespace
} // namespace melvane
