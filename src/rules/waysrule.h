#pragma once

#include <array>
#include <cstdint>

#include "rules/grid.h"
#include "rules/symbols.h"

namespace melvane {

// Hits of a paying symbol on each reel: cells in play that show it or, on reels 2 and 4, the Wild.
using ReelHits = std::array<int, kReels>;

// Hits of a paying symbol on one reel resting at a stop.
int reelHits(int reel, int stop, Symbol s, int waysmult);

struct RuleWin {
    int run = 0;  // reels in the paying run, 0 when nothing pays
    int ways = 0;
    std::int32_t pay = 0; // pay units
};

// The ways rule stated directly: the run is the number of consecutive reels from reel 1 with a
// hit; a run of 3, 4 or 5 (or 2 for Drum) pays base pay x the product of the hits in the run.
// It pays exactly what the signature lists pay, and lets the mathematics work reel by reel.
RuleWin ruleWin(Symbol s, const ReelHits &hits);

} // namespace melvane
