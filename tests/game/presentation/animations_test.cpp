// The Wild note and badge animation and the Scatter clef animation on the virtual clock.
#include <array>
#include <set>
#include <vector>

#include <gtest/gtest.h>

#include "support/gamefixture.h"

namespace melvane {
namespace {

using testing_support::GameFixture;

constexpr int kTickMs = 100;
constexpr Picture kCover{ImageList::ImageList3, 27, 0}; // the music sheet, by its index

constexpr Stops kKRunOfFourWithWildInCell5 = {1, 1, 9, 4, 4}; // K pays 80 through the Wild of cell 5
constexpr Stops kLosingWithWildInCell12 = {1, 3, 1, 11, 1};   // no pay, reel 4's Wild in cell 12
constexpr Stops kThreeScattersWithWildInCell5 = {1, 1, 1, 1, 1}; // Scatters 1 and 3, Wild on reel 2: pays 2 x stake
constexpr Stops kFiveScatters = {1, 1, 1, 5, 7};               // Scatters in 1, 7, 10, 15, reel 2's Wild in 5
constexpr Stops kScattersOnReels1235 = {1, 1, 1, 1, 7};        // Scatters in 1, 7, 15, reel 2's Wild in 5

class Animations : public GameFixture {
protected:
    const PictureBox &box(int cell) const { return m.flasher[static_cast<std::size_t>(cell)]; }

    // A free-spin round in progress after a spin that won.
    void enterRound()
    {
        m.freespins = 11;
        m.freespinsdone = 2;
        m.spinwin = 30;
    }
};

// ---- the Wild

TEST_F(Animations, WildNoteTurnsThroughPicturesOneToTenOnePerTickAfterAWin)
{
    spinWith(kKRunOfFourWithWildInCell5);
    ASSERT_TRUE(m.timerballflash.enabled());

    const std::vector<int> expected = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2};
    std::vector<int> shown;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        host.advance(kTickMs);
        // The winning-cell flashing runs beside it and must never uncover the Wild.
        EXPECT_TRUE(box(5).visible()) << "tick " << i + 1;
        EXPECT_EQ(box(5).picture().list, ImageList::ImageList3);
        EXPECT_EQ(box(5).picture().overlay, 0) << "no badge outside a free-spin round";
        shown.push_back(box(5).picture().index);
    }
    EXPECT_EQ(shown, expected);
}

TEST_F(Animations, WildAfterASpinWithoutAWinIsLeftUntouched)
{
    spinWith(kLosingWithWildInCell12);
    ASSERT_EQ(m.spinwin, 0);
    ASSERT_TRUE(m.timerballflash.enabled());

    host.advance(5 * kTickMs);

    EXPECT_EQ(m.timerballflash.ticks(), 5U);
    EXPECT_FALSE(box(12).visible());
    EXPECT_EQ(box(12).picture(), kCover);
    EXPECT_EQ(m.wildframeticks, 0);
}

TEST_F(Animations, BadgeSparklesThroughTheFourFramesOfTheMultiplierOverTheTurningNote)
{
    const struct {
        std::int16_t wildmult;
        std::int16_t wildframe; // as the multiplier draw (or a paid spin start) left it
        std::vector<int> badges;
    } cases[] = {
        {2, 14, {11, 12, 13, 14, 11, 12}},
        {3, 18, {15, 16, 17, 18, 15, 16}},
        {5, 22, {19, 20, 21, 22, 19, 20}},
        {10, 26, {23, 24, 25, 26, 23, 24}},
        {0, 0, {3, 3, 3, 3, 3, 3}},           // no multiplier drawn yet since the program started
        {5, 16, {17, 18, 19, 20, 21, 22, 19}}, // below the sparkle frames it climbs until it passes the top
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.wildmult);
        enterRound();
        m.spin.wildcell[5] = 1;
        m.spin.wildcell[11] = 1;
        m.wildmult = c.wildmult;
        m.wildframe = c.wildframe;
        m.wildframeticks = 0;
        for (std::size_t i = 0; i < c.badges.size(); ++i) {
            m.tickTimerballflash();
            const Picture expected{ImageList::ImageList3, static_cast<int>(i) + 1, c.badges[i]};
            EXPECT_EQ(box(5).picture(), expected) << "tick " << i + 1;
            EXPECT_EQ(box(11).picture(), expected) << "tick " << i + 1;
            EXPECT_TRUE(box(5).visible());
            EXPECT_TRUE(box(11).visible());
        }
        EXPECT_FALSE(box(4).visible()) << "a cell without a Wild is not drawn on";
        EXPECT_EQ(box(4).picture(), kCover);
    }
}

TEST_F(Animations, TriggeringSpinShowsTheNoteWithoutABadgeUntilItHasBeenCounted)
{
    // During the award of a round's first spins: spins awarded, none counted yet.
    m.freespins = 11;
    m.freespinsdone = 0;
    m.spinwin = 50;
    m.wildmult = 5;
    m.wildframe = 22;
    m.spin.wildcell[5] = 1;

    for (int i = 1; i <= 3; ++i) {
        m.tickTimerballflash();
        EXPECT_EQ(box(5).picture(), (Picture{ImageList::ImageList3, i, 0}));
    }
    EXPECT_EQ(m.wildframe, 22) << "the badge frame waits for the round";
}

