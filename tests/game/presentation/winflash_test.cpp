// The winning-cell flashing on the virtual clock: which cells are covered after each 100 ms tick.
#include <initializer_list>
#include <map>
#include <ostream>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "support/gamefixture.h"

namespace melvane {
namespace {

using testing_support::GameFixture;

constexpr int kTickMs = 100;

// Which symbol's cells a tick left covered: one letter per symbol, '-' for no cell.
using CellsByLetter = std::map<char, std::set<int>>;

class WinFlash : public GameFixture {
protected:
    // The cells without a Wild whose cover shows now, as the letter of the symbol they exactly
    // are; '-' when none, '?' for any other set.
    char coveredLetter(const CellsByLetter &symbols) const
    {
        std::set<int> covered;
        for (int c = 1; c <= kCells; ++c) {
            const auto k = static_cast<std::size_t>(c);
            if (m.spin.wildcell[k] < 1 && m.flasher[k].visible())
                covered.insert(c);
        }
        if (covered.empty())
            return '-';
        for (const auto &[letter, cells] : symbols)
            if (cells == covered)
                return letter;
        return '?';
    }

    // Lets the clock run tick by tick and writes down what each flash tick left covered.
    std::string blinkPattern(int ticks, const CellsByLetter &symbols)
    {
        std::string pattern;
        for (int i = 0; i < ticks; ++i) {
            host.advance(kTickMs);
            pattern += coveredLetter(symbols);
        }
        return pattern;
    }

