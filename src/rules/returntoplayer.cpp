#include "rules/returntoplayer.h"

#include <algorithm>
#include <future>

#include "rules/grid.h"
#include "rules/payoutcontrol.h"
#include "rules/scatters.h"

namespace melvane {

namespace {
}

int OutcomeDistribution::classOf(int freeSpinsAdded)
{
    for (std::size_t c = 0; c < kFreeSpinClasses.size(); ++c)
        if (kFreeSpinClasses[c] == freeSpinsAdded)
            return static_cast<int>(c);
    return 0;
}

OutcomeDistribution enumerateOutcomes(const OutcomeTable &table)
{
    OutcomeDistribution d;
    d.waysmult = table.waysmult();
    table.forEachOutcome([&d](const Outcome &o, std::uint64_t count) {
        auto &row = d.counts[static_cast<std::size_t>(OutcomeDistribution::classOf(o.freeSpinsAdded))];
        const auto u = static_cast<std::size_t>(o.units);
        if (row.size() <= u)
            row.resize(u + 1 + u / 2, 0);
        row[u] += count;
        d.cycle += count;
    });
    return d;
}

std::vector<std::pair<int, double>> wildMultiplierDistribution()
{
    std::vector<std::pair<int, double>> pmf;
    for (int x = 1; x <= kWildMultiplierDraws; ++x) {
        const int m = wildMultiplierFor(x).wildmult;
        auto it = std::find_if(pmf.begin(), pmf.end(), [m](const auto &entry) { return entry.first == m; });
        if (it == pmf.end())
            it = pmf.insert(pmf.end(), {m, 0.0});
        it->second += 1.0 / kWildMultiplierDraws;
    }
    return pmf;
}

RtpFigures exactRtp(const OutcomeDistribution &d, int machinepay)
{
    // The payout control redraws a discarded outcome, so what is shown follows the cycle
    // reweighted: an outcome above twice the stake keeps weight 1 / machinepay.
    const long double stakeUnits = d.waysmult; // the stake per coin of the coin bet
    const long double bigWeight = 1.0L / machinepay;
    const long double cycle = static_cast<long double>(d.cycle);
    const auto multipliers = wildMultiplierDistribution();

    long double baseWeight = 0, baseWin = 0, hitWeight = 0, triggerWeight = 0, firstAward = 0;
    long double freeWeight = 0, freeWin = 0, freeAdded = 0;
    for (std::size_t c = 0; c < d.counts.size(); ++c) {
        const int added = OutcomeDistribution::kFreeSpinClasses[c];
        const auto &row = d.counts[c];
        for (std::size_t u = 0; u < row.size(); ++u) {
            if (row[u] == 0)
                continue;
            const long double p = static_cast<long double>(row[u]) / cycle;
            const long double units = static_cast<long double>(u);
            const bool stands = !exceedsPayoutLimit(static_cast<std::int64_t>(u), d.waysmult);
            const long double w = p * (stands ? 1.0L : bigWeight);
            baseWeight += w;
            baseWin += w * units;
            if (u > 0)
                hitWeight += w;
            if (added > 0) {
                triggerWeight += w;
                firstAward += w * (added - 1); // the triggering spin is one of the spins added
            }
            for (const auto &[mult, chance] : multipliers) {
                const std::int64_t win = mult * static_cast<std::int64_t>(u);
                const long double fw =
                    p * static_cast<long double>(chance) * (exceedsPayoutLimit(win, d.waysmult) ? bigWeight : 1.0L);
                freeWeight += fw;
                freeWin += fw * static_cast<long double>(win);
                freeAdded += fw * added;
            }
        }
    }

    RtpFigures f;
    f.waysmult = d.waysmult;
    f.ways = waysForWaysmult(d.waysmult);
    f.machinepay = machinepay;
    const long double trigger = triggerWeight / baseWeight;
    const long double award = triggerWeight > 0 ? firstAward / triggerWeight : 0;
    const long double retrigger = freeAdded / freeWeight;
    const long double spinsPerBonus = award / (1.0L - retrigger);
    const long double freeMean = freeWin / freeWeight;
    f.baseReturn = static_cast<double>(baseWin / baseWeight / stakeUnits);
    f.bonusReturn = static_cast<double>(trigger * spinsPerBonus * freeMean / stakeUnits);
    f.totalReturn = f.baseReturn + f.bonusReturn;
    f.hitFrequency = static_cast<double>(hitWeight / baseWeight);
    f.bonusProbability = static_cast<double>(trigger);
    f.spinsPerBonus = static_cast<double>(spinsPerBonus);
    f.freeSpinMeanWin = static_cast<double>(freeMean / stakeUnits);
    f.retriggerSpins = static_cast<double>(retrigger);
    f.discardedBase = static_cast<double>(1.0L - baseWeight);
    f.discardedFree = static_cast<double>(1.0L - freeWeight);
    return f;
}

std::vector<RtpFigures> exactRtpTable()
{
    // One task per ways setting; the enumeration dominates and the settings are independent.
    std::vector<std::future<std::vector<RtpFigures>>> tasks;
    for (int waysmult : kWaysMults) {
        tasks.push_back(std::async(std::launch::async, [waysmult] {
            const OutcomeDistribution d = enumerateOutcomes(OutcomeTable(waysmult));
            std::vector<RtpFigures> rows;
            for (int machinepay : kPayoutSettings)
                rows.push_back(exactRtp(d, machinepay));
            return rows;
        }));
    }
    std::vector<RtpFigures> table;
    for (auto &t : tasks)
        for (const RtpFigures &f : t.get())
            table.push_back(f);
    return table;
}

} // namespace melvane
