#pragma once

#include <array>
#include <cstdint>

#include "rules/celltables.h"
#include "rules/reelstrips.h"
#include "rules/scatters.h"
#include "rules/waysevaluation.h"

namespace melvane {

// Everything one set of stops pays, worked out by the machine's own steps in its own order:
// reel steps, clearing of rows out of play, signatures, scatters, symbol pays, coins.
struct SpinEvaluation {
    Stops stops{};
    int waysmult = 0;
    int coinbet = 0;
    CellSymbols cells{};
    SpinTables tables;          // after the symbol pays (entries 16 and 17, wildcell after Drum's pair)
    ScatterEvaluation scatter;
    WaysPays ways;
    std::int64_t spinwin = 0;   // coins, before any Wild multiplier
    int freeSpinsAdded = 0;

    std::int64_t stake() const { return static_cast<std::int64_t>(coinbet) * waysmult; }
};

SpinEvaluation evaluateSpin(const Stops &stops, int waysmult, int coinbet, bool inBonus = false);

// The last cell (cells are numbered reel by reel, three to a reel) of the run a symbol was paid
// for, from the lists its pay came from; 0 for a symbol paid for no run.
int lastCellOfPaidRun(const SpinTables &spin, Symbol s);

// The cells a spin's win shows (1..15; 0 unused), as the machine's presentation picks them: the
// cells of each paid symbol's run, the Wilds that stay lit after a win and the Scatters of a
// paid run. None for a spin that won nothing.
using CellMarks = std::array<bool, kCells + 1>;
CellMarks winningCells(const SpinEvaluation &e);
// The part of those that the paid symbols' runs give, from the tables of a spin after its pays.
CellMarks paidSymbolCells(const SpinTables &t);

} // namespace melvane
