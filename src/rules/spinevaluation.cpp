#include "rules/spinevaluation.h"

namespace melvane {

namespace {

// The reels of the run a symbol was paid for; 0 for none.
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

int lastCellOfPaidRun(const SpinTables &spin, Symbol s)
{
    const int run = runOf(spin, s);
    return run < 2 ? 0 : lastCellOfReel(run);
}

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

CellMarks paidSymbolCells(const SpinTables &t)
{
    CellMarks marks{};
    for (const Symbol s : kPayingSymbols) {
        if (!t.won(s))
            continue;
        for (int c = 1; c <= lastCellOfPaidRun(t, s); ++c)
            if (t.entry(s, c) > Decimal4{})
                marks[static_cast<std::size_t>(c)] = true;
    }
    return marks;
}

CellMarks winningCells(const SpinEvaluation &e)
{
    if (e.spinwin < 1)
        return {};
    const SpinTables &t = e.tables;
    CellMarks marks = paidSymbolCells(t);
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
