#include "rules/parsheet.h"

#include <cmath>
#include <numeric>
#include <random>

#include <gtest/gtest.h>

#include "rules/cappedseries.h"
#include "rules/grid.h"
#include "rules/payoutcontrol.h"

namespace melvane {
namespace {

const std::vector<ParSheet> &everySetting()
{
    static const std::vector<ParSheet> table = parSheetTable();
    return table;
}

std::string settingName(const ParSheet &s)
{
    return std::to_string(s.rtp.ways) + " ways, payout " + std::to_string(s.rtp.machinepay);
}

TEST(ParSheet, ContributionsAddUpToTheExactReturnOfEverySetting)
{
    const std::vector<RtpFigures> rtp = exactRtpTable();
    const std::vector<ParSheet> &table = everySetting();
    ASSERT_EQ(table.size(), rtp.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        SCOPED_TRACE(settingName(table[i]));
        double paid = 0, free = 0;
        for (const PayContribution &c : table[i].contributions) {
            EXPECT_GE(c.paidSpins, 0.0);
            EXPECT_GE(c.freeSpins, 0.0);
            paid += c.paidSpins;
            free += c.freeSpins;
        }
        EXPECT_NEAR(paid, rtp[i].baseReturn, 1e-12);
        EXPECT_NEAR(free, rtp[i].bonusReturn, 1e-12);
        EXPECT_NEAR(paid + free, rtp[i].totalReturn, 1e-12);
        // The moments' route to the mean return is a third one.
        EXPECT_NEAR(table[i].volatility.totalReturn, rtp[i].totalReturn, 1e-12);
    }
}

TEST(ParSheet, BandChancesAddUpToOneAndTheBonusBandsToTheBonusChance)
{
    for (const ParSheet &s : everySetting()) {
        SCOPED_TRACE(settingName(s));
        ASSERT_EQ(s.bands.size(), kBandEdges.size() + 1);
        double chance = 0, bonus = 0, returned = 0;
        for (const WinBand &b : s.bands) {
            EXPECT_GE(b.baseChance, 0.0);
            EXPECT_GE(b.bonusChance, 0.0);
            chance += b.chance();
            bonus += b.bonusChance;
            returned += b.returned();
        }
        EXPECT_NEAR(chance, 1.0, 1e-12);
        // The bonus bands come from the convolved free-spin trees, the trigger chance from the
        // shown paid spins alone.
        EXPECT_NEAR(bonus, s.rtp.bonusProbability, 1e-12);
        EXPECT_NEAR(returned, s.rtp.totalReturn, 1e-9);
        EXPECT_LT(s.bandTruncation, 1e-13);
        // A bonus pays at least its Scatters' twice the stake, so no bonus is in the lowest bands.
        EXPECT_EQ(s.bands[0].bonusChance, 0.0);
        EXPECT_EQ(s.bands[1].bonusChance, 0.0);
        EXPECT_NEAR(s.bands[0].baseChance, 1 - s.rtp.hitFrequency, 1e-12);
        EXPECT_DOUBLE_EQ(s.bands[3].waitSpins(), 1 / s.bands[3].chance());
    }
}

// The law of a bonus round, by generating functions, against its mean and spread, by the
// moments' fixed point: with a cap far above any likely round, the two routes must agree.
TEST(ParSheet, TheBonusRoundLawHasTheMomentsOfTheBranchingProcess)
{
    for (const auto &[waysmult, machinepay] : {std::pair{1, 2}, std::pair{3, 3}}) {
        SCOPED_TRACE(waysmult);
        const Cycle cycle = enumerateCycle(OutcomeTable(waysmult));
        const ParSheet sheet = parSheet(cycle, machinepay);
        const BonusRoundLaw law = bonusRoundLaw(shownSpins(cycle.outcomes, machinepay), 20'000 * std::size_t(waysmult));
        long double chance = 0, mean = 0, square = 0;
        for (std::size_t t = 0; t < law.chance.chance.size(); ++t) {
            const long double stakes = static_cast<long double>(t) / waysmult;
            chance += law.chance.chance[t];
            mean += law.chance.chance[t] * stakes;
            square += law.chance.chance[t] * stakes * stakes;
        }
        EXPECT_LT(law.chance.over, 1e-8 * sheet.rtp.bonusProbability);
        EXPECT_NEAR(static_cast<double>(chance) + law.chance.over, sheet.rtp.bonusProbability, 1e-14);
        mean /= chance;
        square /= chance;
        // The rounds above the cap are worth at least the cap each.
        EXPECT_GE(sheet.bonusRoundMean, static_cast<double>(mean) + law.chance.over / sheet.rtp.bonusProbability * 20'000);
        EXPECT_NEAR(static_cast<double>(mean), sheet.bonusRoundMean, 1e-6 * sheet.bonusRoundMean);
        EXPECT_NEAR(static_cast<double>(std::sqrt(square - mean * mean)), sheet.bonusRoundStandardDeviation,
                    1e-4 * sheet.bonusRoundStandardDeviation);
    }
}

TEST(ParSheet, VolatilityGrowsWithThePayoutSettingAndSessionsNarrowAsTheyLengthen)
{
    const std::vector<ParSheet> &table = everySetting();
    for (std::size_t i = 0; i < table.size(); ++i) {
        SCOPED_TRACE(settingName(table[i]));
        const Volatility &v = table[i].volatility;
        EXPECT_NEAR(v.volatilityIndex, 1.6448536 * v.standardDeviation, 1e-6);
        // The bonus only adds spread to the paid spin's own win.
        EXPECT_GT(v.standardDeviation, table[i].baseStandardDeviation);
        if (i % 3 != 0) { // more big wins stand under a looser setting
            EXPECT_GT(v.standardDeviation, table[i - 1].volatility.standardDeviation);
        }
        for (std::size_t k = 1; k < v.sessions.size(); ++k) {
            EXPECT_GT(v.sessions[k].low, v.sessions[k - 1].low);
            EXPECT_LT(v.sessions[k].high, v.sessions[k - 1].high);
            EXPECT_NEAR(v.sessions[k].high - v.totalReturn,
                        v.volatilityIndex / std::sqrt(static_cast<double>(kSessionSpins[k])), 1e-12);
        }
    }
}

TEST(ParSheet, VolatilityWordsFollowTheIndex)
{
    const struct {
        double index;
        const char *word;
    } cases[] = {{0.5, "low"}, {4.99, "low"}, {5, "medium"}, {9.9, "medium"}, {10, "high"}, {19.9, "high"},
                 {20, "very high"}, {35, "very high"}};
    for (const auto &c : cases)
        EXPECT_EQ(volatilityWord(c.index), c.word) << c.index;
}

// A cycle of two windows worked by hand: K on reels 1 to 4 with a Wild beside the K of reel 2
// (stops 1,1,9,4,4: a run of 4 with 2 ways, 2 x 40 = 80 units) and a window that pays nothing.
TEST(ParSheet, AHandWorkedCycleOfOneRunAndOneLoss)
{
    const OutcomeTable table(25);
    Cycle cycle{{}, PayBreakdown(25)};
    cycle.outcomes.waysmult = 25;
    PayLines run;
    const Outcome won = table.at(Stops{1, 1, 9, 4, 4}, run);
    ASSERT_EQ(won, (Outcome{80, 0}));
    ASSERT_EQ(run.count, 1);
    EXPECT_EQ(run.lines[0].symbol, Symbol::K);
    EXPECT_EQ(run.lines[0].run, 4);
    cycle.add(won, 1, run);
    PayLines nothing;
    const Outcome lost = table.at(Stops{10, 10, 10, 10, 10}, nothing);
    ASSERT_EQ(lost, (Outcome{0, 0}));
    cycle.add(lost, 1, nothing);

    // 80 units is 3.2 stakes, above twice the stake: under payout 5 it keeps weight 1/5 against
    // the loss's 1, so it is shown 1 time in 6.
    const ParSheet s = parSheet(cycle, 5);
    const double p = 1.0 / 6.0, win = 80.0 / 25.0;
    for (const PayContribution &c : s.contributions) {
        const bool k4 = c.symbol == Symbol::K && c.run == 4;
        EXPECT_NEAR(c.paidSpins, k4 ? p * win : 0.0, 1e-15) << symbolName(c.symbol) << c.run;
        EXPECT_EQ(c.freeSpins, 0.0);
    }
    EXPECT_NEAR(s.rtp.totalReturn, p * win, 1e-15);
    EXPECT_NEAR(s.volatility.standardDeviation, win * std::sqrt(p * (1 - p)), 1e-12);
    EXPECT_NEAR(s.bands[0].baseChance, 1 - p, 1e-15);
    EXPECT_NEAR(s.bands[3].baseChance, p, 1e-15); // 2 to 5 stakes
    EXPECT_NEAR(s.bands[3].waitSpins(), 6.0, 1e-12);
}

// Sums of independent amounts by transform against the plain double sum, with chance above the
// cap on both sides.
TEST(CappedSeries, ConvolutionMatchesTheDirectSumUpToTheCapAndKeepsTheRestAbove)
{
    std::mt19937 random(5);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    for (const std::size_t cap : {std::size_t{0}, std::size_t{7}, std::size_t{300}}) {
        SCOPED_TRACE(cap);
        CappedSeries a(cap), b(cap);
        for (double &c : a.chance)
            c = uniform(random);
        for (double &c : b.chance)
            c = uniform(random) * (uniform(random) < 0.3 ? 0.0 : 1.0);
        a.over = 0.25;
        b.over = 0.5;
        const CappedSeries c = convolve(a, b);
        for (std::size_t t = 0; t <= cap; ++t) {
            double direct = 0;
            for (std::size_t i = 0; i <= t; ++i)
                direct += a.chance[i] * b.chance[t - i];
            EXPECT_NEAR(c.chance[t], direct, 1e-12 * (1 + direct)) << t;
        }
        EXPECT_NEAR(c.total(), a.total() * b.total(), 1e-9 * a.total() * b.total());
    }
}

} // namespace
} // namespace melvane
