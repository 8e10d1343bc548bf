#pragma once

#include <array>
#include <cstdint>
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
        return complete(p, s4, s5);
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
                    visit(complete(p, s4, s5), std::uint64_t{1});
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
    };

    static std::size_t prefixIndex(int s1, int s2, int s3)
    {
        return static_cast<std::size_t>(((s1 - 1) * kStops + (s2 - 1)) * kStops + (s3 - 1));
    }
    const ReelStop &reel(int r, int stop) const
    {
        return reels_[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(stop - 1)];
    }

    Outcome complete(const Prefix &p, int s4, int s5) const;

    int waysmult_;
    std::array<std::array<ReelStop, kStops>, kReels> reels_{};
    std::vector<Prefix> prefixes_;
    std::array<std::array<std::int32_t, 6>, kPayingCount> pays_{}; // base pay by run 0..5
    std::array<std::int32_t, 64> scatterUnitsByCode_{};
    std::array<std::uint8_t, 64> freeSpinsByCode_{};
};

} // namespace melvane
