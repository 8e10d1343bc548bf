#pragma once

#include <cstdint>
#include <functional>

namespace melvane {

struct SimulationRequest {
    std::uint64_t spins = 0; // paid spins (games); a bonus belongs to the game that started it
    int waysmult = 25;
    int machinepay = 5;
    std::uint64_t seed = 0;
    unsigned threads = 0; // 0: one per core
    // Called now and then from the calling thread with the number of games played so far.
    std::function<void(std::uint64_t)> progress;
};

// Sums over the games played, in pay units (coins per coin of the coin bet).
struct SimulationTotals {
    std::uint64_t games = 0, hits = 0, bonuses = 0, freeSpins = 0;
    std::uint64_t paidDraws = 0, paidDiscards = 0, freeDraws = 0, freeDiscards = 0;
    long double baseSum = 0, baseSquares = 0;
    long double bonusSum = 0, bonusSquares = 0;
    long double totalSquares = 0;
    long double totalCubes = 0, totalFourths = 0; // for the spread of the standard deviation
    long double freeSpinSquares = 0; // per bonus

    void add(const SimulationTotals &o);
};

// Plays the requested number of paid spins by the machine's rules: five stops, the Wild
// multiplier in free spins, the payout control with its redraws, free-spin retriggers.
// The games are played in fixed blocks, each with its own generator seeded from the seed and
// the block's number, so the same seed gives the same totals on any number of threads.
SimulationTotals simulate(const SimulationRequest &request);

struct Estimate {
    double value = 0;
    double low = 0; // 95% confidence interval
    double high = 0;
};

struct SimulationFigures {
    Estimate baseReturn, bonusReturn, totalReturn, hitFrequency, bonusProbability, spinsPerBonus;
    Estimate discardedBase, discardedFree;
    // Of a paid spin's return with its whole bonus, in stakes. Its interval is the delta
    // method's: the sample variance is asymptotically normal with variance (mu4 - sigma^4) / n,
    // mu4 the fourth central moment, and the standard deviation's is that / (2 sigma)^2.
    Estimate standardDeviation;
};

SimulationFigures summarize(const SimulationTotals &totals, int waysmult);

} // namespace melvane
