#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "game/profiles/profilefixture.h"
#include "game/profiles/statistics.h"
#include "support/gamefixture.h"

namespace melvane {
namespace {

using testing_support::kAda;
using testing_support::kLosingStops;
using testing_support::ProfileFixture;
using testing_support::with;

class Statistics : public ProfileFixture {};

// A label text: its words followed by blanks up to the given length.
std::string padded(const std::string &words, std::size_t length) { return words + std::string(length - words.size(), ' '); }

TEST(StatisticsTexts, ANewProfileShowsOnlyTheShortTextsWithoutZeros)
{
    const struct {
        const char *words;
        std::optional<Wording> StatisticsTexts::*label;
        std::size_t onOpening, onSelecting;
    } cases[] = {
        {"Games Played", &StatisticsTexts::lblgames, 18, 22},
        {"Total Wagered", &StatisticsTexts::lblwager, 18, 22},
        {"Total Won", &StatisticsTexts::lbltotalwon, 15, 19},
        {"Winning/Losing", &StatisticsTexts::lblwinlose, 19, 20},
        {"Returned To Player", &StatisticsTexts::lblreturned, 23, 19},
        {"Total Invested", &StatisticsTexts::lblinvested, 20, 19},
        {"Freespins Won", &StatisticsTexts::lblfreespins, 18, 18},
    };
    Globals g;
    g.currentplayer = "ada";
    g.bank = 300; // credit on the machine but no game yet
    g.amountinvested = 300;
    const StatisticsTexts opening = statisticsTexts(g, StatisticsOccasion::Opening);
    const StatisticsTexts selecting = statisticsTexts(g, StatisticsOccasion::Selecting);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.words);
        EXPECT_EQ((opening.*c.label)->english(), padded(c.words, c.onOpening));
        EXPECT_EQ((selecting.*c.label)->english(), padded(c.words, c.onSelecting));
    }
    EXPECT_EQ(opening.lblcurrentplayer->english(), "Current Player    ADA");
    EXPECT_EQ(selecting.lblcurrentplayer->english(), "Current Player    ADA");
}

TEST_F(Statistics, OneLosingSpinAfterPuttingOnOneHundredShowsItsFiguresOnOpening)
{
    ASSERT_TRUE(m.load());
    for (int i = 0; i < 10; ++i)
        m.COINSIN.press();
    ASSERT_EQ(m.g.bank, 100);
    ASSERT_EQ(m.g.amountinvested, 100);
    host.queueStops(kLosingStops);
    host.queueDraw(m.g.machinepay, 1);
    m.play[1].press();
    ASSERT_EQ(m.g.games, 1);

    m.mnuplayer.press();

    EXPECT_EQ(options.lblcurrentplayer.caption(), "Current Player    ");
    EXPECT_EQ(options.lblgames.caption(), padded("Games Played", 24) + "1");
    EXPECT_EQ(options.lblwager.caption(), padded("Total Wagered", 24) + "25");
    EXPECT_EQ(options.lbltotalwon.caption(), padded("Total Won", 28) + "0");
    EXPECT_EQ(options.lblwinlose.caption(), padded("Winning/Losing", 25) + "-25");
    EXPECT_EQ(options.lblreturned.caption(), "Returned To Player     % 0");
    EXPECT_EQ(options.lblinvested.caption(), padded("Total Invested", 27) + "100");
    EXPECT_EQ(options.lblfreespins.caption(), padded("Freespins Won", 25) + "0");
}

TEST_F(Statistics, SelectingAProfileWithGamesShowsTheSelectionTexts)
{
    storeProfile(1, kAda);
    storeProfile(2, with(kAda, "currentplayer", "bob"));
    ASSERT_TRUE(m.load());
    m.mnuplayer.press();
    EXPECT_EQ(options.lblcurrentplayer.caption(), "Current Player    ADA");
    EXPECT_EQ(options.lblfreespins.caption(), padded("Freespins Won", 25) + "3");

    options.machine.select(2);

    EXPECT_EQ(options.lblcurrentplayer.caption(), "Current Player   BOB");
    EXPECT_EQ(options.lblgames.caption(), padded("Games Played", 24) + "48");
    EXPECT_EQ(options.lblwager.caption(), padded("Total Wagered", 24) + "1200");
    EXPECT_EQ(options.lbltotalwon.caption(), padded("Total Won", 28) + "900");
    EXPECT_EQ(options.lblwinlose.caption(), padded("Winning/Losing", 25) + "-300");
    EXPECT_EQ(options.lblreturned.caption(), "Returned To Player     % 75");
    EXPECT_EQ(options.lblinvested.caption(), padded("Total Invested", 27) + "5000");
    EXPECT_EQ(options.lblfreespins.caption(), padded("Freespins Won", 18) + "3");
}

