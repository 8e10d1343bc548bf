// The cells a spin's win shows, for windows worked out by hand from the strip table.
#include <gtest/gtest.h>

#include <vector>

#include "rules/spinevaluation.h"

namespace melvane {
namespace {

std::vector<int> marked(const Stops &stops, int waysmult)
{
    const CellMarks marks = winningCells(evaluateSpin(stops, waysmult, 1));
    std::vector<int> cells;
    for (int c = 1; c <= kCells; ++c)
        if (marks[static_cast<std::size_t>(c)])
            cells.push_back(c);
    return cells;
}

TEST(WinningCells, AreTheRunsTheLitWildsAndThePaidScattersOfAWin)
{
    const struct {
        const char *what;
        Stops stops;
        int waysmult;
        std::vector<int> cells;
    } cases[] = {
        // K on reels 1 and 3 (bottom), reel 2 K in the middle and the Wild on top.
        {"a K run over three reels with a Wild", {12, 2, 9, 1, 5}, 25, {3, 5, 6, 9}},
        // Scatters on reel 1 (middle), reels 2 and 3 (top); nothing else pays.
        {"three Scatters", {22, 9, 19, 21, 5}, 25, {2, 6, 7}},
        // Drum on reel 1 (bottom) and the Wild of reel 2 in the middle row; reel 4's Wild
        // stands in a row out of play.
        {"Drum's pair at three ways", {6, 1, 4, 9, 7}, 1, {3, 5}},
        {"a spin that wins nothing", {2, 10, 3, 2, 2}, 25, {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(marked(c.stops, c.waysmult), c.cells) << c.what;
}

} // namespace
} // namespace melvane
