#pragma once

#include <array>
#include <cstdint>

#include "rules/celltables.h"
#include "rules/decimal.h"
#include "rules/grid.h"
#include "rules/symbols.h"

namespace melvane {

inline constexpr int kStops = 22;       // a stop is drawn from 1..22
inline constexpr int kStripCells = 29;  // picture cells 0..28; only 1..24 ever rest in view

using Stops = std::array<int, kReels>; // stops of reels 1..5, each 1..22

constexpr bool isValidStop(int stop) { return stop >= 1 && stop <= kStops; }

// The symbol at a strip picture cell (0..28) of a reel (1..5).
Symbol stripSymbol(int reel, int position);

// The symbol a reel shows in a row when it rests at a stop.
inline Symbol symbolAt(int reel, int stop, Row row) { return stripSymbol(reel, stop + static_cast<int>(row)); }

// The value the reel step writes into the symbol's table for that reel, stop and row: the
// reel weight, the Wild value for a Wild, and the two values fixed in the strip data
// (19.3 for reel 3's Tuba at stop 16 bottom, 22.9 for reel 4's Harp at stop 3 middle).
Decimal4 writtenValue(int reel, int stop, Row row);

// The symbols of the fifteen cells (index 1..15; 0 unused) for five stops.
using CellSymbols = std::array<Symbol, kCells + 1>;
CellSymbols windowOf(const Stops &stops);

// One reel step: writes reel r's three cells at `stop` into the cell tables and, for cells in
// play under `waysmult`, sets wildcell / scattercell and raises the scatter code.
void writeReel(SpinTables &spin, int reel, int stop, int waysmult);

// The spin-start reset followed by all five reel steps.
SpinTables tablesFor(const Stops &stops, int waysmult);

} // namespace melvane