TEST(StatisticsTexts, ReturnedToPlayerIsTheWholePerCentWithTheFractionDropped)
{
    const struct {
        std::int32_t total, wager;
        std::int64_t percent;
    } cases[] = {
        {1, 3, 33},
        {2, 3, 66},
        {870, 1000, 87},
        {879, 1000, 87},
        {57, 100, 57}, // 0.57 x 100 is 56.99... in floating point
        {29, 100, 29},
        {0, 25, 0},
        {25, 25, 100},
        {5000, 25, 20000},
        {std::numeric_limits<std::int32_t>::max(), 1, 214748364700},
        {-1, 3, -34}, // a hand-edited negative total still rounds down
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::to_string(c.total) + " on " + std::to_string(c.wager));
        EXPECT_EQ(returnedToPlayer(c.total, c.wager), c.percent);
    }
    EXPECT_EQ(returnedToPlayer(10, 0), std::nullopt);
}

TEST_F(Statistics, WithGamesButNothingWageredTheReturnedLabelKeepsItsCaption)
{
    ASSERT_TRUE(m.load());
    m.mnuplayer.press();
    options.lblreturned.setCaption("Returned To Player     % 87");
    m.g.games = 5;
    m.g.wager = 0;
    m.g.total = 40;

    for (const StatisticsOccasion occasion : {StatisticsOccasion::Opening, StatisticsOccasion::Selecting}) {
        options.lblgames.setCaption("");
        showStatistics(options, m.g, occasion);

        EXPECT_EQ(options.lblreturned.caption(), "Returned To Player     % 87");
        EXPECT_EQ(options.lblgames.caption(), padded("Games Played", 24) + "5");
        EXPECT_EQ(options.lbltotalwon.caption(), padded("Total Won", 28) + "40");
    }
}

TEST(StatisticsTexts, ClearingShowsZeroFiguresAndAReturnedLabelWithoutOne)
{
    Globals g;
    g.currentplayer = "ada";
    const StatisticsTexts t = statisticsTexts(g, StatisticsOccasion::Clearing);

    EXPECT_EQ(t.lblcurrentplayer->english(), "Current Player   ADA");
    EXPECT_EQ(t.lblgames->english(), padded("Games Played", 24) + "0");
    EXPECT_EQ(t.lblwager->english(), padded("Total Wagered", 24) + "0");
    EXPECT_EQ(t.lbltotalwon->english(), padded("Total Won", 28) + "0");
    EXPECT_EQ(t.lblwinlose->english(), padded("Winning/Losing", 25) + "0");
    EXPECT_EQ(t.lblreturned->english(), "Returned To Player     % ");
    EXPECT_EQ(t.lblinvested->english(), padded("Total Invested", 27) + "0");
    EXPECT_EQ(t.lblfreespins->english(), padded("Freespins Won", 18) + "0");
}

TEST(StatisticsTexts, AWinningLosingFigureBeyondTheMeterKeepsItsCaption)
{
    Globals g;
    g.games = 1;
    g.wager = 25;
    g.bank = std::numeric_limits<std::int32_t>::min();
    g.amountinvested = 1;
    EXPECT_EQ(statisticsTexts(g, StatisticsOccasion::Opening).lblwinlose, std::nullopt);
    EXPECT_EQ(statisticsTexts(g, StatisticsOccasion::Opening).lblgames->english(), padded("Games Played", 24) + "1");

    g.amountinvested = 0;
    EXPECT_EQ(statisticsTexts(g, StatisticsOccasion::Opening).lblwinlose->english(),
              padded("Winning/Losing", 25) + "-2147483648");
}

} // namespace
} // namespace melvane
