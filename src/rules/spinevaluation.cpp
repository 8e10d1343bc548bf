#include "rules/spinevaluation.h"

namespace melvane {

namespace {

// The last cell of a run over 2..5 reels (cells are numbered reel by reel, three to a reel).
constexpr std::array<int, kReels + 1> kLastCellOfRun = {0, 0, 6, 9, 12, 15};

// The reels of the run a symbol was paid for, from the lists its pay came from.
int runOf(const SpinTables &spin, Symbol s)
{
    if (const auto cls = classifyRun(spin.signature(s)))
        return cls->run;
    if (s == Symbol::Drum)
        if (const auto cls = classifyDrumPair(spin.signature(s)))
            return cls->run;
    return 0;
}

} // namespace

SpinEvaluation evaluateSpin(const Stops &stops, int waysmult, int coinbet, bool inBonus)
{
    SpinEvaluation e;
    e.stops = stops;
    e.waysmult = waysmult;
    e.coinbet = coinbet;
    e.cells = windowOf(stops);
    e.tables = tablesFor(stops, waysmult);
    clearInactiveRows(e.tables, waysmult);
    formSignatures(e.tables);
    e.scatter = evaluateScatters(e.tables.scattercode, e.stake(), inBonus);
    e.ways = payWays(e.tables, coinbet);
    e.spinwin = spinCoins(e.ways.units, coinbet, e.scatter.scatterwin);
    e.freeSpinsAdded = freeSpinsAdded(e.tables.scattercode);
    return e;
}

CellMarks winningCells(const SpinEvaluation &e)
{
    CellMarks marks{};
    if (e.spinwin < 1)
        return marks;
    const SpinTables &t = e.tables;
    for (const Symbol s : kPayingSymbols) {
        if (!t.won(s))
            continue;
        for (int c = 1; c <= kLastCellOfRun[static_cast<std::size_t>(runOf(t, s))]; ++c)
            if (t.entry(s, c) > Decimal4{})
                marks[static_cast<std::size_t>(c)] = true;
    }
    for (int c = kFirstWildCell; c <= kLastWildCell; ++c)
        if (t.wildcell[static_cast<std::size_t>(c)] == 1)
            marks[static_cast<std::size_t>(c)] = true;
    // A Scatter after a reel without a paid one is not part of the run.
    bool run = true;
    for (int r = 1; r <= kReels; ++r) {
        const auto k = static_cast<std::size_t>(r);
        run = run && e.scatter.scatterpaid[k];
        const int c = t.scattercell[k];
        if (e.scatter.startsTimerscatter && (r <= 2 || run) && c >= firstCellOfReel(r) && c <= lastCellOfReel(r))
            marks[static_cast<std::size_t>(c)] = true;
    }
    return marks;
}

} // namespace melvane
