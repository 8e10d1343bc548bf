// Any five stops, any ways setting, any coin bet, in a bonus or not: the machine's own steps
// (cell tables, signatures, scatters, symbol pays) must give what the fast outcome table gives.
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <fuzzer/FuzzedDataProvider.h>

#include "rules/grid.h"
#include "rules/outcometable.h"
#include "rules/spinevaluation.h"

namespace {

using namespace melvane;

constexpr std::array<int, 5> kCoinbets = {1, 2, 5, 10, 20};

const OutcomeTable &tableFor(std::size_t waysIndex)
{
    static std::array<std::unique_ptr<OutcomeTable>, kWaysMults.size()> tables;
    if (!tables[waysIndex])
        tables[waysIndex] = std::make_unique<OutcomeTable>(kWaysMults[waysIndex]);
    return *tables[waysIndex];
}

[[noreturn]] void mismatch(const char *what, const Stops &stops, int waysmult, int coinbet, long long machine,
                           long long table)
{
    std::fprintf(stderr, "%s differs at stops %d,%d,%d,%d,%d, waysmult %d, %d coins: machine %lld, table %lld\n", what,
                 stops[0], stops[1], stops[2], stops[3], stops[4], waysmult, coinbet, machine, table);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    Stops stops{};
    for (int &stop : stops)
        stop = input.ConsumeIntegralInRange<int>(1, kStops);
    const std::size_t waysIndex = input.ConsumeIntegralInRange<std::size_t>(0, kWaysMults.size() - 1);
    const int coinbet = input.PickValueInArray(kCoinbets);
    const bool inBonus = input.ConsumeBool();
    const int waysmult = kWaysMults[waysIndex];

    const SpinEvaluation e = evaluateSpin(stops, waysmult, coinbet, inBonus);
    const Outcome expected = tableFor(waysIndex).at(stops);
    const long long tableCoins = static_cast<long long>(expected.units) * coinbet;
    if (e.spinwin != tableCoins)
        mismatch("the win", stops, waysmult, coinbet, e.spinwin, tableCoins);
    if (e.freeSpinsAdded != expected.freeSpinsAdded)
        mismatch("the free spins", stops, waysmult, coinbet, e.freeSpinsAdded, expected.freeSpinsAdded);
    // The parts add up to the whole, and nothing pays a negative amount.
    if (e.scatter.scatterwin < 0 || e.ways.units < 0 ||
        static_cast<long long>(e.ways.units) * coinbet + e.scatter.scatterwin != e.spinwin)
        mismatch("the sum of ways and scatter pays", stops, waysmult, coinbet, e.spinwin,
                 static_cast<long long>(e.ways.units) * coinbet + e.scatter.scatterwin);
    return 0;
}
