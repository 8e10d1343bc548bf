#include "rules/simulation.h"

#include <gtest/gtest.h>

namespace melvane {
namespace {

SimulationTotals run(std::uint64_t seed, unsigned threads, std::uint64_t spins = 600'000)
{
    SimulationRequest r;
    r.spins = spins;
    r.waysmult = 25;
    r.machinepay = 3;
    r.seed = seed;
    r.threads = threads;
    return simulate(r);
}

TEST(Simulation, SameSeedSameTotalsOnAnyNumberOfThreads)
{
    const SimulationTotals one = run(7, 1);
    const SimulationTotals two = run(7, 2);
    EXPECT_EQ(one.games, 600'000u);
    EXPECT_EQ(one.hits, two.hits);
    EXPECT_EQ(one.bonuses, two.bonuses);
    EXPECT_EQ(one.freeSpins, two.freeSpins);
    EXPECT_EQ(one.paidDraws, two.paidDraws);
    EXPECT_EQ(one.baseSum, two.baseSum);
    EXPECT_EQ(one.bonusSum, two.bonusSum);
}

TEST(Simulation, DifferentSeedsPlayDifferentGames)
{
    const SimulationTotals a = run(7, 2);
    const SimulationTotals b = run(8, 2);
    EXPECT_NE(a.baseSum, b.baseSum);
}

TEST(Simulation, EveryDiscardIsRedrawnSoEachGameHasOneStandingPaidDraw)
{
    const SimulationTotals t = run(11, 2);
    EXPECT_EQ(t.paidDraws - t.paidDiscards, t.games);
    EXPECT_EQ(t.freeDraws - t.freeDiscards, t.freeSpins);
    EXPECT_GE(t.freeSpins, 10 * t.bonuses); // a bonus brings at least ten free spins
}

TEST(Simulation, ProgressReachesTheRequestedCount)
{
    SimulationRequest r;
    r.spins = 300'000;
    r.seed = 1;
    std::uint64_t last = 0;
    r.progress = [&last](std::uint64_t done) {
        EXPECT_GE(done, last);
        last = done;
    };
    simulate(r);
    EXPECT_EQ(last, 300'000u);
}

TEST(Simulation, SummaryIntervalsBracketTheirEstimates)
{
    const SimulationFigures f = summarize(run(3, 2), 25);
    for (const Estimate &e : {f.totalReturn, f.baseReturn, f.hitFrequency, f.bonusProbability, f.spinsPerBonus}) {
        EXPECT_LT(e.low, e.value);
        EXPECT_GT(e.high, e.value);
    }
}

} // namespace
} // namespace melvane
