// Winning-cell flashing: the cover picture laid over each winning symbol's cells in turn.
#include <array>

#include "game/machine/checked.h"
#include "game/machine/melvane.h"
#include "rules/spinevaluation.h"

namespace melvane {

namespace {

// The cycle visits the symbols in this order, four phases each: J has phases 1-4, K 5-8, ...
// Composer 33-36.
constexpr std::array<Symbol, kPayingCount> kFlashOrder = {
    Symbol::J, Symbol::K, Symbol::Drum, Symbol::Cello, Symbol::Tuba, Symbol::Q, Symbol::Piano, Symbol::Harp,
    Symbol::Composer};
constexpr int kPhasesPerBlock = 4;
constexpr std::int16_t kFirstPhase = 1;
constexpr std::int16_t kLastPhase = static_cast<std::int16_t>(kPhasesPerBlock * kPayingCount); // 36

// The sub-steps run 1, 2, 0: 1 shows, 2 rests, 0 hides.
constexpr std::int16_t kShowStep = 1;
constexpr std::int16_t kRestStep = 2;
constexpr std::int16_t kHideStep = 0;

// The block of a phase; a phase outside the cycle (0 before the first evaluation) counts as J's.
std::size_t blockOf(std::int16_t phase)
{
    if (phase < kFirstPhase || phase > kLastPhase)
        return 0;
    return static_cast<std::size_t>((phase - kFirstPhase) / kPhasesPerBlock);
}

std::int16_t firstPhaseOf(std::size_t block)
{
    return static_cast<std::int16_t>(kFirstPhase + static_cast<int>(block) * kPhasesPerBlock);
}

bool wonThisSpin(const SpinTables &spin, Symbol s) { return spin.entry(s, kWinMarkEntry) >= Decimal4::whole(1); }

} // namespace

// One tick of the winning-cell flashing: counts an autoplay tick, then either shows the current
// winning symbol's cells, rests, or uncovers every cell that holds no Wild.
void Melvane::tickTimerflash()
{
    // Saturates: the pause counter must never wrap to a negative wait.
    addChecked(autoticks, 1);
    if (flashphase > kLastPhase)
        flashphase = kFirstPhase;
    flashstep = static_cast<std::int16_t>(flashstep + 1);
    if (flashstep > kRestStep)
        flashstep = kHideStep;

    if (flashstep != kRestStep) {
        for (std::size_t block = blockOf(flashphase);; ++block) {
            const Symbol s = kFlashOrder[block];
            if (wonThisSpin(spin, s)) {
                flashphase = static_cast<std::int16_t>(flashphase + 1);
                if (flashstep == kShowStep) {
                    const int lastCell = lastCellOfPaidRun(spin, s);
                    for (int c = 1; c <= lastCell; ++c) {
                        const auto k = static_cast<std::size_t>(c);
                        // Wild cells belong to the Wild animation, which draws its own picture there.
                        if (spin.entry(s, c) > Decimal4{} && spin.wildcell[k] < 1)
                            flasher[k].show();
                    }
                }
                break;
            }
            if (block + 1 == kFlashOrder.size()) {
                // Wrapping past a Composer that did not win costs this whole evaluation.
                flashphase = kFirstPhase;
                break;
            }
            // Symbols that did not win take no time: the next block is looked at in this tick.
            flashphase = firstPhaseOf(block + 1);
        }
    }

    if (flashstep == kHideStep)
        for (int c = 1; c <= kCells; ++c)
            if (spin.wildcell[static_cast<std::size_t>(c)] < 1)
                flasher[static_cast<std::size_t>(c)].hide();
}

} // namespace melvane
