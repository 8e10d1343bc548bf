#pragma once

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "rules/reelstrips.h"
#include "rules/symbols.h"

namespace melvane {

// What one set of stops is worth to the mathematics, independent of the coin bet: the win in
// pay units (coins per coin of the coin bet, scatter pays included) and the free spins it adds.
struct Outcome {
    std::int32_t units = 0;
    int freeSpinsAdded = 0; // 0, 11, 21 or 31
    friend bool operator==(const Outcome &, const Outcome &) = default;
};

// One part of an outcome's win: a paying symbol's run (2..5 reels), or the Scatters paid
// (`symbol` Scatter, `run` the number of Scatters, 3..5), in pay units.
struct PayLine {
    Symbol symbol = Symbol::Composer;
    int run = 0;
    std::int32_t units = 0;
};

// The pay lines of one outcome: at most one per paying symbol, and the Scatters.
struct PayLines {
    std::array<PayLine, kPayingCount + 1> lines{};
    int count = 0;
    void add(Symbol s, int run, std::int32_t units)
    {
        if (units != 0)
            lines[static_cast<std::size_t>(count++)] = {s, run, units};
    }
    const PayLine *begin() const { return lines.data(); }
    const PayLine *end() const { return lines.data() + count; }
};

// A fast evaluator for one ways setting, built reel by reel from the ways rule and the scatter
// rules. Reels 1-3 fix most of a window's worth: for each of their 10,648 stop sets it keeps
// what reels 4 and 5 cannot change and the few symbols whose run is still open.
class OutcomeTable {
public:
    explicit OutcomeTable(int waysmult);

    int waysmult() const { return waysmult_; }

    // The outcome of five stops (each 1..22).
    Outcome at(const Stops &stops) const { return at(stops[0], stops[1], stops[2], stops[3], stops[4]); }
    Outcome at(int s1, int s2, int s3, int s4, int s5) const
    {
        const Prefix &p = prefixes_[prefixIndex(s1, s2, s3)];
        if (p.liveCount == 0 && !p.scatterLive)
            return {p.fixedUnits, 0};
        return complete(p, s4, s5, NoLines{});
    }

    // The outcome of five stops with the pay lines that make up its win.
    Outcome at(const Stops &stops, PayLines &lines) const
    {
        const Prefix &p = prefixes_[prefixIndex(stops[0], stops[1], stops[2])];
        addFixedLines(p, lines);
        return complete(p, stops[3], stops[4], lines);
    }

    // Calls visit(outcome, count) for every one of the 22^5 stop sets, grouping the stop sets
    // whose reels 4 and 5 make no difference into one call.
    template <typename Visit>
    void forEachOutcome(Visit &&visit) const
    {
        constexpr std::uint64_t kSuffixes = kStops * kStops;
        for (const Prefix &p : prefixes_) {
            if (p.liveCount == 0 && !p.scatterLive) {
                visit(Outcome{p.fixedUnits, 0}, kSuffixes);
                continue;
            }
            for (int s4 = 1; s4 <= kStops; ++s4)
                for (int s5 = 1; s5 <= kStops; ++s5)
                    visit(complete(p, s4, s5, NoLines{}), std::uint64_t{1});
        }
    }

