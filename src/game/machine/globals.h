#pragma once

#include <cstdint>
#include <string>

namespace melvane {

// The current player's settings and lifetime statistics, shared by every window.
struct Globals {
    std::int32_t bank = 0;
    std::int32_t amountinvested = 0;
    std::int32_t wager = 0;
    std::int32_t total = 0;
    std::int32_t games = 0;
    // Coins the gamble took out of the credit and lost. Beside the meters above it closes the
    // books: bank + round total waiting + amount at risk = amountinvested - wager + total - gamblelost.
    std::int32_t gamblelost = 0;
    std::int16_t howmanyspins = 0;
    std::int16_t soundonoff = 0; // -1 sound on
    std::int16_t machinepay = 0;
    std::int16_t winroll = 0;
    std::int16_t reelspeed = 0;
    std::string currentplayer;
    std::string playernumber;
    std::int32_t screendpi = 0;

    bool soundOn() const { return soundonoff == -1; }
};

} // namespace melvane
