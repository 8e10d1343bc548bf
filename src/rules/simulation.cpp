#include "rules/simulation.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <random>
#include <thread>
#include <vector>

#include "rules/draw.h"
#include "rules/outcometable.h"
#include "rules/payoutcontrol.h"
#include "rules/scatters.h"

namespace melvane {

namespace {

constexpr std::uint64_t kBlockGames = std::uint64_t{1} << 18;
constexpr double kZ95 = 1.959963984540054;

// Uniform numbers in [0, 1) with 32 bits each, two from every 64-bit output.
class Uniform {
public:
    Uniform(std::uint64_t seed, std::uint64_t block)
    {
        std::seed_seq seq{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32),
                          static_cast<std::uint32_t>(block), static_cast<std::uint32_t>(block >> 32)};
        engine_.seed(seq);
    }
    double operator()()
    {
        if (spare_) {
            spare_ = false;
            return static_cast<double>(cached_ & 0xffffffffu) * 0x1p-32;
        }
        cached_ = engine_();
        spare_ = true;
        return static_cast<double>(cached_ >> 32) * 0x1p-32;
    }

private:
    std::mt19937_64 engine_;
    std::uint64_t cached_ = 0;
    bool spare_ = false;
};

class Player {
public:
    Player(const OutcomeTable &table, int machinepay) : table_(table), machinepay_(machinepay) {}

    void playBlock(std::uint64_t seed, std::uint64_t block, std::uint64_t games, SimulationTotals &t) const
    {
        Uniform u(seed, block);
        const std::int64_t stake = table_.waysmult();
        for (std::uint64_t g = 0; g < games; ++g) {
            Outcome o;
            for (;;) {
                o = draw(u);
                ++t.paidDraws;
                if (outcomeStands(drawIndex(u(), machinepay_), o.units, stake))
                    break;
                ++t.paidDiscards;
            }
            const auto base = static_cast<long double>(o.units);
            long double bonus = 0;
            if (o.units > 0)
                ++t.hits;
            if (o.freeSpinsAdded > 0) {
                ++t.bonuses;
                std::int64_t remaining = o.freeSpinsAdded - 1; // the triggering spin counts as one
                std::uint64_t played = 0;
                std::int64_t won = 0;
                while (remaining > 0) {
                    --remaining;
                    ++played;
                    std::int64_t win = 0;
                    Outcome f;
                    for (;;) {
                        f = draw(u);
                        win = static_cast<std::int64_t>(wildMultiplierFor(drawIndex(u(), kWildMultiplierDraws)).wildmult) *
                              f.units;
                        ++t.freeDraws;
                        if (outcomeStands(drawIndex(u(), machinepay_), win, stake))
                            break;
                        ++t.freeDiscards;
                    }
                    won += win;
                    remaining += f.freeSpinsAdded;
                }
                t.freeSpins += played;
                t.freeSpinSquares += static_cast<long double>(played) * static_cast<long double>(played);
                bonus = static_cast<long double>(won);
            }
            ++t.games;
            t.baseSum += base;
            t.baseSquares += base * base;
            t.bonusSum += bonus;
            t.bonusSquares += bonus * bonus;
            const long double total = base + bonus;
            t.totalSquares += total * total;
            t.totalCubes += total * total * total;
            t.totalFourths += total * total * total * total;
        }
    }

private:
    Outcome draw(Uniform &u) const
    {
        const int s1 = drawIndex(u(), kStops);
        const int s2 = drawIndex(u(), kStops);
        const int s3 = drawIndex(u(), kStops);
        const int s4 = drawIndex(u(), kStops);
        const int s5 = drawIndex(u(), kStops);
        return table_.at(s1, s2, s3, s4, s5);
    }

