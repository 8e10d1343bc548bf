// Prints how fast the exact return table, the simulation and the game itself run on this machine.
#include <chrono>
#include <cstdio>
#include <thread>

#include "mathtool/gameengine.h"
#include "rules/grid.h"
#include "rules/parsheet.h"
#include "rules/returntoplayer.h"
#include "rules/simulation.h"

namespace {
using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

void benchExactTable()
{
    constexpr int kRounds = 5;
    double best = 1e9;
    for (int i = 0; i < kRounds; ++i) {
        const auto start = Clock::now();
        const auto table = melvane::exactRtpTable();
        best = std::min(best, secondsSince(start));
        if (table.size() != 15)
            std::printf("unexpected table size %zu\n", table.size());
    }
    std::printf("exact table, 5 ways x 3 payout settings: best of %d runs %.1f ms wall\n", kRounds, best * 1e3);
}

// `melvane-math par` for one setting: the enumeration with its pay lines, then the sheet.
void benchParSheet(int waysmult, int machinepay)
{
    constexpr int kRounds = 5;
    double best = 1e9;
    for (int i = 0; i < kRounds; ++i) {
        const auto start = Clock::now();
        const melvane::ParSheet sheet =
            melvane::parSheet(melvane::enumerateCycle(melvane::OutcomeTable(waysmult)), machinepay);
        best = std::min(best, secondsSince(start));
        if (sheet.bands.empty())
            std::printf("no bands\n");
    }
    std::printf("PAR sheet, waysmult %d, payout %d: best of %d runs %.1f ms wall\n", waysmult, machinepay, kRounds,
                best * 1e3);
}

void benchParTable()
{
    constexpr int kRounds = 3;
    double best = 1e9;
    for (int i = 0; i < kRounds; ++i) {
        const auto start = Clock::now();
        const auto table = melvane::parSheetTable();
        best = std::min(best, secondsSince(start));
        if (table.size() != 15)
            std::printf("unexpected table size %zu\n", table.size());
    }
    std::printf("PAR sheets of all 15 settings: best of %d runs %.1f ms wall\n", kRounds, best * 1e3);
}

void benchSimulation(unsigned threads)
{
    melvane::SimulationRequest request;
    request.spins = 20'000'000;
    request.waysmult = 25;
    request.machinepay = 5;
    request.seed = 12345;
    request.threads = threads;
    const auto start = Clock::now();
    const auto totals = melvane::simulate(request);
    const double seconds = secondsSince(start);
    std::printf("simulate, 243 ways, payout 5, %u thread(s): %.2f M paid spins/s (%.2f M per thread), "
                "%llu free spins played\n",
                threads, static_cast<double>(request.spins) / seconds / 1e6,
                static_cast<double>(request.spins) / seconds / 1e6 / threads,
                static_cast<unsigned long long>(totals.freeSpins));
}
// `melvane-math simulate --engine game`: the whole game in autoplay on the virtual clock, its
// profile saved after every settled step.
void benchGameEngine(int ways, int machinepay)
{
    melvane::mathtool::GameEngineRequest request;
    request.spins = 400'000;
    request.waysmult = melvane::waysmultForWays(ways);
    request.machinepay = machinepay;
    request.seed = 7;
    const auto start = Clock::now();
    const auto result = melvane::mathtool::playGameEngine(request);
    const double seconds = secondsSince(start);
    std::printf("game engine, %d ways, payout %d: %.0f paid spins/s, %llu bonuses\n", ways, machinepay,
                static_cast<double>(result.games) / seconds, static_cast<unsigned long long>(result.bonuses));
}
} // namespace

int main()
{
    std::printf("hardware threads: %u\n", std::thread::hardware_concurrency());
    benchExactTable();
    benchParSheet(25, 2); // the largest cap of the win bands and the most retriggers
    benchParSheet(1, 5);
    benchParTable();
    benchSimulation(1);
    benchSimulation(std::max(1u, std::thread::hardware_concurrency()));
    // Few and many ways under every payout setting.
    benchGameEngine(3, 5);
    benchGameEngine(27, 3);
    benchGameEngine(81, 2);
    benchGameEngine(243, 5);
    return 0;
}
