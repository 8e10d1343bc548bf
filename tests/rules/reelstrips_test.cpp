#include "rules/reelstrips.h"

#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace melvane {
namespace {

std::vector<Symbol> shown(int reel, int stop)
{
    return {symbolAt(reel, stop, Row::Top), symbolAt(reel, stop, Row::Middle), symbolAt(reel, stop, Row::Bottom)};
}

TEST(ReelStrips, RestingWindowsShowThreeConsecutivePictureCells)
{
    using S = Symbol;
    const struct {
        int reel, stop;
        std::vector<Symbol> topMiddleBottom;
    } cases[] = {
        {1, 1, {S::Scatter, S::J, S::K}},      {2, 2, {S::Wild, S::K, S::Q}},
        {4, 10, {S::Q, S::Wild, S::J}},        {5, 22, {S::J, S::Drum, S::Cello}},
        {2, 22, {S::K, S::Harp, S::Tuba}},     {3, 21, {S::J, S::K, S::Piano}},
        {4, 21, {S::Tuba, S::J, S::Cello}},    {1, 12, {S::Cello, S::J, S::K}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(shown(c.reel, c.stop), c.topMiddleBottom) << "reel " << c.reel << " stop " << c.stop;
}

TEST(ReelStrips, NoReelShowsASymbolTwiceNorAScatterWithAWild)
{
    for (int reel = 1; reel <= kReels; ++reel) {
        for (int stop = 1; stop <= kStops; ++stop) {
            const auto cells = shown(reel, stop);
            const std::set<Symbol> distinct(cells.begin(), cells.end());
            EXPECT_EQ(distinct.size(), 3u) << "reel " << reel << " stop " << stop;
            EXPECT_FALSE(distinct.contains(Symbol::Scatter) && distinct.contains(Symbol::Wild));
        }
    }
}

// Where Scatters and Wilds can show, as the machine's documentation lists them; a slip in the
// strip table moves one of these.
TEST(ReelStrips, ScattersAndWildsShowExactlyWhereDocumented)
{
    const auto where = [](Symbol wanted) {
        std::vector<std::string> places;
        for (int reel = 1; reel <= kReels; ++reel)
            for (int stop = 1; stop <= kStops; ++stop)
                for (Row row : kRows)
                    if (symbolAt(reel, stop, row) == wanted)
                        places.push_back(std::to_string(reel) + ":" + std::to_string(stop) + "c" +
                                         std::to_string(cellOf(reel, row)));
        return places;
    };
    EXPECT_EQ(where(Symbol::Scatter),
              (std::vector<std::string>{"1:1c1",   "1:13c3",  "1:14c2",  "1:15c1",  "1:21c3",  "1:22c2",
                                        "2:7c4",   "2:8c5",   "2:9c6",   "3:1c7",   "3:6c9",   "3:7c8",
                                        "3:8c7",   "3:17c9",  "3:18c8",  "3:19c7",  "4:5c10",  "4:6c11",
                                        "4:7c12",  "5:7c15",  "5:8c14",  "5:9c13"}));
    EXPECT_EQ(where(Symbol::Wild),
              (std::vector<std::string>{"2:1c5", "2:2c6", "4:9c10", "4:10c11", "4:11c12"}));
}

TEST(ReelStrips, PositionsBeyondTheStopsAreNotARepeat)
{
    EXPECT_EQ(stripSymbol(2, 24), Symbol::Tuba);
    EXPECT_EQ(stripSymbol(2, 2), Symbol::Wild);
    EXPECT_EQ(stripSymbol(3, 23), Symbol::Piano);
    EXPECT_EQ(stripSymbol(4, 23), Symbol::Cello);
    const Symbol neverAtRest[5][5] = {
        {Symbol::K, Symbol::Tuba, Symbol::Piano, Symbol::Tuba, Symbol::Drum},
        {Symbol::J, Symbol::Wild, Symbol::K, Symbol::Cello, Symbol::Harp},
        {Symbol::Q, Symbol::Tuba, Symbol::Q, Symbol::K, Symbol::Piano},
        {Symbol::K, Symbol::Wild, Symbol::K, Symbol::Drum, Symbol::Tuba},
        {Symbol::J, Symbol::Q, Symbol::J, Symbol::Drum, Symbol::Piano},
    };
    for (int reel = 1; reel <= kReels; ++reel) {
        const int positions[5] = {0, 25, 26, 27, 28};
        for (int k = 0; k < 5; ++k)
            EXPECT_EQ(stripSymbol(reel, positions[k]), neverAtRest[reel - 1][k]) << "reel " << reel;
    }
}

TEST(ReelStrips, ReelStepWritesWeightsWildValuesAndMarkers)
{
    SpinTables spin;
    writeReel(spin, 1, 1, 25);
    EXPECT_EQ(spin.entry(Symbol::Scatter, 1), 1_d);
    EXPECT_EQ(spin.entry(Symbol::J, 2), 8_d);
    EXPECT_EQ(spin.entry(Symbol::K, 3), 8_d);
    EXPECT_EQ(spin.scattercell[1], 1);
    EXPECT_EQ(spin.scattercode, 8);

    writeReel(spin, 2, 2, 25);
    for (Symbol s : kPayingSymbols)
        EXPECT_EQ(spin.entry(s, 6), 11.5_d) << symbolName(s);
    EXPECT_TRUE(spin.entry(Symbol::Scatter, 6).isZero());
    EXPECT_EQ(spin.entry(Symbol::K, 5), 7_d);
    EXPECT_EQ(spin.entry(Symbol::Q, 4), 7_d);
    EXPECT_EQ(spin.wildcell[6], 1);
    EXPECT_EQ(spin.scattercode, 15);

    writeReel(spin, 4, 10, 25);
    EXPECT_EQ(spin.entry(Symbol::Q, 12), 10_d);
    EXPECT_EQ(spin.entry(Symbol::Harp, 11), 22.9_d);
    EXPECT_EQ(spin.entry(Symbol::J, 10), 10_d);
    EXPECT_EQ(spin.wildcell[11], 1);
    EXPECT_EQ(spin.scattercode, 25);

    writeReel(spin, 5, 22, 25);
    EXPECT_EQ(spin.entry(Symbol::J, 13), 20_d);
    EXPECT_EQ(spin.entry(Symbol::Drum, 14), 20_d);
    EXPECT_EQ(spin.entry(Symbol::Cello, 15), 20_d);
}

TEST(ReelStrips, TheTwoFixedValuesBelongToOneStopAndRowEach)
{
    SpinTables spin;
    writeReel(spin, 3, 16, 25);
    EXPECT_EQ(spin.entry(Symbol::Tuba, 9), 19.3_d);
    writeReel(spin, 4, 3, 25);
    EXPECT_EQ(spin.entry(Symbol::Harp, 11), 22.9_d);
    // The same pictures at the neighbouring stops carry the plain reel weight.
    EXPECT_EQ(writtenValue(3, 17, Row::Middle), 6_d);
    EXPECT_EQ(writtenValue(3, 18, Row::Top), 6_d);
    EXPECT_EQ(writtenValue(4, 2, Row::Bottom), 10_d);
    EXPECT_EQ(writtenValue(4, 4, Row::Top), 10_d);
}

TEST(ReelStrips, OuterCellsOutOfPlayAreWrittenButDoNotCount)
{
    const struct {
        int reel, stop, waysmult, cell;
        bool counts;
    } cases[] = {
        {3, 1, 1, 7, false},  // Scatter on reel 3's top row at 3 ways
        {3, 7, 1, 8, true},   // ... in its middle row it counts
        {3, 18, 1, 8, true},
        {3, 1, 7, 7, true},   // ... and the top row counts from 27 ways
        {3, 1, 3, 7, false},  // but not at 9 ways
        {2, 2, 1, 6, false},  // Wild in reel 2's top row at 3 ways
        {2, 2, 3, 6, true},
        {4, 10, 1, 11, true}, // Wild in reel 4's middle row always counts
    };
    for (const auto &c : cases) {
        SpinTables spin;
        writeReel(spin, c.reel, c.stop, c.waysmult);
        const bool wild = symbolAt(c.reel, c.stop, rowOfCell(c.cell)) == Symbol::Wild;
        EXPECT_EQ(spin.scattercode != 0, c.counts) << "reel " << c.reel << " stop " << c.stop;
        if (wild) {
            EXPECT_EQ(spin.wildcell[static_cast<std::size_t>(c.cell)], c.counts ? 1 : 0);
            EXPECT_EQ(spin.entry(Symbol::K, c.cell), wildValue(c.reel));
        } else {
            EXPECT_EQ(spin.scattercell[static_cast<std::size_t>(c.reel)], c.counts ? c.cell : 0);
            EXPECT_EQ(spin.entry(Symbol::Scatter, c.cell), 1_d);
        }
    }
}

TEST(ReelStrips, SpinStartResetClearsEverythingTheReelsWrite)
{
    SpinTables spin = tablesFor({1, 2, 1, 10, 7}, 25);
    ASSERT_NE(spin.scattercode, 0);
    spin.reset();
    EXPECT_EQ(spin.scattercode, 0);
    for (Symbol s : {Symbol::Scatter, Symbol::K, Symbol::J})
        for (int i = 1; i <= kWinMarkEntry; ++i)
            EXPECT_TRUE(spin.entry(s, i).isZero());
    for (int c = 0; c < 16; ++c)
        EXPECT_EQ(spin.wildcell[static_cast<std::size_t>(c)], 0);
    for (int r = 1; r <= kReels; ++r)
        EXPECT_EQ(spin.scattercell[static_cast<std::size_t>(r)], 0);
}

} // namespace
} // namespace melvane
