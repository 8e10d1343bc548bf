#include "rules/outcometable.h"

#include "rules/paytable.h"
#include "rules/scatters.h"
#include "rules/waysrule.h"

namespace melvane {

OutcomeTable::OutcomeTable(int waysmult) : waysmult_(waysmult)
{
    for (int r = 1; r <= kReels; ++r) {
        for (int stop = 1; stop <= kStops; ++stop) {
            ReelStop &e = reels_[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(stop - 1)];
            for (Symbol s : kPayingSymbols)
                e.hits[static_cast<std::size_t>(index(s))] = static_cast<std::uint8_t>(reelHits(r, stop, s, waysmult));
            // The reel step itself says what the reel adds to the scatter code.
            SpinTables alone;
            writeReel(alone, r, stop, waysmult);
            e.scatterWeight = static_cast<std::uint8_t>(alone.scattercode);
        }
    }
    for (Symbol s : kPayingSymbols)
        for (int run = 0; run <= kReels; ++run)
            pays_[static_cast<std::size_t>(index(s))][static_cast<std::size_t>(run)] = basePay(s, run);
    for (int code = 0; code < 64; ++code) {
        scatterUnitsByCode_[static_cast<std::size_t>(code)] = scatterPayMultiple(code) * waysmult;
        freeSpinsByCode_[static_cast<std::size_t>(code)] = static_cast<std::uint8_t>(freeSpinsAdded(code));
        scattersPaidByCode_[static_cast<std::size_t>(code)] = static_cast<std::uint8_t>(scattersPaid(code));
    }

    prefixes_.resize(static_cast<std::size_t>(kStops * kStops * kStops));
    for (int s1 = 1; s1 <= kStops; ++s1) {
        for (int s2 = 1; s2 <= kStops; ++s2) {
            for (int s3 = 1; s3 <= kStops; ++s3) {
                Prefix &p = prefixes_[prefixIndex(s1, s2, s3)];
                p.fixedFirst = static_cast<std::uint32_t>(fixedLines_.size());
                for (Symbol s : kPayingSymbols) {
                    const auto i = static_cast<std::size_t>(index(s));
                    const ReelHits open = {reel(1, s1).hits[i], reel(2, s2).hits[i], reel(3, s3).hits[i], 0, 0};
                    if (open[0] * open[1] * open[2] > 0) {
                        p.liveSymbol[p.liveCount] = static_cast<std::uint8_t>(i);
                        p.liveWays[p.liveCount] = static_cast<std::uint8_t>(open[0] * open[1] * open[2]);
                        ++p.liveCount;
                    } else if (const RuleWin win = ruleWin(s, open); win.pay != 0) {
                        p.fixedUnits += win.pay;
                        fixedLines_.push_back({s, win.run, win.pay});
                        ++p.fixedCount;
                    }
                }
                p.scatterCode = static_cast<std::uint8_t>(reel(1, s1).scatterWeight + reel(2, s2).scatterWeight +
                                                          reel(3, s3).scatterWeight);
                for (int w4 : {0, reelweight(4)})
                    for (int w5 : {0, reelweight(5)})
                        p.scatterLive = p.scatterLive || scatterPayMultiple(p.scatterCode + w4 + w5) > 0 ||
                                        freeSpinsAdded(p.scatterCode + w4 + w5) > 0;
            }
        }
    }
}

} // namespace melvane