TEST_F(Animations, FreeSpinWithMultiplierFiveShowsTheX5BadgeFrames)
{
    enterRound();
    m.autoticks = 0; // keep the next free spin from starting while we watch
    m.respinflag = 1;
    m.wildframeticks = 0;
    queueSpin(kKRunOfFourWithWildInCell5, 1, 3); // multiplier draw 3: x5, badge from picture 22
    m.play[1].press();
    ASSERT_EQ(m.wildmult, 5);
    ASSERT_GT(m.spinwin, 0);

    std::vector<int> badges;
    for (int i = 0; i < 5; ++i) {
        host.advance(kTickMs);
        EXPECT_EQ(box(5).picture().index, i + 1);
        badges.push_back(box(5).picture().overlay);
    }
    EXPECT_EQ(badges, (std::vector<int>{19, 20, 21, 22, 19}));
}

TEST_F(Animations, FirstRoundSinceStartUpShowsBadgePictureThreeBeforeAnyMultiplierIsDrawn)
{
    // Three Scatters with the Wild of cell 5 start the first round; the triggering spin draws
    // no multiplier, so once it is counted the badge has no frames of its own.
    spinWith(kThreeScattersWithWildInCell5);
    ASSERT_EQ(m.freespinsdone, 1);
    ASSERT_EQ(m.wildmult, 0);
    m.autoticks = 0; // before the next spin

    for (int i = 0; i < 4; ++i) {
        host.advance(kTickMs);
        EXPECT_EQ(box(5).picture().list, ImageList::ImageList3);
        EXPECT_EQ(box(5).picture().overlay, 3) << "tick " << i + 1;
        EXPECT_TRUE(box(5).visible());
    }
}

// ---- the Scatter

TEST_F(Animations, ScatterShowsPictureOneOnlyOnceThenRunsPicturesTwoToSeventeen)
{
    m.spin.scattercell[1] = 2;
    m.scatterpaid = {false, true, true, true, false, false};
    const std::vector<int> expected = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17,
                                       2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 2, 3};
    std::vector<int> shown;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        m.tickTimerscatter();
        EXPECT_EQ(box(2).picture().list, ImageList::ImageList1);
        shown.push_back(box(2).picture().index);
    }
    EXPECT_EQ(shown, expected);
}

TEST_F(Animations, OnlyTheScattersOfThePaidRunAnimate)
{
    const struct {
        const char *what;
        std::array<std::int16_t, 6> scattercell; // by reel 1..5
        std::set<int> paid;                      // reels whose scatterpaid flag is set
        std::set<int> animated;
    } cases[] = {
        {"run of three with a Scatter on reel 5", {0, 1, 6, 7, 0, 15}, {1, 2, 3}, {1, 6, 7}},
        {"run of four", {0, 3, 4, 9, 12, 0}, {1, 2, 3, 4}, {3, 4, 9, 12}},
        {"run of five", {0, 2, 5, 8, 11, 14}, {1, 2, 3, 4, 5}, {2, 5, 8, 11, 14}},
        {"run of three through reel 2's Wild", {0, 1, 0, 7, 0, 0}, {1, 2, 3}, {1, 7}},
        {"a cell that is not on its reel is ignored", {0, 1, 4, 2, 0, 0}, {1, 2, 3}, {1, 4}},
        {"reels 1 and 2 need no flag of their own", {0, 1, 4, 7, 0, 0}, {}, {1, 4}},
        {"a later reel needs the flags of every reel before it", {0, 1, 4, 7, 0, 15}, {1, 2, 3, 5}, {1, 4, 7}},
    };
    constexpr Picture kClefFrame5{ImageList::ImageList1, 5, 0};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        for (int cell = 1; cell <= kCells; ++cell) {
            m.flasher[static_cast<std::size_t>(cell)].hide();
            m.flasher[static_cast<std::size_t>(cell)].setPicture(kCover);
        }
        m.scatterframe = 4; // this tick shows the fifth clef picture
        for (int r = 1; r <= kReels; ++r) {
            m.spin.scattercell[static_cast<std::size_t>(r)] = c.scattercell[static_cast<std::size_t>(r)];
            m.scatterpaid[static_cast<std::size_t>(r)] = c.paid.count(r) > 0;
        }

        m.tickTimerscatter();

        for (int cell = 1; cell <= kCells; ++cell) {
            const bool animated = c.animated.count(cell) > 0;
            EXPECT_EQ(box(cell).visible(), animated) << "cell " << cell;
            const Picture expected = animated ? kClefFrame5 : kCover;
            EXPECT_EQ(box(cell).picture(), expected) << "cell " << cell;
        }
    }
}

TEST_F(Animations, ReelFiveScatterAfterARunOfThreeStaysStillEvenAfterAnEarlierRunOfFive)
{
    spinWith(kFiveScatters); // pays five Scatters and starts a round
    ASSERT_TRUE(m.Timerscatter.enabled());
    ASSERT_EQ(box(15).picture().list, ImageList::ImageList1) << "the reel-5 Scatter of the run of five animates";

    // The next free spin shows Scatters on reels 1, 2 (the Wild), 3 and 5: paid as three.
    host.queueDraw(2, 1); // the round's music
    queueSpin(kScattersOnReels1235, 1, 20);
    m.autoticks = 61;
    const int spinsBefore = m.freespinsdone;
    host.advanceUntil([&] { return m.freespinsdone > spinsBefore; }, 20 * kTickMs);
    ASSERT_EQ(m.freespinsdone, spinsBefore + 1);
    ASSERT_EQ(m.reelstop[5], kScattersOnReels1235[4]);
    ASSERT_EQ(m.spin.scattercell[5], 15);
    // The Scatters have animated through the whole 12-second award of the retrigger.

    EXPECT_EQ(box(1).picture().list, ImageList::ImageList1);
    EXPECT_EQ(box(7).picture().list, ImageList::ImageList1);
    EXPECT_EQ(box(15).picture(), kCover);
    EXPECT_FALSE(box(15).visible());
}

} // namespace
} // namespace melvane
