#include "rules/grid.h"

#include <vector>

#include <gtest/gtest.h>

namespace melvane {
namespace {

TEST(Grid, CellsRunTopDownOnReels135AndBottomUpOnReels24)
{
    const int expected[kReels][3] = {{1, 2, 3}, {6, 5, 4}, {7, 8, 9}, {12, 11, 10}, {13, 14, 15}};
    for (int reel = 1; reel <= kReels; ++reel) {
        for (Row row : kRows) {
            const int cell = cellOf(reel, row);
            EXPECT_EQ(cell, expected[reel - 1][static_cast<int>(row)]) << "reel " << reel;
            EXPECT_EQ(reelOfCell(cell), reel);
            EXPECT_EQ(rowOfCell(cell), row);
        }
    }
}

TEST(Grid, CellsOutOfPlayFollowTheWaysSetting)
{
    const struct {
        int waysmult;
        std::vector<int> outOfPlay;
    } cases[] = {
        {1, {4, 6, 7, 9, 10, 12, 13, 15}},
        {3, {7, 9, 10, 12, 13, 15}},
        {7, {10, 12, 13, 15}},
        {15, {13, 15}},
        {25, {}},
    };
    for (const auto &c : cases) {
        std::vector<int> out;
        for (int cell = 1; cell <= kCells; ++cell)
            if (!cellInPlay(cell, c.waysmult))
                out.push_back(cell);
        EXPECT_EQ(out, c.outOfPlay) << "waysmult " << c.waysmult;
    }
}

TEST(Grid, EverySetOfReelsHasItsOwnWeightSum)
{
    std::vector<int> seen;
    for (int set = 1; set < (1 << kReels); ++set) {
        int sum = 0;
        for (int reel = 1; reel <= kReels; ++reel)
            if (set & (1 << (reel - 1)))
                sum += reelweight(reel);
        for (int other : seen)
            EXPECT_NE(other, sum) << "set " << set;
        seen.push_back(sum);
    }
    EXPECT_EQ(reelweight(1) + reelweight(2) + reelweight(3), 21);
    EXPECT_EQ(Decimal4::whole(reelweight(1)) + wildValue(2) + Decimal4::whole(reelweight(3)), 25.5_d);
}

TEST(Grid, WaysAndStakeMultipliersCorrespond)
{
    EXPECT_EQ(waysmultForWays(243), 25);
    EXPECT_EQ(waysmultForWays(3), 1);
    EXPECT_EQ(waysmultForWays(25), 0);
    EXPECT_EQ(waysForWaysmult(7), 27);
    EXPECT_EQ(waysForWaysmult(8), 0);
}

} // namespace
} // namespace melvane
