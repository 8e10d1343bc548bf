// The Wild note (with the multiplier badge in a free-spin round) and the Scatter clef animations.
#include <array>

#include "game/machine/checked.h"
#include "game/machine/melvane.h"

namespace melvane {

namespace {

// ImageList3: the turning note is pictures 1-10.
constexpr std::int16_t kFirstNoteFrame = 1;
constexpr std::int16_t kLastNoteFrame = 10;

// ImageList3: four sparkle frames per badge, ending at these pictures.
struct BadgeFrames {
    std::int16_t wildmult;
    std::int16_t topFrame;
};
constexpr std::array<BadgeFrames, 4> kBadges = {{{2, 14}, {3, 18}, {5, 22}, {10, 26}}};
constexpr std::int16_t kSparkleFrames = 4;
// What a badge index below 1 falls back to (a multiplier that was never drawn).
constexpr std::int16_t kBadgeFallbackFrame = 3;

// ImageList1: the Scatter sequence ends at picture 17 and restarts at 1, which the next tick
// steps past, so picture 1 is shown only once in the life of the window.
constexpr std::int16_t kLastScatterFrame = 17;
constexpr std::int16_t kScatterRestartFrame = 1;

std::int16_t topBadgeFrame(std::int16_t wildmult)
{
    for (const BadgeFrames &b : kBadges)
        if (b.wildmult == wildmult)
            return b.topFrame;
    return 0;
}

bool isCellOfReel(int cell, int reel) { return cell >= 1 && cell <= kCells && reelOfCell(cell) == reel; }

} // namespace

// One tick of the Wild animation: after a win, turns the note of every Wild by one frame, with
// the sparkling multiplier badge on top during a free-spin round.
void Melvane::tickTimerballflash()
{
    if (spinwin < 1)
        return;
    const bool inRound = freespinsdone != 0;
    if (inRound) {
        const std::int16_t top = topBadgeFrame(wildmult);
        addChecked(wildframe, 1);
        if (wildframe > top)
            wildframe = static_cast<std::int16_t>(top - (kSparkleFrames - 1));
    }
    addChecked(wildframeticks, 1);
    if (wildframeticks > kLastNoteFrame)
        wildframeticks = kFirstNoteFrame;
    if (inRound && wildframe < 1)
        wildframe = kBadgeFallbackFrame;

    const Picture picture{ImageList::ImageList3, wildframeticks, inRound ? wildframe : 0};
    for (int c = kFirstWildCell; c <= kLastWildCell; ++c) {
        const auto k = static_cast<std::size_t>(c);
        if (spin.wildcell[k] == 1) {
            flasher[k].show();
            flasher[k].setPicture(picture);
        }
    }
}

// One tick of the Scatter animation: every Scatter of the paid run shows the next clef frame.
void Melvane::tickTimerscatter()
{
    addChecked(scatterframe, 1);
    for (int r = 1; r <= kReels; ++r) {
        const int c = spin.scattercell[static_cast<std::size_t>(r)];
        if (!isCellOfReel(c, r))
            continue;
        // Reels 1 and 2 open every paid run; a later reel belongs to it only when every reel
        // before it was paid too, so a reel-5 Scatter after a gap stays still.
        bool inPaidRun = r <= 2;
        if (!inPaidRun) {
            inPaidRun = true;
            for (int before = 1; before <= r; ++before)
                inPaidRun = inPaidRun && scatterpaid[static_cast<std::size_t>(before)];
        }
        if (inPaidRun) {
            const auto k = static_cast<std::size_t>(c);
            flasher[k].setPicture({ImageList::ImageList1, scatterframe, 0});
            flasher[k].show();
        }
    }
    if (scatterframe == kLastScatterFrame)
        scatterframe = kScatterRestartFrame;
}

} // namespace melvane
