#include "rules/parsheet.h"

#include <algorithm>
#include <cmath>
#include <future>
#include <limits>
#include <map>
#include <stdexcept>

#include "rules/cappedseries.h"
#include "rules/gametext.h"
#include "rules/grid.h"
#include "rules/paytable.h"
#include "rules/payoutcontrol.h"

namespace melvane {

namespace {

constexpr long double kZ90 = 1.6448536269514722L; // the two-sided 90% point of the normal law

// The moments of the free-spin tree: a free spin's win with the wins of all the spins it adds,
// of the spins they add, and so on.
//
// A free spin wins Y and adds K spins (0, 11, 21 or 31), Y and K drawn together from the free
// spin as shown (so they are dependent: the Scatters that add spins also pay). Its tree's total
// is V = Y + V_1 + ... + V_K, the V_j independent copies of V, independent of (Y, K). Taking
// expectations given (Y, K):
//   E[V]   = E[Y] + E[K] E[V]                        so  E[V] = E[Y] / (1 - E[K]);
//   E[V^2] = E[Y^2] + 2 E[YK] E[V] + E[K] E[V^2] + E[K(K-1)] E[V]^2,
// which rearranges to Var[V] = Var[Y + E[V] K] / (1 - E[K]). Both need E[K] < 1: each spin adds
// fewer than one spin on average, so a bonus ends with certainty.
struct FreeSpinTree {
    long double mean = 0;
    long double variance = 0;
    long double offspring = 0; // E[K]
};

FreeSpinTree freeSpinTree(const std::vector<ShownOutcome> &free)
{
    long double ey = 0, ek = 0, eyy = 0, eyk = 0, ekk = 0;
    for (const ShownOutcome &o : free) {
        const auto y = static_cast<long double>(o.units);
        const auto k = static_cast<long double>(o.freeSpinsAdded);
        ey += o.chance * y;
        ek += o.chance * k;
        eyy += o.chance * y * y;
        eyk += o.chance * y * k;
        ekk += o.chance * k * k;
    }
    if (ek >= 1)
        throw std::domain_error("free spins add a spin or more on average: a bonus would never end");
    FreeSpinTree t;
    t.offspring = ek;
    t.mean = ey / (1 - ek);
    // Var[Y + mK] = E[(Y + mK)^2] - (E[Y] + m E[K])^2, and E[Y] + m E[K] = m.
    const long double spread = eyy + 2 * t.mean * eyk + t.mean * t.mean * ekk - t.mean * t.mean;
    t.variance = std::max(0.0L, spread / (1 - ek));
    return t;
}

// The free spins a paid spin starts: the spins added less the triggering spin itself.
int freeSpinsStarted(const ShownOutcome &o) { return o.freeSpinsAdded > 0 ? o.freeSpinsAdded - 1 : 0; }

int bandOf(std::int64_t units, int waysmult)
{
    if (units <= 0)
        return 0;
    for (std::size_t i = 1; i < kBandEdges.size(); ++i)
        if (units <= static_cast<std::int64_t>(kBandEdges[i]) * waysmult)
            return static_cast<int>(i);
    return static_cast<int>(kBandEdges.size());
}

// Adds a chance at an amount, above the cap or not.
void place(CappedSeries &s, std::int64_t units, double chance)
{
    if (units <= static_cast<std::int64_t>(s.cap()))
        s.chance[static_cast<std::size_t>(units)] += chance;
    else
        s.over += chance;
}

// Powers of one distribution (the sums of n independent copies), each worked out once.
class Powers {
public:
    Powers(const SeriesConvolver &c, const CappedSeries &base) : c_(c)
    {
        spectra_.emplace(1, c.transform(base));
    }
    const SeriesConvolver::Spectrum &of(int n)
    {
        if (const auto it = spectra_.find(n); it != spectra_.end())
            return it->second;
        const CappedSeries s = n % 2 == 0 ? c_.sum(of(n / 2), of(n / 2)) : c_.sum(of(n - 1), of(1));
        return spectra_.emplace(n, c_.transform(s)).first->second;
    }

private:
    const SeriesConvolver &c_;
    std::map<int, SeriesConvolver::Spectrum> spectra_;
};

// The distribution of a free-spin tree's total V up to the cap, from V = Y + V_1 + ... + V_K:
// with A_k the distribution of Y over the free spins that add k spins (each weighted by its
// chance), the generating functions satisfy G = A_0 + sum_k A_k G^k. Iterating from G = 0,
// the t-th iterate is the distribution over the trees of at most t generations (the spin at the
// root is the first); the trees it lacks have a generation t + 1, whose expected size is E[K]^t,
// so it lacks at most E[K]^t of the chance. Evaluated by Horner's rule: A_0 + G^11 (A_11 + G^10 (A_21 + G^10 A_31)).
struct TreeDistribution {
    CappedSeries chance;
    int generations = 0;
    double lacking = 0; // at most this much chance is left out
};

TreeDistribution freeSpinTreeDistribution(const SeriesConvolver &c, const ShownSpins &shown, long double offspring)
{
    std::map<int, CappedSeries> byAdded; // A_k, by the spins added k
    for (const ShownOutcome &o : shown.free) {
        auto it = byAdded.try_emplace(o.freeSpinsAdded, c.cap()).first;
        place(it->second, o.units, static_cast<double>(o.chance));
    }
    std::vector<int> added;
    for (const auto &entry : byAdded)
        if (entry.first > 0)
            added.push_back(entry.first);
    const CappedSeries none = byAdded.contains(0) ? byAdded.at(0) : CappedSeries(c.cap());

    constexpr double kLacking = 1e-15;
    constexpr int kMostGenerations = 1000;
    TreeDistribution tree{CappedSeries(c.cap()), 0, 1.0};
    while (tree.lacking > kLacking && tree.generations < kMostGenerations) {
        CappedSeries next = none;
        if (!added.empty()) {
            Powers g(c, tree.chance);
            // Innermost first: A_kn, then A_k(n-1) + G^(kn - k(n-1)) x (...), and so on.
            CappedSeries inner = byAdded.at(added.back());
            for (std::size_t i = added.size(); i-- > 0;) {
                const int step = added[i] - (i > 0 ? added[i - 1] : 0);
                CappedSeries outer = c.sum(g.of(step), c.transform(inner));
                if (i > 0)
                    outer += byAdded.at(added[i - 1]);
                inner = std::move(outer);
            }
            next += inner;
        }
        tree.chance = std::move(next);
        ++tree.generations;
        tree.lacking = static_cast<double>(std::pow(offspring, tree.generations));
    }
    return tree;
}

} // namespace

PayBreakdown::PayBreakdown(int waysmult) : waysmult_(waysmult)
{
    factors_.push_back(1);
    for (const auto &[multiplier, chance] : wildMultiplierDistribution())
        if (chance > 0 && std::find(factors_.begin(), factors_.end(), multiplier) == factors_.end())
            factors_.push_back(multiplier);
    std::sort(factors_.begin(), factors_.end());
    if (static_cast<int>(factors_.size()) + 1 > kLimitClasses)
        throw std::logic_error("more Wild multipliers than the pay breakdown keeps apart");
}

int PayBreakdown::limitClassOf(std::int64_t units) const
{
    int passing = 0;
    for (int f : factors_)
        passing += exceedsPayoutLimit(f * units, waysmult_) ? 1 : 0;
    return passing;
}

void PayBreakdown::add(std::int64_t units, std::uint64_t count, const PayLines &lines)
{
    auto &row = sums_[static_cast<std::size_t>(limitClassOf(units))];
    for (const PayLine &l : lines) {
        const int symbol = l.symbol == Symbol::Scatter ? kPayingCount : index(l.symbol);
        row[static_cast<std::size_t>(symbol)][static_cast<std::size_t>(l.run - 2)] +=
            count * static_cast<std::uint64_t>(l.units);
    }
}

std::uint64_t PayBreakdown::units(int limitClass, Symbol s, int run) const
{
    const int symbol = s == Symbol::Scatter ? kPayingCount : index(s);
    if (limitClass < 0 || limitClass >= kLimitClasses || symbol > kPayingCount || run < 2 || run > 5)
        return 0;
    return sums_[static_cast<std::size_t>(limitClass)][static_cast<std::size_t>(symbol)]
                [static_cast<std::size_t>(run - 2)];
}

void Cycle::add(const Outcome &o, std::uint64_t count, const PayLines &lines)
{
    outcomes.add(o, count);
    pays.add(o.units, count, lines);
}

Cycle enumerateCycle(const OutcomeTable &table)
{
    Cycle cycle{{}, PayBreakdown(table.waysmult())};
    cycle.outcomes.waysmult = table.waysmult();
    table.forEachOutcomeWithLines(
        [&cycle](const Outcome &o, std::uint64_t count, const PayLines &lines) { cycle.add(o, count, lines); });
    return cycle;
}

Volatility volatilityOf(const ShownSpins &shown)
{
    // A paid spin's total is T = X + V_1 + ... + V_N: its own win X, then the trees of the N
    // free spins it starts (N = 0 without a bonus), independent of (X, N) and of each other.
    // Given (X, N), T has mean X + N E[V] and variance N Var[V], so
    //   E[T] = E[X + N E[V]],   Var[T] = Var[X + N E[V]] + E[N] Var[V].
    const FreeSpinTree tree = freeSpinTree(shown.free);
    long double mean = 0, square = 0, started = 0;
    for (const ShownOutcome &o : shown.paid) {
        const long double n = freeSpinsStarted(o);
        const long double z = static_cast<long double>(o.units) + n * tree.mean;
        mean += o.chance * z;
        square += o.chance * z * z;
        started += o.chance * n;
    }
    const long double variance = std::max(0.0L, square - mean * mean) + started * tree.variance;
    const long double stake = shown.waysmult;

    Volatility v;
    v.totalReturn = static_cast<double>(mean / stake);
    v.standardDeviation = static_cast<double>(std::sqrt(variance) / stake);
    v.volatilityIndex = static_cast<double>(kZ90 * std::sqrt(variance) / stake);
    // A session's return is the mean of its spins' returns; by the central limit theorem it
    // falls within 1.645 standard deviations / sqrt(spins) of the return 9 times in 10. The
    // law of a short session of so skewed a game is lopsided, so for 100 spins this is a
    // rough guide; no session returns less than nothing.
    for (std::size_t i = 0; i < kSessionSpins.size(); ++i) {
        const double half = v.volatilityIndex / std::sqrt(static_cast<double>(kSessionSpins[i]));
        v.sessions[i] = {kSessionSpins[i], std::max(0.0, v.totalReturn - half), v.totalReturn + half};
    }
    return v;
}

std::string_view volatilityWord(double volatilityIndex)
{
    // Marked for the pay table, which names the band in the player's language.
    if (volatilityIndex < 5)
        return GameText::tr("low");
    if (volatilityIndex < 10)
        return GameText::tr("medium");
    if (volatilityIndex < 20)
        return GameText::tr("high");
    return GameText::tr("very high");
}

double WinBand::waitSpins() const
{
    const double c = chance();
    return c > 0 ? 1.0 / c : std::numeric_limits<double>::infinity();
}

BonusRoundLaw bonusRoundLaw(const ShownSpins &shown, std::size_t cap)
{
    // The triggering win plus the trees of the free spins it starts, all independent: the
    // triggering wins' law (by the free spins started) convolved with the tree law's power.
    const SeriesConvolver c(cap);
    const TreeDistribution trees = freeSpinTreeDistribution(c, shown, freeSpinTree(shown.free).offspring);
    std::map<int, CappedSeries> triggering;
    long double trigger = 0;
    int mostStarted = 0;
    for (const ShownOutcome &o : shown.paid) {
        if (o.freeSpinsAdded == 0)
            continue;
        const int n = freeSpinsStarted(o);
        mostStarted = std::max(mostStarted, n);
        trigger += o.chance;
        place(triggering.try_emplace(n, c.cap()).first->second, o.units, static_cast<double>(o.chance));
    }
    Powers g(c, trees.chance);
    BonusRoundLaw law{CappedSeries(cap), 0};
    for (const auto &[n, wins] : triggering)
        law.chance += c.sum(c.transform(wins), g.of(n));
    // Each of the n trees of a round lacks at most trees.lacking.
    law.lacking = static_cast<double>(trigger) * mostStarted * trees.lacking;
    return law;
}

ParSheet parSheet(const Cycle &cycle, int machinepay)
{
    const ShownSpins shown = shownSpins(cycle.outcomes, machinepay);
    const int w = shown.waysmult;
    const long double stake = w;
    ParSheet sheet;
    sheet.rtp = exactRtp(shown);
    sheet.volatility = volatilityOf(shown);
    const FreeSpinTree tree = freeSpinTree(shown.free);

    long double baseMean = 0, baseSquare = 0, trigger = 0, roundMean = 0, roundSquare = 0, bonusTotal = 0;
    for (const ShownOutcome &o : shown.paid) {
        const auto x = static_cast<long double>(o.units);
        baseMean += o.chance * x;
        baseSquare += o.chance * x * x;
        if (o.freeSpinsAdded > 0) {
            const long double n = freeSpinsStarted(o);
            const long double z = x + n * tree.mean;
            trigger += o.chance;
            roundMean += o.chance * z;
            roundSquare += o.chance * (z * z + n * tree.variance);
        }
    }
    bonusTotal = roundMean;
    sheet.baseStandardDeviation = static_cast<double>(std::sqrt(std::max(0.0L, baseSquare - baseMean * baseMean)) / stake);
    if (trigger > 0) {
        roundMean /= trigger;
        roundSquare /= trigger;
        sheet.bonusRoundMean = static_cast<double>(roundMean / stake);
        sheet.bonusRoundStandardDeviation =
            static_cast<double>(std::sqrt(std::max(0.0L, roundSquare - roundMean * roundMean)) / stake);
    }

    // The bands. Spins without a bonus straight from the shown paid spins; with one, the law of
    // the triggering win plus the trees of its free spins, exact up to the last band's edge.
    sheet.bands.resize(kBandEdges.size() + 1);
    for (std::size_t i = 0; i < sheet.bands.size(); ++i) {
        sheet.bands[i].low = kBandEdges[i == 0 ? 0 : i - 1];
        sheet.bands[i].high = i < kBandEdges.size() ? kBandEdges[i] : std::numeric_limits<double>::infinity();
    }
    for (const ShownOutcome &o : shown.paid) {
        if (o.freeSpinsAdded > 0)
            continue;
        WinBand &b = sheet.bands[static_cast<std::size_t>(bandOf(o.units, w))];
        b.baseChance += static_cast<double>(o.chance);
        b.baseReturn += static_cast<double>(o.chance * static_cast<long double>(o.units) / stake);
    }
    if (trigger > 0) {
        const BonusRoundLaw rounds =
            bonusRoundLaw(shown, static_cast<std::size_t>(kBandEdges.back()) * static_cast<std::size_t>(w));
        long double belowMean = 0;
        for (std::size_t t = 0; t < rounds.chance.chance.size(); ++t) {
            const double chance = rounds.chance.chance[t];
            WinBand &b = sheet.bands[static_cast<std::size_t>(bandOf(static_cast<std::int64_t>(t), w))];
            b.bonusChance += chance;
            b.bonusReturn += static_cast<double>(chance * static_cast<long double>(t) / stake);
            belowMean += chance * static_cast<long double>(t);
        }
        WinBand &top = sheet.bands.back();
        top.bonusChance += rounds.chance.over;
        top.bonusReturn += static_cast<double>((bonusTotal - belowMean) / stake);
        sheet.bandTruncation = rounds.lacking;
    }

    // The contributions: each pay line's units, weighted as the payout control weights the
    // outcome it belongs to. In a paid spin the weight is 1, or 1 / machinepay above the limit.
    // In a free spin the line is paid times the multiplier m, with the chance of m and the
    // weight of the multiplied win: sum over m of chance(m) x m x weight(m x win). The free
    // spins' share per paid spin is that times the free spins a paid spin brings.
    const PayBreakdown &pays = cycle.pays;
    const auto multipliers = wildMultiplierDistribution();
    const std::vector<int> &factors = pays.factors();
    const long double bigWeight = 1.0L / machinepay;
    std::array<long double, PayBreakdown::kLimitClasses> paidWeight{}, freeWeight{};
    for (int k = 0; k < PayBreakdown::kLimitClasses; ++k) {
        // In class k the k largest factors pass the limit.
        const auto passes = [&](int factor) {
            const auto at = std::find(factors.begin(), factors.end(), factor) - factors.begin();
            return at >= static_cast<long>(factors.size()) - k;
        };
        paidWeight[static_cast<std::size_t>(k)] = passes(1) ? bigWeight : 1.0L;
        for (const auto &[m, chance] : multipliers)
            freeWeight[static_cast<std::size_t>(k)] +=
                static_cast<long double>(chance) * m * (passes(m) ? bigWeight : 1.0L);
    }
    const long double cycleCount = static_cast<long double>(cycle.outcomes.cycle);
    const long double freeSpinsPerPaidSpin =
        static_cast<long double>(sheet.rtp.bonusProbability) * static_cast<long double>(sheet.rtp.spinsPerBonus);
    const auto contribution = [&](Symbol s, int run) {
        long double paid = 0, free = 0;
        for (int k = 0; k < PayBreakdown::kLimitClasses; ++k) {
            const auto units = static_cast<long double>(pays.units(k, s, run));
            paid += paidWeight[static_cast<std::size_t>(k)] * units;
            free += freeWeight[static_cast<std::size_t>(k)] * units;
        }
        return PayContribution{s, run, static_cast<double>(paid / (cycleCount * shown.paidKept) / stake),
                               static_cast<double>(free / (cycleCount * shown.freeKept) * freeSpinsPerPaidSpin / stake)};
    };
    for (Symbol s : kPayingSymbols)
        for (int run = 2; run <= kReels; ++run)
            if (basePay(s, run) > 0)
                sheet.contributions.push_back(contribution(s, run));
    for (int scatters = 3; scatters <= kReels; ++scatters)
        sheet.contributions.push_back(contribution(Symbol::Scatter, scatters));
    return sheet;
}

std::vector<ParSheet> parSheetTable()
{
    // One task per ways setting; the enumeration is shared by the payout settings.
    std::vector<std::future<std::vector<ParSheet>>> tasks;
    for (int waysmult : kWaysMults) {
        tasks.push_back(std::async(std::launch::async, [waysmult] {
            const Cycle cycle = enumerateCycle(OutcomeTable(waysmult));
            std::vector<ParSheet> rows;
            for (int machinepay : kPayoutSettings)
                rows.push_back(parSheet(cycle, machinepay));
            return rows;
        }));
    }
    std::vector<ParSheet> table;
    for (auto &t : tasks)
        for (ParSheet &s : t.get())
            table.push_back(std::move(s));
    return table;
}

std::vector<Volatility> volatilityTable()
{
    std::vector<std::future<std::vector<Volatility>>> tasks;
    for (int waysmult : kWaysMults) {
        tasks.push_back(std::async(std::launch::async, [waysmult] {
            const OutcomeDistribution d = enumerateOutcomes(OutcomeTable(waysmult));
            std::vector<Volatility> rows;
            for (int machinepay : kPayoutSettings)
                rows.push_back(volatilityOf(shownSpins(d, machinepay)));
            return rows;
        }));
    }
    std::vector<Volatility> table;
    for (auto &t : tasks)
        for (const Volatility &v : t.get())
            table.push_back(v);
    return table;
}

} // namespace melvane
