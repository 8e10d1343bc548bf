#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "game/machine/wording.h"

namespace melvane {

class SettingsStore;

// When autoplay stops by itself, beyond running short of credit. All zero: it runs until it is
// switched off, as designed.
struct AutoplayLimits {
    int spins = 0;                 // paid spins to play; 0: until stopped
    std::int32_t lossLimit = 0;    // stop once the credit has fallen by more than this; 0: none
    std::int32_t winLimit = 0;     // stop after a single win of at least this; 0: none
    bool stopOnBonus = false;      // stop once a free-spin round has been played and collected

    friend bool operator==(const AutoplayLimits &, const AutoplayLimits &) = default;
};

// What the autoplay window offers; 0 in each list is "until stopped" or "no limit".
inline const std::vector<int> kAutoplaySpinChoices = {10, 25, 50, 100, 250, 0};
inline const std::vector<std::int32_t> kAutoplayLossChoices = {0, 100, 250, 500, 1000, 2500, 5000, 10000};
inline const std::vector<std::int32_t> kAutoplayWinChoices = {0, 100, 250, 500, 1000, 2500, 5000, 10000};

template <typename T>
bool isOffered(const std::vector<T> &choices, T value)
{
    return std::find(choices.begin(), choices.end(), value) != choices.end();
}

// Reads the limits stored with profile n (1..6); a missing or bad value is refused on its own
// and keeps its default.
AutoplayLimits readAutoplayLimits(const SettingsStore &store, int n);
void writeAutoplayLimits(SettingsStore &store, int n, const AutoplayLimits &limits);

// Why autoplay stopped at the end of a game, short of credit aside.
enum class AutoplayStop { None, Spins, LossLimit, WinLimit, Bonus, Key, RealityCheck };
// The reason in one line, as the cabinet shows it.
Wording autoplayStopText(const AutoplayLimits &limits, AutoplayStop reason);

} // namespace melvane
