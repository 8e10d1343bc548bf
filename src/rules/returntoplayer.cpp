#include "rules/returntoplayer.h"

#include <algorithm>
#include <future>

#include "rules/grid.h"
#include "rules/payoutcontrol.h"
#include "rules/scatters.h"

namespace melvane {

int OutcomeDistribution::classOf(int freeSpinsAdded)
{
    for (std::size_t c = 0; c < kFreeSpinClasses.size(); ++c)
        if (kFreeSpinClasses[c] == freeSpinsAdded)
            return static_cast<int>(c);
    return 0;
}

void OutcomeDistribution::add(const Outcome &o, std::uint64_t count)
{
    auto &row = counts[static_cast<std::size_t>(classOf(o.freeSpinsAdded))];
    const auto u = static_cast<std::size_t>(o.units);
    if (row.size() <= u)
        row.resize(u + 1 + u / 2, 0);
    row[u] += count;
    cycle += count;
}

OutcomeDistribution enumerateOutcomes(const OutcomeTable &table)
{
    OutcomeDistribution d;
    d.waysmult = table.waysmult();
    table.forEachOutcome([&d](const Outcome &o, std::uint64_t count) { d.add(o, count); });
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

ShownSpins shownSpins(const OutcomeDistribution &d, int machinepay)
{
    // The payout control redraws a discarded outcome, so what is shown follows the cycle
    // reweighted: an outcome above twice the stake keeps weight 1 / machinepay.
    const long double bigWeight = 1.0L / machinepay;
    const long double cycle = static_cast<long double>(d.cycle);
    const auto multipliers = wildMultiplierDistribution();
    ShownSpins shown;
    shown.waysmult = d.waysmult;
    shown.machinepay = machinepay;
    for (std::size_t c = 0; c < d.counts.size(); ++c) {
        const int added = OutcomeDistribution::kFreeSpinClasses[c];
        const auto &row = d.counts[c];
        for (std::size_t u = 0; u < row.size(); ++u) {
            if (row[u] == 0)
                continue;
            const long double p = static_cast<long double>(row[u]) / cycle;
            const auto units = static_cast<std::int64_t>(u);
            shown.paid.push_back({units, added, p * (exceedsPayoutLimit(units, d.waysmult) ? bigWeight : 1.0L)});
            shown.paidKept += shown.paid.back().chance;
            for (const auto &[mult, chance] : multipliers) {
                const std::int64_t win = mult * units;
                const long double weight = exceedsPayoutLimit(win, d.waysmult) ? bigWeight : 1.0L;
                shown.free.push_back({win, added, p * static_cast<long double>(chance) * weight});
                shown.freeKept += shown.free.back().chance;
            }
        }
    }
    for (ShownOutcome &o : shown.paid)
        o.chance /= shown.paidKept;
    for (ShownOutcome &o : shown.free)
        o.chance /= shown.freeKept;
    return shown;
}

RtpFigures exactRtp(const OutcomeDistribution &d, int machinepay) { return exactRtp(shownSpins(d, machinepay)); }

RtpFigures exactRtp(const ShownSpins &shown)
{
    const long double stakeUnits = shown.waysmult; // the stake per coin of the coin bet
    long double baseWin = 0, hit = 0, trigger = 0, firstAward = 0;
    for (const ShownOutcome &o : shown.paid) {
        baseWin += o.chance * static_cast<long double>(o.units);
        if (o.units > 0)
            hit += o.chance;
        if (o.freeSpinsAdded > 0) {
            trigger += o.chance;
            firstAward += o.chance * (o.freeSpinsAdded - 1); // the triggering spin is one of the spins added
        }
    }
    long double freeMean = 0, retrigger = 0;
    for (const ShownOutcome &o : shown.free) {
        freeMean += o.chance * static_cast<long double>(o.units);
        retrigger += o.chance * o.freeSpinsAdded;
    }

    RtpFigures f;
    f.waysmult = shown.waysmult;
    f.ways = waysForWaysmult(shown.waysmult);
    f.machinepay = shown.machinepay;
    const long double award = trigger > 0 ? firstAward / trigger : 0;
    const long double spinsPerBonus = award / (1.0L - retrigger);
    f.baseReturn = static_cast<double>(baseWin / stakeUnits);
    f.bonusReturn = static_cast<double>(trigger * spinsPerBonus * freeMean / stakeUnits);
    f.totalReturn = f.baseReturn + f.bonusReturn;
    f.hitFrequency = static_cast<double>(hit);
    f.bonusProbability = static_cast<double>(trigger);
    f.spinsPerBonus = static_cast<double>(spinsPerBonus);
    f.freeSpinMeanWin = static_cast<double>(freeMean / stakeUnits);
    f.retriggerSpins = static_cast<double>(retrigger);
    f.discardedBase = static_cast<double>(1.0L - shown.paidKept);
    f.discardedFree = static_cast<double>(1.0L - shown.freeKept);
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
