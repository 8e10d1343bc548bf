#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace melvane {

// The payout settings of the options window, as stored in `machinepay`.
inline constexpr std::array<int, 3> kPayoutSettings = {5, 3, 2};

constexpr bool isValidPayoutSetting(int machinepay)
{
    return machinepay == 5 || machinepay == 3 || machinepay == 2;
}

// The options window's name of a payout setting: "Realistic", "Loose", "Dream Machine !!".
std::string_view payoutSettingName(int machinepay);

// Whether a win is big enough for the payout control to question it: more than twice the stake.
constexpr bool exceedsPayoutLimit(std::int64_t spinwin, std::int64_t stake) { return spinwin > 2 * stake; }

// A draw of the payout control (1..machinepay) lets the outcome stand when it is 1, or when
// the win is at most twice the stake; otherwise the outcome is discarded and drawn again.
constexpr bool outcomeStands(int payoutDraw, std::int64_t spinwin, std::int64_t stake)
{
    return payoutDraw == 1 || !exceedsPayoutLimit(spinwin, stake);
}

} // namespace melvane
