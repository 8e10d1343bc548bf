#pragma once

namespace melvane {

// The 25 sound clips by what they sound for. Each keeps its resource number (101 to 126, no
// 118), under which the sound files are stored; a clip that serves two purposes has a name
// for each.
enum class Clip : int {
    // Win jingles by the largest win in coins they sound for (see the win-sound tiers).
    Win25 = 101,
    Win100 = 102,
    Win150 = 103,
    Win700 = 104,
    Win1210 = 105,
    Win60 = 106,
    Win900 = 107,
    Win600 = 108,
    Win200 = 109,
    Win400 = 110,
    Win300 = 111,
    WinOver1210 = 112,
    // A spin refused for short credit.
    Refused = 113,
    // A reel lands in a paid spin.
    ReelStop = 114,
    // Spin start, shutdown, menu commands and the buttons of the side windows and the gamble.
    Click = 115,
    Collect = 116,
    // A gamble won on red or on a suit.
    GambleWon = 117,
    // Landing chimes of reels 1 to 5, rising.
    Chime1 = 119,
    Chime2 = 120,
    Chime3 = 121,
    Chime4 = 122,
    Chime5 = 123,
    // The two tunes that loop through free spins, and the fanfare of the award.
    FreeSpinTuneA = 124,
    FreeSpinTuneB = 125,
    FreeSpinFanfare = 126,

    // Second uses of the clips above.
    StartUp = Win60,
    GambleTaken = Win25,
    GambleLost = Refused,
    GambleWonBlack = Collect,
};

// The resource number a clip is stored under.
constexpr int resourceNumber(Clip clip) { return static_cast<int>(clip); }

} // namespace melvane
