#pragma once

#include <array>
#include <cstdint>

namespace melvane {

// The number of Scatters paid for a scatter code: 5, 4 or 3 when reels 1.. in a row show a
// counting Scatter (41 pays as three), else 0.
int scattersPaid(int scattercode);

// Multiple of the stake paid by the Scatters: 100, 10, 2 or 0.
int scatterPayMultiple(int scattercode);

// Spins added to `freespins` by a trigger: 31, 21, 11 or 0 (the free spins plus the triggering spin).
int freeSpinsAdded(int scattercode);

struct ScatterEvaluation {
    std::int64_t scatterwin = 0;        // coins
    std::array<bool, 6> chime{};        // landing chime flags, reels 1..5
    std::array<bool, 6> scatterpaid{};  // reels whose Scatters are paid, 1..5
    bool startsTimerscatter = false;
};

// The scatter step of a resolution. `inBonus` silences the chimes of three or four Scatters
// and of the unpaid runs; five Scatters chime in a bonus too.
ScatterEvaluation evaluateScatters(int scattercode, std::int64_t stake, bool inBonus);

struct WildMultiplier {
    int wildmult = 0;
    int wildframe = 0;
};

// The Wild multiplier of free spins is drawn from this many equally likely draws.
inline constexpr int kWildMultiplierDraws = 25;
// The Wild multiplier for a draw x of 1..25: 10 for 1, 5 for 2-5, 3 for 6-14, 2 for 15-25.
WildMultiplier wildMultiplierFor(int draw);
// Whether a value is a Wild multiplier some draw gives.
bool isWildMultiplier(int wildmult);

} // namespace melvane
