#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "rules/cappedseries.h"
#include "rules/outcometable.h"
#include "rules/returntoplayer.h"

namespace melvane {

// The pays of a whole cycle by symbol and run, kept apart by how the payout control treats the
// outcome they belong to: by how many of the win's multiples 1, 2, 3, 5 and 10 (a paid spin
// and the free-spin multipliers) pass twice the stake.
class PayBreakdown {
public:
    static constexpr int kLimitClasses = 6;

    explicit PayBreakdown(int waysmult = 0);

    // Counts `count` stop sets whose win is `units`, made of `lines`.
    void add(std::int64_t units, std::uint64_t count, const PayLines &lines);

    int waysmult() const { return waysmult_; }
    // The multiples that can pass the limit: 1 and the Wild multipliers, smallest first.
    const std::vector<int> &factors() const { return factors_; }
    // How many of the factors take a win of `units` above twice the stake (the largest ones).
    int limitClassOf(std::int64_t units) const;
    // Sum of count x units of the lines of (symbol, run) in outcomes of one limit class.
    std::uint64_t units(int limitClass, Symbol s, int run) const;

private:
    static constexpr int kSymbols = kPayingCount + 1; // the paying symbols and the Scatter
    static constexpr int kRuns = 4;                   // runs 2..5

    int waysmult_;
    std::vector<int> factors_;
    std::array<std::array<std::array<std::uint64_t, kRuns>, kSymbols>, kLimitClasses> sums_{};
};

// One ways setting's whole cycle, as the exact figures need it.
struct Cycle {
    OutcomeDistribution outcomes;
    PayBreakdown pays;

    void add(const Outcome &o, std::uint64_t count, const PayLines &lines);
};

Cycle enumerateCycle(const OutcomeTable &table);

// The range that 9 in 10 sessions' returns fall in, as shares of the stakes.
struct SessionRange {
    std::uint64_t spins = 0;
    double low = 0;
    double high = 0;
};

inline constexpr std::array<std::uint64_t, 4> kSessionSpins = {100, 1'000, 10'000, 100'000};

// How widely the return of one paid spin, with the whole bonus it may start, is spread.
struct Volatility {
    double totalReturn = 0;
    double standardDeviation = 0; // in stakes
    double volatilityIndex = 0;   // 1.645 x the standard deviation
    std::array<SessionRange, kSessionSpins.size()> sessions{};
};

// The volatility from the first two moments of a paid spin and of its bonus.
Volatility volatilityOf(const ShownSpins &shown);

// The word for a volatility index: "low" below 5, "medium" below 10, "high" below 20, then
// "very high".
std::string_view volatilityWord(double volatilityIndex);

// A band of wins of a paid spin, in stakes: low < win <= high (the first band is a win of 0,
// the last has no top). Chances are per paid spin; returns are shares of the stake.
struct WinBand {
    double low = 0;
    double high = 0; // infinity for the last band
    double baseChance = 0;  // paid spins that start no bonus
    double bonusChance = 0; // paid spins that start one, with the whole bonus
    double baseReturn = 0;
    double bonusReturn = 0;

    double chance() const { return baseChance + bonusChance; }
    double returned() const { return baseReturn + bonusReturn; }
    // The expected number of paid spins until a win of this band: 1 / chance.
    double waitSpins() const;
};

// The edges of the bands, in stakes: 0, then up to 1, 2, 5, 10, 50, 100, 500, then above.
inline constexpr std::array<int, 8> kBandEdges = {0, 1, 2, 5, 10, 50, 100, 500};

// What a symbol's run (or the Scatters paid, run = their number) brings to the return, in
// paid spins and in the free spins of the bonuses they start; shares of the stake.
struct PayContribution {
    Symbol symbol = Symbol::Composer;
    int run = 0;
    double paidSpins = 0;
    double freeSpins = 0;
    double total() const { return paidSpins + freeSpins; }
};

// The full figures of one ways and payout setting, exact from the full cycle.
struct ParSheet {
    RtpFigures rtp;
    Volatility volatility;
    double baseStandardDeviation = 0; // a paid spin's own win, bonus left out, in stakes
    double bonusRoundMean = 0;        // a paid spin that starts a bonus, its own win included
    double bonusRoundStandardDeviation = 0;
    std::vector<WinBand> bands;
    // The most that any band's chance may lack because retriggers deeper than those followed
    // are left out (rounding aside).
    double bandTruncation = 0;
    std::vector<PayContribution> contributions; // every symbol and run that pays, then the Scatters
};

ParSheet parSheet(const Cycle &cycle, int machinepay);

// The law of the win of a paid spin that starts a bonus, the whole bonus included, in pay units
// up to `cap`: chances per paid spin (they add up to the chance of a bonus). Exact up to
// rounding but for at most `lacking` of the chance, the retriggers deeper than followed.
struct BonusRoundLaw {
    CappedSeries chance;
    double lacking = 0;
};
BonusRoundLaw bonusRoundLaw(const ShownSpins &shown, std::size_t cap);

// Every ways setting under every payout setting, in the order of exactRtpTable().
std::vector<ParSheet> parSheetTable();
// The volatility alone of every setting, in the same order: quick, for the pay-table window.
std::vector<Volatility> volatilityTable();

} // namespace melvane
