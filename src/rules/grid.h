#pragma once

#include <array>
#include <cstdint>

#include "rules/decimal.h"

namespace melvane {

inline constexpr int kReels = 5;
inline constexpr int kCells = 15;

enum class Row : std::uint8_t { Top, Middle, Bottom };
inline constexpr std::array<Row, 3> kRows = {Row::Top, Row::Middle, Row::Bottom};

// The cell (1..15) of a reel's row: reel by reel, top-down on reels 1, 3 and 5,
// bottom-up on reels 2 and 4.
constexpr int cellOf(int reel, Row row)
{
    const int first = 3 * (reel - 1) + 1;
    const int fromTop = static_cast<int>(row);
    const bool bottomUp = reel == 2 || reel == 4;
    return bottomUp ? first + 2 - fromTop : first + fromTop;
}

constexpr int reelOfCell(int cell) { return (cell - 1) / 3 + 1; }

// The Wild stands on reels 2 and 4 only; the cells of reels 2 to 4 cover both.
inline constexpr int kFirstWildCell = 4;  // the first cell of reel 2
inline constexpr int kLastWildCell = 12;  // the last cell of reel 4
// The cells of one reel, in cell order.
constexpr int firstCellOfReel(int reel) { return 3 * (reel - 1) + 1; }
constexpr int lastCellOfReel(int reel) { return 3 * reel; }

constexpr Row rowOfCell(int cell)
{
    const int offset = (cell - 1) % 3;
    const int reel = reelOfCell(cell);
    const bool bottomUp = reel == 2 || reel == 4;
    return static_cast<Row>(bottomUp ? 2 - offset : offset);
}

// The allowed stake multipliers, in the order of the ways buttons.
inline constexpr std::array<int, 5> kWaysMults = {1, 3, 7, 15, 25};
inline constexpr std::array<int, 5> kWaysCounts = {3, 9, 27, 81, 243};

constexpr bool isValidWaysmult(int waysmult)
{
    for (int w : kWaysMults)
        if (w == waysmult)
            return true;
    return false;
}

// Ways (3..243) for a stake multiplier, 0 for a value the machine does not offer.
constexpr int waysForWaysmult(int waysmult)
{
    for (std::size_t i = 0; i < kWaysMults.size(); ++i)
        if (kWaysMults[i] == waysmult)
            return kWaysCounts[i];
    return 0;
}

// Stake multiplier for a number of ways, 0 for a number the machine does not offer.
constexpr int waysmultForWays(int ways)
{
    for (std::size_t i = 0; i < kWaysCounts.size(); ++i)
        if (kWaysCounts[i] == ways)
            return kWaysMults[i];
    return 0;
}

inline constexpr std::array<int, 5> kCoinBets = {1, 2, 5, 10, 20};

// The button (1..N) of a value in a list of a row of buttons, in its order; 0 for none.
template <std::size_t N>
constexpr int buttonFor(const std::array<int, N> &values, int value)
{
    for (std::size_t i = 0; i < values.size(); ++i)
        if (values[i] == value)
            return static_cast<int>(i) + 1;
    return 0;
}

constexpr bool isValidCoinbet(int coinbet)
{
    for (int c : kCoinBets)
        if (c == coinbet)
            return true;
    return false;
}

// Whether a cell counts under a stake multiplier: reel 1 and the middle row always,
// the outer rows of reel 2 from 2, reel 3 from 4, reel 4 from 8 and reel 5 from 16.
constexpr bool cellInPlay(int cell, int waysmult)
{
    if (rowOfCell(cell) == Row::Middle)
        return true;
    constexpr std::array<int, kReels + 1> kOuterRowsFrom = {0, 0, 2, 4, 8, 16};
    return waysmult >= kOuterRowsFrom[static_cast<std::size_t>(reelOfCell(cell))];
}

inline constexpr std::array<int, kReels + 1> kReelWeights = {0, 8, 7, 6, 10, 20};

constexpr int reelweight(int reel) { return kReelWeights[static_cast<std::size_t>(reel)]; }

// The value a Wild writes into the paying tables: 11.5 on reel 2, 22.9 on reel 4, none elsewhere.
constexpr Decimal4 wildValue(int reel)
{
    return reel == 2 ? Decimal4::tenths(115) : reel == 4 ? Decimal4::tenths(229) : Decimal4{};
}

} // namespace melvane
