#include "rules/waysevaluation.h"

#include <set>
#include <vector>

#include <gtest/gtest.h>

#include "rules/spinevaluation.h"

namespace melvane {
namespace {

const SymbolPay *payOf(const SpinEvaluation &e, Symbol s)
{
    for (const SymbolPay &p : e.ways.list())
        if (p.symbol == s)
            return &p;
    return nullptr;
}

TEST(WaysEvaluation, WorkedExamplesPayAsTheirSignaturesSay)
{
    const struct {
        Stops stops;
        int waysmult;
        Symbol symbol;
        Decimal4 signature;
        int run, ways, pay;
        std::int64_t spinwin; // one coin
    } cases[] = {
        // K on reels 1 and 3, K and a Wild on reel 2, nothing on reel 4.
        {{12, 2, 9, 1, 5}, 25, Symbol::K, 32.5_d, 3, 2, 40, 40},
        // Piano on reels 1, 3 and 5 with Wilds on reels 2 and 4; a K run pays beside it.
        {{16, 1, 8, 10, 3}, 25, Symbol::Piano, 68.4_d, 5, 1, 1250, 1450},
        // Composer on reels 1, 2, 3 and 5, not 4: reel 5 is ignored.
        {{8, 19, 4, 1, 6}, 25, Symbol::Composer, 41_d, 3, 1, 500, 500},
        // Tuba's 19.3 on reel 3 counts as one hit: 8 + 7 + 19.3.
        {{5, 8, 16, 1, 1}, 25, Symbol::Tuba, 34.3_d, 3, 1, 100, 100},
        // Harp's 22.9 on reel 4 counts as one hit.
        {{3, 4, 3, 3, 1}, 25, Symbol::Harp, 43.9_d, 4, 1, 100, 102},
        // Harp on reel 2's top row counts at 9 ways (Drum pays its pair beside it).
        {{4, 6, 4, 1, 1}, 3, Symbol::Harp, 21_d, 3, 1, 50, 52},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(symbolName(c.symbol));
        const SpinEvaluation e = evaluateSpin(c.stops, c.waysmult, 1);
        EXPECT_EQ(e.tables.signature(c.symbol), c.signature);
        const SymbolPay *p = payOf(e, c.symbol);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->run, c.run);
        EXPECT_EQ(p->ways, c.ways);
        EXPECT_EQ(p->pay, c.pay);
        EXPECT_TRUE(e.tables.won(c.symbol));
        EXPECT_EQ(e.spinwin, c.spinwin);
    }
}

TEST(WaysEvaluation, HarpInReelTwosTopRowDoesNotCountAtThreeWays)
{
    const SpinEvaluation e = evaluateSpin({4, 6, 4, 1, 1}, 1, 1);
    EXPECT_EQ(e.tables.signature(Symbol::Harp), 14_d);
    EXPECT_EQ(payOf(e, Symbol::Harp), nullptr);
    EXPECT_FALSE(e.tables.won(Symbol::Harp));
    EXPECT_EQ(e.spinwin, 0);
}

TEST(WaysEvaluation, CoinBetMultipliesWaysPays)
{
    EXPECT_EQ(evaluateSpin({12, 2, 9, 1, 5}, 25, 20).spinwin, 800);
    EXPECT_EQ(evaluateSpin({8, 19, 4, 1, 6}, 25, 10).spinwin, 5000);
}

TEST(WaysEvaluation, WildsAloneNeverStartARun)
{
    const SpinEvaluation e = evaluateSpin({1, 2, 2, 10, 1}, 25, 1);
    EXPECT_EQ(e.tables.wildcell[6], 1);
    EXPECT_EQ(e.tables.wildcell[11], 1);
    EXPECT_EQ(e.ways.count, 0);
    EXPECT_EQ(e.ways.units, 0);
}

TEST(WaysEvaluation, DrumPairClearsReelFourWildsOnlyWhenOtherWinsAreSmall)
{
    const struct {
        Stops stops;
        int coinbet;
        std::int32_t units;
        bool reelFourWildKept;
        int wildCell;
    } cases[] = {
        {{2, 1, 3, 10, 1}, 1, 2, false, 11},   // Drum's pair alone
        {{2, 1, 13, 9, 1}, 1, 22, false, 10},  // J pays 20 coins: at most 40
        {{2, 1, 13, 9, 1}, 5, 22, true, 10},   // the same J pays 100 coins at 5 coins a way
        {{2, 1, 9, 9, 1}, 1, 202, true, 10},   // a K run of five pays 200 first
    };
    for (const auto &c : cases) {
        const SpinEvaluation e = evaluateSpin(c.stops, 25, c.coinbet);
        const SymbolPay *drum = payOf(e, Symbol::Drum);
        ASSERT_NE(drum, nullptr);
        EXPECT_EQ(drum->run, 2);
        EXPECT_EQ(drum->pay, 2);
        EXPECT_TRUE(e.tables.won(Symbol::Drum));
        EXPECT_EQ(e.ways.units, c.units);
        EXPECT_EQ(e.tables.wildcell[static_cast<std::size_t>(c.wildCell)], c.reelFourWildKept ? 1 : 0);
        EXPECT_EQ(e.tables.wildcell[5], 1); // reel 2's Wild is never touched
    }
}

TEST(WaysEvaluation, DrumRunOfThreePaysTwentyNotAlsoTwo)
{
    // Find a window where Drum runs over three reels and check only the run of three pays.
    bool seen = false;
    for (int s3 = 1; s3 <= kStops && !seen; ++s3) {
        const SpinEvaluation e = evaluateSpin({2, 5, s3, 2, 1}, 25, 1);
        if (const SymbolPay *drum = payOf(e, Symbol::Drum); drum && drum->run == 3) {
            seen = true;
            EXPECT_EQ(drum->pay, 20 * drum->ways);
            EXPECT_FALSE(classifyDrumPair(e.tables.signature(Symbol::Drum)).has_value());
        }
    }
    EXPECT_TRUE(seen);
}

TEST(WaysEvaluation, OutOfPlayRowsAreClearedFromTablesAndWildFlags)
{
    SpinTables spin = tablesFor({1, 2, 1, 11, 7}, 1);
    EXPECT_EQ(spin.entry(Symbol::K, 6), 11.5_d);
    clearInactiveRows(spin, 1);
    for (int cell : {4, 6, 7, 9, 10, 12, 13, 15}) {
        for (const CellTable &t : spin.tables)
            EXPECT_TRUE(t[static_cast<std::size_t>(cell)].isZero()) << "cell " << cell;
        EXPECT_EQ(spin.wildcell[static_cast<std::size_t>(cell)], 0);
    }
    EXPECT_EQ(spin.entry(Symbol::Scatter, 1), 1_d); // reel 1 always counts in full
}

// Every sum the per-reel contributions allow, with the run and ways it stands for.
std::vector<SignatureListEntry> derivedLists(bool drumPair)
{
    const std::vector<std::pair<Decimal4, int>> reel2 = {{7_d, 1}, {11.5_d, 1}, {18.5_d, 2}};
    const std::vector<std::pair<Decimal4, int>> reel3 = {{6_d, 1}, {19.3_d, 1}, {25.3_d, 2}};
    const std::vector<std::pair<Decimal4, int>> reel4 = {{10_d, 1}, {22.9_d, 1}, {32.9_d, 2}};
    std::vector<SignatureListEntry> out;
    for (const auto &[v2, w2] : reel2) {
        if (drumPair) {
            for (Decimal4 v4 : {0_d, 10_d, 22.9_d, 32.9_d}) // reels 4 and 5 are ignored
                for (Decimal4 v5 : {0_d, 20_d})
                    out.push_back({8_d + v2 + v4 + v5, {2, w2}});
            continue;
        }
        for (const auto &[v3, w3] : reel3) {
            for (Decimal4 v5 : {0_d, 20_d})
                out.push_back({8_d + v2 + v3 + v5, {3, w2 * w3}});
            for (const auto &[v4, w4] : reel4) {
                out.push_back({8_d + v2 + v3 + v4, {4, w2 * w3 * w4}});
                out.push_back({8_d + v2 + v3 + v4 + 20_d, {5, w2 * w3 * w4}});
            }
        }
    }
    return out;
}

void expectSameList(std::span<const SignatureListEntry> machine, const std::vector<SignatureListEntry> &derived)
{
    ASSERT_EQ(machine.size(), derived.size());
    for (const SignatureListEntry &d : derived) {
        int matches = 0;
        for (const SignatureListEntry &m : machine)
            if (m.signature == d.signature) {
                ++matches;
                EXPECT_EQ(m.cls, d.cls) << "signature " << d.signature.toString();
            }
        EXPECT_EQ(matches, 1) << "signature " << d.signature.toString();
    }
}

TEST(WaysEvaluation, SignatureListsAreExactlyTheSumsTheReelsAllow)
{
    expectSameList(runSignatureList(), derivedLists(false));
    expectSameList(drumPairSignatureList(), derivedLists(true));
}

TEST(WaysEvaluation, NoSignatureIsInTwoLists)
{
    std::set<std::int64_t> seen;
    for (const auto list : {runSignatureList(), drumPairSignatureList()})
        for (const SignatureListEntry &e : list)
            EXPECT_TRUE(seen.insert(e.signature.units()).second) << e.signature.toString();
}

} // namespace
} // namespace melvane
