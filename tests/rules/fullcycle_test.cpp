// Every one of the 22^5 stop sets under every ways setting: the machine's signature lists,
// the ways rule stated directly, and the fast outcome table must all agree. A quick run
// (MELVANE_QUICK=1) takes every stop of reels 1-3 but only every seventh of reels 4 and 5.
#include <algorithm>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "support/quick.h"
#include "rules/grid.h"
#include "rules/outcometable.h"
#include "rules/scatters.h"
#include "rules/spinevaluation.h"
#include "rules/waysrule.h"

namespace melvane {
namespace {

class FullCycle : public testing::TestWithParam<int> {};

TEST_P(FullCycle, SignatureListsRuleAndOutcomeTableAgreeOnEveryWindow)
{
    const int waysmult = GetParam();
    const bool quick = testing_support::quickRun();
    const int lastStep = quick ? 7 : 1; // reels 4 and 5
    const OutcomeTable table(waysmult);
    std::uint64_t windows = 0, winning = 0, mismatches = 0;
    long double unitSum = 0;
    for (int s1 = 1; s1 <= kStops; ++s1)
        for (int s2 = 1; s2 <= kStops; ++s2)
            for (int s3 = 1; s3 <= kStops; ++s3)
                for (int s4 = 1; s4 <= kStops; s4 += lastStep)
                    for (int s5 = 1; s5 <= kStops; s5 += lastStep) {
                        const Stops stops = {s1, s2, s3, s4, s5};
                        const SpinEvaluation e = evaluateSpin(stops, waysmult, 1);
                        ++windows;
                        for (Symbol s : kPayingSymbols) {
                            ReelHits hits{};
                            for (int r = 1; r <= kReels; ++r)
                                hits[static_cast<std::size_t>(r - 1)] =
                                    reelHits(r, stops[static_cast<std::size_t>(r - 1)], s, waysmult);
                            const RuleWin rule = ruleWin(s, hits);
                            std::int32_t listed = 0;
                            for (const SymbolPay &p : e.ways.list())
                                if (p.symbol == s)
                                    listed = p.pay;
                            if (listed != rule.pay && mismatches++ < 5)
                                ADD_FAILURE() << symbolName(s) << " at " << s1 << "," << s2 << "," << s3 << ","
                                              << s4 << "," << s5 << ": lists pay " << listed << ", rule pays "
                                              << rule.pay << " (signature " << e.tables.signature(s).toString()
                                              << ")";
                        }
                        const Outcome expected{static_cast<std::int32_t>(e.spinwin), e.freeSpinsAdded};
                        if (!(table.at(stops) == expected) && mismatches++ < 5)
                            ADD_FAILURE() << "outcome table differs at " << s1 << "," << s2 << "," << s3 << ","
                                          << s4 << "," << s5;
                        // The pay lines are the machine's own symbol pays and its scatter pay.
                        PayLines lines;
                        const Outcome withLines = table.at(stops, lines);
                        std::vector<std::tuple<Symbol, int, std::int32_t>> machine, told;
                        for (const SymbolPay &p : e.ways.list())
                            machine.emplace_back(p.symbol, p.run, p.pay);
                        if (e.scatter.scatterwin > 0)
                            machine.emplace_back(Symbol::Scatter, scattersPaid(e.tables.scattercode),
                                                 static_cast<std::int32_t>(e.scatter.scatterwin));
                        for (const PayLine &l : lines)
                            told.emplace_back(l.symbol, l.run, l.units);
                        std::sort(machine.begin(), machine.end());
                        std::sort(told.begin(), told.end());
                        if ((!(withLines == expected) || machine != told) && mismatches++ < 5)
                            ADD_FAILURE() << "pay lines differ at " << s1 << "," << s2 << "," << s3 << "," << s4
                                          << "," << s5;
                        if (e.spinwin > 0)
                            ++winning;
                        unitSum += static_cast<long double>(e.spinwin);
                    }
    EXPECT_EQ(mismatches, 0u);
    EXPECT_GT(winning, 0u);
    if (quick) {
        EXPECT_EQ(windows, 10648u * 16u);
        return; // the sums below are those of the whole cycle
    }
    EXPECT_EQ(windows, 5153632u);

    // The grouped enumeration of the outcome table covers the same cycle with the same pays.
    std::uint64_t grouped = 0, groupedWinning = 0;
    long double groupedSum = 0;
    table.forEachOutcome([&](const Outcome &o, std::uint64_t count) {
        grouped += count;
        if (o.units > 0)
            groupedWinning += count;
        groupedSum += static_cast<long double>(o.units) * static_cast<long double>(count);
    });
    EXPECT_EQ(grouped, windows);
    EXPECT_EQ(groupedWinning, winning);
    EXPECT_EQ(groupedSum, unitSum);

    // And its pay lines, grouped the same way, add up to the same pays.
    std::uint64_t linedCount = 0;
    long double linedSum = 0;
    table.forEachOutcomeWithLines([&](const Outcome &o, std::uint64_t count, const PayLines &lines) {
        std::int64_t sum = 0;
        for (const PayLine &l : lines)
            sum += l.units;
        if (sum != o.units && mismatches++ < 5)
            ADD_FAILURE() << "lines add to " << sum << " for an outcome of " << o.units;
        linedCount += count;
        linedSum += static_cast<long double>(o.units) * static_cast<long double>(count);
    });
    EXPECT_EQ(linedCount, windows);
    EXPECT_EQ(linedSum, unitSum);
    EXPECT_EQ(mismatches, 0u);
}

INSTANTIATE_TEST_SUITE_P(EveryWaysSetting, FullCycle, testing::ValuesIn(kWaysMults),
                         [](const testing::TestParamInfo<int> &param) {
                             return "Ways" + std::to_string(waysForWaysmult(param.param));
                         });

} // namespace
} // namespace melvane
