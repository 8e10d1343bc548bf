// The win meter roll-up and the respin timer that drives a free-spin round.
#include <array>
#include <string>

#include "game/machine/checked.h"
#include "rules/draw.h"
#include "game/machine/melvane.h"
#include "rules/money.h"

namespace melvane {

namespace {

// After each addition the next step is chosen from the amount counted so far, so small wins
// count coin by coin and large ones still finish in a few seconds.
struct RollupStep {
    std::int32_t upTo; // counted amount, inclusive
    std::int16_t step;
};
constexpr std::array<RollupStep, 15> kRollupSteps = {{
    {0, 0},
    {5, 1},
    {10, 2},
    {15, 4},
    {20, 8},
    {100, 10},
    {120, 12},
    {150, 14},
    {200, 16},
    {300, 20},
    {450, 25},
    {600, 30},
    {700, 35},
    {1000, 50},
    {1500, 150},
}};
constexpr std::int16_t kLargestRollupStep = 500;

// The bonus tunes, one drawn per round: `respinroll` 1 plays the first, 2 the second.
constexpr std::array<Clip, 2> kBonusTunes = {Clip::FreeSpinTuneA, Clip::FreeSpinTuneB};

// The next free spin waits until the shared tick counter has passed this.
constexpr std::int16_t kRespinAfterTicks = 60;

std::int16_t nextRollupStep(std::int32_t counted)
{
    for (const RollupStep &s : kRollupSteps)
        if (counted <= s.upTo)
            return s.step;
    return kLargestRollupStep;
}

} // namespace

// One tick of the win roll-up: finishes at once in a free-spin round, shows the round total once
// the round is over, and otherwise counts the win meter up to `spinwin`, then shows the credit.
void Melvane::tickTimerwincounter()
{
    host_.processEvents();

    if (freespinsdone < freespins) {
        // A round shows its own captions; counting would hold up the next free spin. The player's
        // setting stays switched to showing wins at once after the round.
        g.winroll = 0;
        Timerwincounter.stop();
        wincountvalue = 0;
        winstep = 0;
        takewin.setEnabled(false);
        host_.processEvents();
        return;
    }

    if (freespinsover > 0) {
        LABWIN.setCaption(std::to_string(freespinwin));
        lblwin.setCaption(moneyCaption(freespinwin));
        Timerwincounter.stop();
        lblcurrentwin.setCaption(std::to_string(spinwin));
        wincountvalue = 0;
        winstep = 0;
        return;
    }

    if (g.winroll == 0)
        wincountvalue = spinwin;
    addChecked(wincountvalue, winstep);
    winstep = nextRollupStep(wincountvalue);
    if (wincountvalue >= spinwin) {
        LABWIN.setCaption(std::to_string(spinwin));
        lblwin.setCaption(moneyCaption(spinwin));
        showBank();
        Timerwincounter.stop();
        wincountvalue = 0;
    } else {
        LABWIN.setCaption(std::to_string(wincountvalue));
        lblwin.setCaption(moneyCaption(wincountvalue));
    }
}

// One tick of the respin timer: starts the round's music on its first tick after a collect, and
// presses the bet button for the next free spin once the shared tick counter has passed 60.
void Melvane::tickTimerrespin()
{
    if (respinflag < 1) {
        // A round carried on after a restart keeps the tune it was given.
        if (respinroll < 1)
            respinroll = static_cast<std::int16_t>(drawIndex(host_.uniform(), static_cast<int>(kBonusTunes.size())));
        sound(kBonusTunes[static_cast<std::size_t>(respinroll - 1)], true);
        respinflag = 1;
    } else if (!tuneSounding_ && respinroll >= 1) {
        // Chimes of five Scatters cut the tune off; it comes back before the next free spin.
        sound(kBonusTunes[static_cast<std::size_t>(respinroll - 1)], true);
    }
    host_.processEvents();
    if (autoticks > kRespinAfterTicks) {
        autoticks = 0;
        lblcurrentwin.setCaption("");
        // Autoplay keeps the bet buttons locked during a round, so the machine presses its own.
        pressPlayForCoinbet();
    }
}

} // namespace melvane
