#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "rules/outcometable.h"

namespace melvane {

// How often each outcome occurs over the full cycle of 22^5 stop sets of one ways setting:
// counts by free spins added (none, 11, 21, 31) and by win in pay units.
struct OutcomeDistribution {
    static constexpr std::array<int, 4> kFreeSpinClasses = {0, 11, 21, 31};

    int waysmult = 0;
    std::array<std::vector<std::uint64_t>, 4> counts; // [class][units]
    std::uint64_t cycle = 0;                          // 22^5

    static int classOf(int freeSpinsAdded);
};

OutcomeDistribution enumerateOutcomes(const OutcomeTable &table);

// The exact figures of one ways setting under one payout setting. Returns are shares of the
// stake; the bonus costs one stake with its triggering spin (it is one game).
struct RtpFigures {
    int ways = 0;
    int waysmult = 0;
    int machinepay = 0;
    double baseReturn = 0;       // paid spins, triggering spins' own wins included
    double bonusReturn = 0;      // the free spins
    double totalReturn = 0;
    double hitFrequency = 0;     // share of paid spins that win
    double bonusProbability = 0; // share of paid spins that start a bonus
    double spinsPerBonus = 0;    // free spins per bonus, retriggers included
    double freeSpinMeanWin = 0;  // mean win of a free spin, in stakes
    double retriggerSpins = 0;   // expected free spins added by one free spin
    double discardedBase = 0;    // share of paid-spin draws the payout control discards
    double discardedFree = 0;    // share of free-spin draws it discards
};

// Wild multiplier probabilities in free spins, from the multiplier draw: {multiplier, chance}.
std::vector<std::pair<int, double>> wildMultiplierDistribution();

RtpFigures exactRtp(const OutcomeDistribution &distribution, int machinepay);

// Every ways setting (3..243) under every payout setting (5, 3, 2), in that order.
std::vector<RtpFigures> exactRtpTable();

} // namespace melvane