    const OutcomeTable &table_;
    int machinepay_;
};

Estimate meanEstimate(long double sum, long double squares, std::uint64_t n, long double scale)
{
    if (n == 0)
        return {};
    const long double count = static_cast<long double>(n);
    const long double mean = sum / count;
    const long double variance = n > 1 ? std::max(0.0L, (squares - count * mean * mean) / (count - 1)) : 0.0L;
    const long double half = kZ95 * std::sqrt(variance / count);
    return {static_cast<double>(mean / scale), static_cast<double>((mean - half) / scale),
            static_cast<double>((mean + half) / scale)};
}

Estimate shareEstimate(std::uint64_t hits, std::uint64_t n)
{
    // A share is the mean of a 0/1 variable, whose squares are the variable itself.
    return meanEstimate(static_cast<long double>(hits), static_cast<long double>(hits), n, 1.0L);
}

Estimate standardDeviationEstimate(const SimulationTotals &t, long double scale)
{
    if (t.games < 2)
        return {};
    const long double n = static_cast<long double>(t.games);
    const long double m = (t.baseSum + t.bonusSum) / n;
    const long double m2 = t.totalSquares / n, m3 = t.totalCubes / n, m4 = t.totalFourths / n;
    const long double variance = std::max(0.0L, (t.totalSquares - n * m * m) / (n - 1));
    const long double fourth = m4 - 4 * m * m3 + 6 * m * m * m2 - 3 * m * m * m * m;
    const long double sd = std::sqrt(variance);
    const long double spreadOfVariance = std::sqrt(std::max(0.0L, fourth - variance * variance) / n);
    const long double half = sd > 0 ? kZ95 * spreadOfVariance / (2 * sd) : 0.0L;
    return {static_cast<double>(sd / scale), static_cast<double>(std::max(0.0L, sd - half) / scale),
            static_cast<double>((sd + half) / scale)};
}

} // namespace

void SimulationTotals::add(const SimulationTotals &o)
{
    games += o.games;
    hits += o.hits;
    bonuses += o.bonuses;
    freeSpins += o.freeSpins;
    paidDraws += o.paidDraws;
    paidDiscards += o.paidDiscards;
    freeDraws += o.freeDraws;
    freeDiscards += o.freeDiscards;
    baseSum += o.baseSum;
    baseSquares += o.baseSquares;
    bonusSum += o.bonusSum;
    bonusSquares += o.bonusSquares;
    totalSquares += o.totalSquares;
    totalCubes += o.totalCubes;
    totalFourths += o.totalFourths;
    freeSpinSquares += o.freeSpinSquares;
}

SimulationTotals simulate(const SimulationRequest &request)
{
    const OutcomeTable table(request.waysmult);
    const Player player(table, request.machinepay);
    const std::uint64_t blocks = (request.spins + kBlockGames - 1) / kBlockGames;
    std::vector<SimulationTotals> perBlock(static_cast<std::size_t>(blocks));
    std::atomic<std::uint64_t> nextBlock{0};
    std::atomic<std::uint64_t> gamesDone{0};

    const auto work = [&] {
        for (;;) {
            const std::uint64_t b = nextBlock.fetch_add(1);
            if (b >= blocks)
                return;
            const std::uint64_t games = std::min(kBlockGames, request.spins - b * kBlockGames);
            player.playBlock(request.seed, b, games, perBlock[static_cast<std::size_t>(b)]);
            gamesDone.fetch_add(games);
        }
    };

    unsigned threads = request.threads != 0 ? request.threads : std::max(1u, std::thread::hardware_concurrency());
    threads = static_cast<unsigned>(std::min<std::uint64_t>(threads, std::max<std::uint64_t>(blocks, 1)));
    std::vector<std::jthread> workers;
    for (unsigned i = 0; i < threads; ++i)
        workers.emplace_back(work);
    if (request.progress) {
        while (gamesDone.load() < request.spins) {
            request.progress(gamesDone.load());
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        request.progress(gamesDone.load());
    }
    workers.clear(); // joins

    // Blocks are added in their own order, so the sums do not depend on the threads.
    SimulationTotals totals;
    for (const SimulationTotals &t : perBlock)
        totals.add(t);
    return totals;
}

SimulationFigures summarize(const SimulationTotals &t, int waysmult)
{
    const long double stake = waysmult;
    SimulationFigures f;
    f.baseReturn = meanEstimate(t.baseSum, t.baseSquares, t.games, stake);
    f.bonusReturn = meanEstimate(t.bonusSum, t.bonusSquares, t.games, stake);
    f.totalReturn = meanEstimate(t.baseSum + t.bonusSum, t.totalSquares, t.games, stake);
    f.hitFrequency = shareEstimate(t.hits, t.games);
    f.bonusProbability = shareEstimate(t.bonuses, t.games);
    f.spinsPerBonus =
        meanEstimate(static_cast<long double>(t.freeSpins), t.freeSpinSquares, t.bonuses, 1.0L);
    f.discardedBase = shareEstimate(t.paidDiscards, t.paidDraws);
    f.discardedFree = shareEstimate(t.freeDiscards, t.freeDraws);
    f.standardDeviation = standardDeviationEstimate(t, stake);
    return f;
}

} // namespace melvane
