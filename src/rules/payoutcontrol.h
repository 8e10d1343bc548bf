#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "rules/gametext.h"

namespace melvane {

// The payout settings of the options window, as stored in `machinepay`, in the order of its
// buttons, and their names on those buttons.
inline constexpr std::array<int, 3> kPayoutSettings = {5, 3, 2};
inline constexpr std::array<std::string_view, 3> kPayoutSettingNames = {
    GameText::tr("Realistic"), GameText::tr("Loose"), GameText::tr("Dream Machine !!")};

constexpr bool isValidPayoutSetting(int machinepay)
{
    return std::find(kPayoutSettings.begin(), kPayoutSettings.end(), machinepay) != kPayoutSettings.end();
}

// The name of a payout setting; empty for a value that is none.
constexpr std::string_view payoutSettingName(int machinepay)
{
    for (std::size_t i = 0; i < kPayoutSettings.size(); ++i)
        if (kPayoutSettings[i] == machinepay)
            return kPayoutSettingNames[i];
    return {};
}

// Whether a win is big enough for the payout control to question it: more than twice the stake.
constexpr bool exceedsPayoutLimit(std::int64_t spinwin, std::int64_t stake) { return spinwin > 2 * stake; }

// A draw of the payout control (1..machinepay) lets the outcome stand when it is 1, or when
// the win is at most twice the stake; otherwise the outcome is discarded and drawn again.
constexpr bool outcomeStands(int payoutDraw, std::int64_t spinwin, std::int64_t stake)
{
    return payoutDraw == 1 || !exceedsPayoutLimit(spinwin, stake);
}

} // namespace melvane