    // As forEachOutcome, and hands each call the pay lines: visit(outcome, count, lines).
    template <typename Visit>
    void forEachOutcomeWithLines(Visit &&visit) const
    {
        constexpr std::uint64_t kSuffixes = kStops * kStops;
        for (const Prefix &p : prefixes_) {
            PayLines fixed;
            addFixedLines(p, fixed);
            if (p.liveCount == 0 && !p.scatterLive) {
                visit(Outcome{p.fixedUnits, 0}, kSuffixes, std::as_const(fixed));
                continue;
            }
            for (int s4 = 1; s4 <= kStops; ++s4) {
                for (int s5 = 1; s5 <= kStops; ++s5) {
                    PayLines lines = fixed;
                    const Outcome o = complete(p, s4, s5, lines);
                    visit(o, std::uint64_t{1}, std::as_const(lines));
                }
            }
        }
    }

private:
    struct ReelStop {
        std::array<std::uint8_t, kPayingCount> hits{};
        std::uint8_t scatterWeight = 0; // what the reel adds to the scatter code
    };
    struct Prefix {
        std::int32_t fixedUnits = 0;    // pays that reels 4 and 5 cannot change
        std::uint8_t liveCount = 0;     // symbols with a run over reels 1-3
        std::array<std::uint8_t, 3> liveSymbol{};
        std::array<std::uint8_t, 3> liveWays{};
        std::uint8_t scatterCode = 0;   // code of reels 1-3
        bool scatterLive = false;       // some choice of reels 4 and 5 makes the Scatters pay
        std::uint8_t fixedCount = 0;    // the pays in fixedUnits, as lines kept apart
        std::uint32_t fixedFirst = 0;
    };
    struct FixedLine {
        Symbol symbol;
        int run;
        std::int32_t units;
    };

    static std::size_t prefixIndex(int s1, int s2, int s3)
    {
        return static_cast<std::size_t>(((s1 - 1) * kStops + (s2 - 1)) * kStops + (s3 - 1));
    }
    const ReelStop &reel(int r, int stop) const
    {
        return reels_[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(stop - 1)];
    }

    // Receives no pay lines: the plain evaluation pays nothing for the bookkeeping.
    struct NoLines {
        void add(Symbol, int, std::int32_t) {}
    };

    // Reels 4 and 5 complete a prefix; `lines` is told every pay that they decide.
    template <typename Lines>
    Outcome complete(const Prefix &p, int s4, int s5, Lines &&lines) const
    {
        const ReelStop &r4 = reel(4, s4);
        const ReelStop &r5 = reel(5, s5);
        std::int32_t units = p.fixedUnits;
        for (int k = 0; k < p.liveCount; ++k) {
            const std::size_t s = p.liveSymbol[static_cast<std::size_t>(k)];
            const std::int32_t ways = p.liveWays[static_cast<std::size_t>(k)];
            const auto &pay = pays_[s];
            int run = 5;
            std::int32_t won = 0;
            if (r4.hits[s] == 0) {
                run = 3;
                won = pay[3] * ways;
            } else if (r5.hits[s] == 0) {
                run = 4;
                won = pay[4] * ways * r4.hits[s];
            } else {
                won = pay[5] * ways * r4.hits[s] * r5.hits[s];
            }
            units += won;
            lines.add(static_cast<Symbol>(s), run, won);
        }
        const auto code = static_cast<std::size_t>(p.scatterCode + r4.scatterWeight + r5.scatterWeight);
        lines.add(Symbol::Scatter, scattersPaidByCode_[code], scatterUnitsByCode_[code]);
        return {units + scatterUnitsByCode_[code], freeSpinsByCode_[code]};
    }

    // The pays of a prefix that reels 4 and 5 cannot change (Drum's run of two).
    void addFixedLines(const Prefix &p, PayLines &lines) const
    {
        for (int k = 0; k < p.fixedCount; ++k) {
            const FixedLine &f = fixedLines_[std::size_t{p.fixedFirst} + static_cast<std::size_t>(k)];
            lines.add(f.symbol, f.run, f.units);
        }
    }

    int waysmult_;
    std::array<std::array<ReelStop, kStops>, kReels> reels_{};
    std::vector<Prefix> prefixes_;
    std::array<std::array<std::int32_t, 6>, kPayingCount> pays_{}; // base pay by run 0..5
    std::array<std::int32_t, 64> scatterUnitsByCode_{};
    std::array<std::uint8_t, 64> freeSpinsByCode_{};
    std::array<std::uint8_t, 64> scattersPaidByCode_{};
    std::vector<FixedLine> fixedLines_;
};

} // namespace melvane