    // Writes a win of `s` into its table as the reels and the evaluation would: each cell's
    // reel weight, the signature as their sum, and the win mark.
    void markWin(Symbol s, std::initializer_list<int> cells)
    {
        CellTable &t = m.spin.table(s);
        Decimal4 signature;
        for (int c : cells) {
            t[static_cast<std::size_t>(c)] = Decimal4::whole(reelweight(reelOfCell(c)));
            signature += t[static_cast<std::size_t>(c)];
        }
        t[kSignatureEntry] = signature;
        t[kWinMarkEntry] = Decimal4::whole(1);
    }
};

// ---- whole spins: the pattern of covered cells, tick by tick, from a freshly created window

struct BlinkCase {
    const char *name;
    int payline; // ways button: 1 = 3 ways ... 5 = 243 ways
    Stops stops;
    CellsByLetter symbols;
    std::string pattern;
};

void PrintTo(const BlinkCase &c, std::ostream *os) { *os << c.name; }

class WinFlashPattern : public WinFlash, public ::testing::WithParamInterface<BlinkCase> {};

TEST_P(WinFlashPattern, CoversEachWinningSymbolsCellsInCycleOrder)
{
    const BlinkCase &c = GetParam();
    m.payline[static_cast<std::size_t>(c.payline)].press();
    spinWith(c.stops);
    ASSERT_TRUE(m.Timerflash.enabled());

    EXPECT_EQ(blinkPattern(static_cast<int>(c.pattern.size()), c.symbols), c.pattern);
    EXPECT_EQ(m.Timerflash.ticks(), c.pattern.size());
}

const BlinkCase kBlinkCases[] = {
    // J runs over reels 1-3 (cells 1, 9), Drum over reels 1-4 (cells 3, 7, 12), the Wild of cell
    // 5 in both. From phase 0 the first J block gets an extra evaluation.
    {"JAndDrumFromPhaseZero", 5, {2, 1, 12, 1, 2}, {{'J', {1, 9}}, {'D', {3, 7, 12}}}, "JJ-JJ-JJ-DD-DD-JJ-"},
    // Composer alone: the cycle goes from phase 37 straight back to Composer, so no pause.
    {"OnlyComposer", 5, {8, 19, 4, 1, 1}, {{'C', {3, 4, 9}}}, "CC-CC-CC-CC-CC-CC-CC-CC-"},
    // J alone (cells 2, 9; a J on reel 5 in cell 15 is outside the run of three): passing
    // Composer costs a showing evaluation the second time round, four uncovered ticks.
    {"OnlyJWithAJOutsideTheRun", 5, {1, 1, 12, 1, 5}, {{'J', {2, 9}}}, "JJ-JJ-JJ-JJ-JJ----JJ-JJ-"},
    // K over reels 1-4 with two ways through the Wild of cell 5: the Wild's cell stays uncovered.
    {"KRunOfFourAroundAWild", 5, {1, 1, 9, 4, 4}, {{'K', {3, 4, 9, 10}}}, "KK-KK----KK-KK-KK-KK----K"},
    // 3 ways: reel 2's Wild shows in its top cell 6, out of play, so it never blinks.
    {"KRunAtThreeWaysBesideAnOutOfPlayWild", 1, {1, 2, 10, 1, 1}, {{'K', {3, 5, 8}}}, "KK-KK----KK-KK-KK-KK----K"},
    // Drum's run of two blinks reels 1 and 2 only, not its Drums on reels 4 and 5 (cells 12, 13).
    {"DrumRunOfTwo", 5, {2, 3, 3, 1, 1}, {{'D', {3, 4}}}, "DD-DD----DD-DD-DD-DD----D"},
    // The Drum pair has cleared the flag of reel 4's Wild (cell 10), which then blinks with the
    // J run of four it completes; the reel-2 Wild in cell 5 keeps its flag and is left alone.
    {"ReelFourWildClearedByADrumPairBlinksWithJ", 5, {2, 1, 13, 9, 1}, {{'J', {1, 8, 10}}, {'D', {3}}},
     "JJ-JJ-JJ-DD-DD-JJ-JJ-DD-DD----J"},
};

INSTANTIATE_TEST_SUITE_P(Spins, WinFlashPattern, ::testing::ValuesIn(kBlinkCases),
                         [](const ::testing::TestParamInfo<BlinkCase> &param) { return std::string(param.param.name); });

// ---- state set up directly

TEST_F(WinFlash, ScatterOnlyWinShowsNothingButHidesEveryCellWithoutAWildEveryThirdTick)
{
    m.spinwin = 50; // paid by Scatters alone: no symbol carries a win mark
    m.spin.wildcell[5] = 1;
    m.Timerflash.start();

    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        // As the Scatter and Wild animations leave them: every box shown.
        for (int c = 1; c <= kCells; ++c)
            m.flasher[static_cast<std::size_t>(c)].show();
        for (int tick = 0; tick < 2; ++tick) {
            host.advance(kTickMs);
            for (int c = 1; c <= kCells; ++c)
                EXPECT_TRUE(m.flasher[static_cast<std::size_t>(c)].visible()) << "cell " << c;
        }
        host.advance(kTickMs);
        for (int c = 1; c <= kCells; ++c)
            EXPECT_EQ(m.flasher[static_cast<std::size_t>(c)].visible(), c == 5) << "cell " << c;
    }
}

TEST_F(WinFlash, CellWithAWildIsNeverShownNorHiddenEvenInsideTheWinningRun)
{
    // K over reels 1-4, two ways on reel 2 through the Wild of cell 5.
    markWin(Symbol::K, {3, 4, 9, 10});
    m.spin.table(Symbol::K)[5] = wildValue(2);
    m.spin.table(Symbol::K)[kSignatureEntry] += wildValue(2);
    m.spin.wildcell[5] = 1;
    m.spinwin = 80;

    for (const bool shownBefore : {false, true}) {
        SCOPED_TRACE(shownBefore);
        m.flasher[5].setVisible(shownBefore);
        bool kCovered = false;
        for (int tick = 0; tick < 12; ++tick) {
            m.tickTimerflash();
            kCovered = kCovered || m.flasher[3].visible();
            EXPECT_EQ(m.flasher[5].visible(), shownBefore) << "tick " << tick + 1;
        }
        EXPECT_TRUE(kCovered);
    }
}

TEST_F(WinFlash, NextWinStartsBlinkingWhereThePreviousPresentationStopped)
{
    const struct {
        std::int16_t phase;
        std::string pattern;
    } cases[] = {
        {14, "QQ-QQ----JJ-JJ-QQ-"}, // stopped in Cello's block: Q is the next winner
        {3, "JJ-QQ-QQ----JJ-"},     // inside J's block: J gets only what is left of it
        {22, "QQ-QQ-JJ-JJ-QQ-"},    // inside Q's block
        {30, "---JJ-JJ-"},          // in Harp's block: the wrap past Composer comes first
        {37, "JJ-JJ-QQ-QQ----"},    // just past Composer's block: J gets a whole block again
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.phase);
        m.spin.reset();
        for (int cell = 1; cell <= kCells; ++cell)
            m.flasher[static_cast<std::size_t>(cell)].hide();
        markWin(Symbol::J, {2, 5, 8});
        markWin(Symbol::Q, {1, 4, 9, 11});
        m.flashphase = c.phase;
        m.flashstep = 0;
        m.spinwin = 30;
        m.Timerflash.start();

        EXPECT_EQ(blinkPattern(static_cast<int>(c.pattern.size()), {{'J', {2, 5, 8}}, {'Q', {1, 4, 9, 11}}}),
                  c.pattern);
        m.Timerflash.stop();
    }
}

TEST_F(WinFlash, EveryTickAddsOneToAutoticksUpTo32767)
{
    const struct {
        std::int16_t before;
        int ticks;
        std::int16_t after;
    } cases[] = {
        {0, 3, 3}, // the resting tick counts too
        {79, 1, 80},
        {32766, 1, 32767},
        {32767, 1, 32767},
        {32765, 3, 32767},
    };
    markWin(Symbol::J, {2, 5, 8});
    for (const auto &c : cases) {
        SCOPED_TRACE(c.before);
        m.autoticks = c.before;
        for (int i = 0; i < c.ticks; ++i)
            m.tickTimerflash();
        EXPECT_EQ(m.autoticks, c.after);
    }
}

} // namespace
} // namespace melvane
