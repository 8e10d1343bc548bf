#include "rules/scatters.h"

#include <map>
#include <vector>

#include <gtest/gtest.h>

namespace melvane {
namespace {

std::vector<int> flagged(const std::array<bool, 6> &flags)
{
    std::vector<int> reels;
    for (int r = 1; r <= 5; ++r)
        if (flags[static_cast<std::size_t>(r)])
            reels.push_back(r);
    return reels;
}

TEST(Scatters, CodesPayChimeAndAwardAsTheRunFromReelOne)
{
    const struct {
        int code;
        int paid, multiple, added;
        std::vector<int> chimes, chimesInBonus;
    } cases[] = {
        {51, 5, 100, 31, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}},
        {31, 4, 10, 21, {1, 2, 3, 4}, {}},
        {21, 3, 2, 11, {1, 2, 3}, {}},
        {41, 3, 2, 11, {1, 2, 3}, {}}, // reels 1, 2, 3 and 5: paid as three
        {15, 0, 0, 0, {1, 2}, {}},
        {25, 0, 0, 0, {1, 2}, {}},
        {45, 0, 0, 0, {1, 2}, {}},     // the run is cut at reel 3
        {8, 0, 0, 0, {1}, {}},
        {44, 0, 0, 0, {1}, {}},
        {43, 0, 0, 0, {}, {}},         // reels 2 to 5 only: nothing, not even a chime
        {7, 0, 0, 0, {}, {}},
        {0, 0, 0, 0, {}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(scattersPaid(c.code), c.paid);
        EXPECT_EQ(scatterPayMultiple(c.code), c.multiple);
        EXPECT_EQ(freeSpinsAdded(c.code), c.added);
        const ScatterEvaluation outside = evaluateScatters(c.code, 25, false);
        EXPECT_EQ(outside.scatterwin, 25 * c.multiple);
        EXPECT_EQ(flagged(outside.chime), c.chimes);
        EXPECT_EQ(outside.startsTimerscatter, c.paid > 0);
        const ScatterEvaluation inside = evaluateScatters(c.code, 25, true);
        EXPECT_EQ(inside.scatterwin, 25 * c.multiple);
        EXPECT_EQ(flagged(inside.chime), c.chimesInBonus);
        EXPECT_EQ(flagged(inside.scatterpaid).size(), static_cast<std::size_t>(c.paid));
    }
}

TEST(Scatters, LargestStakePaysUpTo50000Coins)
{
    EXPECT_EQ(evaluateScatters(21, 500, false).scatterwin, 1000);
    EXPECT_EQ(evaluateScatters(31, 500, false).scatterwin, 5000);
    EXPECT_EQ(evaluateScatters(51, 500, false).scatterwin, 50000);
}

TEST(Scatters, WildMultiplierDrawGivesTenFiveThreeTwoOneNineElevenIn25)
{
    std::map<int, int> draws;
    for (int x = 1; x <= 25; ++x) {
        const WildMultiplier m = wildMultiplierFor(x);
        ++draws[m.wildmult];
        const std::map<int, int> frames = {{10, 26}, {5, 22}, {3, 18}, {2, 14}};
        EXPECT_EQ(m.wildframe, frames.at(m.wildmult)) << "draw " << x;
    }
    EXPECT_EQ(draws, (std::map<int, int>{{10, 1}, {5, 4}, {3, 9}, {2, 11}}));
    EXPECT_EQ(wildMultiplierFor(1).wildmult, 10);
    EXPECT_EQ(wildMultiplierFor(5).wildmult, 5);
    EXPECT_EQ(wildMultiplierFor(6).wildmult, 3);
    EXPECT_EQ(wildMultiplierFor(14).wildmult, 3);
    EXPECT_EQ(wildMultiplierFor(15).wildmult, 2);
}

} // namespace
} // namespace melvane
