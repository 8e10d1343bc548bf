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
    // Counts `count` stop sets with this outcome.
    void add(const Outcome &o, std::uint64_t count);
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

// One outcome as the player sees it, with its chance: the win in pay units (the Wild
// multiplier applied in a free spin) and the spins it adds (0, 11, 21 or 31).
struct ShownOutcome {
    std::int64_t units = 0;
    int freeSpinsAdded = 0;
    long double chance = 0;
};

// The outcomes of a paid spin and of a free spin after the payout control: an outcome above
// twice the stake keeps weight 1 / machinepay and the discarded mass is drawn again, so the
// chances are the reweighted cycle, renormalised. In a free spin the multiplier comes first.
struct ShownSpins {
    int waysmult = 0;
    int machinepay = 0;
    std::vector<ShownOutcome> paid; // chances sum to 1
    std::vector<ShownOutcome> free; // chances sum to 1
    long double paidKept = 0;       // share of paid-spin draws that stand
    long double freeKept = 0;
};

ShownSpins shownSpins(const OutcomeDistribution &distribution, int machinepay);

RtpFigures exactRtp(const OutcomeDistribution &distribution, int machinepay);
// The same figures from outcomes already shown.
RtpFigures exactRtp(const ShownSpins &shown);

// Every ways setting (3..243) under every payout setting (5, 3, 2), in that order.
std::vector<RtpFigures> exactRtpTable();

} // namespace melvane
